#include "editors/source_mod_add_item.h"

namespace korvane {

TSourceModMenu_AddItem* SourceModMenu_AddItem = nullptr;

TSourceModMenu_AddItem::TSourceModMenu_AddItem()
    : ItemDialog({L"TSourceModMenu_AddItem", L"SourceMod Korvane - Добавить пункт", 384, 433, 314, 248},
                 L"SourceMod Korvane - Изменить пункт")
{
    SetTabOrder({&SourceModMenu_AddItem_Item, &SouyrceModMenu_AddItem_BtnAdd,
                 &SourceModMenu_AddItem_Action.ActionChoice, &SourceModMenu_AddItem_Action.ActionText});
    Bind(SourceModMenu_AddItem_Item, SourceModMenu_AddItem_Action);
    SetDefaultButton(SouyrceModMenu_AddItem_BtnAdd);
    SouyrceModMenu_AddItem_BtnAdd.on_click = [this] { SouyrceModMenu_AddItem_BtnAddClick(); };
}

void TSourceModMenu_AddItem::FormShow()
{
    ShowPrepared();
}

void TSourceModMenu_AddItem::SouyrceModMenu_AddItem_BtnAddClick()
{
    if (RefusePrepared())
        return;
    Close();
}

} // namespace korvane
