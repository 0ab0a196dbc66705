#pragma once

#include "generator/menu_inputs.h"
#include "controls/skinned_buttons_win32.h"
#include "controls/skinned_rich_edit_win32.h"
#include "ui/form.h"
#include "ui/global_reference.h"
#include "ui/push_button.h"

#include <string>
#include <vector>

namespace korvane {

class Tfrm_OldStyleMenu;
// The one Tfrm_OldStyleMenu of the program, set while it exists.
extern Tfrm_OldStyleMenu* frm_OldStyleMenu;

// The old-style menu text editor: coloured text on black, four colour buttons (the last chosen
// one disabled), and the button that opens the options window.
class Tfrm_OldStyleMenu : public ui::Form {
public:
    Tfrm_OldStyleMenu();

    TsBitBtn sBitBtn1{*this, BoundsRect(8, 16, 75, 25), L"Белый"};
    TsBitBtn Button2{*this, BoundsRect(96, 16, 73, 25), L"Желтый"};
    TsBitBtn Button3{*this, BoundsRect(184, 16, 75, 25), L"Красный"};
    TsBitBtn Button4{*this, BoundsRect(272, 16, 75, 25), L"Серый"};
    TsRichEdit OldStyle_MenuEdit{*this, BoundsRect(8, 48, 433, 217)};
    ui::PushButton Button5{*this, BoundsRect(176, 272, 91, 25), L"Продолжить"};

    // The edit's rows as displayed, with each character's colour.
    std::vector<ColoredRow> MenuRows() const;
    // The same rows as plain text.
    std::vector<std::u16string> MenuRowTexts() const;

    void FormCreate();
    void ResetButtons();
    void Button1Click();
    void Button2Click();
    void Button3Click();
    void Button4Click();
    void Button5Click();

protected:
    void OnCreate() override { FormCreate(); }

private:
    // Colours the selection (or the typing colour), and leaves only the pressed button disabled.
    void ChooseColor(COLORREF color, ui::PushButton& pressed);

private:
    ui::GlobalReference<Tfrm_OldStyleMenu> m_globalReference{frm_OldStyleMenu, this};
};

} // namespace korvane
