#pragma once

#include <string>
#include <vector>

#include "tools/skinart/graphite_art.h"
#include "tools/skinart/raster.h"
#include "tools/skinart/skin_picture.h"

namespace korvane {

// Writes pictures for a person to look at: the master bitmap enlarged (key pixels shown as a
// dark checker board), every picture's states over the window colour, the glows, the window
// shadows stretched around two windows, and a mock-up
// window put together from the pictures the way the painters slice them.
void WritePreviews(const std::string& dir, const std::vector<SkinPicture>& pictures, const Raster& master,
                   const std::vector<graphite::SkinImageFile>& glows,
                   const std::vector<graphite::SkinImageFile>& shadows);

} // namespace korvane
