#include "render/texture_fill.h"

#include <gtest/gtest.h>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Code;
using testing::Coded;
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

} // namespace
} // namespace korvane
