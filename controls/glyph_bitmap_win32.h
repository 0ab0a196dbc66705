#pragma once

#include "gfx/bitmap32.h"

#include <windows.h>

namespace korvane {

// A button's glyph as the portable glyph painting takes it: its pixels read as 32 bits (top-down)
// and the bit depth of the bitmap they came from (which decides the key colour and alpha rules).
struct GlyphBitmap {
    Bitmap32 Pixels;
    int BitsPerPixel = 0;
};

// Reads the bitmap's pixels; an empty glyph for no bitmap or one GDI cannot read.
GlyphBitmap ReadGlyphBitmap(HBITMAP bitmap);

} // namespace korvane
