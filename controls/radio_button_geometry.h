#pragma once

#include "controls/caption_layout.h"
#include "gfx/pixel_rect.h"
#include "skin/skin_records.h"

namespace korvane {

// The frames of a radio button's own check picture: square frames side by side (normal, hot,
// pressed) when the width is a multiple of the height, else one frame of the whole picture.
int OwnGlyphFrameCount(int bitmapWidth, int bitmapHeight);
PixelSize OwnGlyphFrameSize(int bitmapWidth, int bitmapHeight);

// One state picture of the skin's check entry (GLOBALINFO's RADIOCHECKED or RADIOUNCHECKED): its
// rectangle's width divided by the image count and height by the rows (MaskType + 1); an entry
// with a bitmap of its own holds three states over two rows.
PixelSize SkinCheckFrameSize(const TsMaskData& entry);

// The check picture's place: `margin` in from the left when the caption stands right of it,
// else from the right; centred vertically.
PixelRect RadioGlyphRect(PixelSize glyph, int width, int height, int margin, bool captionRight);

// The drawing state of a radio button: pressed (2) while the mouse button or space is held on
// it, hot (1) while active and changeable, else normal (0).
int RadioDrawingState(bool pressing, bool active, bool readOnly);

// The frame of an own glyph with `frames` frames shown in that state.
int RadioGlyphFrame(int frames, int drawingState);

// What the caption of a radio button is laid out from.
struct RadioCaptionFacts {
    int Width = 0;
    int Height = 0;
    int GlyphWidth = 0;
    int Margin = 2;
    int TextIndent = 0;
    bool CaptionRight = true; // right-justified: the caption right of the picture
    bool RightToLeft = false;
    bool WordWrap = false;
};

// The width the caption is measured in: W - glyph - indent - 2 margins - 2.
int RadioCaptionWidth(const RadioCaptionFacts& facts);

// The caption's rectangle for a measured text of `text` size, moved up a pixel (and left one
// more when wrapped) as the text is drawn.
PixelRect RadioCaptionRect(const RadioCaptionFacts& facts, PixelSize text);

// The focus frame around a caption rectangle.
PixelRect RadioFocusRect(const PixelRect& caption, bool wordWrap);

// The size an auto-sized radio button takes for its picture and caption (0 x 0 without one).
PixelSize RadioAutoSize(PixelSize glyph, PixelSize caption, int margin, int textIndent);

} // namespace korvane
