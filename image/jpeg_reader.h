#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "image/decoded_image.h"

namespace korvane {

// Decodes a JPEG image from memory (libjpeg). Pixels come out with alpha 0; the result reports
// 24 bits per pixel. `name` names the image in errors.
DecodedImage ReadJpeg(std::span<const uint8_t> data, std::string_view name);

// True when the bytes start with a JPEG start-of-image marker.
bool LooksLikeJpeg(std::span<const uint8_t> data);

} // namespace korvane
