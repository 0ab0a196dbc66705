#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"
#include "gfx/colors.h"

namespace korvane {

// What lies behind a rectangle being painted: the pixel of `Bitmap` behind destination pixel
// (x, y) is (x + X, y + Y); without a bitmap, `Color` (0x00BBGGRR, TransparentKey when unknown).
struct ParentBackground {
    BitmapView Bitmap;
    int X = 0;
    int Y = 0;
    std::uint32_t Color = TransparentKey;
    bool IsBitmap = false;

    // Known when it is a bitmap or carries a colour.
    bool IsKnown() const { return IsBitmap || Color != TransparentKey; }
    // The same background seen from a bitmap whose origin lies at (dx, dy) of the current one.
    ParentBackground Moved(int dx, int dy) const
    {
        ParentBackground moved = *this;
        moved.X += dx;
        moved.Y += dy;
        return moved;
    }
};

// No bitmap, offsets -99, colour unknown.
inline const ParentBackground EmptyBackground{BitmapView{}, -99, -99, TransparentKey, false};

// Background for painting into the very bitmap that is the destination.
inline ParentBackground SelfBackground(const BitmapView& destination)
{
    return ParentBackground{destination, 0, 0, TransparentKey, true};
}

// Background from a parent's answer of type colour (0x00BBGGRR) with its offsets.
inline ParentBackground ColorBackground(std::uint32_t color, int x = 0, int y = 0)
{
    return ParentBackground{BitmapView{}, x, y, color, false};
}

// Background from a parent's answer of type bitmap with its offsets.
inline ParentBackground BitmapBackground(const BitmapView& bitmap, int x, int y)
{
    return ParentBackground{bitmap, x, y, TransparentKey, true};
}

} // namespace korvane
