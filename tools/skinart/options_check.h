#pragma once

#include <string>
#include <vector>

#include "tools/skinart/skin_picture.h"

namespace korvane {

// Compares the image values of an options text with the pictures the tool drew: every "@", "^"
// and "~" value must name exactly one placed picture, every placed picture must be named, and
// every "!" value must name one of the given files. Returns the problems found, one per line
// (empty when the two agree).
std::vector<std::string> CheckOptionsAgainstArt(const std::string& optionsText,
                                                const std::vector<SkinPicture>& pictures,
                                                const std::vector<std::string>& imageFiles);

} // namespace korvane
