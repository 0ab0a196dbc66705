// The decisions of control skin data: background shape, plain backgrounds, see-through colours,
// the active state, skipped paints, moves, background answers and the bound label's place.
#include "controls/skin_data_rules.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TsGeneralData Section(int transparency, int gradientPercent = 0, int imagePercent = 0, int mode = 0)
{
    TsGeneralData section;
    section.Transparency = transparency;
    section.GradientPercent = gradientPercent;
    section.ImagePercent = imagePercent;
    if (gradientPercent != 0)
        section.GradientArray->push_back({0, 0xFFFFFF, 100, mode});
    return section;
}

TEST(BackgroundShape, TextureAndGradientDirectionAddUp)
{
    EXPECT_EQ(BackgroundShapeOf(Section(0)), 0);
    EXPECT_EQ(BackgroundShapeOf(Section(0, 0, 40)), kShapeTextured);
    EXPECT_EQ(BackgroundShapeOf(Section(0, 50, 0, 0)), kShapeAlongHeight);
    EXPECT_EQ(BackgroundShapeOf(Section(0, 50, 0, 1)), kShapeAlongWidth);
    EXPECT_EQ(BackgroundShapeOf(Section(0, 50, 10, 2)), kShapeTextured + kShapeAlongWidth + kShapeAlongHeight);
    TsGeneralData noSteps = Section(0);
    noSteps.GradientPercent = 50;
    EXPECT_EQ(BackgroundShapeOf(noSteps), 0) << "a gradient percentage without steps paints no gradient";
}

TEST(PlainBackground, OnlyContainersWithASimpleFaceAreFlat)
{
    PlainBackgroundFacts container;
    container.IsContainer = true;
    EXPECT_TRUE(IsPlainBackground(Section(0), container));
    EXPECT_FALSE(IsPlainBackground(Section(0), PlainBackgroundFacts{})) << "a control is never a plain container";
    EXPECT_FALSE(IsPlainBackground(Section(0, 10), container));
    EXPECT_FALSE(IsPlainBackground(Section(0, 0, 10), container));
    EXPECT_FALSE(IsPlainBackground(Section(50), container));

    PlainBackgroundFacts wide = container;
    wide.BorderLeft = 11;
    wide.BorderRight = 10;
    EXPECT_FALSE(IsPlainBackground(Section(0), wide)) << "borders of more than 20 pixels across";
    wide.BorderRight = 9;
    EXPECT_TRUE(IsPlainBackground(Section(0), wide));

    PlainBackgroundFacts seeThrough = container;
    EXPECT_FALSE(IsPlainBackground(Section(100), seeThrough)) << "no parent to show through";
    seeThrough.HasOwnerAndParent = true;
    EXPECT_FALSE(IsPlainBackground(Section(100), seeThrough));
    seeThrough.ParentPlain = true;
    EXPECT_TRUE(IsPlainBackground(Section(100), seeThrough));
    EXPECT_TRUE(IsPlainBackground(Section(20000000), seeThrough)) << "a transparency over 100 counts as 100";
}

TEST(SeeThroughColour, MixesParentAndOwnColourByTransparency)
{
    EXPECT_EQ(SeeThroughColour(0x000000, 0xFFFFFF, 50), 0x808080u) << "each channel 127.5 rounded";
    EXPECT_EQ(SeeThroughColour(0x123456, 0xFFFFFF, 100), 0x123456u);
    EXPECT_EQ(SeeThroughColour(0x123456, 0xABCDEF, 0), 0xABCDEFu);
    // 25 % of 200 and 75 % of 40 in the red byte: 50 + 30 = 80.
    EXPECT_EQ(SeeThroughColour(0x0000C8, 0x000028, 25) & 0xFF, 80u);
    EXPECT_EQ(SeeThroughColour(0x0000C8, 0x000028, -5), 0x000028u) << "below 0 counts as 0";
}

TEST(LimitState, OneStateSectionsAlwaysDrawNormal)
{
    EXPECT_EQ(LimitState(1, 1), 0);
    EXPECT_EQ(LimitState(2, 2), 1);
    EXPECT_EQ(LimitState(1, 3), 1);
    EXPECT_EQ(LimitState(1, 0), 0) << "a section without states is drawn normal";
}

TEST(IsActive, FocusWinsThenTheKeyboardThenTheMouse)
{
    ActiveFacts facts;
    facts.HasOwnerControl = true;
    EXPECT_FALSE(IsActive(facts));
    facts.MouseInside = true;
    EXPECT_TRUE(IsActive(facts));
    facts.Kind = 74;
    EXPECT_FALSE(IsActive(facts)) << "a group box never turns hot under the mouse";
    facts.HasFocus = true;
    EXPECT_TRUE(IsActive(facts));
    facts.Enabled = false;
    EXPECT_FALSE(IsActive(facts)) << "disabled";

    ActiveFacts panel;
    panel.HasOwnerControl = true;
    panel.IsPanel = true;
    panel.WindowHasKeyboardFocus = true;
    panel.MouseInside = true;
    EXPECT_FALSE(IsActive(panel)) << "a focused panel is not hot, whatever the mouse";
    panel.IsPanel = false;
    EXPECT_TRUE(IsActive(panel));

    ActiveFacts noOwner;
    noOwner.HasFocus = true;
    EXPECT_FALSE(IsActive(noOwner));
}

TEST(MustSkipPaint, AChildWaitsForItsUpdatingParent)
{
    SkipPaintFacts facts;
    EXPECT_FALSE(MustSkipPaint(facts));
    facts.HasParent = true;
    facts.ParentUpdating = true;
    EXPECT_TRUE(MustSkipPaint(facts));
    facts.UsesCache = false;
    EXPECT_FALSE(MustSkipPaint(facts)) << "a plain background without cache paints at once";
    facts.PaintSuspended = true;
    EXPECT_TRUE(MustSkipPaint(facts));
    facts.HasManager = false;
    EXPECT_FALSE(MustSkipPaint(facts)) << "without a manager nothing is skipped";
    SkipPaintFacts going;
    going.Destroying = true;
    going.HasParent = true;
    going.ParentUpdating = true;
    EXPECT_FALSE(MustSkipPaint(going)) << "a control being destroyed asks nobody";
}

TEST(BackgroundFollowsPosition, OpaqueControlsKeepTheirCacheWhenMoved)
{
    MoveFacts opaque;
    EXPECT_FALSE(BackgroundFollowsPosition(opaque));
    MoveFacts disabled = opaque;
    disabled.Enabled = false;
    EXPECT_TRUE(BackgroundFollowsPosition(disabled)) << "disabled faces are blended with what lies behind";
    MoveFacts seeThrough = opaque;
    seeThrough.Transparency = 100;
    EXPECT_FALSE(BackgroundFollowsPosition(seeThrough)) << "no parent window to ask";
    seeThrough.ParentHasWindow = true;
    EXPECT_FALSE(BackgroundFollowsPosition(seeThrough));
    seeThrough.ParentComplex = true;
    EXPECT_TRUE(BackgroundFollowsPosition(seeThrough));
    MoveFacts urgent = opaque;
    urgent.UrgentPainting = true;
    EXPECT_TRUE(BackgroundFollowsPosition(urgent));
    MoveFacts sheet = opaque;
    sheet.IsTabSheet = true;
    EXPECT_TRUE(BackgroundFollowsPosition(sheet));
}

TEST(PlanBackgroundAnswer, EachTransparencyAnswersItsWay)
{
    using Kind = BackgroundAnswerKind;
    BackgroundFacts facts;
    EXPECT_EQ(PlanBackgroundAnswer(facts).Kind, Kind::OwnerColour) << "not skinned";
    facts.Skinned = true;
    EXPECT_EQ(PlanBackgroundAnswer(facts).Kind, Kind::StateColour) << "opaque and flat";
    facts.GradientPercent = 30;
    EXPECT_EQ(PlanBackgroundAnswer(facts).Kind, Kind::KeyColour) << "varying, no cache yet";
    facts.HasCache = true;
    EXPECT_EQ(PlanBackgroundAnswer(facts).Kind, Kind::OwnCache);
    EXPECT_TRUE(PlanBackgroundAnswer(facts).ColourIsGlobal);
    facts.CustomColor = true;
    EXPECT_EQ(PlanBackgroundAnswer(facts).Kind, Kind::OwnerColour);

    BackgroundFacts through;
    through.Skinned = true;
    through.Transparency = 100;
    through.HasCache = true;
    EXPECT_EQ(PlanBackgroundAnswer(through).Kind, Kind::AskParent) << "stale cache";
    through.CacheStale = false;
    EXPECT_EQ(PlanBackgroundAnswer(through).Kind, Kind::OwnCache) << "fresh cache holds what lies behind";
    through.PlainBackground = true;
    EXPECT_EQ(PlanBackgroundAnswer(through).Kind, Kind::AskParent);

    BackgroundFacts half;
    half.Skinned = true;
    half.Transparency = 50;
    EXPECT_EQ(PlanBackgroundAnswer(half).Kind, Kind::KeyColour);
    half.HasCache = true;
    EXPECT_EQ(PlanBackgroundAnswer(half).Kind, Kind::OwnCache);
    EXPECT_FALSE(PlanBackgroundAnswer(half).ColourIsGlobal);
}

TEST(PlaceLabel, EachLayoutPutsTheLabelBesideTheControl)
{
    const PixelRect control = BoundsRect(100, 50, 80, 21);
    const LabelPlace left = PlaceLabel(TsCaptionLayout::sclLeft, control, 40, 13, 0);
    EXPECT_EQ(left.Left, 56);
    EXPECT_EQ(left.Top, 53);
    const LabelPlace indented = PlaceLabel(TsCaptionLayout::sclLeft, control, 40, 13, 6);
    EXPECT_EQ(indented.Left, 50);
    const LabelPlace topLeft = PlaceLabel(TsCaptionLayout::sclTopLeft, control, 40, 13, 2);
    EXPECT_EQ(topLeft.Left, 100);
    EXPECT_EQ(topLeft.Top, 35);
    EXPECT_EQ(PlaceLabel(TsCaptionLayout::sclTopCenter, control, 40, 13, 0).Left, 120);
    EXPECT_EQ(PlaceLabel(TsCaptionLayout::sclTopCenter, control, 41, 13, 0).Left, 119) << "div truncates";
    EXPECT_EQ(PlaceLabel(TsCaptionLayout::sclTopRight, control, 40, 13, 0).Left, 140);
    // A label taller than the control: (21 - 30) div 2 truncates toward zero to -4.
    EXPECT_EQ(PlaceLabel(TsCaptionLayout::sclLeft, control, 40, 30, 0).Top, 45);
}

} // namespace
} // namespace korvane
