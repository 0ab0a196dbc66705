#include "windows/scroll_tracking.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace korvane {
namespace {

constexpr BarAxis kAxis{0, 134, 17};

// A fake clock with the window's timers: carries out the tracker's effects and fires whichever
// timer is due as time goes on, logging every request with the time it was sent.
class FakeWindow {
public:
    struct Logged {
        unsigned Time;
        ScrollSend Send;
    };
    ScrollTracker Tracker;
    std::vector<Logged> Log;
    bool Captured = false;
    int PartUnderCursor = kBarSecondArrow;

    void Apply(const TrackEffects& effects)
    {
        if (effects.KillTimer)
            m_timers.erase(effects.KillTimer);
        for (const ScrollSend& send : effects.Sends)
            Log.push_back({m_now, send});
        if (effects.StartTimer)
            m_timers[effects.StartTimer] = {effects.TimerDelay, m_now + effects.TimerDelay};
        if (effects.Capture)
            Captured = true;
        if (effects.ReleaseCapture)
            Captured = false;
    }
    // Advances the clock to `until`, firing the timers in time order.
    void RunUntil(unsigned until)
    {
        for (;;) {
            unsigned id = 0;
            unsigned due = until + 1;
            for (const auto& [timerId, timer] : m_timers)
                if (timer.Due < due) {
                    due = timer.Due;
                    id = timerId;
                }
            if (id == 0)
                break;
            m_now = due;
            m_timers[id].Due = m_now + m_timers[id].Interval;
            Apply(Tracker.Timer(id, PartUnderCursor));
        }
        m_now = until;
    }
    bool TimerRunning() const { return !m_timers.empty(); }
    std::vector<unsigned> SendTimes(int code) const
    {
        std::vector<unsigned> times;
        for (const Logged& logged : Log)
            if (logged.Send.Code == code)
                times.push_back(logged.Time);
        return times;
    }

private:
    struct Timer {
        unsigned Interval;
        unsigned Due;
    };
    std::map<unsigned, Timer> m_timers;
    unsigned m_now = 0;
};

TEST(ScrollTracker, AnArrowHeldDownRepeatsAfter300MsThenEvery55AndEndsAtRelease)
{
    FakeWindow window;
    window.Apply(window.Tracker.Press(1, kBarSecondArrow, true, {0, 99, 10, 0, 0}, kAxis, 120));
    EXPECT_TRUE(window.Captured);
    window.RunUntil(520);
    window.Apply(window.Tracker.Release());
    EXPECT_EQ(window.SendTimes(kBarSecondArrow), (std::vector<unsigned>{0, 300, 355, 410, 465, 520}));
    ASSERT_FALSE(window.Log.empty());
    EXPECT_EQ(window.Log.back().Send, (ScrollSend{kScrollEnd, 0}));
    EXPECT_EQ(window.SendTimes(kScrollEnd).size(), 1u);
    EXPECT_FALSE(window.TimerRunning());
    EXPECT_FALSE(window.Captured);
    EXPECT_FALSE(window.Tracker.Active());
    // Time goes on after the release: nothing more.
    window.RunUntil(2000);
    EXPECT_EQ(window.SendTimes(kBarSecondArrow).size(), 6u);
}

TEST(ScrollTracker, TheRepeatPausesWhileTheCursorIsOffThePressedPart)
{
    FakeWindow window;
    window.Apply(window.Tracker.Press(1, kBarTrackAfter, true, {0, 99, 10, 0, 0}, kAxis, 100));
    window.PartUnderCursor = kBarThumb;
    window.RunUntil(400);
    EXPECT_EQ(window.Tracker.PressedShown(), kBarNone);
    window.PartUnderCursor = kBarTrackAfter;
    window.RunUntil(465);
    EXPECT_EQ(window.Tracker.PressedShown(), kBarTrackAfter);
    EXPECT_EQ(window.SendTimes(kBarTrackAfter), (std::vector<unsigned>{0, 410, 465}));
}

TEST(ScrollTracker, ADisabledBarOrNoPartStartsNothing)
{
    ScrollTracker tracker;
    const TrackEffects disabled = tracker.Press(1, kBarSecondArrow, false, {0, 99, 10, 0, 0}, kAxis, 120);
    EXPECT_TRUE(disabled.Sends.empty());
    EXPECT_FALSE(disabled.Capture);
    EXPECT_FALSE(tracker.Active());
    EXPECT_TRUE(tracker.Press(1, kBarNone, true, {0, 99, 10, 0, 0}, kAxis, 120).Sends.empty());
    EXPECT_TRUE(tracker.Release().Sends.empty());
    // A stray timer tick without a press sends nothing.
    EXPECT_TRUE(tracker.Timer(kRepeatTimer, kBarSecondArrow).Sends.empty());
}

TEST(ScrollTracker, DraggingTheThumbToTheEndTracksToNinetyThenPositionAndEnd)
{
    FakeWindow window;
    // The thumb of position 45 lies at 62..71; grabbed at 65.
    window.Apply(window.Tracker.Press(1, kBarThumb, true, {0, 99, 10, 45, 45}, kAxis, 65));
    EXPECT_TRUE(window.Tracker.ThumbDragging());
    EXPECT_TRUE(window.Log.empty());
    window.Apply(window.Tracker.Move(66, kBarThumb));
    EXPECT_EQ(window.Log.back().Send, (ScrollSend{kBarThumb, 46}));
    const std::size_t before = window.Log.size();
    window.Apply(window.Tracker.Move(66, kBarThumb)); // no change: nothing sent
    EXPECT_EQ(window.Log.size(), before);
    window.Apply(window.Tracker.Move(400, kBarNone));
    EXPECT_EQ(window.Log.back().Send, (ScrollSend{kBarThumb, 90}));
    EXPECT_EQ(window.Tracker.DragThumbStart(), 107);
    // Timer ticks during a drag do nothing.
    window.RunUntil(1000);
    window.Apply(window.Tracker.Release());
    ASSERT_GE(window.Log.size(), 2u);
    EXPECT_EQ(window.Log[window.Log.size() - 2].Send, (ScrollSend{kScrollThumbPosition, 90}));
    EXPECT_EQ(window.Log.back().Send, (ScrollSend{kScrollEnd, 90}));
    EXPECT_FALSE(window.Tracker.ThumbDragging());
}

TEST(ScrollTracker, APressWhileAnotherIsHeldEndsTheFirstOne)
{
    FakeWindow window;
    window.Apply(window.Tracker.Press(0, kBarFirstArrow, true, {0, 99, 10, 0, 0}, kAxis, 5));
    window.Apply(window.Tracker.Press(1, kBarSecondArrow, true, {0, 99, 10, 0, 0}, kAxis, 120));
    ASSERT_EQ(window.Log.size(), 3u);
    EXPECT_EQ(window.Log[1].Send, (ScrollSend{kScrollEnd, 0}));
    EXPECT_EQ(window.Tracker.BarKind(), 1);
    EXPECT_TRUE(window.Captured);
}

} // namespace
} // namespace korvane
