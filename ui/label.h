#pragma once

#include "ui/control.h"

namespace korvane::ui {

// How a label lines up its text.
enum class TextAlignment { Left, Center, Right };

// A static text at the given position that sizes itself to its caption (one line) unless its
// automatic size is switched off; then it keeps its width and may wrap words.
class Label : public Control {
public:
    std::wstring_view ClassName() const override { return L"TLabel"; }
    Label(Window& parent, int left, int top, std::wstring_view caption);

    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    void SetWordWrap(bool wrap);
    void SetAlignment(TextAlignment alignment);

protected:
    void OnTextChanged() override;
    void OnFontChanged() override;

private:
    void FitToText();

    bool m_autoSize = true;
};

} // namespace korvane::ui
