#pragma once

#include "editors/action_item_list.h"
#include "generator/menu_inputs.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/push_button.h"
#include "controls/skinned_buttons_win32.h"

namespace korvane {

class TNewStyleKorvane;
// The one TNewStyleKorvane of the program, set while it exists.
extern TNewStyleKorvane* NewStyleKorvane;

// The editor of AMX Mod X new-style menus: title, command, access flag and the item list.
class TNewStyleKorvane : public ui::Form {
public:
    TNewStyleKorvane();

    ui::Label Label1{*this, 16, 8, L"Заголовок меню"};
    ui::Edit NewStyle_Title{*this, BoundsRect(16, 24, 337, 21)};
    ui::Label Label4{*this, 16, 56, L"Команда вызова меню"};
    ui::Edit NewStyle_MenuCommand{*this, BoundsRect(16, 72, 337, 21), L"mymenu"};
    ui::Label Label3{*this, 16, 104, L"Флаг доступа:"};
    ui::ComboBox NewStyle_Flags{*this, BoundsRect(16, 120, 145, 21), 13};
    ui::Label Label2{*this, 16, 152, L"Пункты меню"};
    TsSpeedButton NewStyle_AddBtn{*this, BoundsRect(16, 176, 23, 22)};
    TsSpeedButton NewStyle_RmvButton{*this, BoundsRect(40, 176, 23, 22)};
    TsSpeedButton NewStyle_UpBtn{*this, BoundsRect(64, 176, 23, 22)};
    TsSpeedButton NewStyle_DownBtn{*this, BoundsRect(88, 176, 23, 22)};
    ui::ListBox NewStyle_Items{*this, BoundsRect(8, 200, 353, 241), 13};
    ui::PushButton NewStyle_GenerateBtn{*this, BoundsRect(136, 448, 89, 25), L"Сгенерировать"};

    // What the generation reads: title, command, selected flag and the items in list order,
    // each with its action.
    NewStyleMenu CurrentMenu() const;
    // The items with their actions behind NewStyle_Items.
    ActionItemList& ItemList() { return m_itemList; }

    void FormCreate();
    void FormDestroy();
    void NewStyle_MenuCommandKeyPress(wchar_t& key);
    void NewStyle_AddBtnClick();
    void NewStyle_RmvButtonClick();
    // Opens the selected item in the item dialog, filled in, and takes back what it closes with.
    void NewStyle_ItemsDblClick();
    void NewStyle_UpBtnClick();
    void NewStyle_DownBtnClick();
    void NewStyle_GenerateBtnClick();

protected:
    void OnCreate() override { FormCreate(); }
    void OnDestroy() override { FormDestroy(); }

private:
    ActionItemList m_itemList{NewStyle_Items};
    ui::GlobalReference<TNewStyleKorvane> m_globalReference{NewStyleKorvane, this};
};

} // namespace korvane
