#include "editors/action_fields.h"

#include "generator/menu_actions.h"
#include "ui/message_box.h"
#include "ui/text.h"

namespace korvane {

namespace {

int TypeIndex(ActionType type)
{
    const auto index = static_cast<std::size_t>(type);
    return index < kActionTypeNames.size() ? static_cast<int>(index) : 0;
}

} // namespace

std::wstring ActionSummary(const ItemAction& action)
{
    if (action.type == ActionType::None)
        return {};
    return std::wstring(kActionTypeNames[static_cast<std::size_t>(TypeIndex(action.type))]) + L": " +
           ui::ToWide(action.text);
}

ActionFields::ActionFields(ui::Form& parent, int left, int top, int width, int height)
    : ActionLabel(parent, left, top, L"Действие:")
    , ActionChoice(parent, BoundsRect(left, top + 16, width, 21), 13)
    , TextLabel(parent, left, top + 46, L"Текст действия:")
    , ActionText(parent, BoundsRect(left, top + 62, width, 21))
    , Hint(parent, left, top + 89, L"")
{
    for (std::wstring_view name : kActionTypeNames)
        ActionChoice.Add(name);
    ActionChoice.SetItemIndex(0);
    ActionText.Send(EM_LIMITTEXT, kMaxActionTextLength);
    Hint.SetAutoSize(false);
    Hint.SetWordWrap(true);
    Hint.SetBounds(BoundsRect(left, top + 89, width, height - 89));
    Hint.SetText(L"Подстановки: {userid} — номер игрока; {name} — его имя и {steamid} — Steam ID (только в "
                 L"сообщении в чат); {{ и }} — фигурные скобки.");
    ActionChoice.on_change = [this] {
        FollowType();
        Changed();
    };
    ActionText.on_change = [this] { Changed(); };
    FollowType();
}

ItemAction ActionFields::Action() const
{
    const int index = ActionChoice.ItemIndex();
    ItemAction action;
    action.type = index > 0 ? static_cast<ActionType>(index) : ActionType::None;
    if (action.type != ActionType::None)
        action.text = ui::ToU16(ActionText.Text());
    return action;
}

void ActionFields::SetAction(const ItemAction& action)
{
    m_setting = true;
    ActionChoice.SetItemIndex(TypeIndex(action.type));
    ActionText.SetText(ui::ToWide(action.text));
    m_setting = false;
    FollowType();
}

void ActionFields::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    ActionChoice.SetEnabled(enabled);
    FollowType();
}

void ActionFields::FollowType()
{
    ActionText.SetEnabled(m_enabled && ActionChoice.ItemIndex() > 0);
}

void ActionFields::Changed()
{
    if (!m_setting && on_change)
        on_change();
}

bool ActionFields::Refused(const ui::Form& dialog, std::u16string_view owner) const
{
    const auto problem = CheckItemAction(Action(), owner);
    if (!problem)
        return false;
    ui::ShowErrorBox(dialog.Handle(), ui::ToWide(*problem));
    return true;
}

} // namespace korvane
