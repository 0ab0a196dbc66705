#include "ui/edit.h"

namespace korvane::ui {

Edit::Edit(Window& parent, const Bounds& bounds, std::wstring_view text) : Edit(parent, bounds, text, ES_AUTOHSCROLL)
{
}

Edit::Edit(Window& parent, const Bounds& bounds, std::wstring_view text, DWORD style)
    : Control(parent, L"EDIT", WS_TABSTOP | style, WS_EX_CLIENTEDGE, bounds, text)
{
}

LRESULT Edit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_SETTEXT) {
        // The edit sends EN_CHANGE while it takes the new text: report the change once.
        m_settingText = true;
        const LRESULT result = Control::WindowProc(message, wParam, lParam);
        m_settingText = false;
        return result;
    }
    if (message == WM_CHAR && on_key_press) {
        wchar_t key = static_cast<wchar_t>(wParam);
        on_key_press(key);
        if (key == 0)
            return 0;
        wParam = key;
    }
    return Control::WindowProc(message, wParam, lParam);
}

bool Edit::OnReflectedCommand(WORD code)
{
    // EN_CHANGE: the user changed the text (WM_SETTEXT reports through OnTextChanged itself).
    if (code == EN_CHANGE) {
        if (!m_settingText)
            OnTextChanged();
        return true;
    }
    return false;
}

} // namespace korvane::ui
