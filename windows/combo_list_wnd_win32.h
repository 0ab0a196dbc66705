#pragma once

#include "windows/edit_wnd_win32.h"

#include <windows.h>

#include <functional>

namespace korvane {

// The adapter of a combo box's drop-down list (a ComboLBox window, re-parented to the desktop
// while it is open): the skin's frame and bars. The list captures the mouse while it is open, so
// a press on a skinned bar arrives as the list's own client message outside its client area; the
// list itself turns it into WM_NCLBUTTONDOWN, which starts the bar's tracking here.
class TacComboListWnd : public TacEditWnd {
public:
    // `simpleBox`: the list of a simple combo box, always shown below its edit line.
    TacComboListWnd(HWND window, std::u16string_view section, TsSkinManager* manager, bool simpleBox);

    // Subclasses the list; a drop-down list is made one pixel wider (with a frame change) so that
    // the skin's frame does not cover the item text's last column.
    void CreateList(bool frameChange);

    bool SimpleBox() const { return m_simpleBox; }
    // The list is open (between the list's own show and hide notifications).
    bool ListShown() const { return m_listShown; }
    // Told when the list is shown or hidden (the combo box repaints its button).
    std::function<void(bool shown)> OnShownChanged;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void SetShown(bool shown);

    bool m_simpleBox = false;
    bool m_listShown = false;
    RECT m_createdRect{};
};

} // namespace korvane
