#pragma once

#include "skin/skin_records.h"
#include "windows/adapted_control_layout.h"
#include "windows/face_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a platform check box or radio button: the section's face, the caption laid out
// as the skinned radio button's, and the skin's check picture (BOX… or RADIO… of GLOBALINFO) for
// the check state. Owner-drawn buttons get only the background behind them; their owner paints
// the rest.
class TacCheckBoxWnd : public TacFaceWnd {
public:
    TacCheckBoxWnd(HWND window, std::u16string_view section, TsSkinManager* manager);

    // 0 unchecked, 1 checked, 2 indeterminate.
    CheckMark Mark() const;
    // The skin's picture for the state, or null.
    const TsMaskData* CheckImage() const;
    bool OwnerDrawn() const { return m_ownerDrawn; }

protected:
    void BuildFace(const TsSkinManager& manager) override;
    std::optional<LRESULT> FaceMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool OwnerPaints() const override { return m_ownerDrawn; }
    bool RedrawsAfter(UINT message) const override { return message == BM_SETCHECK || message == BM_SETSTATE; }

private:
    bool IsRadio() const;
    PixelSize PictureSize() const;
    void PaintCaption(const TsSkinManager& manager, bool active);

    bool m_ownerDrawn = false;
};

} // namespace korvane
