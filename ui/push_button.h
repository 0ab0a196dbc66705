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

    std::function<void()> on_click;

protected:
    PushButton(Window& parent, const PixelRect& bounds, std::wstring_view caption, DWORD extraStyle);
    bool OnReflectedCommand(WORD code) override;
};

} // namespace korvane::ui
