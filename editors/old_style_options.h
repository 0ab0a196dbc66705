#pragma once

#include "generator/menu_inputs.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/label.h"
#include "ui/push_button.h"

namespace korvane {

class Tfrm_OldStyleOptions;
// The one Tfrm_OldStyleOptions of the program, set while it exists.
extern Tfrm_OldStyleOptions* frm_OldStyleOptions;

// The old-style options: answering keys (filled in from the menu text when shown), menu name,
// command and access flag.
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

    // What the generation reads: keys, command, menu name, selected flag, and the colour-coded
    // menu text of the old-style editor.
    OldStyleMenu CurrentMenu() const;

    void FormShow();
    void OldStyle_HandledKeysKeyPress(wchar_t& key);
    void OldStyle_MenuNameKeyPress(wchar_t& key);
    void OldStyle_GenerateBtnClick();

protected:
    void OnShow() override { FormShow(); }

private:
    ui::GlobalReference<Tfrm_OldStyleOptions> m_globalReference{frm_OldStyleOptions, this};
};

} // namespace korvane
