#pragma once

#include "ui/control.h"

#include <functional>
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
    // Puts an item at the index, the items from there on moving down one place.
    void Insert(int index, std::wstring_view item);
    void Delete(int index);
    // The value kept with an item (LB_SETITEMDATA); 0 for an item added without one.
    LPARAM ItemData(int index) const;
    void SetItemData(int index, LPARAM data);
    // Swaps two items with their values; the selection does not move by itself.
    void Exchange(int first, int second);
    // The selected index, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);
    // Exchanges the selected item with its neighbour offset places away (-1 up, +1 down) and
    // moves the selection with it; nothing happens with no selection or no such neighbour.
    void MoveSelectedItem(int offset);
    int TopIndex() const;

    // An item was double-clicked (LBN_DBLCLK).
    std::function<void()> on_double_click;
    // The user selected another item (LBN_SELCHANGE); SetItemIndex does not report.
    std::function<void()> on_change;

protected:
    // With further list box styles (owner drawing, bars kept visible).
    ListBox(Window& parent, const PixelRect& bounds, int itemHeight, DWORD extraStyle);
    bool OnReflectedCommand(WORD code) override;
};

} // namespace korvane::ui
