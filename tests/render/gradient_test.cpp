#include "render/gradient.h"

#include <gtest/gtest.h>

#include <random>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

GradientStep Step(std::int32_t c1, std::int32_t c2, int percent, int mode)
{
    GradientStep step;
    step.Color1 = c1;
    step.Color2 = c2;
    step.Percent = static_cast<std::uint8_t>(percent);
    step.Mode = mode;
    return step;
}

TEST(GradientData, TwoHorizontalElementsCoverFiftyTwoPercentAndTheRest)
{
    const TsGradArray steps = ParseGradientData(u"16777215;5062200;52;1;0;5062200;0;2;1;0");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].Color1, 16777215);
    EXPECT_EQ(steps[0].Color2, 5062200);
    EXPECT_EQ(steps[0].Percent, 52);
    EXPECT_EQ(steps[0].Mode, 1);
    EXPECT_EQ(steps[1].Color1, 5062200);
    EXPECT_EQ(steps[1].Color2, 0);
    EXPECT_EQ(steps[1].Percent, 2);
    EXPECT_EQ(steps[1].Mode, 1);
}

TEST(GradientData, IncompleteGroupsAreIgnored)
{
    EXPECT_EQ(ParseGradientData(u"1;2;3;4;5;6;7").size(), 1u);
    EXPECT_TRUE(ParseGradientData(u"1;2;3;4").empty());
    EXPECT_TRUE(ParseGradientData(u"N/A").empty());
}

TEST(PaintGradient, VerticalElementsShareTheirBoundaryRowAndTheLaterWins)
{
    Bitmap32 bitmap = Filled(2, 10, 0);
    // Element 0 covers rows 0..5 (10 * 50 / 100 = 5), element 1 rows 5..9.
    const TsGradArray steps{Step(0x000000, 0x0000FF, 50, 0), Step(0x00FF00, 0x00FF00, 0, 0)};
    PaintGradient(bitmap.View(), {0, 0, 2, 10}, steps);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(bitmap.Pixel(1, 1), 0xFF330000u); // red 255 / 5 = 51 per row
    EXPECT_EQ(bitmap.Pixel(0, 4), 0xFFCC0000u);
    EXPECT_EQ(bitmap.Pixel(0, 5), 0xFF00FF00u); // shared row: the second element's green
    EXPECT_EQ(bitmap.Pixel(1, 9), 0xFF00FF00u);
}

TEST(PaintGradient, ChannelsAccumulateAndRoundToNearest)
{
    Bitmap32 bitmap = Filled(1, 4, 0);
    const TsGradArray steps{Step(0x000000, 0x000001, 100, 0)}; // red 0 -> 1 over 3 rows
    PaintGradient(bitmap.View(), {0, 0, 1, 4}, steps);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF000000u);
    EXPECT_EQ(bitmap.Pixel(0, 1), 0xFF000000u); // 0.333
    EXPECT_EQ(bitmap.Pixel(0, 2), 0xFF010000u); // 0.667
    EXPECT_EQ(bitmap.Pixel(0, 3), 0xFF010000u);
}

TEST(PaintGradient, HorizontalComputesOneRowAndCopiesIt)
{
    Bitmap32 bitmap = Filled(12, 3, 0);
    // Element 0 ends at round(0 + 50 * 11 / 100 ... ) of width 11: round(5.5) = 6.
    const TsGradArray steps{Step(0x0000FF, 0x0000FF, 50, 1), Step(0xFF0000, 0xFF0000, 50, 1)};
    PaintGradient(bitmap.View(), {1, 0, 12, 3}, steps);
    EXPECT_EQ(bitmap.Pixel(0, 1), 0u);
    EXPECT_EQ(bitmap.Pixel(6, 2), 0xFFFF0000u);
    EXPECT_EQ(bitmap.Pixel(7, 2), 0xFF0000FFu);
    EXPECT_EQ(bitmap.Pixel(11, 0), 0xFF0000FFu);
}

TEST(PaintGradient, EmptyListsOtherModesAndMissingPlatformFillPaintNothing)
{
    Bitmap32 bitmap = Filled(4, 4, 0x12345678);
    PaintGradient(bitmap.View(), {0, 0, 4, 4}, {});
    PaintGradient(bitmap.View(), {0, 0, 4, 4}, {Step(0, 0xFFFFFF, 100, 3)});
    SetTriangleGradientFill(nullptr);
    PaintGradient(bitmap.View(), {0, 0, 4, 4}, {Step(0, 0xFFFFFF, 100, 2)});
#ifdef _WIN32
    SetTriangleGradientFill(Win32TriangleGradientFill);
#endif
    EXPECT_TRUE(bitmap.SamePixels(Filled(4, 4, 0x12345678)));
}

#ifdef _WIN32
TEST(PaintGradient, FourTrianglesAreFilledByGdiOnWindows)
{
    Bitmap32 bitmap = Filled(41, 41, 0);
    // top-left red, centre green, top-right blue, bottom-right and bottom-left the previous (blue)
    PaintGradient(bitmap.View(), {0, 0, 41, 41},
                  {Step(0x0000FF, 0, 0, 2), Step(0x00FF00, 0, 0, 2), Step(0xFF0000, 0, 0, 2)});
    const std::uint32_t topLeft = bitmap.Pixel(0, 0);
    EXPECT_GE((topLeft >> 16) & 0xFF, 0xF0u);
    EXPECT_LE(topLeft & 0xFF, 0x10u);
    const std::uint32_t centre = bitmap.Pixel(20, 20);
    EXPECT_GE((centre >> 8) & 0xFF, 0xE0u);
    const std::uint32_t bottom = bitmap.Pixel(20, 40);
    EXPECT_GE(bottom & 0xFF, 0xE0u); // the bottom edge runs between two blue vertices
}
#endif

TEST(PaintGradient, FourTrianglesHandTheirVerticesToThePlatform)
{
    const auto vertices = TriangleGradientVertices({0, 0, 10, 6}, {Step(0x0000FF, 0, 0, 2), Step(0x00FF00, 0, 0, 2)});
    EXPECT_EQ(vertices[0].Red, 0xFF00);
    EXPECT_EQ(vertices[1].X, 5);
    EXPECT_EQ(vertices[1].Y, 3);
    EXPECT_EQ(vertices[1].Green, 0xFF00);
    EXPECT_EQ(vertices[4].Green, 0xFF00); // shorter list: previous vertex's colour
    EXPECT_EQ(vertices[4].Red, 0);
    EXPECT_EQ(vertices[3].X, 10);
    EXPECT_EQ(vertices[3].Y, 6);
    EXPECT_EQ(vertices[2].Alpha, 0xFF00);
}

TEST(TexturedGradient, MixesTextureIntoTheGradientByWeight)
{
    Bitmap32 tile(2, 2);
    tile.SetPixel(0, 0, 0xFF000000);
    tile.SetPixel(1, 0, 0xFFFFFFFF);
    tile.SetPixel(0, 1, 0xFF808080);
    tile.SetPixel(1, 1, 0xFF101010);
    Bitmap32 bitmap = Filled(3, 3, 0);
    const TsGradArray steps{Step(0x646464, 0x646464, 100, 0)};
    PaintTexturedGradient(bitmap.View(), {0, 0, 3, 3}, steps, 40, {0, 0, 2, 2}, tile.ReadView());
    // c = G + (((T - G) * w) >> 8) with G = 100, w = 40
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF545454u); // 100 + (-4000 >> 8) = 100 - 16 = 84
    EXPECT_EQ(bitmap.Pixel(1, 0), 0xFF7C7C7Cu); // 100 + (6200 >> 8) = 124
    EXPECT_EQ(bitmap.Pixel(2, 0), 0xFF545454u); // the tile repeats from the origin
    EXPECT_EQ(bitmap.Pixel(1, 1), 0xFF565656u); // 100 + (-3360 >> 8) = 100 - 14 = 86
    EXPECT_EQ(bitmap.Pixel(0, 2), 0xFF545454u);
}

TEST(TexturedGradient, HorizontalRepeatsTheTextureEveryTileHeight)
{
    std::mt19937 random(5);
    Bitmap32 tile(3, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 3; ++x) {
            tile.SetPixel(x, y, static_cast<std::uint32_t>(random()));
        }
    }
    const TsGradArray horizontal{Step(0x102030, 0xA0B0C0, 100, 1)};
    Bitmap32 bitmap = Filled(7, 11, 0);
    PaintTexturedGradient(bitmap.View(), {0, 0, 7, 11}, horizontal, 200, {0, 0, 3, 4}, tile.ReadView());
    for (int y = 4; y < 11; ++y) {
        for (int x = 0; x < 7; ++x) {
            ASSERT_EQ(bitmap.Pixel(x, y), bitmap.Pixel(x, y - 4)) << x << "," << y;
        }
    }
    EXPECT_NE(bitmap.Pixel(0, 0), bitmap.Pixel(0, 1));
}

TEST(TexturedGradient, MatchesTheGradientMixedPixelByPixelOnRandomRectangles)
{
    std::mt19937 random(11);
    for (int round = 0; round < 60; ++round) {
        const int tw = 1 + static_cast<int>(random() % 9);
        const int th = 1 + static_cast<int>(random() % 9);
        Bitmap32 tiles(tw + 3, th + 2);
        for (int y = 0; y < tiles.Height(); ++y) {
            for (int x = 0; x < tiles.Width(); ++x) {
                tiles.SetPixel(x, y, static_cast<std::uint32_t>(random()));
            }
        }
        const int mode = static_cast<int>(random() % 2);
        const TsGradArray steps{Step(static_cast<std::int32_t>(random() & 0xFFFFFF),
                                     static_cast<std::int32_t>(random() & 0xFFFFFF), static_cast<int>(random() % 101),
                                     mode),
                                Step(static_cast<std::int32_t>(random() & 0xFFFFFF),
                                     static_cast<std::int32_t>(random() & 0xFFFFFF), 50, mode)};
        const int w = 2 + static_cast<int>(random() % 40);
        const int h = 2 + static_cast<int>(random() % 30);
        const PixelRect rect{static_cast<int>(random() % 5), static_cast<int>(random() % 5), w, h};
        const PixelRect tile{2, 1, 2 + tw, 1 + th};
        const int weight = static_cast<int>(random() % 256);
        Bitmap32 textured = Filled(w, h, 0x01020304);
        PaintTexturedGradient(textured.View(), rect, steps, weight, tile, tiles.ReadView());
        Bitmap32 gradient = Filled(w, h, 0x01020304);
        PaintGradient(gradient.View(), rect, steps);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                const bool inside = x >= rect.Left && y >= rect.Top;
                std::uint32_t expected = gradient.Pixel(x, y);
                if (inside && expected != 0x01020304u) {
                    const std::uint32_t t = tiles.Pixel(tile.Left + x % tw, tile.Top + y % th);
                    std::uint32_t mixed = 0xFF000000u;
                    for (int shift = 0; shift < 24; shift += 8) {
                        const int g = (expected >> shift) & 0xFF;
                        const int c = (t >> shift) & 0xFF;
                        mixed |= static_cast<std::uint32_t>(g + (((c - g) * weight) >> 8)) << shift;
                    }
                    expected = mixed;
                }
                ASSERT_EQ(textured.Pixel(x, y), expected) << "round " << round << " at " << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace korvane
