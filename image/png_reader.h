#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "image/decoded_image.h"

namespace korvane {

// Decodes a PNG image from memory (libpng). Pictures with an alpha channel or a transparency
// chunk report 32 bits per pixel and keep their (straight, not premultiplied) alpha; others
// report 24 and have alpha 0. `name` names the image in errors.
DecodedImage ReadPng(std::span<const uint8_t> data, std::string_view name);

// True when the bytes start with the PNG signature.
bool LooksLikePng(std::span<const uint8_t> data);

} // namespace korvane
