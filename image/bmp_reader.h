#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "image/decoded_image.h"

namespace korvane {

// Decodes an uncompressed Windows bitmap (1, 4, 8, 24 or 32 bits per pixel; bottom-up or
// top-down; with a palette for up to 8 bits; 32 bits also with BI_BITFIELDS masks). Pixels of
// fewer than 32 bits get alpha 0; 32-bit pixels keep the file's alpha. `name` names the image in
// errors.
DecodedImage ReadBmp(std::span<const uint8_t> data, std::string_view name);

// True when the bytes start like a bitmap file ("BM").
bool LooksLikeBmp(std::span<const uint8_t> data);

} // namespace korvane
