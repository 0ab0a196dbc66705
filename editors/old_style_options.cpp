#include "editors/old_style_options.h"

#include "app/form_generated.h"
#include "editors/old_style_menu.h"
#include "generator/access_flags.h"
#include "generator/input_rules.h"
#include "ui/message_box.h"
#include "ui/text.h"

namespace korvane {

Tfrm_OldStyleOptions* frm_OldStyleOptions = nullptr;

Tfrm_OldStyleOptions::Tfrm_OldStyleOptions()
    : Form({L"Tfrm_OldStyleOptions", L"Old style Korvane v1.0.0 - Old style menu options", 415, 334, 432, 164})
{
    for (std::u16string_view flag : kAmxAccessFlags)
        OldStyle_AccessFlags.Add(ui::ToWide(flag));
    SetTabOrder(
        {&OldStyle_HandledKeys, &OldStyle_MenuName, &OldStyle_GenerateBtn, &OldStyle_Command, &OldStyle_AccessFlags});
    OldStyle_HandledKeys.on_key_press = [this](wchar_t& key) { OldStyle_HandledKeysKeyPress(key); };
    OldStyle_MenuName.on_key_press = [this](wchar_t& key) { OldStyle_MenuNameKeyPress(key); };
    OldStyle_Command.on_key_press = [this](wchar_t& key) { OldStyle_MenuNameKeyPress(key); };
    OldStyle_GenerateBtn.on_click = [this] { OldStyle_GenerateBtnClick(); };
}

OldStyleMenu Tfrm_OldStyleOptions::CurrentMenu() const
{
    OldStyleMenu menu;
    menu.keys = ui::ToU16(OldStyle_HandledKeys.Text());
    menu.command = ui::ToU16(OldStyle_Command.Text());
    menu.flag = ui::ToU16(OldStyle_AccessFlags.SelectedText());
    menu.menuName = ui::ToU16(OldStyle_MenuName.Text());
    menu.menuText = Form_Generated->GetOldStyleMenu();
    return menu;
}

void Tfrm_OldStyleOptions::FormShow()
{
    std::u16string keys = ui::ToU16(OldStyle_HandledKeys.Text());
    AppendKeysFromRows(frm_OldStyleMenu->MenuRowTexts(), keys);
    OldStyle_HandledKeys.SetText(ui::ToWide(keys));
    OldStyle_AccessFlags.SetItemIndex(0);
}

void Tfrm_OldStyleOptions::OldStyle_HandledKeysKeyPress(wchar_t& key)
{
    if (!PassesKeysFilter(static_cast<char16_t>(key)))
        key = 0;
}

void Tfrm_OldStyleOptions::OldStyle_MenuNameKeyPress(wchar_t& key)
{
    if (!PassesCommandFilter(static_cast<char16_t>(key)))
        key = 0;
}

void Tfrm_OldStyleOptions::OldStyle_GenerateBtnClick()
{
    OldStyleMenu keysOnly;
    keysOnly.keys = ui::ToU16(OldStyle_HandledKeys.Text());
    if (const auto problem = CheckOldStyleOptions(keysOnly)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    Form_Generated->ShowModal();
    Close();
}

} // namespace korvane
