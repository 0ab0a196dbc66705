#include "ui/control.h"

#include "ui/font.h"
#include "ui/form.h"

namespace korvane::ui {

namespace {

int NextControlId()
{
    static int next = 100;
    return next++;
}

} // namespace

Control::Control(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle, const PixelRect& bounds,
                 std::wstring_view text)
    : m_parent(parent)
    , m_id(NextControlId())
{
    CreateSystemWindow(className, exStyle, WS_CHILD | WS_VISIBLE | style, bounds, parent.Handle(),
                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(m_id)), text);
    SetFont(DefaultFont());
}

void Control::Focus()
{
    HWND top = GetAncestor(Handle(), GA_ROOT);
    if (IsWindowVisible(top)) {
        SetFocus(Handle());
        return;
    }
    if (auto* form = dynamic_cast<Form*>(Window::FromHandle(top)))
        form->SetActiveControl(this);
}

} // namespace korvane::ui
