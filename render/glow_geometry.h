#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"
#include "skin/skin_records.h"

namespace korvane {

// How far a glow image reaches out of the control on each side.
struct GlowMargins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// Each side's own width when above 0, else UniformWidth when above 0, else the frame width
// (left, right) or frame height (top, bottom); an ImageCount of 0 counts as 1. 16-bit values.
GlowMargins GlowMarginsOf(const TsMaskData& entry);

// Where a glow window lies and which part of the glow picture it shows.
struct GlowLayout {
    int ImageWidth = 0;  // W: the whole glow picture
    int ImageHeight = 0; // H
    PixelRect Cut;       // the part of the picture the window shows (starts at (cl, ct))
    int WindowX = 0;     // screen position of the window
    int WindowY = 0;
};

// The glow around a control at `controlRect` (screen) of which `visible` (control coordinates)
// can be seen, with glow margins `margins` and margin `margin`: the picture measures
// W = width + GL + GR - 2M by H = height + GT + GB - 2M and is cut on the sides where the
// control is hidden.
GlowLayout LayoutGlow(PixelRect controlRect, PixelRect visible, const GlowMargins& margins, int margin);

// The largest glow picture made, in pixels (64 MiB): the margins of a damaged skin could ask for
// one of many gigabytes, and such a glow is not shown.
inline constexpr long long kMaxGlowPicturePixels = 4096LL * 4096;
// Whether the layout's picture is not empty and within kMaxGlowPicturePixels.
bool GlowPictureFits(const GlowLayout& layout);

// Composites `sourceRect` of a 32-bit image with alpha onto a 32-bit destination at (x, y),
// clipped to both bitmaps as every piece routine is; key pixels (0x00FF00FF) take the background's bitmap pixel
// with `fillTransparent`, else stay. Other pixels: c = ((S - D) * a + D * 256) >> 8 per colour
// channel with a the source alpha (reduced to (100 - t) * a / 100 with a transparency t, which
// then keeps the destination alpha; else alpha = max(D, S)). `grey` turns the source grey first;
// a tint colour other than TransparentKey moves it halfway toward that colour.
void DrawAlphaImage(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                    bool grey, int transparency, std::uint32_t tintColor, bool fillTransparent,
                    const ParentBackground& background);

} // namespace korvane
