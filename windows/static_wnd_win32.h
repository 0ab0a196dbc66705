#pragma once

#include "windows/face_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a dialog's static text: the section's face behind the whole window and the text
// in the section's colours. Statics that take the focus or carry the static edge keep the base
// handling only.
class TacStaticWnd : public TacFaceWnd {
public:
    using TacFaceWnd::TacFaceWnd;

    // The window is one this adapter paints.
    bool PaintsWindow() const override;

protected:
    void BuildFace(const TsSkinManager& manager) override;
    // A face that may show what lies behind the window follows it when it moves.
    bool RedrawsAfter(UINT message) const override { return message == WM_MOVE; }
};

} // namespace korvane
