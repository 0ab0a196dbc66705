#pragma once

#include <vector>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"
#include "skin/skin_records.h"

namespace korvane {

// Paints a borders-mask entry over the whole face exactly as PaintBordersMask does for the state
// min(state, ImageCount - 1) (an entry of fewer than one state counts as one state over its whole
// rectangle), and returns the pixels of its four corner pieces whose picture pixel is the key
// colour, as runs one row high in face coordinates, in the order the corners are painted
// (top-left, bottom-left, bottom-right, top-right): what a windowed button's region leaves out.
// `background` and `fillCorners` are handed to the painting. Nothing is painted and no run given
// when PaintBordersMask would paint nothing.
std::vector<PixelRect> CutRegionFromMask(const BitmapView& face, const TsMaskData& entry,
                                         const BitmapView& masterBitmap, int state, const ParentBackground& background,
                                         bool fillCorners);

// A button with a borders mask shrank from `before` to `now` (both in its parent's coordinates):
// the strips of the parent where its old corners lay and that the new region no longer covers
// (the right edge of the top-right and of the bottom-right corner, the bottom edge of the
// bottom-left one, each as wide as the mask's border there). None when it did not shrink.
std::vector<PixelRect> LeftCornerStrips(const PixelRect& before, const PixelRect& now, const TsMaskData& mask);

} // namespace korvane
