#pragma once

#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/memo.h"
#include "ui/push_button.h"
#include "ui/save_file_dialog.h"

#include <string>

namespace korvane {

class TForm_Generated;
// The one TForm_Generated of the program, set while it exists.
extern TForm_Generated* Form_Generated;

// The generated-source window: composes the plug-in of the recorded menu kind when shown, from
// the editors' controls, and offers copy, save and close.
class TForm_Generated : public ui::Form {
public:
    TForm_Generated();

    ui::Memo PluginSource{*this, BoundsRect(8, 8, 809, 473)};
    ui::PushButton Generated_CopyBtn{*this, BoundsRect(280, 488, 75, 25), L"Скопировать"};
    ui::PushButton Generated_SaveBtn{*this, BoundsRect(376, 488, 89, 25), L"Сохранить как..."};
    ui::PushButton Generated_CloseBtn{*this, BoundsRect(488, 488, 75, 25), L"Закрыть"};
    ui::SaveFileDialog SaveFileDlg;

    // Records the menu kind (MenuKind code 0, 1 or 2) for the next composition and save.
    void SetCurrentMenu(unsigned code) { MenuKind = code; }
    unsigned CurrentMenu() const { return MenuKind; }
    // The colour-coded text of the old-style editor's rows.
    std::u16string GetOldStyleMenu() const;

    void FormShow();
    void Generated_CopyBtnClick();
    void Generated_SaveBtnClick();
    void Generated_CloseBtnClick();

protected:
    void OnShow() override { FormShow(); }

private:
    unsigned MenuKind = 0;

private:
    ui::GlobalReference<TForm_Generated> m_globalReference{Form_Generated, this};
};

} // namespace korvane
