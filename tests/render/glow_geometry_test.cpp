#include "render/glow_geometry.h"

#include <gtest/gtest.h>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

TsMaskData GlowEntry(int width, int height, int l, int t, int r, int b)
{
    TsMaskData entry;
    entry.Rect = {0, 0, width, height};
    entry.ImageCount = 1;
    entry.DrawMode = 1;
    entry.ImgType = kImgGlow;
    entry.LeftWidth = static_cast<std::int16_t>(l);
    entry.TopWidth = static_cast<std::int16_t>(t);
    entry.RightWidth = static_cast<std::int16_t>(r);
    entry.BottomWidth = static_cast<std::int16_t>(b);
    return entry;
}

TEST(GlowLayout, ButtonWithMargin2AndBorders8GetsA87By37WindowSixPixelsOut)
{
    const GlowMargins margins = GlowMarginsOf(GlowEntry(40, 40, 8, 8, 8, 8));
    const GlowLayout layout = LayoutGlow({100, 50, 175, 75}, {0, 0, 75, 25}, margins, 2);
    EXPECT_EQ(layout.ImageWidth, 87);
    EXPECT_EQ(layout.ImageHeight, 37);
    EXPECT_EQ(layout.Cut, (PixelRect{0, 0, 87, 37}));
    EXPECT_EQ(layout.WindowX, 94);
    EXPECT_EQ(layout.WindowY, 44);
}

TEST(GlowMargins, FallBackToUniformWidthThenToTheFrameSize)
{
    TsMaskData entry = GlowEntry(63, 38, 0, 0, 0, 0);
    entry.ImageCount = 0;
    GlowMargins margins = GlowMarginsOf(entry);
    EXPECT_EQ(margins.Left, 63);
    EXPECT_EQ(margins.Top, 38);
    entry.UniformWidth = 5;
    entry.RightWidth = 9;
    margins = GlowMarginsOf(entry);
    EXPECT_EQ(margins.Left, 5);
    EXPECT_EQ(margins.Right, 9);
    EXPECT_EQ(margins.Bottom, 5);
}

TEST(GlowLayout, ControlHiddenOnTheLeftIsCutOnTheLeft)
{
    const GlowMargins margins{8, 8, 8, 8};
    // Columns 0..9 hidden by the parent's edge.
    const GlowLayout layout = LayoutGlow({100, 50, 175, 75}, {10, 0, 75, 25}, margins, 2);
    EXPECT_EQ(layout.Cut.Left, 16); // 8 + 10 - 2
    EXPECT_EQ(layout.Cut.Right, 87);
    EXPECT_EQ(layout.WindowX, 110); // 100 + 16 + 2 - 8: starts at the visible part
    EXPECT_EQ(layout.WindowY, 44);
}

TEST(GlowLayout, ControlHiddenOnTheRightAndBottomIsCutThere)
{
    const GlowMargins margins{8, 8, 8, 8};
    const GlowLayout layout = LayoutGlow({100, 50, 175, 75}, {0, 0, 60, 20}, margins, 2);
    // cr = 75 + 8 - 60 - 2 = 21; cb = 25 + 8 - 20 - 2 = 11
    EXPECT_EQ(layout.Cut, (PixelRect{0, 0, 87 - 21, 37 - 11}));
    EXPECT_EQ(layout.WindowX, 94);
}

TEST(DrawAlphaImage, OpaqueSourceGives255TimesSourcePlusDestinationOver256)
{
    Bitmap32 source = Filled(2, 2, 0xFFC86432);
    Bitmap32 destination = Filled(2, 2, 0x80102030);
    DrawAlphaImage(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 2}, false, 0, TransparentKey, false,
                   EmptyBackground);
    const std::uint32_t r = (255 * 0xC8 + 0x10) >> 8;
    const std::uint32_t g = (255 * 0x64 + 0x20) >> 8;
    const std::uint32_t b = (255 * 0x32 + 0x30) >> 8;
    EXPECT_EQ(destination.Pixel(1, 1), 0xFF000000u | (r << 16) | (g << 8) | b);
}

TEST(DrawAlphaImage, TransparencyReducesAlphaAndKeepsTheDestinationAlpha)
{
    Bitmap32 source = Filled(1, 1, 0xC8FF0000); // alpha 200, red 255
    Bitmap32 destination = Filled(1, 1, 0x40000000);
    DrawAlphaImage(destination.View(), 0, 0, source.ReadView(), {0, 0, 1, 1}, false, 50, TransparentKey, false,
                   EmptyBackground);
    // a = 50 * 200 / 100 = 100; red (255 * 100) >> 8 = 99
    EXPECT_EQ(destination.Pixel(0, 0), 0x40630000u);
}

TEST(DrawAlphaImage, KeyPixelsTakeTheBackgroundOnlyWhenFilling)
{
    Bitmap32 source = Filled(2, 1, TransparentKey);
    Bitmap32 parent = Filled(4, 4, 0xFF123456);
    Bitmap32 destination = Filled(3, 1, 0x11111111);
    DrawAlphaImage(destination.View(), -1, 0, source.ReadView(), {0, 0, 2, 1}, false, 0, TransparentKey, true,
                   BitmapBackground(parent.ReadView(), 1, 1));
    EXPECT_EQ(destination.Pixel(0, 0), 0xFF123456u); // the negative start moved both rectangles
    EXPECT_EQ(destination.Pixel(1, 0), 0x11111111u);
    DrawAlphaImage(destination.View(), 0, 0, source.ReadView(), {0, 0, 2, 1}, false, 0, TransparentKey, false,
                   BitmapBackground(parent.ReadView(), 1, 1));
    EXPECT_EQ(destination.Pixel(1, 0), 0x11111111u);
}

TEST(GlowLayout, ExtremeMarginsSaturateAndTheirPictureIsNotMade)
{
    // Margins of 32767 on every side around a 40 x 20 control: 65574 x 65554 pixels, 17 GB.
    const GlowMargins wide{32767, 32767, 32767, 32767};
    const GlowLayout big = LayoutGlow({0, 0, 40, 20}, {0, 0, 40, 20}, wide, 0);
    EXPECT_EQ(big.ImageWidth, 40 + 2 * 32767);
    EXPECT_FALSE(GlowPictureFits(big));
    // A glow margin of a damaged file: the sizes saturate instead of wrapping to small ones.
    const GlowLayout wrapped = LayoutGlow({0, 0, 40, 20}, {0, 0, 40, 20}, wide, -2147483647 - 1);
    EXPECT_EQ(wrapped.ImageWidth, 2147483647);
    EXPECT_FALSE(GlowPictureFits(wrapped));
    const GlowLayout negative = LayoutGlow({0, 0, 40, 20}, {0, 0, 40, 20}, wide, 2147483647);
    EXPECT_EQ(negative.ImageHeight, -2147483647 - 1);
    EXPECT_FALSE(GlowPictureFits(negative));
    const GlowLayout usual = LayoutGlow({0, 0, 40, 20}, {0, 0, 40, 20}, GlowMargins{5, 5, 5, 5}, 2);
    EXPECT_EQ(usual.ImageWidth, 46);
    EXPECT_TRUE(GlowPictureFits(usual));
}

} // namespace
} // namespace korvane
