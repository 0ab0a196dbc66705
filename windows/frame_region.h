#pragma once

#include "gfx/bitmap_view.h"
#include "gfx/pixel_rect.h"
#include "skin/skin_records.h"

#include <vector>

namespace korvane {

// The rectangles a borders mask cuts from a window of the given size: the key-coloured pixels of
// the state-0 picture's corners, as runs one row high. The top `TopWidth` rows give runs in the
// left `LeftWidth` columns at the same place in the window and in the right `RightWidth` columns
// at the same distance from the window's right edge; with `bottomRows`, the picture's bottom
// `BottomWidth` rows give runs in the window's bottom rows the same way. Nothing for an entry
// without a picture.
std::vector<PixelRect> FrameRegionRuns(const TsMaskData& entry, const BitmapView& masterBitmap, int windowWidth,
                                       int windowHeight, bool bottomRows = true);

} // namespace korvane
