#pragma once

#include "controls/skinned_text_win32.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a dialog's static text: the section's face behind the whole window and the text
// in the section's colours. Statics that take the focus or carry the static edge keep the base
// handling only.
class TacStaticWnd : public TacMainWnd {
public:
    using TacMainWnd::TacMainWnd;

    // The face and the text into the cache, copied to the context (the window's own when null).
    void PaintStatic(HDC dc);
    const win32::DibSection& Cache() const { return m_cache; }
    // The window is one this adapter paints.
    bool PaintsWindow() const;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw();

    win32::DibSection m_cache;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
