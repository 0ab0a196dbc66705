#pragma once

#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a dialog's size grip (a scroll bar with the size-grip style): what lies behind
// it, asked of its parent, with the skin's GRIPIMAGE of GLOBALINFO in its bottom-right corner;
// the hit test answers the bottom-right sizing border.
class TacSizerWnd : public TacMainWnd {
public:
    using TacMainWnd::TacMainWnd;

    // The skin's grip picture (an image entry of GLOBALINFO), -1 when the skin has none.
    int GripImage() const;
    // Composes the grip and copies it to the context.
    void PaintGrip(HDC dc);

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    win32::DibSection m_work;
};

} // namespace korvane
