// How a radio group shares its face among its buttons, and the clamps of Columns and ItemIndex.
#include "controls/radio_group_layout.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(RadioGroupLayout, TheChoosersGroupOfThreeItemsInOneColumn)
{
    // 353 x 137, text height 13: rows 3, column 343, free 119, row 39, top 1 + 13 + 1.
    const RadioGroupGrid grid = ArrangeRadioGrid(3, 1, 353, 137, 13);
    EXPECT_EQ(grid.Rows, 3);
    EXPECT_EQ(grid.ColumnWidth, 343);
    EXPECT_EQ(grid.RowHeight, 39);
    EXPECT_EQ(grid.TopMargin, 15);
    EXPECT_EQ(RadioItemBounds(grid, 0, false, 0), BoundsRect(8, 15, 343, 39));
    EXPECT_EQ(RadioItemBounds(grid, 1, false, 0), BoundsRect(8, 54, 343, 39));
    EXPECT_EQ(RadioItemBounds(grid, 2, false, 0), BoundsRect(8, 93, 343, 39));
}

TEST(RadioGroupLayout, ItemsFillColumnsTopToBottomAndTheRemainderGoesAbove)
{
    // 5 items in 2 columns: 3 rows; free 100 - 13 - 5 = 82 = 3 x 27 + 1.
    const RadioGroupGrid grid = ArrangeRadioGrid(5, 2, 210, 100, 13);
    EXPECT_EQ(grid.Rows, 3);
    EXPECT_EQ(grid.ColumnWidth, 100);
    EXPECT_EQ(grid.RowHeight, 27);
    EXPECT_EQ(grid.TopMargin, 14);
    EXPECT_EQ(RadioItemBounds(grid, 2, false, 0), BoundsRect(8, 68, 100, 27));
    EXPECT_EQ(RadioItemBounds(grid, 3, false, 0), BoundsRect(108, 14, 100, 27)) << "the second column";
    EXPECT_EQ(RadioItemBounds(grid, 4, false, 0), BoundsRect(108, 41, 100, 27));
}

TEST(RadioGroupLayout, RightToLeftItemsStandTheirWidthInFromTheColumnsRightEdge)
{
    const RadioGroupGrid grid = ArrangeRadioGrid(2, 2, 210, 60, 13);
    EXPECT_EQ(RadioItemBounds(grid, 0, true, 60).Left, 100 - 60 + 8);
    EXPECT_EQ(RadioItemBounds(grid, 1, true, 60).Left, 100 + 100 - 60 + 8);
}

TEST(RadioGroupLayout, AGroupWithoutItemsArrangesNothing)
{
    const RadioGroupGrid grid = ArrangeRadioGrid(0, 1, 353, 137, 13);
    EXPECT_EQ(grid.Rows, 0);
    EXPECT_TRUE(RadioItemBounds(grid, 0, false, 10).IsEmpty());
}

TEST(RadioGroupLayout, ColumnsAreKeptBetweenOneAndSixteen)
{
    EXPECT_EQ(ClampRadioColumns(0), 1);
    EXPECT_EQ(ClampRadioColumns(-3), 1);
    EXPECT_EQ(ClampRadioColumns(20), 16);
    EXPECT_EQ(ClampRadioColumns(7), 7);
    // The grid clamps what it is given the same way.
    EXPECT_EQ(ArrangeRadioGrid(3, 0, 353, 137, 13).ColumnWidth, 343);
    EXPECT_EQ(ArrangeRadioGrid(32, 20, 330, 137, 13).ColumnWidth, 20);
}

TEST(RadioGroupLayout, ItemIndexIsKeptToTheItems)
{
    EXPECT_EQ(ClampItemIndex(5, 3), 2);
    EXPECT_EQ(ClampItemIndex(-7, 3), -1);
    EXPECT_EQ(ClampItemIndex(1, 3), 1);
    EXPECT_EQ(ClampItemIndex(0, 0), -1) << "no items: nothing selected";
}

} // namespace
} // namespace korvane
