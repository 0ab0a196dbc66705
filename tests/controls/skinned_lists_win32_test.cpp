// The skinned list box, combo box and rich edit in real windows: items composed over the edit
// frame's face with SELECTION and the uncovered client copied with the frame's offset, the
// system colour back when the skin goes, a read-only combo box that ignores keys and clicks,
// the rich edit's disabled text colour and its printing into a foreign context.
#include "controls/skinned_combo_box_win32.h"
#include "controls/skinned_label_win32.h"
#include "controls/skinned_list_box_win32.h"
#include "controls/skinned_rich_edit_win32.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "support/skinned_form_fixture_win32.h"
#include "win32/dib_section.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace korvane {
namespace {

// EDIT runs from black at the top to white at the bottom, so a copy one row off shows; SELECTION
// is green (normal) and blue (hot) with white and yellow text.
const std::string kOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=8421504\r\nFONTCOLOR=3355443\r\n"
                             "[EDIT]\r\nSTATES=1\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\n"
                             "GRADIENTPERCENT=100\r\nGRADIENTDATA=0;16777215;100;0;0\r\n"
                             "[FLATEDIT]\r\nSTATES=1\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\n"
                             "[SELECTION]\r\nSTATES=2\r\nCOLOR=49152\r\nFONTCOLOR=16777215\r\n"
                             "HOTCOLOR=12582912\r\nHOTFONTCOLOR=65535\r\n"
                             "[COMBOBOX]\r\nSTATES=1\r\nCOLOR=16777215\r\nFONTCOLOR=0\r\n";

// SELECTION's colours as the skin gives them (0x00BBGGRR).
constexpr std::uint32_t kGreen = 49152;
constexpr std::uint32_t kBlue = 12582912;
constexpr std::uint32_t kYellow = 65535;

// A face drawn without smoothing, so text pixels have exactly the text colour.
struct SharpFont {
    HFONT font =
        CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Arial");
    SharpFont() = default;
    SharpFont(const SharpFont&) = delete;
    SharpFont& operator=(const SharpFont&) = delete;
    ~SharpFont() { DeleteObject(font); }
};

class SkinnedLists : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
    LPARAM Manager() const { return reinterpret_cast<LPARAM>(static_cast<SkinManagerCore*>(m_manager.get())); }
    static int CountPixels(const BitmapView& view, const PixelRect& area, std::uint32_t colour)
    {
        int count = 0;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                count += PixelToColor(view.At(x, y)) == colour ? 1 : 0;
        return count;
    }
};

TEST_F(SkinnedLists, TheSelectedItemIsDrawnFromSelectionAndTheRestOfTheClientFromTheFrameFace)
{
    SharpFont sharp;
    TsListBox list(*m_form, BoundsRect(10, 10, 120, 120), 16);
    list.SetFont(sharp.font);
    for (const wchar_t* item : {L"one", L"two", L"three"})
        list.Add(item);
    Apply();
    SetFocus(m_form->Handle());
    list.SetItemIndex(1);
    ASSERT_NE(list.EditAdapter(), nullptr) << "the list box frames itself with the edit adapter";
    const win32::DibSection* face = list.EditAdapter()->FreshFrameCache();
    ASSERT_NE(face, nullptr);
    RECT client{};
    GetClientRect(list.Handle(), &client);
    ASSERT_GT(client.bottom, 3 * 16 + 20);
    win32::DibSection shot(client.right, client.bottom);
    list.PaintItems(shot.Dc());
    const BitmapView view = shot.View();
    const BitmapView frame = face->View();
    const int x = client.right - 3;
    EXPECT_EQ(PixelToColor(view.At(x, 24)), kGreen) << "the selected item on SELECTION's normal face";
    EXPECT_GT(CountPixels(view, {0, 16, client.right, 32}, 0xFFFFFF), 10) << "its text in SELECTION's colour";
    EXPECT_EQ(CountPixels(view, {0, 16, client.right, 32}, 0x000000), 0);
    EXPECT_EQ(view.At(x, 8), frame.At(x + 2, 10)) << "an unselected item shows the face under it";
    EXPECT_GT(CountPixels(view, {0, 0, client.right, 16}, 0x000000), 10) << "in EDIT's text colour";
    for (const int y : {48, 60, static_cast<int>(client.bottom) - 1}) {
        EXPECT_EQ(view.At(x, y), frame.At(x + 2, y + 2)) << "row " << y << " below the items";
        EXPECT_NE(view.At(x, y) & 0xFFFFFF, frame.At(x, y) & 0xFFFFFF) << "the offset shows on the gradient";
    }
}

TEST_F(SkinnedLists, AFocusedListDrawsItsItemOnSelectionsHotFaceWithoutAFocusRectangle)
{
    SharpFont sharp;
    TsListBox list(*m_form, BoundsRect(10, 10, 120, 80), 16);
    list.SetFont(sharp.font);
    list.Add(L"one");
    list.Add(L"two");
    Apply();
    list.SetItemIndex(0);
    SetFocus(list.Handle());
    RECT client{};
    GetClientRect(list.Handle(), &client);
    win32::DibSection shot(client.right, client.bottom);
    list.PaintItems(shot.Dc());
    const BitmapView view = shot.View();
    const PixelRect item{0, 0, client.right, 16};
    EXPECT_EQ(CountPixels(view, {0, 0, client.right, 1}, kBlue), client.right)
        << "the hot face's top row is whole: no dotted focus frame";
    EXPECT_GT(CountPixels(view, item, kYellow), 10) << "the hot text colour";
    EXPECT_EQ(CountPixels(view, {0, 16, client.right, 32}, kBlue), 0) << "the other item is not selected";
}

TEST_F(SkinnedLists, TakingTheSkinOffGivesTheListTheSystemWindowColourEvenWithItsOwnColour)
{
    TsListBox list(*m_form, BoundsRect(10, 10, 120, 80), 16);
    Apply();
    list.SkinData.SetCustomColor(true);
    list.SetColor(RGB(10, 20, 30));
    ASSERT_NE(list.EditAdapter(), nullptr);
    SendMessageW(list.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_REMOVESKIN), Manager());
    EXPECT_EQ(list.Color(), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(list.EditAdapter(), nullptr);
    SendMessageW(list.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_SETSKIN), Manager());
    EXPECT_NE(list.EditAdapter(), nullptr) << "the skin's return frames the list again";
}

TEST_F(SkinnedLists, TheBoundLabelFollowsTheListsPlaceVisibilityAndEnabledState)
{
    TsListBox list(*m_form, BoundsRect(100, 50, 120, 60), 16);
    Apply();
    list.BoundLabel.SetCaption(L"Items");
    list.BoundLabel.SetActive(true);
    const TsEditLabel* label = list.BoundLabel.Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->ControlBounds().Right, 100 - 4) << "left of the list";
    list.SetBounds(BoundsRect(150, 70, 120, 60));
    EXPECT_EQ(label->ControlBounds().Right, 150 - 4) << "placed again after the move";
    list.SetVisible(false);
    EXPECT_FALSE(label->Visible());
    list.SetVisible(true);
    EXPECT_TRUE(label->Visible());
    list.SetEnabled(false);
    EXPECT_FALSE(label->Enabled()) << "a blended disabled list disables its label";
    list.SetEnabled(true);
    EXPECT_TRUE(label->Enabled());
    list.SetDisabledKind({.Blended = false, .Grayed = true});
    list.SetEnabled(false);
    EXPECT_TRUE(label->Enabled()) << "a greyed list keeps its label enabled";
    std::uint8_t kind = 0;
    SendMessageW(list.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_GETDISABLEDKIND), reinterpret_cast<LPARAM>(&kind));
    EXPECT_EQ(kind, 2) << "dkGrayed alone";
}

TEST_F(SkinnedLists, AReadOnlyComboBoxIgnoresLettersArrowsAndClicks)
{
    TsComboBox free(*m_form, BoundsRect(10, 10, 150, 22), 16);
    TsComboBox locked(*m_form, BoundsRect(10, 50, 150, 22), 16);
    for (TsComboBox* combo : {&free, &locked}) {
        for (const wchar_t* item : {L"alpha", L"beta", L"gamma"})
            combo->Add(item);
        combo->SetItemIndex(0);
    }
    locked.ReadOnly = true;
    Apply();
    SetFocus(free.Handle());
    SendMessageW(free.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_EQ(free.ItemIndex(), 1) << "an arrow moves the selection of a box that is not read-only";
    SetFocus(locked.Handle());
    SendMessageW(locked.Handle(), WM_KEYDOWN, VK_DOWN, 0);
    SendMessageW(locked.Handle(), WM_KEYDOWN, VK_END, 0);
    SendMessageW(locked.Handle(), WM_KEYDOWN, 'G', 0);
    SendMessageW(locked.Handle(), WM_CHAR, 'g', 0);
    EXPECT_EQ(locked.ItemIndex(), 0);
    SetFocus(free.Handle());
    SendMessageW(locked.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(140, 10));
    SendMessageW(locked.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(140, 10));
    EXPECT_EQ(SendMessageW(locked.Handle(), CB_GETDROPPEDSTATE, 0, 0), 0) << "the list does not open";
    EXPECT_EQ(GetFocus(), locked.Handle()) << "the click only focuses the box";
    EXPECT_EQ(locked.ItemIndex(), 0);
}

TEST_F(SkinnedLists, OnlyAListLongerThanTheDropDownCountGetsTheListAdapterWhenItFirstAsksForColours)
{
    TsComboBox longer(*m_form, BoundsRect(10, 10, 150, 22), 16);
    TsComboBox shorter(*m_form, BoundsRect(10, 50, 150, 22), 16);
    for (int i = 0; i < 21; ++i)
        longer.Add(L"Item " + std::to_wstring(i));
    for (int i = 0; i < 16; ++i)
        shorter.Add(L"Item " + std::to_wstring(i));
    EXPECT_EQ(longer.DropDownCount, 16);
    Apply();
    for (TsComboBox* combo : {&longer, &shorter}) {
        SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, TRUE, 0);
        MSG message;
        for (int i = 0; i < 20 && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE); ++i)
            DispatchMessageW(&message);
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
        // The list asks for its colours whenever it paints; the first time decides.
        HDC dc = GetDC(info.hwndList);
        SendMessageW(combo->Handle(), WM_CTLCOLORLISTBOX, reinterpret_cast<WPARAM>(dc),
                     reinterpret_cast<LPARAM>(info.hwndList));
        ReleaseDC(info.hwndList, dc);
        SendMessageW(combo->Handle(), CB_SHOWDROPDOWN, FALSE, 0);
        if (combo == &longer) {
            EXPECT_EQ(combo->ListWindow(), info.hwndList);
            EXPECT_NE(combo->ListAdapter(), nullptr) << "21 items";
        } else {
            EXPECT_EQ(combo->ListWindow(), nullptr);
            EXPECT_EQ(combo->ListAdapter(), nullptr) << "16 items";
        }
    }
    SendMessageW(longer.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_REMOVESKIN), Manager());
    EXPECT_EQ(longer.ListAdapter(), nullptr) << "the skin's going frees the list adapter";
    EXPECT_EQ(longer.ListWindow(), nullptr);
}

TEST_F(SkinnedLists, TheEditOfAReadOnlyDropDownBoxTakesNoTypedText)
{
    TsComboBox free(*m_form, BoundsRect(10, 10, 150, 22), 16, TComboBoxStyle::csDropDown);
    TsComboBox locked(*m_form, BoundsRect(10, 50, 150, 22), 16, TComboBoxStyle::csDropDown);
    locked.ReadOnly = true;
    Apply();
    for (TsComboBox* combo : {&free, &locked}) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetComboBoxInfo(combo->Handle(), &info));
        ASSERT_NE(info.hwndItem, nullptr);
        SetFocus(info.hwndItem);
        SendMessageW(info.hwndItem, WM_CHAR, 'x', 0);
        SendMessageW(info.hwndItem, WM_PASTE, 0, 0);
    }
    EXPECT_EQ(free.Text().substr(0, 1), L"x");
    EXPECT_EQ(locked.Text(), L"");
}

TEST_F(SkinnedLists, ASimpleBoxCachesItsEditLineAndARightToLeftBoxHasItsButtonAtTheLeft)
{
    TsComboBox simple(*m_form, BoundsRect(10, 10, 150, 120), 16, TComboBoxStyle::csSimple);
    TsComboBox mirrored(*m_form, BoundsRect(170, 10, 100, 22), 16);
    SetWindowLongW(mirrored.Handle(), GWL_EXSTYLE, GetWindowLongW(mirrored.Handle(), GWL_EXSTYLE) | WS_EX_RIGHT);
    Apply();
    simple.BuildCache();
    EXPECT_EQ(simple.SkinData.CacheBitmap.Height(), 16 + 8) << "whatever the control's height";
    EXPECT_EQ(simple.ButtonRect().Width(), 0);
    EXPECT_EQ(mirrored.ButtonRect().Left, 2);
    EXPECT_EQ(mirrored.ButtonRect().Right, 2 + GetSystemMetrics(SM_CXVSCROLL));
}

TEST_F(SkinnedLists, TheComboFaceShowsTheCurrentItemBetweenTheFrameAndTheButton)
{
    SharpFont sharp;
    TsComboBox combo(*m_form, BoundsRect(10, 10, 150, 22), 16);
    combo.SetFont(sharp.font);
    combo.Add(L"WWW");
    combo.SetItemIndex(0);
    Apply();
    SetFocus(m_form->Handle());
    combo.BuildCache();
    const BitmapView face = combo.SkinData.CacheBitmap.View();
    ASSERT_EQ(face.Width, 150);
    const PixelRect button = combo.ButtonRect();
    EXPECT_EQ(button.Width(), GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(button.Right, 148);
    EXPECT_GT(CountPixels(face, {3, 3, button.Left - 1, face.Height - 3}, 0x000000), 10)
        << "the item in the control's text colour";
    EXPECT_EQ(CountPixels(face, button, 0x000000), 0) << "no text under the button";
    SetFocus(combo.Handle());
    combo.BuildCache();
    EXPECT_GT(CountPixels(combo.SkinData.CacheBitmap.View(), {3, 3, button.Left - 1, 19}, kYellow), 10)
        << "focused, the item is shown selected in SELECTION's hot colours";
}

TEST_F(SkinnedLists, ADisabledRichEditSinksItsTextHalfwayIntoTheBackground)
{
    TsRichEdit edit(*m_form, BoundsRect(10, 10, 200, 80));
    edit.SkinData.SetSkinSection(u"FLATEDIT");
    Apply();
    edit.SetEnabled(false);
    EXPECT_EQ(edit.Color(), 0xFFFFFFu);
    EXPECT_EQ(edit.DefaultTextColor(), 0x808080u);
    edit.SetEnabled(true);
    EXPECT_EQ(edit.DefaultTextColor(), 0x000000u);
    edit.SkinData.SetCustomColor(true);
    edit.SetBackgroundColor(RGB(0, 0, 0));
    edit.SetEnabled(false);
    EXPECT_EQ(edit.Color(), 0x000000u) << "a custom colour stays";
}

TEST_F(SkinnedLists, PrintingARichEditRendersItsTextInsideTheSkinnedFrame)
{
    SharpFont sharp;
    TsRichEdit edit(*m_form, BoundsRect(10, 10, 200, 80));
    edit.SkinData.SetSkinSection(u"FLATEDIT");
    Apply();
    edit.AttachEditAdapter();
    ASSERT_NE(edit.EditAdapter(), nullptr);
    edit.SetFont(sharp.font);
    edit.SetText(L"WWWW MMMM");
    win32::DibSection shot(200, 80);
    FillRectColor(shot.View(), {0, 0, 200, 80}, 0x123456);
    EXPECT_EQ(SendMessageW(edit.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(shot.Dc()),
                           PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND),
              2);
    GdiFlush();
    const BitmapView view = shot.View();
    const int border = edit.EditAdapter()->BorderWidth();
    EXPECT_GT(CountPixels(view, {border, border, 200 - border, 80 - border}, 0x000000), 20) << "the text";
    EXPECT_EQ(CountPixels(view, {0, 0, 200, 80}, 0x123456), 0) << "every pixel printed";
    const win32::DibSection* frame = edit.EditAdapter()->FreshFrameCache();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(view.At(0, 40), frame->View().At(0, 40)) << "the frame from the adapter's face";
}

} // namespace
} // namespace korvane
