#include "ui/push_button.h"

namespace korvane::ui {

PushButton::PushButton(Window& parent, const PixelRect& bounds, std::wstring_view caption)
    : PushButton(parent, bounds, caption, 0)
{
}

PushButton::PushButton(Window& parent, const PixelRect& bounds, std::wstring_view caption, DWORD extraStyle)
    : Control(parent, L"BUTTON", WS_TABSTOP | BS_PUSHBUTTON | extraStyle, 0, bounds, caption)
{
}

void PushButton::SetDefault(bool isDefault)
{
    m_default = isDefault;
    // Through the message, so that whoever draws the button hears of the new role.
    Send(BM_SETSTYLE, isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

void PushButton::Click()
{
    if (on_click)
        on_click();
}

bool PushButton::OnReflectedCommand(WORD code)
{
    if (code != BN_CLICKED)
        return false;
    Click();
    return true;
}

} // namespace korvane::ui
