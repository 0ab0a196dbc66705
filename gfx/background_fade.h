#pragma once

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"

#include <cstdint>

namespace korvane {

// The colour behind pixel (x, y) of a face: the background bitmap's pixel when it covers the
// point, else the background's colour, else `fallback` (0x00BBGGRR).
std::uint32_t ColourBehind(const ParentBackground& background, int x, int y, std::uint32_t fallback);

// Fills the rectangle of the bitmap with what lies behind it.
void FillFromBackground(const BitmapView& view, const PixelRect& rect, const ParentBackground& background,
                        std::uint32_t fallback);

// The disabled look of an adapted window's face: every pixel mixed with what lies behind it,
// `weight` of the face kept (key-coloured background pixels leave the face alone).
void FadeTowardBackground(const BitmapView& view, const ParentBackground& background, std::uint32_t fallback,
                          double weight);

} // namespace korvane
