#include "editors/new_style_korvane.h"

#include "controls/common_data_win32.h"
#include "app/choose_style_menu.h"
#include "app/form_generated.h"
#include "editors/glyphs.h"
#include "editors/new_style_add_item.h"
#include "generator/access_flags.h"
#include "generator/input_rules.h"
#include "generator/menu_actions.h"
#include "ui/message_box.h"
#include "ui/text.h"

namespace korvane {

TNewStyleKorvane* NewStyleKorvane = nullptr;

TNewStyleKorvane::TNewStyleKorvane()
    : Form({L"TNewStyleKorvane", L"Korvane 1.0 - New Style Korvane", 561, 223, 372, 483})
{
    for (std::u16string_view flag : kAmxAccessFlags)
        NewStyle_Flags.Add(ui::ToWide(flag));
    NewStyle_AddBtn.SetGlyph(LoadGlyph(Glyph::Add));
    NewStyle_RmvButton.SetGlyph(LoadGlyph(Glyph::Remove));
    NewStyle_UpBtn.SetGlyph(LoadGlyph(Glyph::Up));
    NewStyle_DownBtn.SetGlyph(LoadGlyph(Glyph::Down));
    SetTabOrder({&NewStyle_Title, &NewStyle_Items, &NewStyle_Flags, &NewStyle_GenerateBtn, &NewStyle_MenuCommand});

    NewStyle_MenuCommand.on_key_press = [this](wchar_t& key) { NewStyle_MenuCommandKeyPress(key); };
    NewStyle_AddBtn.on_click = [this] { NewStyle_AddBtnClick(); };
    NewStyle_RmvButton.on_click = [this] { NewStyle_RmvButtonClick(); };
    NewStyle_UpBtn.on_click = [this] { NewStyle_UpBtnClick(); };
    NewStyle_DownBtn.on_click = [this] { NewStyle_DownBtnClick(); };
    NewStyle_GenerateBtn.on_click = [this] { NewStyle_GenerateBtnClick(); };
    NewStyle_Items.on_double_click = [this] { NewStyle_ItemsDblClick(); };
}

NewStyleMenu TNewStyleKorvane::CurrentMenu() const
{
    NewStyleMenu menu;
    menu.command = ui::ToU16(NewStyle_MenuCommand.Text());
    menu.flag = ui::ToU16(NewStyle_Flags.SelectedText());
    menu.title = ui::ToU16(NewStyle_Title.Text());
    m_itemList.Read(menu.items, menu.actions);
    return menu;
}

void TNewStyleKorvane::FormCreate()
{
    NewStyle_Flags.SetItemIndex(0);
}

void TNewStyleKorvane::FormDestroy()
{
    if (ChooseStyleMenu)
        ChooseStyleMenu->Close();
}

void TNewStyleKorvane::NewStyle_MenuCommandKeyPress(wchar_t& key)
{
    if (!PassesCommandFilter(static_cast<char16_t>(key)))
        key = 0;
}

void TNewStyleKorvane::NewStyle_AddBtnClick()
{
    if (m_itemList.AddFrom(*NewStyle_AddItem))
        NewStyle_AddItem->NewStyle_AddItemEdit.SetText(L"");
}

void TNewStyleKorvane::NewStyle_RmvButtonClick()
{
    m_itemList.DeleteSelected();
}

void TNewStyleKorvane::NewStyle_ItemsDblClick()
{
    m_itemList.ChangeSelected(*NewStyle_AddItem);
}

void TNewStyleKorvane::NewStyle_UpBtnClick()
{
    NewStyle_Items.MoveSelectedItem(-1);
}

void TNewStyleKorvane::NewStyle_DownBtnClick()
{
    NewStyle_Items.MoveSelectedItem(+1);
}

void TNewStyleKorvane::NewStyle_GenerateBtnClick()
{
    const NewStyleMenu menu = CurrentMenu();
    if (const auto problem = CheckNewStyleMenu(menu)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    if (const auto problem = CheckNewStyleActions(menu)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    Hide();
    Form_Generated->ShowModal();
    Close();
}

} // namespace korvane
