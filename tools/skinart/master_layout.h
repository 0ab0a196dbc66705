#pragma once

#include <vector>

#include "tools/skinart/raster.h"
#include "tools/skinart/skin_picture.h"

namespace korvane {

// Places the pictures on shelves of the given width (tallest first, each shelf filled left to
// right, one pixel of key colour between pictures) and sets their x and y.
// Returns the master bitmap's height.
int PlacePictures(std::vector<SkinPicture>& pictures, int width);

// Draws the placed pictures into a master bitmap of the key colour.
Raster ComposeMaster(const std::vector<SkinPicture>& pictures, int width, int height);

} // namespace korvane
