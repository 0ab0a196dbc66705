#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"
#include "skin/skin_records.h"

namespace korvane {

// Width of one state picture of the entry (0 when it has no pictures).
int FrameWidth(const TsMaskData& entry);
// Height of one state picture of the entry (0 when MaskType is -1).
int FrameHeight(const TsMaskData& entry);

// The bitmap an entry's pictures are cut from: its own image, else the skin's master bitmap.
BitmapView EntrySource(const TsMaskData& entry, const BitmapView& masterBitmap);

// Paints a borders-mask entry sliced into nine pieces over `rect` of the destination, for the
// given control state. `fillCorners` fills the transparent pixels of the corners from the
// background. `masterBitmap` is the skin's master bitmap, used when the entry has no image.
void PaintBordersMask(const BitmapView& destination, PixelRect rect, const ParentBackground& background,
                      const TsMaskData& entry, int state, bool fillCorners, const BitmapView& masterBitmap);

// Paints the entry's picture for the state unsliced with its top-left corner at (x, y).
// Mode 1 paints normally; any other mode paints it faded (disabled look).
void PaintStateImage(const BitmapView& destination, int x, int y, int state, const ParentBackground& background,
                     const TsMaskData& entry, int mode, const BitmapView& masterBitmap);

} // namespace korvane
