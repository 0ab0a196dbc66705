#pragma once

#include <cstdint>

namespace korvane {

// The pixel turned grey for a disabled look: every colour channel becomes (R + G + B) div 3;
// alpha is kept.
inline std::uint32_t GreyPixel(std::uint32_t pixel)
{
    const std::uint32_t mean = ((pixel & 0xFF) + ((pixel >> 8) & 0xFF) + ((pixel >> 16) & 0xFF)) / 3;
    return (pixel & 0xFF000000u) | mean | (mean << 8) | (mean << 16);
}

} // namespace korvane
