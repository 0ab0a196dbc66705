#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "image/decoded_image.h"

namespace korvane {

// Decodes a BMP, PNG or JPEG picture, chosen by its first bytes. Anything else, or a damaged
// picture, throws ImageError naming `name`.
DecodedImage DecodeImage(std::span<const uint8_t> data, std::string_view name);

} // namespace korvane
