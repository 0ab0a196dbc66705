#include "ui/combo_box.h"

namespace korvane::ui {

namespace {

// Room for the dropped list: CreateWindow's height of a combo box includes it.
constexpr int kDroppedListHeight = 200;

} // namespace

ComboBox::ComboBox(Window& parent, const PixelRect& bounds, int itemHeight)
    : ComboBox(parent, bounds, itemHeight, CBS_DROPDOWNLIST)
{
}

ComboBox::ComboBox(Window& parent, const PixelRect& bounds, int itemHeight, DWORD comboStyle)
    : Control(parent, L"COMBOBOX", WS_TABSTOP | WS_VSCROLL | comboStyle, 0,
              {bounds.Left, bounds.Top, bounds.Right,
               bounds.Bottom + ((comboStyle & 3) == CBS_SIMPLE ? 0 : kDroppedListHeight)})
    , m_itemHeight(itemHeight)
{
    // List entries take the item height where the system lets them (owner-drawn lists only,
    // under Wine); the selection field is sized so that the closed control has the asked height.
    Send(CB_SETITEMHEIGHT, 0, itemHeight);
    const LRESULT field = Send(CB_GETITEMHEIGHT, static_cast<WPARAM>(-1));
    // A simple box's height holds its list as well.
    if (field == CB_ERR || (comboStyle & 3) == CBS_SIMPLE)
        return;
    // Setting the field's height makes the combo box size itself to it; its frame adds a few
    // pixels that differ between systems, so measure and correct once.
    Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), field);
    RECT r{};
    GetWindowRect(Handle(), &r);
    const LRESULT corrected = field + bounds.Height() - (r.bottom - r.top);
    if (corrected != field && corrected > 0)
        Send(CB_SETITEMHEIGHT, static_cast<WPARAM>(-1), corrected);
}

int ComboBox::Count() const
{
    return static_cast<int>(Send(CB_GETCOUNT));
}

std::wstring ComboBox::Item(int index) const
{
    const LRESULT length = Send(CB_GETLBTEXTLEN, static_cast<WPARAM>(index));
    if (length == CB_ERR)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const LRESULT copied = Send(CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    text.resize(copied == CB_ERR ? 0 : static_cast<std::size_t>(copied));
    return text;
}

void ComboBox::Add(std::wstring_view item)
{
    const std::wstring copy(item);
    Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(copy.c_str()));
}

int ComboBox::ItemIndex() const
{
    const LRESULT index = Send(CB_GETCURSEL);
    return index == CB_ERR ? -1 : static_cast<int>(index);
}

void ComboBox::SetItemIndex(int index)
{
    Send(CB_SETCURSEL, static_cast<WPARAM>(index));
}

std::wstring ComboBox::SelectedText() const
{
    const int index = ItemIndex();
    return index < 0 ? std::wstring() : Item(index);
}

bool ComboBox::OnReflectedCommand(WORD code)
{
    // Others may answer the notification too (a skinned box repaints); it is not used up here.
    if (code == CBN_SELCHANGE && on_change)
        on_change();
    return false;
}

LRESULT ComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The dropped list (ComboLBox) asks its combo box for colours: answer with the control's own.
    if (message == WM_CTLCOLORLISTBOX)
        if (HBRUSH brush = OnControlColor(reinterpret_cast<HDC>(wParam)))
            return reinterpret_cast<LRESULT>(brush);
    return Control::WindowProc(message, wParam, lParam);
}

} // namespace korvane::ui
