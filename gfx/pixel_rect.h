#pragma once

#include <climits>

namespace korvane {

// A wide result brought back into int's range. Rectangles of a skin file may hold any 32-bit
// coordinates, so their sizes and moves are computed wide and saturate instead of wrapping.
constexpr int SaturateToInt(long long value)
{
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

// The rectangle of the whole program: pixels from (Left, Top) to (Right, Bottom), right and bottom
// exclusive. Win32's RECT appears only where a Win32 call takes or gives one.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return SaturateToInt(static_cast<long long>(Right) - Left); }
    int Height() const { return SaturateToInt(static_cast<long long>(Bottom) - Top); }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    // The rectangle moved by (dx, dy).
    PixelRect Offset(int dx, int dy) const
    {
        return {SaturateToInt(static_cast<long long>(Left) + dx), SaturateToInt(static_cast<long long>(Top) + dy),
                SaturateToInt(static_cast<long long>(Right) + dx), SaturateToInt(static_cast<long long>(Bottom) + dy)};
    }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The rectangle of a control placed at (left, top) with the given width and height, as a form's
// layout names it.
constexpr PixelRect BoundsRect(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

} // namespace korvane
