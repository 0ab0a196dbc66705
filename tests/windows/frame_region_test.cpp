#include "windows/frame_region.h"

#include "gfx/bitmap32.h"
#include "gfx/colors.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace korvane {
namespace {

using Runs = std::vector<PixelRect>;

constexpr std::uint32_t kFace = 0xFF404040;

// A borders mask of two 10 x 8 states with 3-pixel borders, a mask row below (as the skins keep
// it). State 0 rounds its corners with key pixels; state 1 has none, so only state 0 may count.
struct Mask {
    Bitmap32 Master{20, 16};
    TsMaskData Entry;
    Mask()
    {
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 20; ++x)
                Master.SetPixel(x, y, kFace);
        for (const auto& [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {8, 0}, {9, 0}, {9, 1}, {0, 7}, {9, 6}, {9, 7}})
            Master.SetPixel(x, y, TransparentKey);
        // Key pixels outside the corners do not cut: the top edge and the middle.
        Master.SetPixel(5, 0, TransparentKey);
        Master.SetPixel(5, 4, TransparentKey);
        Entry.Rect = {0, 0, 20, 16};
        Entry.ImageCount = 2;
        Entry.MaskType = 1;
        Entry.LeftWidth = Entry.TopWidth = Entry.RightWidth = Entry.BottomWidth = 3;
    }
};

bool Has(const Runs& runs, PixelRect rect)
{
    return std::find(runs.begin(), runs.end(), rect) != runs.end();
}

TEST(FrameRegion, KeyCornersBecomeRunsAtTheWindowsCorners)
{
    const Mask mask;
    const Runs runs = FrameRegionRuns(mask.Entry, mask.Master.ReadView(), 100, 50);
    const Runs expected{
        {0, 0, 2, 1},      {98, 0, 100, 1}, {0, 1, 1, 2},      {99, 1, 100, 2},
        {99, 48, 100, 49}, {0, 49, 1, 50},  {99, 49, 100, 50},
    };
    EXPECT_EQ(runs, expected);
    EXPECT_FALSE(Has(runs, {5, 0, 6, 1}));
}

TEST(FrameRegion, TopOnlyForTheTitlesMask)
{
    const Mask mask;
    const Runs runs = FrameRegionRuns(mask.Entry, mask.Master.ReadView(), 100, 50, false);
    EXPECT_EQ(runs.size(), 4u);
    for (const PixelRect& run : runs)
        EXPECT_LT(run.Top, 3);
}

TEST(FrameRegion, NoKeyPixelsNoRunsAndNoPictureNothing)
{
    Mask mask;
    mask.Master.SetPixel(0, 0, kFace);
    // A key colour with an alpha byte still counts as key.
    mask.Master.SetPixel(1, 0, TransparentKey | 0xFF000000u);
    Runs runs = FrameRegionRuns(mask.Entry, mask.Master.ReadView(), 100, 50);
    EXPECT_TRUE(Has(runs, {1, 0, 2, 1}));
    EXPECT_FALSE(Has(runs, {0, 0, 2, 1}));

    TsMaskData none = mask.Entry;
    none.ImageCount = 0;
    EXPECT_TRUE(FrameRegionRuns(none, mask.Master.ReadView(), 100, 50).empty());
    TsMaskData outside = mask.Entry;
    outside.Rect = {10, 10, 30, 26};
    EXPECT_TRUE(FrameRegionRuns(outside, mask.Master.ReadView(), 100, 50).empty());
    EXPECT_TRUE(FrameRegionRuns(mask.Entry, BitmapView{}, 100, 50).empty());
}

TEST(FrameRegion, AWindowNarrowerThanTheBordersKeepsItsRunsInside)
{
    const Mask mask;
    for (const PixelRect& run : FrameRegionRuns(mask.Entry, mask.Master.ReadView(), 2, 2)) {
        EXPECT_GE(run.Left, 0);
        EXPECT_LE(run.Right, 2);
        EXPECT_GE(run.Top, 0);
        EXPECT_LE(run.Bottom, 2);
    }
}

} // namespace
} // namespace korvane
