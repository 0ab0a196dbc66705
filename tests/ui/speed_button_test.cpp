// The windowless speed button: drawn by its parent with its glyph's white left transparent,
// clicked by a press and release inside it, and not when disabled or released outside.
#include "editors/glyphs.h"
#include "support/modal_driver.h"
#include "support/screenshot.h"
#include "ui/form.h"
#include "ui/speed_button.h"

#include <gtest/gtest.h>

namespace korvane::ui {
namespace {

class SpeedButtonForm : public Form {
public:
    SpeedButtonForm() : Form({L"TSpeedButtonTestForm", L"Speed buttons", 100, 100, 140, 60})
    {
        Add.SetGlyph(LoadGlyph(Glyph::Add));
        Remove.SetGlyph(LoadGlyph(Glyph::Remove));
        Up.SetGlyph(LoadGlyph(Glyph::Up));
        Down.SetGlyph(LoadGlyph(Glyph::Down));
    }
    SpeedButton Add{*this, BoundsRect(16, 16, 23, 22)};
    SpeedButton Remove{*this, BoundsRect(40, 16, 23, 22)};
    SpeedButton Up{*this, BoundsRect(64, 16, 23, 22)};
    SpeedButton Down{*this, BoundsRect(88, 16, 23, 22)};
};

TEST(SpeedButton, GlyphsAreSixteenPixelPicturesDrawnWithWhiteTransparent)
{
    SpeedButtonForm form;
    for (SpeedButton* button : {&form.Add, &form.Remove, &form.Up, &form.Down}) {
        BITMAP info{};
        ASSERT_TRUE(button->Glyph() && GetObjectW(button->Glyph(), sizeof info, &info));
        EXPECT_EQ(info.bmWidth, 16);
        EXPECT_EQ(info.bmHeight, 16);
    }
    form.Show();
    test::SaveScreenshot("speed-buttons");
    HDC dc = GetDC(form.Handle());
    // The glyph sits centred: its (0, 0) corner, white in every picture, shows the button face.
    const int x = 16 + (23 - 16) / 2;
    const int y = 16 + (22 - 16) / 2;
    const COLORREF face = GetPixel(dc, x + 1, y);
    EXPECT_NE(face, RGB(255, 255, 255));
    EXPECT_EQ(face, GetSysColor(COLOR_BTNFACE));
    // The plus on the green disc stays visible (nearly white), the disc is green.
    EXPECT_EQ(GetPixel(dc, x + 7, y + 5), RGB(254, 254, 254));
    const COLORREF disc = GetPixel(dc, x + 3, y + 8);
    EXPECT_GT(GetGValue(disc), GetRValue(disc) + 60);
    ReleaseDC(form.Handle(), dc);
    form.Hide();
}

TEST(SpeedButton, ClicksOnlyWhenPressedAndReleasedInsideWhileEnabled)
{
    SpeedButtonForm form;
    int clicks = 0;
    form.Add.on_click = [&] { ++clicks; };
    form.Show();
    test::ClickAt(form.Handle(), {27, 27});
    EXPECT_EQ(clicks, 1);
    SendMessageW(form.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(27, 27));
    SendMessageW(form.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(120, 50));
    EXPECT_FALSE(form.Add.Down()) << "drawn up while the mouse is outside";
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(120, 50));
    EXPECT_EQ(clicks, 1) << "released outside";
    form.Add.SetEnabled(false);
    test::ClickAt(form.Handle(), {27, 27});
    EXPECT_EQ(clicks, 1) << "disabled";
    test::ClickAt(form.Handle(), {51, 27});
    EXPECT_EQ(clicks, 1) << "a click on the neighbour is not this button's";
    form.Hide();
}

} // namespace
} // namespace korvane::ui
