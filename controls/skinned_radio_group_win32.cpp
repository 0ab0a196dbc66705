#include "controls/skinned_radio_group_win32.h"

#include "controls/radio_group_layout.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/font.h"
#include "win32/dc_guards.h"

#include <algorithm>

namespace korvane {

TsGroupButton::TsGroupButton(TsRadioGroup& group, int index)
    : TsRadioButton(group, BoundsRect(0, 0, 0, 0), {}, index == 0)
    , m_group(group)
{
    // Hidden until the group has placed it; its size is the group's to give.
    SetVisible(false);
    AutoSize = false;
    ShowFocus = true;
    AnimatEvents = group.AnimatEvents;
    SkinData.SetSkinSection(u"RADIOBUTTON");
    SkinData.SetCustomFont(group.SkinData.CustomFont());
    SkinData.SetSkinManager(group.SkinData.SkinManager());
    SetEnabled(group.Enabled());
    SetFont(group.Font());
}

int TsGroupButton::Index() const
{
    return m_group.IndexOf(*this);
}

bool TsGroupButton::CanModify()
{
    return m_group.CanModify(Index());
}

void TsGroupButton::Click()
{
    m_group.ButtonClicked(*this);
    TsRadioButton::Click();
}

TsRadioGroup::TsRadioGroup(ui::Window& parent, const PixelRect& bounds, std::vector<std::wstring> items, int itemIndex)
    : TsGroupBox(parent, bounds)
{
    // The properties are set up first, only stored; then the buttons are made and the one of
    // the selection is checked by the group itself.
    m_reading = true;
    m_items = std::move(items);
    SetItemIndex(itemIndex);
    m_reading = false;
    UpdateButtons();
    m_itemIndex = ClampItemIndex(m_itemIndex, Count());
    if (m_itemIndex >= 0) {
        m_updating = true;
        Button(m_itemIndex).SetChecked(true);
        m_updating = false;
    }
}

TsRadioGroup::~TsRadioGroup()
{
    SkinData.Destroying = true;
    m_buttons.clear();
    m_items.clear();
}

int TsRadioGroup::IndexOf(const TsGroupButton& button) const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i].get() == &button)
            return static_cast<int>(i);
    return -1;
}

void TsRadioGroup::SetItems(std::vector<std::wstring> items)
{
    m_items = std::move(items);
    if (m_itemIndex >= static_cast<int>(m_items.size()))
        m_itemIndex = static_cast<int>(m_items.size()) - 1;
    UpdateButtons();
    // The selection may have lost its button with the items: the one it names now is checked.
    if (m_itemIndex >= 0 && !Button(m_itemIndex).Checked()) {
        m_updating = true;
        Button(m_itemIndex).SetChecked(true);
        m_updating = false;
    }
    for (const auto& button : m_buttons)
        button->SkinData.Invalidate();
}

void TsRadioGroup::SetItemIndex(int index)
{
    if (m_reading) {
        m_itemIndex = index;
        return;
    }
    index = ClampItemIndex(index, Count());
    if (index == m_itemIndex)
        return;
    if (m_itemIndex >= 0 && m_itemIndex < Count())
        Button(m_itemIndex).SetChecked(false);
    m_itemIndex = index;
    if (m_itemIndex >= 0)
        Button(m_itemIndex).SetChecked(true);
}

void TsRadioGroup::SetColumns(int columns)
{
    columns = ClampRadioColumns(columns);
    if (columns == m_columns)
        return;
    m_columns = columns;
    ArrangeButtons();
    SkinData.Invalidate();
}

bool TsRadioGroup::CanModify(int index)
{
    bool allow = true;
    if (OnChanging)
        OnChanging(*this, index, allow);
    return allow;
}

void TsRadioGroup::ButtonClicked(TsGroupButton& button)
{
    if (m_updating)
        return;
    m_itemIndex = IndexOf(button);
    if (on_change)
        on_change();
    if (on_click)
        on_click();
}

int TsRadioGroup::TextHeight() const
{
    win32::WindowDC screen(nullptr);
    win32::SelectObjectGuard font(screen.get(), Font() ? static_cast<HGDIOBJ>(Font()) : ui::DefaultFont());
    TEXTMETRICW metrics{};
    GetTextMetricsW(screen.get(), &metrics);
    return metrics.tmHeight;
}

void TsRadioGroup::ArrangeButtons()
{
    if (m_buttons.empty() || m_reading || !Handle())
        return;
    const PixelRect bounds = WindowBounds();
    const RadioGroupGrid grid = ArrangeRadioGrid(Count(), m_columns, bounds.Width(), bounds.Height(), TextHeight());
    const bool rightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    HDWP batch = BeginDeferWindowPos(Count());
    for (int i = 0; i < Count(); ++i) {
        TsGroupButton& button = Button(i);
        button.SkinData.SetSkinManager(SkinData.SkinManager());
        const LONG exStyle = GetWindowLongW(button.Handle(), GWL_EXSTYLE);
        SetWindowLongW(button.Handle(), GWL_EXSTYLE,
                       rightToLeft ? exStyle | WS_EX_RTLREADING : exStyle & ~WS_EX_RTLREADING);
        const PixelRect place = RadioItemBounds(grid, i, rightToLeft, button.WindowBounds().Width());
        if (batch)
            batch = DeferWindowPos(batch, button.Handle(), nullptr, place.Left, place.Top, place.Width(),
                                   place.Height(), SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    }
    if (batch)
        EndDeferWindowPos(batch);
}

void TsRadioGroup::UpdateButtons()
{
    if (m_reading)
        return;
    while (Count() < static_cast<int>(m_items.size()))
        m_buttons.push_back(std::make_unique<TsGroupButton>(*this, Count()));
    while (Count() > static_cast<int>(m_items.size()))
        m_buttons.pop_back();
    for (int i = 0; i < Count(); ++i)
        if (Button(i).Text() != m_items[static_cast<std::size_t>(i)])
            Button(i).SetText(m_items[static_cast<std::size_t>(i)]);
    ArrangeButtons();
    SkinData.Invalidate();
}

void TsRadioGroup::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    TsGroupBox::SkinChanged(change, sender, rest);
    if (change == SkinChange::Refresh && sender == SkinData.Manager())
        ArrangeButtons();
}

LRESULT TsRadioGroup::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE: {
        const LRESULT result = TsGroupBox::WindowProc(message, wParam, lParam);
        ArrangeButtons();
        return result;
    }
    case ui::CM_FONTCHANGED: {
        const LRESULT result = TsGroupBox::WindowProc(message, wParam, lParam);
        for (const auto& button : m_buttons)
            button->SetFont(Font());
        ArrangeButtons();
        return result;
    }
    case ui::CM_ENABLEDCHANGED: {
        const LRESULT result = TsGroupBox::WindowProc(message, wParam, lParam);
        for (const auto& button : m_buttons) {
            button->SetEnabled(wParam != 0);
            button->SkinData.CacheStale = true;
        }
        return result;
    }
    default:
        return TsGroupBox::WindowProc(message, wParam, lParam);
    }
}

} // namespace korvane
