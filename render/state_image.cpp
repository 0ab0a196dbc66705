#include "render/state_image.h"

#include <algorithm>

#include "gfx/colors.h"
#include "gfx/piece_copy.h"

namespace korvane {
namespace {

// A masked entry keeps its mask in the lower half of its rectangle, this many rows below the picture.
int MaskRowOffset(const TsMaskData& entry)
{
    return entry.Rect.Height() / 2;
}

// How a borders-mask entry's edges and centre are laid over their spans.
struct PiecePainter {
    const BitmapView& destination;
    const BitmapView& source;
    const TsMaskData& entry;
    bool masked;  // MaskType other than 0: everything through the mask
    bool stretch; // DrawMode flag 1 on the keyed path

    // One opaque or masked block: source (sx, sy, w x h) to (dx, dy).
    void Block(int dx, int dy, int sx, int sy, int w, int h) const
    {
        if (w <= 0 || h <= 0) {
            return;
        }
        if (masked) {
            CopyMaskedPiece(destination, dx, dy, source, {sx, sy, sx + w, sy + h}, EmptyBackground, false,
                            MaskRowOffset(entry));
        } else {
            CopyRect(destination, dx, dy, source, {sx, sy, sx + w, sy + h});
        }
    }

    // Tiles of length `tile` along [start, end): whole tiles while the position is below
    // end - tile, then one tile cut to what is left. A zero-length tile paints nothing.
    template <typename Place>
    static void Tile(int start, int end, int tile, Place place)
    {
        if (tile <= 0) {
            return;
        }
        int position = start;
        while (position < end - tile) {
            place(position, tile);
            position += tile;
        }
        if (position < end) {
            place(position, end - position);
        }
    }

    // A piece (sx, sy, tw x th) over the destination area (left, top) - (right, bottom).
    void Fill(PixelRect area, int sx, int sy, int tw, int th) const
    {
        if (area.IsEmpty() || tw <= 0 || th <= 0) {
            return;
        }
        if (stretch && !masked) {
            StretchDeleteScans(destination, area, source, {sx, sy, sx + tw, sy + th});
            return;
        }
        Tile(area.Top, area.Bottom, th,
             [&](int y, int h) { Tile(area.Left, area.Right, tw, [&](int x, int w) { Block(x, y, sx, sy, w, h); }); });
    }
};

int ClampState(const TsMaskData& entry, int state)
{
    return std::max(0, std::min(state, entry.ImageCount - 1));
}

// Copies the picture at (sx, sy, w x h) of the source to (dx, dy): key pixels are skipped; with a
// mask `maskOffset` rows below (mask != 0), pixels whose mask red byte is 255 are skipped too.
void GlyphMaskCopy(const BitmapView& destination, int dx, int dy, const BitmapView& source, int sx, int sy, int w,
                   int h, int maskOffset, bool masked, bool faded)
{
    // Cut to both bitmaps on every side (wide: the picture's place comes from the skin file); a
    // masked picture also to the rows whose mask lies inside the source.
    const PixelRect destinationRect{dx, dy, SaturateToInt(static_cast<long long>(dx) + w),
                                    SaturateToInt(static_cast<long long>(dy) + h)};
    long long sourceBottom = static_cast<long long>(sy) + h;
    if (masked) {
        sourceBottom = std::min(sourceBottom, static_cast<long long>(source.Height) - maskOffset);
    }
    const PixelRect sourceRect{sx, sy, SaturateToInt(static_cast<long long>(sx) + w), SaturateToInt(sourceBottom)};
    const std::optional<ClippedCopy> clip = ClipCopy(destinationRect, sourceRect, destination, source);
    if (!clip) {
        return;
    }
    dx = clip->DestinationLeft;
    dy = clip->DestinationTop;
    sx = clip->SourceLeft;
    sy = clip->SourceTop;
    w = clip->Width;
    h = clip->Height;
    for (int row = 0; row < h; ++row) {
        const std::uint32_t* sourceRow = source.Row(sy + row) + sx;
        std::uint32_t* destinationRow = destination.Row(dy + row) + dx;
        if (!masked) {
            for (int col = 0; col < w; ++col) {
                if (sourceRow[col] != TransparentKey) {
                    destinationRow[col] = sourceRow[col];
                }
            }
            continue;
        }
        const std::uint32_t* maskRow = source.Row(sy + row + maskOffset) + sx;
        for (int col = 0; col < w; ++col) {
            const std::uint32_t s = sourceRow[col];
            std::uint32_t m = maskRow[col];
            if (s == TransparentKey || ((m >> 16) & 0xFF) == 255) {
                continue;
            }
            if (faded) {
                // The faded look raises every mask channel: m = min(m + 100, 255)
                std::uint32_t raised = 0;
                for (int shift = 0; shift < 24; shift += 8) {
                    raised |= std::min<std::uint32_t>(((m >> shift) & 0xFF) + 100, 255) << shift;
                }
                m = raised;
            }
            const std::uint32_t d = destinationRow[col];
            std::uint32_t result = 0;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::int32_t dc = (d >> shift) & 0xFF;
                const std::int32_t sc = (s >> shift) & 0xFF;
                const std::int32_t mc = (m >> shift) & 0xFF;
                // c = clamp(((D - S) * M + S * 256) >> 8)
                result |= static_cast<std::uint32_t>(std::clamp(((dc - sc) * mc + sc * 256) >> 8, 0, 255)) << shift;
            }
            const std::uint32_t a = d >> 24;
            const std::uint32_t maskRed = (m >> 16) & 0xFF;
            // alpha = A + (255 - M_red) * (255 - A) / 255
            result |= (a + (255 - maskRed) * (255 - a) / 255) << 24;
            destinationRow[col] = result;
        }
    }
}

} // namespace

int FrameWidth(const TsMaskData& entry)
{
    return entry.FrameWidth();
}

int FrameHeight(const TsMaskData& entry)
{
    return entry.FrameHeight();
}

BitmapView EntrySource(const TsMaskData& entry, const BitmapView& masterBitmap)
{
    return entry.Image ? entry.Image->ReadView() : masterBitmap;
}

void PaintBordersMask(const BitmapView& destination, PixelRect rect, const ParentBackground& background,
                      const TsMaskData& entry, int state, bool fillCorners, const BitmapView& masterBitmap)
{
    if (state == 0 && (entry.DrawMode & 2) != 0) {
        return;
    }
    const int width = rect.Width();
    const int height = rect.Height();
    const BitmapView source = EntrySource(entry, masterBitmap);
    if (width < 2 || height < 2 || entry.ImageCount <= 0 || destination.IsEmpty() || source.IsEmpty() ||
        !entry.RectInPaintRange()) {
        return;
    }
    int wl = entry.LeftWidth;
    int wt = entry.TopWidth;
    int wr = entry.RightWidth;
    int wb = entry.BottomWidth;
    // Shrink the borders of a small rectangle so that the corners meet; the right (bottom) one
    // gives up the odd pixel.
    if (width < wl + wr) {
        const int d = (wl + wr - width) / 2;
        wl -= d;
        wr -= d;
        if (width % 2 != 0) {
            wr -= 1;
        }
        wl = std::max(wl, 0);
        wr = std::max(wr, 0);
    }
    if (height < wt + wb) {
        const int d = (wt + wb - height) / 2;
        wt -= d;
        wb -= d;
        if (height % 2 != 0) {
            wb -= 1;
        }
        wt = std::max(wt, 0);
        wb = std::max(wb, 0);
    }
    state = ClampState(entry, state);
    const int w = entry.FrameWidth();
    const int h = entry.FrameHeight();
    const int mw = w - wl - wr;
    const int mh = h - wt - wb;
    if (mw < 0 || mh < 0) {
        return;
    }
    const int sx = SaturateToInt(entry.Rect.Left + static_cast<long long>(w) * state);
    const int sy = entry.Rect.Top;
    const bool masked = entry.MaskType != 0;
    const PiecePainter painter{destination, source, entry, masked, (entry.DrawMode & 1) != 0};

    auto corner = [&](int dx, int dy, int cx, int cy, int cw, int ch) {
        if (cw <= 0 || ch <= 0) {
            return;
        }
        if (masked) {
            CopyMaskedPiece(destination, dx, dy, source, {cx, cy, cx + cw, cy + ch}, background, fillCorners,
                            MaskRowOffset(entry));
        } else {
            CopyKeyedPiece(destination, dx, dy, source, {cx, cy, cx + cw, cy + ch}, TransparentKey, background,
                           fillCorners);
        }
    };

    const int l = rect.Left;
    const int t = rect.Top;
    const int r = rect.Right;
    const int b = rect.Bottom;
    corner(l, t, sx, sy, wl, wt);
    painter.Fill({l, t + wt, l + wl, b - wb}, sx, sy + wt, wl, mh);
    painter.Fill({l + wl, t, r - wr, t + wt}, sx + wl, sy, mw, wt);
    corner(l, b - wb, sx, sy + h - wb, wl, wb);
    painter.Fill({l + wl, b - wb, r - wr, b}, sx + wl, sy + h - wb, mw, wb);
    corner(r - wr, b - wb, sx + wl + mw, sy + h - wb, wr, wb);
    corner(r - wr, t, sx + wl + mw, sy, wr, wt);
    painter.Fill({r - wr, t + wt, r, b - wb}, sx + wl + mw, sy + wt, wr, mh);
    if ((entry.DrawMode & 4) != 0) {
        painter.Fill({l + wl, t + wt, r - wr, b - wb}, sx + wl, sy + wt, mw, mh);
    }
}

void PaintStateImage(const BitmapView& destination, int x, int y, int state, const ParentBackground& background,
                     const TsMaskData& entry, int mode, const BitmapView& masterBitmap)
{
    if (destination.IsEmpty() || entry.ImageCount <= 0 || !entry.RectInPaintRange()) {
        return;
    }
    state = ClampState(entry, state);
    const int w = entry.FrameWidth();
    const int h = entry.FrameHeight();
    int sx = SaturateToInt(entry.Rect.Left + static_cast<long long>(w) * state);
    int sy = entry.Rect.Top;
    if (w <= 0 || h <= 0) {
        return;
    }
    if (entry.Image) {
        const BitmapView own = entry.Image->ReadView();
        if (own.Width < entry.Rect.Right || own.Height < entry.Rect.Bottom) {
            return;
        }
        GlyphMaskCopy(destination, x, y, own, sx, sy, w, h, h, entry.MaskType > 0, mode != 1);
        return;
    }
    if (masterBitmap.IsEmpty()) {
        return;
    }
    if (entry.MaskType > 0) {
        GlyphMaskCopy(destination, x, y, masterBitmap, sx, sy, w, h, h, true, mode != 1);
        return;
    }
    // Keyed picture: skip what lies left of or above the destination's origin.
    int width = w;
    int height = h;
    if (x < 0) {
        sx -= x;
        width += x;
        x = 0;
    }
    if (y < 0) {
        sy -= y;
        height += y;
        y = 0;
    }
    if (width <= 0 || height <= 0) {
        return;
    }
    if (mode == 1) {
        CopyKeyedPiece(destination, x, y, masterBitmap, {sx, sy, sx + width, sy + height}, TransparentKey, background,
                       true);
    } else {
        BlendKeyedPiece(destination, x, y, masterBitmap, {sx, sy, sx + width, sy + height}, TransparentKey, 0.5);
    }
}

} // namespace korvane
