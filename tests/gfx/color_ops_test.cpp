#include "gfx/color_ops.h"

#include <gtest/gtest.h>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

TEST(MixColors, MixesEachChannelRoundedAndKeepsTheTopByteOfTheFirst)
{
    struct Case {
        std::uint32_t a, b;
        double p;
        std::uint32_t expected;
    };
    const Case cases[] = {
        {0x00FFFFFF, 0x00000000, 0.5, 0x00808080}, // 127.5 -> 128, the even neighbour
        {0x00000000, 0x00FFFFFF, 0.5, 0x00808080}, {0x12102030, 0x00FFFFFF, 1.0, 0x12102030},
        {0x12102030, 0x34FFFFFF, 0.0, 0x12FFFFFF}, {0x000000C8, 0x00000064, 0.3, 0x00000082}, // 0.3*200 + 0.7*100 = 130
        {0x00010203, 0x00000000, 0.5, 0x00000102}, // 0.5, 1.0, 1.5 -> 0, 1, 2: ties to even
        {0x00000005, 0x00000000, 0.5, 0x00000002}, // 2.5 -> 2
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MixColors(c.a, c.b, c.p), c.expected) << std::hex << c.a << " " << c.b << " " << c.p;
    }
}

TEST(FillRectColor, WritesTheColourWithFullAlphaInsideTheRectangleOnly)
{
    Bitmap32 bitmap = Filled(4, 3, 0);
    FillRectColor(bitmap.View(), {1, 1, 3, 3}, 0x00332211); // red 0x11, green 0x22, blue 0x33
    EXPECT_EQ(bitmap.Pixel(1, 1), 0xFF112233u);
    EXPECT_EQ(bitmap.Pixel(2, 2), 0xFF112233u);
    EXPECT_EQ(bitmap.Pixel(0, 1), 0u);
    EXPECT_EQ(bitmap.Pixel(3, 2), 0u);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0u);
}

TEST(FillRectColor, ClipsARectangleReachingOutsideTheBitmap)
{
    Bitmap32 bitmap = Filled(2, 2, 0);
    FillRectColor(bitmap.View(), {-5, -5, 1, 10}, 0x0000FF);
    EXPECT_EQ(bitmap.Pixel(0, 1), 0xFFFF0000u);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0u);
}

TEST(TintRect, MixesTheColourIntoEveryChannelAndKeepsAlpha)
{
    Bitmap32 bitmap = Filled(3, 2, 0x40C86432);            // alpha 0x40, red 200, green 100, blue 50
    TintRect(bitmap.View(), {0, 0, 2, 2}, 30, 0x000A0B0C); // red 12, green 11, blue 10
    // red round(0.3*200 + 0.7*12) = 68.4 -> 68; green round(30 + 7.7) = 38; blue round(15 + 7) = 22
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x40442616u);
    EXPECT_EQ(bitmap.Pixel(2, 1), 0x40C86432u);
}

TEST(ShiftHue, TurnsPrimaryColoursAroundTheWheel)
{
    EXPECT_EQ(ShiftPixelHue(0xFFFF0000u, 120), 0xFF00FF00u); // red -> green
    EXPECT_EQ(ShiftPixelHue(0xFFFF0000u, 240), 0xFF0000FFu); // red -> blue
    EXPECT_EQ(ShiftPixelHue(0xFFFF0000u, -120), 0xFF0000FFu);
    EXPECT_EQ(ShiftPixelHue(0x80FF8000u, 60), 0x8080FF00u); // orange (hue 30.1) -> hue 90: red 127.5
}

TEST(ShiftHue, LeavesKeyColourGreyPixelsAndAlphaAlone)
{
    EXPECT_EQ(ShiftPixelHue(0x00FF00FFu, 90), 0x00FF00FFu);
    EXPECT_EQ(ShiftPixelHue(0xFF808080u, 90), 0xFF808080u);
    Bitmap32 bitmap = Filled(2, 2, 0x7F0000FF);
    ShiftHue(bitmap.View(), 120);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0x7FFF0000u); // blue -> red, alpha kept
}

TEST(ShiftSaturation, PushesChannelsAwayFromOrTowardTheirMean)
{
    // mean of (120, 60, 30) is 70: red 120 + 50*0.5 = 145, green 60 - 10*0.5 = 55, blue 30 - 40*0.5 = 10
    EXPECT_EQ(ShiftPixelSaturation(0xFF783C1Eu, 50), 0xFF91370Au);
    // negative: red 120 - 25 = 95, green 65, blue 50
    EXPECT_EQ(ShiftPixelSaturation(0xFF783C1Eu, -50), 0xFF5F4132u);
    // clamped to 0..255
    EXPECT_EQ(ShiftPixelSaturation(0xFFFF0000u, 100), 0xFFFF0000u);
    EXPECT_EQ(ShiftPixelSaturation(0xFFFF0000u, -100), 0xFF555555u);
    EXPECT_EQ(ShiftPixelSaturation(0x00FF00FFu, 100), 0x00FF00FFu);
    EXPECT_EQ(ShiftPixelSaturation(0xFF404040u, 100), 0xFF404040u);
}

} // namespace
} // namespace korvane
