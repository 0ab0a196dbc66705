#pragma once

#include "editors/item_dialog.h"
#include "ui/edit.h"
#include "ui/global_reference.h"
#include "ui/label.h"
#include "ui/push_button.h"

namespace korvane {

class TNewStyle_AddItem;
// The one TNewStyle_AddItem of the program, set while it exists.
extern TNewStyle_AddItem* NewStyle_AddItem;

// The item dialog of the new-style editor: one line of text and, below the buttons, the item's
// action. "Add" checks the action first (an error box names the item, and the dialog stays);
// "Close" and the close box (and Esc) only close it. Enter presses "Add".
class TNewStyle_AddItem : public ItemDialog {
public:
    TNewStyle_AddItem();

    ui::Label Label1{*this, 8, 16, L"Item Text"};
    ui::Edit NewStyle_AddItemEdit{*this, BoundsRect(8, 32, 345, 21)};
    ui::PushButton Button1{*this, BoundsRect(88, 64, 75, 25), L"Add"};
    ui::PushButton Button2{*this, BoundsRect(176, 64, 75, 25), L"Close"};
    ActionFields NewStyle_AddItemAction{*this, 8, 100, 345};

    void FormShow();
    void Button1Click();
    void Button2Click();

protected:
    void OnShow() override { FormShow(); }

private:
    ui::GlobalReference<TNewStyle_AddItem> m_globalReference{NewStyle_AddItem, this};
};

} // namespace korvane
