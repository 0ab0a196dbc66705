#include "gfx/piece_copy.h"

#include <gtest/gtest.h>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Code;
using testing::Coded;
using testing::Filled;

TEST(CopyKeyedPiece, ColourBackgroundReplacesKeyPixelsWithFullAlpha)
{
    Bitmap32 source = Coded(3, 2);
    source.SetPixel(1, 0, TransparentKey);
    Bitmap32 destination = Filled(5, 5, 0x11111111);
    // Exclusive right and bottom, as every piece routine takes them: (0, 0, 3, 2) is the whole source.
    CopyKeyedPiece(destination.View(), 1, 2, source.ReadView(), {0, 0, 3, 2}, TransparentKey,
                   ColorBackground(0x00302010), false);
    EXPECT_EQ(destination.Pixel(1, 2), Code(0, 0));
    EXPECT_EQ(destination.Pixel(2, 2), 0xFF102030u);
    EXPECT_EQ(destination.Pixel(3, 3), Code(2, 1));
    EXPECT_EQ(destination.Pixel(4, 3), 0x11111111u);
}

TEST(CopyKeyedPiece, BitmapBackgroundWithoutFillSkipsKeyPixels)
{
    Bitmap32 source = Coded(2, 2);
    source.SetPixel(0, 0, TransparentKey);
    Bitmap32 parent = Filled(4, 4, 0xFFABCDEF);
    Bitmap32 destination = Filled(2, 2, 0x11111111);
    CopyKeyedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 2}, TransparentKey,
                   BitmapBackground(parent.View(), 0, 0), false);
    EXPECT_EQ(destination.Pixel(0, 0), 0x11111111u);
    EXPECT_EQ(destination.Pixel(1, 1), Code(1, 1));
}

TEST(CopyKeyedPiece, FillFromBitmapTakesTheParentPixelAtTheOffset)
{
    Bitmap32 source = Filled(2, 1, TransparentKey);
    source.SetPixel(1, 0, 0x00123456);
    Bitmap32 parent = Coded(8, 8);
    Bitmap32 destination = Filled(4, 4, 0x11111111);
    CopyKeyedPiece(destination.View(), 1, 1, source.ReadView(), {0, 0, 2, 1}, TransparentKey,
                   BitmapBackground(parent.View(), 3, 2), true);
    EXPECT_EQ(destination.Pixel(1, 1), Code(4, 3));
    EXPECT_EQ(destination.Pixel(2, 1), 0xFF123456u); // copied with alpha 255
}

TEST(CopyKeyedPiece, FillIntoTheBackgroundItselfSkipsKeyPixels)
{
    Bitmap32 source = Filled(2, 1, TransparentKey);
    source.SetPixel(1, 0, 0x00123456);
    Bitmap32 destination = Filled(4, 4, 0x11111111);
    CopyKeyedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 1}, TransparentKey,
                   SelfBackground(destination.View()), true);
    EXPECT_EQ(destination.Pixel(0, 0), 0x11111111u);
    EXPECT_EQ(destination.Pixel(1, 0), 0xFF123456u);
}

TEST(CopyKeyedPiece, FillFromATinyBackgroundCopiesNothing)
{
    Bitmap32 source = Coded(2, 2);
    Bitmap32 parent = Filled(1, 4, 0);
    Bitmap32 destination = Filled(2, 2, 0x11111111);
    CopyKeyedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 2}, TransparentKey,
                   BitmapBackground(parent.View(), 0, 0), true);
    EXPECT_EQ(destination.Pixel(1, 1), 0x11111111u);
}

TEST(CopyKeyedPiece, ParentColumnBeyondItsWidthEndsTheRow)
{
    Bitmap32 source = Filled(3, 1, TransparentKey);
    source.SetPixel(2, 0, 0xFF777777);
    Bitmap32 parent = Coded(3, 3);
    Bitmap32 destination = Filled(4, 2, 0x11111111);
    CopyKeyedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 3, 1}, TransparentKey,
                   BitmapBackground(parent.View(), 2, 0), true);
    EXPECT_EQ(destination.Pixel(0, 0), Code(2, 0));
    EXPECT_EQ(destination.Pixel(1, 0), 0x11111111u); // parent column 3 is outside: row ends
    EXPECT_EQ(destination.Pixel(2, 0), 0x11111111u);
}

TEST(CopyKeyedPiece, ANegativeStartOnEitherSideMovesBothAndOutsidePixelsAreSkipped)
{
    const Bitmap32 source = Coded(3, 3);
    Bitmap32 destination = Filled(2, 2, 0);
    // Left of the destination: the source start moves right with it.
    CopyKeyedPiece(destination.View(), -1, 0, source.ReadView(), {0, 1, 3, 3}, TransparentKey, ColorBackground(0),
                   false);
    EXPECT_EQ(destination.Pixel(0, 0), Code(1, 1));
    EXPECT_EQ(destination.Pixel(1, 1), Code(2, 2));
    // Left of the source: the destination start moves right with it.
    Bitmap32 shifted = Filled(2, 2, 0);
    CopyKeyedPiece(shifted.View(), 0, 0, source.ReadView(), {-1, 0, 2, 2}, TransparentKey, ColorBackground(0), false);
    EXPECT_EQ(shifted.Pixel(0, 0), 0u);
    EXPECT_EQ(shifted.Pixel(1, 0), Code(0, 0));
    EXPECT_EQ(shifted.Pixel(1, 1), Code(0, 1));
    // Wholly outside, or reaching as far as 32 bits go: nothing outside either bitmap is touched.
    Bitmap32 untouched = Filled(2, 2, 0x11111111);
    CopyKeyedPiece(untouched.View(), 0, 0, source.ReadView(), {5, 5, 8, 8}, TransparentKey, ColorBackground(0), false);
    CopyKeyedPiece(untouched.View(), 0, 0, source.ReadView(), {-2147483647, 3, 2147483647, 2147483647}, TransparentKey,
                   ColorBackground(0), false);
    EXPECT_EQ(untouched.Pixel(0, 0), 0x11111111u);
    EXPECT_EQ(untouched.Pixel(1, 1), 0x11111111u);
}

TEST(CopyMaskedPiece, BlackMaskCopiesThePictureAndWhiteKeepsAlmostTheDestination)
{
    Bitmap32 source(2, 2);
    source.SetPixel(0, 0, 0xFF806040);
    source.SetPixel(1, 0, 0xFF806040);
    source.SetPixel(0, 1, 0xFF000000); // mask black
    source.SetPixel(1, 1, 0xFFFFFFFF); // mask white
    Bitmap32 destination = Filled(2, 1, 0x33C8C8C8);
    CopyMaskedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 1}, EmptyBackground, false, 1);
    EXPECT_EQ(destination.Pixel(0, 0), 0x33806040u);
    // (255*D + S*1) / 256: red (255*20128) >> 8 = 199, green (51000 + 96) >> 8 = 199,
    // blue (51000 + 64) >> 8 = 199
    EXPECT_EQ(destination.Pixel(1, 0), 0x33C7C7C7u);
}

TEST(CopyMaskedPiece, PerChannelMaskRegressionTable)
{
    struct Case {
        std::uint8_t d, s, m, expected;
    };
    // c = ((D - S) * M + S * 256) >> 8
    const Case cases[] = {{0, 255, 0, 255},    {0, 255, 255, 0},   {255, 0, 128, 127},
                          {100, 200, 64, 175}, {200, 100, 1, 100}, {10, 20, 200, 12}};
    for (const Case& c : cases) {
        Bitmap32 source(1, 2);
        source.SetPixel(0, 0, 0xFF000000u | c.s);
        source.SetPixel(0, 1, 0xFF000000u | c.m);
        Bitmap32 destination = Filled(1, 1, 0xFF000000u | c.d);
        CopyMaskedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 1, 1}, EmptyBackground, false, 1);
        EXPECT_EQ(destination.Pixel(0, 0) & 0xFF, c.expected) << int(c.d) << " " << int(c.s) << " " << int(c.m);
    }
}

TEST(CopyMaskedPiece, KeyPixelsAreFilledFromTheBackgroundBitmapWithAlpha255)
{
    Bitmap32 source(2, 2);
    source.SetPixel(0, 0, TransparentKey);
    source.SetPixel(1, 0, 0xFF102030);
    source.SetPixel(0, 1, 0);
    source.SetPixel(1, 1, 0);
    Bitmap32 parent = Coded(6, 6);
    Bitmap32 destination = Filled(3, 3, 0x00999999);
    CopyMaskedPiece(destination.View(), 1, 1, source.ReadView(), {0, 0, 2, 1}, BitmapBackground(parent.View(), 2, 1),
                    true, 1);
    EXPECT_EQ(destination.Pixel(1, 1), Code(3, 2));
    EXPECT_EQ(destination.Pixel(2, 1), 0xFF102030u);
    EXPECT_EQ(destination.Pixel(0, 0), 0x00999999u);
}

TEST(CopyMaskedPiece, BitmapBackgroundWithoutFillMixesKeyPixelsToo)
{
    Bitmap32 source(1, 2);
    source.SetPixel(0, 0, TransparentKey);
    source.SetPixel(0, 1, 0); // black mask: the key colour itself is copied
    Bitmap32 parent = Filled(4, 4, 0);
    Bitmap32 destination = Filled(1, 1, 0x44000000);
    CopyMaskedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 1, 1}, BitmapBackground(parent.View(), 0, 0),
                    false, 1);
    EXPECT_EQ(destination.Pixel(0, 0), 0x44FF00FFu);
}

TEST(CopyMaskedPiece, ColourBackgroundWithFillWritesTheColourKeepingAlpha)
{
    Bitmap32 source(1, 2);
    source.SetPixel(0, 0, TransparentKey);
    Bitmap32 destination = Filled(1, 1, 0x44000000);
    CopyMaskedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 1, 1}, ColorBackground(0x000000FF), true, 1);
    EXPECT_EQ(destination.Pixel(0, 0), 0x44FF0000u);
}

TEST(CopyMaskedPiece, NegativeStartMovesBothRectanglesAndShrinksTheArea)
{
    Bitmap32 source(4, 2);
    for (int x = 0; x < 4; ++x) {
        source.SetPixel(x, 0, Code(x, 0));
        source.SetPixel(x, 1, 0);
    }
    Bitmap32 destination = Filled(4, 1, 0);
    CopyMaskedPiece(destination.View(), -2, 0, source.ReadView(), {0, 0, 4, 1}, EmptyBackground, false, 1);
    // Colour bytes of the picture; the destination keeps its alpha (0).
    EXPECT_EQ(destination.Pixel(0, 0), Code(2, 0) & 0x00FFFFFFu);
    EXPECT_EQ(destination.Pixel(1, 0), Code(3, 0) & 0x00FFFFFFu);
    EXPECT_EQ(destination.Pixel(2, 0), 0u);
}

TEST(BlendKeyedPiece, HalfWeightRoundsToNearestAndSkipsKeyPixels)
{
    Bitmap32 source(2, 1);
    source.SetPixel(0, 0, 0xFF0A0B0C);
    source.SetPixel(1, 0, 0xFFFF00FF); // key compared on the colour bytes
    Bitmap32 destination = Filled(2, 1, 0x20000000);
    BlendKeyedPiece(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 1}, TransparentKey, 0.5);
    // 10 - 10*0.5 = 5; 11 - 5.5 = 5.5 -> 6; 12 - 6 = 6
    EXPECT_EQ(destination.Pixel(0, 0), 0x20050606u);
    EXPECT_EQ(destination.Pixel(1, 0), 0x20000000u);
}

TEST(FillFrame, FillsFourStripsAndLeavesTheInside)
{
    Bitmap32 bitmap = Filled(6, 6, 0);
    FillFrame(bitmap.View(), {0, 0, 6, 6}, 0x0000FF, 1, 1, 1, 2);
    const std::uint32_t red = 0xFFFF0000u;
    for (int x = 0; x < 6; ++x) {
        EXPECT_EQ(bitmap.Pixel(x, 0), red);
        EXPECT_EQ(bitmap.Pixel(x, 4), red);
        EXPECT_EQ(bitmap.Pixel(x, 5), red);
    }
    EXPECT_EQ(bitmap.Pixel(0, 2), red);
    EXPECT_EQ(bitmap.Pixel(5, 3), red);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0u);
    EXPECT_EQ(bitmap.Pixel(4, 3), 0u);
}

TEST(StretchDeleteScans, ShrinkingDeletesRowsAndColumnsAndGrowingRepeatsThem)
{
    Bitmap32 source = Coded(4, 4);
    Bitmap32 small = Filled(2, 2, 0);
    StretchDeleteScans(small.View(), {0, 0, 2, 2}, source.ReadView(), {0, 0, 4, 4});
    EXPECT_EQ(small.Pixel(0, 0), Code(0, 0));
    EXPECT_EQ(small.Pixel(1, 0), Code(2, 0));
    EXPECT_EQ(small.Pixel(1, 1), Code(2, 2));
    Bitmap32 large = Filled(4, 1, 0);
    StretchDeleteScans(large.View(), {0, 0, 4, 1}, source.ReadView(), {1, 3, 3, 4});
    EXPECT_EQ(large.Pixel(0, 0), Code(1, 3));
    EXPECT_EQ(large.Pixel(1, 0), Code(1, 3));
    EXPECT_EQ(large.Pixel(2, 0), Code(2, 3));
    EXPECT_EQ(large.Pixel(3, 0), Code(2, 3));
}

} // namespace
} // namespace korvane
