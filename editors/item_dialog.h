#pragma once

#include "editors/action_fields.h"
#include "editors/keyboard_dialog.h"
#include "ui/edit.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

namespace korvane {

// An item as the item dialogs show it: its text as typed and its action.
using ShownItem = std::pair<std::wstring, ItemAction>;

// What the new-style and SourceMod item dialogs share: each opening either adds an item (empty
// text, no action, the dialog's own caption) or changes one (filled in, the "change" caption).
class ItemDialog : public KeyboardDialog {
public:
    ItemDialog(const ui::FormLayout& layout, std::wstring_view changeCaption);

    // Shows the dialog modally to add an item at `position` (counted from 1) or, given one, to
    // change that item. Returns the text and action the dialog closed with, however it closed,
    // or none when that text is blank.
    std::optional<ShownItem> Run(std::size_t position, const std::optional<ShownItem>& item = {});

protected:
    // The dialog's text and action fields; set once by the derived dialog's constructor.
    void Bind(ui::Edit& text, ActionFields& fields);
    // On show: the caption, the text and the action fields for the opening (cleared when adding),
    // and the focus on the text.
    void ShowPrepared();
    // Before the dialog's button closes it: true when the action is refused (the error box names
    // the item by its position and the text typed).
    bool RefusePrepared() const;

private:
    ui::Edit* m_text = nullptr;
    ActionFields* m_fields = nullptr;
    std::wstring m_addCaption;
    std::wstring m_changeCaption;
    std::size_t m_position = 1;
    std::optional<ShownItem> m_item;
};

} // namespace korvane
