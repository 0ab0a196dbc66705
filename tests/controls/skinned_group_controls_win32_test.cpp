// The group box, the radio group with its buttons and the labels in real windows: the caption
// strip and the frame on the box's cache, windowless children composed over the face, the
// buttons' place in the group, the check pictures of each state, OnChanging refusing a click, a
// space and a mouse-up, the arrow keys moving the selection, and the labels' colours.
#include "controls/radio_group_layout.h"
#include "controls/skinned_group_box_win32.h"
#include "controls/skinned_label_win32.h"
#include "controls/skinned_radio_group_win32.h"
#include "controls/windowless_children_win32.h"
#include "support/skinned_form_fixture_win32.h"
#include "ui/font.h"
#include "ui/push_button.h"
#include "win32/dib_section.h"

#include <set>
#include <vector>

namespace korvane {
namespace {

// The skin's check pictures, 0x00RRGGBB: normal, hot and pressed frames of 16 x 16, the checked
// row above the unchecked one.
constexpr std::uint32_t kChecked[3] = {0x10A010, 0x20B020, 0x30C030};
constexpr std::uint32_t kUnchecked[3] = {0xA01010, 0xB02020, 0xC03030};
constexpr std::uint32_t kGroupFace = 0x0000C0; // GROUPBOX COLOR=12582912 (0x00BBGGRR)
constexpr std::uint32_t kBoxFace = 0xFFFFFF;

std::vector<std::uint8_t> MasterPicture()
{
    std::vector<std::uint32_t> pixels(48 * 32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 48; ++x)
            pixels[static_cast<std::size_t>(y * 48 + x)] = (y < 16 ? kChecked : kUnchecked)[x / 16];
    return test::MakeBmp24(48, 32, pixels);
}

const std::string kOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=8421504\r\nFONTCOLOR=3355443\r\n"
                             "MASTERBITMAP=MASTER.BMP\r\n"
                             "RADIOCHECKED=@0000@0000@0048@0016@3@0\r\nRADIOUNCHECKED=@0000@0016@0048@0032@3@0\r\n"
                             "[GROUPBOX]\r\nSTATES=1\r\nCOLOR=12582912\r\nFONTCOLOR=65535\r\n"
                             "[RADIOBUTTON]\r\nSTATES=2\r\nCOLOR=0\r\nTRANSPARENCY=100\r\nHOTTRANSPARENCY=100\r\n"
                             "FONTCOLOR=16777215\r\nHOTFONTCOLOR=65280\r\n"
                             "[WHITE]\r\nCOLOR=16777215\r\nFONTCOLOR=4210752\r\nGIVEOWNFONT=1\r\n"
                             "[KEYED]\r\nCOLOR=16711935\r\n";

class SkinnedGroupControls : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
    std::vector<test::PackageMember> Pictures() const override { return {{"MASTER.BMP", MasterPicture()}}; }
    void Pump() { RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
    static std::uint32_t CachePixel(const TsCommonData& data, int x, int y)
    {
        return data.CacheBitmap.View().At(x, y) & 0xFFFFFF;
    }
    // The colour at the middle of the button's check picture on its cache.
    static std::uint32_t CheckColour(const TsRadioButton& button)
    {
        const PixelRect glyph = button.GlyphRect();
        return CachePixel(button.SkinData, glyph.Left + glyph.Width() / 2, glyph.Top + glyph.Height() / 2);
    }
    static int ScreenTextHeight()
    {
        HDC screen = GetDC(nullptr);
        HGDIOBJ old = SelectObject(screen, ui::DefaultFont());
        TEXTMETRICW metrics{};
        GetTextMetricsW(screen, &metrics);
        SelectObject(screen, old);
        ReleaseDC(nullptr, screen);
        return metrics.tmHeight;
    }
};

// A bold face drawn without smoothing, so text pixels have exactly the text colour.
struct SharpFont {
    HFONT font =
        CreateFontW(-13, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, NONANTIALIASED_QUALITY, 0, L"Arial");
    SharpFont() = default;
    SharpFont(const SharpFont&) = delete;
    SharpFont& operator=(const SharpFont&) = delete;
    ~SharpFont() { DeleteObject(font); }
};

const std::vector<std::wstring> kItems{L"First", L"Second", L"Third"};

TEST_F(SkinnedGroupControls, TheButtonsShareTheGroupsFaceUnderTheCaptionLine)
{
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 280, 137), kItems);
    Apply();
    ASSERT_EQ(group.Count(), 3);
    const int h = ScreenTextHeight();
    const int free = 137 - h - 5;
    for (int i = 0; i < 3; ++i) {
        const PixelRect bounds = group.Button(i).WindowBounds();
        EXPECT_TRUE(group.Button(i).Visible());
        EXPECT_EQ(bounds.Left, 8);
        EXPECT_EQ(bounds.Width(), 270);
        EXPECT_EQ(bounds.Height(), free / 3);
        EXPECT_EQ(bounds.Top, (free % 3) / 2 + h + 1 + i * (free / 3));
        EXPECT_EQ(group.Button(i).Text(), kItems[static_cast<std::size_t>(i)]);
    }
    group.SetColumns(0);
    EXPECT_EQ(group.Columns(), 1);
    group.SetColumns(20);
    EXPECT_EQ(group.Columns(), 16);
    group.SetColumns(2);
    EXPECT_EQ(group.Button(2).WindowBounds().Left, 8 + 135) << "the third item opens the second column";
}

TEST_F(SkinnedGroupControls, ItemIndexChecksOneButtonAndIsKeptToTheItems)
{
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 280, 137), kItems, 1);
    Apply();
    EXPECT_EQ(group.ItemIndex(), 1) << "the starting selection";
    EXPECT_TRUE(group.Button(1).Checked());
    group.SetItemIndex(5);
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE(group.Button(2).Checked());
    EXPECT_FALSE(group.Button(1).Checked());
    group.SetItemIndex(-7);
    EXPECT_EQ(group.ItemIndex(), -1);
    for (int i = 0; i < 3; ++i)
        EXPECT_FALSE(group.Button(i).Checked()) << i;
    group.SetItemIndex(0);
    group.SetItems({L"Only"});
    EXPECT_EQ(group.Count(), 1);
    group.SetItemIndex(3);
    EXPECT_EQ(group.ItemIndex(), 0);
}

TEST_F(SkinnedGroupControls, EachStateShowsItsFrameOfTheSkinsCheckPicture)
{
    ui::PushButton elsewhere(*m_form, BoundsRect(200, 170, 60, 25), L"x"); // holds the focus
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 180, 137), kItems, 0);
    Apply();
    SetFocus(elsewhere.Handle());
    Pump();
    EXPECT_EQ(CheckColour(group.Button(0)), kChecked[0]);
    EXPECT_EQ(CheckColour(group.Button(1)), kUnchecked[0]);
    EXPECT_EQ(group.Button(1).GlyphRect(), BoundsRect(2, (group.Button(1).WindowBounds().Height() - 16) / 2, 16, 16));
    // Away from picture and caption the see-through button shows the group's face.
    const PixelRect bounds = group.Button(1).WindowBounds();
    EXPECT_EQ(CachePixel(group.Button(1).SkinData, bounds.Width() - 2, 1), kGroupFace);

    SendMessageW(group.Button(1).Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_TRUE(group.Button(1).SkinData.MouseInside);
    EXPECT_EQ(CheckColour(group.Button(1)), kUnchecked[1]) << "hot";
    SendMessageW(group.Button(1).Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_TRUE(group.Button(1).Pressing());
    EXPECT_EQ(CheckColour(group.Button(1)), kUnchecked[2]) << "pressed";
    SendMessageW(group.Button(1).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(group.Button(1).Pressing());
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(CheckColour(group.Button(1)), kChecked[1]) << "checked, still hot";
    EXPECT_EQ(CheckColour(group.Button(0)), kUnchecked[0]) << "the old selection let go";
}

TEST_F(SkinnedGroupControls, AnOwnGlyphOfThreeFramesFollowsTheState)
{
    ui::PushButton elsewhere(*m_form, BoundsRect(200, 170, 60, 25), L"x");
    TsRadioButton button(*m_form, BoundsRect(10, 10, 120, 24), L"Own");
    const std::uint32_t frames[3] = {0xFF112233, 0xFF445566, 0xFF778899};
    button.GlyphUnChecked = Bitmap32(48, 16);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 48; ++x)
            button.GlyphUnChecked.SetPixel(x, y, frames[x / 16]);
    Apply();
    SetFocus(elsewhere.Handle());
    Pump();
    EXPECT_EQ(button.GlyphRect().Width(), 16);
    EXPECT_EQ(CheckColour(button), frames[0] & 0xFFFFFF);
    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(CheckColour(button), frames[1] & 0xFFFFFF);
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    EXPECT_EQ(CheckColour(button), frames[2] & 0xFFFFFF);
}

TEST_F(SkinnedGroupControls, ARefusingOnChangingKeepsTheButtonUncheckedOnClickSpaceAndMouseUp)
{
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 280, 137), kItems, 0);
    int asked = 0;
    int lastAsked = -2;
    bool allow = false;
    group.OnChanging = [&](TsRadioGroup&, int index, bool& allowChange) {
        ++asked;
        lastAsked = index;
        allowChange = allow;
    };
    int changes = 0;
    group.on_change = [&] { ++changes; };
    Apply();
    const HWND second = group.Button(1).Handle();
    SendMessageW(second, BM_CLICK, 0, 0);
    EXPECT_FALSE(group.Button(1).Checked()) << "click";
    SendMessageW(second, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(second, WM_KEYUP, VK_SPACE, 0);
    EXPECT_FALSE(group.Button(1).Checked()) << "space";
    SendMessageW(second, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(second, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_FALSE(group.Button(1).Checked()) << "mouse-up";
    EXPECT_EQ(group.ItemIndex(), 0);
    EXPECT_TRUE(group.Button(0).Checked());
    EXPECT_GE(asked, 3);
    EXPECT_EQ(lastAsked, 1);
    EXPECT_EQ(changes, 0);

    allow = true;
    SendMessageW(second, WM_KEYDOWN, VK_SPACE, 0);
    SendMessageW(second, WM_KEYUP, VK_SPACE, 0);
    EXPECT_TRUE(group.Button(1).Checked());
    EXPECT_FALSE(group.Button(0).Checked());
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_EQ(changes, 1);
}

TEST_F(SkinnedGroupControls, AClickReportedWhileTheButtonAsksIsNoClickOfItsOwn)
{
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 280, 137), kItems, 0);
    int asked = 0;
    group.OnChanging = [&](TsRadioGroup& sender, int index, bool& allowChange) {
        ++asked;
        // The platform's report of a click arrives while the answer is being made.
        const HWND button = sender.Button(index).Handle();
        SendMessageW(sender.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                     reinterpret_cast<LPARAM>(button));
        allowChange = false;
    };
    Apply();
    SendMessageW(group.Button(1).Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(group.Button(1).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(group.Button(1).Checked());
    EXPECT_EQ(group.ItemIndex(), 0);
}

TEST_F(SkinnedGroupControls, UnskinnedThePlatformsClickStillAsksTheGroup)
{
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 280, 137), kItems, 0);
    bool allow = false;
    group.OnChanging = [&](TsRadioGroup&, int, bool& allowChange) { allowChange = allow; };
    Apply();
    m_manager->SetActive(false);
    SendMessageW(group.Button(2).Handle(), BM_CLICK, 0, 0);
    EXPECT_FALSE(group.Button(2).Checked());
    EXPECT_EQ(group.ItemIndex(), 0);
    allow = true;
    SendMessageW(group.Button(2).Handle(), BM_CLICK, 0, 0);
    EXPECT_TRUE(group.Button(2).Checked());
    EXPECT_EQ(group.ItemIndex(), 2);
}

TEST_F(SkinnedGroupControls, ArrowKeysMoveTheSelectionAndTabLeavesTheGroup)
{
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 280, 137), kItems, 0);
    ui::PushButton next(*m_form, BoundsRect(200, 170, 60, 25), L"Next");
    Apply();
    SetFocus(group.Button(0).Handle());
    const auto key = [&](WPARAM vk) {
        MSG msg{GetFocus(), WM_KEYDOWN, vk, 0, 0, {}};
        return IsDialogMessageW(m_form->Handle(), &msg) != FALSE;
    };
    ASSERT_TRUE(key(VK_DOWN));
    EXPECT_EQ(GetFocus(), group.Button(1).Handle());
    EXPECT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(group.Button(1).Checked());
    ASSERT_TRUE(key(VK_DOWN));
    ASSERT_TRUE(key(VK_DOWN));
    EXPECT_EQ(group.ItemIndex(), 0) << "the selection wraps round";
    ASSERT_TRUE(key(VK_UP));
    EXPECT_EQ(group.ItemIndex(), 2);
    EXPECT_TRUE((GetWindowLongW(group.Button(2).Handle(), GWL_STYLE) & WS_TABSTOP) != 0);
    EXPECT_FALSE((GetWindowLongW(group.Button(0).Handle(), GWL_STYLE) & WS_TABSTOP) != 0);
    ASSERT_TRUE(key(VK_TAB));
    EXPECT_EQ(GetFocus(), next.Handle());
    ASSERT_TRUE(key(VK_TAB));
    EXPECT_EQ(GetFocus(), group.Button(2).Handle()) << "Tab comes back to the checked button";
}

TEST_F(SkinnedGroupControls, AFocusedButtonShowsTheDottedFrameAroundItsCaption)
{
    ui::PushButton elsewhere(*m_form, BoundsRect(200, 170, 60, 25), L"x");
    TsRadioGroup group(*m_form, BoundsRect(8, 15, 180, 137), kItems, 0);
    Apply();
    // Nothing of the face, the pictures or the caption is black: only the frame's dots are.
    const auto blackPixels = [&] {
        const BitmapView face = group.Button(0).SkinData.CacheBitmap.View();
        int count = 0;
        for (int y = 0; y < face.Height; ++y)
            for (int x = 0; x < face.Width; ++x)
                count += (face.At(x, y) & 0xFFFFFF) == 0 ? 1 : 0;
        return count;
    };
    SetFocus(elsewhere.Handle());
    Pump();
    EXPECT_EQ(blackPixels(), 0) << "no frame without the focus";
    SetFocus(group.Button(0).Handle());
    Pump();
    EXPECT_GE(blackPixels(), 8) << "the dotted frame";
    group.Button(0).ShowFocus = false;
    group.Button(0).ShowChange(aeMouseEnter);
    EXPECT_EQ(blackPixels(), 0) << "ShowFocus off";
}

TEST_F(SkinnedGroupControls, TheStripAboveTheFrameShowsWhatLiesBehindTheBox)
{
    TsGroupBox box(*m_form, BoundsRect(10, 10, 200, 120), L"Caption");
    box.SetCaptionLayout(TsGroupCaptionLayout::clTopCenter);
    SharpFont sharp;
    box.SetFont(sharp.font);
    Apply();
    Pump();
    ASSERT_FALSE(box.SkinData.CacheBitmap.Empty());
    const PixelRect strip = box.CaptionRect();
    const std::uint32_t behindRgb = ColorToPixel(GetSysColor(COLOR_BTNFACE) & 0xFFFFFF) & 0xFFFFFF;
    EXPECT_EQ(strip.Left, (200 - (strip.Width() - 8) - 10) / 2);
    EXPECT_EQ(CachePixel(box.SkinData, 1, 0), behindRgb) << "above the frame";
    EXPECT_EQ(CachePixel(box.SkinData, 1, strip.Height() / 2 + 1), kGroupFace) << "the frame starts mid-strip";
    EXPECT_EQ(CachePixel(box.SkinData, 100, 100), kGroupFace);
    // The caption strip shows the parent, the caption in the box's font colour over it.
    std::set<std::uint32_t> inStrip;
    for (int y = strip.Top; y < strip.Bottom; ++y)
        for (int x = strip.Left; x < strip.Right; ++x)
            inStrip.insert(CachePixel(box.SkinData, x, y));
    EXPECT_TRUE(inStrip.count(behindRgb));
    EXPECT_FALSE(inStrip.count(kGroupFace));
    EXPECT_TRUE(inStrip.count(0xFFFF00)) << "FONTCOLOR 65535 is yellow";
}

TEST_F(SkinnedGroupControls, ACaptionSectionLiesUnderTheCaptionAndChildrenSeeTheBoxsCache)
{
    TsGroupBox box(*m_form, BoundsRect(10, 10, 200, 120), L"Caption");
    box.SetCaptionSkin(u"WHITE");
    Apply();
    Pump();
    const PixelRect strip = box.CaptionRect();
    EXPECT_EQ(CachePixel(box.SkinData, strip.Left + 1, strip.Top + 1), kBoxFace);
    const BackgroundRequest withCaptionSkin = Ask(box);
    EXPECT_EQ(withCaptionSkin.AnswerKind, kAnswerBitmap);
    EXPECT_TRUE(withCaptionSkin.Bitmap.SameAs(box.SkinData.CacheBitmap.View()));

    box.SetCaptionSkin(u"NO SUCH SECTION");
    Pump();
    EXPECT_EQ(CachePixel(box.SkinData, strip.Left + 1, strip.Top + 1),
              ColorToPixel(GetSysColor(COLOR_BTNFACE) & 0xFFFFFF) & 0xFFFFFF)
        << "nothing under the caption: what lies behind";
    box.SetCaptionSkin(u"");
    EXPECT_EQ(Ask(box).AnswerKind, kAnswerColour) << "an opaque flat box answers with its colour";
}

TEST_F(SkinnedGroupControls, WindowlessChildrenArePaintedOverTheFaceInOnePass)
{
    TsGroupBox box(*m_form, BoundsRect(10, 10, 200, 120));
    TsLabel label(box, 20, 40, L"Label text");
    label.UseSkinColor = false;
    label.SetFontColor(RGB(0, 0, 255));
    SharpFont sharp;
    label.SetFont(sharp.font);
    Apply();
    Pump();
    win32::DibSection target(200, 120);
    ASSERT_FALSE(target.Empty());
    box.PaintGroupBox(target.Dc());
    GdiFlush();
    const BitmapView view = target.View();
    EXPECT_EQ(view.At(150, 100) & 0xFFFFFF, kGroupFace) << "the face around the label";
    const PixelRect place = label.ControlBounds();
    std::set<std::uint32_t> inLabel;
    for (int y = place.Top; y < place.Bottom; ++y)
        for (int x = place.Left; x < place.Right; ++x)
            inLabel.insert(view.At(x, y) & 0xFFFFFF);
    EXPECT_TRUE(inLabel.count(kGroupFace)) << "the label is see-through";
    EXPECT_TRUE(inLabel.count(0x0000FF)) << "its blue text";
}

TEST_F(SkinnedGroupControls, AChildOnTheTransparentKeyIsLeftOutAndAnEmptyClipMarksTheBoxClipped)
{
    TsGroupBox box(*m_form, BoundsRect(10, 10, 200, 120));
    box.SkinData.SetSkinSection(u"KEYED");
    TsLabel label(box, 20, 40, L"Keyed");
    Apply();
    Pump();
    win32::DibSection target(200, 120);
    const RECT all{0, 0, 200, 120};
    HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
    FillRect(target.Dc(), &all, green);
    DeleteObject(green);
    box.PaintGroupBox(target.Dc());
    GdiFlush();
    const PixelRect place = label.ControlBounds();
    EXPECT_EQ(target.View().At(150, 100) & 0xFFFFFF, 0xFF00FFu) << "the face around the label";
    EXPECT_EQ(target.View().At(place.Left, place.Top) & 0xFFFFFF, 0x00FF00u)
        << "neither the face nor the child is copied where the child stands on the key";

    box.SkinData.Clipped = false;
    HRGN nothing = CreateRectRgn(0, 0, 0, 0);
    SelectClipRgn(target.Dc(), nothing);
    DeleteObject(nothing);
    PaintWindowlessChildren(target.Dc(), box, {0, 0});
    EXPECT_TRUE(box.SkinData.Clipped);
}

TEST_F(SkinnedGroupControls, ADisabledLabelMixesBlackTextWithTheWhiteItsParentGivesItsChildren)
{
    test::SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 200, 100), u"WHITE");
    TsLabel label(box, 10, 10, L"Disabled");
    label.UseSkinColor = false;
    label.SetFontColor(RGB(0, 0, 0));
    SharpFont sharp;
    label.SetFont(sharp.font);
    label.SetEnabled(false);
    Apply();
    EXPECT_EQ(label.TextColour(), 0x999999u);
    win32::DibSection target(200, 100);
    const RECT all{0, 0, 200, 100};
    FillRect(target.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    label.Paint(target.Dc());
    GdiFlush();
    std::set<std::uint32_t> colours;
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 200; ++x)
            colours.insert(target.View().At(x, y) & 0xFFFFFF);
    EXPECT_EQ(colours, (std::set<std::uint32_t>{0xFFFFFF, 0x999999}));
    label.SetEnabled(true);
    EXPECT_EQ(label.TextColour(), 0x000000u);
}

TEST_F(SkinnedGroupControls, ALabelTakesTheFontColourOfTheSectionItsParentGivesItsFontWith)
{
    test::SkinnedBox& box = Box(*m_form, BoundsRect(10, 10, 200, 100), u"WHITE");
    TsLabel onBox(box, 10, 10, L"On the box");
    TsLabel onForm(*m_form, 10, 150, L"On the form");
    TsLabel own(*m_form, 100, 150, L"Own colour");
    own.UseSkinColor = false;
    own.SetFontColor(RGB(205, 213, 222));
    Apply();
    Pump();
    EXPECT_EQ(onBox.SkinFontColour(), std::optional<COLORREF>(4210752));
    win32::DibSection target(300, 200);
    onBox.Paint(target.Dc());
    onForm.Paint(target.Dc());
    own.Paint(target.Dc());
    EXPECT_EQ(onBox.FontColor(), 4210752u) << "the box's section gives its own font";
    EXPECT_EQ(onForm.FontColor(), 3355443u) << "the skin's global font colour";
    EXPECT_EQ(own.FontColor(), RGB(205, 213, 222));
    m_manager->SetActive(false);
    EXPECT_EQ(onForm.FontColor(), GetSysColor(COLOR_WINDOWTEXT)) << "no skin: the window text colour";
    EXPECT_EQ(own.FontColor(), RGB(205, 213, 222)) << "a label that never took the skin's colour keeps its own";
}

TEST_F(SkinnedGroupControls, FewerItemsLeaveTheSelectionOnACheckedButton)
{
    TsRadioGroup group(*m_form, BoundsRect(10, 10, 200, 100), kItems, 2);
    Apply();
    group.SetItems({L"First", L"Second"});
    ASSERT_EQ(group.ItemIndex(), 1);
    EXPECT_TRUE(group.Button(1).Checked()) << "the selection names a button that is not checked";
    group.SetItemIndex(0);
    EXPECT_TRUE(group.Button(0).Checked());
    EXPECT_FALSE(group.Button(1).Checked());
}

// Records what the box's skin data knew when a child of it first heard of a new skin.
class SetSkinSpy : public ui::MessageHook, public SkinTarget {
public:
    SetSkinSpy(ui::Component& child, const TsGroupBox& box) : m_box(box) { Attach(child); }
    int BoxSectionSeen = -2;

    void SkinChanged(SkinChange change, const SkinManagerCore*, const std::function<void()>& rest) override
    {
        if (change == SkinChange::Set && BoxSectionSeen == -2)
            BoxSectionSeen = m_box.SkinData.SectionIndex;
        rest();
    }

protected:
    bool OnMessage(ui::Message&) override { return false; }

private:
    const TsGroupBox& m_box;
};

TEST_F(SkinnedGroupControls, ChildrenTakeANewSkinBeforeTheirGroupBox)
{
    TsGroupBox box(*m_form, BoundsRect(10, 10, 200, 100), L"Box");
    ui::PushButton child(box, BoundsRect(10, 30, 60, 20), L"A");
    SetSkinSpy spy(child, box);
    // A mark no section index has: the box's skin data replaces it when it takes the skin.
    constexpr int kNotYet = -5;
    box.SkinData.SectionIndex = kNotYet;
    Apply();
    EXPECT_EQ(spy.BoxSectionSeen, kNotYet) << "the box took the new skin before its children heard";
    EXPECT_GE(box.SkinData.SectionIndex, 0);
}

TEST_F(SkinnedGroupControls, ABoxIsUpdatingWhileItsFaceIsStaleOrItsParentIsUpdating)
{
    TsGroupBox outer(*m_form, BoundsRect(10, 10, 250, 150), L"Outer");
    TsGroupBox inner(outer, BoundsRect(10, 30, 200, 100), L"Inner");
    Apply();
    Pump();
    const auto updating = [](const TsGroupBox& box) {
        return SendMessageW(box.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_ISUPDATING), 0);
    };
    outer.SkinData.CacheStale = false;
    outer.SkinData.PaintSuspended = false;
    inner.SkinData.CacheStale = false;
    inner.SkinData.PaintSuspended = false;
    EXPECT_EQ(updating(inner), 0);
    outer.SkinData.CacheStale = true;
    EXPECT_EQ(updating(outer), 1);
    EXPECT_EQ(updating(inner), 1) << "a box whose parent is updating must hold its paint back";
    outer.SkinData.CacheStale = false;
    outer.SkinData.PaintSuspended = false;
    inner.SkinData.PaintSuspended = false;
    inner.SkinData.CacheStale = true;
    EXPECT_EQ(updating(inner), 1);
}

TEST_F(SkinnedGroupControls, AnUnskinnedPrintLeavesTheCallersContextAsItFoundIt)
{
    TsGroupBox box(*m_form, BoundsRect(10, 10, 200, 100), L"Box");
    Apply();
    m_manager->SetActive(false);
    ASSERT_FALSE(box.SkinData.IsSkinned(true));
    win32::DibSection target(200, 100);
    const HDC dc = target.Dc();
    SetTextColor(dc, RGB(1, 2, 3));
    SetBkColor(dc, RGB(4, 5, 6));
    SetBkMode(dc, TRANSPARENT);
    const HGDIOBJ font = GetCurrentObject(dc, OBJ_FONT);
    SendMessageW(box.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    EXPECT_EQ(GetTextColor(dc), RGB(1, 2, 3));
    EXPECT_EQ(GetBkColor(dc), RGB(4, 5, 6));
    EXPECT_EQ(GetBkMode(dc), TRANSPARENT);
    EXPECT_EQ(GetCurrentObject(dc, OBJ_FONT), font);
}

TEST_F(SkinnedGroupControls, NoFontIsLeftInTheCachesOfTheBoxAndTheButtons)
{
    TsRadioGroup group(*m_form, BoundsRect(10, 10, 200, 100), kItems, 0);
    Apply();
    Pump();
    const HGDIOBJ buttonFont = group.Button(0).Font() ? group.Button(0).Font() : ui::DefaultFont();
    ASSERT_FALSE(group.Button(0).SkinData.CacheBitmap.Empty());
    EXPECT_NE(GetCurrentObject(group.Button(0).SkinData.CacheBitmap.Dc(), OBJ_FONT), buttonFont);
    const HGDIOBJ boxFont = group.Font() ? group.Font() : ui::DefaultFont();
    EXPECT_NE(GetCurrentObject(group.SkinData.CacheBitmap.Dc(), OBJ_FONT), boxFont);
}

} // namespace
} // namespace korvane
