#pragma once

#include <cstdint>
#include <functional>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"
#include "render/skin_paint_source.h"

namespace korvane {

// What a control's border needs of its skin data.
struct ControlBorderData {
    int SectionIndex = -1;
    const SkinPaintSource* Manager = nullptr; // null: the default manager
    // The control's background colour (0x00BBGGRR) for a state.
    std::function<std::uint32_t(int state)> BackgroundColor;
    // The parent's answer to the background query, as a background whose X and Y already hold
    // the control's position plus the parent's offset.
    std::function<ParentBackground()> ParentAnswer;
    // The control's cache bitmap.
    BitmapView Cache;
};

// Paints the non-client border of a control from its section's borders mask into the cache,
// fills the rest of a border of width `borderWidth` (when above 0) with the background colour,
// copies that border to `target` when it is not the cache, and returns the client rectangle.
PixelRect PaintControlBorder(const BitmapView& target, PixelRect rect, int borderWidth, int state,
                             const ControlBorderData& data);

} // namespace korvane
