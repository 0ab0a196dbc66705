#pragma once

#include "gfx/pixel_rect.h"
#include "win32/unique_handle.h"

#include <vector>

namespace korvane {

// The region of a window of the given size less the runs (rectangles in window coordinates):
// what a button's window keeps once the transparent corners of its mask are cut away.
win32::OwnedRegion RegionWithout(int width, int height, const std::vector<PixelRect>& runs);

} // namespace korvane
