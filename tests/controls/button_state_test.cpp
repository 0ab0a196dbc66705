// The drawing state of the skinned buttons and what a release does.
#include "controls/button_state.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(WindowedButtonState, PushedShowsPressedWhileTheMouseIsOverItOrNotHeld)
{
    WindowedButtonFacts facts;
    EXPECT_EQ(WindowedButtonState(facts), StateNormal);
    facts.Pushed = true;
    facts.LeftButtonHeld = true;
    EXPECT_EQ(WindowedButtonState(facts), StateNormal) << "held but dragged off the button";
    facts.MouseInside = true;
    EXPECT_EQ(WindowedButtonState(facts), StatePressed);
    facts.MouseInside = false;
    facts.LeftButtonHeld = false;
    EXPECT_EQ(WindowedButtonState(facts), StatePressed) << "pushed by the space key";

    WindowedButtonFacts flush;
    flush.PressedLookFlush = true;
    flush.MouseInside = true;
    flush.LeftButtonHeld = true;
    EXPECT_EQ(WindowedButtonState(flush), StatePressed) << "the synchronous repaint at mouse up";
}

TEST(WindowedButtonState, DownWinsThenDefaultAndActiveAreHot)
{
    WindowedButtonFacts facts;
    facts.Down = true;
    facts.LeftButtonHeld = true;
    EXPECT_EQ(WindowedButtonState(facts), StatePressed) << "Down regardless of the mouse";
    for (bool WindowedButtonFacts::*flag :
         {&WindowedButtonFacts::ActiveDefault, &WindowedButtonFacts::DefaultStyle, &WindowedButtonFacts::Active}) {
        WindowedButtonFacts hot;
        hot.*flag = true;
        EXPECT_EQ(WindowedButtonState(hot), StateHot);
    }
}

TEST(SpeedButtonState, DownIsPressedActiveIsHot)
{
    EXPECT_EQ(SpeedButtonState(false, false), StateNormal);
    EXPECT_EQ(SpeedButtonState(false, true), StateHot);
    EXPECT_EQ(SpeedButtonState(true, false), StatePressed);
    EXPECT_EQ(SpeedButtonState(true, true), StatePressed);
}

TEST(PlanRelease, AQuickClickShowsThePressedFaceForAtLeastThirtyMilliseconds)
{
    const ReleaseSteps quick = PlanRelease(true, true);
    EXPECT_TRUE(quick.ShowPressedFace);
    EXPECT_GE(quick.PauseMs, 30);
    EXPECT_TRUE(quick.ShowChange);
    const ReleaseSteps settled = PlanRelease(true, false);
    EXPECT_FALSE(settled.ShowPressedFace) << "the pressed face is already on the screen";
    EXPECT_EQ(settled.PauseMs, 0);
    EXPECT_TRUE(settled.ShowChange);
    const ReleaseSteps stray = PlanRelease(false, true);
    EXPECT_FALSE(stray.ShowPressedFace);
    EXPECT_FALSE(stray.ShowChange) << "a release without a press changes nothing";
}

} // namespace
} // namespace korvane
