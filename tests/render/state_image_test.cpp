#include "render/state_image.h"

#include <gtest/gtest.h>

#include <memory>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Code;
using testing::Coded;
using testing::FencedPicture;
using testing::Filled;

TsMaskData Entry(PixelRect rect, int images, int maskType, int drawMode, int l, int t, int r, int b)
{
    TsMaskData entry;
    entry.Rect = rect;
    entry.ImageCount = static_cast<std::int16_t>(images);
    entry.MaskType = static_cast<std::int16_t>(maskType);
    entry.DrawMode = static_cast<std::int16_t>(drawMode);
    entry.LeftWidth = static_cast<std::int16_t>(l);
    entry.TopWidth = static_cast<std::int16_t>(t);
    entry.RightWidth = static_cast<std::int16_t>(r);
    entry.BottomWidth = static_cast<std::int16_t>(b);
    return entry;
}

TEST(FrameSizes, FollowImageCountAndMaskType)
{
    TsMaskData entry = Entry({0, 0, 30, 20}, 3, 1, 0, 0, 0, 0, 0);
    EXPECT_EQ(FrameWidth(entry), 10);
    EXPECT_EQ(FrameHeight(entry), 10);
    entry.ImageCount = 0;
    EXPECT_EQ(FrameWidth(entry), 0);
    entry.ImageCount = 1;
    entry.MaskType = 0;
    EXPECT_EQ(FrameWidth(entry), 30);
    EXPECT_EQ(FrameHeight(entry), 20);
    entry.Rect.Bottom = 21;
    entry.MaskType = 1;
    EXPECT_EQ(FrameHeight(entry), 10);
    entry.MaskType = -1;
    EXPECT_EQ(FrameHeight(entry), 0);
}

TEST(FrameSizes, ExtremeRectanglesOfALegacyFileSaturate)
{
    TsMaskData entry = Entry({-2147483647 - 1, 2147483600, 2147483647, 2147483647}, 1, 0, 0, 0, 0, 0, 0);
    EXPECT_EQ(FrameWidth(entry), 2147483647);
    EXPECT_EQ(FrameHeight(entry), 47);
    EXPECT_EQ(entry.FirstRowRect().Bottom, 2147483647);
    entry.Rect = {0, -2147483647 - 1, 4, 2147483647};
    entry.MaskType = 1;
    EXPECT_EQ(FrameHeight(entry), 2147483647 / 2);
}

TEST(BordersMask, OddWidthGivesRightBorderTheOddPixel)
{
    const Bitmap32 master = Coded(12, 4);
    const TsMaskData entry = Entry({0, 0, 12, 4}, 1, 0, 1, 5, 1, 5, 1);
    Bitmap32 destination = Filled(7, 4, 0);
    PaintBordersMask(destination.View(), {0, 0, 7, 4}, ColorBackground(0), entry, 1, false, master.ReadView());
    // Left border 4 (columns 0..3), right border 3 taken from the picture's last 3 columns.
    EXPECT_EQ(destination.Pixel(3, 0), Code(3, 0));
    EXPECT_EQ(destination.Pixel(4, 0), Code(9, 0));
    EXPECT_EQ(destination.Pixel(6, 3), Code(11, 3));

    Bitmap32 even = Filled(8, 4, 0);
    PaintBordersMask(even.View(), {0, 0, 8, 4}, ColorBackground(0), entry, 1, false, master.ReadView());
    EXPECT_EQ(even.Pixel(3, 0), Code(3, 0));
    EXPECT_EQ(even.Pixel(4, 0), Code(8, 0));
}

TEST(BordersMask, RectangleOnePixelWideOrHighPaintsNothing)
{
    const Bitmap32 master = Coded(6, 6);
    const TsMaskData entry = Entry({0, 0, 6, 6}, 1, 0, 5, 2, 2, 2, 2);
    Bitmap32 destination = Filled(6, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 1, 6}, ColorBackground(0), entry, 1, false, master.ReadView());
    PaintBordersMask(destination.View(), {0, 0, 6, 1}, ColorBackground(0), entry, 1, false, master.ReadView());
    EXPECT_TRUE(destination.SamePixels(Filled(6, 6, 0)));
}

TEST(BordersMask, DrawMode6PaintsNothingInState0AndTheWholePictureWithCentreOtherwise)
{
    const Bitmap32 master = Coded(18, 6);
    const TsMaskData entry = Entry({0, 0, 18, 6}, 3, 0, 6, 2, 2, 2, 2);
    Bitmap32 destination = Filled(6, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 6, 6}, ColorBackground(0), entry, 0, false, master.ReadView());
    EXPECT_TRUE(destination.SamePixels(Filled(6, 6, 0)));
    for (int state : {1, 2}) {
        PaintBordersMask(destination.View(), {0, 0, 6, 6}, ColorBackground(0), entry, state, false, master.ReadView());
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 6; ++x) {
                ASSERT_EQ(destination.Pixel(x, y), Code(6 * state + x, y)) << state << " " << x << "," << y;
            }
        }
    }
}

TEST(BordersMask, StateBeyondTheImagesShowsTheLastPicture)
{
    const Bitmap32 master = Coded(18, 6);
    const TsMaskData entry = Entry({0, 0, 18, 6}, 3, 0, 4, 2, 2, 2, 2);
    Bitmap32 destination = Filled(6, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 6, 6}, ColorBackground(0), entry, 4, false, master.ReadView());
    EXPECT_EQ(destination.Pixel(0, 0), Code(12, 0));
    EXPECT_EQ(destination.Pixel(3, 3), Code(15, 3));
}

TEST(BordersMask, EdgesAreTiledWithTheLastTileCut)
{
    const Bitmap32 master = Coded(6, 6);
    const TsMaskData entry = Entry({0, 0, 6, 6}, 1, 0, 4, 2, 2, 2, 2);
    Bitmap32 destination = Filled(9, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 9, 6}, ColorBackground(0), entry, 0, false, master.ReadView());
    // Top edge span [2, 7): tiles of 2 columns (2, 3), (2, 3), then (2) cut.
    EXPECT_EQ(destination.Pixel(2, 0), Code(2, 0));
    EXPECT_EQ(destination.Pixel(3, 0), Code(3, 0));
    EXPECT_EQ(destination.Pixel(4, 1), Code(2, 1));
    EXPECT_EQ(destination.Pixel(6, 1), Code(2, 1));
    EXPECT_EQ(destination.Pixel(7, 0), Code(4, 0)); // right corner
    EXPECT_EQ(destination.Pixel(6, 3), Code(2, 3)); // centre, cut
}

TEST(BordersMask, StretchFlagStretchesKeyedEdges)
{
    const Bitmap32 master = Coded(6, 6);
    const TsMaskData entry = Entry({0, 0, 6, 6}, 1, 0, 1, 2, 2, 2, 2);
    Bitmap32 destination = Filled(8, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 8, 6}, ColorBackground(0), entry, 0, false, master.ReadView());
    // Top edge 2 columns stretched over 4: 2, 2, 3, 3.
    EXPECT_EQ(destination.Pixel(2, 0), Code(2, 0));
    EXPECT_EQ(destination.Pixel(3, 0), Code(2, 0));
    EXPECT_EQ(destination.Pixel(4, 0), Code(3, 0));
    EXPECT_EQ(destination.Pixel(5, 0), Code(3, 0));
    EXPECT_EQ(destination.Pixel(3, 3), 0u); // no centre without flag 4
}

TEST(BordersMask, MaskedEntryWithStretchFlagStillTilesItsEdges)
{
    Bitmap32 master = Coded(6, 12);
    for (int y = 6; y < 12; ++y) {
        for (int x = 0; x < 6; ++x) {
            master.SetPixel(x, y, 0xFF000000); // black mask: pictures copied as they are
        }
    }
    const TsMaskData entry = Entry({0, 0, 6, 12}, 1, 1, 1, 2, 2, 2, 2);
    Bitmap32 destination = Filled(8, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 8, 6}, ColorBackground(0), entry, 0, false, master.ReadView());
    EXPECT_EQ(destination.Pixel(2, 0), Code(2, 0) & 0x00FFFFFFu);
    EXPECT_EQ(destination.Pixel(3, 0), Code(3, 0) & 0x00FFFFFFu);
    EXPECT_EQ(destination.Pixel(4, 0), Code(2, 0) & 0x00FFFFFFu);
}

TEST(BordersMask, FillCornersShowTheParentBehindKeyPixels)
{
    Bitmap32 master = Coded(6, 6);
    master.SetPixel(0, 0, TransparentKey);
    const TsMaskData entry = Entry({0, 0, 6, 6}, 1, 0, 4, 2, 2, 2, 2);
    const Bitmap32 parent = Coded(20, 20);

    Bitmap32 filled = Filled(6, 6, 0x11111111);
    PaintBordersMask(filled.View(), {0, 0, 6, 6}, BitmapBackground(parent.ReadView(), 5, 7), entry, 0, true,
                     master.ReadView());
    EXPECT_EQ(filled.Pixel(0, 0), Code(5, 7));

    Bitmap32 colour = Filled(6, 6, 0x11111111);
    PaintBordersMask(colour.View(), {0, 0, 6, 6}, ColorBackground(0x00FF0000), entry, 0, true, master.ReadView());
    EXPECT_EQ(colour.Pixel(0, 0), 0xFF0000FFu);

    Bitmap32 unfilled = Filled(6, 6, 0x11111111);
    PaintBordersMask(unfilled.View(), {0, 0, 6, 6}, BitmapBackground(parent.ReadView(), 5, 7), entry, 0, false,
                     master.ReadView());
    EXPECT_EQ(unfilled.Pixel(0, 0), 0x11111111u);

    // Colour backgrounds replace key pixels of keyed corners even without the flag.
    Bitmap32 colourUnfilled = Filled(6, 6, 0x11111111);
    PaintBordersMask(colourUnfilled.View(), {0, 0, 6, 6}, ColorBackground(0x0000FF00), entry, 0, false,
                     master.ReadView());
    EXPECT_EQ(colourUnfilled.Pixel(0, 0), 0xFF00FF00u);
}

TEST(BordersMask, ZeroMiddleLeavesEdgesAndCentreUnpainted)
{
    const Bitmap32 master = Coded(4, 6);
    const TsMaskData entry = Entry({0, 0, 4, 6}, 1, 0, 4, 2, 2, 2, 2); // mw = 0, mh = 2
    Bitmap32 destination = Filled(8, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 8, 6}, ColorBackground(0), entry, 0, false, master.ReadView());
    EXPECT_EQ(destination.Pixel(3, 0), 0u);
    EXPECT_EQ(destination.Pixel(4, 3), 0u);
    EXPECT_EQ(destination.Pixel(0, 2), Code(0, 2)); // the left edge has height
    EXPECT_EQ(destination.Pixel(7, 5), Code(3, 5));
}

TEST(BordersMask, EntryWithoutPicturesOrImagesIsNeverPainted)
{
    // No own image and no master bitmap to cut the pictures from; then pictures but no images.
    const Bitmap32 master = Coded(6, 6);
    TsMaskData entry = Entry({0, 0, 6, 6}, 1, 0, 4, 2, 2, 2, 2);
    Bitmap32 destination = Filled(6, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 6, 6}, ColorBackground(0), entry, 0, false, BitmapView{});
    entry.ImageCount = 0;
    PaintBordersMask(destination.View(), {0, 0, 6, 6}, ColorBackground(0), entry, 0, false, master.ReadView());
    EXPECT_TRUE(destination.SamePixels(Filled(6, 6, 0)));
}

TEST(BordersMask, OwnImageIsUsedInsteadOfTheMasterBitmap)
{
    TsMaskData entry = Entry({0, 0, 6, 6}, 1, 0, 4, 2, 2, 2, 2);
    entry.Image = std::make_shared<Bitmap32>(Coded(6, 6));
    Bitmap32 destination = Filled(6, 6, 0);
    PaintBordersMask(destination.View(), {0, 0, 6, 6}, ColorBackground(0), entry, 0, false, BitmapView{});
    EXPECT_EQ(destination.Pixel(5, 5), Code(5, 5));
}

TEST(StateImage, KeyedPictureSkipsLeadingColumnsLeftOfTheOrigin)
{
    Bitmap32 master = Coded(9, 3);
    master.SetPixel(5, 1, TransparentKey);
    const TsMaskData entry = Entry({0, 0, 9, 3}, 3, 0, 1, 0, 0, 0, 0);
    Bitmap32 destination = Filled(4, 4, 0x11111111);
    PaintStateImage(destination.View(), -1, 1, 1, ColorBackground(0x000000FF), entry, 1, master.ReadView());
    EXPECT_EQ(destination.Pixel(0, 1), Code(4, 0));
    EXPECT_EQ(destination.Pixel(1, 2), 0xFFFF0000u); // key pixel (5, 1) takes the colour
    EXPECT_EQ(destination.Pixel(2, 2), 0x11111111u);
}

// Every painter of an entry, from a fenced 8 x 8 master, into one 12 x 12 bitmap.
Bitmap32 PaintEntryEveryWay(const TsMaskData& entry, std::uint32_t fence)
{
    const FencedPicture master(8, 8, fence);
    Bitmap32 destination = Filled(12, 12, 0x11111111);
    for (int state = 0; state < 3; ++state) {
        for (int mode : {0, 1}) {
            PaintStateImage(destination.View(), state * 3 - 1, mode * 4, state, ColorBackground(0x00123456), entry,
                            mode, master.View());
        }
        PaintBordersMask(destination.View(), {0, 0, 12, 12}, ColorBackground(0x00123456), entry, state, true,
                         master.View());
    }
    return destination;
}

TEST(StateImage, EntriesReachingOutsideTheMasterReadOnlyItsPixels)
{
    for (int maskType : {0, 1}) {
        for (PixelRect r : {PixelRect{-2, -2, 4, 10}, PixelRect{-6, 3, 6, 9}, PixelRect{5, -3, 11, 11},
                            PixelRect{-2147483647 - 1, 0, 2147483647, 8}}) {
            TsMaskData entry = Entry(r, 2, maskType, 5, 2, 2, 2, 2);
            EXPECT_TRUE(PaintEntryEveryWay(entry, 0xFFABCDEF).SamePixels(PaintEntryEveryWay(entry, 0xFF102030)))
                << "mask " << maskType << " rect " << r.Left << "," << r.Top;
        }
    }
}

TEST(StateImage, MaskedPictureStartingLeftOfTheMasterPaintsItsInsidePart)
{
    // A masked picture at (-2, 0) of 4 x 2 (mask row below): its columns 2 and 3 are master
    // columns 0 and 1, painted two pixels right of the position. The mask is black: the picture.
    Bitmap32 master(4, 2);
    master.SetPixel(0, 0, 0xFF0000FF);
    master.SetPixel(1, 0, 0xFF00FF00);
    master.SetPixel(0, 1, 0xFF000000);
    master.SetPixel(1, 1, 0xFF000000);
    const TsMaskData entry = Entry({-2, 0, 2, 2}, 1, 1, 1, 0, 0, 0, 0);
    Bitmap32 destination = Filled(6, 1, 0xFF000000);
    PaintStateImage(destination.View(), 1, 0, 0, ColorBackground(0), entry, 1, master.ReadView());
    EXPECT_EQ(destination.Pixel(1, 0), 0xFF000000u);
    EXPECT_EQ(destination.Pixel(3, 0) & 0x00FFFFFFu, 0x000000FFu);
    EXPECT_EQ(destination.Pixel(4, 0) & 0x00FFFFFFu, 0x0000FF00u);
}

TEST(StateImage, DisabledLookBlendsHalfWithTheDestination)
{
    Bitmap32 master = Filled(2, 1, 0xFF646464);
    const TsMaskData entry = Entry({0, 0, 2, 1}, 1, 0, 1, 0, 0, 0, 0);
    Bitmap32 destination = Filled(2, 1, 0xFFC8C8C8);
    PaintStateImage(destination.View(), 0, 0, 0, ColorBackground(0), entry, 0, master.ReadView());
    EXPECT_EQ(destination.Pixel(0, 0), 0xFF969696u);
}

TEST(StateImage, GlyphMaskCopyMixesByTheMaskAndRaisesAlpha)
{
    Bitmap32 master(3, 2);
    master.SetPixel(0, 0, 0xFF0000FF);
    master.SetPixel(1, 0, 0xFF0000FF);
    master.SetPixel(2, 0, 0xFF0000FF);
    master.SetPixel(0, 1, 0xFF000000); // mask black: picture, alpha fully raised
    master.SetPixel(1, 1, 0xFFFFFFFF); // mask red 255: skipped
    master.SetPixel(2, 1, 0xFF808080);
    const TsMaskData entry = Entry({0, 0, 3, 2}, 1, 1, 1, 0, 0, 0, 0);
    Bitmap32 destination = Filled(3, 1, 0x00000000);
    PaintStateImage(destination.View(), 0, 0, 0, EmptyBackground, entry, 1, master.ReadView());
    EXPECT_EQ(destination.Pixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(destination.Pixel(1, 0), 0u);
    // blue ((0 - 255) * 128 + 255 * 256) >> 8 = 127; alpha 0 + 127 * 255 / 255 = 127
    EXPECT_EQ(destination.Pixel(2, 0), 0x7F00007Fu);

    Bitmap32 faded = Filled(3, 1, 0x00000000);
    PaintStateImage(faded.View(), 0, 0, 0, EmptyBackground, entry, 0, master.ReadView());
    // mask raised to 100: blue (-255 * 100 + 65280) >> 8 = 155; alpha 155 * 255 / 255 = 155
    EXPECT_EQ(faded.Pixel(0, 0), 0x9B00009Bu);
}

TEST(StateImage, OwnImageSmallerThanItsRectangleIsNotPainted)
{
    TsMaskData entry = Entry({0, 0, 4, 4}, 1, 0, 1, 0, 0, 0, 0);
    entry.Image = std::make_shared<Bitmap32>(Coded(3, 4));
    Bitmap32 destination = Filled(4, 4, 0);
    PaintStateImage(destination.View(), 0, 0, 0, EmptyBackground, entry, 1, BitmapView{});
    EXPECT_TRUE(destination.SamePixels(Filled(4, 4, 0)));
}

} // namespace
} // namespace korvane
