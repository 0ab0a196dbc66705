#pragma once

#include "controls/caption_layout.h"
#include "controls/skinned_text_win32.h"
#include "skin/skin_records.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a platform check box or radio button: the section's face, the caption laid out
// as the skinned radio button's, and the skin's check picture (BOX… or RADIO… of GLOBALINFO) for
// the check state, all in a cache rebuilt at every paint. Owner-drawn buttons get only the
// background behind them; their owner paints the rest.
class TacCheckBoxWnd : public TacMainWnd {
public:
    TacCheckBoxWnd(HWND window, std::u16string_view section, TsSkinManager* manager);

    // 0 unchecked, 1 checked, 2 indeterminate.
    int CheckState() const;
    // The skin's picture for the state, or null.
    const TsMaskData* CheckImage() const;
    void BuildCache();
    void PaintCheckBox(HDC dc);
    const win32::DibSection& Cache() const { return m_cache; }
    bool OwnerDrawn() const { return m_ownerDrawn; }
    bool HasFocus = false;
    bool MouseInside = false;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool IsRadio() const;
    PixelSize PictureSize() const;
    void Repaint();

    bool m_ownerDrawn = false;
    win32::DibSection m_cache;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
