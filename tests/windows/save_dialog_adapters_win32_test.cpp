// The save dialog's list view, tool bar and size grip adapters on real windows of a skinned form:
// the column header painted from COLHEADER with its pressed and hot columns, the list scrolled by
// the skinned thumb, the tool bar's buttons, separator and disabled face, and the skin's grip.
#include "support/pump_messages.h"
#include "support/skinned_form_fixture_win32.h"
#include "win32/dib_section.h"
#include "windows/adapter_factory_win32.h"
#include "windows/list_view_wnd_win32.h"
#include "windows/sizer_wnd_win32.h"
#include "windows/tool_bar_wnd_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

namespace korvane {
namespace {

// Pixels as the bitmaps hold them, 0x00RRGGBB. Each face is one frame colour of the master
// picture, so a pixel tells which state a face was painted in.
constexpr std::uint32_t kHeaderFrames[3] = {0x102030, 0x405060, 0x708090};
constexpr std::uint32_t kButtonFrames[3] = {0x204080, 0x2080C0, 0x80C020};
constexpr std::uint32_t kDivider = 0xC02080;
constexpr std::uint32_t kGrip = 0x30C0C0;
constexpr std::uint32_t kBar = 0x404040; // grey: the same in either byte order

// 30 x 30: header frames in rows 0-9, tool-button frames in rows 10-19, the divider and the grip
// in rows 20-29.
std::uint32_t MasterPixel(std::size_t x, std::size_t y)
{
    if (y < 10)
        return kHeaderFrames[x / 10];
    if (y < 20)
        return kButtonFrames[x / 10];
    return x < 10 ? kDivider : (x < 20 ? kGrip : 0);
}

std::vector<std::uint8_t> MasterPicture()
{
    std::vector<std::uint32_t> pixels(30 * 30);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = MasterPixel(i % 30, i / 30);
    return test::MakeBmp24(30, 30, pixels);
}

const std::string kOptions =
    "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=8421504\r\nMASTERBITMAP=MASTER.BMP\r\nGRIPIMAGE=@0010@0020@0020@0030@1@0\r\n"
    "[EDIT]\r\nSTATES=3\r\nCOLOR=8388608\r\nTRANSPARENCY=0\r\n"
    "[COLHEADER]\r\nSTATES=3\r\nFONTCOLOR=16777215\r\nHOTFONTCOLOR=16777215\r\n"
    "BORDERSMASK=^0000^0000^0030^0010^0003^0003^0003^0003^3^0^4^0\r\n"
    "[TOOLBUTTON]\r\nSTATES=3\r\nFONTCOLOR=16777215\r\nHOTFONTCOLOR=16777215\r\n"
    "BORDERSMASK=^0000^0010^0030^0020^0003^0003^0003^0003^3^0^4^0\r\n"
    "[DIVIDER]\r\nSTATES=1\r\nBORDERSMASK=^0000^0020^0010^0030^0003^0003^0003^0003^1^0^4^0\r\n"
    "[BAR]\r\nSTATES=1\r\nCOLOR=4210752\r\nTRANSPARENCY=0\r\n";

std::uint32_t At(const win32::DibSection& picture, int x, int y)
{
    return picture.View().At(x, y) & 0xFFFFFF;
}

// The smallest rectangle around the pixels of `area` that differ from `face`.
PixelRect InkBox(const win32::DibSection& picture, const PixelRect& area, std::uint32_t face)
{
    PixelRect box{INT_MAX, INT_MAX, INT_MIN, INT_MIN};
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (At(picture, x, y) != face) {
                box.Left = std::min(box.Left, x);
                box.Top = std::min(box.Top, y);
                box.Right = std::max(box.Right, x + 1);
                box.Bottom = std::max(box.Bottom, y + 1);
            }
    return box;
}

class SaveDialogAdapters : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
    std::vector<test::PackageMember> Pictures() const override { return {{"MASTER.BMP", MasterPicture()}}; }
    void SetUp() override
    {
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
        SkinnedFormTest::SetUp();
        // Nothing is hot under a cursor far from the form.
        SetCursorPos(0, 0);
    }
    void TearDown() override
    {
        m_adapters.clear();
        for (HWND window : m_windows)
            if (IsWindow(window))
                DestroyWindow(window);
        SkinnedFormTest::TearDown();
    }
    HWND Child(const wchar_t* className, DWORD style, const PixelRect& bounds)
    {
        HWND window =
            CreateWindowExW(0, className, L"", WS_CHILD | WS_VISIBLE | style, bounds.Left, bounds.Top, bounds.Width(),
                            bounds.Height(), m_form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        m_windows.push_back(window);
        return window;
    }
    // The adapter the dialog table gives the window, made as a dialog's walk makes it.
    template <class Adapter>
    Adapter& Adapt(HWND window, bool dialogChild = false)
    {
        wchar_t name[64] = {};
        GetClassNameW(window, name, 64);
        const DialogChildChoice choice =
            ChooseDialogChildAdapter(std::u16string(name, name + lstrlenW(name)),
                                     static_cast<std::uint32_t>(GetWindowLongW(window, GWL_STYLE)), 0, true);
        m_adapters.push_back(MakeAdapter(choice.Kind, window, choice.Section, m_manager.get(), dialogChild));
        auto* adapter = dynamic_cast<Adapter*>(m_adapters.back().get());
        EXPECT_NE(adapter, nullptr);
        return *adapter;
    }
    HWND DetailsList()
    {
        HWND list = Child(WC_LISTVIEWW, LVS_REPORT, BoundsRect(0, 0, 300, 150));
        const wchar_t* titles[3] = {L"Name", L"Size", L"Type"};
        for (int i = 0; i < 3; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = 100 - 20 * i;
            column.pszText = const_cast<wchar_t*>(titles[i]);
            SendMessageW(list, LVM_INSERTCOLUMNW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&column));
        }
        return list;
    }
    // The header as its WM_PRINTCLIENT paints it.
    static void PrintHeader(HWND header, win32::DibSection& picture)
    {
        RECT client{};
        GetClientRect(header, &client);
        picture.Resize(client.right, client.bottom);
        SendMessageW(header, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);
    }

    std::vector<AdapterPtr<>> m_adapters;
    std::vector<HWND> m_windows;
};

TEST_F(SaveDialogAdapters, ThreeColumnsInA300PixelHeaderPaintFourColumnHeaderFaces)
{
    Apply();
    HWND list = DetailsList();
    auto& adapter = Adapt<TacListViewWnd>(list, true);
    ASSERT_NE(adapter.HeaderWindow(), nullptr) << "the list's header is subclassed";
    EXPECT_EQ(adapter.ViewMode(), ListViewMode::Details);
    win32::DibSection header;
    PrintHeader(adapter.HeaderWindow(), header);
    ASSERT_EQ(header.Width(), 300);
    ASSERT_GT(header.Height(), 8);
    EXPECT_GT(adapter.HeaderLineHeight, 8);
    for (int x : {1, 101, 181, 241, 298})
        EXPECT_EQ(At(header, x, 1), kHeaderFrames[0]) << "the face at " << x;
    // The three captions on their faces; the empty face right of the last column has none.
    EXPECT_LT(InkBox(header, {100, 0, 180, header.Height()}, kHeaderFrames[0]).Left, 180);
    EXPECT_EQ(InkBox(header, {240, 0, 300, header.Height()}, kHeaderFrames[0]).Left, INT_MAX);
    // Printing the list paints its header too.
    win32::DibSection printed(300, 150);
    SendMessageW(list, WM_PRINT, reinterpret_cast<WPARAM>(printed.Dc()), PRF_CLIENT | PRF_NONCLIENT | PRF_ERASEBKGND);
    EXPECT_EQ(At(printed, 101, 1), kHeaderFrames[0]);
    EXPECT_EQ(At(printed, 298, header.Height() - 2), kHeaderFrames[0]);
}

// Another subclasser of a header, over the adapter's thunk: it passes every message on.
WNDPROC g_underPasser = nullptr;
LRESULT CALLBACK PassingHeaderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_underPasser, window, message, wParam, lParam);
}

TEST_F(SaveDialogAdapters, AHeaderThunkLeftUnderAnotherSubclasserServesTheNextAdapterWithoutASecondThunk)
{
    Apply();
    HWND list = DetailsList();
    const HWND header = Adapt<TacListViewWnd>(list).HeaderWindow();
    ASSERT_NE(header, nullptr);
    g_underPasser = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&PassingHeaderProc)));
    m_adapters.clear(); // its thunk stays under the other subclasser

    auto& next = Adapt<TacListViewWnd>(list);
    ASSERT_EQ(next.HeaderWindow(), header);
    EXPECT_EQ(GetWindowLongPtrW(header, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&PassingHeaderProc))
        << "a second thunk over the other subclasser would reach the adapter again below it";
    win32::DibSection printed;
    PrintHeader(header, printed);
    ASSERT_GT(printed.Height(), 2);
    EXPECT_EQ(At(printed, 101, 1), kHeaderFrames[0]) << "the next adapter paints the header";
    SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_underPasser));
}

TEST_F(SaveDialogAdapters, APressedColumnShowsItsPressedFaceWithTheTextMovedByOnePixelAndADividerPressesNothing)
{
    Apply();
    HWND list = DetailsList();
    auto& adapter = Adapt<TacListViewWnd>(list);
    HWND headerWindow = adapter.HeaderWindow();
    ASSERT_NE(headerWindow, nullptr);
    // Not a dialog's child: the list takes its section's colour once it paints.
    test::PumpMessages(3, 20);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETBKCOLOR, 0, 0)), 0x800000u);
    EXPECT_EQ(static_cast<COLORREF>(SendMessageW(list, LVM_GETTEXTBKCOLOR, 0, 0)), 0x800000u);
    win32::DibSection before;
    PrintHeader(headerWindow, before);
    const PixelRect column{100, 0, 180, before.Height()};
    const PixelRect normalInk = InkBox(before, column, kHeaderFrames[0]);
    ASSERT_LT(normalInk.Left, normalInk.Right);

    SendMessageW(headerWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(140, before.Height() / 2));
    EXPECT_EQ(adapter.PressedColumn, 1);
    win32::DibSection pressed;
    PrintHeader(headerWindow, pressed);
    EXPECT_EQ(At(pressed, 101, 1), kHeaderFrames[2]);
    EXPECT_EQ(At(pressed, 1, 1), kHeaderFrames[0]) << "the other columns stay normal";
    const PixelRect pressedInk = InkBox(pressed, column, kHeaderFrames[2]);
    EXPECT_EQ(pressedInk, normalInk.Offset(1, 1));
    SendMessageW(headerWindow, WM_LBUTTONUP, 0, MAKELPARAM(140, before.Height() / 2));
    EXPECT_EQ(adapter.PressedColumn, -1);

    SendMessageW(headerWindow, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, before.Height() / 2));
    EXPECT_EQ(adapter.PressedColumn, -1) << "a press on the divider";
    SendMessageW(headerWindow, WM_LBUTTONUP, 0, MAKELPARAM(100, before.Height() / 2));

    // The column under the cursor is hot until the cursor is over the list again.
    POINT over{200, 3};
    ClientToScreen(headerWindow, &over);
    SendMessageW(headerWindow, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y));
    EXPECT_EQ(adapter.HotColumn, 2);
    win32::DibSection hot;
    PrintHeader(headerWindow, hot);
    EXPECT_EQ(At(hot, 181, 1), kHeaderFrames[1]);
    EXPECT_EQ(At(hot, 241, 1), kHeaderFrames[0]) << "the empty face is never hot";
    SendMessageW(list, WM_NCHITTEST, 0, MAKELPARAM(over.x, over.y + 60));
    EXPECT_EQ(adapter.HotColumn, -1);
}

TEST_F(SaveDialogAdapters, TheSkinnedThumbScrollsADetailsListByWholeLines)
{
    Apply();
    HWND list = DetailsList();
    for (int i = 0; i < 100; ++i) {
        const std::wstring text = L"File " + std::to_wstring(i);
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = i;
        item.pszText = const_cast<wchar_t*>(text.c_str());
        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    }
    auto& adapter = Adapt<TacListViewWnd>(list);
    test::PumpMessages(3, 20);
    adapter.RefreshBars(false);
    ASSERT_TRUE(adapter.VertBar.Shown);
    EXPECT_EQ(SendMessageW(list, SKM_COMMAND, EngineCommandWParam(SKC_BEFORESCROLL), 0), 1);
    TacScrollWnd::SendScroll(list, WM_VSCROLL, SB_THUMBTRACK, 10);
    EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 10);
    TacScrollWnd::SendScroll(list, WM_VSCROLL, SB_THUMBTRACK, 4);
    EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 4);
    TacScrollWnd::SendScroll(list, WM_VSCROLL, SB_THUMBPOSITION, 4);
    TacScrollWnd::SendScroll(list, WM_VSCROLL, SB_ENDSCROLL, 4);
    EXPECT_EQ(SendMessageW(list, LVM_GETTOPINDEX, 0, 0), 4);
}

TEST_F(SaveDialogAdapters, TheToolBarShowsItsSeparatorStripItsDisabledButtonFadedAndALongCaptionOnTwoLines)
{
    Apply();
    HWND bar = Child(TOOLBARCLASSNAMEW, CCS_NORESIZE | CCS_NODIVIDER | CCS_NOPARENTALIGN | TBSTYLE_WRAPABLE,
                     BoundsRect(0, 100, 290, 50));
    SendMessageW(bar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    const wchar_t* captions[3] = {L"Go", L"Off", L"A caption far too long"};
    TBBUTTON buttons[4]{};
    buttons[0] = {I_IMAGENONE, 1, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(captions[0])};
    buttons[1] = {8, 0, TBSTATE_ENABLED, BTNS_SEP, {}, 0, 0};
    buttons[2] = {I_IMAGENONE, 2, 0, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(captions[1])};
    buttons[3] = {I_IMAGENONE, 3, TBSTATE_ENABLED, BTNS_BUTTON, {}, 0, reinterpret_cast<INT_PTR>(captions[2])};
    SendMessageW(bar, TB_ADDBUTTONSW, 4, reinterpret_cast<LPARAM>(buttons));
    for (int id : {1, 2, 3}) {
        TBBUTTONINFOW info{};
        info.cbSize = sizeof(info);
        info.dwMask = TBIF_SIZE;
        info.cx = 60;
        SendMessageW(bar, TB_SETBUTTONINFOW, static_cast<WPARAM>(id), reinterpret_cast<LPARAM>(&info));
    }
    auto& adapter = Adapt<TacToolBarWnd>(bar);
    EXPECT_EQ(adapter.Section(), u"BAR");
    const auto rectOf = [&](int index) {
        RECT rect{};
        SendMessageW(bar, TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect));
        return PixelRect{rect.left, rect.top, rect.right, rect.bottom};
    };
    RECT client{};
    GetClientRect(bar, &client);
    win32::DibSection picture(client.right, client.bottom);
    SendMessageW(bar, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT);

    const PixelRect go = rectOf(0);
    ASSERT_FALSE(go.IsEmpty());
    EXPECT_EQ(At(picture, go.Left + 1, go.Top + 1), kButtonFrames[0]);
    EXPECT_EQ(At(picture, client.right - 1, client.bottom - 1), kBar) << "the bar's face beside the buttons";

    const PixelRect separator = rectOf(1);
    ASSERT_GE(separator.Width(), 4);
    const int strip = separator.Left + separator.Width() / 2 - 1;
    const int middle = separator.Top + separator.Height() / 2;
    for (int x = strip - 1; x <= strip + 4; ++x)
        EXPECT_EQ(At(picture, x, middle), x < strip || x == strip + 4 ? kBar : kDivider) << x;
    for (int y : {separator.Top + 1, separator.Top + 2, separator.Bottom - 3, separator.Bottom - 2})
        EXPECT_EQ(At(picture, strip, y), y == separator.Top + 1 || y == separator.Bottom - 2 ? kBar : kDivider) << y;

    // 40 % of the button's face over 60 % of the bar's, channel by channel.
    const PixelRect off = rectOf(2);
    const std::uint32_t faded = At(picture, off.Left + 1, off.Top + 1);
    for (int shift : {0, 8, 16}) {
        const double expected = 0.4 * ((kButtonFrames[0] >> shift) & 0xFF) + 0.6 * ((kBar >> shift) & 0xFF);
        EXPECT_NEAR(static_cast<double>((faded >> shift) & 0xFF), expected, 1.0) << shift;
    }

    // The long caption's ink reaches over more than one line of the bar's font.
    const PixelRect along = rectOf(3);
    ASSERT_EQ(along.Width(), 60);
    const PixelRect ink =
        InkBox(picture, {along.Left + 3, along.Top + 3, along.Right - 3, along.Bottom - 3}, kButtonFrames[0]);
    HDC dc = GetDC(bar);
    const auto font = reinterpret_cast<HFONT>(SendMessageW(bar, WM_GETFONT, 0, 0));
    const HGDIOBJ previous = SelectObject(dc, font ? font : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    ReleaseDC(bar, dc);
    EXPECT_GT(ink.Height(), metrics.tmHeight) << "two lines";
    EXPECT_LE(ink.Right, along.Right - 2);
}

TEST_F(SaveDialogAdapters, TheSizeGripShowsTheSkinsGripInItsCornerAndAnswersTheBottomRightBorder)
{
    Apply();
    HWND grip = Child(L"SCROLLBAR", SBS_SIZEGRIP | SBS_SIZEBOXBOTTOMRIGHTALIGN, BoundsRect(270, 170, 20, 20));
    auto& adapter = Adapt<TacSizerWnd>(grip);
    ASSERT_GE(adapter.GripImage(), 0);
    // The platform gives an aligned size box its own size at the corner of the rectangle.
    RECT client{};
    GetClientRect(grip, &client);
    const int width = client.right;
    const int height = client.bottom;
    ASSERT_GT(width, 10);
    ASSERT_GT(height, 10);
    win32::DibSection picture(width, height);
    SendMessageW(grip, WM_PRINT, reinterpret_cast<WPARAM>(picture.Dc()), PRF_CLIENT | PRF_NONCLIENT);
    EXPECT_EQ(At(picture, width - 1, height - 1), kGrip);
    EXPECT_EQ(At(picture, width - 10, height - 10), kGrip);
    EXPECT_NE(At(picture, width - 11, height - 11), kGrip) << "the parent's background left of the picture";
    EXPECT_EQ(At(picture, 0, 0), At(picture, width - 11, 0)) << "one background all over";
    m_manager->SetHotWindow(m_form->Handle());
    RECT window{};
    GetWindowRect(grip, &window);
    EXPECT_EQ(SendMessageW(grip, WM_NCHITTEST, 0, MAKELPARAM(window.left + 5, window.top + 5)), HTBOTTOMRIGHT);
    EXPECT_EQ(m_manager->HotWindow(), nullptr);
}

} // namespace
} // namespace korvane
