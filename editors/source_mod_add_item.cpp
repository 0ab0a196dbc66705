#include "editors/source_mod_add_item.h"

namespace korvane {

TSourceModMenu_AddItem* SourceModMenu_AddItem = nullptr;

TSourceModMenu_AddItem::TSourceModMenu_AddItem()
    : Form({L"TSourceModMenu_AddItem", L"SourceMod Korvane - Добавить пункт", 384, 433, 314, 105})
{
    SetTabOrder({&SourceModMenu_AddItem_Item, &SouyrceModMenu_AddItem_BtnAdd});
    SouyrceModMenu_AddItem_BtnAdd.on_click = [this] { SouyrceModMenu_AddItem_BtnAddClick(); };
}

void TSourceModMenu_AddItem::FormShow()
{
    SourceModMenu_AddItem_Item.SetText(L"");
    SourceModMenu_AddItem_Item.Focus();
}

void TSourceModMenu_AddItem::SouyrceModMenu_AddItem_BtnAddClick()
{
    Close();
}

} // namespace korvane
