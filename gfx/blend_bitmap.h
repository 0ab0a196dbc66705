#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"

namespace korvane {

// Which implementation of a pixel loop runs; both give identical bytes, and the tests compare
// them. Simd is SSE2: an AVX2 loop measured slower here on every size, so there is none.
enum class PixelPath { Scalar, Simd };

// d[i] = (d*a + s*(255-a) + 127) >> 8 for every byte of n pixels, alpha included.
void BlendRow(std::uint32_t* destination, const std::uint32_t* source, int count, int weight,
              PixelPath path = PixelPath::Simd);

// out[i] = (o*a + n*(255-a) + 127) >> 8 for every byte of n pixels: old picture o kept with
// weight a, new picture n given 255 - a.
void BlendRowInto(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count, int weight,
                  PixelPath path = PixelPath::Simd);

// Blends `sourceRect` of the source over the destination at (dx, dy): the destination keeps
// weight (0..255), the source gets 255 - weight. Clipped to both bitmaps; negative destination
// coordinates move the source start. Does nothing when either bitmap is below 2 x 2 pixels.
void BlendBitmap(const BitmapView& destination, int dx, int dy, const BitmapView& source, const PixelRect& sourceRect,
                 int weight, PixelPath path = PixelPath::Simd);

// One fade frame: frame = old picture blended with the new one at weight `alpha` for the old.
// When the new picture's size differs from the old one, the frame is a plain copy of the old.
// The frame must have the old picture's size.
void PaintFadeFrame(const BitmapView& frame, const BitmapView& oldPicture, const BitmapView& newPicture, int alpha,
                    PixelPath path = PixelPath::Simd);

} // namespace korvane
