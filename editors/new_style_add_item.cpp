#include "editors/new_style_add_item.h"

namespace korvane {

TNewStyle_AddItem* NewStyle_AddItem = nullptr;

TNewStyle_AddItem::TNewStyle_AddItem() : Form({L"TNewStyle_AddItem", L"Add Item", 461, 421, 361, 99})
{
    SetTabOrder({&NewStyle_AddItemEdit, &Button1, &Button2});
    Button1.on_click = [this] { Button1Click(); };
    Button2.on_click = [this] { Button2Click(); };
}

void TNewStyle_AddItem::FormShow()
{
    NewStyle_AddItemEdit.SetText(L"");
    NewStyle_AddItemEdit.Focus();
}

void TNewStyle_AddItem::Button1Click()
{
    Close();
}

void TNewStyle_AddItem::Button2Click()
{
    Close();
}

} // namespace korvane
