#include "controls/text_glow.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

// An 8-bit image with its own memory; rows may be padded and may run bottom-up.
struct GreyImage {
    GreyImage(int width, int height, int padding = 0, bool bottomUp = false)
        : pixels(static_cast<std::size_t>(width + padding) * height, 0x5A)
    {
        const std::ptrdiff_t stride = width + padding;
        view = bottomUp ? GreyView{pixels.data() + stride * (height - 1), width, height, -stride}
                        : GreyView{pixels.data(), width, height, stride};
    }
    std::uint8_t& At(int x, int y) { return view.Row(y)[x]; }

    std::vector<std::uint8_t> pixels;
    GreyView view;
};

// The blur as its definition reads: every output pixel the rounded weighted sum of the pixels
// around it, white beyond the image, rows first.
std::vector<int> ReferenceBlur(const GreyView& image, const GlowKernel& kernel)
{
    const int w = image.Width;
    const int h = image.Height;
    auto weight = [&](int offset) { return static_cast<long long>(kernel.Weights[std::abs(offset)]); };
    std::vector<int> across(static_cast<std::size_t>(w) * h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            long long sum = 0;
            for (int k = -kernel.Radius; k <= kernel.Radius; ++k) {
                const int sx = x + k;
                sum += weight(k) * (sx < 0 || sx >= w ? 255 : image.Row(y)[sx]);
            }
            across[static_cast<std::size_t>(y) * w + x] = static_cast<int>((sum + 32768) >> 16);
        }
    }
    std::vector<int> result(across.size());
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            long long sum = 0;
            for (int k = -kernel.Radius; k <= kernel.Radius; ++k) {
                const int sy = y + k;
                sum += weight(k) * (sy < 0 || sy >= h ? 255 : across[static_cast<std::size_t>(sy) * w + x]);
            }
            result[static_cast<std::size_t>(y) * w + x] = static_cast<int>((sum + 32768) >> 16);
        }
    }
    return result;
}

TEST(GlowWorkArea, GrowsTheTextRectangleByGlowSizePlusFour)
{
    EXPECT_EQ(GlowWorkArea({10, 5, 85, 30}, 3), (PixelRect{3, -2, 92, 37}));
    EXPECT_EQ(GlowWorkArea({10, 5, 85, 30}, 0), (PixelRect{6, 1, 89, 34}));
}

// Counts how often new storage is made.
class CountingWorkImage : public GlowWorkImage {
public:
    int allocations = 0;

protected:
    GreyView Allocate(int width, int height) override
    {
        ++allocations;
        return GlowWorkImage::Allocate(width, height);
    }
};

TEST(GlowWorkImage, KeepsItsStorageWhileTheAreaFitsAndFillsItWhite)
{
    CountingWorkImage work;
    GreyView view = work.Prepare({0, 0, 89, 39});
    EXPECT_EQ(work.allocations, 1);
    ASSERT_EQ(view.Width, 89);
    ASSERT_EQ(view.Height, 39);
    view.Row(5)[7] = 0;
    const std::uint8_t* storage = view.Data;

    // A smaller area reuses the storage, its part white again, with the storage's stride.
    view = work.Prepare({100, 100, 140, 120});
    EXPECT_EQ(work.allocations, 1);
    EXPECT_EQ(view.Data, storage);
    EXPECT_EQ(view.Width, 40);
    EXPECT_EQ(view.Height, 20);
    EXPECT_EQ(view.Stride, 89);
    for (int y = 0; y < view.Height; ++y) {
        for (int x = 0; x < view.Width; ++x) {
            ASSERT_EQ(view.Row(y)[x], 255) << x << "," << y;
        }
    }
    // Taller than the storage: grown, keeping the larger width.
    view = work.Prepare({0, 0, 50, 60});
    EXPECT_EQ(work.allocations, 2);
    EXPECT_EQ(work.Storage().Width, 89);
    EXPECT_EQ(work.Storage().Height, 60);
    EXPECT_TRUE(work.Prepare({0, 0, 0, 10}).IsEmpty());
}

TEST(GlowKernel, IsTheNormalisedGaussianCutWhereTheTailFallsBelowOne510th)
{
    // By hand: sigma 1 keeps offsets up to 3 (the tail beyond 3 weighs 0.000135, beyond 2
    // 0.0046); sigma 2 keeps up to 6.
    EXPECT_EQ(MakeGlowKernel(1).Radius, 3);
    EXPECT_EQ(MakeGlowKernel(2).Radius, 6);
    for (int sigma : {1, 2, 3, 5, 8, 13, 34, 40, 255}) {
        SCOPED_TRACE(sigma);
        std::vector<double> g(101);
        double total = 0;
        for (int k = 0; k <= 100; ++k) {
            g[k] = std::exp(-k * k / (2.0 * sigma * sigma));
            total += k == 0 ? g[k] : 2 * g[k];
        }
        auto tailBeyond = [&](int r) {
            double tail = 0;
            for (int k = r + 1; k <= 100; ++k) {
                tail += g[k] / total;
            }
            return tail;
        };
        const GlowKernel kernel = MakeGlowKernel(sigma);
        const int r = kernel.Radius;
        ASSERT_EQ(kernel.Weights.size(), static_cast<std::size_t>(r) + 1);
        // The smallest radius whose tail is below the limit.
        EXPECT_LT(tailBeyond(r), 1.0 / 510);
        EXPECT_GE(tailBeyond(r - 1), 1.0 / 510);
        double kept = g[0];
        std::uint32_t sum = kernel.Weights[0];
        for (int k = 1; k <= r; ++k) {
            kept += 2 * g[k];
            sum += 2 * kernel.Weights[k];
        }
        EXPECT_EQ(sum, 65536u);
        // Each outer weight rounded; the centre takes the rounding of all of them.
        for (int k = 0; k <= r; ++k) {
            EXPECT_NEAR(kernel.Weights[k], g[k] / kept * 65536, k == 0 ? 0.501 + r : 0.501) << k;
        }
    }
    const GlowKernel none = MakeGlowKernel(0);
    EXPECT_EQ(none.Radius, 0);
    EXPECT_EQ(none.Weights, std::vector<std::uint32_t>{65536});
}

TEST(GlowBlur, MatchesTheStraightforwardBlurOnRandomImages)
{
    std::mt19937 random(20240611);
    for (int round = 0; round < 60; ++round) {
        const int w = 1 + static_cast<int>(random() % 48);
        const int h = 1 + static_cast<int>(random() % 32);
        const int padding = static_cast<int>(random() % 5);
        const bool bottomUp = random() % 2 != 0;
        const int sigma = 1 + static_cast<int>(random() % 9);
        SCOPED_TRACE(::testing::Message()
                     << w << "x" << h << " pad " << padding << " up " << bottomUp << " sigma " << sigma);
        GreyImage image(w, h, padding, bottomUp);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                // Mostly white with dark strokes, as text drawn black on white.
                image.At(x, y) = random() % 4 == 0 ? static_cast<std::uint8_t>(random() % 256) : 255;
            }
        }
        const GlowKernel kernel = MakeGlowKernel(sigma);
        const std::vector<int> expected = ReferenceBlur(image.view, kernel);
        BlurGrey(image.view, kernel);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                ASSERT_EQ(image.At(x, y), expected[static_cast<std::size_t>(y) * w + x]) << x << "," << y;
            }
            // The padding of a row is not the image's.
            for (int x = w; x < w + padding; ++x) {
                ASSERT_EQ(image.view.Row(y)[x], 0x5A);
            }
        }
    }
}

TEST(GlowBlur, WhiteStaysWhite)
{
    for (int sigma : {1, 2, 7, 30, 100, 255}) {
        GreyImage image(30, 12);
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 30; ++x) {
                image.At(x, y) = 255;
            }
        }
        BlurGrey(image.view, MakeGlowKernel(sigma));
        for (int y = 0; y < 12; ++y) {
            for (int x = 0; x < 30; ++x) {
                ASSERT_EQ(image.At(x, y), 255) << sigma << ": " << x << "," << y;
            }
        }
    }
}

TEST(GlowComposite, MovesChannelsTowardTheGlowByTheWorkPixel)
{
    // Face pixel A 0x80, R 0x10, G 0x20, B 0x30; glow R 0xA0, G 0xB0, B 0xC0.
    Bitmap32 face = Filled(4, 1, 0x80102030);
    face.SetPixel(3, 0, 0x40FA0A0A);
    GreyImage work(4, 1);
    work.At(0, 0) = 0;
    work.At(1, 0) = 128;
    work.At(2, 0) = 255;
    work.At(3, 0) = 100;
    CompositeGlow(face.View(), 0, 0, work.view, 0x00C0B0A0);
    // m 0: the glow colour; alpha 128 + 255 * 127 / 255 = 255.
    EXPECT_EQ(face.Pixel(0, 0), 0xFFA0B0C0);
    // m 128: R 160 + (16 - 160) * 128 / 255 = 160 - 72 (toward zero, not -73), G 176 - 72,
    // B 192 - 72; alpha 128 + 127 * 127 / 255 = 191.
    EXPECT_EQ(face.Pixel(1, 0), 0xBF586878);
    // m 255: untouched.
    EXPECT_EQ(face.Pixel(2, 0), 0x80102030u);
    // m 100 over R 250, G 10, B 10 (alpha 64): R 160 + 90 * 100 / 255 = 195, G 176 - 166 * 100 / 255
    // = 111, B 192 - 182 * 100 / 255 = 121; alpha 64 + 155 * 191 / 255 = 180.
    EXPECT_EQ(face.Pixel(3, 0), 0xB4C36F79);
}

TEST(GlowComposite, OnlyWorkPixelsOverTheFaceChangeIt)
{
    Bitmap32 face = Filled(3, 3, 0xFF000000);
    GreyImage work(6, 6);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            work.At(x, y) = static_cast<std::uint8_t>(y * 6 + x);
        }
    }
    // Work pixel (0, 0) over face (-2, -1): face (x, y) takes work (x + 2, y + 1).
    CompositeGlow(face.View(), -2, -1, work.view, 0x00FFFFFF);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 3; ++x) {
            // White glow over black: c = 255 - m.
            const std::uint32_t c = 255 - ((y + 1) * 6 + x + 2);
            EXPECT_EQ(face.Pixel(x, y), 0xFF000000u | c | (c << 8) | (c << 16)) << x << "," << y;
        }
    }
    // Entirely off the face: nothing.
    Bitmap32 untouched = Filled(3, 3, 0xFF000000);
    CompositeGlow(untouched.View(), 3, 0, work.view, 0x00FFFFFF);
    CompositeGlow(untouched.View(), 0, -6, work.view, 0x00FFFFFF);
    EXPECT_TRUE(untouched.SamePixels(Filled(3, 3, 0xFF000000)));
}

TEST(TextGlow, GlowSizeZeroDrawsNoHalo)
{
    Bitmap32 face = Filled(20, 10, 0xFF202020);
    GreyImage work(20, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 20; ++x) {
            work.At(x, y) = x % 3 == 0 ? 0 : 255;
        }
    }
    const std::vector<std::uint8_t> before = work.pixels;
    PaintTextGlowPixels(face.View(), 0, 0, work.view, 0, 0x00FFFFFF);
    EXPECT_TRUE(face.SamePixels(Filled(20, 10, 0xFF202020)));
    EXPECT_EQ(work.pixels, before);
}

TEST(TextGlow, HaloOfOneDotIsSymmetricAndEndsAtTheKernelRadius)
{
    // A 21 x 21 work image over a 21 x 21 face, one black text pixel in the middle, sigma 2
    // (radius 6): only pixels within 6 of it both ways may change; mirrored pixels alike.
    Bitmap32 face = Filled(21, 21, 0xFF000000);
    GreyImage work(21, 21);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            work.At(x, y) = 255;
        }
    }
    work.At(10, 10) = 0;
    PaintTextGlowPixels(face.View(), 0, 0, work.view, 2, 0x00FFFFFF);
    EXPECT_NE(face.Pixel(10, 10), 0xFF000000u);
    EXPECT_NE(face.Pixel(11, 10), 0xFF000000u);
    for (int y = 0; y < 21; ++y) {
        for (int x = 0; x < 21; ++x) {
            if (std::abs(x - 10) > 6 || std::abs(y - 10) > 6) {
                EXPECT_EQ(face.Pixel(x, y), 0xFF000000u) << x << "," << y;
            }
            EXPECT_EQ(face.Pixel(x, y), face.Pixel(20 - x, y));
            EXPECT_EQ(face.Pixel(x, y), face.Pixel(x, 20 - y));
        }
    }
    // The brightest point is the dot's own.
    EXPECT_GT(face.Pixel(10, 10) & 0xFF, face.Pixel(11, 10) & 0xFF);
}

} // namespace
} // namespace korvane
