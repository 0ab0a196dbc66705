#include "controls/list_item_rules.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// Items of height 16 stacked from the client's top, as a list box lays them out.
std::function<PixelRect(int)> Stacked(int topIndex, int width)
{
    return [=](int index) { return BoundsRect(0, (index - topIndex) * 16, width, 16); };
}

TEST(ListItemState, ASingleSelectListMarksOnlyItsItemIndexFocusedWithTheControl)
{
    EXPECT_EQ(ListItemState({.IsItemIndex = true, .ControlFocused = true}), kItemSelected | kItemFocus);
    EXPECT_EQ(ListItemState({.IsItemIndex = true}), kItemSelected);
    EXPECT_EQ(ListItemState({.Selected = true, .ControlFocused = true}), 0u) << "selection is the item index alone";
}

TEST(ListItemState, AMultiSelectListMarksEverySelectedItemAndTheFocusOnTheItemIndex)
{
    EXPECT_EQ(ListItemState({.MultiSelect = true, .Selected = true}), kItemSelected);
    EXPECT_EQ(ListItemState({.MultiSelect = true, .IsItemIndex = true, .ControlFocused = true}), kItemFocus);
    EXPECT_EQ(ListItemState({.MultiSelect = true, .IsItemIndex = true}), 0u);
}

TEST(PlanListPaint, StopsAtTheFirstItemBelowTheClientArea)
{
    const PixelRect client{0, 0, 100, 40};
    const ListPaintPlan plan = PlanListPaint(0, 10, client, Stacked(0, 100));
    EXPECT_EQ(plan.Items, (std::vector<int>{0, 1, 2})) << "the third item shows its top half";
    EXPECT_EQ(plan.Last, BoundsRect(0, 32, 100, 16));
    EXPECT_EQ(plan.MaxBottom, 48);
}

TEST(PlanListPaint, ATopIndexPastTheLastItemPaintsNoItem)
{
    const ListPaintPlan plan = PlanListPaint(12, 10, {0, 0, 100, 40}, Stacked(12, 100));
    EXPECT_TRUE(plan.Items.empty());
    EXPECT_TRUE(plan.Last.IsEmpty());
    EXPECT_EQ(plan.MaxBottom, 0);
}

TEST(PlanListPaint, AnItemEndingExactlyAtTheClientTopIsNotDrawn)
{
    int asked = 0;
    const ListPaintPlan plan = PlanListPaint(0, 5, {0, 16, 100, 60}, [&](int index) {
        ++asked;
        return BoundsRect(0, index * 16, 100, 16);
    });
    EXPECT_TRUE(plan.Items.empty()) << "the first item lies wholly above and stops the walk";
    EXPECT_EQ(asked, 1);
}

TEST(UncoveredListStrips, ItemsThatDoNotFillTheListLeaveTheFaceBelowThemUncovered)
{
    // A 104 x 84 control: client 100 x 80 inside its 2-pixel frame; two items of 16.
    const std::vector<PixelRect> strips = UncoveredListStrips(BoundsRect(0, 16, 100, 16), 32, 104, 84);
    ASSERT_EQ(strips.size(), 1u) << "the items are as wide as the client";
    EXPECT_EQ(strips[0], (PixelRect{0, 32, 102, 82}));
}

TEST(UncoveredListStrips, NarrowAndIndentedItemsLeaveTheRightAndLeftStripsToo)
{
    const std::vector<PixelRect> strips = UncoveredListStrips({5, 16, 60, 32}, 32, 104, 84);
    ASSERT_EQ(strips.size(), 3u);
    EXPECT_EQ(strips[0], (PixelRect{5, 32, 102, 82}));
    EXPECT_EQ(strips[1], (PixelRect{60, 0, 102, 32}));
    EXPECT_EQ(strips[2], (PixelRect{0, 32, 5, 82}));
}

TEST(UncoveredListStrips, WithoutItemsTheWholeClientComesFromTheCache)
{
    const std::vector<PixelRect> strips = UncoveredListStrips({}, 0, 104, 84);
    ASSERT_EQ(strips.size(), 1u);
    EXPECT_EQ(strips[0], (PixelRect{0, 0, 102, 82}));
}

TEST(UncoveredListStrips, AFullListLeavesNothing)
{
    EXPECT_TRUE(UncoveredListStrips({0, 64, 100, 80}, 80, 104, 84).empty());
    EXPECT_TRUE(UncoveredListStrips({2, 64, 100, 80}, 80, 104, 84).empty()) << "an indent below 3 is left alone";
}

TEST(ListItemLook, SelectionSectionReplacesTheFocusRectangleOnlyOnSelectedItems)
{
    const ItemLook focusedSelected = ListItemLook(kItemSelected | kItemFocus, true);
    EXPECT_TRUE(focusedSelected.PaintSelection);
    EXPECT_TRUE(focusedSelected.SelectionColours);
    EXPECT_EQ(focusedSelected.SelectionState, 1);
    EXPECT_FALSE(focusedSelected.FocusRect);
    const ItemLook focusedOnly = ListItemLook(kItemFocus, true);
    EXPECT_FALSE(focusedOnly.PaintSelection);
    EXPECT_TRUE(focusedOnly.FocusRect) << "a focused item that is not selected still shows the focus";
    EXPECT_EQ(ListItemLook(kItemSelected, true).SelectionState, 0);
}

TEST(ListItemLook, WithoutSelectionSectionTheSelectionColourAndAFocusRectangleAreUsed)
{
    const ItemLook look = ListItemLook(kItemSelected | kItemFocus, false);
    EXPECT_TRUE(look.FillSelection);
    EXPECT_FALSE(look.PaintSelection);
    EXPECT_FALSE(look.SelectionColours);
    EXPECT_TRUE(look.FocusRect);
    const ItemLook plain = ListItemLook(0, false);
    EXPECT_FALSE(plain.FillSelection);
    EXPECT_FALSE(plain.FocusRect);
}

} // namespace
} // namespace korvane
