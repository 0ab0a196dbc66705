#include "render/glow_geometry.h"

#include <algorithm>

#include "gfx/colors.h"
#include "gfx/parent_background.h"
#include "gfx/piece_copy.h"

namespace korvane {

GlowMargins GlowMarginsOf(const TsMaskData& entry)
{
    TsMaskData sized = entry;
    if (sized.ImageCount == 0) {
        sized.ImageCount = 1;
    }
    const int frameWidth = sized.FrameWidth();
    const int frameHeight = sized.FrameHeight();
    auto pick = [&](int own, int frame) {
        const int width = own > 0 ? own : (entry.UniformWidth > 0 ? entry.UniformWidth : frame);
        return static_cast<int>(static_cast<std::int16_t>(width));
    };
    return GlowMargins{pick(entry.LeftWidth, frameWidth), pick(entry.TopWidth, frameHeight),
                       pick(entry.RightWidth, frameWidth), pick(entry.BottomWidth, frameHeight)};
}

GlowLayout LayoutGlow(PixelRect controlRect, PixelRect visible, const GlowMargins& margins, int margin)
{
    const int w = controlRect.Width();
    const int h = controlRect.Height();
    GlowLayout layout;
    layout.ImageWidth = w + margins.Left + margins.Right - 2 * margin;
    layout.ImageHeight = h + margins.Top + margins.Bottom - 2 * margin;
    const int cl = visible.Left != 0 ? margins.Left + visible.Left - margin : 0;
    const int ct = visible.Top != 0 ? margins.Top + visible.Top - margin : 0;
    int cr = 0;
    if (visible.Right != w) {
        cr = cl != 0 ? layout.ImageWidth - cl - visible.Width() : w + margins.Right - visible.Width() - margin;
    }
    int cb = 0;
    if (visible.Bottom != h) {
        cb = ct != 0 ? layout.ImageHeight - ct - visible.Height() : h + margins.Bottom - visible.Height() - margin;
    }
    layout.Cut = {cl, ct, layout.ImageWidth - cr, layout.ImageHeight - cb};
    layout.WindowX = controlRect.Left + cl + margin - margins.Left;
    layout.WindowY = controlRect.Top + ct + margin - margins.Top;
    return layout;
}

void DrawAlphaImage(PixelRect destinationRect, PixelRect sourceRect, const BitmapView& destination, bool grey,
                    int transparency, std::uint32_t tintColor, bool fillTransparent, const ParentBackground& background,
                    const BitmapView& source)
{
    if (destination.IsEmpty() || source.IsEmpty()) {
        return;
    }
    const std::optional<ClippedCopy> clip = ClipCopy(destinationRect, sourceRect, destination, source);
    if (!clip) {
        return;
    }
    const auto [dl, dt, sl, st, width, height] = *clip;
    const bool tinted = tintColor != TransparentKey;
    const std::uint32_t tint = ColorToPixel(tintColor, 0);
    for (int row = 0; row < height; ++row) {
        const std::uint32_t* sourceRow = source.Row(st + row) + sl;
        std::uint32_t* destinationRow = destination.Row(dt + row) + dl;
        for (int col = 0; col < width; ++col) {
            std::uint32_t s = sourceRow[col];
            std::uint32_t& d = destinationRow[col];
            if (s == TransparentKey) {
                if (fillTransparent && background.IsBitmap) {
                    const int bx = dl + col + background.X;
                    const int by = dt + row + background.Y;
                    if (background.Bitmap.Contains(bx, by)) {
                        d = background.Bitmap.At(bx, by);
                    }
                }
                continue;
            }
            if (grey) {
                // Disabled look: the mean of the three channels.
                const std::uint32_t mean = ((s & 0xFF) + ((s >> 8) & 0xFF) + ((s >> 16) & 0xFF)) / 3;
                s = (s & 0xFF000000u) | mean | (mean << 8) | (mean << 16);
            }
            if (tinted) {
                std::uint32_t mixed = s & 0xFF000000u;
                for (int shift = 0; shift < 24; shift += 8) {
                    mixed |= ((((s >> shift) & 0xFF) + ((tint >> shift) & 0xFF)) / 2) << shift;
                }
                s = mixed;
            }
            std::int32_t alpha = static_cast<std::int32_t>(s >> 24);
            if (transparency != 0) {
                alpha = (100 - transparency) * alpha / 100;
            }
            std::uint32_t result = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::int32_t sc = (s >> shift) & 0xFF;
                const std::int32_t dc = (d >> shift) & 0xFF;
                // c = ((S - D) * a + D * 256) >> 8
                result |= static_cast<std::uint32_t>(std::clamp(((sc - dc) * alpha + dc * 256) >> 8, 0, 255)) << shift;
            }
            const std::uint32_t da = d >> 24;
            result |= (transparency != 0 ? da : std::max(da, s >> 24)) << 24;
            d = result;
        }
    }
}

} // namespace korvane
