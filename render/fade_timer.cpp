#include "render/fade_timer.h"

#include <atomic>
#include <cstring>

#include "gfx/blend_bitmap.h"
#include "render/fade_math.h"

namespace korvane {
namespace {

std::atomic<int> g_liveTimers{0};
UiTimerFactory g_timerFactory;

std::unique_ptr<UiTimer> MakeUiTimer()
{
    return g_timerFactory ? g_timerFactory() : nullptr;
}

// frame = old blended with new at weight alpha for the old (a copy when sizes differ).
void ComposeFrame(Bitmap32& frame, const Bitmap32& oldPicture, const BitmapView& newPicture, int alpha)
{
    if (frame.Width() != oldPicture.Width() || frame.Height() != oldPicture.Height()) {
        frame.Resize(oldPicture.Width(), oldPicture.Height());
    }
    PaintFadeFrame(frame.View(), oldPicture.ReadView(), newPicture, alpha);
}

} // namespace

void SetUiTimerFactory(UiTimerFactory factory)
{
    g_timerFactory = std::move(factory);
}

AnimationSwitches& Animation()
{
    static AnimationSwitches switches;
    return switches;
}

int LiveAnimationTimers()
{
    return g_liveTimers.load();
}

TsFadeTimer::TsFadeTimer() : m_timer(MakeUiTimer())
{
    ++g_liveTimers;
}

TsFadeTimer::~TsFadeTimer()
{
    Stop();
    --g_liveTimers;
}

void TsFadeTimer::Start(int mode)
{
    m_mode = mode;
    m_running = true;
    if (m_timer) {
        m_timer->Start(kFadeInterval, [this] { Tick(); });
    }
}

void TsFadeTimer::Stop()
{
    m_running = false;
    if (m_timer) {
        m_timer->Stop();
    }
}

void TsFadeTimer::Tick()
{
    const AnimationSwitches& switches = Animation();
    if (m_control == nullptr || !m_control->IsAlive() || switches.ApplicationTerminating ||
        switches.EffectsSuppressed) {
        return;
    }
    // A fade with no steps (restarted while running in mode 2) is over at once, as is one whose
    // step has passed N.
    if (m_steps <= 0 || m_step > m_steps || m_step < 0) {
        m_control->StopFadeCommand(); // may destroy this timer: nothing may follow
        return;
    }
    if (!m_control->IsEnabled()) {
        Stop();
        m_steps = 0;
        m_control->Invalidate();
        return;
    }
    const int alpha = FadeAlpha(m_step, m_steps);
    ComposeFrame(m_frame, m_oldPicture, m_control->Cache(), alpha);
    if (!m_control->FadeFrame(m_frame)) {
        m_control->ShowFrame(m_frame);
    }
    if (switches.RefreshBlendTarget) {
        switches.RefreshBlendTarget();
    }
    ++m_step;
}

void StartFade(std::unique_ptr<TsFadeTimer>& slot, FadeControl& control, bool halve, int mode)
{
    if (!control.FadingEnabled()) {
        return;
    }
    const bool existed = slot != nullptr;
    if (!existed) {
        slot = std::make_unique<TsFadeTimer>();
    }
    TsFadeTimer& timer = *slot;
    const FadeSteps steps = StartFadeSteps(existed, timer.m_mode, control.FadingIterations(), halve);
    timer.Stop();
    timer.m_control = &control;
    BitmapView cache = control.Cache();
    if (control.CacheStale() && cache.IsEmpty()) {
        control.PrepareCache();
        cache = control.Cache();
    }
    if (!cache.IsEmpty()) {
        timer.m_oldPicture = CopyOfView(cache);
    }
    timer.m_steps = steps.Steps;
    timer.m_step = steps.Step;
    control.PrepareCache();
    if (timer.m_step < 0) {
        timer.m_step = 1;
    }
    timer.Start(mode);
}

void StopFade(std::unique_ptr<TsFadeTimer>& slot)
{
    slot.reset();
}

void ChangeControlState(std::unique_ptr<TsFadeTimer>& slot, FadeControl& control, bool halve, int mode, bool animate)
{
    if (!control.CanAnimate()) {
        return;
    }
    AnimationSwitches& switches = Animation();
    const bool suppressed = switches.SuppressNextFade;
    switches.SuppressNextFade = false;
    const bool fade = animate && !suppressed && control.FadingEnabled() && !switches.EffectsSuppressed &&
                      !control.Cache().IsEmpty() && !control.CacheStale();
    control.MarkCacheStale();
    if (fade) {
        StartFade(slot, control, halve, mode);
    } else {
        StopFade(slot);
        control.Repaint();
    }
    control.UpdateGlow();
}

TsAnimTimer::TsAnimTimer(FadeControl& control, Bitmap32 oldPicture, int steps, int step)
    : m_oldPicture(std::move(oldPicture))
    , m_control(&control)
    , m_steps(steps)
    , m_step(step)
    , m_timer(MakeUiTimer())
{
    ++g_liveTimers;
    if (m_timer) {
        m_timer->Start(kFadeInterval, [this] { Tick(); });
    }
}

TsAnimTimer::~TsAnimTimer()
{
    if (m_timer) {
        m_timer->Stop();
    }
    --g_liveTimers;
}

void TsAnimTimer::Tick()
{
    if (m_busy || m_control == nullptr || !m_control->IsAlive()) {
        return;
    }
    if (m_step > m_steps || m_steps <= 0) {
        m_control->StopFadeCommand(); // may destroy this timer: nothing may follow
        return;
    }
    m_busy = true;
    ComposeFrame(m_working, m_oldPicture, m_control->Cache(), FadeAlpha(m_step, m_steps));
    m_control->ShowWorkingPicture(m_working);
    if (Animation().RefreshBlendTarget) {
        Animation().RefreshBlendTarget();
    }
    ++m_step;
    m_busy = false;
}

void StartAnim(std::unique_ptr<TsAnimTimer>& slot, FadeControl& control, Bitmap32 oldPicture, bool halve)
{
    const bool running = slot != nullptr;
    const FadeSteps steps = StartAnimSteps(running, running ? slot->Steps() : 0, running ? slot->Step() : 0,
                                           control.FadingIterations(), halve);
    slot.reset();
    slot = std::make_unique<TsAnimTimer>(control, std::move(oldPicture), steps.Steps, steps.Step);
    slot->Tick();
}

} // namespace korvane
