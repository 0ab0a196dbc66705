#include "gfx/color_ops.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "gfx/colors.h"

namespace korvane {
namespace {

std::uint32_t ClampByte(int value)
{
    return static_cast<std::uint32_t>(std::clamp(value, 0, 255));
}

// The key colour is recognised by its colour bytes; skin bitmaps carry it with alpha 0, cache
// bitmaps may carry it with alpha 255 after a block copy.
bool IsKeyColor(std::uint32_t pixel)
{
    return (pixel & 0xFFFFFF) == 0xFF00FF;
}

} // namespace

int RoundToInt(double value)
{
    // Ties go to the even neighbour (the default rounding mode), as everywhere in the skin engine.
    return static_cast<int>(std::nearbyint(value));
}

PixelRect ClipToBitmap(const BitmapView& bitmap, PixelRect rect)
{
    rect.Left = std::max(rect.Left, 0);
    rect.Top = std::max(rect.Top, 0);
    rect.Right = std::min(rect.Right, bitmap.Width);
    rect.Bottom = std::min(rect.Bottom, bitmap.Height);
    return rect;
}

std::uint32_t MixColors(std::uint32_t a, std::uint32_t b, double p)
{
    std::uint32_t result = a & 0xFF000000u;
    for (int shift = 0; shift < 24; shift += 8) {
        const double ca = (a >> shift) & 0xFF;
        const double cb = (b >> shift) & 0xFF;
        // c = round(p*a + (1-p)*b)
        result |= ClampByte(RoundToInt(p * ca + (1 - p) * cb)) << shift;
    }
    return result;
}

void FillRectColor(const BitmapView& bitmap, PixelRect rect, std::uint32_t color)
{
    if (bitmap.IsEmpty()) {
        return;
    }
    rect = ClipToBitmap(bitmap, rect);
    if (rect.IsEmpty()) {
        return;
    }
    const std::uint32_t pixel = ColorToPixel(color, 255);
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::fill_n(bitmap.Row(y) + rect.Left, rect.Width(), pixel);
    }
}

void TintRect(const BitmapView& bitmap, PixelRect rect, int percent, std::uint32_t color)
{
    if (bitmap.IsEmpty()) {
        return;
    }
    rect = ClipToBitmap(bitmap, rect);
    if (rect.IsEmpty()) {
        return;
    }
    const double p = percent / 100.0;
    // One table per channel (pixel byte order B, G, R), each entry the formula's result.
    std::array<std::array<std::uint8_t, 256>, 3> table{};
    const double channel[3] = {static_cast<double>(BlueOf(color)), static_cast<double>(GreenOf(color)),
                               static_cast<double>(RedOf(color))};
    for (int c = 0; c < 3; ++c) {
        for (int v = 0; v < 256; ++v) {
            // c = round(p*pixel + (1-p)*colour)
            table[c][v] = static_cast<std::uint8_t>(ClampByte(RoundToInt(p * v + (1 - p) * channel[c])));
        }
    }
    for (int y = rect.Top; y < rect.Bottom; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = rect.Left; x < rect.Right; ++x) {
            const std::uint32_t px = row[x];
            row[x] = (px & 0xFF000000u) | table[0][px & 0xFF] | (std::uint32_t{table[1][(px >> 8) & 0xFF]} << 8) |
                     (std::uint32_t{table[2][(px >> 16) & 0xFF]} << 16);
        }
    }
}

std::uint32_t ShiftPixelHue(std::uint32_t pixel, int degrees)
{
    const int b = pixel & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int r = (pixel >> 16) & 0xFF;
    if (IsKeyColor(pixel) || (r == g && g == b)) {
        return pixel;
    }
    const int maxC = std::max({r, g, b});
    const int minC = std::min({r, g, b});
    const double delta = maxC - minC;
    const double value = maxC;
    const double saturation = delta / maxC;
    double hue;
    if (maxC == r) {
        hue = 60.0 * (g - b) / delta;
    } else if (maxC == g) {
        hue = 120.0 + 60.0 * (b - r) / delta;
    } else {
        hue = 240.0 + 60.0 * (r - g) / delta;
    }
    if (hue < 0) {
        hue += 360.0;
    }
    int newHue = RoundToInt(hue + degrees) % 360;
    if (newHue < 0) {
        newHue += 360;
    }
    const int sector = newHue / 60;
    const double f = newHue / 60.0 - sector;
    const double p = value * (1 - saturation);
    const double q = value * (1 - saturation * f);
    const double t = value * (1 - saturation * (1 - f));
    double nr, ng, nb;
    switch (sector) {
    case 0:
        nr = value;
        ng = t;
        nb = p;
        break;
    case 1:
        nr = q;
        ng = value;
        nb = p;
        break;
    case 2:
        nr = p;
        ng = value;
        nb = t;
        break;
    case 3:
        nr = p;
        ng = q;
        nb = value;
        break;
    case 4:
        nr = t;
        ng = p;
        nb = value;
        break;
    default:
        nr = value;
        ng = p;
        nb = q;
        break;
    }
    return (pixel & 0xFF000000u) | ClampByte(RoundToInt(nb)) | (ClampByte(RoundToInt(ng)) << 8) |
           (ClampByte(RoundToInt(nr)) << 16);
}

std::uint32_t ShiftPixelSaturation(std::uint32_t pixel, int amount)
{
    const int b = pixel & 0xFF;
    const int g = (pixel >> 8) & 0xFF;
    const int r = (pixel >> 16) & 0xFF;
    if (IsKeyColor(pixel) || (r == g && g == b)) {
        return pixel;
    }
    const double mean = (r + g + b) / 3.0;
    auto shift = [&](int c) {
        // c = clamp(round(c - (m - c) * amount / 100))
        return ClampByte(RoundToInt(c - (mean - c) * amount / 100.0));
    };
    return (pixel & 0xFF000000u) | shift(b) | (shift(g) << 8) | (shift(r) << 16);
}

void ShiftHue(const BitmapView& bitmap, int degrees)
{
    if (bitmap.IsEmpty() || degrees == 0) {
        return;
    }
    for (int y = 0; y < bitmap.Height; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width; ++x) {
            row[x] = ShiftPixelHue(row[x], degrees);
        }
    }
}

void ShiftSaturation(const BitmapView& bitmap, int amount)
{
    if (bitmap.IsEmpty() || amount == 0) {
        return;
    }
    for (int y = 0; y < bitmap.Height; ++y) {
        std::uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width; ++x) {
            row[x] = ShiftPixelSaturation(row[x], amount);
        }
    }
}

} // namespace korvane
