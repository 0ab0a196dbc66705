#pragma once

#include "windows/adapted_control_layout.h"
#include "windows/face_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a platform push button (a form's plain button, a dialog's or message box's
// button): the section's face for the button's state, the caption in the section's colours, the
// focus frame, the disabled fade and the hover glow. The default button keeps the hot look; the
// dialog manager moves the default style to the focused button, and the look follows it.
class TacBtnWnd : public TacFaceWnd {
public:
    TacBtnWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    ~TacBtnWnd() override;

    // 2 pushed, 0 disabled, 1 focused, hot or default, else 0.
    FaceState ButtonState() const;
    // Where the caption goes: its measured size centred in the button.
    PixelRect CaptionRect();

protected:
    void BuildFace(const TsSkinManager& manager) override;
    std::optional<LRESULT> FaceMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool RedrawsAfter(UINT message) const override { return message == BM_SETSTATE || message == BM_SETSTYLE; }
    void ShowHover() override;
    // The skin went: so does the glow.
    void Restore() override { HideGlow(); }

private:
    // The state for what BM_GETSTATE answered.
    FaceState StateOf(UINT buttonState) const;
    PixelRect CaptionRect(bool pushed);
    UINT CaptionFlags() const;
    void HideGlow();

    int m_glow = -1;
};

} // namespace korvane
