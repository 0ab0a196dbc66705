#include "windows/scroll_tracking.h"

namespace korvane {

TrackEffects ScrollTracker::Press(int barKind, int part, bool enabled, const ScrollValues& values, const BarAxis& axis,
                                  int cursor)
{
    TrackEffects effects;
    if (part == kBarNone || !enabled)
        return effects;
    if (Active()) {
        effects = Release();
        effects.ReleaseCapture = false; // the new action keeps the capture
    }
    m_barKind = barKind;
    m_part = part;
    m_pressedShown = part;
    m_values = values;
    m_axis = axis;
    effects.Capture = true;
    effects.Repaint = true;
    if (part == kBarThumb) {
        const ThumbPlace thumb = ThumbGeometry(values, axis);
        m_dragging = true;
        m_dragPosition = values.Position;
        m_thumbStart = thumb.Start;
        m_thumbLength = thumb.Length;
        m_grabOffset = cursor - thumb.Start;
        return effects;
    }
    effects.Sends.push_back({part, 0});
    effects.StartTimer = kRepeatFirstTimer;
    effects.TimerDelay = kRepeatFirstDelay;
    m_timer = kRepeatFirstTimer;
    return effects;
}

TrackEffects ScrollTracker::Timer(unsigned id, int partUnderCursor)
{
    TrackEffects effects;
    if (!Active() || m_dragging || id != m_timer)
        return effects;
    if (id == kRepeatFirstTimer) {
        // The first repeat: from now on every 55 ms.
        effects.KillTimer = kRepeatFirstTimer;
        effects.StartTimer = kRepeatTimer;
        effects.TimerDelay = kRepeatInterval;
        m_timer = kRepeatTimer;
    }
    const int shown = partUnderCursor == m_part ? m_part : kBarNone;
    effects.Repaint = shown != m_pressedShown;
    m_pressedShown = shown;
    if (partUnderCursor == m_part)
        effects.Sends.push_back({m_part, 0});
    return effects;
}

TrackEffects ScrollTracker::Move(int cursor, int partUnderCursor)
{
    TrackEffects effects;
    if (!Active())
        return effects;
    if (m_dragging) {
        const int start = DraggedThumbStart(m_axis, m_thumbLength, cursor, m_grabOffset);
        effects.Repaint = start != m_thumbStart;
        m_thumbStart = start;
        const int position = DraggedPosition(m_values, m_axis, m_thumbLength, start);
        if (position != m_dragPosition) {
            m_dragPosition = position;
            effects.Sends.push_back({kBarThumb, position});
        }
        return effects;
    }
    const int shown = partUnderCursor == m_part ? m_part : kBarNone;
    effects.Repaint = shown != m_pressedShown;
    m_pressedShown = shown;
    return effects;
}

TrackEffects ScrollTracker::Release()
{
    TrackEffects effects;
    if (!Active())
        return effects;
    effects.KillTimer = m_timer;
    effects.ReleaseCapture = true;
    effects.Repaint = true;
    if (m_dragging) {
        effects.Sends.push_back({kScrollThumbPosition, m_dragPosition});
        effects.Sends.push_back({kScrollEnd, m_dragPosition});
    } else {
        effects.Sends.push_back({kScrollEnd, 0});
    }
    m_barKind = -1;
    m_part = kBarNone;
    m_pressedShown = kBarNone;
    m_timer = 0;
    m_dragging = false;
    return effects;
}

} // namespace korvane
