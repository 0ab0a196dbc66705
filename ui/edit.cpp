#include "ui/edit.h"

namespace korvane::ui {

Edit::Edit(Window& parent, const PixelRect& bounds, std::wstring_view text) : Edit(parent, bounds, text, ES_AUTOHSCROLL)
{
}

Edit::Edit(Window& parent, const PixelRect& bounds, std::wstring_view text, DWORD style)
    : Control(parent, L"EDIT", WS_TABSTOP | style, WS_EX_CLIENTEDGE, bounds, text)
{
}

std::optional<LRESULT> Edit::OnSetText(const wchar_t* text)
{
    // The edit sends EN_CHANGE while it takes the new text: report the change once.
    m_settingText = true;
    const LRESULT result = DefaultProc(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text));
    m_settingText = false;
    Perform(CM_TEXTCHANGED);
    if (on_change)
        on_change();
    return result;
}

void Edit::OnChar(wchar_t& key)
{
    if (on_key_press)
        on_key_press(key);
}

bool Edit::OnReflectedCommand(WORD code)
{
    // EN_CHANGE: the user changed the text (WM_SETTEXT reports the change itself).
    if (code == EN_CHANGE) {
        if (!m_settingText) {
            Perform(CM_TEXTCHANGED);
            if (on_change)
                on_change();
        }
        return true;
    }
    return false;
}

} // namespace korvane::ui
