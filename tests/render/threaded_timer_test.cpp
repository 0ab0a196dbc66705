#include "render/threaded_timer.h"

#include <gtest/gtest.h>

#include <chrono>
#include <deque>
#include <mutex>
#include <thread>

#ifdef _WIN32
#include <windows.h>
#endif

namespace korvane {
namespace {

// Stands in for the user-interface thread's message queue.
class FakeUiQueue {
public:
    UiPost Poster()
    {
        return [this](std::function<void()> call) {
            std::lock_guard lock(m_mutex);
            m_calls.push_back(std::move(call));
        };
    }
    // Runs what has been posted so far; returns how many calls ran.
    int Pump()
    {
        std::deque<std::function<void()>> calls;
        {
            std::lock_guard lock(m_mutex);
            calls.swap(m_calls);
        }
        for (auto& call : calls) {
            call();
        }
        return static_cast<int>(calls.size());
    }
    // Pumps until `done` or the time runs out.
    template <typename Done>
    bool PumpUntil(Done done, std::chrono::milliseconds limit = std::chrono::milliseconds(3000))
    {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            Pump();
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        return false;
    }

private:
    std::mutex m_mutex;
    std::deque<std::function<void()>> m_calls;
};

TEST(ThreadedTimer, TicksRunOnTheThreadThatPumpsTheQueue)
{
    FakeUiQueue queue;
    TacThreadedTimer timer(queue.Poster());
    EXPECT_TRUE(timer.Enabled());
    EXPECT_EQ(timer.Interval(), 1000);
    int ticks = 0;
    std::thread::id tickThread;
    timer.SetInterval(5);
    timer.SetOnTimer([&] {
        ++ticks;
        tickThread = std::this_thread::get_id();
    });
    EXPECT_TRUE(queue.PumpUntil([&] { return ticks >= 3; }));
    EXPECT_EQ(tickThread, std::this_thread::get_id());
}

TEST(ThreadedTimer, NegativeIntervalStopsTheTimerLikeZero)
{
    FakeUiQueue queue;
    TacThreadedTimer timer(queue.Poster());
    int ticks = 0;
    timer.SetOnTimer([&] { ++ticks; });
    timer.SetInterval(-5);
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_FALSE(timer.IsTicking());
    EXPECT_FALSE(queue.PumpUntil([&] { return ticks > 0; }, std::chrono::milliseconds(60)));
    timer.SetInterval(5);
    EXPECT_TRUE(queue.PumpUntil([&] { return ticks > 0; })) << "a later positive interval starts it again";
}

TEST(ThreadedTimer, ZeroIntervalOrNoHandlerNeverTicks)
{
    FakeUiQueue queue;
    int ticks = 0;
    {
        TacThreadedTimer noHandler(queue.Poster());
        noHandler.SetInterval(2);
        EXPECT_FALSE(noHandler.IsTicking());
        TacThreadedTimer zero(queue.Poster());
        zero.SetOnTimer([&] { ++ticks; });
        zero.SetInterval(0);
        EXPECT_FALSE(zero.IsTicking());
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
        EXPECT_EQ(queue.Pump(), 0);
    }
    EXPECT_EQ(ticks, 0);
}

TEST(ThreadedTimer, DisablingSuspendsAndEnablingResumes)
{
    FakeUiQueue queue;
    int ticks = 0;
    TacThreadedTimer timer(queue.Poster());
    timer.SetInterval(3);
    timer.SetOnTimer([&] { ++ticks; });
    EXPECT_TRUE(timer.IsTicking());
    timer.SetEnabled(false);
    EXPECT_FALSE(timer.IsTicking());
    queue.Pump();
    const int stopped = ticks;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    queue.Pump();
    EXPECT_LE(ticks, stopped + 1); // at most the one posted before the suspension
    timer.SetEnabled(true);
    EXPECT_TRUE(queue.PumpUntil([&] { return ticks >= stopped + 3; }));
}

class MethodTimer : public TacThreadedTimer {
public:
    MethodTimer(UiPost post, void* owner) : TacThreadedTimer(std::move(post), owner, true) {}
    int ticks = 0;

protected:
    void OnTick() override { ++ticks; }
};

TEST(ThreadedTimer, OwnerConstructorStartsDisabledAndRoutesTicksToTheMethod)
{
    FakeUiQueue queue;
    int owner = 0;
    MethodTimer timer(queue.Poster(), &owner);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(timer.Owner(), &owner);
    timer.SetInterval(3);
    EXPECT_FALSE(timer.IsTicking());
    timer.SetEnabled(true);
    EXPECT_TRUE(queue.PumpUntil([&] { return timer.ticks >= 2; }));
}

TEST(ThreadedTimer, TickPostedBeforeDestructionDoesNotRun)
{
    FakeUiQueue queue;
    int ticks = 0;
    {
        TacThreadedTimer timer(queue.Poster());
        timer.SetInterval(1);
        timer.SetOnTimer([&] { ++ticks; });
        std::this_thread::sleep_for(std::chrono::milliseconds(30));
    }
    EXPECT_GE(queue.Pump(), 1);
    EXPECT_EQ(ticks, 0);
}

#ifdef _WIN32
TEST(ThreadedTimer, WindowsTicksArriveThroughTheMessageLoop)
{
    int ticks = 0;
    const DWORD uiThread = GetCurrentThreadId();
    DWORD tickThread = 0;
    TacThreadedTimer timer(MakeWindowsUiPost());
    timer.SetInterval(5);
    timer.SetOnTimer([&] {
        ++ticks;
        tickThread = GetCurrentThreadId();
    });
    const DWORD end = GetTickCount() + 3000;
    MSG message;
    while (ticks < 3 && GetTickCount() < end) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
        Sleep(1);
    }
    EXPECT_GE(ticks, 3);
    EXPECT_EQ(tickThread, uiThread);
}
#endif

} // namespace
} // namespace korvane
