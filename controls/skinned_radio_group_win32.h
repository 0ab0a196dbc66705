#pragma once

#include "controls/skinned_group_box_win32.h"
#include "controls/skinned_radio_button_win32.h"
#include "render/fade_math.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace korvane {

class TsRadioGroup;

// One item button of a radio group: a skinned radio button of the "RADIOBUTTON" section that the
// group places, sizes, shows and frees; it asks the group before it changes and reports its
// click to the group.
class TsGroupButton : public TsRadioButton {
public:
    TsGroupButton(TsRadioGroup& group, int index);
    std::wstring_view ClassName() const override { return L"TsGroupButton"; }
    TsRadioGroup& Group() const { return m_group; }
    // The button's place in the group's list.
    int Index() const;
    bool CanModify() override;

protected:
    void Click() override;

private:
    TsRadioGroup& m_group;
};

// A skinned group box holding one radio button per item, laid out in columns under the caption
// line; exactly the button of ItemIndex is checked. OnChanging may refuse a change the user asks
// for.
class TsRadioGroup : public TsGroupBox {
public:
    // (sender, new index, allow change)
    using ChangingHandler = std::function<void(TsRadioGroup&, int, bool&)>;

    // `itemIndex` is the selection the group starts with, checked without a click.
    TsRadioGroup(ui::Window& parent, const PixelRect& bounds, std::vector<std::wstring> items = {}, int itemIndex = -1);
    ~TsRadioGroup() override;
    std::wstring_view ClassName() const override { return L"TsRadioGroup"; }

    const std::vector<std::wstring>& Items() const { return m_items; }
    // New items: the buttons follow, a selection beyond the last item moves to the last one.
    void SetItems(std::vector<std::wstring> items);
    int Count() const { return static_cast<int>(m_buttons.size()); }
    TsGroupButton& Button(int index) const { return *m_buttons.at(static_cast<std::size_t>(index)); }
    int IndexOf(const TsGroupButton& button) const;

    // The selected item, -1 for none.
    int ItemIndex() const { return m_itemIndex; }
    // Kept to -1 .. count - 1; a change unchecks the old button and checks the new one.
    void SetItemIndex(int index);
    int Columns() const { return m_columns; }
    // Kept to 1..16; the buttons are arranged again.
    void SetColumns(int columns);
    TacAnimatEvents AnimatEvents = kDefaultAnimatEvents;

    ChangingHandler OnChanging;
    std::function<void()> on_change;
    std::function<void()> on_click;

    // Whether the selection may change to `index` (OnChanging, when set, decides).
    bool CanModify(int index);
    // Places every button in the grid of the group's face and shows it.
    void ArrangeButtons();
    // One button per item, each with its item's text, arranged.
    void UpdateButtons();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

private:
    friend class TsGroupButton;
    void ButtonClicked(TsGroupButton& button);
    int TextHeight() const;

    std::vector<std::wstring> m_items;
    std::vector<std::unique_ptr<TsGroupButton>> m_buttons;
    int m_itemIndex = -1;
    int m_columns = 1;
    bool m_reading = false;  // the properties are being set up: only stored
    bool m_updating = false; // the group itself checks a button
};

} // namespace korvane
