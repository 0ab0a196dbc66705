#include "render/threaded_timer.h"

#include <algorithm>
#include <chrono>

#include "render/fade_timer.h"

namespace korvane {

TacThreadedTimer::TacThreadedTimer(UiPost post) : m_post(std::move(post)), m_shared(std::make_shared<Shared>())
{
    Start();
}

TacThreadedTimer::TacThreadedTimer(UiPost post, void* owner, bool useMethod)
    : m_post(std::move(post))
    , m_shared(std::make_shared<Shared>())
    , m_enabled(false)
    , m_owner(owner)
    , m_useMethod(useMethod)
{
    Start();
}

TacThreadedTimer::~TacThreadedTimer()
{
    m_shared->alive = false;
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->eventSet = true;
        m_shared->suspended = false;
    }
    m_shared->wake.notify_all();
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void TacThreadedTimer::Start()
{
    if (Animation().ApplicationTerminating) {
        return;
    }
    m_shared->interval = m_interval;
    m_shared->suspended = true;
    m_thread = std::thread(Worker, m_shared, m_post, this);
    Reconfigure();
}

void TacThreadedTimer::SetEnabled(bool enabled)
{
    m_enabled = enabled;
    Reconfigure();
}

void TacThreadedTimer::SetInterval(int interval)
{
    // A negative interval would make every wait time out at once: it stops the timer like 0.
    m_interval = std::max(interval, 0);
    Reconfigure();
}

void TacThreadedTimer::SetOnTimer(std::function<void()> onTimer)
{
    m_onTimer = std::move(onTimer);
    Reconfigure();
}

void TacThreadedTimer::SetThreadPriority(int priority)
{
    // std::thread has no portable priority; the value is kept for the platform side.
    m_priority = priority;
    Reconfigure();
}

bool TacThreadedTimer::IsTicking() const
{
    std::lock_guard lock(m_shared->mutex);
    return !m_shared->suspended;
}

// Suspends the worker, hands it the new interval and resumes it only when the timer can tick.
void TacThreadedTimer::Reconfigure()
{
    const bool canTick = m_interval > 0 && m_enabled && (m_onTimer || m_useMethod);
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->interval = m_interval;
        m_shared->suspended = !canTick;
        ++m_shared->generation;
    }
    m_shared->wake.notify_all();
}

void TacThreadedTimer::RunTick()
{
    if (m_useMethod) {
        OnTick();
    } else if (m_onTimer) {
        m_onTimer();
    }
}

void TacThreadedTimer::Worker(std::shared_ptr<Shared> shared, UiPost post, TacThreadedTimer* timer)
{
    std::unique_lock lock(shared->mutex);
    while (!shared->eventSet) {
        if (shared->suspended) {
            shared->wake.wait(lock, [&] { return !shared->suspended || shared->eventSet; });
            continue;
        }
        const unsigned generation = shared->generation;
        const bool woken = shared->wake.wait_for(lock, std::chrono::milliseconds(shared->interval),
                                                 [&] { return shared->eventSet || shared->generation != generation; });
        if (woken || shared->tickPending || !post) {
            continue; // ended, or reconfigured (wait again), or the last tick has not run yet
        }
        shared->tickPending = true;
        lock.unlock();
        post([shared, timer] {
            {
                std::lock_guard guard(shared->mutex);
                shared->tickPending = false;
            }
            // The timer may have been destroyed (on this thread) since the tick was posted.
            if (shared->alive && !Animation().ApplicationTerminating) {
                timer->RunTick();
            }
        });
        lock.lock();
    }
}

} // namespace korvane
