#pragma once

#include <cstdint>
#include <string_view>

#include "gfx/bitmap_view.h"

namespace korvane {

// A 5 x 7 pixel font of the printable ASCII letters (lower case drawn as upper case), digits and
// a few signs, for the labels of a contact sheet. Other characters draw as a hollow box.
inline constexpr int kGlyphWidth = 5;
inline constexpr int kGlyphHeight = 7;
inline constexpr int kGlyphAdvance = kGlyphWidth + 1;

// Draws the text with its top-left corner at (x, y) in the colour (a pixel value), clipped to
// the bitmap.
void DrawPixelText(const BitmapView& bitmap, int x, int y, std::string_view text, std::uint32_t pixel);

} // namespace korvane
