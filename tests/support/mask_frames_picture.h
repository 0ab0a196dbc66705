#pragma once

// The master picture of the button fixtures: three 10 x 10 frames of a borders mask side by
// side, one colour each, so a face shows by its colour which state it was painted in.
#include "support/skin_test_data.h"

#include <cstdint>
#include <vector>

namespace korvane::test {

// The frames' colours (0x00RRGGBB): normal, hot, pressed.
inline constexpr std::uint32_t kMaskFrameColours[3] = {0x102030, 0x405060, 0x708090};

// A 30 x 10 24-bit BMP; with `keyedCorners` each frame's top-left pixel is the transparent key.
inline std::vector<std::uint8_t> MaskFramesPicture(bool keyedCorners)
{
    std::vector<std::uint32_t> pixels(30 * 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 30; ++x)
            pixels[static_cast<std::size_t>(y * 30 + x)] =
                (keyedCorners && x % 10 == 0 && y == 0) ? 0xFF00FF : kMaskFrameColours[x / 10];
    return MakeBmp24(30, 10, pixels);
}

} // namespace korvane::test
