#pragma once

#include "gfx/pixel_rect.h"

namespace korvane {

// The parts of a skinned scroll bar; each code is also the scroll request a press on it sends.
inline constexpr int kBarNone = -1;
inline constexpr int kBarFirstArrow = 0;  // SB_LINEUP / SB_LINELEFT
inline constexpr int kBarSecondArrow = 1; // SB_LINEDOWN / SB_LINERIGHT
inline constexpr int kBarTrackBefore = 2; // SB_PAGEUP
inline constexpr int kBarTrackAfter = 3;  // SB_PAGEDOWN
inline constexpr int kBarThumb = 5;       // SB_THUMBTRACK
// The requests that end a mouse action.
inline constexpr int kScrollThumbPosition = 4; // SB_THUMBPOSITION
inline constexpr int kScrollEnd = 8;           // SB_ENDSCROLL

inline constexpr int kMinThumbLength = 10;
// Ranges above this one get no thumb.
inline constexpr long long kLargestThumbRange = 0x7FFFFFFE;

// A bar's scroll information, as the platform reports it.
struct ScrollValues {
    int Min = 0;
    int Max = 0;
    int Page = 0;
    int Position = 0;
    int TrackPosition = 0;
};

// number * numerator / denominator rounded half away from zero, in 64 bits; -1 for a zero
// denominator (the platform's rule).
int MulDivRounded(int number, int numerator, int denominator);

// One bar laid out along its own axis: where it starts, its length and its arrow length.
struct BarAxis {
    int Start = 0;
    int Length = 0;
    int ArrowLength = 0;
    int MinThumb = kMinThumbLength;
    // Between the two arrows.
    int TrackLength() const;
};

struct ThumbPlace {
    int Length = 0;
    int Start = 0;  // absolute, along the axis
    int Offset = 0; // from the end of the first arrow
};

// The thumb of the bar for its values: page 0 gives an arrow-long thumb; otherwise the page's
// share of the track, at least MinThumb, none for an oversized range.
ThumbPlace ThumbGeometry(const ScrollValues& values, const BarAxis& axis);

// The part at a point along the axis (`insideCross`: the point lies within the bar's thickness).
int HitTestBar(const ScrollValues& values, const BarAxis& axis, int along, bool insideCross);

// Where a dragged thumb starts when the cursor is at `cursor`, grabbed `grabOffset` after its
// start: kept between the first arrow's end and the track's end less the thumb.
int DraggedThumbStart(const BarAxis& axis, int thumbLength, int cursor, int grabOffset);

// The position a dragged thumb starting at `thumbStart` stands for.
int DraggedPosition(const ScrollValues& values, const BarAxis& axis, int thumbLength, int thumbStart);

// The room a window's platform border leaves, measured from the window and client rectangles.
struct BarEdges {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The client area after the bars took their room, and which bars got it.
struct BarReservation {
    PixelRect Client;
    bool HorzShown = false;
    bool VertShown = false;
};

// Reserves the bars' room in a client rectangle computed without them: the horizontal bar at the
// bottom when the client is at least its thickness high, the vertical one at the right (or the
// left) when the client is at least its thickness wide.
BarReservation ReserveBars(PixelRect client, bool hasHorz, bool hasVert, int horzThickness, int vertThickness,
                           bool leftScrollBar);

struct BarLayout {
    PixelRect Horz; // empty when not shown
    PixelRect Vert;
    PixelRect Corner; // the square between two shown bars
};

// The bars' rectangles in window coordinates.
BarLayout LayoutBars(int windowWidth, int windowHeight, const BarEdges& edges, bool horzShown, bool vertShown,
                     int horzThickness, int vertThickness, bool leftScrollBar);

} // namespace korvane
