#pragma once

#include "editors/action_item_list.h"
#include "generator/menu_inputs.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/label.h"
#include "ui/push_button.h"
#include "controls/skinned_buttons_win32.h"
#include "controls/skinned_combo_box_win32.h"
#include "controls/skinned_label_win32.h"
#include "controls/skinned_list_box_win32.h"

namespace korvane {

class Tfrm_SourceModMenu;
// The one Tfrm_SourceModMenu of the program, set while it exists.
extern Tfrm_SourceModMenu* frm_SourceModMenu;

// The SourceMod menu editor: command, title, admin flag and a reorderable item list.
class Tfrm_SourceModMenu : public ui::Form {
public:
    Tfrm_SourceModMenu();

    ui::Label Label2{*this, 8, 8, L"Заголовок Меню:"};
    ui::Edit SourceModMenu_Title{*this, BoundsRect(8, 24, 265, 21)};
    ui::Label Label1{*this, 8, 56, L"Команда для вызова:"};
    ui::Edit SourceModMenu_CallCommand{*this, BoundsRect(8, 72, 265, 21), L"menu"};
    TsLabel sLabel1{*this, 8, 104, L"Флаг доступа:"};
    TsComboBox SourceModMenu_AccessFlags{*this, BoundsRect(8, 120, 265, 22), 16};
    TsSpeedButton SourceModMenu_BtnAdd{*this, BoundsRect(8, 152, 23, 22)};
    TsSpeedButton SourceModMenu_BrnRemove{*this, BoundsRect(32, 152, 23, 22)};
    TsSpeedButton SOurceModMenu_BtnUp{*this, BoundsRect(56, 152, 23, 22)};
    TsSpeedButton SourceModMenu_BtnDown{*this, BoundsRect(80, 152, 23, 22)};
    TsListBox SourceModMenu_Items{*this, BoundsRect(8, 176, 265, 209), 16};
    TsButton SourceModMenu_Btn_Continue{*this, BoundsRect(96, 400, 89, 25), L"Сгенерировать"};

    // What the generation reads: command, selected flag, title and the items in list order,
    // each with its action.
    SourceModMenu CurrentMenu() const;
    // The items with their actions behind SourceModMenu_Items.
    ActionItemList& ItemList() { return m_itemList; }

    void FormShow();
    void SourceModMenu_CallCommandKeyPress(wchar_t& key);
    void SourceModMenu_BtnAddClick();
    void SourceModMenu_BrnRemoveClick();
    // Opens the selected item in the item dialog, filled in, and takes back what it closes with.
    void SourceModMenu_ItemsDblClick();
    void SOurceModMenu_BtnUpClick();
    void SourceModMenu_BtnDownClick();
    void SourceModMenu_Btn_ContinueClick();

protected:
    void OnShow() override { FormShow(); }

private:
    ActionItemList m_itemList{SourceModMenu_Items};
    ui::GlobalReference<Tfrm_SourceModMenu> m_globalReference{frm_SourceModMenu, this};
};

} // namespace korvane
