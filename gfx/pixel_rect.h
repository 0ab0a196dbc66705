#pragma once

namespace korvane {

// The rectangle of the whole program: pixels from (Left, Top) to (Right, Bottom), right and bottom
// exclusive. Win32's RECT appears only where a Win32 call takes or gives one.
struct PixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;

    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
    bool Contains(int x, int y) const { return x >= Left && x < Right && y >= Top && y < Bottom; }
    // The rectangle moved by (dx, dy).
    PixelRect Offset(int dx, int dy) const { return {Left + dx, Top + dy, Right + dx, Bottom + dy}; }
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// The rectangle of a control placed at (left, top) with the given width and height, as a form's
// layout names it.
constexpr PixelRect BoundsRect(int left, int top, int width, int height)
{
    return {left, top, left + width, top + height};
}

}  // namespace korvane
