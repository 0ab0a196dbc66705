#pragma once

#include <functional>
#include <memory>

#include "gfx/bitmap32.h"

namespace korvane {

// What a fade needs of the control it animates; skinned controls implement it.
class FadeControl {
public:
    virtual ~FadeControl() = default;

    // The control still exists and is not being destroyed.
    virtual bool IsAlive() const = 0;
    virtual bool IsEnabled() const = 0;
    // The control may be animated now (handle created, visible, not designed, skinned).
    virtual bool CanAnimate() const = 0;
    // FADINGENABLED and FADINGITERATIONS of the control's section.
    virtual bool FadingEnabled() const = 0;
    virtual int FadingIterations() const = 0;
    // The control's cache bitmap (an empty view when it has none); whether it is stale.
    virtual BitmapView Cache() = 0;
    virtual bool CacheStale() const = 0;
    virtual void MarkCacheStale() = 0;
    // SKC_PREPARECACHE: paint the current state into the cache now, without showing it.
    virtual void PrepareCache() = 0;
    // SKC_FADEFRAME: a frame is about to be shown; true when the control has shown it itself.
    virtual bool FadeFrame(const Bitmap32& frame) = 0;
    // Copies a frame to (0, 0) of the control's window device context.
    virtual void ShowFrame(const Bitmap32& frame) = 0;
    // SKC_STOPFADE: the fade is over; the control answers by calling StopFade on its slot
    // (which may destroy the timer that is calling).
    virtual void StopFadeCommand() = 0;
    virtual void Invalidate() = 0;
    // Repaints the control at once from its state.
    virtual void Repaint() = 0;
    // Shows or hides the control's glow for its new state.
    virtual void UpdateGlow() = 0;
    // SKC_SETUPDATING with argument 0, then command 18 (windowless controls: repaint from the
    // working picture).
    virtual void ShowWorkingPicture(const Bitmap32& working) = 0;
};

// A timer of the user-interface thread (a platform timer); ticks call the given function.
class UiTimer {
public:
    virtual ~UiTimer() = default;
    virtual void Start(int intervalMs, std::function<void()> tick) = 0;
    virtual void Stop() = 0;
};

// Makes platform timers; none installed means fades are only driven by calling Tick().
using UiTimerFactory = std::function<std::unique_ptr<UiTimer>()>;
void SetUiTimerFactory(UiTimerFactory factory);

#ifdef _WIN32
// A timer of the calling thread's message loop (SetTimer on a hidden message-only window).
std::unique_ptr<UiTimer> MakeWin32UiTimer();
#endif

// Process-wide switches and services of the animations, set by other parts of the engine.
struct AnimationSwitches {
    bool EffectsSuppressed = false; // a window is being moved or painted by other code
    bool SuppressNextFade = false;  // the next state change switches at once
    bool ApplicationTerminating = false;
    bool AllowGlowing = true; // the skin manager's effects allow glows
    // Set while window animations paint windows into off-screen bitmaps: every control keeps and
    // uses its cache and paints only into the device context it was given for printing.
    bool CaptureMode = false;
    std::function<void()> RefreshBlendTarget; // SKC_REFRESH to the registered blending target
};
AnimationSwitches& Animation();

// Number of fade and animation timers alive in the process.
int LiveAnimationTimers();

// Interval of fade frames, in milliseconds.
inline constexpr int kFadeInterval = 10;

// Cross-fade of a control with its own window from its old picture to its cache.
class TsFadeTimer {
public:
    TsFadeTimer();
    ~TsFadeTimer();
    TsFadeTimer(const TsFadeTimer&) = delete;
    TsFadeTimer& operator=(const TsFadeTimer&) = delete;

    int Mode() const { return m_mode; }
    int Steps() const { return m_steps; }
    int Step() const { return m_step; }
    const Bitmap32& OldPicture() const { return m_oldPicture; }
    // The picture the fade shows now: its last frame, or the old picture before the first.
    const Bitmap32& ShownPicture() const { return m_frame.Empty() ? m_oldPicture : m_frame; }
    bool Running() const { return m_running; }

    // One 10 ms frame. May end in the control destroying this timer (SKC_STOPFADE).
    void Tick();

private:
    friend void StartFade(std::unique_ptr<TsFadeTimer>&, FadeControl&, bool, int);

    void Start(int mode);
    void Stop();

    int m_mode = 0;
    FadeControl* m_control = nullptr;
    int m_steps = 0;
    int m_step = 0;
    Bitmap32 m_oldPicture;
    Bitmap32 m_frame;
    std::unique_ptr<UiTimer> m_timer;
    bool m_running = false;
};

// Begins or restarts the fade of a windowed control; nothing when its section has fading off.
void StartFade(std::unique_ptr<TsFadeTimer>& slot, FadeControl& control, bool halve, int mode);

// Stops and frees the fade timer; the control's cache is left as is.
void StopFade(std::unique_ptr<TsFadeTimer>& slot);

// A control's state changed: fade to the new look when allowed, else repaint at once; then
// update its glow.
void ChangeControlState(std::unique_ptr<TsFadeTimer>& slot, FadeControl& control, bool halve, int mode, bool animate);

// Cross-fade of a control without a window (speed buttons).
class TsAnimTimer {
public:
    // Runs from `step` of `steps` from `oldPicture` (the cache painted in the old state); the
    // control has already painted its new state into the cache.
    TsAnimTimer(FadeControl& control, Bitmap32 oldPicture, int steps, int step);
    ~TsAnimTimer();
    TsAnimTimer(const TsAnimTimer&) = delete;
    TsAnimTimer& operator=(const TsAnimTimer&) = delete;

    int Steps() const { return m_steps; }
    int Step() const { return m_step; }
    const Bitmap32& WorkingPicture() const { return m_working; }

    // One frame. May end in the control destroying this timer (SKC_STOPFADE).
    void Tick();

private:
    Bitmap32 m_oldPicture;
    Bitmap32 m_working;
    FadeControl* m_control;
    int m_steps;
    int m_step;
    bool m_busy = false;
    std::unique_ptr<UiTimer> m_timer;
};

// Starts the fade of a windowless control from `oldPicture` (its cache painted in the old
// state; the control has painted its new state into the cache): a running fade is replaced by
// one that continues from the same mix. Ticks once at once.
void StartAnim(std::unique_ptr<TsAnimTimer>& slot, FadeControl& control, Bitmap32 oldPicture, bool halve);

} // namespace korvane
