#include "windows/list_view_scroll.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ListViewModes, ThePlatformsViewsMapToTheAdaptersNumbers)
{
    EXPECT_EQ(ListViewModeOfPlatform(0), ListViewMode::Icon);
    EXPECT_EQ(ListViewModeOfPlatform(1), ListViewMode::Details);
    EXPECT_EQ(ListViewModeOfPlatform(2), ListViewMode::SmallIcon);
    EXPECT_EQ(ListViewModeOfPlatform(3), ListViewMode::List);
    EXPECT_EQ(ListViewModeOfPlatform(4), ListViewMode::List) << "tiles";
}

TEST(ListViewThumbTrack, DetailsScrollWholeLinesDownListsWholeColumnsAcrossTheRestPixels)
{
    EXPECT_EQ(ThumbTrackStep(ListViewMode::Details, false, 3, 7, 120, 17).Dy, 68);
    EXPECT_EQ(ThumbTrackStep(ListViewMode::Details, true, 10, 4, 120, 17).Dx, -6);
    EXPECT_EQ(ThumbTrackStep(ListViewMode::List, true, 0, 2, 120, 17).Dx, 240);
    EXPECT_EQ(ThumbTrackStep(ListViewMode::List, true, 0, 2, 120, 17).Dy, 0);
    EXPECT_EQ(ThumbTrackStep(ListViewMode::Icon, false, 40, 10, 120, 17).Dy, -30);
    EXPECT_FALSE(ThumbTrackStep(ListViewMode::Details, false, 5, 5, 120, 17).Moves());
    // The position: LParam, else the high word of WParam.
    EXPECT_EQ(ThumbTrackPosition(0x00070005u, 0), 7);
    EXPECT_EQ(ThumbTrackPosition(0xFFFF0005u, 70000), 70000);
}

} // namespace
} // namespace korvane
