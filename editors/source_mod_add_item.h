#pragma once

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/push_button.h"

namespace korvane {

// The item dialog of the SourceMod editor: one line of text and a button that closes it.
class TSourceModMenu_AddItem : public ui::Form {
public:
    TSourceModMenu_AddItem();
    ~TSourceModMenu_AddItem() override;

    ui::Edit SourceModMenu_AddItem_Item{*this, {8, 32, 297, 21}};
    ui::PushButton SouyrceModMenu_AddItem_BtnAdd{*this, {120, 72, 75, 25}, L"Добавить"};

    void FormShow();
    void SouyrceModMenu_AddItem_BtnAddClick();

protected:
    void OnShow() override { FormShow(); }
};

extern TSourceModMenu_AddItem* SourceModMenu_AddItem;

} // namespace korvane
