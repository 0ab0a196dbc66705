#include "controls/focus_frame.h"

#include <algorithm>

#include "gfx/colors.h"

namespace korvane {

void DrawFocusFrame(const BitmapView& destination, PixelRect rect, std::uint32_t colorA, std::uint32_t colorB)
{
    if (destination.IsEmpty() || rect.IsEmpty()) {
        return;
    }
    const int left = rect.Left;
    const int top = rect.Top;
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    // The A pixels reach one pixel left of and above the rectangle.
    const PixelRect reach{std::max(left - 1, 0), std::max(top - 1, 0), std::min(right + 1, destination.Width),
                          std::min(bottom + 1, destination.Height)};
    if (reach.IsEmpty()) {
        return;
    }
    const std::uint32_t a = ColorToPixel(colorA, 255);
    const std::uint32_t b = ColorToPixel(colorB, 255);
    auto put = [&](int x, int y, std::uint32_t pixel) {
        if (reach.Contains(x, y)) {
            destination.At(x, y) = pixel;
        }
    };
    const int steps = (right - left) / 3;
    for (int i = 0; i <= steps; ++i) {
        const int x = left + 3 * i;
        put(x, top, b);
        put(x - 1, top, a);
        put(x, bottom, b);
        put(x - 1, bottom, a);
    }
    const int rows = (bottom - top) / 3;
    for (int j = 0; j <= rows; ++j) {
        const int y = top + 3 * j;
        put(left, y, b);
        put(left, y - 1, a);
        put(right, y, b);
        put(right, y - 1, a);
    }
}

} // namespace korvane
