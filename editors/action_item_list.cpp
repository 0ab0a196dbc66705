#include "editors/action_item_list.h"

#include "editors/action_fields.h"
#include "ui/text.h"

namespace korvane {

std::wstring ActionItemList::DisplayText(const std::wstring& text, const ItemAction& action)
{
    const std::wstring summary = ActionSummary(action);
    return summary.empty() ? text : text + L"  →  " + summary;
}

LPARAM ActionItemList::Keep(const std::wstring& text, const ItemAction& action)
{
    const LPARAM key = m_nextKey++;
    m_entries[key] = {text, action};
    return key;
}

void ActionItemList::Add(const std::wstring& text, const ItemAction& action)
{
    m_list.Add(DisplayText(text, action));
    m_list.SetItemData(m_list.Count() - 1, Keep(text, action));
}

bool ActionItemList::AddFrom(ItemDialog& dialog)
{
    const auto item = dialog.Run(static_cast<std::size_t>(m_list.Count()) + 1);
    if (item)
        Add(item->first, item->second);
    return item.has_value();
}

void ActionItemList::ChangeSelected(ItemDialog& dialog)
{
    const int index = m_list.ItemIndex();
    if (index < 0)
        return;
    if (const auto item = dialog.Run(static_cast<std::size_t>(index) + 1, ShownItem{Text(index), Action(index)}))
        Replace(index, item->first, item->second);
}

void ActionItemList::Replace(int index, const std::wstring& text, const ItemAction& action)
{
    if (index < 0 || index >= m_list.Count())
        return;
    const int selected = m_list.ItemIndex();
    Delete(index);
    m_list.Insert(index, DisplayText(text, action));
    m_list.SetItemData(index, Keep(text, action));
    m_list.SetItemIndex(selected);
}

void ActionItemList::Delete(int index)
{
    m_entries.erase(m_list.ItemData(index));
    m_list.Delete(index);
}

void ActionItemList::DeleteSelected()
{
    const int index = m_list.ItemIndex();
    if (index >= 0)
        Delete(index);
}

const ActionItemList::Entry* ActionItemList::Find(int index) const
{
    const auto it = m_entries.find(m_list.ItemData(index));
    return it == m_entries.end() ? nullptr : &it->second;
}

std::wstring ActionItemList::Text(int index) const
{
    const Entry* entry = Find(index);
    return entry ? entry->text : m_list.Item(index);
}

ItemAction ActionItemList::Action(int index) const
{
    const Entry* entry = Find(index);
    return entry ? entry->action : ItemAction{};
}

void ActionItemList::Read(std::vector<std::u16string>& items, std::vector<ItemAction>& actions) const
{
    const int count = m_list.Count();
    for (int i = 0; i < count; ++i) {
        items.push_back(ui::ToU16(Text(i)));
        actions.push_back(Action(i));
    }
}

} // namespace korvane
