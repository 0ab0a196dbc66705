#include "editors/old_style_menu.h"

#include "controls/common_data_win32.h"
#include "editors/old_style_options.h"
#include "generator/color_codes.h"
#include "ui/text.h"

namespace korvane {

Tfrm_OldStyleMenu* frm_OldStyleMenu = nullptr;

Tfrm_OldStyleMenu::Tfrm_OldStyleMenu() : Form({L"Tfrm_OldStyleMenu", L"Old Style Korvane 1.0.0", 502, 289, 450, 305})
{
    // The edit takes its look from the skin but keeps its own black background.
    OldStyle_MenuEdit.SkinData.SetSkinSection(u"EDIT");
    OldStyle_MenuEdit.SkinData.SetCustomColor(true);
    OldStyle_MenuEdit.SetBackgroundColor(RGB(0, 0, 0));
    OldStyle_MenuEdit.SetDefaultTextColor(RGB(0, 0, 0));
    SetTabOrder({&OldStyle_MenuEdit, &Button5, &sBitBtn1, &Button2, &Button3, &Button4});
    sBitBtn1.on_click = [this] { Button1Click(); };
    Button2.on_click = [this] { Button2Click(); };
    Button3.on_click = [this] { Button3Click(); };
    Button4.on_click = [this] { Button4Click(); };
    Button5.on_click = [this] { Button5Click(); };
}

std::vector<ColoredRow> Tfrm_OldStyleMenu::MenuRows() const
{
    std::vector<ColoredRow> rows;
    for (const ui::RichRow& shown : OldStyle_MenuEdit.Rows()) {
        ColoredRow row;
        for (std::size_t i = 0; i < shown.text.size(); ++i)
            row.push_back({static_cast<char16_t>(shown.text[i]), static_cast<std::uint32_t>(shown.colors[i])});
        rows.push_back(std::move(row));
    }
    return rows;
}

std::vector<std::u16string> Tfrm_OldStyleMenu::MenuRowTexts() const
{
    std::vector<std::u16string> rows;
    for (const ui::RichRow& shown : OldStyle_MenuEdit.Rows())
        rows.push_back(ui::ToU16(shown.text));
    return rows;
}

void Tfrm_OldStyleMenu::FormCreate()
{
    OldStyle_MenuEdit.SetSelectionColor(kMenuWhite);
    OldStyle_MenuEdit.Invalidate();
    sBitBtn1.SetEnabled(false);
}

void Tfrm_OldStyleMenu::ResetButtons()
{
    sBitBtn1.SetEnabled(true);
    Button2.SetEnabled(true);
    Button3.SetEnabled(true);
    Button4.SetEnabled(true);
}

void Tfrm_OldStyleMenu::ChooseColor(COLORREF color, ui::PushButton& pressed)
{
    OldStyle_MenuEdit.SetSelectionColor(color);
    ResetButtons();
    pressed.SetEnabled(false);
    OldStyle_MenuEdit.Focus();
}

void Tfrm_OldStyleMenu::Button1Click()
{
    ChooseColor(kMenuWhite, sBitBtn1);
}

void Tfrm_OldStyleMenu::Button2Click()
{
    ChooseColor(kMenuYellow, Button2);
}

void Tfrm_OldStyleMenu::Button3Click()
{
    ChooseColor(kMenuRed, Button3);
}

void Tfrm_OldStyleMenu::Button4Click()
{
    ChooseColor(kMenuGrey, Button4);
}

void Tfrm_OldStyleMenu::Button5Click()
{
    frm_OldStyleOptions->ShowModal();
    Close();
}

} // namespace korvane
