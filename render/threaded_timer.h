#pragma once

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace korvane {

// Hands a call over to the user-interface thread (which runs it later, in its message loop).
using UiPost = std::function<void(std::function<void()>)>;

#ifdef _WIN32
// Posts calls to a hidden message-only window created on the calling (user-interface) thread;
// the window lives as long as the returned function and its copies.
UiPost MakeWindowsUiPost();
#endif

// A timer whose waiting runs on a worker thread and whose ticks run on the user-interface
// thread. The worker waits `Interval` milliseconds on an event; each timeout hands one tick to
// the user-interface thread (at most one tick is outstanding at a time).
class TacThreadedTimer {
public:
    // Enabled, interval 1000 ms.
    explicit TacThreadedTimer(UiPost post);
    // Disabled, remembering the owner; with `useMethod` ticks call OnTick() instead of OnTimer.
    TacThreadedTimer(UiPost post, void* owner, bool useMethod);
    virtual ~TacThreadedTimer();
    TacThreadedTimer(const TacThreadedTimer&) = delete;
    TacThreadedTimer& operator=(const TacThreadedTimer&) = delete;

    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    int Interval() const { return m_interval; }
    void SetInterval(int interval);
    void SetOnTimer(std::function<void()> onTimer);
    int ThreadPriority() const { return m_priority; }
    void SetThreadPriority(int priority);
    void* Owner() const { return m_owner; }
    // The worker is waiting for ticks (not suspended).
    bool IsTicking() const;

protected:
    // Called on each tick when the timer was made with `useMethod`.
    virtual void OnTick() {}

private:
    struct Shared {
        std::mutex mutex;
        std::condition_variable wake;
        bool eventSet = false; // the event: set only to end the thread
        bool suspended = true;
        bool tickPending = false;
        int interval = 1000;
        unsigned generation = 0; // bumped on every change so the wait restarts
        bool alive = true;       // read and written on the user-interface thread only
    };

    void Start();
    void Reconfigure();
    void RunTick();
    static void Worker(std::shared_ptr<Shared> shared, UiPost post, TacThreadedTimer* timer);

    UiPost m_post;
    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
    bool m_enabled = true;
    int m_interval = 1000;
    int m_priority = 0; // normal
    std::function<void()> m_onTimer;
    void* m_owner = nullptr;
    bool m_useMethod = false;
};

} // namespace korvane
