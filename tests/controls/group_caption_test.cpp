// The caption strip of a group box: its side, the centred strip, clipping to the box, the
// lifted caption and the frame top.
#include "controls/group_caption.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

GroupCaptionFacts Facts(int width, int textWidth, TsGroupCaptionLayout layout)
{
    GroupCaptionFacts facts;
    facts.Width = width;
    facts.TextWidth = textWidth;
    facts.CaptionHeight = GroupCaptionHeight(13);
    facts.Layout = layout;
    return facts;
}

TEST(GroupCaption, HeightIsTheLetterHeightOfAtLeastFourPlusTwo)
{
    EXPECT_EQ(GroupCaptionHeight(13), 15);
    EXPECT_EQ(GroupCaptionHeight(2), 6);
    EXPECT_EQ(GroupCaptionHeight(0), 6);
}

TEST(GroupCaption, ACentredCaptionOf60InA100PixelBoxRunsFrom15To83)
{
    const PixelRect strip = GroupCaptionRect(Facts(100, 60, TsGroupCaptionLayout::clTopCenter));
    EXPECT_EQ(strip.Left, 15);
    EXPECT_EQ(strip.Right, 83);
    EXPECT_EQ(strip.Top, 0);
    EXPECT_EQ(strip.Bottom, 15);
}

TEST(GroupCaption, LeftAndRightCaptionsStandSixAndFourteenInFromTheirSide)
{
    EXPECT_EQ(GroupCaptionRect(Facts(200, 50, TsGroupCaptionLayout::clTopLeft)), (PixelRect{6, 0, 64, 15}));
    EXPECT_EQ(GroupCaptionRect(Facts(200, 50, TsGroupCaptionLayout::clTopRight)), (PixelRect{136, 0, 194, 15}));
    // Right-to-left reading mirrors the two sides.
    GroupCaptionFacts mirrored = Facts(200, 50, TsGroupCaptionLayout::clTopLeft);
    mirrored.RightToLeft = true;
    EXPECT_EQ(GroupCaptionRect(mirrored).Left, 136);
    mirrored.Layout = TsGroupCaptionLayout::clTopRight;
    EXPECT_EQ(GroupCaptionRect(mirrored).Left, 6);
}

TEST(GroupCaption, ACaptionWiderThanTheBoxIsClippedToTheBox)
{
    for (TsGroupCaptionLayout layout :
         {TsGroupCaptionLayout::clTopLeft, TsGroupCaptionLayout::clTopCenter, TsGroupCaptionLayout::clTopRight}) {
        const PixelRect strip = GroupCaptionRect(Facts(80, 150, layout));
        EXPECT_GE(strip.Left, 0);
        EXPECT_EQ(strip.Right, 80);
    }
    EXPECT_EQ(GroupCaptionRect(Facts(80, 150, TsGroupCaptionLayout::clTopCenter)).Left, 0);
}

TEST(GroupCaption, ANegativeOffsetLiftsTheStripAndTheFrameStartsAtTheTop)
{
    GroupCaptionFacts facts = Facts(200, 50, TsGroupCaptionLayout::clTopLeft);
    facts.CaptionYOffset = -4;
    const PixelRect lifted = GroupCaptionRect(facts);
    EXPECT_EQ(lifted.Top, -4);
    EXPECT_EQ(lifted.Bottom, 11);
    EXPECT_EQ(GroupFrameTop(lifted, -4), 0);
    facts.CaptionYOffset = 5;
    const PixelRect lowered = GroupCaptionRect(facts);
    EXPECT_EQ(lowered.Top, 0);
    EXPECT_EQ(lowered.Bottom, 20);
    EXPECT_EQ(GroupFrameTop(lowered, 5), 10);
    // Unskinned boxes keep the plain caption height.
    facts.Skinned = false;
    EXPECT_EQ(GroupCaptionRect(facts).Bottom, 15);
}

TEST(GroupCaption, AStripNarrowerThanTwoBevelsGrowsByABevelOnEachSide)
{
    GroupCaptionFacts facts = Facts(200, 0, TsGroupCaptionLayout::clTopLeft);
    facts.BevelWidth = 5; // an empty caption's strip is 8 wide
    EXPECT_EQ(GroupCaptionRect(facts), (PixelRect{1, 0, 19, 15}));
    facts.BevelWidth = 4;
    EXPECT_EQ(GroupCaptionRect(facts), (PixelRect{6, 0, 14, 15}));
}

} // namespace
} // namespace korvane
