#include "controls/mask_region.h"

#include <gtest/gtest.h>

#include <vector>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "render/state_image.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Coded;
using testing::Filled;

using Runs = std::vector<PixelRect>;

constexpr std::uint32_t kFace = 0xFF303030;

// A 12 x 6 picture per state with 3-pixel borders whose four corners are rounded off by key
// pixels (two in the corner row, one beside it), and a key pixel in the top edge.
Bitmap32 RoundedMaster(int states)
{
    Bitmap32 master = Coded(12 * states, 6);
    for (int s = 0; s < states; ++s) {
        const int l = 12 * s;
        for (const auto& [x, y] : {std::pair{0, 0},
                                   {1, 0},
                                   {0, 1},
                                   {10, 0},
                                   {11, 0},
                                   {11, 1},
                                   {0, 4},
                                   {0, 5},
                                   {1, 5},
                                   {11, 4},
                                   {10, 5},
                                   {11, 5},
                                   {5, 0}}) {
            master.SetPixel(l + x, y, TransparentKey);
        }
    }
    return master;
}

TsMaskData Entry(int states, int drawMode = 4)
{
    TsMaskData entry;
    entry.Rect = {0, 0, 12 * std::max(states, 1), 6};
    entry.ImageCount = static_cast<std::int16_t>(states);
    entry.DrawMode = static_cast<std::int16_t>(drawMode);
    entry.LeftWidth = entry.TopWidth = entry.RightWidth = entry.BottomWidth = 3;
    return entry;
}

TEST(MaskRegion, KeyPixelsOfTheCornersBecomeRunsAndTheFaceIsPaintedLikeTheBordersMask)
{
    const Bitmap32 master = RoundedMaster(1);
    const TsMaskData entry = Entry(1);
    Bitmap32 face = Filled(10, 8, kFace);
    const Runs runs = CutRegionFromMask(face.View(), entry, master.ReadView(), 0, SelfBackground(face.View()), true);
    const Runs expected{
        {0, 0, 2, 1},  {0, 1, 1, 2},  // top-left
        {0, 6, 1, 7},  {0, 7, 2, 8},  // bottom-left
        {9, 6, 10, 7}, {8, 7, 10, 8}, // bottom-right
        {8, 0, 10, 1}, {9, 1, 10, 2}, // top-right; the key pixel of the top edge is no corner's
    };
    EXPECT_EQ(runs, expected);
    Bitmap32 painted = Filled(10, 8, kFace);
    PaintBordersMask(painted.View(), {0, 0, 10, 8}, SelfBackground(painted.View()), entry, 0, true, master.ReadView());
    EXPECT_TRUE(face.SamePixels(painted));
    // The corners' key pixels kept what the face held.
    EXPECT_EQ(face.Pixel(0, 0), kFace);
    EXPECT_EQ(face.Pixel(2, 0), testing::Code(2, 0));
}

TEST(MaskRegion, StateIsClampedAndAnEntryWithoutStatesIsOneState)
{
    Bitmap32 master = RoundedMaster(2);
    // The second picture keeps only the outermost key pixel of its top-left corner.
    for (const auto& [x, y] :
         {std::pair{13, 0}, {12, 1}, {22, 0}, {23, 0}, {23, 1}, {12, 4}, {12, 5}, {13, 5}, {23, 4}, {22, 5}, {23, 5}}) {
        master.SetPixel(x, y, testing::Code(x, y));
    }
    Bitmap32 face = Filled(10, 8, kFace);
    EXPECT_EQ(CutRegionFromMask(face.View(), Entry(2), master.ReadView(), 5, EmptyBackground, false),
              (Runs{{0, 0, 1, 1}}));

    // No states: one state over the whole rectangle, painted and cut as with one.
    const Bitmap32 single = RoundedMaster(1);
    Bitmap32 withOne = Filled(10, 8, kFace);
    Bitmap32 withNone = Filled(10, 8, kFace);
    const Runs one = CutRegionFromMask(withOne.View(), Entry(1), single.ReadView(), 0, EmptyBackground, false);
    const Runs none = CutRegionFromMask(withNone.View(), Entry(0), single.ReadView(), 0, EmptyBackground, false);
    EXPECT_EQ(none, one);
    EXPECT_EQ(none.size(), 8u);
    EXPECT_TRUE(withNone.SamePixels(withOne));
    EXPECT_FALSE(withNone.SamePixels(Filled(10, 8, kFace)));
}

TEST(MaskRegion, NarrowAndLowFacesShrinkTheBordersTheOddPixelGoingRightAndDown)
{
    const Bitmap32 master = RoundedMaster(1);
    // Five wide: left border 3, right border 2 (picture columns 10 and 11).
    Bitmap32 narrow = Filled(5, 8, kFace);
    EXPECT_EQ(CutRegionFromMask(narrow.View(), Entry(1), master.ReadView(), 1, EmptyBackground, false),
              (Runs{{0, 0, 2, 1},
                    {0, 1, 1, 2},
                    {0, 6, 1, 7},
                    {0, 7, 2, 8},
                    {4, 6, 5, 7},
                    {3, 7, 5, 8},
                    {3, 0, 5, 1},
                    {4, 1, 5, 2}}));
    // Five high: top border 3, bottom border 2 (picture rows 4 and 5).
    Bitmap32 low = Filled(10, 5, kFace);
    EXPECT_EQ(CutRegionFromMask(low.View(), Entry(1), master.ReadView(), 1, EmptyBackground, false),
              (Runs{{0, 0, 2, 1},
                    {0, 1, 1, 2},
                    {0, 3, 1, 4},
                    {0, 4, 2, 5},
                    {9, 3, 10, 4},
                    {8, 4, 10, 5},
                    {8, 0, 10, 1},
                    {9, 1, 10, 2}}));
}

TEST(MaskRegion, NothingWhereTheBordersMaskPaintsNothing)
{
    const Bitmap32 master = RoundedMaster(2);
    // DrawMode flag 2 in state 0.
    Bitmap32 face = Filled(10, 8, kFace);
    EXPECT_TRUE(CutRegionFromMask(face.View(), Entry(2, 6), master.ReadView(), 0, EmptyBackground, false).empty());
    EXPECT_TRUE(face.SamePixels(Filled(10, 8, kFace)));
    EXPECT_EQ(CutRegionFromMask(face.View(), Entry(2, 6), master.ReadView(), 1, EmptyBackground, false).size(), 8u);
    // A face one pixel high.
    Bitmap32 line = Filled(10, 1, kFace);
    EXPECT_TRUE(CutRegionFromMask(line.View(), Entry(1), master.ReadView(), 0, EmptyBackground, false).empty());
    EXPECT_TRUE(line.SamePixels(Filled(10, 1, kFace)));
    // Borders wider than the picture (and narrower than the face).
    TsMaskData wide = Entry(1);
    wide.LeftWidth = 8;
    wide.RightWidth = 8;
    Bitmap32 broad = Filled(20, 8, kFace);
    EXPECT_TRUE(CutRegionFromMask(broad.View(), wide, master.ReadView(), 0, EmptyBackground, false).empty());
    EXPECT_TRUE(broad.SamePixels(Filled(20, 8, kFace)));
}

TEST(LeftCornerStrips, AShrunkButtonUncoversWhereItsRightAndBottomCornersLay)
{
    TsMaskData mask;
    mask.LeftWidth = 3;
    mask.TopWidth = 4;
    mask.RightWidth = 5;
    mask.BottomWidth = 6;
    const PixelRect before{10, 20, 110, 60};
    EXPECT_EQ(LeftCornerStrips(before, {10, 20, 90, 60}, mask),
              (Runs{{105, 20, 110, 24}, {105, 54, 110, 60}, {10, 54, 13, 60}}));
    EXPECT_EQ(LeftCornerStrips(before, {10, 20, 110, 50}, mask).size(), 3u) << "lower counts as well";
    EXPECT_TRUE(LeftCornerStrips(before, before, mask).empty());
    EXPECT_TRUE(LeftCornerStrips(before, {0, 0, 200, 100}, mask).empty()) << "grown: nothing uncovered";
    EXPECT_TRUE(LeftCornerStrips({}, {10, 20, 90, 60}, mask).empty()) << "no region before";
    mask.RightWidth = 0;
    EXPECT_EQ(LeftCornerStrips(before, {10, 20, 90, 60}, mask), (Runs{{10, 54, 13, 60}}))
        << "a side without a border leaves no strip";
}

} // namespace
} // namespace korvane
