#include "editors/new_style_add_item.h"

namespace korvane {

TNewStyle_AddItem* NewStyle_AddItem = nullptr;

TNewStyle_AddItem::TNewStyle_AddItem()
    : ItemDialog({L"TNewStyle_AddItem", L"Add Item", 461, 421, 361, 240}, L"Edit Item")
{
    SetTabOrder({&NewStyle_AddItemEdit, &Button1, &Button2, &NewStyle_AddItemAction.ActionChoice,
                 &NewStyle_AddItemAction.ActionText});
    Bind(NewStyle_AddItemEdit, NewStyle_AddItemAction);
    SetDefaultButton(Button1);
    Button1.on_click = [this] { Button1Click(); };
    Button2.on_click = [this] { Button2Click(); };
}

void TNewStyle_AddItem::FormShow()
{
    ShowPrepared();
}

void TNewStyle_AddItem::Button1Click()
{
    if (RefusePrepared())
        return;
    Close();
}

void TNewStyle_AddItem::Button2Click()
{
    Close();
}

} // namespace korvane
