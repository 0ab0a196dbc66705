#pragma once

#include "ui/control.h"

#include <memory>
#include <string>
#include <vector>

namespace korvane::ui {

// One radio button of a radio group.
class RadioButton : public Control {
public:
    RadioButton(Window& parent, const PixelRect& bounds, std::wstring_view caption, bool firstOfGroup);
    std::wstring_view ClassName() const override { return L"TGroupButton"; }
    bool Checked() const;
    void SetChecked(bool checked);
};

// A framed group of radio buttons, one column, exactly one of them checked once an index is set.
// It is a window of our own class holding the buttons as children, so a skin layer can paint the
// frame and the background behind them.
class RadioGroup : public Window {
public:
    RadioGroup(Window& parent, const PixelRect& bounds, const std::vector<std::wstring>& items);

    int Count() const { return static_cast<int>(m_buttons.size()); }
    RadioButton& Button(int index) const { return *m_buttons.at(static_cast<std::size_t>(index)); }
    // The checked item's index, or -1.
    int ItemIndex() const;
    void SetItemIndex(int index);

    std::wstring_view ClassName() const override { return L"TRadioGroup"; }

protected:
    bool PaintsClient() const override { return true; }
    void OnPaint(PaintContext& paint) override;

private:
    std::vector<std::unique_ptr<RadioButton>> m_buttons;
};

} // namespace korvane::ui
