#include "editors/keyboard_dialog.h"

namespace korvane {

void KeyboardDialog::SetDefaultButton(ui::PushButton& button)
{
    m_defaultButton = &button;
    button.Send(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
}

LRESULT KeyboardDialog::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // IsDialogMessage names no control for IDOK and IDCANCEL here: the form has no control of
    // those identifiers (ours count from 100).
    if (message == WM_COMMAND && lParam == 0 && HIWORD(wParam) == BN_CLICKED) {
        if (LOWORD(wParam) == IDOK) {
            HWND focused = GetFocus();
            auto* button = focused && IsChild(Handle(), focused)
                               ? dynamic_cast<ui::PushButton*>(Window::FromHandle(focused))
                               : nullptr;
            if (!button)
                button = m_defaultButton;
            if (button && button->Enabled())
                button->Click();
            return 0;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            SendMessageW(Handle(), WM_CLOSE, 0, 0);
            return 0;
        }
    }
    return Form::WindowProc(message, wParam, lParam);
}

} // namespace korvane
