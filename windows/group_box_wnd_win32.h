#pragma once

#include "windows/face_wnd_win32.h"

#include <windows.h>

namespace korvane {

// The adapter of a platform group box: the section's face from the middle of the caption strip
// down, the caption on what lies behind the box, copied around the box's visible children, which
// are told when the face is ready. It answers the caption height with the strip's height.
class TacGroupBoxWnd : public TacFaceWnd {
public:
    using TacFaceWnd::TacFaceWnd;

    PixelRect CaptionRect();
    std::optional<int> CaptionHeightAnswer() override;

protected:
    void BuildFace(const TsSkinManager& manager) override;
    std::optional<LRESULT> FaceMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool PaintsNonClient() const override { return true; }
    void CopyFace(HDC dc) override;
};

} // namespace korvane
