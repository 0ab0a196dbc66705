#include "windows/scroll_bar_geometry.h"

#include <algorithm>
#include <cstdint>

namespace korvane {

int MulDivRounded(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(number) * numerator;
    const std::int64_t half = (denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t quotient = magnitude / (denominator < 0 ? -static_cast<std::int64_t>(denominator) : denominator);
    return static_cast<int>(negative ? -quotient : quotient);
}

int BarAxis::TrackLength() const
{
    return std::max(0, Length - 2 * ArrowLength);
}

ThumbPlace ThumbGeometry(const ScrollValues& values, const BarAxis& axis)
{
    const int track = axis.TrackLength();
    const long long range = static_cast<long long>(values.Max) - values.Min;
    ThumbPlace thumb;
    if (range > kLargestThumbRange || range < 0) {
        thumb.Length = 0;
    } else if (values.Page == 0) {
        thumb.Length = axis.ArrowLength;
    } else {
        thumb.Length = std::max(axis.MinThumb, MulDivRounded(values.Page, track, static_cast<int>(range) + 1));
    }
    if (range <= kLargestThumbRange && range >= 0) {
        const int room = std::max(0, track - thumb.Length);
        const int steps = static_cast<int>(range) - std::max(1, values.Page) + 1;
        // A page at least the range leaves no steps: the thumb stays at the start.
        const int offset = steps > 0 ? MulDivRounded(values.Position - values.Min, room, steps) : 0;
        thumb.Offset = std::clamp(offset, 0, room);
    }
    thumb.Start = axis.Start + axis.ArrowLength + thumb.Offset;
    return thumb;
}

int HitTestBar(const ScrollValues& values, const BarAxis& axis, int along, bool insideCross)
{
    if (!insideCross || along < axis.Start || along >= axis.Start + axis.Length)
        return kBarNone;
    const int arrow = 2 * axis.ArrowLength < axis.Length ? axis.ArrowLength : axis.Length / 2;
    const int local = along - axis.Start;
    if (local < arrow)
        return kBarFirstArrow;
    if (local >= axis.Length - arrow)
        return kBarSecondArrow;
    const ThumbPlace thumb = ThumbGeometry(values, axis);
    if (thumb.Length >= axis.TrackLength() || thumb.Length <= 0)
        return kBarNone;
    if (along >= thumb.Start && along < thumb.Start + thumb.Length)
        return kBarThumb;
    return along < thumb.Start ? kBarTrackBefore : kBarTrackAfter;
}

int DraggedThumbStart(const BarAxis& axis, int thumbLength, int cursor, int grabOffset)
{
    const int first = axis.Start + axis.ArrowLength;
    const int last = std::max(first, axis.Start + axis.Length - axis.ArrowLength - thumbLength);
    return std::clamp(cursor - grabOffset, first, last);
}

int DraggedPosition(const ScrollValues& values, const BarAxis& axis, int thumbLength, int thumbStart)
{
    const int offset = thumbStart - (axis.Start + axis.ArrowLength);
    const int room = axis.TrackLength() - thumbLength;
    const int range = values.Max - values.Min;
    if (range == 0)
        return values.Min + offset;
    if (room <= 0)
        return values.Min;
    return values.Min + MulDivRounded(offset, range - std::max(1, values.Page) + 1, room);
}

BarReservation ReserveBars(PixelRect client, bool hasHorz, bool hasVert, int horzThickness, int vertThickness,
                           bool leftScrollBar)
{
    BarReservation result{client, false, false};
    if (hasHorz && result.Client.Height() >= horzThickness) {
        result.HorzShown = true;
        result.Client.Bottom -= horzThickness;
    }
    if (hasVert && result.Client.Width() >= vertThickness) {
        result.VertShown = true;
        if (leftScrollBar)
            result.Client.Left += vertThickness;
        else
            result.Client.Right -= vertThickness;
    }
    return result;
}

BarLayout LayoutBars(int windowWidth, int windowHeight, const BarEdges& edges, bool horzShown, bool vertShown,
                     int horzThickness, int vertThickness, bool leftScrollBar)
{
    BarLayout layout;
    const int bottom = windowHeight - edges.Bottom;
    const int horzHeight = horzShown ? horzThickness : 0;
    const int vertWidth = vertShown ? vertThickness : 0;
    if (horzShown) {
        layout.Horz = {edges.Left, bottom - horzHeight, windowWidth - edges.Right, bottom};
        if (leftScrollBar)
            layout.Horz.Left += vertWidth;
        else
            layout.Horz.Right -= vertWidth;
    }
    if (vertShown) {
        const int left = leftScrollBar ? edges.Left : windowWidth - edges.Right - vertWidth;
        layout.Vert = {left, edges.Top, left + vertWidth, bottom - horzHeight};
    }
    if (horzShown && vertShown)
        layout.Corner = {layout.Vert.Left, layout.Horz.Top, layout.Vert.Right, layout.Horz.Bottom};
    return layout;
}

} // namespace korvane
