#pragma once

#include "ui/edit.h"

namespace korvane::ui {

// A multi-line edit with both scroll bars and no length limit.
class Memo : public Edit {
public:
    Memo(Window& parent, const Bounds& bounds);
    // Appends text at the end without touching what is there.
    void AppendText(std::wstring_view text);
    void SelectAll();
    std::wstring SelectedText() const;
};

} // namespace korvane::ui
