#include "render/texture_fill.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Code;
using testing::Coded;
using testing::FencedPicture;
using testing::Filled;

// A 2 x 2 tile at (1, 1) of the source, one row (or a mask row below with maskType 1).
TsMaskData Texture(int drawMode, int maskType = 0)
{
    TsMaskData entry;
    entry.Rect = {1, 1, 3, maskType > 0 ? 5 : 3};
    entry.ImageCount = 1;
    entry.MaskType = static_cast<std::int16_t>(maskType);
    entry.DrawMode = static_cast<std::int16_t>(drawMode);
    entry.ImgType = kImgTexture;
    return entry;
}

struct ModeCase {
    int mode;
    PixelRect left;
    PixelRect painted; // a rectangle that must hold tile pixels
};

TEST(FillTexture, EachModePaintsItsPartAndReportsWhatIsLeft)
{
    const Bitmap32 source = Coded(6, 6);
    const ModeCase cases[] = {
        {0, kNothingLeft, {0, 0, 5, 5}},  {1, kNothingLeft, {0, 0, 5, 5}}, {2, {0, 2, 5, 5}, {0, 0, 5, 2}},
        {3, {2, 0, 5, 5}, {0, 0, 2, 5}},  {4, {0, 2, 5, 5}, {0, 0, 5, 2}}, {5, {2, 0, 5, 5}, {0, 0, 2, 5}},
        {6, {0, 0, 5, 3}, {0, 3, 5, 5}},  {7, {0, 0, 3, 5}, {3, 0, 5, 5}}, {9, {0, 0, 3, 5}, {3, 0, 5, 5}},
        {10, {0, 4, 5, 5}, {0, 0, 5, 4}},
    };
    for (const ModeCase& c : cases) {
        Bitmap32 canvas = Filled(5, 5, 0);
        PixelRect rect{0, 0, 5, 5};
        FillTexture(canvas.View(), rect, source.ReadView(), c.mode, Texture(c.mode));
        EXPECT_EQ(rect, c.left) << "mode " << c.mode;
        for (int y = 0; y < 5; ++y) {
            for (int x = 0; x < 5; ++x) {
                const bool inside =
                    x >= c.painted.Left && x < c.painted.Right && y >= c.painted.Top && y < c.painted.Bottom;
                const bool inLeft =
                    rect != kNothingLeft && x >= rect.Left && x < rect.Right && y >= rect.Top && y < rect.Bottom;
                if (inside) {
                    EXPECT_NE(canvas.Pixel(x, y), 0u) << "mode " << c.mode << " " << x << "," << y;
                } else if (inLeft) {
                    EXPECT_EQ(canvas.Pixel(x, y), 0u) << "mode " << c.mode << " " << x << "," << y;
                }
            }
        }
    }
}

TEST(FillTexture, TilesStartAtTheTopLeftCornerAndAreCutAtTheRightAndBottom)
{
    const Bitmap32 source = Coded(6, 6);
    Bitmap32 canvas = Filled(6, 6, 0);
    PixelRect rect{1, 1, 6, 6};
    FillTexture(canvas.View(), rect, source.ReadView(), kFillTile, Texture(kFillTile));
    EXPECT_EQ(canvas.Pixel(1, 1), Code(1, 1));
    EXPECT_EQ(canvas.Pixel(2, 2), Code(2, 2));
    EXPECT_EQ(canvas.Pixel(3, 1), Code(1, 1));
    EXPECT_EQ(canvas.Pixel(5, 5), Code(1, 1));
    EXPECT_EQ(canvas.Pixel(0, 0), 0u);
}

TEST(FillTexture, TopRowTallerRectangleLeavesTheRestBelow)
{
    const Bitmap32 source = Coded(6, 6);
    Bitmap32 canvas = Filled(4, 7, 0);
    PixelRect rect{0, 0, 4, 7};
    FillTexture(canvas.View(), rect, source.ReadView(), kFillTopRow, Texture(kFillTopRow));
    EXPECT_EQ(rect, (PixelRect{0, 2, 4, 7}));
    EXPECT_EQ(canvas.Pixel(3, 1), Code(2, 2));
    EXPECT_EQ(canvas.Pixel(0, 2), 0u);
}

TEST(FillTexture, MaskedWholeTilesFillTheStripsFromTheParent)
{
    Bitmap32 source = Coded(6, 6);
    for (int x = 1; x < 3; ++x) {
        source.SetPixel(x, 3, 0xFF000000); // black mask under the tile
        source.SetPixel(x, 4, 0xFF000000);
    }
    source.SetPixel(2, 2, TransparentKey);
    Bitmap32 canvas = Filled(5, 5, 0x11111111);
    PixelRect rect{0, 0, 5, 5};
    FillTexture(canvas.View(), rect, source.ReadView(), kFillWholeTiles, Texture(kFillWholeTiles, 1),
                ColorBackground(0x0000FF));
    EXPECT_EQ(rect, kNothingLeft);
    // Mixed pixels keep the destination's alpha.
    EXPECT_EQ(canvas.Pixel(0, 0), Code(1, 1) & 0x11FFFFFFu);
    EXPECT_EQ(canvas.Pixel(1, 1), 0xFFFF0000u); // key pixel takes the parent's colour
    EXPECT_EQ(canvas.Pixel(2, 3), Code(1, 2) & 0x11FFFFFFu);
    EXPECT_EQ(canvas.Pixel(4, 0), 0xFFFF0000u); // right strip
    EXPECT_EQ(canvas.Pixel(0, 4), 0xFFFF0000u); // bottom strip
}

TEST(FillTexture, MaskedTileModeCutsTheLastColumnAndOtherModesPaintNothing)
{
    Bitmap32 source = Coded(6, 6);
    for (int x = 1; x < 3; ++x) {
        source.SetPixel(x, 3, 0xFF000000);
        source.SetPixel(x, 4, 0xFF000000);
    }
    Bitmap32 canvas = Filled(5, 5, 0x11111111);
    PixelRect rect{0, 0, 5, 5};
    FillTexture(canvas.View(), rect, source.ReadView(), kFillTile, Texture(kFillTile, 1), EmptyBackground);
    EXPECT_EQ(canvas.Pixel(4, 3), Code(1, 2) & 0x11FFFFFFu); // cut column, destination alpha kept
    EXPECT_EQ(canvas.Pixel(4, 4), 0x11111111u);              // no whole tile fits below row 4

    Bitmap32 untouched = Filled(5, 5, 0x11111111);
    PixelRect all{0, 0, 5, 5};
    FillTexture(untouched.View(), all, source.ReadView(), kFillStretch, Texture(kFillStretch, 1), EmptyBackground);
    EXPECT_TRUE(untouched.SamePixels(Filled(5, 5, 0x11111111)));
}

// Paints `entry` in every fill mode from a 6 x 6 picture fenced with `fence`.
std::vector<Bitmap32> PaintEveryMode(const TsMaskData& entry, std::uint32_t fence)
{
    const FencedPicture picture(6, 6, fence);
    std::vector<Bitmap32> results;
    for (int mode : {0, 1, 2, 3, 4, 5, 6, 7, 10}) {
        Bitmap32 canvas = Filled(9, 9, 0x11111111);
        PixelRect rect{0, 0, 9, 9};
        FillTexture(canvas.View(), rect, picture.View(), mode, entry, ColorBackground(0x00123456));
        results.push_back(std::move(canvas));
    }
    return results;
}

TEST(FillTexture, RectanglesReachingLeftOfOrAboveThePictureReadOnlyItsPixels)
{
    // ~-002~-002~0004~0010 as a masked texture and as a plain one, and one lying wholly left.
    for (int maskType : {1, 0}) {
        for (PixelRect r : {PixelRect{-2, -2, 4, 10}, PixelRect{-3, 1, 2, 4}, PixelRect{1, -5, 5, 3}}) {
            TsMaskData entry = Texture(0, maskType);
            entry.Rect = r;
            const std::vector<Bitmap32> a = PaintEveryMode(entry, 0xFFABCDEF);
            const std::vector<Bitmap32> b = PaintEveryMode(entry, 0xFF102030);
            for (std::size_t i = 0; i < a.size(); ++i) {
                EXPECT_TRUE(a[i].SamePixels(b[i]))
                    << "mask " << maskType << " rect " << r.Left << "," << r.Top << " mode index " << i;
            }
        }
    }
}

TEST(FillTexture, MaskedTileIsCutToThePictureAndItsMaskOnBothSides)
{
    // Picture rows -2..3 with their mask rows 4..9 in a 6 x 9 source: rows 0..2 have their mask
    // (rows 6..8) inside; columns -2..3 keep 0..3. So the tile is 4 x 3 from (0, 0), mask 6 below.
    Bitmap32 source(6, 9);
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 6; ++x) {
            source.SetPixel(x, y, y < 6 ? Code(x, y) : 0xFF000000u); // black mask: the picture itself
        }
    }
    TsMaskData entry = Texture(0, 1);
    entry.Rect = {-2, -2, 4, 10};
    Bitmap32 canvas = Filled(8, 6, 0x11111111);
    PixelRect rect{0, 0, 8, 6};
    FillTexture(canvas.View(), rect, source.ReadView(), kFillTile, entry);
    EXPECT_EQ(rect, kNothingLeft);
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(canvas.Pixel(x, y) & 0x00FFFFFFu, Code(x % 4, y % 3) & 0x00FFFFFFu) << x << "," << y;
        }
    }
}

TEST(FillTexture, EntryWhollyOutsideThePicturePaintsNothingAndLeavesTheRectangle)
{
    const Bitmap32 source = Coded(6, 6);
    for (int maskType : {0, 1}) {
        for (PixelRect r : {PixelRect{-9, 0, -1, 4}, PixelRect{6, 0, 9, 4}, PixelRect{0, 40, 4, 48}}) {
            TsMaskData entry = Texture(0, maskType);
            entry.Rect = r;
            Bitmap32 canvas = Filled(5, 5, 0x11111111);
            PixelRect rect{0, 0, 5, 5};
            FillTexture(canvas.View(), rect, source.ReadView(), kFillTile, entry);
            EXPECT_TRUE(canvas.SamePixels(Filled(5, 5, 0x11111111)));
            EXPECT_EQ(rect, (PixelRect{0, 0, 5, 5}));
        }
    }
}

TEST(FillTexture, ExtremeRectanglesOfALegacyFileDoNotWrap)
{
    const Bitmap32 source = Coded(6, 6);
    TsMaskData entry = Texture(0, 0);
    entry.Rect = {-2147483647 - 1, 0, 2147483647, 2};
    Bitmap32 canvas = Filled(5, 2, 0x11111111);
    PixelRect rect{0, 0, 5, 2};
    FillTexture(canvas.View(), rect, source.ReadView(), kFillTile, entry);
    // The part inside the picture, columns 0..5 of rows 0..1, tiles the canvas.
    EXPECT_EQ(canvas.Pixel(4, 1), Code(4, 1));
}

} // namespace
} // namespace korvane
