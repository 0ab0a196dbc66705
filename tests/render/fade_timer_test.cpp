#include "render/fade_timer.h"

#include <gtest/gtest.h>

#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

#include "render/fade_math.h"

namespace korvane {
namespace {

// A control that records what the fade asks of it.
class FakeControl : public FadeControl {
public:
    FakeControl() : m_cache(4, 2) { m_cache.Fill(0xFF000064); }

    bool IsAlive() const override { return alive; }
    bool IsEnabled() const override { return enabled; }
    bool CanAnimate() const override { return true; }
    bool FadingEnabled() const override { return fading; }
    int FadingIterations() const override { return iterations; }
    BitmapView Cache() override { return m_cache.View(); }
    bool CacheStale() const override { return stale; }
    void MarkCacheStale() override { stale = true; }
    void PrepareCache() override
    {
        ++prepared;
        m_cache.Fill(newColor);
        stale = false;
    }
    bool FadeFrame(const Bitmap32& frame) override
    {
        frames.push_back(frame.Pixel(0, 0));
        return false;
    }
    void ShowFrame(const Bitmap32&) override { ++shown; }
    void StopFadeCommand() override
    {
        ++stopCommands;
        if (slot != nullptr) {
            StopFade(*slot); // frees the timer that is ticking
        }
    }
    void Invalidate() override { ++invalidated; }
    void Repaint() override { ++repainted; }
    void UpdateGlow() override { ++glowUpdates; }
    void ShowWorkingPicture(const Bitmap32& working) override { frames.push_back(working.Pixel(0, 0)); }

    bool alive = true;
    bool enabled = true;
    bool fading = true;
    bool stale = false;
    int iterations = 20;
    std::uint32_t newColor = 0xFF0000C8;
    int prepared = 0;
    int shown = 0;
    int stopCommands = 0;
    int invalidated = 0;
    int repainted = 0;
    int glowUpdates = 0;
    std::vector<std::uint32_t> frames;
    std::unique_ptr<TsFadeTimer>* slot = nullptr;

private:
    Bitmap32 m_cache;
};

std::uint32_t Blend(std::uint32_t oldPixel, std::uint32_t newPixel, int a)
{
    std::uint32_t result = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const std::uint32_t o = (oldPixel >> shift) & 0xFF;
        const std::uint32_t n = (newPixel >> shift) & 0xFF;
        result |= ((o * a + n * (255 - a) + 127) >> 8) << shift;
    }
    return result;
}

TEST(FadeTimer, TwentyFramesFromOldToNewThenStopFade)
{
    FakeControl control;
    std::unique_ptr<TsFadeTimer> slot;
    control.slot = &slot;
    ChangeControlState(slot, control, false, 1, true);
    ASSERT_NE(slot, nullptr);
    EXPECT_EQ(slot->Steps(), 20);
    EXPECT_EQ(slot->OldPicture().Pixel(0, 0), 0xFF000064u);
    for (int i = 0; i < 20; ++i) {
        slot->Tick();
    }
    ASSERT_EQ(control.frames.size(), 20u);
    EXPECT_EQ(control.frames[0], Blend(0xFF000064, 0xFF0000C8, 242));
    EXPECT_EQ(control.frames[19], Blend(0xFF000064, 0xFF0000C8, 0));
    EXPECT_EQ(control.shown, 20);
    EXPECT_EQ(control.stopCommands, 0);
    slot->Tick();
    EXPECT_EQ(control.stopCommands, 1);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(control.glowUpdates, 1);
}

TEST(FadeTimer, RestartInMode2EndsAtTheFirstTick)
{
    FakeControl control;
    std::unique_ptr<TsFadeTimer> slot;
    control.slot = &slot;
    StartFade(slot, control, false, 2);
    slot->Tick();
    StartFade(slot, control, false, 2);
    EXPECT_EQ(slot->Steps(), 0);
    const std::size_t framesBefore = control.frames.size();
    slot->Tick();
    EXPECT_EQ(control.stopCommands, 1);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(control.frames.size(), framesBefore);
}

TEST(FadeTimer, DisabledControlStopsFadingAndIsRepainted)
{
    FakeControl control;
    std::unique_ptr<TsFadeTimer> slot;
    StartFade(slot, control, false, 1);
    slot->Tick();
    control.enabled = false;
    slot->Tick();
    EXPECT_EQ(control.invalidated, 1);
    EXPECT_EQ(slot->Steps(), 0);
    EXPECT_FALSE(slot->Running());
    EXPECT_EQ(control.frames.size(), 1u);
}

TEST(FadeTimer, SectionWithoutFadingSwitchesAtOnce)
{
    FakeControl control;
    control.fading = false;
    std::unique_ptr<TsFadeTimer> slot;
    ChangeControlState(slot, control, false, 1, true);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(control.repainted, 1);
    EXPECT_EQ(control.glowUpdates, 1);
}

TEST(FadeTimer, SuppressedNextFadeAndStaleCacheSwitchAtOnce)
{
    FakeControl control;
    std::unique_ptr<TsFadeTimer> slot;
    Animation().SuppressNextFade = true;
    ChangeControlState(slot, control, false, 1, true);
    EXPECT_EQ(slot, nullptr);
    EXPECT_FALSE(Animation().SuppressNextFade);
    control.stale = true;
    ChangeControlState(slot, control, false, 1, true);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(control.repainted, 2);
}

TEST(FadeTimer, EffectsSuppressedTicksDoNothing)
{
    FakeControl control;
    std::unique_ptr<TsFadeTimer> slot;
    StartFade(slot, control, false, 1);
    Animation().EffectsSuppressed = true;
    slot->Tick();
    Animation().EffectsSuppressed = false;
    EXPECT_TRUE(control.frames.empty());
    EXPECT_EQ(slot->Step(), 1);
}

TEST(FadeTimer, LiveTimersAreCounted)
{
    const int before = LiveAnimationTimers();
    FakeControl control;
    std::unique_ptr<TsFadeTimer> slot;
    StartFade(slot, control, false, 1);
    EXPECT_EQ(LiveAnimationTimers(), before + 1);
    {
        std::unique_ptr<TsAnimTimer> anim;
        StartAnim(anim, control, Bitmap32(4, 2), false);
        EXPECT_EQ(LiveAnimationTimers(), before + 2);
    }
    StopFade(slot);
    EXPECT_EQ(LiveAnimationTimers(), before);
}

TEST(AnimTimer, TicksOnceAtOnceAndEndsWithStopFade)
{
    FakeControl control;
    control.iterations = 4;
    Bitmap32 oldPicture(4, 2);
    oldPicture.Fill(0xFF000064);
    std::unique_ptr<TsAnimTimer> anim;
    StartAnim(anim, control, oldPicture, false);
    ASSERT_EQ(control.frames.size(), 1u);
    EXPECT_EQ(control.frames[0], Blend(0xFF000064, 0xFF000064, FadeAlpha(1, 4)));
    for (int i = 0; i < 3; ++i) {
        anim->Tick();
    }
    EXPECT_EQ(control.frames.size(), 4u);
    EXPECT_EQ(control.stopCommands, 0);
    anim->Tick();
    EXPECT_EQ(control.stopCommands, 1);
}

#ifdef _WIN32
TEST(FadeTimer, WindowsTimerRunsTheFadeToItsEndInTheMessageLoop)
{
    SetUiTimerFactory(MakeWin32UiTimer);
    FakeControl control;
    control.iterations = 4;
    std::unique_ptr<TsFadeTimer> slot;
    control.slot = &slot;
    StartFade(slot, control, false, 1);
    const DWORD end = GetTickCount() + 3000;
    MSG message;
    while (slot != nullptr && GetTickCount() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
    SetUiTimerFactory(nullptr);
    EXPECT_EQ(slot, nullptr);
    EXPECT_EQ(control.frames.size(), 4u);
    EXPECT_EQ(control.stopCommands, 1);
}
#endif

} // namespace
} // namespace korvane
