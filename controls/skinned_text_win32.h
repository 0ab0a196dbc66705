#pragma once

#include "controls/text_glow.h"
#include "gfx/pixel_rect.h"

#include <windows.h>

#include <string_view>

namespace korvane {

class TsCommonData;

// The 8-bit work image of text glows kept in a DIB section with a grey palette, selected into a
// memory device context of its own, so GDI draws the text into it.
class GdiGlowWorkImage : public GlowWorkImage {
public:
    GdiGlowWorkImage() = default;
    ~GdiGlowWorkImage() override;
    HDC Dc() const { return m_dc; }

protected:
    GreyView Allocate(int width, int height) override;

private:
    void Release();

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// A caption in the skin's look on a control's face: the section's font colours (the hot ones
// when `active`), its contours and glow, the disabled colour mix, or the platform's look for an
// unskinned control. `canvas` is usually the control's cache DC; the glow is painted into the
// cache bitmap, through `work` (kept by the caller between calls; none: a temporary one).
void DrawSkinnedText(HDC canvas, std::wstring_view text, bool enabled, bool active, const TsCommonData& data,
                     UINT drawTextFlags, const PixelRect& rect, GdiGlowWorkImage* work = nullptr);

// A glow behind the text in `face` (the bitmap selected into `faceDc`): the text is drawn black
// with the face DC's font at its place and moved one pixel in each direction of `directions`
// (1 left, 2 up, 4 right, 8 down) into the work image, blurred and laid over the face.
void PaintTextGlow(HDC faceDc, const BitmapView& face, std::wstring_view text, const PixelRect& rect,
                   GdiGlowWorkImage& work, std::uint32_t color, int size, unsigned directions, UINT drawTextFlags);

} // namespace korvane
