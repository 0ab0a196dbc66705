#pragma once

#include <cstdint>

#include "gfx/pixel_path.h"

namespace korvane {

// d[i] = (d*a + s*(255-a) + 127) >> 8 for every byte of n pixels, alpha included.
void BlendRow(std::uint32_t* destination, const std::uint32_t* source, int count, int weight,
              PixelPath path = PixelPath::Fastest);

// out[i] = (o*a + n*(255-a) + 127) >> 8 for every byte of n pixels: old picture o kept with
// weight a, new picture n given 255 - a. `out` may be `oldRow` or `newRow` (a blend in place);
// otherwise the rows must not overlap.
void BlendRowInto(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count, int weight,
                  PixelPath path = PixelPath::Fastest);

} // namespace korvane
