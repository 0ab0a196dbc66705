#pragma once

#include "controls/caption_layout.h"
#include "controls/skinned_text_win32.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a platform push button (a form's plain button, a dialog's or message box's
// button): its whole face from the skin's section in a cache rebuilt at every paint, the caption
// in the section's colours, the focus frame, the disabled fade and the hover glow. The default
// button keeps the hot look; the dialog manager moves the default style to the focused button,
// and the look follows it.
class TacBtnWnd : public TacMainWnd {
public:
    TacBtnWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    ~TacBtnWnd() override;

    // 2 pushed, 0 disabled, 1 focused, hot or default, else 0.
    int ButtonState() const;
    // The face in the cache: section, caption, focus frame, disabled fade.
    void BuildCache();
    // Rebuilds the face and copies it to the context (the window's own when null).
    void PaintButton(HDC dc);
    const win32::DibSection& Cache() const { return m_cache; }
    // Where the caption goes: its measured size centred in the button.
    virtual PixelRect CaptionRect();
    bool MouseInside = false;
    bool HasFocus = false;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The caption and the focus frame.
    virtual void PaintContent();
    // Nothing in the base: plain push buttons have no glyph.
    virtual void PaintGlyph() {}
    virtual PixelSize GlyphSize() const { return {}; }
    virtual void DrawCaption(const PixelRect& rect, UINT flags);
    virtual int CaptionWidthLimit() const;
    // The caption's size measured with the cache's font.
    virtual PixelSize CaptionSize();

private:
    void RedrawNow();
    UINT CaptionFlags() const;
    void HideGlow();

    win32::DibSection m_cache;
    GdiGlowWorkImage m_glowWork;
    int m_glow = -1;
};

} // namespace korvane
