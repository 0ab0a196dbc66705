#pragma once

#include "ui/control.h"

#include <functional>

namespace korvane::ui {

// A standard push button. on_click runs on BN_CLICKED (mouse, keyboard, BM_CLICK) and on Click().
class PushButton : public Control {
public:
    std::wstring_view ClassName() const override { return L"TButton"; }
    PushButton(Window& parent, const PixelRect& bounds, std::wstring_view caption);
    // Presses the button from code, as BM_CLICK would.
    void Click();
    // The form's default button: it has the default-push-button style (the platform draws it
    // with the heavier frame; a skin shows it hot).
    bool IsDefault() const { return m_default; }
    void SetDefault(bool isDefault);

    std::function<void()> on_click;

protected:
    PushButton(Window& parent, const PixelRect& bounds, std::wstring_view caption, DWORD extraStyle);
    bool OnReflectedCommand(WORD code) override;

private:
    bool m_default = false;
};

} // namespace korvane::ui
