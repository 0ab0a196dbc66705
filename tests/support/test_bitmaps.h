#pragma once

#include <cstdint>

#include "gfx/bitmap32.h"

namespace korvane::testing {

// A bitmap of one pixel value.
inline Bitmap32 Filled(int w, int h, std::uint32_t value)
{
    Bitmap32 bitmap(w, h);
    bitmap.Fill(value);
    return bitmap;
}

// A pixel that tells where it comes from: 0xFF00XXYY.
inline std::uint32_t Code(int x, int y)
{
    return 0xFF000000u | (static_cast<std::uint32_t>(x) << 8) | static_cast<std::uint32_t>(y);
}

// A bitmap whose every pixel is Code(x, y).
inline Bitmap32 Coded(int w, int h)
{
    Bitmap32 bitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bitmap.SetPixel(x, y, Code(x, y));
        }
    }
    return bitmap;
}

} // namespace korvane::testing
