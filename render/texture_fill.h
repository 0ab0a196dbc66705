#pragma once

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"
#include "skin/skin_records.h"

namespace korvane {

// What is left unpainted when nothing is.
inline constexpr PixelRect kNothingLeft{-1, -1, -1, -1};

// Fill modes of a texture entry's DrawMode.
enum TextureFillMode : int {
    kFillTile = 0,
    kFillStretch = 1,
    kFillTopRow = 2,
    kFillLeftColumn = 3,
    kFillTopStretched = 4,
    kFillLeftStretched = 5,
    kFillBottomRow = 6,
    kFillRightColumn = 7,
    kFillWholeTiles = 10,
};

// Places whole tiles of `tileRect` (inside `tile`) from the rectangle's top-left corner and
// cuts the last ones at the right and bottom.
void TileRect(const BitmapView& canvas, PixelRect rect, const BitmapView& tile, PixelRect tileRect);

// Paints the texture entry (its tile is its Rect, one FrameHeight high, in `tileSource`) over
// `rect` in the fill mode; on return `rect` is what is left unpainted, or kNothingLeft.
// A masked entry (MaskType above 0) copies its tiles through the mask lying one tile height
// below, with key pixels taken from the background; only modes 0 and 10 paint it.
void FillTexture(const BitmapView& canvas, PixelRect& rect, const BitmapView& tileSource, int fillMode,
                 const TsMaskData& entry, const ParentBackground& background = EmptyBackground);

} // namespace korvane
