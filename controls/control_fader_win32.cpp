#include "controls/control_fader_win32.h"

#include "skin/skin_manager_core.h"
#include "ui/graphic_control.h"
#include "ui/window.h"

#include <cstring>

namespace korvane {

ControlFader::ControlFader(TsCommonData& data, FadeHooks hooks, TacAnimatEvents events)
    : AnimatEvents(events)
    , m_data(data)
    , m_hooks(std::move(hooks))
{
}

bool ControlFader::Animates(TacAnimatEvent event) const
{
    // While a manager applies a new skin every state change shows at once.
    if (SkinLoadInProgress)
        return false;
    const SkinManagerCore* manager = m_data.Manager();
    const TacAnimatEvents global = manager ? manager->AnimEffects.Buttons.Events : kDefaultGlobalAnimatEvents;
    return IsEventAnimated(event, AnimatEvents, global);
}

void ControlFader::ShowChange(TacAnimatEvent event)
{
    m_pressOrRelease = event == aeMouseDown || event == aeMouseUp;
    const bool animate = Animates(event);
    if (m_data.OwnerIsWindowed()) {
        ChangeControlState(m_fade, *this, m_pressOrRelease, 1, animate);
        return;
    }
    // A windowless control starts from its cache painted in the old state.
    if (!CanAnimate())
        return;
    const bool fade = animate && FadingEnabled() && !Animation().EffectsSuppressed && !m_data.CacheBitmap.Empty() &&
                      !m_data.CacheStale;
    if (!fade) {
        m_anim.reset();
        m_data.CacheStale = true;
        Repaint();
        UpdateGlow();
        return;
    }
    Bitmap32 oldPicture = CopyOfView(m_data.CacheBitmap.View());
    m_data.CacheStale = true;
    PrepareCache();
    StartAnim(m_anim, *this, std::move(oldPicture), m_pressOrRelease);
    UpdateGlow();
}

void ControlFader::Stop()
{
    m_fade.reset();
    m_anim.reset();
}

bool ControlFader::IsAlive() const
{
    return m_data.OwnerObject && !m_data.Destroying;
}

bool ControlFader::IsEnabled() const
{
    return m_data.OwnerEnabled();
}

bool ControlFader::CanAnimate() const
{
    return IsAlive() && m_data.OwnerWindow() && m_data.OwnerVisible() && IsWindowVisible(m_data.OwnerWindow()) &&
           m_data.IsSkinned(true);
}

bool ControlFader::FadingEnabled() const
{
    const TsGeneralData* section = m_data.Section();
    return section && section->FadingEnabled && section->FadingIterations > 0;
}

int ControlFader::FadingIterations() const
{
    const TsGeneralData* section = m_data.Section();
    return section ? section->FadingIterations : 0;
}

BitmapView ControlFader::Cache()
{
    return m_data.HasCache ? m_data.CacheBitmap.View() : BitmapView{};
}

bool ControlFader::CacheStale() const
{
    return m_data.CacheStale;
}

void ControlFader::MarkCacheStale()
{
    m_data.CacheStale = true;
}

void ControlFader::PrepareCache()
{
    if (m_hooks.PrepareCache)
        m_hooks.PrepareCache();
}

bool ControlFader::FadeFrame(const Bitmap32& frame)
{
    return m_hooks.FadeFrame && m_hooks.FadeFrame(frame);
}

void ControlFader::ShowFrame(const Bitmap32& frame)
{
    if (m_hooks.ShowFrame)
        m_hooks.ShowFrame(frame);
}

void ControlFader::StopFadeCommand()
{
    // The timer that calls may go with this: nothing of it is touched afterwards.
    if (m_fade) {
        StopFade(m_fade);
        Repaint();
        return;
    }
    m_anim.reset();
    m_data.CacheStale = true;
    Repaint();
}

void ControlFader::Invalidate()
{
    m_data.Invalidate();
}

void ControlFader::Repaint()
{
    if (m_hooks.Repaint)
        m_hooks.Repaint();
}

void ControlFader::UpdateGlow()
{
    // A press or a release hides a shown glow; otherwise the glow follows the mouse.
    m_data.UpdateGlow(m_pressOrRelease);
}

void ControlFader::ShowWorkingPicture(const Bitmap32& working)
{
    if (m_hooks.ShowFrame)
        m_hooks.ShowFrame(working);
}

} // namespace korvane
