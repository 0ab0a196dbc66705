#include "windows/frame_geometry.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

// A 300 x 200 window with a 3-pixel dialog frame and a 19-pixel caption, as Wine gives the forms.
FrameMetrics Form()
{
    return {300, 200, 3, 19, 0};
}

TEST(FrameGeometry, BorderWidthFollowsTheFrameKind)
{
    EXPECT_EQ(FrameBorderWidth(true, true, 4, 3), 4);
    EXPECT_EQ(FrameBorderWidth(false, true, 4, 3), 3);
    EXPECT_EQ(FrameBorderWidth(false, false, 4, 3), 0);
}

TEST(FrameGeometry, TitleAndClientLieBetweenTheBorders)
{
    EXPECT_EQ(TitleRect(Form()), (PixelRect{3, 3, 297, 22}));
    EXPECT_EQ(ClientRectInWindow(Form()), (PixelRect{3, 22, 297, 197}));
    FrameMetrics withMenu = Form();
    withMenu.MenuHeight = 20;
    EXPECT_EQ(FrameTopHeight(withMenu), 42);
    EXPECT_EQ(ClientRectInWindow(withMenu).Top, 42);
    // A window smaller than its frame has an empty client area, never a negative one.
    EXPECT_TRUE(ClientRectInWindow({5, 5, 3, 19, 0}).IsEmpty());
    EXPECT_EQ(ClientRectInWindow({5, 5, 3, 19, 0}).Width(), 0);
}

TEST(FrameGeometry, CaptionRectRunsFromTheIconToTwelveLeftOfTheButtons)
{
    EXPECT_EQ(CaptionRect(Form(), 16, 4, false, 264), (PixelRect{3 + 16 + 4 + 4, 3, 252, 22}));
    EXPECT_EQ(CaptionRect(Form(), 16, 4, true, 264).Left, 3 + 16 + 4 + 2 + 4);
    EXPECT_EQ(CaptionRect(Form(), 0, 4, false, 264).Left, 11);
    // Buttons reaching over the caption's start leave it empty, not reversed.
    const PixelRect crowded = CaptionRect(Form(), 16, 4, false, 20);
    EXPECT_EQ(crowded.Width(), 0);
}

TEST(FrameGeometry, CaptionTextPlacement)
{
    const PixelRect rect{20, 3, 220, 22};
    EXPECT_EQ(CaptionTextLeft(rect, 50, FrameCaptionAlignment::Left, false), 20);
    EXPECT_EQ(CaptionTextLeft(rect, 50, FrameCaptionAlignment::Right, false), 220 - 50 - 4);
    EXPECT_EQ(CaptionTextLeft(rect, 50, FrameCaptionAlignment::Center, false), 20 + 75 - 4);
    EXPECT_EQ(CaptionTextLeft(rect, 50, FrameCaptionAlignment::Left, true), 166);
    EXPECT_EQ(CaptionTextLeft(rect, 50, FrameCaptionAlignment::Right, true), 20);
    // A text wider than the rectangle starts at its left whatever the alignment.
    EXPECT_EQ(CaptionTextLeft(rect, 400, FrameCaptionAlignment::Right, false), 20);
    EXPECT_EQ(CaptionTextLeft(rect, 196, FrameCaptionAlignment::Center, false), 20);
}

TEST(FrameGeometry, IconIsCentredInTheTitle)
{
    EXPECT_EQ(TitleIconRect(Form(), 4, 16), (PixelRect{7, 4, 23, 20}));
    EXPECT_TRUE(TitleIconRect(Form(), 4, 0).IsEmpty());
}

HitTestInput Input(bool sizeable)
{
    HitTestInput input;
    input.Metrics = Form();
    input.Sizeable = sizeable;
    input.Icon = TitleIconRect(input.Metrics, 4, 16);
    TitleButtonData close;
    close.Rect = {264, 1, 294, 21};
    close.HitCode = kHitClose;
    TitleButtonData minimize;
    minimize.Rect = {232, 1, 262, 21};
    minimize.HitCode = kHitMinimize;
    input.Buttons = {close, minimize};
    return input;
}

TEST(FrameHitTest, ButtonsIconCaptionAndClient)
{
    const HitTestInput input = Input(false);
    EXPECT_EQ(FrameHitTest(input, 264, 1), kHitClose);
    EXPECT_EQ(FrameHitTest(input, 293, 20), kHitClose);
    EXPECT_EQ(FrameHitTest(input, 262, 10), kHitCaption); // the gap between the buttons
    EXPECT_EQ(FrameHitTest(input, 240, 10), kHitMinimize);
    EXPECT_EQ(FrameHitTest(input, 10, 10), kHitSysMenu);
    EXPECT_EQ(FrameHitTest(input, 100, 10), kHitCaption);
    EXPECT_EQ(FrameHitTest(input, 100, 22), kHitClient);
    EXPECT_EQ(FrameHitTest(input, 100, 196), kHitClient);
    EXPECT_EQ(FrameHitTest(input, -1, 10), kHitNowhere);
    EXPECT_EQ(FrameHitTest(input, 300, 10), kHitNowhere);
}

TEST(FrameHitTest, ABorderThatDoesNotSizeAnswersBorder)
{
    const HitTestInput input = Input(false);
    EXPECT_EQ(FrameHitTest(input, 0, 100), kHitBorder);
    EXPECT_EQ(FrameHitTest(input, 150, 199), kHitBorder);
    EXPECT_EQ(FrameHitTest(input, 0, 0), kHitBorder);
}

TEST(FrameHitTest, SizeableBordersAnswerTheSizingCodes)
{
    const HitTestInput input = Input(true);
    EXPECT_EQ(FrameHitTest(input, 0, 100), kHitLeft);
    EXPECT_EQ(FrameHitTest(input, 299, 100), kHitRight);
    EXPECT_EQ(FrameHitTest(input, 150, 0), kHitTop);
    EXPECT_EQ(FrameHitTest(input, 150, 199), kHitBottom);
    EXPECT_EQ(FrameHitTest(input, 0, 0), kHitTopLeft);
    EXPECT_EQ(FrameHitTest(input, 10, 0), kHitTopLeft);
    EXPECT_EQ(FrameHitTest(input, 0, 15), kHitTopLeft);
    EXPECT_EQ(FrameHitTest(input, 299, 0), kHitTopRight);
    EXPECT_EQ(FrameHitTest(input, 0, 199), kHitBottomLeft);
    EXPECT_EQ(FrameHitTest(input, 299, 190), kHitBottomRight);
    EXPECT_EQ(FrameHitTest(input, 290, 199), kHitBottomRight);
}

TEST(FrameHitTest, ThePlatformAnswersForNowhereClientCaptionAndMenu)
{
    for (int code : {kHitNowhere, kHitClient, kHitCaption, kHitMenu})
        EXPECT_TRUE(PlatformAnswersHit(code)) << code;
    for (int code : {kHitSysMenu, kHitClose, kHitMinimize, kHitMaximize, kHitLeft, kHitBorder, kHitBottomRight})
        EXPECT_FALSE(PlatformAnswersHit(code)) << code;
}

TEST(FrameHitTest, MenuBarUnderTheTitle)
{
    HitTestInput input = Input(false);
    input.Metrics.MenuHeight = 20;
    EXPECT_EQ(FrameHitTest(input, 100, 30), kHitMenu);
    EXPECT_EQ(FrameHitTest(input, 100, 42), kHitClient);
}

} // namespace
} // namespace korvane
