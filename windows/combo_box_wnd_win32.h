#pragma once

#include "windows/adapted_control_layout.h"
#include "windows/combo_list_wnd_win32.h"
#include "win32/unique_handle.h"
#include "windows/edit_wnd_win32.h"

#include <windows.h>

#include <memory>

namespace korvane {

// The adapter of a platform combo box (a form's plain combo box, a dialog's drop-down list): the
// platform paints the edit field or the selected item, then the skin's 3-pixel frame and the
// drop-down button (COMBOBTN with the COMBOBOX arrow) are laid over it; the dropped list gets the
// list adapter the first time it asks for its colours.
class TacComboBoxWnd : public TacEditWnd {
public:
    TacComboBoxWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    ~TacComboBoxWnd() override;

    PixelRect ButtonRect() const;
    // The button state: 2 while the list shows, 1 active or hot, else 0.
    FaceState ButtonState() const;
    // The button over a copy of the frame cache, copied to the context (the window's when null).
    void PaintComboButton(HDC dc);
    // A simple combo box's face: the edit line only.
    void BuildSimpleCache();
    // The selected item (or the window text) into the cache, for printing.
    void DrawCurrentItem();
    // The arrow picture's frame height; 16 without one.

    HWND ListWindow() const { return m_listWindow; }
    TacComboListWnd* ListAdapter() const { return m_listAdapter.get(); }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    void OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest) override;
    bool ShowsHover() const override { return true; }
    void HoverChanged() override;

private:
    bool IsSimple() const;
    bool IsDropDown() const;
    LRESULT OnListColour(WPARAM wParam, LPARAM lParam);
    void CopyFrameStrips(HDC dc, const win32::DibSection& cache) const;
    void ReleaseList();

    HWND m_listWindow = nullptr;
    AdapterPtr<TacComboListWnd> m_listAdapter;
    bool m_listOpening = false;
    win32::OwnedBrush m_listBrush;
    win32::DibSection m_simpleCache;
    win32::DibSection m_buttonWork;
};

} // namespace korvane
