#pragma once

#include "ui/control.h"

#include <functional>
#include <string>

namespace korvane::ui {

// A drop-down list without free text (CBS_DROPDOWNLIST). bounds' height is the height of the
// closed control; the list drops below it.
class ComboBox : public Control {
public:
    std::wstring_view ClassName() const override { return L"TComboBox"; }
    ComboBox(Window& parent, const PixelRect& bounds, int itemHeight);

    int Count() const;
    std::wstring Item(int index) const;
    void Add(std::wstring_view item);
    int ItemIndex() const;
    void SetItemIndex(int index);
    // The text of the selected entry, or empty.
    std::wstring SelectedText() const;
    int ItemHeight() const { return m_itemHeight; }

    // The user chose another entry (CBN_SELCHANGE); SetItemIndex does not report.
    std::function<void()> on_change;

protected:
    // With the combo box styles given (CBS_DROPDOWN, CBS_SIMPLE, CBS_DROPDOWNLIST, owner drawing).
    ComboBox(Window& parent, const PixelRect& bounds, int itemHeight, DWORD comboStyle);
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OnReflectedCommand(WORD code) override;

private:
    int m_itemHeight = 0;
};

} // namespace korvane::ui
