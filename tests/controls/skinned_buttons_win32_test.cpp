// The skinned buttons in real windows: normal, hot, pressed and disabled faces on their caches,
// window regions cut where the mask's corners are transparent, rebuilding a clipped button on
// every paint, and the speed button showing its parent through until the mouse comes.
#include "controls/button_state.h"
#include "controls/skinned_buttons_win32.h"
#include "support/mask_frames_picture.h"
#include "support/skinned_form_fixture_win32.h"
#include "support/test_bitmaps.h"
#include "ui/edit.h"

#include <vector>

namespace korvane {
namespace {

const std::string kOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=8421504\r\nMASTERBITMAP=MASTER.BMP\r\n"
                             "[BUTTON]\r\nSTATES=3\r\nCOLOR=255\r\nHOTCOLOR=65280\r\nFONTCOLOR=16777215\r\n"
                             "BORDERSMASK=^0000^0000^0030^0010^0003^0003^0003^0003^3^0^4^0\r\n"
                             "[SPEEDBUTTON]\r\nSTATES=3\r\nCOLOR=0\r\nTRANSPARENCY=100\r\nHOTCOLOR=16777215\r\n"
                             "HOTTRANSPARENCY=50\r\n";

class SkinnedButtons : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
    std::vector<test::PackageMember> Pictures() const override
    {
        return {{"MASTER.BMP", test::MaskFramesPicture(true)}};
    }
    // A pixel of the face inside the mask's borders and left of the caption.
    static std::uint32_t Centre(const TsCommonData& data)
    {
        const BitmapView face = data.CacheBitmap.View();
        return face.At(6, face.Height / 2) & 0xFFFFFF;
    }
    void Pump() { RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
};

TEST_F(SkinnedButtons, EachStateShowsItsFrameOfTheMask)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21)); // takes the focus: a focused button is hot
    TsBitBtn button(*m_form, BoundsRect(20, 20, 75, 25), L"Белый");
    Apply();
    Pump();
    EXPECT_EQ(Centre(button.SkinData), test::kMaskFrameColours[0]);
    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    EXPECT_TRUE(button.SkinData.MouseInside);
    EXPECT_EQ(Centre(button.SkinData), test::kMaskFrameColours[1]) << "hot under the mouse";
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    EXPECT_EQ(button.Skin().CurrentState(), StatePressed);
    EXPECT_EQ(Centre(button.SkinData), test::kMaskFrameColours[2]) << "pressed";
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
    Pump();
    EXPECT_EQ(button.Skin().CurrentState(), StateHot);
    EXPECT_EQ(Centre(button.SkinData), test::kMaskFrameColours[1]);
    button.Skin().Down = true;
    EXPECT_EQ(button.Skin().CurrentState(), StatePressed) << "Down whatever the mouse";
}

TEST_F(SkinnedButtons, ADisabledFaceIsBlendedWithWhatLiesBehind)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21));
    TsButton enabled(*m_form, BoundsRect(20, 20, 75, 25), L"A");
    TsButton disabled(*m_form, BoundsRect(20, 60, 75, 25), L"A");
    disabled.SetEnabled(false);
    Apply();
    Pump();
    const std::uint32_t face = Centre(enabled.SkinData);
    const std::uint32_t blended = Centre(disabled.SkinData);
    EXPECT_EQ(face, test::kMaskFrameColours[0]);
    EXPECT_NE(blended, face);
    // Tinted halfway toward the form's face colour, channel by channel.
    const std::uint32_t behind = PixelToColor(ColorToPixel(GetSysColor(COLOR_BTNFACE)));
    const std::uint32_t expectedRed = (((face >> 16) & 0xFF) + (behind & 0xFF) + 1) / 2;
    EXPECT_NEAR(static_cast<int>((blended >> 16) & 0xFF), static_cast<int>(expectedRed), 1);
}

TEST_F(SkinnedButtons, TheWindowRegionLosesTheTransparentCornerPixels)
{
    TsBitBtn button(*m_form, BoundsRect(20, 20, 75, 25), L"Белый");
    Apply();
    Pump();
    win32::OwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(button.Handle(), region.get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.get(), 0, 0)) << "the key-coloured corner pixel";
    EXPECT_TRUE(PtInRegion(region.get(), 1, 0));
    EXPECT_TRUE(PtInRegion(region.get(), 0, 1));
    EXPECT_TRUE(PtInRegion(region.get(), 74, 24));
    m_manager->SetActive(false);
    EXPECT_EQ(GetWindowRgn(button.Handle(), region.get()), ERROR) << "no skin, no region";
    EXPECT_EQ(button.Send(BM_GETSTATE) & BST_PUSHED, 0u);
    EXPECT_NE(GetWindowLongW(button.Handle(), GWL_STYLE) & 0xF, BS_OWNERDRAW) << "the platform paints again";
}

TEST_F(SkinnedButtons, AButtonPartlyOutsideItsParentRebuildsOnEveryPaint)
{
    TsButton inside(*m_form, BoundsRect(20, 20, 75, 25), L"A");
    TsButton outside(*m_form, BoundsRect(-10, 60, 75, 25), L"A");
    Apply();
    Pump();
    for (TsButton* button : {&inside, &outside}) {
        button->SkinData.CacheBitmap.View().At(40, 12) = 0x00123456;
        button->Skin().StateChanged = false;
        button->SkinData.CacheStale = false;
        button->Invalidate(false);
    }
    Pump();
    EXPECT_EQ(inside.SkinData.CacheBitmap.View().At(40, 12), 0x00123456u) << "a fresh cache is only copied";
    EXPECT_NE(outside.SkinData.CacheBitmap.View().At(40, 12), 0x00123456u) << "the clipped one rebuilt its face";
}

TEST_F(SkinnedButtons, TheSpeedButtonShowsItsParentUntilTheMouseComes)
{
    TsSpeedButton button(*m_form, BoundsRect(16, 16, 23, 22));
    Apply();
    Pump();
    const std::uint32_t behind = GetSysColor(COLOR_BTNFACE) & 0xFFFFFF;
    const std::uint32_t normal = PixelToColor(button.SkinData.CacheBitmap.View().At(1, 1));
    EXPECT_EQ(normal, behind) << "a see-through face in the normal state";
    SendMessageW(m_form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    ASSERT_TRUE(button.SkinData.MouseInside);
    EXPECT_EQ(button.DrawingState(), StateHot);
    const std::uint32_t hot = PixelToColor(button.SkinData.CacheBitmap.View().At(1, 1));
    // HOTTRANSPARENCY 50 of white over the face colour, channel by channel.
    EXPECT_NEAR(static_cast<int>(hot & 0xFF), static_cast<int>(((behind & 0xFF) + 255 + 1) / 2), 1);
    EXPECT_NE(hot, normal);
    SendMessageW(m_form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    EXPECT_FALSE(button.SkinData.MouseInside);
    EXPECT_EQ(PixelToColor(button.SkinData.CacheBitmap.View().At(1, 1)), behind);
}

TEST_F(SkinnedButtons, TheCutCornersShowTheParentOnTheFaceToo)
{
    TsBitBtn button(*m_form, BoundsRect(20, 20, 75, 25), L"Белый");
    Apply();
    Pump();
    // What printing and animations take of the button: its shape, the parent where it is cut.
    const std::uint32_t behind = PixelToColor(ColorToPixel(GetSysColor(COLOR_BTNFACE)));
    EXPECT_EQ(PixelToColor(button.SkinData.CacheBitmap.View().At(0, 0)), behind);
    EXPECT_EQ(button.SkinData.CacheBitmap.View().At(1, 0) & 0xFFFFFF,
              test::kMaskFrameColours[button.Skin().DrawingState()]);
}

TEST_F(SkinnedButtons, TheDefaultButtonIsHotAndKeepsItsDefaultStyleWithAndWithoutTheSkin)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21));
    TsButton byDefault(*m_form, BoundsRect(20, 20, 75, 25), L"OK");
    TsButton plain(*m_form, BoundsRect(20, 60, 75, 25), L"Cancel");
    byDefault.Send(BM_SETSTYLE, BS_DEFPUSHBUTTON, FALSE);
    Apply();
    Pump();
    const auto type = [](const TsButton& button) { return GetWindowLongW(button.Handle(), GWL_STYLE) & BS_TYPEMASK; };
    EXPECT_EQ(type(byDefault), BS_OWNERDRAW);
    EXPECT_EQ(byDefault.Skin().CurrentState(), StateHot) << "the default button shows hot";
    EXPECT_EQ(plain.Skin().CurrentState(), StateNormal);
    m_manager->SetActive(false);
    EXPECT_EQ(type(byDefault), BS_DEFPUSHBUTTON) << "the default style comes back with the platform's look";
    EXPECT_EQ(type(plain), BS_PUSHBUTTON);
    m_manager->SetActive(true);
    Pump();
    EXPECT_EQ(type(byDefault), BS_OWNERDRAW);
    EXPECT_EQ(byDefault.Skin().CurrentState(), StateHot);
    // The role moves while skinned: the window stays owner-drawn, the face follows.
    byDefault.SetDefault(false);
    plain.SetDefault(true);
    EXPECT_EQ(type(byDefault), BS_OWNERDRAW);
    EXPECT_EQ(type(plain), BS_OWNERDRAW);
    EXPECT_EQ(byDefault.Skin().CurrentState(), StateNormal);
    EXPECT_EQ(plain.Skin().CurrentState(), StateHot);
    EXPECT_TRUE(plain.Send(WM_GETDLGCODE) & DLGC_DEFPUSHBUTTON);
    m_manager->SetActive(false);
    EXPECT_EQ(type(plain), BS_DEFPUSHBUTTON);
    EXPECT_EQ(type(byDefault), BS_PUSHBUTTON);
}

TEST_F(SkinnedButtons, CancelModeEndsAPress)
{
    TsBitBtn button(*m_form, BoundsRect(20, 20, 75, 25), L"Белый");
    Apply();
    Pump();
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    ASSERT_TRUE(button.Skin().Pressing);
    SendMessageW(button.Handle(), WM_CANCELMODE, 0, 0);
    EXPECT_FALSE(button.Skin().Pressing) << "the press outlived the lost capture";
    Pump();
    EXPECT_NE(button.Skin().CurrentState(), StatePressed);
}

TEST_F(SkinnedButtons, TheSpeedButtonRebuildsItsFaceForNewBoundsGlyphAndCaption)
{
    TsSpeedButton button(*m_form, BoundsRect(16, 16, 23, 22));
    Apply();
    Pump();
    ASSERT_EQ(button.SkinData.CacheBitmap.Width(), 23);
    button.SetBounds(BoundsRect(16, 16, 40, 22));
    Pump();
    EXPECT_EQ(button.SkinData.CacheBitmap.Width(), 40) << "the face keeps its old size";

    const auto snapshot = [&] { return CopyOfView(button.SkinData.CacheBitmap.View()); };
    const auto differ = [](const Bitmap32& a, const Bitmap32& b) {
        return testing::CountDifferingColours(a.ReadView(), b.ReadView(), {0, 0, a.Width(), a.Height()}) > 0;
    };
    const Bitmap32 plain = snapshot();
    button.SetCaption(L"Ж");
    Pump();
    const Bitmap32 captioned = snapshot();
    EXPECT_TRUE(differ(plain, captioned)) << "the caption is not drawn";

    std::vector<std::uint32_t> black(16 * 16, 0x000000);
    win32::OwnedBitmap glyph(CreateBitmap(16, 16, 1, 32, black.data()));
    button.SetGlyph(std::move(glyph));
    Pump();
    const Bitmap32 withGlyph = snapshot();
    EXPECT_TRUE(differ(captioned, withGlyph)) << "the new glyph is not drawn";

    SendMessageW(m_form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    ASSERT_TRUE(button.SkinData.MouseInside);
    button.SetVisible(false);
    EXPECT_FALSE(button.SkinData.MouseInside) << "hidden, the button is not under the mouse";
}

} // namespace
} // namespace korvane
