#pragma once

#include "generator/menu_inputs.h"
#include "ui/combo_box.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "ui/label.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace korvane {

// The names of the action types, in the order of ActionType (the choice box's entries).
inline constexpr std::array<std::wstring_view, 4> kActionTypeNames = {L"Нет", L"Команда игрока", L"Команда сервера",
                                                                      L"Сообщение в чат"};

// What an item's action looks like in a list: "Команда сервера: amx_kick #{userid}"; empty for none.
std::wstring ActionSummary(const ItemAction& action);

// The controls that give an item (or a key) its action, placed into a dialog below its own
// controls: "Действие:" with a drop-down list of the four types, the action's text (at most
// kMaxActionTextLength characters, disabled while the type is "Нет"), and a short hint of the
// placeholders, which takes the room left of `height` pixels from `top`. They are the platform's
// standard controls, skinned by the adapters like the dialogs' own edits and buttons.
class ActionFields {
public:
    // The height that leaves the hint three lines.
    static constexpr int kHeight = 132;

    ActionFields(ui::Form& parent, int left, int top, int width, int height = kHeight);

    ui::Label ActionLabel;
    ui::ComboBox ActionChoice;
    ui::Label TextLabel;
    ui::Edit ActionText;
    ui::Label Hint;

    // The chosen type and the text as typed; the text is dropped for "Нет".
    ItemAction Action() const;
    void SetAction(const ItemAction& action);
    // When CheckItemAction refuses the action, shows its message in the error box over `dialog`
    // and returns true; the dialog and its input stay. `owner` names the item or key.
    bool Refused(const ui::Form& dialog, std::u16string_view owner) const;
    // Enables or disables the choice and the text together.
    void SetEnabled(bool enabled);

    // The user changed the type or the text (not SetAction).
    std::function<void()> on_change;

private:
    // The text can be typed for every type but "Нет".
    void FollowType();
    void Changed();

    bool m_enabled = true;
    bool m_setting = false;
};

} // namespace korvane
