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
    // Computed wide and saturated: the margins and the glow margin come from the skin file.
    using Wide = long long;
    const Wide w = controlRect.Width();
    const Wide h = controlRect.Height();
    const Wide m = margin;
    const Wide imageWidth = w + margins.Left + margins.Right - 2 * m;
    const Wide imageHeight = h + margins.Top + margins.Bottom - 2 * m;
    const Wide cl = visible.Left != 0 ? margins.Left + Wide{visible.Left} - m : 0;
    const Wide ct = visible.Top != 0 ? margins.Top + Wide{visible.Top} - m : 0;
    Wide cr = 0;
    if (visible.Right != w) {
        cr = cl != 0 ? imageWidth - cl - visible.Width() : w + margins.Right - visible.Width() - m;
    }
    Wide cb = 0;
    if (visible.Bottom != h) {
        cb = ct != 0 ? imageHeight - ct - visible.Height() : h + margins.Bottom - visible.Height() - m;
    }
    GlowLayout layout;
    layout.ImageWidth = SaturateToInt(imageWidth);
    layout.ImageHeight = SaturateToInt(imageHeight);
    layout.Cut = {SaturateToInt(cl), SaturateToInt(ct), SaturateToInt(imageWidth - cr),
                  SaturateToInt(imageHeight - cb)};
    layout.WindowX = SaturateToInt(controlRect.Left + cl + m - margins.Left);
    layout.WindowY = SaturateToInt(controlRect.Top + ct + m - margins.Top);
    return layout;
}

bool GlowPictureFits(const GlowLayout& layout)
{
    return layout.ImageWidth > 0 && layout.ImageHeight > 0 &&
           static_cast<long long>(layout.ImageWidth) * layout.ImageHeight <= kMaxGlowPicturePixels;
}

void DrawAlphaImage(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                    bool grey, int transparency, std::uint32_t tintColor, bool fillTransparent,
                    const ParentBackground& background)
{
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, x, y, source, sourceRect);
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
