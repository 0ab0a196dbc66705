#pragma once

#include "editors/action_fields.h"
#include "generator/menu_inputs.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/label.h"
#include "ui/list_box.h"
#include "ui/push_button.h"

#include <map>
#include <vector>

namespace korvane {

class Tfrm_OldStyleOptions;
// The one Tfrm_OldStyleOptions of the program, set while it exists.
extern Tfrm_OldStyleOptions* frm_OldStyleOptions;

// The old-style options: answering keys (filled in from the menu text when shown), menu name,
// command and access flag, and below them the keys' actions: a list with a line per key the menu
// answers (and per other key that still has an action) and, beside it, the action of the key
// selected there, kept as it is typed.
class Tfrm_OldStyleOptions : public ui::Form {
public:
    Tfrm_OldStyleOptions();

    ui::Label Label1{*this, 16, 24, L"Кнопки:"};
    ui::Edit OldStyle_HandledKeys{*this, BoundsRect(16, 40, 145, 21)};
    ui::Label Label2{*this, 232, 24, L"Имя меню"};
    ui::Edit OldStyle_MenuName{*this, BoundsRect(232, 40, 161, 21), L"My Menu"};
    ui::Label Label3{*this, 16, 72, L"Команда для вызова"};
    ui::Edit OldStyle_Command{*this, BoundsRect(16, 88, 145, 21), L"mymenu"};
    ui::Label Label4{*this, 232, 72, L"Флаг доступа"};
    ui::ComboBox OldStyle_AccessFlags{*this, BoundsRect(232, 88, 161, 21), 13};
    ui::PushButton OldStyle_GenerateBtn{*this, BoundsRect(160, 128, 89, 25), L"Сгенерировать"};
    ui::Label Label5{*this, 16, 168, L"Действия кнопок:"};
    ui::ListBox OldStyle_KeyActions{*this, BoundsRect(16, 184, 145, 134), 13};
    ActionFields OldStyle_KeyAction{*this, 232, 168, 161, 152};

    // What the generation reads: keys, command, menu name, selected flag, and the colour-coded
    // menu text of the old-style editor.
    OldStyleMenu CurrentMenu() const;

    void FormShow();
    void OldStyle_HandledKeysKeyPress(wchar_t& key);
    void OldStyle_MenuNameKeyPress(wchar_t& key);
    void OldStyle_GenerateBtnClick();
    // Lists the keys and their actions again, after the keys changed; the key selected stays
    // selected while it is listed, else the first line is.
    void OldStyle_HandledKeysChange();
    // Shows the action of the key selected in the list.
    void OldStyle_KeyActionsChange();
    // Keeps the action typed for the key selected in the list.
    void OldStyle_KeyActionChange();

protected:
    void OnShow() override { FormShow(); }

private:
    std::map<char16_t, ItemAction> m_keyActions;
    // The key of each line of OldStyle_KeyActions.
    std::vector<char16_t> m_lineKeys;
    // The line text of a key.
    std::wstring KeyLine(char16_t key, bool answered) const;
    char16_t SelectedKey() const;
    ui::GlobalReference<Tfrm_OldStyleOptions> m_globalReference{frm_OldStyleOptions, this};
};

} // namespace korvane
