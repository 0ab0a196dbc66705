#pragma once

#include "gfx/pixel_rect.h"

namespace korvane {

// A width and a height in pixels.
struct PixelSize {
    int Width = 0;
    int Height = 0;
    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};

// Where a bitmap or speed button puts its glyph beside its caption (the property `Layout`).
enum class GlyphLayout { GlyphLeft = 0, GlyphRight = 1, GlyphTop = 2, GlyphBottom = 3 };

// How glyph and caption sit in the button as one block (the property `Alignment`).
enum class CaptionAlignment { Left = 0, Right = 1, Center = 2 };

// Where glyph and caption go.
struct GlyphCaptionPlacement {
    PixelRect Caption; // the caption's measured size at its place, cut at the right margin when left-aligned
    int GlyphX = 0;    // top-left of the glyph
    int GlyphY = 0;
};

// Places a glyph of size `glyph` and a caption of size `caption` in `client`. A negative
// `spacing` or a `margin` of -1 asks for them to be computed; right-to-left reading exchanges
// glyph-left and glyph-right. All divisions truncate toward zero.
GlyphCaptionPlacement LayoutGlyphAndCaption(PixelRect client, PixelSize glyph, PixelSize caption, bool rightToLeft,
                                            int spacing, int margin, CaptionAlignment alignment, GlyphLayout layout);

// Width of the rectangle a bitmap button measures its caption in: the button's width less twice
// the margin, less the glyph and the spacing when a glyph sits left or right of the caption; 0
// when there is no caption to show (ShowCaption off or an empty caption). Margins and spacings
// still to be computed (negative) count as 0, so the rectangle never outgrows the button.
int CaptionMeasureWidth(int buttonWidth, int margin, int spacing, PixelSize glyph, GlyphLayout layout, bool hasCaption);

// The glyph size a bitmap or speed button lays out: one image of the image list (its width
// divided by `numGlyphs`) when the image index is valid, else one piece of the glyph bitmap, else
// 0 x 0 when the bitmap is empty. A `numGlyphs` below 1 counts as 1.
PixelSize ButtonGlyphSize(PixelSize imageList, bool imageIndexValid, PixelSize glyphBitmap, int numGlyphs);

} // namespace korvane
