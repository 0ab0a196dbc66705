#pragma once

#include "ui/control.h"
#include "win32/unique_handle.h"

#include <string>
#include <vector>

namespace korvane::ui {

// One row as the rich edit displays it (a wrapped paragraph gives one row per displayed line;
// the line break is not part of the row), with each character's text colour (0x00BBGGRR).
struct RichRow {
    std::wstring text;
    std::vector<COLORREF> colors;
};

// A RichEdit 2.0 control (riched20): per-character colour, words wrapped at the control's width,
// no scroll bars.
class RichEdit : public Control {
public:
    std::wstring_view ClassName() const override { return L"TRichEdit"; }
    RichEdit(Window& parent, const PixelRect& bounds);

    void SetBackgroundColor(COLORREF color);
    // The colour of text that has no colour of its own (the "automatic" colour).
    void SetDefaultTextColor(COLORREF color);
    COLORREF DefaultTextColor() const { return m_defaultTextColor; }
    // Colours the current selection; with no selection, the text typed next at the caret.
    void SetSelectionColor(COLORREF color);
    // The rows as displayed, read from the document without moving the selection. A final empty
    // row (after a closing line break, or of an empty text) is not a row.
    std::vector<RichRow> Rows() const;
    // The colour of the character at a position of the document.
    COLORREF CharColor(long position) const;

private:
    std::wstring TextRange(long start, long end) const;
    COLORREF SelectionCharColor(long position) const;

    COLORREF m_defaultTextColor = 0;
};

} // namespace korvane::ui
