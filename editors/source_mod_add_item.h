#pragma once

#include "ui/edit.h"
#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/push_button.h"

namespace korvane {

class TSourceModMenu_AddItem;
// The one TSourceModMenu_AddItem of the program, set while it exists.
extern TSourceModMenu_AddItem* SourceModMenu_AddItem;

// The item dialog of the SourceMod editor: one line of text and a button that closes it.
class TSourceModMenu_AddItem : public ui::Form {
public:
    TSourceModMenu_AddItem();

    ui::Edit SourceModMenu_AddItem_Item{*this, BoundsRect(8, 32, 297, 21)};
    ui::PushButton SouyrceModMenu_AddItem_BtnAdd{*this, BoundsRect(120, 72, 75, 25), L"Добавить"};

    void FormShow();
    void SouyrceModMenu_AddItem_BtnAddClick();

protected:
    void OnShow() override { FormShow(); }

private:
    ui::GlobalReference<TSourceModMenu_AddItem> m_globalReference{SourceModMenu_AddItem, this};
};

} // namespace korvane
