#include "controls/button_glyph.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

// Pixels as read from a 24-bit bitmap: alpha 0.
constexpr std::uint32_t kMagenta = 0x00FF00FF;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::uint32_t kRed = 0x00FF0000;
constexpr std::uint32_t kGreen = 0x0000FF00;
constexpr std::uint32_t kFace = 0x80101010; // half-transparent dark grey

// A glyph bitmap drawn as rows of letters: M magenta, W white, R red, G green.
Bitmap32 Glyph(const std::vector<std::string>& rows)
{
    const std::map<char, std::uint32_t> palette{{'M', kMagenta}, {'W', kWhite}, {'R', kRed}, {'G', kGreen}};
    Bitmap32 bitmap(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.SetPixel(x, y, palette.at(rows[y][x]));
        }
    }
    return bitmap;
}

// Paints the glyph at (1, 1) of a 5 x 5 face and returns the face.
Bitmap32 Painted(const Bitmap32& glyph, const GlyphLook& look, int numGlyphs = 1, int bits = 24)
{
    Bitmap32 face = Filled(5, 5, kFace);
    PaintButtonGlyph(face.View(), 1, 1, ButtonGlyph{glyph.ReadView(), numGlyphs, bits}, look);
    return face;
}

bool HasColor(const Bitmap32& bitmap, std::uint32_t color)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            if ((bitmap.Pixel(x, y) & 0x00FFFFFF) == color) {
                return true;
            }
        }
    }
    return false;
}

GlyphLook Look(int state, bool enabled, int blend = 0)
{
    GlyphLook look;
    look.State = state;
    look.Enabled = enabled;
    look.Blend = blend;
    return look;
}

TEST(ButtonGlyph, BottomLeftPixelIsTheKeyInEveryState)
{
    const Bitmap32 magentaKeyed = Glyph({"RWM", "WRW", "MWG"});
    const Bitmap32 whiteKeyed = Glyph({"RWM", "WRM", "WMG"});
    std::vector<GlyphLook> looks{Look(0, true), Look(1, true), Look(2, true), Look(0, true, 40), Look(0, false)};
    looks.push_back(Look(0, false));
    looks.back().DisabledGlyphKind = {false, true};
    looks.push_back(Look(0, false));
    looks.back().DisabledGlyphKind = {true, true};
    for (const GlyphLook& look : looks) {
        SCOPED_TRACE(look.State * 1000 + look.Enabled * 100 + look.Blend);
        const Bitmap32 noMagenta = Painted(magentaKeyed, look);
        EXPECT_FALSE(HasColor(noMagenta, 0xFF00FF));
        EXPECT_EQ(noMagenta.Pixel(3, 1), kFace); // the key pixel at the top right kept the face
        const Bitmap32 noWhite = Painted(whiteKeyed, look);
        EXPECT_FALSE(HasColor(noWhite, 0xFFFFFF));
        EXPECT_EQ(noWhite.Pixel(2, 1), kFace);
    }
    // Enabled and not blended, the other pixels are copied opaque: magenta too, when it is not the key.
    const Bitmap32 face = Painted(whiteKeyed, Look(1, true));
    EXPECT_EQ(face.Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(face.Pixel(3, 1), 0xFFFF00FF);
    EXPECT_EQ(face.Pixel(3, 3), 0xFF00FF00);
    EXPECT_EQ(face.Pixel(0, 0), kFace);
    EXPECT_EQ(face.Pixel(4, 4), kFace);
}

TEST(ButtonGlyph, SinglePieceBlendsInTheNormalStateOnly)
{
    const Bitmap32 glyph = Glyph({"RG", "MR"});
    // Blend 30, red over the face: R round(255 - 239 * 0.3) = 183, G and B round(16 * 0.3) = 5;
    // the face keeps its alpha.
    Bitmap32 face = Painted(glyph, Look(0, true, 30));
    EXPECT_EQ(face.Pixel(1, 1), 0x80B70505);
    EXPECT_EQ(face.Pixel(2, 2), 0x80B70505);
    EXPECT_EQ(face.Pixel(1, 2), kFace);
    // Hot or pressed, or Blend 0: copied opaque.
    EXPECT_EQ(Painted(glyph, Look(1, true, 30)).Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(Painted(glyph, Look(2, true, 30)).Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(Painted(glyph, Look(0, true, 0)).Pixel(1, 1), 0xFFFF0000);
}

TEST(ButtonGlyph, DisabledSinglePieceIsGreyedAndOrBlended)
{
    const Bitmap32 glyph = Glyph({"RW", "MG"});
    GlyphLook look = Look(0, false, 30); // Blend plays no part when disabled
    // dgBlended: mixed at 0.5; R round(135.5) = 136 (to even), G and B 8.
    EXPECT_EQ(Painted(glyph, look).Pixel(1, 1), 0x80880808);
    // dgGrayed: grey (255 + 0 + 0) div 3 = 85, copied opaque.
    look.DisabledGlyphKind = {false, true};
    Bitmap32 face = Painted(glyph, look);
    EXPECT_EQ(face.Pixel(1, 1), 0xFF555555);
    EXPECT_EQ(face.Pixel(2, 1), 0xFFFFFFFF);
    EXPECT_EQ(face.Pixel(1, 2), kFace);
    // Both: grey 85 mixed with 16 at 0.5 is 50.5, to even 50.
    look.DisabledGlyphKind = {true, true};
    EXPECT_EQ(Painted(glyph, look).Pixel(1, 1), 0x80323232);
    // Neither: copied as it is.
    look.DisabledGlyphKind = {false, false};
    EXPECT_EQ(Painted(glyph, look).Pixel(1, 1), 0xFFFF0000);
}

TEST(ButtonGlyph, KeyIsToldBeforeGreying)
{
    // Key grey 128; a pixel (127, 128, 129) turns grey 128 too but is part of the glyph.
    Bitmap32 glyph(2, 2);
    glyph.SetPixel(0, 0, 0x007F8081);
    glyph.SetPixel(1, 0, 0x00808080);
    glyph.SetPixel(0, 1, 0x00808080);
    glyph.SetPixel(1, 1, 0x00808080);
    GlyphLook look = Look(0, false);
    look.DisabledGlyphKind = {false, true};
    const Bitmap32 face = Painted(glyph, look);
    EXPECT_EQ(face.Pixel(1, 1), 0xFF808080);
    EXPECT_EQ(face.Pixel(2, 1), kFace);
}

TEST(ButtonGlyph, PieceIndexFollowsStateDownAndBitDepth)
{
    struct Case {
        int numGlyphs, bits, state;
        bool enabled, down;
        int piece;
    };
    const Case cases[] = {
        {4, 24, 0, true, false, 0}, {4, 24, 1, true, false, 1}, {4, 4, 1, true, false, 0},   {4, 24, 2, true, false, 2},
        {4, 24, 2, true, true, 3},  {3, 24, 2, true, true, 1},  {3, 4, 2, true, true, 0},    {2, 24, 2, true, false, 1},
        {2, 4, 2, true, false, 0},  {3, 24, 2, true, false, 2}, {4, 24, 1, false, false, 0}, {4, 24, 2, false, true, 0},
        {1, 24, 2, true, true, 0},  {0, 24, 1, true, false, 0},
    };
    for (const Case& c : cases) {
        ButtonGlyph glyph;
        glyph.NumGlyphs = c.numGlyphs;
        glyph.BitsPerPixel = c.bits;
        GlyphLook look = Look(c.state, c.enabled);
        look.Down = c.down;
        EXPECT_EQ(GlyphPieceIndex(glyph, look), c.piece)
            << c.numGlyphs << " pieces, " << c.bits << " bits, state " << c.state << (c.down ? " down" : "");
    }
}

TEST(ButtonGlyph, MultiPieceGlyphShowsItsPieceWithThatPiecesKey)
{
    // Four 2 x 2 pieces; each piece's bottom-left pixel is its key.
    const Bitmap32 glyph = Glyph({"RRGGWWRG", "MRRGWRMG"});
    // Hot: piece 1 (columns 2, 3), key red: only its green pixels are painted.
    Bitmap32 face = Painted(glyph, Look(1, true), 4);
    EXPECT_EQ(face.Pixel(1, 1), 0xFF00FF00);
    EXPECT_EQ(face.Pixel(2, 1), 0xFF00FF00);
    EXPECT_EQ(face.Pixel(1, 2), kFace);
    EXPECT_EQ(face.Pixel(2, 2), 0xFF00FF00);
    // Pressed and Down: piece 3, key magenta.
    GlyphLook pressed = Look(2, true);
    pressed.Down = true;
    face = Painted(glyph, pressed, 4);
    EXPECT_EQ(face.Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(face.Pixel(1, 2), kFace);
    EXPECT_EQ(face.Pixel(2, 2), 0xFF00FF00);
    // Enabled in the normal state, Blend leaves several pieces alone; disabled it blends.
    EXPECT_EQ(Painted(glyph, Look(0, true, 50), 4).Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(Painted(glyph, Look(0, false, 50), 4).Pixel(1, 1), 0x80880808);
}

TEST(ButtonGlyph, AlphaGlyphIsComposited)
{
    // A 32-bit glyph with an opaque pixel: composited, ((S - D) * a + D * 256) >> 8.
    Bitmap32 glyph(2, 1);
    glyph.SetPixel(0, 0, 0xFFC86432); // R 200, G 100, B 50, opaque
    glyph.SetPixel(1, 0, 0x00FFFFFF); // fully transparent
    Bitmap32 face = Painted(glyph, Look(1, true), 1, 32);
    // R (184 * 255 + 4096) >> 8 = 199, G (84 * 255 + 4096) >> 8 = 99, B (34 * 255 + 4096) >> 8 = 49;
    // alpha max(0x80, 255).
    EXPECT_EQ(face.Pixel(1, 1), 0xFFC76331);
    EXPECT_EQ(face.Pixel(2, 1), kFace);
    // Blend 40 in the normal state: alpha (100 - 40) * 255 / 100 = 153, face alpha kept.
    // R (184 * 153 + 4096) >> 8 = 125, G (84 * 153 + 4096) >> 8 = 66, B (34 * 153 + 4096) >> 8 = 36.
    face = Painted(glyph, Look(0, true, 40), 1, 32);
    EXPECT_EQ(face.Pixel(1, 1), 0x807D4224);
    // Disabled with dgBlended and dgGrayed: grey (200 + 100 + 50) div 3 = 116 at alpha 50 * 255 / 100 =
    // 127: (100 * 127 + 4096) >> 8 = 65.
    GlyphLook disabled = Look(1, false);
    disabled.DisabledGlyphKind = {true, true};
    face = Painted(glyph, disabled, 1, 32);
    EXPECT_EQ(face.Pixel(1, 1), 0x80414141);
}

TEST(ButtonGlyph, ThirtyTwoBitGlyphWithoutOpaquePixelsIsKeyed)
{
    // Read from a 32-bit bitmap whose alpha bytes are all 0: drawn like a 24-bit glyph.
    const Bitmap32 glyph = Glyph({"RW", "MG"});
    const Bitmap32 face = Painted(glyph, Look(1, true), 1, 32);
    EXPECT_EQ(face.Pixel(1, 1), 0xFFFF0000);
    EXPECT_EQ(face.Pixel(1, 2), kFace);
    EXPECT_FALSE(GlyphHasAlpha(ButtonGlyph{glyph.ReadView(), 1, 32}));
}

TEST(ButtonGlyph, GlyphIsClippedToTheFace)
{
    const Bitmap32 glyph = Glyph({"RWG", "GRW", "MWR"});
    Bitmap32 face = Filled(2, 2, kFace);
    PaintButtonGlyph(face.View(), -1, -1, ButtonGlyph{glyph.ReadView(), 1, 24}, Look(1, true));
    // Face (0, 0) shows glyph (1, 1).
    EXPECT_EQ(face.Pixel(0, 0), 0xFFFF0000);
    EXPECT_EQ(face.Pixel(1, 0), 0xFFFFFFFF);
    EXPECT_EQ(face.Pixel(0, 1), 0xFFFFFFFF);
    EXPECT_EQ(face.Pixel(1, 1), 0xFFFF0000);
    face = Filled(2, 2, kFace);
    PaintButtonGlyph(face.View(), 0, 0, ButtonGlyph{}, Look(1, true));
    PaintButtonGlyph(face.View(), 2, 0, ButtonGlyph{glyph.ReadView(), 1, 24}, Look(1, true));
    EXPECT_TRUE(face.SamePixels(Filled(2, 2, kFace)));
}

} // namespace
} // namespace korvane
