#pragma once

#include "controls/common_data_win32.h"
#include "render/fade_math.h"
#include "render/fade_timer.h"

#include <functional>
#include <memory>

namespace korvane {

// What a skinned control gives its fades: how it paints its new state into its cache, how it
// repaints, and how a frame reaches the screen.
struct FadeHooks {
    std::function<void()> PrepareCache;             // paints the current state into the cache, not shown
    std::function<void()> Repaint;                  // repaints the control at once from its state
    std::function<void(const Bitmap32&)> ShowFrame; // puts a fade frame on the screen
    std::function<bool(const Bitmap32&)> FadeFrame; // SKC_FADEFRAME: true when it showed the frame itself
};

// The fades of one skinned control: a windowed control cross-fades through a TsFadeTimer, a
// windowless one through a TsAnimTimer; each state change goes through ShowChange, which fades
// when the event animates and the skin allows it, else repaints at once.
class ControlFader : public FadeControl {
public:
    ControlFader(TsCommonData& data, FadeHooks hooks, TacAnimatEvents events = kDefaultAnimatEvents);

    TacAnimatEvents AnimatEvents;
    // The state changed by `event`; presses and releases fade in half the steps.
    void ShowChange(TacAnimatEvent event);
    // Stops and frees a running fade (SKC_STOPFADE, hiding, disabling, skin changes).
    void Stop();
    bool Running() const { return m_fade != nullptr || m_anim != nullptr; }
    // What a windowed control's running fade shows on the screen now, or null.
    const Bitmap32* ShownFadePicture() const { return m_fade ? &m_fade->ShownPicture() : nullptr; }
    // The working picture of a windowless control's running fade, or null.
    const Bitmap32* WorkingPicture() const { return m_anim ? &m_anim->WorkingPicture() : nullptr; }

    bool IsAlive() const override;
    bool IsEnabled() const override;
    bool CanAnimate() const override;
    bool FadingEnabled() const override;
    int FadingIterations() const override;
    BitmapView Cache() override;
    bool CacheStale() const override;
    void MarkCacheStale() override;
    void PrepareCache() override;
    bool FadeFrame(const Bitmap32& frame) override;
    void ShowFrame(const Bitmap32& frame) override;
    void StopFadeCommand() override;
    void Invalidate() override;
    void Repaint() override;
    void UpdateGlow() override;
    void ShowWorkingPicture(const Bitmap32& working) override;

private:
    bool Animates(TacAnimatEvent event) const;

    TsCommonData& m_data;
    FadeHooks m_hooks;
    std::unique_ptr<TsFadeTimer> m_fade;
    std::unique_ptr<TsAnimTimer> m_anim;
    bool m_pressOrRelease = false;
};

} // namespace korvane
