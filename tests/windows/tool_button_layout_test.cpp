#include "windows/tool_button_layout.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// Six pixels a character.
int Measure(std::wstring_view text)
{
    return static_cast<int>(text.size()) * 6;
}

TEST(ToolButtonText, ATooWideTextIsCutAtTheLastBlankWhoseLineFits)
{
    EXPECT_FALSE(SplitToolButtonText(L"Open file", 54, Measure).Split());
    const ToolButtonLines lines = SplitToolButtonText(L"Open the recent file list", 60, Measure);
    EXPECT_EQ(lines.First, L"Open the");
    EXPECT_EQ(lines.Rest, L"recent file list");
}

TEST(ToolButtonText, WithoutAFittingLineTheFirstBlankCutsAndWithoutBlanksNothingDoes)
{
    const ToolButtonLines first = SplitToolButtonText(L"Extraordinary long", 30, Measure);
    EXPECT_EQ(first.First, L"Extraordinary");
    EXPECT_EQ(first.Rest, L"long");
    EXPECT_FALSE(SplitToolButtonText(L"Unbreakable", 30, Measure).Split());
    EXPECT_FALSE(SplitToolButtonText(L"Trailing ", 30, Measure).Split());
    EXPECT_EQ(SplitToolButtonText(L" lead word", 30, Measure).First, L" lead");
}

TEST(ToolButtonStates, DisabledBeatsPressedWhichBeatsHot)
{
    EXPECT_EQ(ToolButtonState(false, true, true), 0);
    EXPECT_EQ(ToolButtonState(true, true, false), 2);
    EXPECT_EQ(ToolButtonState(true, false, true), 1);
    EXPECT_EQ(ToolButtonState(true, false, false), 0);
}

TEST(ToolButtonDivider, TheStripIsFourWideLeftOfTheMiddleInsideTwoPixelsTopAndBottom)
{
    EXPECT_EQ(DividerStrip(8, 22), (PixelRect{3, 2, 7, 20}));
    EXPECT_EQ(DividerStrip(9, 22), (PixelRect{3, 2, 7, 20}));
    EXPECT_EQ(DividerStrip(2, 10), (PixelRect{0, 2, 4, 8}));
}

TEST(ToolButtonPlacement, TheIconIsCentredTheTextBelowItAndAPressMovesBoth)
{
    ToolButtonPlace place = PlaceToolButton(60, 40, {16, 16, 0, 0, false});
    EXPECT_EQ(place.IconX, 22);
    EXPECT_EQ(place.IconY, 4);
    EXPECT_EQ(place.Text, (PixelRect{2, 20, 58, 38}));
    place = PlaceToolButton(60, 40, {16, 16, 0, 0, true});
    EXPECT_EQ(place.IconX, 23);
    EXPECT_EQ(place.IconY, 5);
    EXPECT_EQ(place.Text, (PixelRect{3, 21, 59, 39}));
    EXPECT_EQ(PlaceToolButton(60, 40, {}).Text, (PixelRect{2, 2, 58, 38})) << "no icon: the text from the top";
    // A drop arrow takes the right edge; the icon is centred in what is left.
    place = PlaceToolButton(60, 40, {16, 16, 8, 4, false});
    EXPECT_EQ(place.ArrowX, 50);
    EXPECT_EQ(place.ArrowY, 18);
    EXPECT_EQ(place.IconX, 17);
}

} // namespace
} // namespace korvane
