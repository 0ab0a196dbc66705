#pragma once

#include <cstdint>

#include "gfx/bitmap32.h"
#include "gfx/pixel_rect.h"

namespace korvane::testing {

// A bitmap of one pixel value.
inline Bitmap32 Filled(int w, int h, std::uint32_t value)
{
    Bitmap32 bitmap(w, h);
    bitmap.Fill(value);
    return bitmap;
}

// How many pixels of `area` (in both pictures) differ in colour; alpha is not compared.
inline int CountDifferingColours(const BitmapView& a, const BitmapView& b, const PixelRect& area)
{
    int differing = 0;
    for (int y = area.Top; y < area.Bottom; ++y) {
        for (int x = area.Left; x < area.Right; ++x) {
            if ((a.At(x, y) & 0xFFFFFF) != (b.At(x, y) & 0xFFFFFF)) {
                ++differing;
            }
        }
    }
    return differing;
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

// A w x h picture of Code pixels inside a frame of `fence` pixels `margin` wide. View() shows
// only the picture (its rows keep the whole bitmap's stride), so a painter that reads outside
// the view reads fence pixels: painting the same thing from two pictures with different fences
// must give the same bytes.
class FencedPicture {
public:
    FencedPicture(int w, int h, std::uint32_t fence, int margin = 16)
        : m_whole(w + 2 * margin, h + 2 * margin)
        , m_margin(margin)
        , m_width(w)
        , m_height(h)
    {
        m_whole.Fill(fence);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                m_whole.SetPixel(x + margin, y + margin, Code(x, y));
            }
        }
    }
    BitmapView View() const
    {
        BitmapView whole = m_whole.ReadView();
        return BitmapView{whole.Data + whole.Stride * m_margin + 4 * m_margin, m_width, m_height, whole.Stride};
    }

private:
    Bitmap32 m_whole;
    int m_margin;
    int m_width;
    int m_height;
};

} // namespace korvane::testing
