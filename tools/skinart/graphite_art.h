#pragma once

#include <string>
#include <vector>

#include "tools/skinart/raster.h"
#include "tools/skinart/skin_picture.h"

namespace korvane::graphite {

// Every picture of the master bitmap, unplaced, in a fixed order.
std::vector<SkinPicture> MasterPictures();

// A picture file of its own (PNG with alpha).
struct SkinImageFile {
    std::string fileName;
    Raster pixels;
};

// The glow images the options name with "!" values (colours premultiplied by alpha, as the
// layered-window update expects them).
std::vector<SkinImageFile> GlowImages();

// The soft window shadows for the active and the inactive window, borders 11, 10, 11, 12.
std::vector<SkinImageFile> ShadowImages();

} // namespace korvane::graphite
