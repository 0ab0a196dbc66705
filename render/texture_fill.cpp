#include "render/texture_fill.h"

#include <algorithm>

#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "gfx/piece_copy.h"

namespace korvane {
namespace {

PixelRect Remaining(PixelRect rect)
{
    return rect.IsEmpty() ? kNothingLeft : rect;
}

// One tile through its mask (`maskOffset` rows below) at (dx, dy), cut to w x h; key pixels
// take the parent's colour when known, else its bitmap pixel, else stay.
void MaskedTile(const BitmapView& canvas, int dx, int dy, const BitmapView& source, int sx, int sy, int w, int h,
                int maskOffset, const ParentBackground& background)
{
    // Only the part of the tile and of its mask that lies inside the source is painted; an
    // entry's rectangle may start left of or above the picture.
    const int firstCol = std::max(0, -sx);
    const int lastCol = std::min(w, source.Width - sx);
    for (int row = 0; row < h; ++row) {
        const int y = dy + row;
        const int py = sy + row;
        const int my = py + maskOffset;
        if (y < 0 || y >= canvas.Height || py < 0 || py >= source.Height || my < 0 || my >= source.Height) {
            continue;
        }
        const std::uint32_t* sourceRow = source.Row(py);
        const std::uint32_t* maskRow = source.Row(my);
        std::uint32_t* canvasRow = canvas.Row(y);
        for (int col = firstCol; col < lastCol; ++col) {
            const int x = dx + col;
            if (x < 0 || x >= canvas.Width) {
                continue;
            }
            const std::uint32_t s = sourceRow[sx + col];
            std::uint32_t& d = canvasRow[x];
            if (s == TransparentKey) {
                if (background.Color != TransparentKey) {
                    d = ColorToPixel(background.Color, 255);
                } else if (background.IsBitmap) {
                    const int bx = x + background.X;
                    const int by = y + background.Y;
                    if (background.Bitmap.Contains(bx, by)) {
                        d = background.Bitmap.At(bx, by);
                    }
                }
                continue;
            }
            const std::uint32_t m = maskRow[sx + col];
            std::uint32_t result = d & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::int32_t dc = (d >> shift) & 0xFF;
                const std::int32_t sc = (s >> shift) & 0xFF;
                const std::int32_t mc = (m >> shift) & 0xFF;
                // c = clamp(((D - S) * M + S * 256) >> 8)
                result |= static_cast<std::uint32_t>(std::clamp(((dc - sc) * mc + sc * 256) >> 8, 0, 255)) << shift;
            }
            d = result;
        }
    }
}

// Fills a strip with the parent's bitmap pixels, or its colour when it has no bitmap.
void FillFromParent(const BitmapView& canvas, PixelRect strip, const ParentBackground& background)
{
    strip = ClipToBitmap(canvas, strip);
    if (strip.IsEmpty()) {
        return;
    }
    if (background.IsBitmap) {
        for (int y = strip.Top; y < strip.Bottom; ++y) {
            for (int x = strip.Left; x < strip.Right; ++x) {
                const int bx = x + background.X;
                const int by = y + background.Y;
                if (background.Bitmap.Contains(bx, by)) {
                    canvas.At(x, y) = background.Bitmap.At(bx, by);
                }
            }
        }
    } else if (background.Color != TransparentKey) {
        FillRectColor(canvas, strip, background.Color);
    }
}

void FillMaskedTexture(const BitmapView& canvas, PixelRect& rect, const BitmapView& source, int fillMode,
                       const TsMaskData& entry, const ParentBackground& background)
{
    if (fillMode != kFillTile && fillMode != kFillWholeTiles) {
        return; // other modes paint nothing of a masked texture
    }
    const int th = entry.FrameHeight();
    if (entry.Rect.Width() <= 0 || th <= 0) {
        return;
    }
    // The tile is the part of the picture whose pixels and mask pixels (th rows below) both lie
    // inside the source; an entry reaching outside it is cut on every side.
    const long long top = std::max<long long>(entry.Rect.Top, 0);
    const long long bottom =
        std::min<long long>(static_cast<long long>(entry.Rect.Top) + th, static_cast<long long>(source.Height) - th);
    const long long left = std::max<long long>(entry.Rect.Left, 0);
    const long long rightEdge = std::min<long long>(entry.Rect.Right, source.Width);
    if (bottom <= top || rightEdge <= left) {
        return; // wholly outside: nothing of it is painted
    }
    const int sx = static_cast<int>(left);
    const int sy = static_cast<int>(top);
    const int tw = static_cast<int>(rightEdge - left);
    const int tileHeight = static_cast<int>(bottom - top);
    int y = rect.Top;
    int right = rect.Left;
    for (; y + tileHeight <= rect.Bottom; y += tileHeight) {
        int x = rect.Left;
        for (; x + tw <= rect.Right; x += tw) {
            MaskedTile(canvas, x, y, source, sx, sy, tw, tileHeight, th, background);
        }
        right = x;
        if (fillMode == kFillTile && x < rect.Right) {
            MaskedTile(canvas, x, y, source, sx, sy, rect.Right - x, tileHeight, th, background);
        }
    }
    if (fillMode == kFillWholeTiles) {
        if (y > rect.Top) {
            FillFromParent(canvas, {right, rect.Top, rect.Right, y}, background);
        }
        FillFromParent(canvas, {rect.Left, y, rect.Right, rect.Bottom}, background);
    }
    rect = kNothingLeft;
}

} // namespace

void TileRect(const BitmapView& canvas, PixelRect rect, const BitmapView& tile, PixelRect tileRect)
{
    const int tw = tileRect.Width();
    const int th = tileRect.Height();
    if (tw <= 0 || th <= 0 || rect.IsEmpty()) {
        return;
    }
    for (int y = rect.Top; y < rect.Bottom; y += th) {
        const int h = std::min(th, rect.Bottom - y);
        for (int x = rect.Left; x < rect.Right; x += tw) {
            const int w = std::min(tw, rect.Right - x);
            CopyRect(canvas, x, y, tile, {tileRect.Left, tileRect.Top, tileRect.Left + w, tileRect.Top + h});
        }
    }
}

void FillTexture(const BitmapView& canvas, PixelRect& rect, const BitmapView& tileSource, int fillMode,
                 const TsMaskData& entry, const ParentBackground& background)
{
    if (canvas.IsEmpty() || tileSource.IsEmpty() || rect.IsEmpty()) {
        return;
    }
    if (entry.MaskType > 0) {
        FillMaskedTexture(canvas, rect, tileSource, fillMode, entry, background);
        return;
    }
    if (entry.Rect.Width() <= 0 || entry.FrameHeight() <= 0) {
        return;
    }
    // The tile is the part of the entry's first row that lies inside the source; a row wholly
    // outside paints nothing.
    const PixelRect tile = ClipToBitmap(tileSource, entry.FirstRowRect());
    if (tile.IsEmpty()) {
        return;
    }
    const int tw = tile.Width();
    const int th = tile.Height();
    const PixelRect r = rect;
    switch (fillMode) {
    case kFillTile:
        TileRect(canvas, r, tileSource, tile);
        rect = kNothingLeft;
        break;
    case kFillStretch:
        StretchDeleteScans(canvas, r, tileSource, tile);
        rect = kNothingLeft;
        break;
    case kFillTopRow:
        TileRect(canvas, {r.Left, r.Top, r.Right, std::min(r.Top + th, r.Bottom)}, tileSource, tile);
        rect = Remaining({r.Left, r.Top + th, r.Right, r.Bottom});
        break;
    case kFillLeftColumn:
        TileRect(canvas, {r.Left, r.Top, std::min(r.Left + tw, r.Right), r.Bottom}, tileSource, tile);
        rect = Remaining({r.Left + tw, r.Top, r.Right, r.Bottom});
        break;
    case kFillTopStretched:
        StretchDeleteScans(canvas, {r.Left, r.Top, r.Right, r.Top + th}, tileSource, tile, &r);
        rect = Remaining({r.Left, r.Top + th, r.Right, r.Bottom});
        break;
    case kFillLeftStretched:
        StretchDeleteScans(canvas, {r.Left, r.Top, r.Left + tw, r.Bottom}, tileSource, tile, &r);
        rect = Remaining({r.Left + tw, r.Top, r.Right, r.Bottom});
        break;
    case kFillBottomRow:
        TileRect(canvas, {r.Left, std::max(r.Bottom - th, r.Top), r.Right, r.Bottom}, tileSource, tile);
        rect = Remaining({r.Left, r.Top, r.Right, r.Bottom - th});
        break;
    case kFillWholeTiles: {
        // Whole rows of tiles while a whole tile fits, the last tile of each row cut at the
        // right. The strip below the last whole row is left to the caller.
        const int rows = r.Height() / th;
        TileRect(canvas, {r.Left, r.Top, r.Right, r.Top + rows * th}, tileSource, tile);
        rect = Remaining({r.Left, r.Top + rows * th, r.Right, r.Bottom});
        break;
    }
    default: // 7 and every value not listed: a column of tiles along the right
        TileRect(canvas, {std::max(r.Right - tw, r.Left), r.Top, r.Right, r.Bottom}, tileSource, tile);
        rect = Remaining({r.Left, r.Top, r.Right - tw, r.Bottom});
        break;
    }
}

} // namespace korvane
