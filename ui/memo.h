#pragma once

#include "ui/edit.h"

namespace korvane::ui {

// A multi-line edit with both scroll bars and no length limit.
class Memo : public Edit {
public:
    std::wstring_view ClassName() const override { return L"TMemo"; }
    Memo(Window& parent, const PixelRect& bounds);
    // Appends text at the end without touching what is there.
    void AppendText(std::wstring_view text);
    void SelectAll();
    std::wstring SelectedText() const;
};

} // namespace korvane::ui
