#include "windows/adapted_control_layout.h"

#include "controls/combo_layout.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(AdaptedPushButton, StateRule)
{
    // Pushed wins over everything, even a disabled window; a disabled default button is plain.
    EXPECT_EQ(PushButtonState({.Pushed = true, .Enabled = false}), 2);
    EXPECT_EQ(PushButtonState({.Enabled = false, .Focused = true, .Default = true}), 0);
    // A default button without the focus keeps the hot look; so do the focused and the hot one.
    EXPECT_EQ(PushButtonState({.Default = true}), 1);
    EXPECT_EQ(PushButtonState({.Focused = true}), 1);
    EXPECT_EQ(PushButtonState({.Hot = true}), 1);
    EXPECT_EQ(PushButtonState({}), 0);
}

TEST(AdaptedPushButton, CaptionIsCentredAndMovesWhilePushed)
{
    EXPECT_EQ(PushCaptionWidthLimit(75, false, 0), 0);
    EXPECT_EQ(PushCaptionWidthLimit(75, true, 0), 73);
    EXPECT_EQ(PushCaptionWidthLimit(75, true, 16), 59);
    EXPECT_EQ(PushCaptionWidthLimit(10, true, 16), 0);
    // A 75 x 25 button with a 41 x 13 caption: (16, 6) - (60, 19); pushed one pixel on.
    EXPECT_EQ(PushCaptionRect(75, 25, {41, 13}, false), (PixelRect{16, 6, 60, 19}));
    EXPECT_EQ(PushCaptionRect(75, 25, {41, 13}, true), (PixelRect{17, 7, 61, 20}));
    // A caption wider than the button still gets a rectangle around the button's middle.
    EXPECT_EQ(PushCaptionRect(40, 25, {60, 13}, false), (PixelRect{-11, 6, 52, 19}));
}

TEST(AdaptedComboBox, ButtonAndArrowOfA121By21DropDownBox)
{
    // With 17-pixel scroll bars; the platform's combo box is laid out as the skinned one.
    const PixelRect button = ComboButtonRect(TComboBoxStyle::csDropDown, 121, 21, false, 17);
    EXPECT_EQ(button, (PixelRect{121 - 17 - 2, 2, 119, 19}));
    // A 16-pixel arrow (the reference skin's) sits at (21 - 16) div 2 = 2; our Graphite's arrow
    // frame is 12 x 8 (its GLYPHMASK: 36 x 16, three images, two rows), so it sits at 6,
    // centred across the 17-pixel button.
    EXPECT_EQ(ComboArrowPosition(button, 16, 16, 21).Y, 2);
    EXPECT_EQ(ComboArrowPosition(button, 12, 8, 21).X, 102 + 2);
    EXPECT_EQ(ComboArrowPosition(button, 12, 8, 21).Y, 6);
    // Printing draws the selected item up to the button, not a pixel short of it.
    EXPECT_EQ(PrintedComboTextRect(121, 21, button, false), (PixelRect{3, 3, 102, 18}));
    EXPECT_EQ(PrintedComboTextRect(121, 21, ComboButtonRect(TComboBoxStyle::csDropDown, 121, 21, true, 17), true),
              (PixelRect{19, 3, 118, 18}));
}

TEST(AdaptedGroupBox, CaptionStrip)
{
    // A 13-pixel font gives the 15-pixel strip; tiny text still leaves 4 + 2.
    EXPECT_EQ(GroupBoxCaptionRect(200, {50, 13}, false), (PixelRect{6, 0, 64, 15}));
    EXPECT_EQ(GroupBoxCaptionRect(200, {0, 0}, false).Height(), 6);
    EXPECT_EQ(GroupBoxCaptionRect(200, {50, 13}, true), (PixelRect{136, 0, 194, 15}));
    // Too wide for the box: it ends on the box's last column.
    EXPECT_EQ(GroupBoxCaptionRect(60, {50, 13}, false).Right, 59);
}

TEST(AdaptedCheckBox, PicturesAndStates)
{
    EXPECT_EQ(CheckPictureName(false, CheckMark::Unchecked), u"BOXUNCHECKED");
    EXPECT_EQ(CheckPictureName(false, CheckMark::Checked), u"BOXCHECKED");
    EXPECT_EQ(CheckPictureName(false, CheckMark::Indeterminate), u"BOXGRAYED");
    EXPECT_EQ(CheckPictureName(true, CheckMark::Unchecked), u"RADIOUNCHECKED");
    EXPECT_EQ(CheckPictureName(true, CheckMark::Checked), u"RADIOCHECKED");
    EXPECT_EQ(CheckPictureName(true, CheckMark::Indeterminate), u"BOXGRAYED");
    // BM_GETSTATE: 1 checked, 2 indeterminate, 4 pushed, 8 focus; pushing does not check.
    EXPECT_EQ(CheckMarkOfButtonState(0x1 | 0x8), CheckMark::Checked);
    EXPECT_EQ(CheckMarkOfButtonState(0x2 | 0x1), CheckMark::Indeterminate);
    EXPECT_EQ(CheckMarkOfButtonState(0x4), CheckMark::Unchecked);
    EXPECT_EQ(CheckDrawingState(true, false), 2);
    EXPECT_EQ(CheckDrawingState(false, true), 1);
    EXPECT_EQ(CheckDrawingState(false, false), 0);
}

} // namespace
} // namespace korvane
