#include "render/gradient.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "gfx/color_ops.h"
#include "gfx/colors.h"

namespace korvane {
namespace {

#ifdef _WIN32
TriangleGradientFill g_triangleFill = Win32TriangleGradientFill;
#else
TriangleGradientFill g_triangleFill = nullptr;
#endif

std::uint32_t Pixel(double r, double g, double b)
{
    return 0xFF000000u | static_cast<std::uint32_t>(std::clamp(RoundToInt(b), 0, 255)) |
           (static_cast<std::uint32_t>(std::clamp(RoundToInt(g), 0, 255)) << 8) |
           (static_cast<std::uint32_t>(std::clamp(RoundToInt(r), 0, 255)) << 16);
}

// The gradient along one line of `length` positions (rows for mode 0, columns for mode 1): the
// pixel of every position, or nothing where no element paints.
std::vector<std::optional<std::uint32_t>> GradientLine(int length, const TsGradArray& elements, bool horizontal)
{
    std::vector<std::optional<std::uint32_t>> line(static_cast<std::size_t>(std::max(length, 0)));
    if (length <= 0) {
        return line;
    }
    const int last = length - 1;
    int start = 0;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const GradientStep& step = elements[i];
        int end;
        if (i + 1 == elements.size()) {
            end = last;
        } else if (horizontal) {
            end = RoundToInt(start + step.Percent * static_cast<double>(length) / 100.0);
        } else {
            end = start + length * step.Percent / 100;
        }
        // Ends stay inside the rectangle: with percentages above 100 in total nothing is painted
        // past its bottom (right) edge.
        end = std::min(end, last);
        const int span = end - start;
        if (span > 0) {
            const auto c1 = static_cast<std::uint32_t>(step.Color1);
            const auto c2 = static_cast<std::uint32_t>(step.Color2);
            if (c1 == c2) {
                const std::uint32_t pixel = ColorToPixel(c1, 255);
                for (int p = start; p <= end; ++p) {
                    line[p] = pixel;
                }
            } else {
                double r = RedOf(c1);
                double g = GreenOf(c1);
                double b = BlueOf(c1);
                const double dr = (static_cast<double>(RedOf(c2)) - r) / span;
                const double dg = (static_cast<double>(GreenOf(c2)) - g) / span;
                const double db = (static_cast<double>(BlueOf(c2)) - b) / span;
                for (int p = start; p <= end; ++p) {
                    line[p] = Pixel(r, g, b);
                    r += dr;
                    g += dg;
                    b += db;
                }
            }
        }
        start = std::max(end, start);
    }
    return line;
}

} // namespace

// ParseGradientData lives with the options parser (skin/skin_values.h), which reads gradients
// while the skin loads.

std::array<GradientVertex, 5> TriangleGradientVertices(PixelRect rect, const TsGradArray& elements)
{
    const int positions[5][2] = {{rect.Left, rect.Top},
                                 {rect.Left + rect.Width() / 2, rect.Top + rect.Height() / 2},
                                 {rect.Right, rect.Top},
                                 {rect.Right, rect.Bottom},
                                 {rect.Left, rect.Bottom}};
    std::array<GradientVertex, 5> vertices{};
    for (std::size_t i = 0; i < 5; ++i) {
        GradientVertex& v = vertices[i];
        v.X = positions[i][0];
        v.Y = positions[i][1];
        if (i < elements.size()) {
            const auto color = static_cast<std::uint32_t>(elements[i].Color1);
            v.Red = static_cast<std::uint16_t>(RedOf(color) * 256);
            v.Green = static_cast<std::uint16_t>(GreenOf(color) * 256);
            v.Blue = static_cast<std::uint16_t>(BlueOf(color) * 256);
        } else if (i > 0) {
            v.Red = vertices[i - 1].Red;
            v.Green = vertices[i - 1].Green;
            v.Blue = vertices[i - 1].Blue;
        }
        v.Alpha = 0xFF00;
    }
    return vertices;
}

void SetTriangleGradientFill(TriangleGradientFill fill)
{
    g_triangleFill = fill;
}

void PaintGradient(const BitmapView& bitmap, PixelRect rect, const TsGradArray& elements)
{
    if (bitmap.IsEmpty() || elements.empty()) {
        return;
    }
    rect = ClipToBitmap(bitmap, rect);
    if (rect.IsEmpty()) {
        return;
    }
    switch (elements.front().Mode) {
    case 0: {
        const auto line = GradientLine(rect.Height(), elements, false);
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            if (const auto& pixel = line[y - rect.Top]) {
                std::fill_n(bitmap.Row(y) + rect.Left, rect.Width(), *pixel);
            }
        }
        break;
    }
    case 1: {
        const auto line = GradientLine(rect.Width(), elements, true);
        std::uint32_t* first = bitmap.Row(rect.Top);
        for (int x = rect.Left; x < rect.Right; ++x) {
            if (const auto& pixel = line[x - rect.Left]) {
                first[x] = *pixel;
            }
        }
        for (int y = rect.Top + 1; y < rect.Bottom; ++y) {
            std::memcpy(bitmap.Row(y) + rect.Left, first + rect.Left, static_cast<std::size_t>(rect.Width()) * 4);
        }
        break;
    }
    case 2:
        if (g_triangleFill != nullptr) {
            g_triangleFill(bitmap, rect, TriangleGradientVertices(rect, elements));
        }
        break;
    default:
        break;
    }
}

void PaintTexturedGradient(const BitmapView& bitmap, PixelRect rect, const TsGradArray& elements, int textureWeight,
                           PixelRect tileRect, const BitmapView& tileBitmap)
{
    if (bitmap.IsEmpty() || elements.empty() || tileBitmap.IsEmpty()) {
        return;
    }
    const int mode = elements.front().Mode;
    if (mode != 0 && mode != 1) {
        return;
    }
    tileRect = ClipToBitmap(tileBitmap, tileRect);
    rect = ClipToBitmap(bitmap, rect);
    if (rect.IsEmpty() || tileRect.IsEmpty()) {
        return;
    }
    const int tw = tileRect.Width();
    const int th = tileRect.Height();
    const std::int32_t w = std::clamp(textureWeight, 0, 255);
    // One tile row mixed with one gradient value per pixel: c = G + (((T - G) * w) >> 8); the
    // result always lies between G and T.
    auto mix = [w](std::uint32_t g, std::uint32_t t) {
        const std::int32_t gb = g & 0xFF;
        const std::int32_t gg = (g >> 8) & 0xFF;
        const std::int32_t gr = (g >> 16) & 0xFF;
        const std::int32_t b = gb + (((static_cast<std::int32_t>(t & 0xFF) - gb) * w) >> 8);
        const std::int32_t gn = gg + (((static_cast<std::int32_t>((t >> 8) & 0xFF) - gg) * w) >> 8);
        const std::int32_t r = gr + (((static_cast<std::int32_t>((t >> 16) & 0xFF) - gr) * w) >> 8);
        return 0xFF000000u | static_cast<std::uint32_t>(b) | (static_cast<std::uint32_t>(gn) << 8) |
               (static_cast<std::uint32_t>(r) << 16);
    };
    if (mode == 0) {
        // Vertical: within a row the result repeats with the tile, so one tile width is mixed
        // and copied along the row.
        const auto line = GradientLine(rect.Height(), elements, false);
        std::vector<std::uint32_t> mixed(static_cast<std::size_t>(tw));
        for (int y = rect.Top; y < rect.Bottom; ++y) {
            const auto& g = line[y - rect.Top];
            if (!g) {
                continue;
            }
            const std::uint32_t* tileRow = tileBitmap.Row(tileRect.Top + y % th) + tileRect.Left;
            for (int i = 0; i < tw; ++i) {
                mixed[i] = mix(*g, tileRow[i]);
            }
            std::uint32_t* row = bitmap.Row(y);
            int x = rect.Left;
            const int phase = x % tw;
            const int first = std::min(tw - phase, rect.Right - x);
            std::memcpy(row + x, mixed.data() + phase, static_cast<std::size_t>(first) * 4);
            x += first;
            while (x < rect.Right) {
                const int n = std::min(tw, rect.Right - x);
                std::memcpy(row + x, mixed.data(), static_cast<std::size_t>(n) * 4);
                x += n;
            }
        }
        return;
    }
    // Horizontal: mix one block of tile-height rows, then repeat it down to the bottom.
    const auto line = GradientLine(rect.Width(), elements, true);
    const int block = std::min(th, rect.Height());
    for (int y = rect.Top; y < rect.Top + block; ++y) {
        const std::uint32_t* tileRow = tileBitmap.Row(tileRect.Top + y % th) + tileRect.Left;
        std::uint32_t* row = bitmap.Row(y);
        int tx = rect.Left % tw;
        for (int x = rect.Left; x < rect.Right; ++x) {
            if (const auto& g = line[x - rect.Left]) {
                row[x] = mix(*g, tileRow[tx]);
            }
            if (++tx == tw) {
                tx = 0;
            }
        }
    }
    for (int y = rect.Top + block; y < rect.Bottom; ++y) {
        std::memcpy(bitmap.Row(y) + rect.Left, bitmap.Row(y - block) + rect.Left,
                    static_cast<std::size_t>(rect.Width()) * 4);
    }
}

} // namespace korvane
