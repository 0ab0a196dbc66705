#include "gfx/piece_copy.h"

#include <algorithm>
#include <cstring>

#include "gfx/color_ops.h"
#include "gfx/colors.h"

namespace korvane {

std::optional<ClippedCopy> ClipCopy(const PixelRect& destinationRect, const PixelRect& sourceRect,
                                    const BitmapView& destination, const BitmapView& source)
{
    // Computed wide: the rectangles may come from a skin file and hold any 32-bit values.
    long long dl = destinationRect.Left;
    long long dt = destinationRect.Top;
    long long sl = sourceRect.Left;
    long long st = sourceRect.Top;
    long long width =
        std::min(static_cast<long long>(destinationRect.Right) - dl, static_cast<long long>(sourceRect.Right) - sl);
    long long height =
        std::min(static_cast<long long>(destinationRect.Bottom) - dt, static_cast<long long>(sourceRect.Bottom) - st);
    const long long shiftX = std::min(dl, sl);
    if (shiftX < 0) {
        dl -= shiftX;
        sl -= shiftX;
        width += shiftX;
    }
    const long long shiftY = std::min(dt, st);
    if (shiftY < 0) {
        dt -= shiftY;
        st -= shiftY;
        height += shiftY;
    }
    width = std::min({width, destination.Width - dl, source.Width - sl});
    height = std::min({height, destination.Height - dt, source.Height - st});
    if (width <= 0 || height <= 0) {
        return std::nullopt;
    }
    return ClippedCopy{static_cast<int>(dl), static_cast<int>(dt),    static_cast<int>(sl),
                       static_cast<int>(st), static_cast<int>(width), static_cast<int>(height)};
}

std::optional<ClippedCopy> ClipPieceAt(const BitmapView& destination, int x, int y, const BitmapView& source,
                                       const PixelRect& sourceRect)
{
    if (destination.IsEmpty() || source.IsEmpty()) {
        return std::nullopt;
    }
    // The destination is as large as the source rectangle, computed wide: a skin's rectangles
    // may hold any 32-bit values.
    const PixelRect destinationRect{x, y, SaturateToInt(static_cast<long long>(x) + sourceRect.Width()),
                                    SaturateToInt(static_cast<long long>(y) + sourceRect.Height())};
    return ClipCopy(destinationRect, sourceRect, destination, source);
}

void CopyRect(const BitmapView& destination, int dx, int dy, const BitmapView& source, const PixelRect& sourceRect)
{
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, dx, dy, source, sourceRect);
    if (!clip) {
        return;
    }
    for (int y = 0; y < clip->Height; ++y) {
        std::memmove(destination.Row(clip->DestinationTop + y) + clip->DestinationLeft,
                     source.Row(clip->SourceTop + y) + clip->SourceLeft, static_cast<std::size_t>(clip->Width) * 4);
    }
}

void StretchDeleteScans(const BitmapView& destination, PixelRect destinationRect, const BitmapView& source,
                        PixelRect sourceRect, const PixelRect* clipRect)
{
    const int dw = destinationRect.Width();
    const int dh = destinationRect.Height();
    const int sw = sourceRect.Width();
    const int sh = sourceRect.Height();
    if (destination.IsEmpty() || source.IsEmpty() || dw <= 0 || dh <= 0 || sw <= 0 || sh <= 0) {
        return;
    }
    PixelRect clip = ClipToBitmap(destination, destinationRect);
    if (clipRect != nullptr) {
        clip.Left = std::max(clip.Left, clipRect->Left);
        clip.Top = std::max(clip.Top, clipRect->Top);
        clip.Right = std::min(clip.Right, clipRect->Right);
        clip.Bottom = std::min(clip.Bottom, clipRect->Bottom);
    }
    if (clip.IsEmpty()) {
        return;
    }
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        const int sy = sourceRect.Top + static_cast<int>(static_cast<long long>(y - destinationRect.Top) * sh / dh);
        if (sy < 0 || sy >= source.Height) {
            continue;
        }
        const std::uint32_t* sourceRow = source.Row(sy);
        std::uint32_t* row = destination.Row(y);
        for (int x = clip.Left; x < clip.Right; ++x) {
            const int sx =
                sourceRect.Left + static_cast<int>(static_cast<long long>(x - destinationRect.Left) * sw / dw);
            if (sx >= 0 && sx < source.Width) {
                row[x] = sourceRow[sx];
            }
        }
    }
}

void CopyKeyedPiece(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                    std::uint32_t keyColor, const ParentBackground& background, bool fillTransparent)
{
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, x, y, source, sourceRect);
    if (!clip) {
        return;
    }
    const std::uint32_t key = ColorToPixel(keyColor, 0);
    const BitmapView& back = background.Bitmap;
    const bool fillFromBitmap = fillTransparent && background.IsBitmap;
    if (fillFromBitmap && (back.IsEmpty() || back.Width < 2 || back.Height < 2)) {
        return;
    }
    const bool intoBackground = fillFromBitmap && destination.SameAs(back);
    const std::uint32_t keyReplacement = ColorToPixel(background.Color, 255);
    for (int r = 0; r < clip->Height; ++r) {
        const int dy = clip->DestinationTop + r;
        const std::uint32_t* sourceRow = source.Row(clip->SourceTop + r) + clip->SourceLeft;
        std::uint32_t* row = destination.Row(dy);
        for (int c = 0; c < clip->Width; ++c) {
            const int dx = clip->DestinationLeft + c;
            const std::uint32_t s = sourceRow[c];
            if (fillFromBitmap) {
                if (s != key) {
                    row[dx] = s | 0xFF000000u;
                    continue;
                }
                if (intoBackground) {
                    continue;
                }
                const int bx = dx + background.X;
                const int by = dy + background.Y;
                if (by >= back.Height) {
                    continue;
                }
                if (bx >= back.Width || by < 0) {
                    break;
                }
                if (bx < 0) {
                    continue;
                }
                row[dx] = back.At(bx, by) | 0xFF000000u;
            } else if (background.IsBitmap) {
                if (s != key) {
                    row[dx] = s;
                }
            } else {
                row[dx] = s == key ? keyReplacement : s;
            }
        }
    }
}

void CopyMaskedPiece(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                     const ParentBackground& background, bool fillTransparent, int maskOffset)
{
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, x, y, source, sourceRect);
    if (!clip) {
        return;
    }
    const auto [dl, dt, sl, st, width, height] = *clip;
    const BitmapView& back = background.Bitmap;
    const bool mixEverything = background.IsBitmap && !fillTransparent;
    const bool fillFromBitmap = fillTransparent && background.IsBitmap && !back.IsEmpty();
    const std::uint32_t fillColor = ColorToPixel(background.Color, 0) & 0x00FFFFFFu;
    for (int row = 0; row < height; ++row) {
        const int dy = dt + row;
        const int sy = st + row;
        const int my = std::clamp(sy + maskOffset, 0, source.Height - 1);
        const std::uint32_t* sourceRow = source.Row(sy);
        const std::uint32_t* maskRow = source.Row(my);
        std::uint32_t* destinationRow = destination.Row(dy);
        for (int col = 0; col < width; ++col) {
            const int dx = dl + col;
            const std::uint32_t s = sourceRow[sl + col];
            std::uint32_t& d = destinationRow[dx];
            if (s == TransparentKey && !mixEverything) {
                if (!fillTransparent) {
                    continue;
                }
                if (!background.IsBitmap) {
                    d = (d & 0xFF000000u) | fillColor;
                    continue;
                }
                if (!fillFromBitmap) {
                    continue;
                }
                const int bx = dx + background.X;
                const int by = dy + background.Y;
                if (by >= back.Height) {
                    continue;
                }
                if (bx >= back.Width || by < 0) {
                    break;
                }
                if (bx < 0) {
                    continue;
                }
                d = back.At(bx, by) | 0xFF000000u;
                continue;
            }
            const std::uint32_t m = maskRow[sl + col];
            std::uint32_t result = fillFromBitmap ? 0xFF000000u : (d & 0xFF000000u);
            for (int shift = 0; shift < 24; shift += 8) {
                const std::int32_t dc = (d >> shift) & 0xFF;
                const std::int32_t sc = (s >> shift) & 0xFF;
                const std::int32_t mc = (m >> shift) & 0xFF;
                // c = ((D - S) * M + S * 256) >> 8
                const std::int32_t c = ((dc - sc) * mc + sc * 256) >> 8;
                result |= static_cast<std::uint32_t>(std::clamp(c, 0, 255)) << shift;
            }
            d = result;
        }
    }
}

void BlendKeyedPiece(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                     std::uint32_t keyColor, double weight)
{
    // The key is compared as a pixel's colour bytes: its red and blue exchanged.
    const std::uint32_t key = ColorToPixel(keyColor, 0) & 0x00FFFFFFu;
    // Only pixels inside both bitmaps are visited, however far the rectangle reaches.
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, x, y, source, sourceRect);
    if (!clip) {
        return;
    }
    for (int r = 0; r < clip->Height; ++r) {
        const std::uint32_t* sourceRow = source.Row(clip->SourceTop + r) + clip->SourceLeft;
        std::uint32_t* row = destination.Row(clip->DestinationTop + r) + clip->DestinationLeft;
        for (int c = 0; c < clip->Width; ++c) {
            const std::uint32_t s = sourceRow[c];
            if ((s & 0x00FFFFFFu) == key) {
                continue;
            }
            const std::uint32_t d = row[c];
            std::uint32_t result = d & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const double sc = (s >> shift) & 0xFF;
                const double dc = (d >> shift) & 0xFF;
                // c = round(S - (S - D) * weight)
                result |= static_cast<std::uint32_t>(std::clamp(RoundToInt(sc - (sc - dc) * weight), 0, 255)) << shift;
            }
            row[c] = result;
        }
    }
}

void FillFrame(const BitmapView& target, PixelRect rect, std::uint32_t color, int left, int top, int right, int bottom)
{
    FillRectColor(target, {rect.Left, rect.Top, rect.Right, rect.Top + top}, color);
    FillRectColor(target, {rect.Left, rect.Top + top, rect.Left + left, rect.Bottom}, color);
    FillRectColor(target, {rect.Left + left, rect.Bottom - bottom, rect.Right, rect.Bottom}, color);
    FillRectColor(target, {rect.Right - right, rect.Top + top, rect.Right, rect.Bottom - bottom}, color);
}

} // namespace korvane
