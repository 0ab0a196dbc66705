#include "windows/header_layout.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(HeaderSlots, ThreeColumnsInAWiderHeaderGetAnEmptyFaceFromTheLargestRightEdge)
{
    const std::vector<HeaderColumn> columns{{0, {0, 0, 100, 20}}, {1, {100, 0, 180, 20}}, {2, {180, 0, 240, 20}}};
    const std::vector<HeaderSlot> slots = LayoutHeaderSlots(columns, 300, 20);
    ASSERT_EQ(slots.size(), 4u);
    EXPECT_EQ(slots[2], (HeaderSlot{2, {180, 0, 240, 20}}));
    EXPECT_EQ(slots[3], (HeaderSlot{-1, {240, 0, 300, 20}}));
    EXPECT_EQ(LayoutHeaderSlots(columns, 240, 20).size(), 3u) << "no room left, no empty face";
    // Empty columns are skipped; the empty face starts at the largest edge whatever the order.
    const std::vector<HeaderSlot> reordered = LayoutHeaderSlots(
        {{1, {0, 0, 80, 20}}, {3, {80, 0, 80, 20}}, {2, {180, 0, 240, 20}}, {0, {80, 0, 180, 20}}}, 300, 20);
    ASSERT_EQ(reordered.size(), 4u);
    EXPECT_EQ(reordered[1].Index, 2);
    EXPECT_EQ(reordered.back(), (HeaderSlot{-1, {240, 0, 300, 20}}));
    EXPECT_EQ(LayoutHeaderSlots({}, 50, 20), (std::vector<HeaderSlot>{{-1, {0, 0, 50, 20}}}));
}

TEST(HeaderSlots, TheColumnUnderAPointIsFoundByPositionNeverTheEmptyFace)
{
    const std::vector<HeaderSlot> slots =
        LayoutHeaderSlots({{2, {0, 0, 60, 20}}, {0, {60, 0, 160, 20}}, {1, {160, 0, 240, 20}}}, 300, 20);
    EXPECT_EQ(HeaderColumnAt(slots, 0, 5), 2);
    EXPECT_EQ(HeaderColumnAt(slots, 60, 5), 0);
    EXPECT_EQ(HeaderColumnAt(slots, 239, 5), 1);
    EXPECT_EQ(HeaderColumnAt(slots, 250, 5), -1);
    EXPECT_EQ(HeaderColumnAt(slots, 10, 25), -1);
}

TEST(HeaderItemStates, PressedBeatsHotTheEmptyFaceStaysNormalAndADividerPressesNothing)
{
    EXPECT_EQ(HeaderItemState(1, 1, 1), 2);
    EXPECT_EQ(HeaderItemState(0, 1, 0), 0) << "hot shows only while nothing is pressed";
    EXPECT_EQ(HeaderItemState(0, -1, 0), 1);
    EXPECT_EQ(HeaderItemState(2, -1, 0), 0);
    EXPECT_EQ(HeaderItemState(-1, -1, -1), 0);
    EXPECT_EQ(HeaderPressedColumn(true, 1), -1);
    EXPECT_EQ(HeaderPressedColumn(false, 1), 1);
    EXPECT_EQ(HeaderPressedColumn(false, -5), -1);
}

TEST(HeaderItemPlacement, LeftTextFollowsTheImageAndAPressMovesOnlyTheText)
{
    HeaderItemContent content{30, 16, 0, 0, HeaderAlign::Left, false};
    EXPECT_EQ(PlaceHeaderItem(100, 20, content).Text, (PixelRect{24, 1, 59, 19}));
    EXPECT_EQ(PlaceHeaderItem(100, 20, content).ImageX, 4);
    content.Pressed = true;
    EXPECT_EQ(PlaceHeaderItem(100, 20, content).Text, (PixelRect{25, 2, 60, 20}));
    EXPECT_EQ(PlaceHeaderItem(100, 20, content).ImageX, 4);
}

TEST(HeaderItemPlacement, RightTextEndsBeforeTheArrowCentredTextSharesWhatIsLeftLongTextIsCut)
{
    HeaderItemContent content{30, 0, 8, 6, HeaderAlign::Right, false};
    HeaderItemPlace place = PlaceHeaderItem(100, 20, content);
    EXPECT_EQ(place.Text, (PixelRect{47, 1, 82, 19}));
    EXPECT_EQ(place.ArrowX, 88) << "ending at the text inset";
    EXPECT_EQ(place.ArrowY, 7);
    content = {30, 0, 0, 0, HeaderAlign::Centre, false};
    EXPECT_EQ(PlaceHeaderItem(100, 20, content).Text.Left, 4 + (92 - 35) / 2);
    content = {300, 0, 8, 6, HeaderAlign::Centre, false};
    place = PlaceHeaderItem(100, 20, content);
    EXPECT_EQ(place.Text.Left, 4);
    EXPECT_EQ(place.Text.Right, 82);
    EXPECT_EQ(place.ArrowX, 88);
    EXPECT_TRUE(PlaceHeaderItem(6, 20, content).Text.IsEmpty()) << "narrower than its insets";
}

} // namespace
} // namespace korvane
