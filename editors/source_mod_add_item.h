#pragma once

#include "editors/item_dialog.h"
#include "ui/edit.h"
#include "ui/global_reference.h"
#include "ui/push_button.h"

namespace korvane {

class TSourceModMenu_AddItem;
// The one TSourceModMenu_AddItem of the program, set while it exists.
extern TSourceModMenu_AddItem* SourceModMenu_AddItem;

// The item dialog of the SourceMod editor: one line of text, a button that closes it and, below
// the button, the item's action. The button checks the action first (an error box names the item,
// and the dialog stays); the close box (and Esc) only close it. Enter presses the button.
class TSourceModMenu_AddItem : public ItemDialog {
public:
    TSourceModMenu_AddItem();

    ui::Edit SourceModMenu_AddItem_Item{*this, BoundsRect(8, 32, 297, 21)};
    ui::PushButton SouyrceModMenu_AddItem_BtnAdd{*this, BoundsRect(120, 72, 75, 25), L"Добавить"};
    ActionFields SourceModMenu_AddItem_Action{*this, 8, 108, 297};

    void FormShow();
    void SouyrceModMenu_AddItem_BtnAddClick();

protected:
    void OnShow() override { FormShow(); }

private:
    ui::GlobalReference<TSourceModMenu_AddItem> m_globalReference{SourceModMenu_AddItem, this};
};

} // namespace korvane
