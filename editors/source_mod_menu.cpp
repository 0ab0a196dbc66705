#include "editors/source_mod_menu.h"

#include "controls/common_data_win32.h"
#include "app/form_generated.h"
#include "editors/glyphs.h"
#include "editors/source_mod_add_item.h"
#include "generator/access_flags.h"
#include "generator/input_rules.h"
#include "generator/menu_actions.h"
#include "ui/message_box.h"
#include "ui/text.h"

namespace korvane {

Tfrm_SourceModMenu* frm_SourceModMenu = nullptr;

namespace {

constexpr COLORREF kFieldBackground = RGB(237, 242, 249);
constexpr COLORREF kFlagLabelColor = RGB(205, 213, 222);

} // namespace

Tfrm_SourceModMenu::Tfrm_SourceModMenu() : Form({L"Tfrm_SourceModMenu", L"Source Mod Korvane", 429, 226, 280, 438})
{
    for (std::u16string_view flag : kSourceModAccessFlags)
        SourceModMenu_AccessFlags.Add(ui::ToWide(flag));
    sLabel1.SetFontColor(kFlagLabelColor);
    SourceModMenu_AccessFlags.SetColor(kFieldBackground);
    SourceModMenu_AccessFlags.SetFontColor(RGB(0, 0, 0));
    SourceModMenu_Items.SetColor(kFieldBackground);
    SourceModMenu_Items.SetFontColor(RGB(0, 0, 0));
    SourceModMenu_BtnAdd.SetGlyph(LoadGlyph(Glyph::Add));
    SourceModMenu_BrnRemove.SetGlyph(LoadGlyph(Glyph::Remove));
    SOurceModMenu_BtnUp.SetGlyph(LoadGlyph(Glyph::Up));
    SourceModMenu_BtnDown.SetGlyph(LoadGlyph(Glyph::Down));
    // The skin's colours win over the form's own while a skin is applied.
    SourceModMenu_AccessFlags.SkinData.ApplySkinColours(false);
    SourceModMenu_Items.SkinData.SetSkinSection(u"EDIT");
    SourceModMenu_Items.SkinData.ApplySkinColours(false);
    SetTabOrder({&SourceModMenu_CallCommand, &SourceModMenu_Title, &SourceModMenu_Items, &SourceModMenu_Btn_Continue,
                 &SourceModMenu_AccessFlags});

    SourceModMenu_CallCommand.on_key_press = [this](wchar_t& key) { SourceModMenu_CallCommandKeyPress(key); };
    SourceModMenu_BtnAdd.on_click = [this] { SourceModMenu_BtnAddClick(); };
    SourceModMenu_BrnRemove.on_click = [this] { SourceModMenu_BrnRemoveClick(); };
    SOurceModMenu_BtnUp.on_click = [this] { SOurceModMenu_BtnUpClick(); };
    SourceModMenu_BtnDown.on_click = [this] { SourceModMenu_BtnDownClick(); };
    SourceModMenu_Btn_Continue.on_click = [this] { SourceModMenu_Btn_ContinueClick(); };
    SourceModMenu_Items.on_double_click = [this] { SourceModMenu_ItemsDblClick(); };
}

SourceModMenu Tfrm_SourceModMenu::CurrentMenu() const
{
    SourceModMenu menu;
    menu.command = ui::ToU16(SourceModMenu_CallCommand.Text());
    menu.flag = ui::ToU16(SourceModMenu_AccessFlags.SelectedText());
    menu.title = ui::ToU16(SourceModMenu_Title.Text());
    m_itemList.Read(menu.items, menu.actions);
    return menu;
}

void Tfrm_SourceModMenu::FormShow()
{
    SourceModMenu_AccessFlags.SetItemIndex(0);
}

void Tfrm_SourceModMenu::SourceModMenu_CallCommandKeyPress(wchar_t& key)
{
    if (!PassesCommandFilter(static_cast<char16_t>(key)))
        key = 0;
}

void Tfrm_SourceModMenu::SourceModMenu_BtnAddClick()
{
    m_itemList.AddFrom(*SourceModMenu_AddItem);
}

void Tfrm_SourceModMenu::SourceModMenu_BrnRemoveClick()
{
    m_itemList.DeleteSelected();
}

void Tfrm_SourceModMenu::SourceModMenu_ItemsDblClick()
{
    m_itemList.ChangeSelected(*SourceModMenu_AddItem);
}

void Tfrm_SourceModMenu::SOurceModMenu_BtnUpClick()
{
    SourceModMenu_Items.MoveSelectedItem(-1);
}

void Tfrm_SourceModMenu::SourceModMenu_BtnDownClick()
{
    SourceModMenu_Items.MoveSelectedItem(+1);
}

void Tfrm_SourceModMenu::SourceModMenu_Btn_ContinueClick()
{
    const SourceModMenu menu = CurrentMenu();
    if (const auto problem = CheckSourceModMenu(menu)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    if (const auto problem = CheckSourceModActions(menu)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    Form_Generated->ShowModal();
    Close();
}

} // namespace korvane
