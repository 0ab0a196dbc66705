#pragma once

#include <cstdint>

namespace korvane {

// The transparent key: magenta. As a colour reference (0x00BBGGRR) and as a 32-bit pixel (bytes
// blue 255, green 0, red 255, alpha 0, compared as the whole value) it is the same number, so
// pixels and colours of exactly this value are transparent in skin images.
inline constexpr std::uint32_t TransparentKey = 0x00FF00FFu;

inline constexpr std::uint32_t RedOf(std::uint32_t color)
{
    return color & 0xFF;
}
inline constexpr std::uint32_t GreenOf(std::uint32_t color)
{
    return (color >> 8) & 0xFF;
}
inline constexpr std::uint32_t BlueOf(std::uint32_t color)
{
    return (color >> 16) & 0xFF;
}

// A 0x00BBGGRR colour as a pixel (bytes B, G, R, A) with the given alpha.
inline constexpr std::uint32_t ColorToPixel(std::uint32_t color, std::uint32_t alpha = 255)
{
    return BlueOf(color) | (GreenOf(color) << 8) | (RedOf(color) << 16) | (alpha << 24);
}

// A pixel's colour bytes as a 0x00BBGGRR colour reference (alpha dropped).
inline constexpr std::uint32_t PixelToColor(std::uint32_t pixel)
{
    return ((pixel >> 16) & 0xFF) | (pixel & 0xFF00) | ((pixel & 0xFF) << 16);
}

} // namespace korvane
