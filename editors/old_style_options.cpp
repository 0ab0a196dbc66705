#include "editors/old_style_options.h"

#include "app/form_generated.h"
#include "editors/old_style_menu.h"
#include "generator/access_flags.h"
#include "generator/input_rules.h"
#include "generator/menu_actions.h"
#include "ui/message_box.h"
#include "ui/text.h"

#include <algorithm>

namespace korvane {

Tfrm_OldStyleOptions* frm_OldStyleOptions = nullptr;

Tfrm_OldStyleOptions::Tfrm_OldStyleOptions()
    : Form({L"Tfrm_OldStyleOptions", L"Old style Korvane v1.0.0 - Old style menu options", 415, 334, 432, 330})
{
    for (std::u16string_view flag : kAmxAccessFlags)
        OldStyle_AccessFlags.Add(ui::ToWide(flag));
    SetTabOrder({&OldStyle_HandledKeys, &OldStyle_MenuName, &OldStyle_GenerateBtn, &OldStyle_Command,
                 &OldStyle_AccessFlags, &OldStyle_KeyActions, &OldStyle_KeyAction.ActionChoice,
                 &OldStyle_KeyAction.ActionText});
    OldStyle_HandledKeys.on_key_press = [this](wchar_t& key) { OldStyle_HandledKeysKeyPress(key); };
    OldStyle_MenuName.on_key_press = [this](wchar_t& key) { OldStyle_MenuNameKeyPress(key); };
    OldStyle_Command.on_key_press = [this](wchar_t& key) { OldStyle_MenuNameKeyPress(key); };
    OldStyle_GenerateBtn.on_click = [this] { OldStyle_GenerateBtnClick(); };
    OldStyle_HandledKeys.on_change = [this] { OldStyle_HandledKeysChange(); };
    OldStyle_KeyActions.on_change = [this] { OldStyle_KeyActionsChange(); };
    OldStyle_KeyAction.on_change = [this] { OldStyle_KeyActionChange(); };
    OldStyle_HandledKeysChange();
}

OldStyleMenu Tfrm_OldStyleOptions::CurrentMenu() const
{
    OldStyleMenu menu;
    menu.keys = ui::ToU16(OldStyle_HandledKeys.Text());
    menu.command = ui::ToU16(OldStyle_Command.Text());
    menu.flag = ui::ToU16(OldStyle_AccessFlags.SelectedText());
    menu.menuName = ui::ToU16(OldStyle_MenuName.Text());
    menu.menuText = Form_Generated->GetOldStyleMenu();
    menu.keyActions = m_keyActions;
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
    keysOnly.keyActions = m_keyActions;
    if (const auto problem = CheckOldStyleOptions(keysOnly)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    if (const auto problem = CheckOldStyleActions(keysOnly)) {
        ui::ShowErrorBox(Handle(), ui::ToWide(*problem));
        return;
    }
    Form_Generated->ShowModal();
    Close();
}

char16_t Tfrm_OldStyleOptions::SelectedKey() const
{
    const int selected = OldStyle_KeyActions.ItemIndex();
    return selected >= 0 && static_cast<std::size_t>(selected) < m_lineKeys.size()
               ? m_lineKeys[static_cast<std::size_t>(selected)]
               : u'\0';
}

std::wstring Tfrm_OldStyleOptions::KeyLine(char16_t key, bool answered) const
{
    const auto found = m_keyActions.find(key);
    const ActionType type = found == m_keyActions.end() ? ActionType::None : found->second.type;
    std::wstring line = std::wstring(1, static_cast<wchar_t>(key)) + L": " +
                        std::wstring(kActionTypeNames[static_cast<std::size_t>(type)]);
    if (!answered)
        line += L" (не в «Кнопках»)";
    return line;
}

void Tfrm_OldStyleOptions::OldStyle_HandledKeysChange()
{
    const std::u16string keys = ui::ToU16(OldStyle_HandledKeys.Text());
    const char16_t selectedKey = SelectedKey();
    m_lineKeys.clear();
    for (char16_t key : keys) {
        if (key >= u'0' && key <= u'9' && std::find(m_lineKeys.begin(), m_lineKeys.end(), key) == m_lineKeys.end())
            m_lineKeys.push_back(key);
    }
    // A key taken out of the keys keeps its action on a line of its own, so that it can be seen
    // and removed (Generate refuses it).
    for (const auto& [key, action] : m_keyActions) {
        if (keys.find(key) == std::u16string::npos)
            m_lineKeys.push_back(key);
    }
    while (OldStyle_KeyActions.Count() > 0)
        OldStyle_KeyActions.Delete(0);
    for (char16_t key : m_lineKeys)
        OldStyle_KeyActions.Add(KeyLine(key, keys.find(key) != std::u16string::npos));
    const auto kept = std::find(m_lineKeys.begin(), m_lineKeys.end(), selectedKey);
    OldStyle_KeyActions.SetItemIndex(m_lineKeys.empty()         ? -1
                                     : kept == m_lineKeys.end() ? 0
                                                                : static_cast<int>(kept - m_lineKeys.begin()));
    OldStyle_KeyActionsChange();
}

void Tfrm_OldStyleOptions::OldStyle_KeyActionsChange()
{
    const char16_t key = SelectedKey();
    const auto found = m_keyActions.find(key);
    OldStyle_KeyAction.SetAction(found == m_keyActions.end() ? ItemAction{} : found->second);
    OldStyle_KeyAction.SetEnabled(key != u'\0');
}

void Tfrm_OldStyleOptions::OldStyle_KeyActionChange()
{
    const char16_t key = SelectedKey();
    if (key == u'\0')
        return;
    const ItemAction action = OldStyle_KeyAction.Action();
    if (action.type == ActionType::None)
        m_keyActions.erase(key);
    else
        m_keyActions[key] = action;
    const int line = OldStyle_KeyActions.ItemIndex();
    const std::u16string keys = ui::ToU16(OldStyle_HandledKeys.Text());
    const std::wstring text = KeyLine(key, keys.find(key) != std::u16string::npos);
    if (OldStyle_KeyActions.Item(line) != text) {
        OldStyle_KeyActions.Delete(line);
        OldStyle_KeyActions.Insert(line, text);
        OldStyle_KeyActions.SetItemIndex(line);
    }
}

} // namespace korvane
