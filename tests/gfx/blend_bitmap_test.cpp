#include "gfx/blend_bitmap.h"

#include <gtest/gtest.h>

#include <random>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

void FillRandom(Bitmap32& bitmap, std::mt19937& random)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        for (int x = 0; x < bitmap.Width(); ++x) {
            bitmap.SetPixel(x, y, static_cast<std::uint32_t>(random()));
        }
    }
}

struct BlendCase {
    std::uint8_t destination;
    std::uint8_t source;
    int weight;
    std::uint8_t expected;
};

// d = (d*a + s*(255-a) + 127) >> 8, worked out by hand.
const BlendCase kBlendCases[] = {
    {0, 0, 0, 0},       {255, 255, 0, 254},   {255, 255, 255, 254}, {0, 255, 0, 254},
    {255, 0, 255, 254}, {200, 100, 127, 149}, {200, 100, 128, 150}, {10, 250, 242, 22},
    {255, 0, 1, 1},     {1, 2, 128, 1},       {128, 64, 40, 74},    {0, 255, 128, 127},
};

TEST(BlendBitmap, EveryByteFollowsTheRoundedWeightedSumTable)
{
    for (const BlendCase& c : kBlendCases) {
        for (PixelPath path : {PixelPath::Scalar, PixelPath::Simd}) {
            const std::uint32_t d = c.destination * 0x01010101u;
            const std::uint32_t s = c.source * 0x01010101u;
            Bitmap32 destination = Filled(5, 2, d);
            Bitmap32 source = Filled(5, 2, s);
            BlendBitmap(destination.View(), 0, 0, source.ReadView(), {0, 0, 5, 2}, c.weight, path);
            EXPECT_EQ(destination.Pixel(4, 1), c.expected * 0x01010101u)
                << int(c.destination) << " " << int(c.source) << " " << c.weight;
        }
    }
}

TEST(BlendBitmap, HalfTransparencyOverParentGivesParentWeight127)
{
    Bitmap32 parent = Filled(4, 4, 0xFF204060);
    Bitmap32 section = Filled(4, 4, 0xFFA0C0E0);
    const int a = 50 * 255 / 100; // 127
    BlendBitmap(parent.View(), 0, 0, section.ReadView(), {0, 0, 4, 4}, a);
    const std::uint32_t expected = 0xFE000000u | (((0x20 * 127 + 0xA0 * 128 + 127) >> 8) << 16) |
                                   (((0x40 * 127 + 0xC0 * 128 + 127) >> 8) << 8) |
                                   ((0x60 * 127 + 0xE0 * 128 + 127) >> 8);
    EXPECT_EQ(parent.Pixel(3, 3), expected);
}

TEST(BlendBitmap, NegativeDestinationMovesTheSourceStart)
{
    Bitmap32 destination = Filled(3, 3, 0);
    Bitmap32 source(4, 4);
    for (int y = 0; y < 4; ++y) {
        for (int x = 0; x < 4; ++x) {
            source.SetPixel(x, y, static_cast<std::uint32_t>(y * 4 + x) * 10);
        }
    }
    BlendBitmap(destination.View(), -1, -2, source.ReadView(), {0, 0, 4, 4}, 0);
    // Weight 0 gives (s*255 + 127) >> 8 per byte; destination (0,0) takes source (1,2) = 90.
    EXPECT_EQ(destination.Pixel(0, 0), (90u * 255 + 127) >> 8);
    EXPECT_EQ(destination.Pixel(2, 1), (150u * 255 + 127) >> 8);
    EXPECT_EQ(destination.Pixel(0, 2), 0u);
}

TEST(BlendBitmap, BitmapsBelowTwoByTwoAreLeftAlone)
{
    Bitmap32 destination = Filled(1, 5, 0x11111111);
    Bitmap32 source = Filled(5, 5, 0x99999999);
    BlendBitmap(destination.View(), 0, 0, source.ReadView(), {0, 0, 5, 5}, 0);
    EXPECT_EQ(destination.Pixel(0, 0), 0x11111111u);
    Bitmap32 wide = Filled(5, 5, 0x11111111);
    Bitmap32 thin = Filled(5, 1, 0x99999999);
    BlendBitmap(wide.View(), 0, 0, thin.ReadView(), {0, 0, 5, 1}, 0);
    EXPECT_EQ(wide.Pixel(0, 0), 0x11111111u);
}

TEST(BlendBitmap, SimdPathGivesTheScalarBytesOnRandomSizesAndOffsets)
{
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        const int dw = 2 + static_cast<int>(random() % 70);
        const int dh = 2 + static_cast<int>(random() % 9);
        const int sw = 2 + static_cast<int>(random() % 70);
        const int sh = 2 + static_cast<int>(random() % 9);
        Bitmap32 source(sw, sh);
        FillRandom(source, random);
        Bitmap32 scalar(dw, dh);
        FillRandom(scalar, random);
        Bitmap32 simd = scalar;
        const int weight = static_cast<int>(random() % 256);
        const int dx = static_cast<int>(random() % 20) - 5;
        const int dy = static_cast<int>(random() % 6) - 2;
        const PixelRect rect{static_cast<int>(random() % 10) - 2, static_cast<int>(random() % 3) - 1,
                             static_cast<int>(random() % 80), static_cast<int>(random() % 12)};
        BlendBitmap(scalar.View(), dx, dy, source.ReadView(), rect, weight, PixelPath::Scalar);
        BlendBitmap(simd.View(), dx, dy, source.ReadView(), rect, weight, PixelPath::Simd);
        ASSERT_TRUE(scalar.SamePixels(simd)) << "round " << round;
    }
}

TEST(FadeFrame, SimdPathGivesTheScalarBytesOnRandomPictures)
{
    std::mt19937 random(77);
    for (int round = 0; round < 100; ++round) {
        const int w = 1 + static_cast<int>(random() % 90); // every remainder of 8 and of 4
        const int h = 1 + static_cast<int>(random() % 5);
        Bitmap32 oldPicture(w, h);
        Bitmap32 newPicture(w, h);
        FillRandom(oldPicture, random);
        FillRandom(newPicture, random);
        Bitmap32 scalar(w, h);
        Bitmap32 simd(w, h);
        const int alpha = static_cast<int>(random() % 256);
        PaintFadeFrame(scalar.View(), oldPicture.ReadView(), newPicture.ReadView(), alpha, PixelPath::Scalar);
        PaintFadeFrame(simd.View(), oldPicture.ReadView(), newPicture.ReadView(), alpha, PixelPath::Simd);
        ASSERT_TRUE(scalar.SamePixels(simd)) << "round " << round;
    }
}

TEST(FadeFrame, PicturesWithGapsBetweenRowsAreBlendedRowByRow)
{
    // Views into wider bitmaps: their rows do not follow each other, so no long row may run
    // over the gap, and the columns beyond the view stay as they were.
    std::mt19937 random(5);
    Bitmap32 oldWide(40, 6);
    Bitmap32 newWide(40, 6);
    FillRandom(oldWide, random);
    FillRandom(newWide, random);
    Bitmap32 scalar(40, 6);
    FillRandom(scalar, random);
    Bitmap32 simd = scalar;
    const auto part = [](const BitmapView& view) { return BitmapView{view.Data, 13, view.Height, view.Stride}; };
    PaintFadeFrame(part(scalar.View()), part(oldWide.ReadView()), part(newWide.ReadView()), 100, PixelPath::Scalar);
    PaintFadeFrame(part(simd.View()), part(oldWide.ReadView()), part(newWide.ReadView()), 100, PixelPath::Simd);
    EXPECT_TRUE(scalar.SamePixels(simd));
    Bitmap32 untouched = simd;
    PaintFadeFrame(part(untouched.View()), part(oldWide.ReadView()), part(newWide.ReadView()), 0, PixelPath::Simd);
    for (int y = 0; y < 6; ++y)
        for (int x = 13; x < 40; ++x)
            ASSERT_EQ(untouched.ReadView().At(x, y), simd.ReadView().At(x, y)) << x << "," << y;
}

TEST(FadeFrame, OldPictureKeepsWeightAlphaAndNewGetsTheRest)
{
    Bitmap32 oldPicture = Filled(3, 2, 0xFF0000C8);
    Bitmap32 newPicture = Filled(3, 2, 0xFF000064);
    Bitmap32 frame(3, 2);
    PaintFadeFrame(frame.View(), oldPicture.ReadView(), newPicture.ReadView(), 242);
    // blue: (200*242 + 100*13 + 127) >> 8 = 194; alpha: (255*242 + 255*13 + 127) >> 8 = 254
    EXPECT_EQ(frame.Pixel(2, 1), 0xFE0000C2u);
    PaintFadeFrame(frame.View(), oldPicture.ReadView(), newPicture.ReadView(), 0);
    EXPECT_EQ(frame.Pixel(0, 0), 0xFE000064u);
}

TEST(FadeFrame, PicturesOfDifferentSizesGiveACopyOfTheOld)
{
    Bitmap32 oldPicture = Filled(3, 2, 0x12345678);
    Bitmap32 newPicture = Filled(2, 2, 0);
    Bitmap32 frame(3, 2);
    PaintFadeFrame(frame.View(), oldPicture.ReadView(), newPicture.ReadView(), 100);
    EXPECT_TRUE(frame.SamePixels(oldPicture));
}

} // namespace
} // namespace korvane
