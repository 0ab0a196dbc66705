#include "editors/item_dialog.h"

#include "generator/input_rules.h"
#include "generator/menu_actions.h"
#include "ui/text.h"

namespace korvane {

ItemDialog::ItemDialog(const ui::FormLayout& layout, std::wstring_view changeCaption)
    : KeyboardDialog(layout)
    , m_addCaption(layout.caption)
    , m_changeCaption(changeCaption)
{
}

void ItemDialog::Bind(ui::Edit& text, ActionFields& fields)
{
    m_text = &text;
    m_fields = &fields;
}

std::optional<ShownItem> ItemDialog::Run(std::size_t position, const std::optional<ShownItem>& item)
{
    m_position = position;
    m_item = item;
    ShowModal();
    const std::wstring text = m_text->Text();
    if (IsBlank(ui::ToU16(text)))
        return std::nullopt;
    return ShownItem{text, m_fields->Action()};
}

void ItemDialog::ShowPrepared()
{
    SetText(m_item ? m_changeCaption : m_addCaption);
    m_text->SetText(m_item ? m_item->first : std::wstring());
    m_fields->SetAction(m_item ? m_item->second : ItemAction{});
    m_item.reset();
    m_text->Focus();
}

bool ItemDialog::RefusePrepared() const
{
    return m_fields->Refused(*this, ItemOwnerName(m_position, ui::ToU16(m_text->Text())));
}

} // namespace korvane
