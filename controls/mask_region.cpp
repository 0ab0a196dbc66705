#include "controls/mask_region.h"

#include <algorithm>
#include <array>

#include "gfx/colors.h"
#include "render/state_image.h"

namespace korvane {
namespace {

// One corner piece: its rectangle in the source and where its top-left lands on the face.
struct CornerPiece {
    PixelRect Source;
    int X = 0;
    int Y = 0;
};

// Narrows two opposite borders that do not fit in `size` by half the excess each, the second by
// one more for an odd size; neither below 0.
void FitBorders(int size, int& first, int& second)
{
    if (size >= first + second) {
        return;
    }
    const int excess = (first + second - size) / 2;
    first -= excess;
    second -= excess;
    if (size % 2 != 0) {
        second -= 1;
    }
    first = std::max(first, 0);
    second = std::max(second, 0);
}

// The four corner pieces the borders mask paints over `rect`, in painting order; none when it
// paints nothing.
std::vector<CornerPiece> CornerPieces(const TsMaskData& entry, const BitmapView& source, PixelRect rect, int state)
{
    const int width = rect.Width();
    const int height = rect.Height();
    if ((state == 0 && (entry.DrawMode & 2) != 0) || width < 2 || height < 2 || entry.ImageCount <= 0 ||
        source.IsEmpty()) {
        return {};
    }
    int wl = entry.LeftWidth;
    int wt = entry.TopWidth;
    int wr = entry.RightWidth;
    int wb = entry.BottomWidth;
    FitBorders(width, wl, wr);
    FitBorders(height, wt, wb);
    state = std::clamp(state, 0, entry.ImageCount - 1);
    const int w = entry.FrameWidth();
    const int h = entry.FrameHeight();
    const int mw = w - wl - wr;
    const int mh = h - wt - wb;
    if (mw < 0 || mh < 0) {
        return {};
    }
    const int sx = entry.Rect.Left + w * state;
    const int sy = entry.Rect.Top;
    const int rightX = sx + wl + mw;
    const int bottomY = sy + h - wb;
    return {
        {{sx, sy, sx + wl, sy + wt}, rect.Left, rect.Top},
        {{sx, bottomY, sx + wl, bottomY + wb}, rect.Left, rect.Bottom - wb},
        {{rightX, bottomY, rightX + wr, bottomY + wb}, rect.Right - wr, rect.Bottom - wb},
        {{rightX, sy, rightX + wr, sy + wt}, rect.Right - wr, rect.Top},
    };
}

// Appends the runs of key pixels of one corner piece, in face coordinates, cut to the face and to
// the source.
void AppendKeyRuns(std::vector<PixelRect>& runs, const BitmapView& face, const BitmapView& source,
                   const CornerPiece& corner)
{
    const PixelRect& piece = corner.Source;
    // Source columns and rows that exist and land on the face.
    const int left = std::max({piece.Left, 0, piece.Left - corner.X});
    const int top = std::max({piece.Top, 0, piece.Top - corner.Y});
    const int right = std::min({piece.Right, source.Width, piece.Left + face.Width - corner.X});
    const int bottom = std::min({piece.Bottom, source.Height, piece.Top + face.Height - corner.Y});
    const int dx = corner.X - piece.Left;
    const int dy = corner.Y - piece.Top;
    for (int y = top; y < bottom; ++y) {
        const std::uint32_t* row = source.Row(y);
        int x = left;
        while (x < right) {
            if (row[x] != TransparentKey) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < right && row[x] == TransparentKey) {
                ++x;
            }
            runs.push_back({start + dx, y + dy, x + dx, y + dy + 1});
        }
    }
}

} // namespace

std::vector<PixelRect> CutRegionFromMask(const BitmapView& face, const TsMaskData& entry,
                                         const BitmapView& masterBitmap, int state, const ParentBackground& background,
                                         bool fillCorners)
{
    if (face.IsEmpty()) {
        return {};
    }
    TsMaskData oneState;
    const TsMaskData* used = &entry;
    if (entry.ImageCount < 1) {
        oneState = entry;
        oneState.ImageCount = 1;
        used = &oneState;
    }
    const PixelRect whole{0, 0, face.Width, face.Height};
    PaintBordersMask(face, whole, background, *used, state, fillCorners, masterBitmap);

    const BitmapView source = EntrySource(*used, masterBitmap);
    std::vector<PixelRect> runs;
    for (const CornerPiece& corner : CornerPieces(*used, source, whole, state)) {
        AppendKeyRuns(runs, face, source, corner);
    }
    return runs;
}

std::vector<PixelRect> LeftCornerStrips(const PixelRect& before, const PixelRect& now, const TsMaskData& mask)
{
    if (before.IsEmpty() || (now.Width() >= before.Width() && now.Height() >= before.Height()))
        return {};
    const int right = mask.RightWidth;
    const int bottom = mask.BottomWidth;
    std::vector<PixelRect> strips;
    const auto add = [&](PixelRect strip) {
        if (!strip.IsEmpty())
            strips.push_back(strip);
    };
    add({before.Right - right, before.Top, before.Right, before.Top + mask.TopWidth});
    add({before.Right - right, before.Bottom - bottom, before.Right, before.Bottom});
    add({before.Left, before.Bottom - bottom, before.Left + mask.LeftWidth, before.Bottom});
    return strips;
}

} // namespace korvane
