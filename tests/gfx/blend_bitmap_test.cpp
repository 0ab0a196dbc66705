#include "gfx/blend_bitmap.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

// The vector paths this machine runs, each compared with the scalar loop.
std::vector<PixelPath> VectorPathsHere()
{
    std::vector<PixelPath> paths;
    for (PixelPath path : {PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512}) {
        if (PixelPathRuns(path))
            paths.push_back(path);
    }
    return paths;
}

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
        for (PixelPath path : {PixelPath::Scalar, PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512}) {
            const std::uint32_t d = c.destination * 0x01010101u;
            const std::uint32_t s = c.source * 0x01010101u;
            Bitmap32 destination = Filled(5, 2, d);
            Bitmap32 source = Filled(5, 2, s);
            BlendBitmap(destination.View(), 0, 0, source.ReadView(), {0, 0, 5, 2}, c.weight, path);
            EXPECT_EQ(destination.Pixel(4, 1), c.expected * 0x01010101u)
                << int(c.destination) << " " << int(c.source) << " " << c.weight << " " << PixelPathName(path);
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

TEST(BlendBitmap, EveryVectorPathGivesTheScalarBytesOnRandomSizesAndOffsets)
{
    std::mt19937 random(20261209);
    for (int round = 0; round < 300; ++round) {
        for (PixelPath path : VectorPathsHere()) {
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
            BlendBitmap(simd.View(), dx, dy, source.ReadView(), rect, weight, path);
            ASSERT_TRUE(scalar.SamePixels(simd)) << "round " << round << " " << PixelPathName(path);
        }
    }
}

TEST(FadeFrame, EveryVectorPathGivesTheScalarBytesOnRandomPictures)
{
    std::mt19937 random(77);
    for (int round = 0; round < 100; ++round) {
        for (PixelPath path : VectorPathsHere()) {
            const int w = 1 + static_cast<int>(random() % 90); // every remainder of 32, 16, 8 and 4
            const int h = 1 + static_cast<int>(random() % 5);
            Bitmap32 oldPicture(w, h);
            Bitmap32 newPicture(w, h);
            FillRandom(oldPicture, random);
            FillRandom(newPicture, random);
            Bitmap32 scalar(w, h);
            Bitmap32 simd(w, h);
            const int alpha = static_cast<int>(random() % 256);
            PaintFadeFrame(scalar.View(), oldPicture.ReadView(), newPicture.ReadView(), alpha, PixelPath::Scalar);
            PaintFadeFrame(simd.View(), oldPicture.ReadView(), newPicture.ReadView(), alpha, path);
            ASSERT_TRUE(scalar.SamePixels(simd)) << "round " << round << " " << PixelPathName(path);
        }
    }
}

// Every pair of old and new bytes at every weight: the wide paths' signed multiply-and-add must
// give the formula's bytes at the ends of its range too (no lane saturates or wraps).
TEST(FadeFrame, EveryVectorPathMatchesTheFormulaForEveryByteAndWeight)
{
    std::vector<std::uint32_t> oldRow(65536);
    std::vector<std::uint32_t> newRow(65536);
    for (std::uint32_t i = 0; i < 65536; ++i) {
        const std::uint32_t o = i & 0xFF;
        const std::uint32_t n = i >> 8;
        // The pair in every byte position, each position with its own mix of the two.
        oldRow[i] = o | (n << 8) | ((255 - o) << 16) | (o << 24);
        newRow[i] = n | (o << 8) | ((255 - n) << 16) | (n << 24);
    }
    std::vector<std::uint32_t> expected(65536);
    std::vector<std::uint32_t> actual(65536);
    for (int weight = 0; weight < 256; ++weight) {
        BlendRowInto(expected.data(), oldRow.data(), newRow.data(), 65536, weight, PixelPath::Scalar);
        for (PixelPath path : VectorPathsHere()) {
            BlendRowInto(actual.data(), oldRow.data(), newRow.data(), 65536, weight, path);
            ASSERT_EQ(actual, expected) << "weight " << weight << " " << PixelPathName(path);
        }
    }
    const std::uint32_t o = 200;
    const std::uint32_t n = 100;
    EXPECT_EQ(expected[o | (n << 8)] & 0xFF, (o * 255 + 127) >> 8) << "weight 255 keeps the old byte";
}

// Blending in place, into the old row or the new one, and short rows through every tail.
TEST(FadeFrame, EveryPathBlendsInPlaceLikeIntoAFreshRow)
{
    std::mt19937 random(31);
    for (int count : {1, 3, 7, 8, 15, 16, 17, 31, 33, 100}) {
        std::vector<std::uint32_t> oldRow(count);
        std::vector<std::uint32_t> newRow(count);
        for (int i = 0; i < count; ++i) {
            oldRow[i] = static_cast<std::uint32_t>(random());
            newRow[i] = static_cast<std::uint32_t>(random());
        }
        std::vector<std::uint32_t> expected(count);
        BlendRowInto(expected.data(), oldRow.data(), newRow.data(), count, 77, PixelPath::Scalar);
        for (PixelPath path : {PixelPath::Scalar, PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512}) {
            std::vector<std::uint32_t> intoOld = oldRow;
            BlendRow(intoOld.data(), newRow.data(), count, 77, path);
            EXPECT_EQ(intoOld, expected) << count << " " << PixelPathName(path);
            std::vector<std::uint32_t> intoNew = newRow;
            BlendRowInto(intoNew.data(), oldRow.data(), intoNew.data(), count, 77, path);
            EXPECT_EQ(intoNew, expected) << count << " " << PixelPathName(path);
        }
    }
}

TEST(PixelPath, APathTheMachineCannotRunStepsDownToOneItCan)
{
    const PixelPath fastest = FastestPixelPath();
    EXPECT_NE(fastest, PixelPath::Fastest);
    EXPECT_EQ(EffectivePixelPath(PixelPath::Fastest), fastest);
    for (PixelPath path : {PixelPath::Scalar, PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512}) {
        const PixelPath taken = EffectivePixelPath(path);
        EXPECT_TRUE(PixelPathRuns(taken)) << PixelPathName(path);
        EXPECT_EQ(taken == path, PixelPathRuns(path)) << PixelPathName(path);
    }
    EXPECT_EQ(EffectivePixelPath(PixelPath::Scalar), PixelPath::Scalar);
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
    PaintFadeFrame(part(simd.View()), part(oldWide.ReadView()), part(newWide.ReadView()), 100);
    EXPECT_TRUE(scalar.SamePixels(simd));
    Bitmap32 untouched = simd;
    PaintFadeFrame(part(untouched.View()), part(oldWide.ReadView()), part(newWide.ReadView()), 0);
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
