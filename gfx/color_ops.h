#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"

namespace korvane {

// Rounds to the nearest integer, ties to even.
int RoundToInt(double value);

// Per colour channel round(p*a + (1-p)*b) of two 0x00BBGGRR colours; the top byte of a is kept.
std::uint32_t MixColors(std::uint32_t a, std::uint32_t b, double p);

// Writes the colour with alpha 255 into every pixel of the rectangle, clipped to the bitmap.
void FillRectColor(const BitmapView& bitmap, PixelRect rect, std::uint32_t color);

// Each colour channel becomes round(p*pixel + (1-p)*colour), p = percent / 100, over the
// rectangle clipped to the bitmap; alpha is kept.
void TintRect(const BitmapView& bitmap, PixelRect rect, int percent, std::uint32_t color);

// Turns the hue of every pixel by `degrees`; the key colour, grey pixels and alpha are kept.
void ShiftHue(const BitmapView& bitmap, int degrees);

// Moves every pixel's channels away from (amount > 0) or toward (amount < 0) their mean by
// amount percent; the key colour, grey pixels and alpha are kept.
void ShiftSaturation(const BitmapView& bitmap, int amount);

// The single-pixel forms of the two shifts (pixel bytes B, G, R, A).
std::uint32_t ShiftPixelHue(std::uint32_t pixel, int degrees);
std::uint32_t ShiftPixelSaturation(std::uint32_t pixel, int amount);

// The rectangle clipped to the bitmap.
PixelRect ClipToBitmap(const BitmapView& bitmap, PixelRect rect);

} // namespace korvane
