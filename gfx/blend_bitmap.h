#pragma once

#include "gfx/bitmap_view.h"
#include "gfx/blend_row.h"

namespace korvane {

// Blends `sourceRect` of the source over the destination at (dx, dy): the destination keeps
// weight (0..255), the source gets 255 - weight. Clipped to both bitmaps; negative destination
// coordinates move the source start. Does nothing when either bitmap is below 2 x 2 pixels.
void BlendBitmap(const BitmapView& destination, int dx, int dy, const BitmapView& source, const PixelRect& sourceRect,
                 int weight, PixelPath path = PixelPath::Fastest);

// One fade frame: frame = old picture blended with the new one at weight `alpha` for the old.
// When the new picture's size differs from the old one, the frame is a plain copy of the old.
// The frame must have the old picture's size.
void PaintFadeFrame(const BitmapView& frame, const BitmapView& oldPicture, const BitmapView& newPicture, int alpha,
                    PixelPath path = PixelPath::Fastest);

} // namespace korvane
