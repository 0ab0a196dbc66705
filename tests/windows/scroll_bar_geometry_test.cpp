#include "windows/scroll_bar_geometry.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// A 100-pixel track between two 17-pixel arrows, starting at 0.
constexpr BarAxis kAxis{0, 134, 17};

TEST(MulDivRounded, RoundsHalfAwayFromZeroAndAnswersMinusOneForNoDenominator)
{
    EXPECT_EQ(MulDivRounded(1, 1, 2), 1);
    EXPECT_EQ(MulDivRounded(-1, 1, 2), -1);
    EXPECT_EQ(MulDivRounded(10, 100, 3), 333);
    EXPECT_EQ(MulDivRounded(2000000000, 2, 4), 1000000000); // no 32-bit overflow
    EXPECT_EQ(MulDivRounded(5, 5, 0), -1);
}

TEST(ThumbGeometry, APageOfTenInAHundredGivesATenPixelThumbAndPositionsMapLinearly)
{
    ScrollValues values{0, 99, 10, 45, 45};
    ThumbPlace thumb = ThumbGeometry(values, kAxis);
    EXPECT_EQ(thumb.Length, 10);
    EXPECT_EQ(thumb.Offset, 45);
    EXPECT_EQ(thumb.Start, 17 + 45);
    values.Position = 90; // the last position: the thumb touches the second arrow
    thumb = ThumbGeometry(values, kAxis);
    EXPECT_EQ(thumb.Start + thumb.Length, 134 - 17);
    values.Position = 500; // beyond the end: held at the track's end
    EXPECT_EQ(ThumbGeometry(values, kAxis).Offset, 90);
    values.Position = -3;
    EXPECT_EQ(ThumbGeometry(values, kAxis).Offset, 0);
}

TEST(ThumbGeometry, ASmallPageGetsTheMinimumThumbAndOversizedRangesNone)
{
    EXPECT_EQ(ThumbGeometry({0, 1000, 1, 0, 0}, kAxis).Length, kMinThumbLength);
    EXPECT_EQ(ThumbGeometry({0, 1000, 1, 1000, 0}, kAxis).Offset, 90);
    EXPECT_EQ(ThumbGeometry({0, 0x7FFFFFFF, 10, 5, 0}, kAxis).Length, 0);
    EXPECT_EQ(ThumbGeometry({0, 0x7FFFFFFF, 10, 5, 0}, kAxis).Offset, 0);
    // Page 0: the thumb is an arrow long.
    EXPECT_EQ(ThumbGeometry({0, 50, 0, 0, 0}, kAxis).Length, 17);
}

TEST(ThumbGeometry, APageLargerThanTheRangeKeepsTheThumbAtTheStart)
{
    const ThumbPlace thumb = ThumbGeometry({0, 9, 50, 4, 0}, kAxis);
    EXPECT_EQ(thumb.Offset, 0);
    EXPECT_GE(thumb.Length, 100);
}

TEST(ThumbGeometry, ANonZeroMinimumCountsFromTheMinimum)
{
    EXPECT_EQ(ThumbGeometry({100, 199, 10, 145, 0}, kAxis).Offset, 45);
}

TEST(HitTestBar, ArrowsTrackHalvesAndThumb)
{
    const ScrollValues values{0, 99, 10, 45, 45}; // thumb at 62..71
    EXPECT_EQ(HitTestBar(values, kAxis, 0, true), kBarFirstArrow);
    EXPECT_EQ(HitTestBar(values, kAxis, 16, true), kBarFirstArrow);
    EXPECT_EQ(HitTestBar(values, kAxis, 17, true), kBarTrackBefore);
    EXPECT_EQ(HitTestBar(values, kAxis, 61, true), kBarTrackBefore);
    EXPECT_EQ(HitTestBar(values, kAxis, 62, true), kBarThumb);
    EXPECT_EQ(HitTestBar(values, kAxis, 71, true), kBarThumb);
    EXPECT_EQ(HitTestBar(values, kAxis, 72, true), kBarTrackAfter);
    EXPECT_EQ(HitTestBar(values, kAxis, 116, true), kBarTrackAfter);
    EXPECT_EQ(HitTestBar(values, kAxis, 117, true), kBarSecondArrow);
    EXPECT_EQ(HitTestBar(values, kAxis, 133, true), kBarSecondArrow);
    EXPECT_EQ(HitTestBar(values, kAxis, 134, true), kBarNone);
    EXPECT_EQ(HitTestBar(values, kAxis, 62, false), kBarNone);
}

TEST(HitTestBar, AShortBarIsSplitBetweenItsArrowsAndAFullThumbHitsNothing)
{
    const BarAxis shortBar{10, 20, 17};
    EXPECT_EQ(HitTestBar({0, 99, 10, 0, 0}, shortBar, 19, true), kBarFirstArrow);
    EXPECT_EQ(HitTestBar({0, 99, 10, 0, 0}, shortBar, 20, true), kBarSecondArrow);
    // The page covers the whole range: the thumb fills the track, the track answers nothing.
    EXPECT_EQ(HitTestBar({0, 99, 100, 0, 0}, kAxis, 60, true), kBarNone);
}

TEST(DraggedPosition, DraggingToTheEndGivesTheLastPosition)
{
    const ScrollValues values{0, 99, 10, 0, 0};
    const int start = DraggedThumbStart(kAxis, 10, 5000, 3);
    EXPECT_EQ(start, 134 - 17 - 10);
    EXPECT_EQ(DraggedPosition(values, kAxis, 10, start), 90);
    EXPECT_EQ(DraggedPosition(values, kAxis, 10, DraggedThumbStart(kAxis, 10, -50, 3)), 0);
    EXPECT_EQ(DraggedPosition(values, kAxis, 10, 17 + 45), 45);
    // The thousand-step bar with its minimum thumb reaches its own last position.
    EXPECT_EQ(DraggedPosition({0, 1000, 1, 0, 0}, kAxis, 10, DraggedThumbStart(kAxis, 10, 5000, 0)), 1000);
}

TEST(DraggedPosition, AThumbFillingTheTrackStaysAtTheMinimum)
{
    EXPECT_EQ(DraggedPosition({5, 50, 10, 0, 0}, kAxis, 100, 17), 5);
    EXPECT_EQ(DraggedPosition({7, 7, 0, 0, 0}, kAxis, 17, 17 + 4), 11); // empty range: the offset
}

TEST(ReserveBars, AMemoWithAVerticalBarIsNarrowedOnTheRightOrTheLeft)
{
    const PixelRect client{2, 2, 198, 98};
    BarReservation right = ReserveBars(client, false, true, 17, 17, false);
    EXPECT_TRUE(right.VertShown);
    EXPECT_FALSE(right.HorzShown);
    EXPECT_EQ(right.Client, (PixelRect{2, 2, 181, 98}));
    BarReservation left = ReserveBars(client, false, true, 17, 17, true);
    EXPECT_EQ(left.Client, (PixelRect{19, 2, 198, 98}));
    BarReservation both = ReserveBars(client, true, true, 17, 17, false);
    EXPECT_EQ(both.Client, (PixelRect{2, 2, 181, 81}));
}

TEST(ReserveBars, AClientSmallerThanTheBarGetsNoBar)
{
    const BarReservation tiny = ReserveBars({0, 0, 16, 10}, true, true, 17, 17, false);
    EXPECT_FALSE(tiny.HorzShown);
    EXPECT_FALSE(tiny.VertShown);
    EXPECT_EQ(tiny.Client, (PixelRect{0, 0, 16, 10}));
}

TEST(LayoutBars, BarsInsideTheEdgesWithTheCornerBetweenThem)
{
    const BarLayout layout = LayoutBars(200, 100, {2, 2, 2, 2}, true, true, 17, 17, false);
    EXPECT_EQ(layout.Vert, (PixelRect{181, 2, 198, 81}));
    EXPECT_EQ(layout.Horz, (PixelRect{2, 81, 181, 98}));
    EXPECT_EQ(layout.Corner, (PixelRect{181, 81, 198, 98}));
    const BarLayout left = LayoutBars(200, 100, {2, 2, 2, 2}, true, true, 17, 17, true);
    EXPECT_EQ(left.Vert, (PixelRect{2, 2, 19, 81}));
    EXPECT_EQ(left.Horz, (PixelRect{19, 81, 198, 98}));
    const BarLayout vertOnly = LayoutBars(200, 100, {2, 2, 2, 2}, false, true, 17, 17, false);
    EXPECT_EQ(vertOnly.Vert, (PixelRect{181, 2, 198, 98}));
    EXPECT_TRUE(vertOnly.Horz.IsEmpty());
    EXPECT_TRUE(vertOnly.Corner.IsEmpty());
}

} // namespace
} // namespace korvane
