#pragma once

#include "windows/scroll_bar_geometry.h"

#include <vector>

namespace korvane {

// The timers of a press on an arrow or the track: the first repeat comes after 300 ms, the
// following ones every 55 ms.
inline constexpr unsigned kRepeatFirstTimer = 0xFFFD;
inline constexpr unsigned kRepeatTimer = 0xFFFE;
inline constexpr unsigned kRepeatFirstDelay = 300;
inline constexpr unsigned kRepeatInterval = 55;

// One scroll request to send: the part code (or SB_THUMBPOSITION / SB_ENDSCROLL) and position.
struct ScrollSend {
    int Code = 0;
    int Position = 0;
    friend bool operator==(const ScrollSend&, const ScrollSend&) = default;
};

// What the window must do after a step of a mouse action on a bar, in this order: kill the
// timer, send the requests, start the timer, take or release the capture.
struct TrackEffects {
    unsigned KillTimer = 0; // 0: none
    std::vector<ScrollSend> Sends;
    unsigned StartTimer = 0; // 0: none
    unsigned TimerDelay = 0;
    bool Capture = false;
    bool ReleaseCapture = false;
    bool Repaint = false;
};

// One mouse action on a skinned scroll bar, from the press to the release: an arrow or the track
// sends its request at once and again while the button stays down over it; the thumb follows the
// cursor and sends the position it stands for whenever that changes.
class ScrollTracker {
public:
    bool Active() const { return m_part != kBarNone; }
    int BarKind() const { return m_barKind; }
    int Part() const { return m_part; }
    // The part drawn pressed (the pressed arrow or track half only while the cursor is over it).
    int PressedShown() const { return m_pressedShown; }
    bool ThumbDragging() const { return m_dragging; }
    int DragThumbStart() const { return m_thumbStart; }
    int DragThumbLength() const { return m_thumbLength; }

    // A button press on `part` of bar `barKind` (0 horizontal, 1 vertical) with the cursor at
    // `cursor` along it. A disabled bar or no part: nothing.
    TrackEffects Press(int barKind, int part, bool enabled, const ScrollValues& values, const BarAxis& axis,
                       int cursor);
    // A tick of one of the repeat timers, with the part now under the cursor on the tracked bar.
    TrackEffects Timer(unsigned id, int partUnderCursor);
    // The cursor moved to `cursor` along the tracked bar, over `partUnderCursor`.
    TrackEffects Move(int cursor, int partUnderCursor);
    // The button went up: ends the action.
    TrackEffects Release();

private:
    int m_barKind = -1;
    int m_part = kBarNone;
    int m_pressedShown = kBarNone;
    unsigned m_timer = 0;
    bool m_dragging = false;
    ScrollValues m_values;
    BarAxis m_axis;
    int m_grabOffset = 0;
    int m_thumbStart = 0;
    int m_thumbLength = 0;
    int m_dragPosition = 0;
};

} // namespace korvane
