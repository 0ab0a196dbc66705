#pragma once

#include "ui/form.h"
#include "ui/push_button.h"

namespace korvane {

// A form that answers Enter and Esc as a dialog box does. The event loop's IsDialogMessage turns
// them into WM_COMMAND IDOK and IDCANCEL to the form: Enter presses the focused push button, or
// the default button when the focus is elsewhere (an edit, the choice box); Esc does what the
// close box does.
class KeyboardDialog : public ui::Form {
public:
    using ui::Form::Form;

    // The button Enter presses; it is drawn as the default button (BS_DEFPUSHBUTTON).
    void SetDefaultButton(ui::PushButton& button);

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    ui::PushButton* m_defaultButton = nullptr;
};

} // namespace korvane
