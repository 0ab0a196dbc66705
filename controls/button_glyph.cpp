#include "controls/button_glyph.h"

#include <algorithm>
#include <optional>

#include "controls/grey_pixel.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "gfx/parent_background.h"
#include "gfx/piece_copy.h"
#include "render/glow_geometry.h"

namespace korvane {
namespace {

constexpr int kStateNormal = 0;
constexpr int kStateHot = 1;
constexpr int kStatePressed = 2;

// The face's share when the glyph is copied rather than blended.
constexpr double kCopy = -1;

// Puts the piece's pixels other than the key colour onto the face at (x, y), greyed first when
// asked: copied opaque for a negative face weight, else mixed keeping that share of the face.
void PutKeyedPiece(const BitmapView& face, int x, int y, const BitmapView& glyph, PixelRect piece, std::uint32_t key,
                   bool grey, double faceWeight)
{
    const std::optional<ClippedCopy> clip = ClipPieceAt(face, x, y, glyph, piece);
    if (!clip) {
        return;
    }
    const auto [dl, dt, sl, st, width, height] = *clip;
    for (int row = 0; row < height; ++row) {
        const std::uint32_t* source = glyph.Row(st + row) + sl;
        std::uint32_t* destination = face.Row(dt + row) + dl;
        for (int col = 0; col < width; ++col) {
            std::uint32_t s = source[col];
            // The key is told by the colour bytes: a glyph without alpha has no meaningful alpha byte.
            if ((s & 0x00FFFFFFu) == key) {
                continue;
            }
            if (grey) {
                s = GreyPixel(s);
            }
            if (faceWeight < 0) {
                destination[col] = s | 0xFF000000u;
                continue;
            }
            const std::uint32_t d = destination[col];
            std::uint32_t result = d & 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const double sc = (s >> shift) & 0xFF;
                const double dc = (d >> shift) & 0xFF;
                // c = round(S - (S - D) * weight)
                result |= static_cast<std::uint32_t>(std::clamp(RoundToInt(sc - (sc - dc) * faceWeight), 0, 255))
                          << shift;
            }
            destination[col] = result;
        }
    }
}

} // namespace

bool GlyphHasAlpha(const ButtonGlyph& glyph)
{
    if (glyph.BitsPerPixel != 32 || glyph.Pixels.IsEmpty()) {
        return false;
    }
    for (int y = 0; y < glyph.Pixels.Height; ++y) {
        const std::uint32_t* row = glyph.Pixels.Row(y);
        for (int x = 0; x < glyph.Pixels.Width; ++x) {
            if ((row[x] >> 24) == 255) {
                return true;
            }
        }
    }
    return false;
}

int GlyphPieceIndex(const ButtonGlyph& glyph, const GlyphLook& look)
{
    const bool fourBit = glyph.BitsPerPixel == 4;
    if (glyph.NumGlyphs <= 1 || !look.Enabled) {
        return 0;
    }
    if (look.State == kStateHot) {
        return fourBit ? 0 : 1;
    }
    if (look.State == kStatePressed) {
        const int index = look.Down ? 3 : 2;
        if (index < glyph.NumGlyphs) {
            return index;
        }
        return fourBit ? 0 : std::min(1, glyph.NumGlyphs - 1);
    }
    return 0;
}

void PaintButtonGlyph(const BitmapView& face, int x, int y, const ButtonGlyph& glyph, const GlyphLook& look)
{
    const BitmapView& pixels = glyph.Pixels;
    if (face.IsEmpty() || pixels.IsEmpty()) {
        return;
    }
    const int pieces = std::max(glyph.NumGlyphs, 1);
    const int pieceWidth = pixels.Width / pieces;
    if (pieceWidth <= 0) {
        return;
    }
    const int index = GlyphPieceIndex(glyph, look);
    const PixelRect piece{index * pieceWidth, 0, (index + 1) * pieceWidth, pixels.Height};
    const int blend = std::clamp(look.Blend, 0, 100);
    const bool normal = look.State == kStateNormal;

    if (GlyphHasAlpha(glyph)) {
        // The Blend percentage and the disabled fading are the share of the face, as for glyphs
        // without alpha.
        int transparency = normal && blend > 0 ? blend : 0;
        if (!look.Enabled && look.DisabledGlyphKind.Blended) {
            transparency = std::max(transparency, 50);
        }
        const bool grey = (!look.Enabled && look.DisabledGlyphKind.Grayed) || (normal && look.Grayed);
        DrawAlphaImage(face, x, y, pixels, piece, grey, transparency, TransparentKey, false, EmptyBackground);
        return;
    }

    const std::uint32_t key = pixels.At(piece.Left, pixels.Height - 1) & 0x00FFFFFFu;
    if (pieces > 1) {
        const bool blended = !look.Enabled && normal && blend > 0;
        PutKeyedPiece(face, x, y, pixels, piece, key, false, blended ? blend / 100.0 : kCopy);
        return;
    }
    if (look.Enabled) {
        const bool blended = normal && blend >= 1;
        PutKeyedPiece(face, x, y, pixels, piece, key, false, blended ? blend / 100.0 : kCopy);
        return;
    }
    // Greying decides nothing about the key: the key pixels are told on the glyph as it is.
    const TsDisabledGlyphKind kind = look.DisabledGlyphKind;
    PutKeyedPiece(face, x, y, pixels, piece, key, kind.Grayed, kind.Blended ? 0.5 : kCopy);
}

} // namespace korvane
