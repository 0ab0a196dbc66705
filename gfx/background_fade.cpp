#include "gfx/background_fade.h"

#include "gfx/color_ops.h"
#include "gfx/colors.h"

#include <algorithm>

namespace korvane {

std::uint32_t ColourBehind(const ParentBackground& background, int x, int y, std::uint32_t fallback)
{
    const int bx = x + background.X;
    const int by = y + background.Y;
    if (background.IsBitmap && background.Bitmap.Contains(bx, by))
        return PixelToColor(background.Bitmap.At(bx, by));
    return background.IsKnown() && !background.IsBitmap ? background.Color : fallback;
}

void FillFromBackground(const BitmapView& view, const PixelRect& rect, const ParentBackground& background,
                        std::uint32_t fallback)
{
    const int top = std::max(rect.Top, 0);
    const int bottom = std::min(rect.Bottom, view.Height);
    const int left = std::max(rect.Left, 0);
    const int right = std::min(rect.Right, view.Width);
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            view.At(x, y) = ColorToPixel(ColourBehind(background, x, y, fallback));
}

void FadeTowardBackground(const BitmapView& view, const ParentBackground& background, std::uint32_t fallback,
                          double weight)
{
    for (int y = 0; y < view.Height; ++y) {
        for (int x = 0; x < view.Width; ++x) {
            const std::uint32_t behind = ColourBehind(background, x, y, fallback);
            if (behind == TransparentKey)
                continue;
            view.At(x, y) = ColorToPixel(MixColors(PixelToColor(view.At(x, y)), behind, weight));
        }
    }
}

} // namespace korvane
