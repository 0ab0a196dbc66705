#include "windows/header_layout.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::vector<HeaderColumn> ThreeColumns()
{
    return {{0, {0, 0, 100, 20}}, {1, {100, 0, 180, 20}}, {2, {180, 0, 240, 20}}};
}

TEST(HeaderSlots, ThreeColumnsInAWiderHeaderGetAnEmptyFaceToTheRightEdge)
{
    const std::vector<HeaderSlot> slots = LayoutHeaderSlots(ThreeColumns(), 300, 20);
    ASSERT_EQ(slots.size(), 4u);
    EXPECT_EQ(slots[2], (HeaderSlot{2, {180, 0, 240, 20}}));
    EXPECT_EQ(slots[3], (HeaderSlot{-1, {240, 0, 300, 20}}));
}

TEST(HeaderSlots, NoEmptyFaceWhenTheColumnsFillTheHeaderAndEmptyColumnsAreSkipped)
{
    std::vector<HeaderColumn> columns = ThreeColumns();
    columns.insert(columns.begin() + 1, {3, {100, 0, 100, 20}});
    const std::vector<HeaderSlot> slots = LayoutHeaderSlots(columns, 240, 20);
    ASSERT_EQ(slots.size(), 3u);
    EXPECT_EQ(slots[1].Index, 1);
    // The empty face starts at the largest right edge, whatever the display order.
    const std::vector<HeaderSlot> reordered =
        LayoutHeaderSlots({{1, {0, 0, 80, 20}}, {0, {80, 0, 180, 20}}, {2, {180, 0, 240, 20}}}, 300, 20);
    EXPECT_EQ(reordered.back(), (HeaderSlot{-1, {240, 0, 300, 20}}));
    // A header without columns is one empty face.
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

TEST(HeaderItemStates, PressedBeatsHotAndTheEmptyFaceStaysNormal)
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
    HeaderItemContent content;
    content.TextWidth = 30;
    content.ImageWidth = 16;
    HeaderItemPlace place = PlaceHeaderItem(100, 20, content);
    EXPECT_EQ(place.Text, (PixelRect{24, 1, 59, 19}));
    EXPECT_EQ(place.ImageX, 4);
    content.Pressed = true;
    place = PlaceHeaderItem(100, 20, content);
    EXPECT_EQ(place.Text, (PixelRect{25, 2, 60, 20}));
    EXPECT_EQ(place.ImageX, 4);
}

TEST(HeaderItemPlacement, RightTextEndsBeforeTheArrowWhichSitsAtTheEndCentredVertically)
{
    HeaderItemContent content;
    content.TextWidth = 30;
    content.ArrowWidth = 8;
    content.ArrowHeight = 6;
    content.Align = HeaderAlign::Right;
    const HeaderItemPlace place = PlaceHeaderItem(100, 20, content);
    EXPECT_EQ(place.Text, (PixelRect{47, 1, 82, 19}));
    EXPECT_EQ(place.ArrowX, 88);
    EXPECT_EQ(place.ArrowX + content.ArrowWidth, 96) << "the arrow ends at the text inset";
    EXPECT_EQ(place.ArrowY, 7);
}

TEST(HeaderItemPlacement, CentredTextSharesTheRoomLeftAndALongTextIsCutBeforeTheArrow)
{
    HeaderItemContent content;
    content.TextWidth = 30;
    content.Align = HeaderAlign::Centre;
    EXPECT_EQ(PlaceHeaderItem(100, 20, content).Text.Left, 4 + (92 - 35) / 2);
    content.TextWidth = 300;
    content.ArrowWidth = 8;
    const HeaderItemPlace place = PlaceHeaderItem(100, 20, content);
    EXPECT_EQ(place.Text.Left, 4);
    EXPECT_EQ(place.Text.Right, 82);
    EXPECT_EQ(place.ArrowX, 88);
    // Narrower than its insets, the item keeps an empty text box.
    EXPECT_TRUE(PlaceHeaderItem(6, 20, content).Text.IsEmpty());
}

} // namespace
} // namespace korvane
