#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace korvane {

struct ImageDimensions {
    int64_t Width = 0;
    int64_t Height = 0;
};

// The size a BMP, PNG or JPEG picture declares in its header, read without decoding it, so that
// a caller can refuse a picture before allocating its pixels. Nothing when the header cannot be
// read (decoding then reports the damage).
std::optional<ImageDimensions> ReadImageDimensions(std::span<const uint8_t> data);

} // namespace korvane
