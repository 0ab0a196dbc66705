#pragma once

#include "ui/control.h"

namespace korvane::ui {

// A static text that sizes itself to its caption (one line) at the given position.
class Label : public Control {
public:
    std::wstring_view ClassName() const override { return L"TLabel"; }
    Label(Window& parent, int left, int top, std::wstring_view caption);

protected:
    void OnTextChanged() override;
    void OnFontChanged() override;

private:
    void FitToText();
};

} // namespace korvane::ui
