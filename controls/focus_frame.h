#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"

namespace korvane {

// Draws the dotted focus frame of a button on the edges of `rect`, with its right and bottom
// edges one pixel inside: every third pixel of each edge from the top-left corner gets colour B
// and the pixel before it (left on the top and bottom edges, above on the side edges) colour A.
// Colours are 0x00BBGGRR and are written opaque; pixels outside the bitmap are left alone.
void DrawFocusFrame(const BitmapView& destination, PixelRect rect, std::uint32_t colorA, std::uint32_t colorB);

} // namespace korvane
