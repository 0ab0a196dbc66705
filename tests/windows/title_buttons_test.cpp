#include "windows/title_buttons.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace korvane {
namespace {

struct Images {
    std::set<std::u16string> Keys;
    bool operator()(std::u16string_view key) const { return Keys.count(std::u16string(key)) != 0; }
};

const Images kFullSkin{{u"BICONCLOSE", u"BICONMAX", u"BICONNORM", u"BICONMIN", u"BICONHELP", u"BICLOSEALONE",
                        u"SICONCLOSE", u"SICONMAX", u"SICONMIN", u"SICONNORM", u"SICONHELP"}};

TitleFacts Sizeable(bool maximized = false)
{
    TitleFacts facts;
    facts.BorderStyle = FrameBorderStyle::Sizeable;
    facts.Maximized = maximized;
    facts.OffersMinimize = true;
    facts.OffersMaximize = true;
    return facts;
}

TEST(TitleButtonKeys, CloseAloneOnlyWithoutMinimiseAndMaximiseAndOnlyWhenTheSkinHasIt)
{
    TitleFacts facts;
    EXPECT_EQ(ChooseTitleButtonKeys(facts, kFullSkin).Close, u"BICLOSEALONE");
    facts.OffersMinimize = true;
    EXPECT_EQ(ChooseTitleButtonKeys(facts, kFullSkin).Close, u"BICONCLOSE");
    facts.OffersMinimize = false;
    facts.OffersMaximize = true;
    EXPECT_EQ(ChooseTitleButtonKeys(facts, kFullSkin).Close, u"BICONCLOSE");
    Images noAlone = kFullSkin;
    noAlone.Keys.erase(u"BICLOSEALONE");
    EXPECT_EQ(ChooseTitleButtonKeys(TitleFacts{}, noAlone).Close, u"BICONCLOSE");
}

TEST(TitleButtonKeys, AMaximisedFormShowsTheRestorePictureInTheMaximisePlace)
{
    EXPECT_EQ(ChooseTitleButtonKeys(Sizeable(false), kFullSkin).Maximize, u"BICONMAX");
    const TitleButtonKeys keys = ChooseTitleButtonKeys(Sizeable(true), kFullSkin);
    EXPECT_EQ(keys.Maximize, u"BICONNORM");
    EXPECT_EQ(keys.Minimize, u"BICONMIN");
    EXPECT_TRUE(keys.Big);
}

TEST(TitleButtonKeys, ToolWindowsTakeTheSmallPicturesUnlessTheSkinHasNoSmallClose)
{
    TitleFacts facts;
    facts.BorderStyle = FrameBorderStyle::SizeToolWin;
    TitleButtonKeys keys = ChooseTitleButtonKeys(facts, kFullSkin);
    EXPECT_FALSE(keys.Big);
    EXPECT_EQ(keys.Close, u"SICONCLOSE");
    EXPECT_EQ(keys.Help, u"SICONHELP");

    Images noSmallHelp = kFullSkin;
    noSmallHelp.Keys.erase(u"SICONHELP");
    EXPECT_EQ(ChooseTitleButtonKeys(facts, noSmallHelp).Help, u"BICONHELP");

    Images noSmallClose = kFullSkin;
    noSmallClose.Keys.erase(u"SICONCLOSE");
    keys = ChooseTitleButtonKeys(facts, noSmallClose);
    EXPECT_TRUE(keys.Big);
    EXPECT_EQ(keys.Close, u"BICLOSEALONE");
    EXPECT_EQ(keys.Minimize, u"BICONMIN");
}

// The reference skin: BISPACE -1, BIVALIGN 1, a close picture 132 pixels wide with three states.
TitleLayoutInput ReferenceLayout(bool maximized)
{
    TitleLayoutInput input;
    input.WindowWidth = 400;
    input.BorderWidth = 4;
    input.CaptionHeight = 19;
    input.Maximized = maximized;
    input.BIRight = 2;
    input.BISpace = -1;
    input.BIVAlign = 1;
    input.ShowMaximize = true;
    input.ShowMinimize = true;
    input.Close = {132 / 3, 21};
    input.Maximize = {90 / 3, 21};
    input.Minimize = {90 / 3, 21};
    return input;
}

TEST(TitleButtonLayout, TheReferenceCloseButtonIs44WideAtTheTopAndOverlapsTheNextByOnePixel)
{
    const TitleLayout layout = LayOutTitleButtons(ReferenceLayout(false));
    EXPECT_EQ(layout.Close, (PixelRect{350, 0, 394, 21}));
    EXPECT_EQ(layout.Close.Width(), 44);
    EXPECT_EQ(layout.Maximize.Right, layout.Close.Left + 1);
    EXPECT_EQ(layout.Minimize.Right, layout.Maximize.Left + 1);
    EXPECT_EQ(layout.Left, layout.Minimize.Left);
    EXPECT_TRUE(layout.Help.IsEmpty());
}

TEST(TitleButtonLayout, AMaximisedFormHasItsBigButtonsAtTopThree)
{
    const TitleLayout layout = LayOutTitleButtons(ReferenceLayout(true));
    EXPECT_EQ(layout.Close.Top, 3);
    EXPECT_EQ(layout.Maximize.Top, 3);
    EXPECT_EQ(layout.Close.Bottom, 24);
}

TEST(TitleButtonLayout, GraphiteButtonsAreCentredInTheCaptionWithTheirGap)
{
    // Graphite: BIRIGHT 3, BISPACE 2, BIVALIGN 0; close 90 x 40 with 3 states and a mask row.
    TitleLayoutInput input;
    input.WindowWidth = 300;
    input.BorderWidth = 3;
    input.CaptionHeight = 19;
    input.BIRight = 3;
    input.BISpace = 2;
    input.Close = {30, 20};
    input.Minimize = {30, 20};
    input.ShowMinimize = true;
    const TitleLayout layout = LayOutTitleButtons(input);
    EXPECT_EQ(layout.Close, (PixelRect{264, 1, 294, 21}));
    EXPECT_EQ(layout.Minimize, (PixelRect{232, 1, 262, 21}));
    EXPECT_TRUE(layout.Maximize.IsEmpty());
}

TEST(TitleButtonLayout, SmallButtonsHaveNoGapAndLowBigButtonsSitTwoLower)
{
    TitleLayoutInput input;
    input.WindowWidth = 200;
    input.BorderWidth = 3;
    input.CaptionHeight = 15;
    input.BISpace = 5;
    input.Big = false;
    input.BIVAlign = 1; // only big buttons go to the top
    input.ShowHelp = true;
    input.Close = {20, 12};
    input.Help = {20, 12};
    TitleLayout layout = LayOutTitleButtons(input);
    EXPECT_EQ(layout.Help.Right, layout.Close.Left);
    EXPECT_EQ(layout.Close.Top, (3 + 15 - 12) / 2);

    input.Big = true;
    input.BIVAlign = 0;
    layout = LayOutTitleButtons(input);
    EXPECT_EQ(layout.Close.Top, (3 + 15 - 12) / 2 + 2);
    EXPECT_EQ(layout.Help.Right, layout.Close.Left - 5);
}

TEST(TitleButtonLayout, AMissingPictureTakesNoPlace)
{
    TitleLayoutInput input = ReferenceLayout(false);
    input.Maximize = {};
    const TitleLayout layout = LayOutTitleButtons(input);
    EXPECT_TRUE(layout.Maximize.IsEmpty());
    EXPECT_EQ(layout.Minimize.Right, layout.Close.Left + 1);

    TitleLayoutInput none;
    none.WindowWidth = 120;
    none.BorderWidth = 3;
    EXPECT_EQ(LayOutTitleButtons(none).Left, 117);
}

} // namespace
} // namespace korvane
