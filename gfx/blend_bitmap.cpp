#include "gfx/blend_bitmap.h"
#include "gfx/piece_copy.h"

#include <algorithm>
#include <cstring>

namespace korvane {

void BlendBitmap(const BitmapView& destination, int dx, int dy, const BitmapView& source, const PixelRect& sourceRect,
                 int weight, PixelPath path)
{
    if (destination.Width < 2 || destination.Height < 2 || source.Width < 2 || source.Height < 2) {
        return;
    }
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, dx, dy, source, sourceRect);
    if (!clip) {
        return;
    }
    // Whole rows of pictures without gaps between rows are one long row.
    const auto rowBytes = static_cast<std::ptrdiff_t>(clip->Width) * 4;
    if (destination.Stride == rowBytes && source.Stride == rowBytes) {
        BlendRow(destination.Row(clip->DestinationTop) + clip->DestinationLeft,
                 source.Row(clip->SourceTop) + clip->SourceLeft, clip->Width * clip->Height, weight, path);
        return;
    }
    for (int y = 0; y < clip->Height; ++y) {
        BlendRow(destination.Row(clip->DestinationTop + y) + clip->DestinationLeft,
                 source.Row(clip->SourceTop + y) + clip->SourceLeft, clip->Width, weight, path);
    }
}

void PaintFadeFrame(const BitmapView& frame, const BitmapView& oldPicture, const BitmapView& newPicture, int alpha,
                    PixelPath path)
{
    const int width = std::min(frame.Width, oldPicture.Width);
    const int height = std::min(frame.Height, oldPicture.Height);
    if (frame.IsEmpty() || oldPicture.IsEmpty() || width <= 0 || height <= 0) {
        return;
    }
    const bool blend =
        !newPicture.IsEmpty() && newPicture.Width == oldPicture.Width && newPicture.Height == oldPicture.Height;
    // Pictures whose rows follow each other without a gap are one long row: the loop's set-up and
    // its last pixels are paid once instead of on every row.
    const auto rowBytes = static_cast<std::ptrdiff_t>(width) * 4;
    if (frame.Stride == rowBytes && oldPicture.Stride == rowBytes && (!blend || newPicture.Stride == rowBytes)) {
        if (blend)
            BlendRowInto(frame.Row(0), oldPicture.Row(0), newPicture.Row(0), width * height, alpha, path);
        else
            std::memcpy(frame.Row(0), oldPicture.Row(0), static_cast<std::size_t>(rowBytes) * height);
        return;
    }
    for (int y = 0; y < height; ++y) {
        if (blend) {
            BlendRowInto(frame.Row(y), oldPicture.Row(y), newPicture.Row(y), width, alpha, path);
        } else {
            std::memcpy(frame.Row(y), oldPicture.Row(y), static_cast<std::size_t>(width) * 4);
        }
    }
}

} // namespace korvane
