#include "controls/combo_layout.h"
#include "controls/list_item_rules.h"
#include "controls/rich_edit_colours.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ComboButtonRect, StandsAtTheRightInsideTheFrameOrAtTwoForRightToLeft)
{
    EXPECT_EQ(ComboButtonRect(TComboBoxStyle::csDropDownList, 265, 22, false, 17), (PixelRect{246, 2, 263, 20}));
    EXPECT_EQ(ComboButtonRect(TComboBoxStyle::csDropDownList, 265, 22, true, 17), (PixelRect{2, 2, 19, 20}));
    const PixelRect simple = ComboButtonRect(TComboBoxStyle::csSimple, 265, 100, false, 17);
    EXPECT_EQ(simple.Width(), 0) << "a simple box has no button";
    EXPECT_EQ(simple.Left, 263);
}

TEST(ComboTextRect, TheTextStartsRightOfARightToLeftButton)
{
    const PixelRect button = ComboButtonRect(TComboBoxStyle::csDropDown, 100, 22, true, 17);
    EXPECT_EQ(ComboTextRect(button, 100, 22, true), (PixelRect{20, 3, 97, 19}));
    const PixelRect left = ComboButtonRect(TComboBoxStyle::csDropDown, 100, 22, false, 17);
    EXPECT_EQ(ComboTextRect(left, 100, 22, false), (PixelRect{3, 3, 80, 19}));
}

TEST(ComboCacheHeight, ASimpleBoxCachesOnlyItsEditLine)
{
    EXPECT_EQ(ComboCacheHeight(TComboBoxStyle::csSimple, 13, 150), 21);
    EXPECT_EQ(ComboCacheHeight(TComboBoxStyle::csSimple, 16, 30), 24) << "whatever the control's height";
    EXPECT_EQ(ComboCacheHeight(TComboBoxStyle::csDropDownList, 16, 22), 22);
}

TEST(ComboEditItemState, OnlyBoxesThatShowTheItemThemselvesHighlightItWhenFocused)
{
    EXPECT_EQ(ComboEditItemState(TComboBoxStyle::csDropDownList, true), kItemComboBoxEdit | kItemSelected | kItemFocus);
    EXPECT_EQ(ComboEditItemState(TComboBoxStyle::csOwnerDrawVariable, true),
              kItemComboBoxEdit | kItemSelected | kItemFocus);
    EXPECT_EQ(ComboEditItemState(TComboBoxStyle::csDropDown, true), kItemComboBoxEdit);
    EXPECT_EQ(ComboEditItemState(TComboBoxStyle::csDropDownList, false), kItemComboBoxEdit);
}

TEST(ComboButtonState, DroppedBeatsActive)
{
    EXPECT_EQ(ComboButtonState(true, false), 2);
    EXPECT_EQ(ComboButtonState(true, true), 2);
    EXPECT_EQ(ComboButtonState(false, true), 1);
    EXPECT_EQ(ComboButtonState(false, false), 0);
}

TEST(ComboArrowPosition, CentresThePictureAndTruncatesTowardZero)
{
    const PixelRect button{246, 2, 263, 20};
    EXPECT_EQ(ComboArrowPosition(button, 8, 16, 22).X, 246 + 4);
    EXPECT_EQ(ComboArrowPosition(button, 8, 16, 22).Y, 3);
    EXPECT_EQ(ComboArrowPosition(button, 20, 16, 13).X, 246 - 1) << "(17 - 20) div 2 is -1";
    EXPECT_EQ(ComboArrowPosition(button, 20, 16, 13).Y, -1);
}

TEST(ComboShownParts, TheEditOfAFocusedDropDownAndOfASimpleBoxShowsTheText)
{
    EXPECT_EQ(ComboShownParts(TComboBoxStyle::csDropDown, true), ComboShownPart::FrameAndButton);
    EXPECT_EQ(ComboShownParts(TComboBoxStyle::csDropDown, false), ComboShownPart::WholeFace);
    EXPECT_EQ(ComboShownParts(TComboBoxStyle::csSimple, false), ComboShownPart::FrameOnly);
    EXPECT_EQ(ComboShownParts(TComboBoxStyle::csDropDownList, true), ComboShownPart::WholeFace);
}

TEST(ReadOnlyComboDropsKey, DropsNavigationKeysAndLettersButNotTabOrEnter)
{
    for (unsigned key = 32; key <= 40; ++key)
        EXPECT_TRUE(ReadOnlyComboDropsKey(key)) << key;
    EXPECT_TRUE(ReadOnlyComboDropsKey(57));
    EXPECT_TRUE(ReadOnlyComboDropsKey('A'));
    EXPECT_TRUE(ReadOnlyComboDropsKey('Z'));
    EXPECT_FALSE(ReadOnlyComboDropsKey(9)) << "tab moves the focus on";
    EXPECT_FALSE(ReadOnlyComboDropsKey(13));
    EXPECT_FALSE(ReadOnlyComboDropsKey(41));
    EXPECT_FALSE(ReadOnlyComboDropsKey('0')) << "only the digit 9 is among the dropped keys";
    EXPECT_FALSE(ReadOnlyComboDropsKey(91));
}

TEST(ComboListNeedsAdapter, OnlyAListLongerThanTheDropDownCount)
{
    EXPECT_TRUE(ComboListNeedsAdapter(21, 16));
    // The dropped list: 16 of 21 flags at 16 pixels; three items; an empty box keeps one line.
    EXPECT_EQ(DroppedListHeight(21, 16, 16), 16 * 16 + 2);
    EXPECT_EQ(DroppedListHeight(3, 16, 16), 3 * 16 + 2);
    EXPECT_EQ(DroppedListHeight(0, 16, 16), 16 + 2);
    EXPECT_EQ(DroppedListHeight(5, 0, 13), 13 + 2) << "a DropDownCount below 1 shows one";
    EXPECT_FALSE(ComboListNeedsAdapter(16, 16));
    EXPECT_TRUE(ComboUserDrawsItems(TComboBoxStyle::csOwnerDrawFixed, true));
    EXPECT_FALSE(ComboUserDrawsItems(TComboBoxStyle::csDropDownList, true));
    EXPECT_FALSE(ComboUserDrawsItems(TComboBoxStyle::csOwnerDrawVariable, false));
}

TEST(DisabledRichTextColour, MixesTheTextHalfwayIntoTheBackground)
{
    EXPECT_EQ(DisabledRichTextColour(0x000000, 0xFFFFFF), 0x808080u);
    // Per channel: red (255 * 127 + 0) >> 8 = 126, green (0 + 255 * 129) >> 8 = 128,
    // blue (16 * 127 + 32 * 129) >> 8 = 24.
    EXPECT_EQ(DisabledRichTextColour(0x1000FF, 0x20FF00), 0x18807Eu);
    EXPECT_EQ(DisabledRichTextColour(0xFF000000, 0x7F000000), 0u) << "only the colour bytes are mixed";
}

} // namespace
} // namespace korvane
