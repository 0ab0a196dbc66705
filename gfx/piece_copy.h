#pragma once

#include <cstdint>
#include <optional>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"

namespace korvane {

// Where a copy of `sourceRect` onto `destinationRect` lands once both are clipped to their
// bitmaps: the smaller of the two sizes, a negative start on either side moving both starts.
struct ClippedCopy {
    int DestinationLeft;
    int DestinationTop;
    int SourceLeft;
    int SourceTop;
    int Width;
    int Height;
};
// Nothing when no pixel is left to copy.
std::optional<ClippedCopy> ClipCopy(const PixelRect& destinationRect, const PixelRect& sourceRect,
                                    const BitmapView& destination, const BitmapView& source);

// The one clipping rule of every piece routine: `sourceRect` copied to (x, y), cut to both
// bitmaps, a negative start on either side moving both starts. Nothing when no pixel is left.
std::optional<ClippedCopy> ClipPieceAt(const BitmapView& destination, int x, int y, const BitmapView& source,
                                       const PixelRect& sourceRect);

// Every routine that copies from a source takes the destination, the destination point, the
// source and an exclusive source rectangle, in this order, and clips once with ClipPieceAt.

// Plain block copy of `sourceRect` to (dx, dy), clipped to both bitmaps.
void CopyRect(const BitmapView& destination, int dx, int dy, const BitmapView& source, const PixelRect& sourceRect);

// Nearest-neighbour stretch of `sourceRect` over `destinationRect` that deletes (or repeats)
// whole rows and columns, the colour-on-colour stretch mode: destination column x takes source
// column sourceRect.Left + x * sourceWidth / destinationWidth, rows alike. Clipped to both
// bitmaps and, when given, to `clip`; the same on every platform.
void StretchDeleteScans(const BitmapView& destination, PixelRect destinationRect, const BitmapView& source,
                        PixelRect sourceRect, const PixelRect* clip = nullptr);

// Copies `sourceRect` to (x, y) with key-colour transparency: key pixels are skipped, filled
// from the background's bitmap or replaced by its colour.
void CopyKeyedPiece(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                    std::uint32_t keyColor, const ParentBackground& background, bool fillTransparent);

// Copies a piece through a mask lying `maskOffset` rows below the picture in the source:
// c = ((D - S) * M + S * 256) >> 8 per colour channel. Key pixels are filled from the
// background when `fillTransparent` is set.
void CopyMaskedPiece(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                     const ParentBackground& background, bool fillTransparent, int maskOffset);

// Mixes the non-key pixels of `sourceRect` into the destination at (x, y):
// c = round(S - (S - D) * weight); key pixels and pixels outside either bitmap are skipped.
void BlendKeyedPiece(const BitmapView& destination, int x, int y, const BitmapView& source, const PixelRect& sourceRect,
                     std::uint32_t keyColor, double weight);

// Fills the four strips of a frame inside `rect` with one colour: the top strip over the full
// width, the left strip below it, the bottom strip right of the left strip, and the right strip
// between the top and bottom strips.
void FillFrame(const BitmapView& target, PixelRect rect, std::uint32_t color, int left, int top, int right, int bottom);

} // namespace korvane
