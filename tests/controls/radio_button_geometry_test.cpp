// The radio button's check picture, its frames, its caption rectangle, focus frame and size.
#include "controls/radio_button_geometry.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvane {
namespace {

TEST(RadioButtonGeometry, AnOwnGlyphOf48By16HoldsThreeFramesOf16)
{
    EXPECT_EQ(OwnGlyphFrameCount(48, 16), 3);
    EXPECT_EQ(OwnGlyphFrameSize(48, 16), (PixelSize{16, 16}));
    EXPECT_EQ(RadioGlyphFrame(3, RadioDrawingState(true, true, false)), 2) << "pressed";
    EXPECT_EQ(RadioGlyphFrame(3, RadioDrawingState(false, true, false)), 1) << "hot";
    EXPECT_EQ(RadioGlyphFrame(3, RadioDrawingState(false, false, false)), 0);
    EXPECT_EQ(RadioGlyphFrame(3, RadioDrawingState(false, true, true)), 0) << "read-only never turns hot";
}

TEST(RadioButtonGeometry, AGlyphThatIsNoRowOfSquaresIsOneFrame)
{
    EXPECT_EQ(OwnGlyphFrameCount(40, 16), 1);
    EXPECT_EQ(OwnGlyphFrameSize(40, 16), (PixelSize{40, 16}));
    EXPECT_EQ(OwnGlyphFrameSize(0, 0), (PixelSize{0, 0}));
    // A glyph of two frames shows its last one while pressed.
    EXPECT_EQ(RadioGlyphFrame(2, 2), 1);
    EXPECT_EQ(RadioGlyphFrame(1, 2), 0);
}

TEST(RadioButtonGeometry, TheSkinsCheckEntryIsCutIntoStatesAndRows)
{
    TsMaskData entry;
    entry.Rect = {182, 131, 230, 163};
    entry.ImageCount = 3;
    entry.MaskType = 1;
    EXPECT_EQ(SkinCheckFrameSize(entry), (PixelSize{16, 16}));
    entry.MaskType = 0;
    EXPECT_EQ(SkinCheckFrameSize(entry), (PixelSize{16, 32}));
    // An entry with a bitmap of its own: three states over two rows of that bitmap.
    entry.Image = std::make_shared<Bitmap32>(39, 26);
    EXPECT_EQ(SkinCheckFrameSize(entry), (PixelSize{13, 13}));
}

TEST(RadioButtonGeometry, ThePictureSitsAtTheMarginOfItsSideCentredVertically)
{
    EXPECT_EQ(RadioGlyphRect({16, 16}, 343, 39, 2, true), BoundsRect(2, 11, 16, 16));
    EXPECT_EQ(RadioGlyphRect({16, 16}, 343, 39, 2, false), BoundsRect(325, 11, 16, 16));
    EXPECT_EQ(RadioGlyphRect({16, 16}, 100, 10, 0, true).Top, -3) << "a button lower than its picture";
}

TEST(RadioButtonGeometry, TheCaptionStandsRightOfThePictureOnEachSide)
{
    RadioCaptionFacts facts;
    facts.Width = 343;
    facts.Height = 39;
    facts.GlyphWidth = 16;
    // a = 343 - 16 - 0 - 4 - 2 = 321; edge = 343 - 321 - 2 + 2 = 22; top = (39 - 13) div 2 = 13.
    EXPECT_EQ(RadioCaptionWidth(facts), 321);
    EXPECT_EQ(RadioCaptionRect(facts, {120, 13}), (PixelRect{22, 12, 142, 25}));
    facts.WordWrap = true;
    EXPECT_EQ(RadioCaptionRect(facts, {120, 13}), (PixelRect{21, 12, 141, 25}));
    facts.WordWrap = false;
    facts.RightToLeft = true; // the right edge: 343 - 2 - 16 - 0 - 4
    EXPECT_EQ(RadioCaptionRect(facts, {120, 13}), (PixelRect{201, 12, 321, 25}));
    facts.RightToLeft = false;
    facts.CaptionRight = false; // left of the picture: the whole width from the margin
    EXPECT_EQ(RadioCaptionRect(facts, {120, 13}), (PixelRect{2, 12, 323, 25}));
}

TEST(RadioButtonGeometry, ACaptionTallerThanTheButtonStartsAtTheMargin)
{
    RadioCaptionFacts facts;
    facts.Width = 100;
    facts.Height = 20;
    facts.GlyphWidth = 16;
    facts.Margin = 3;
    EXPECT_EQ(RadioCaptionRect(facts, {40, 30}).Top, 2);
}

TEST(RadioButtonGeometry, TheFocusFrameHugsTheCaption)
{
    EXPECT_EQ(RadioFocusRect({22, 12, 142, 25}, false), (PixelRect{21, 12, 143, 25}));
    EXPECT_EQ(RadioFocusRect({22, 12, 142, 25}, true), (PixelRect{21, 12, 143, 26}));
}

TEST(RadioButtonGeometry, AnAutoSizedButtonFitsPictureAndCaption)
{
    EXPECT_EQ(RadioAutoSize({16, 16}, {80, 13}, 2, 0), (PixelSize{16 + 4 + 80 + 8, 19}));
    EXPECT_EQ(RadioAutoSize({16, 16}, {80, 13}, 2, 3), (PixelSize{16 + 4 + 80 + 3 + 8, 19}));
    EXPECT_EQ(RadioAutoSize({16, 16}, {}, 2, 5), (PixelSize{20, 18})) << "no caption, no indent";
    EXPECT_EQ(RadioAutoSize({13, 13}, {40, 30}, 2, 0).Height, 36);
}

} // namespace
} // namespace korvane
