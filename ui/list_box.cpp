#include "ui/list_box.h"

namespace korvane::ui {

ListBox::ListBox(Window& parent, const PixelRect& bounds, int itemHeight) : ListBox(parent, bounds, itemHeight, 0)
{
}

ListBox::ListBox(Window& parent, const PixelRect& bounds, int itemHeight, DWORD extraStyle)
    : Control(parent, L"LISTBOX", WS_TABSTOP | WS_VSCROLL | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | extraStyle,
              WS_EX_CLIENTEDGE, bounds)
{
    Send(LB_SETITEMHEIGHT, 0, itemHeight);
}

int ListBox::TopIndex() const
{
    const LRESULT index = Send(LB_GETTOPINDEX);
    return index == LB_ERR ? 0 : static_cast<int>(index);
}

int ListBox::Count() const
{
    return static_cast<int>(Send(LB_GETCOUNT));
}

std::wstring ListBox::Item(int index) const
{
    const LRESULT length = Send(LB_GETTEXTLEN, static_cast<WPARAM>(index));
    if (length == LB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == LB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

std::vector<std::wstring> ListBox::Items() const
{
    std::vector<std::wstring> items;
    const int count = Count();
    for (int i = 0; i < count; ++i)
        items.push_back(Item(i));
    return items;
}

void ListBox::Add(std::wstring_view item)
{
    const std::wstring copy(item);
    Send(LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

void ListBox::Insert(int index, std::wstring_view item)
{
    const std::wstring copy(item);
    Send(LB_INSERTSTRING, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(copy.c_str()));
}

void ListBox::Delete(int index)
{
    Send(LB_DELETESTRING, static_cast<WPARAM>(index));
}

LPARAM ListBox::ItemData(int index) const
{
    const LRESULT data = Send(LB_GETITEMDATA, static_cast<WPARAM>(index));
    return data == LB_ERR ? 0 : static_cast<LPARAM>(data);
}

void ListBox::SetItemData(int index, LPARAM data)
{
    Send(LB_SETITEMDATA, static_cast<WPARAM>(index), data);
}

void ListBox::Exchange(int first, int second)
{
    if (first == second)
        return;
    const std::wstring a = Item(first);
    const std::wstring b = Item(second);
    const LPARAM dataA = ItemData(first);
    const LPARAM dataB = ItemData(second);
    Send(LB_DELETESTRING, static_cast<WPARAM>(first));
    Insert(first, b);
    SetItemData(first, dataB);
    Send(LB_DELETESTRING, static_cast<WPARAM>(second));
    Insert(second, a);
    SetItemData(second, dataA);
}

int ListBox::ItemIndex() const
{
    const LRESULT index = Send(LB_GETCURSEL);
    return index == LB_ERR ? -1 : static_cast<int>(index);
}

void ListBox::SetItemIndex(int index)
{
    Send(LB_SETCURSEL, static_cast<WPARAM>(index));
}

bool ListBox::OnReflectedCommand(WORD code)
{
    const std::function<void()>& handler = code == LBN_DBLCLK ? on_double_click : on_change;
    if ((code != LBN_DBLCLK && code != LBN_SELCHANGE) || !handler)
        return false;
    handler();
    return true;
}

void ListBox::MoveSelectedItem(int offset)
{
    const int index = ItemIndex();
    const int target = index + offset;
    if (index < 0 || target < 0 || target >= Count())
        return;
    Exchange(index, target);
    SetItemIndex(target);
}

} // namespace korvane::ui
