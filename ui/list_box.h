#pragma once

#include "ui/control.h"

#include <string>
#include <vector>

namespace korvane::ui {

// A single-selection list box of text items, kept in the order they were added.
class ListBox : public Control {
public:
    std::wstring_view ClassName() const override { return L"TListBox"; }
    ListBox(Window& parent, const PixelRect& bounds, int itemHeight);

    int Count() const;
    std::wstring Item(int index) const;
    std::vector<std::wstring> Items() const;
    void Add(std::wstring_view item);
    void Delete(int index);
    // Swaps two items; the selection does not move by itself.
    void Exchange(int first, int second);
    // The selected index, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Exchanges the selected item with its neighbour offset places away (-1 up, +1 down) and
    // moves the selection with it; nothing happens with no selection or no such neighbour.
    void MoveSelectedItem(int offset);
    int TopIndex() const;

protected:
    // With further list box styles (owner drawing, bars kept visible).
    ListBox(Window& parent, const PixelRect& bounds, int itemHeight, DWORD extraStyle);
};

} // namespace korvane::ui
