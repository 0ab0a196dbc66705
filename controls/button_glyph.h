#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"

namespace korvane {

// The look of a disabled glyph (TsDisabledGlyphKind, a set of dgBlended and dgGrayed); a button's
// default is dgBlended alone.
struct TsDisabledGlyphKind {
    bool Blended = true;
    bool Grayed = false;
};

// A button's glyph bitmap, its pixels already read as 32 bits.
struct ButtonGlyph {
    BitmapView Pixels; // NumGlyphs pieces side by side, each width div NumGlyphs wide
    int NumGlyphs = 1;
    int BitsPerPixel = 24; // of the bitmap the glyph was read from; 4 has piece rules of its own
};

// What the button asks of its glyph.
struct GlyphLook {
    int State = 0; // the drawing state: 0 normal, 1 hot, 2 pressed
    bool Enabled = true;
    bool Down = false;
    int Blend = 0;       // percentage of the face that shows through the glyph in the normal state
    bool Grayed = false; // glyphs with alpha are drawn grey in the normal state
    TsDisabledGlyphKind DisabledGlyphKind;
};

// Whether the glyph is drawn with per-pixel alpha: a 32-bit glyph with at least one opaque pixel
// (alpha 255). Other 32-bit glyphs carry no alpha and are drawn like 24-bit ones.
bool GlyphHasAlpha(const ButtonGlyph& glyph);

// The piece a glyph of several pieces shows: 0 when disabled or normal; 1 when hot (0 for a 4-bit
// glyph); when pressed 2, or 3 while Down, and when that piece is missing 0 for a 4-bit glyph,
// else the smaller of 1 and NumGlyphs - 1. A glyph of one piece always shows piece 0.
int GlyphPieceIndex(const ButtonGlyph& glyph, const GlyphLook& look);

// Paints the glyph's piece for the state with its top-left at face pixel (x, y). Glyphs without
// alpha leave out their key colour, the bottom-left pixel of the piece, and are copied opaque or
// blended with the face (Blend, dgBlended, dgGrayed); glyphs with alpha are composited with it.
// Nothing for an empty glyph bitmap.
void PaintButtonGlyph(const BitmapView& face, int x, int y, const ButtonGlyph& glyph, const GlyphLook& look);

} // namespace korvane
