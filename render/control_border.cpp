#include "render/control_border.h"

#include <algorithm>

#include "gfx/color_ops.h"
#include "gfx/piece_copy.h"
#include "render/state_image.h"

namespace korvane {
namespace {

PixelRect Deflate(PixelRect rect, int left, int top, int right, int bottom)
{
    rect.Left += left;
    rect.Top += top;
    rect.Right = std::max(rect.Right - right, rect.Left);
    rect.Bottom = std::max(rect.Bottom - bottom, rect.Top);
    return rect;
}

} // namespace

PixelRect PaintControlBorder(const BitmapView& target, PixelRect rect, int borderWidth, int state,
                             const ControlBorderData& data)
{
    const SkinPaintSource* skin = data.Manager != nullptr ? data.Manager : DefaultSkinPaintSource();
    const TsGeneralData* section = skin != nullptr ? skin->Section(data.SectionIndex) : nullptr;
    if (section == nullptr) {
        return rect;
    }
    state = std::max(0, std::min(state, section->States - 1));
    const std::uint32_t color = data.BackgroundColor ? data.BackgroundColor(state) : 0;
    const TsMaskData* mask = skin->Mask(section->BorderIndex);
    const int n = borderWidth;
    PixelRect client = rect;
    if (mask == nullptr) {
        if (n > 0) {
            FillFrame(target, rect, color, n, n, n, n);
            client = Deflate(rect, n, n, n, n);
        }
        return client;
    }
    const BitmapView& cache = data.Cache;
    const int wl = mask->LeftWidth;
    const int wt = mask->TopWidth;
    const int wr = mask->RightWidth;
    const int wb = mask->BottomWidth;
    const ParentBackground background = data.ParentAnswer ? data.ParentAnswer() : EmptyBackground;
    if (mask->MaskType == 1) {
        // What lies under a masked border: the parent's picture, or the background colour.
        if (background.IsBitmap) {
            CopyRect(cache, rect.Left, rect.Top, background.Bitmap,
                     {rect.Left + background.X, rect.Top + background.Y, rect.Right + background.X,
                      rect.Bottom + background.Y});
        } else {
            FillFrame(cache, rect, color, wl, wt, wr, wb);
        }
    }
    PaintBordersMask(cache, rect, background, *mask, state, true, skin->MasterBitmap());
    client = Deflate(rect, wl, wt, wr, wb);
    if (n > 0) {
        const int width = rect.Width();
        const int height = rect.Height();
        // Each side's strip between the mask's border and the asked border width.
        const int sl = std::max(std::min(n, width - wr) - wl, 0);
        const int sr = std::max(std::min(n, width - wl) - wr, 0);
        const int st = std::max(std::min(n, height - wb) - wt, 0);
        const int sb = std::max(std::min(n, height - wt) - wb, 0);
        FillFrame(cache, client, color, sl, st, sr, sb);
        client = Deflate(rect, n, n, n, n);
        if (!target.SameAs(cache)) {
            CopyRect(target, rect.Left, rect.Top, cache, {rect.Left, rect.Top, rect.Right, rect.Top + n});
            CopyRect(target, rect.Left, rect.Bottom - n, cache, {rect.Left, rect.Bottom - n, rect.Right, rect.Bottom});
            CopyRect(target, rect.Left, rect.Top + n, cache, {rect.Left, rect.Top + n, rect.Left + n, rect.Bottom - n});
            CopyRect(target, rect.Right - n, rect.Top + n, cache,
                     {rect.Right - n, rect.Top + n, rect.Right, rect.Bottom - n});
        }
    }
    return client;
}

} // namespace korvane
