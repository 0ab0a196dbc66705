#pragma once

#include "gfx/bitmap_view.h"
#include "gfx/pixel_rect.h"
#include "skin/index_cache.h"
#include "skin/skin_tables.h"

namespace korvane {

// A combo box's drop-down button onto its face over `button`: the button section's face for the
// state (0 normal, 1 active, 2 dropped), then the arrow picture in the state's frame, centred
// across the button and down the face. What the skin lacks is not painted.
void PaintComboButtonFace(const SkinTables& tables, const TsIndexCache::ComboButton& indexes, const BitmapView& face,
                          const PixelRect& button, int state);

} // namespace korvane
