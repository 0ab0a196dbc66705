#pragma once

#include "controls/skinned_text_win32.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a platform group box: the section's face from the middle of the caption strip
// down, the caption on what lies behind the box, and the box's children told when its face is
// ready. It answers SKC_GETCAPTIONHEIGHT with the strip's height.
class TacGroupBoxWnd : public TacMainWnd {
public:
    using TacMainWnd::TacMainWnd;

    PixelRect CaptionRect();
    void BuildCache();
    // Rebuilds the face and copies it around the visible child windows to the context (the
    // window's own when null).
    void PaintGroupBox(HDC dc);
    const win32::DibSection& Cache() const { return m_cache; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw();

    win32::DibSection m_cache;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
