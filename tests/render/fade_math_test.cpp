#include "render/fade_math.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(FadeAlpha, TwentyIterationsStartAt242AndEndAt0)
{
    EXPECT_EQ(FadeAlpha(1, 20), 242); // 255 - 12.8
    EXPECT_EQ(FadeAlpha(10, 20), 127);
    EXPECT_EQ(FadeAlpha(19, 20), 11); // 255 - 243.2
    EXPECT_EQ(FadeAlpha(3, 7), 145);  // 255 - 109.7
    EXPECT_EQ(FadeAlpha(20, 20), 0);  // 255 - 256, clamped
    EXPECT_EQ(FadeAlpha(1, 1), 0);
    EXPECT_EQ(FadeAlpha(1, 2), 127);
    EXPECT_EQ(FadeAlpha(0, 5), 255);
    EXPECT_EQ(FadeAlpha(3, 0), 0);
}

TEST(FadeSteps, NewTimerRunsAllIterationsFromStep1)
{
    const FadeSteps steps = StartFadeSteps(false, 0, 20, false);
    EXPECT_EQ(steps.Steps, 20);
    EXPECT_EQ(steps.Step, 1);
}

TEST(FadeSteps, HalveFlagWithFiveIterationsGivesTwoSteps)
{
    const FadeSteps steps = StartFadeSteps(false, 0, 5, true);
    EXPECT_EQ(steps.Steps, 2);
    EXPECT_EQ(steps.Step, 1);
}

TEST(FadeSteps, RestartWhileRunningInMode2GivesNoSteps)
{
    const FadeSteps steps = StartFadeSteps(true, 2, 20, false);
    EXPECT_EQ(steps.Steps, 0);
    EXPECT_EQ(steps.Step, 1);
}

TEST(FadeSteps, RestartWhileRunningInMode1StartsOverFromStep1)
{
    const FadeSteps steps = StartFadeSteps(true, 1, 20, false);
    EXPECT_EQ(steps.Steps, 20);
    EXPECT_EQ(steps.Step, 1);
    const FadeSteps halved = StartFadeSteps(true, 1, 20, true);
    EXPECT_EQ(halved.Steps, 10);
    EXPECT_EQ(halved.Step, 1);
}

TEST(AnimSteps, ReversalContinuesFromTheSameMix)
{
    const FadeSteps reversed = StartAnimSteps(true, 20, 6, 20, false);
    EXPECT_EQ(reversed.Steps, 20);
    EXPECT_EQ(reversed.Step, 14);
    const FadeSteps fresh = StartAnimSteps(false, 0, 0, 10, true);
    EXPECT_EQ(fresh.Steps, 5);
    EXPECT_EQ(fresh.Step, 1);
}

TEST(AnimatedEvents, OwnSetOrGlobalSetThroughGlobalDef)
{
    EXPECT_TRUE(IsEventAnimated(aeMouseEnter, kDefaultAnimatEvents, kDefaultGlobalAnimatEvents));
    EXPECT_FALSE(IsEventAnimated(aeMouseDown, kDefaultAnimatEvents, AnimatEventBit(aeMouseEnter)));
    EXPECT_TRUE(IsEventAnimated(aeMouseDown, AnimatEventBit(aeMouseDown), 0));
    EXPECT_FALSE(IsEventAnimated(aeMouseUp, AnimatEventBit(aeMouseDown), kDefaultGlobalAnimatEvents));
}

} // namespace
} // namespace korvane
