#pragma once

#include "editors/item_dialog.h"
#include "generator/menu_inputs.h"
#include "ui/list_box.h"

#include <map>
#include <string>
#include <vector>

namespace korvane {

// The items of an editor's list box with their actions. The list shows each item's text exactly
// as typed, followed by a summary of its action when it has one; what the generation reads is
// kept apart from that display, with each entry's record found through the entry's item data, so
// reordering the list (ListBox::Exchange keeps item data) keeps each action with its item. An
// entry put into the list box directly, without a record, is an item of its shown text without an
// action.
class ActionItemList {
public:
    explicit ActionItemList(ui::ListBox& list) : m_list(list) {}
    ActionItemList(const ActionItemList&) = delete;
    ActionItemList& operator=(const ActionItemList&) = delete;

    void Add(const std::wstring& text, const ItemAction& action);
    // Runs the item dialog for a new item and adds what it closes with unless its text is blank;
    // true when an item was added.
    bool AddFrom(ItemDialog& dialog);
    // Runs the item dialog for the selected item, filled in, and puts what it closes with in its
    // place unless the text is blank. Nothing happens with no item selected.
    void ChangeSelected(ItemDialog& dialog);
    // Gives the entry at index a new text and action, keeping its place and the selection.
    void Replace(int index, const std::wstring& text, const ItemAction& action);
    void Delete(int index);
    // Deletes the selected item; nothing happens with no item selected.
    void DeleteSelected();

    std::wstring Text(int index) const;
    ItemAction Action(int index) const;
    // Every item's text and action, in list order.
    void Read(std::vector<std::u16string>& items, std::vector<ItemAction>& actions) const;

    // The list's line for an item: the text, then "  →  " and the action's summary, if any.
    static std::wstring DisplayText(const std::wstring& text, const ItemAction& action);

private:
    struct Entry {
        std::wstring text;
        ItemAction action;
    };
    const Entry* Find(int index) const;
    LPARAM Keep(const std::wstring& text, const ItemAction& action);

    ui::ListBox& m_list;
    std::map<LPARAM, Entry> m_entries;
    LPARAM m_nextKey = 1;
};

} // namespace korvane
