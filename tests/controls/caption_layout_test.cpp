#include "controls/caption_layout.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

constexpr PixelSize kNoCaption{0, 0};
constexpr PixelSize kNoGlyph{0, 0};

GlyphCaptionPlacement Layout(PixelRect client, PixelSize glyph, PixelSize caption, int spacing, int margin,
                             CaptionAlignment alignment, GlyphLayout layout, bool rightToLeft = false)
{
    return LayoutGlyphAndCaption(client, glyph, caption, rightToLeft, spacing, margin, alignment, layout);
}

TEST(GlyphCaptionLayout, SpeedButtonGlyphWithoutCaptionSitsAtFourThree)
{
    // Margin -1, centre: (23 - 16 + 1) div 2 = 4 beats (23 - 16) div 2 = 3; y = (22 - 16 + 1) div 2.
    GlyphCaptionPlacement placed =
        Layout({0, 0, 23, 22}, {16, 16}, kNoCaption, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.GlyphX, 4);
    EXPECT_EQ(placed.GlyphY, 3);
    // The client rectangle's top-left moves both positions.
    placed = Layout({10, 20, 33, 42}, {16, 16}, kNoCaption, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.GlyphX, 14);
    EXPECT_EQ(placed.GlyphY, 23);
}

TEST(GlyphCaptionLayout, CaptionOnlyButtonPutsTheCaptionAt23_6)
{
    const GlyphCaptionPlacement placed =
        Layout({0, 0, 75, 25}, kNoGlyph, {30, 13}, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.Caption, (PixelRect{23, 6, 53, 19}));
}

// A 100 x 40 client, a 16 x 16 glyph, a 40 x 14 caption, Spacing 4, Margin -1: the free space is
// 44 across and 10 down; Margin is 20 centred, else 2.
TEST(GlyphCaptionLayout, EveryLayoutAndAlignmentFollowsItsRule)
{
    struct Case {
        GlyphLayout layout;
        CaptionAlignment alignment;
        int glyphX, glyphY;
        PixelRect caption;
    };
    const Case cases[] = {
        {GlyphLayout::GlyphLeft, CaptionAlignment::Center, 20, 12, {40, 13, 80, 27}},
        {GlyphLayout::GlyphLeft, CaptionAlignment::Left, 2, 12, {22, 13, 62, 27}},
        {GlyphLayout::GlyphLeft, CaptionAlignment::Right, 38, 12, {58, 13, 98, 27}},
        {GlyphLayout::GlyphRight, CaptionAlignment::Center, 64, 12, {20, 13, 60, 27}},
        {GlyphLayout::GlyphRight, CaptionAlignment::Left, 46, 12, {2, 13, 42, 27}},
        {GlyphLayout::GlyphRight, CaptionAlignment::Right, 82, 12, {38, 13, 78, 27}},
        // Above and below, only Spacing counts: glyph y = (40 - 16 - 4 - 14) div 2 = 3.
        {GlyphLayout::GlyphTop, CaptionAlignment::Center, 42, 3, {30, 23, 70, 37}},
        {GlyphLayout::GlyphTop, CaptionAlignment::Left, 42, 3, {30, 23, 70, 37}},
        {GlyphLayout::GlyphBottom, CaptionAlignment::Right, 42, 21, {30, 3, 70, 17}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.layout) * 10 + static_cast<int>(c.alignment));
        const GlyphCaptionPlacement placed = Layout({0, 0, 100, 40}, {16, 16}, {40, 14}, 4, -1, c.alignment, c.layout);
        EXPECT_EQ(placed.GlyphX, c.glyphX);
        EXPECT_EQ(placed.GlyphY, c.glyphY);
        EXPECT_EQ(placed.Caption, c.caption);
    }
}

TEST(GlyphCaptionLayout, RightToLeftExchangesGlyphLeftAndRight)
{
    // With an odd free space (45) the two centre rules differ: glyph-left keeps the larger
    // Margin 21, glyph-right takes (101 - 60) div 2 = 20.
    const PixelRect client{0, 0, 101, 40};
    GlyphCaptionPlacement placed =
        Layout(client, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.GlyphX, 21);
    EXPECT_EQ(placed.Caption.Left, 41);
    placed = Layout(client, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphLeft, true);
    EXPECT_EQ(placed.GlyphX, 64);
    EXPECT_EQ(placed.Caption.Left, 20);
    placed = Layout(client, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Left, GlyphLayout::GlyphRight, true);
    EXPECT_EQ(placed.GlyphX, 2);
    EXPECT_EQ(placed.Caption.Left, 22);
    // Above and below are not exchanged.
    placed = Layout(client, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphTop, true);
    EXPECT_EQ(placed.GlyphY, 3);
}

TEST(GlyphCaptionLayout, ComputedMarginAndSpacing)
{
    // Margin -1 and Spacing < 0: both become the free space div 3 = 44 div 3 = 14.
    GlyphCaptionPlacement placed =
        Layout({0, 0, 100, 40}, {16, 16}, {40, 14}, -1, -1, CaptionAlignment::Left, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.GlyphX, 14);
    EXPECT_EQ(placed.Caption.Left, 44);
    // A free space of -4 gives -4 div 3 = -1 (toward zero), not -2.
    placed = Layout({0, 0, 52, 40}, {16, 16}, {40, 14}, -1, -1, CaptionAlignment::Left, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.GlyphX, -1);
    EXPECT_EQ(placed.Caption.Left, 14);
    // Margin 5 with Spacing < 0: Spacing = (100 - 5 - 16 - 40) div 2 = 19 across ...
    placed = Layout({0, 0, 100, 40}, {16, 16}, {40, 14}, -1, 5, CaptionAlignment::Left, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.GlyphX, 5);
    EXPECT_EQ(placed.Caption.Left, 40);
    // ... and (40 - 5 - 16 - 14) div 2 = 2 down.
    placed = Layout({0, 0, 100, 40}, {16, 16}, {40, 14}, -1, 5, CaptionAlignment::Left, GlyphLayout::GlyphTop);
    EXPECT_EQ(placed.GlyphY, 4);
    EXPECT_EQ(placed.Caption.Top, 22);
    // Glyph above in a client too low: (31 - 16 - 4 - 14) div 2 = -1 (toward zero).
    placed = Layout({0, 0, 100, 31}, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Center, GlyphLayout::GlyphTop);
    EXPECT_EQ(placed.GlyphY, -1);
    EXPECT_EQ(placed.Caption.Top, 19);
    // Without a glyph the Spacing is 0.
    placed = Layout({0, 0, 100, 40}, kNoGlyph, {40, 14}, 10, 3, CaptionAlignment::Left, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.Caption.Left, 3);
}

TEST(GlyphCaptionLayout, LeftAlignedCaptionIsCutAtTheRightMargin)
{
    // Margin 2: the caption starts at 2 + 16 + 4 = 22 and may reach 60 - 2 = 58.
    GlyphCaptionPlacement placed =
        Layout({0, 0, 60, 20}, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Left, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.Caption, (PixelRect{22, 3, 58, 17}));
    // Never below nothing.
    placed = Layout({0, 0, 30, 20}, {16, 16}, {40, 14}, 4, 20, CaptionAlignment::Left, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.Caption.Width(), 0);
    // Other alignments keep the measured width.
    placed = Layout({0, 0, 60, 20}, {16, 16}, {40, 14}, 4, -1, CaptionAlignment::Right, GlyphLayout::GlyphLeft);
    EXPECT_EQ(placed.Caption.Width(), 40);
}

TEST(CaptionMeasureWidth, TakesMarginsAndASideGlyphOffTheButton)
{
    EXPECT_EQ(CaptionMeasureWidth(75, 3, 4, {16, 16}, GlyphLayout::GlyphLeft, true), 75 - 6 - 16 - 4);
    EXPECT_EQ(CaptionMeasureWidth(75, 3, 4, {16, 16}, GlyphLayout::GlyphRight, true), 75 - 6 - 16 - 4);
    EXPECT_EQ(CaptionMeasureWidth(75, 3, 4, {16, 16}, GlyphLayout::GlyphTop, true), 75 - 6);
    EXPECT_EQ(CaptionMeasureWidth(75, 3, 4, kNoGlyph, GlyphLayout::GlyphLeft, true), 75 - 6);
    // Margin and Spacing still to be computed do not widen the rectangle.
    EXPECT_EQ(CaptionMeasureWidth(75, -1, -1, {16, 16}, GlyphLayout::GlyphLeft, true), 75 - 16);
    EXPECT_EQ(CaptionMeasureWidth(75, 3, 4, {16, 16}, GlyphLayout::GlyphLeft, false), 0);
    EXPECT_EQ(CaptionMeasureWidth(20, 3, 4, {16, 16}, GlyphLayout::GlyphLeft, true), 0);
}

TEST(ButtonGlyphSize, PrefersAValidImageThenOnePieceOfTheBitmap)
{
    EXPECT_EQ(ButtonGlyphSize({32, 16}, true, {64, 20}, 2), (PixelSize{16, 16}));
    EXPECT_EQ(ButtonGlyphSize({32, 16}, false, {64, 20}, 4), (PixelSize{16, 20}));
    EXPECT_EQ(ButtonGlyphSize({32, 16}, false, {64, 20}, 0), (PixelSize{64, 20}));
    EXPECT_EQ(ButtonGlyphSize({32, 16}, false, {0, 0}, 1), (PixelSize{0, 0}));
}

} // namespace
} // namespace korvane
