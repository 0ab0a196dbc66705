#pragma once

#include "controls/skinned_text_win32.h"
#include "gfx/pixel_rect.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

#include <commctrl.h>

namespace korvane {

// The adapter of the platform's tool bars: the bar's face from its section ("BAR", or "CHECKBOX"
// for a bar without the flat style), its buttons from "TOOLBUTTON" in their normal, hot and
// pressed states, separators as a "DIVIDER" strip, captions too wide for their button on two
// lines, and disabled buttons faded toward the bar's face. The whole client is composed in one
// work bitmap and copied once.
class TacToolBarWnd : public TacMainWnd {
public:
    TacToolBarWnd(HWND window, std::u16string_view section, TsSkinManager* manager);

    // The client rectangle in window coordinates and half the difference of the window's and the
    // client's heights, both recomputed with the frame cache.
    PixelRect ClientRect;
    int BorderWidth = 0;

    // The bar's face over the whole window, rebuilt when stale.
    const win32::DibSection& FrameCache() const { return m_cache; }
    // Composes the client (buttons over the bar's face) into the context, client coordinates.
    void PaintClient(HDC dc);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    // The parent is being updated: nothing is painted meanwhile.
    bool CheckSuspended();
    void PrepareCache();
    void PaintButton(int index, const PixelRect& rect, bool hot);
    void PaintSeparator(const PixelRect& rect);
    void PaintButtonText(const TBBUTTON& button, int state, const PixelRect& rect);
    // Copies the frame strips around the client from the cache to the context.
    void PaintFrame(HDC dc);
    LRESULT OnPrint(HDC dc, LPARAM flags);

    win32::DibSection m_cache;
    win32::DibSection m_work;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
