#pragma once

#include <array>
#include <cstdint>

#include "gfx/bitmap_view.h"
#include "skin/skin_records.h"
#include "skin/skin_values.h" // ParseGradientData, used by the gradient painters

namespace korvane {

// One vertex of the four-triangle gradient: position and 16-bit channels (value * 256).
struct GradientVertex {
    int X = 0;
    int Y = 0;
    std::uint16_t Red = 0;
    std::uint16_t Green = 0;
    std::uint16_t Blue = 0;
    std::uint16_t Alpha = 0xFF00;
};

// The five vertices of the four-triangle gradient over `rect` (top-left, centre, top-right,
// bottom-right, bottom-left), each taking Color1 of its element or the previous vertex's colour.
std::array<GradientVertex, 5> TriangleGradientVertices(PixelRect rect, const TsGradArray& elements);

// The triangles of the four-triangle gradient as vertex indexes.
inline constexpr std::array<std::array<int, 3>, 4> kGradientTriangles{{{0, 1, 2}, {1, 2, 3}, {0, 1, 4}, {4, 1, 3}}};

// The platform's triangle gradient fill; returns false when the platform has none. Set by the
// Windows side (GradientFill of msimg32); natively there is none and mode 2 paints nothing.
using TriangleGradientFill = bool (*)(const BitmapView& bitmap, PixelRect rect,
                                      const std::array<GradientVertex, 5>& vertices);
void SetTriangleGradientFill(TriangleGradientFill fill);

#ifdef _WIN32
// GDI's GradientFill in triangle mode on a DIB section holding the rectangle; the default fill
// on Windows.
bool Win32TriangleGradientFill(const BitmapView& bitmap, PixelRect rect, const std::array<GradientVertex, 5>& vertices);
#endif

// Paints the gradient over the rectangle (clipped to the bitmap); the first element's Mode picks
// vertical (0), horizontal (1) or four triangles (2). Pixels get alpha 255.
void PaintGradient(const BitmapView& bitmap, PixelRect rect, const TsGradArray& elements);

// Paints a vertical or horizontal gradient mixed with a texture repeating from the bitmap's
// origin: c = G + (((T - G) * w) >> 8), alpha 255. `tileRect` is the tile inside `tileBitmap`.
void PaintTexturedGradient(const BitmapView& bitmap, PixelRect rect, const TsGradArray& elements, int textureWeight,
                           PixelRect tileRect, const BitmapView& tileBitmap);

} // namespace korvane
