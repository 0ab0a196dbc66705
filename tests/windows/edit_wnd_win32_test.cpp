// The edit-frame adapter on real windows: the bars' room reserved beside the platform's client,
// the skin's frame and bars on the screen (and staying there after the window itself moved its
// bars), the arrow's repeat with a fake clock, the thumb drag and the wheel.
#include "support/pump_messages.h"
#include "support/skinned_form_fixture_win32.h"
#include "ui/list_box.h"
#include "ui/memo.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"
#include "windows/edit_wnd_win32.h"

#include <algorithm>
#include <string>
#include <vector>

namespace korvane {
namespace {

// Colours as 0x00BBGGRR; the sections are plain colours so that each part shows its own.
constexpr COLORREF kEditColour = 0x800000;
constexpr COLORREF kTrackBefore = 0x00FF00;
constexpr COLORREF kTrackAfter = 0x008000;
constexpr COLORREF kArrow = 0xFF0000;
constexpr COLORREF kThumb = 0x00FFFF;

std::string Section(const char* name, COLORREF colour)
{
    return std::string("[") + name + "]\r\nSTATES=3\r\nCOLOR=" + std::to_string(colour) +
           "\r\nHOTCOLOR=" + std::to_string(colour) + "\r\nTRANSPARENCY=0\r\n";
}

const std::string kOptions =
    "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=8421504\r\nBORDERCOLOR=255\r\n" + Section("EDIT", kEditColour) +
    Section("SCROLLBAR1H", kTrackBefore) + Section("SCROLLBAR2H", kTrackAfter) + Section("SCROLLBAR1V", kTrackBefore) +
    Section("SCROLLBAR2V", kTrackAfter) + Section("SCROLLBTNLEFT", kArrow) + Section("SCROLLBTNRIGHT", kArrow) +
    Section("SCROLLBTNTOP", kArrow) + Section("SCROLLBTNBOTTOM", kArrow) + Section("SCROLLSLIDERH", kThumb) +
    Section("SCROLLSLIDERV", kThumb);

// What the window received, in order: its scroll messages and the commands around them.
struct Received {
    enum Kind { Before, Scroll, After } What;
    int Code;
    int Position;
    bool operator==(const Received&) const = default;
};
std::vector<Received> g_received;
WNDPROC g_previous = nullptr;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_VSCROLL || message == WM_HSCROLL)
        g_received.push_back({Received::Scroll, LOWORD(wParam), static_cast<int>(HIWORD(wParam))});
    if (message == SKM_COMMAND) {
        const EngineCommand command = EngineCommand::FromWParam(wParam);
        if (command.Code == SKC_BEFORESCROLL)
            g_received.push_back({Received::Before, LOWORD(lParam), 0});
        if (command.Code == SKC_AFTERSCROLL)
            g_received.push_back({Received::After, LOWORD(lParam), 0});
    }
    return CallWindowProcW(g_previous, window, message, wParam, lParam);
}

// The repeat timers, held by the test: started and stopped ids with their delays.
struct TimerEvent {
    bool Started;
    UINT_PTR Id;
    UINT Milliseconds;
    bool operator==(const TimerEvent&) const = default;
};
std::vector<TimerEvent> g_timers;

class FakeClock {
public:
    FakeClock() : m_saved(ScrollTimers())
    {
        g_timers.clear();
        ScrollTimers().Start = [](HWND, UINT_PTR id, UINT ms) { g_timers.push_back({true, id, ms}); };
        ScrollTimers().Stop = [](HWND, UINT_PTR id) { g_timers.push_back({false, id, 0}); };
    }
    ~FakeClock() { ScrollTimers() = m_saved; }

private:
    ScrollTimerService m_saved;
};

class EditFrames : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
    void TearDown() override
    {
        if (m_recorded && IsWindow(m_recorded))
            SetWindowLongPtrW(m_recorded, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
        m_adapters.clear();
        m_memos.clear();
        if (m_raw && IsWindow(m_raw))
            DestroyWindow(m_raw);
        SkinnedFormTest::TearDown();
    }
    // The adapter of the window: the one the form's walk made, else one made here.
    TacEditWnd& AdapterOf(HWND window, bool dialogChild = false)
    {
        if (auto* existing = dynamic_cast<TacEditWnd*>(TacMainWnd::FromWindow(window)))
            return *existing;
        m_adapters.push_back(std::make_unique<TacEditWnd>(window, u"EDIT", m_manager.get()));
        m_adapters.back()->SetDialogChild(dialogChild);
        m_adapters.back()->Create(true);
        return *m_adapters.back();
    }
    ui::Memo& AddMemo(const PixelRect& bounds)
    {
        m_memos.push_back(std::make_unique<ui::Memo>(*m_form, bounds));
        return *m_memos.back();
    }
    void Record(HWND window)
    {
        g_received.clear();
        m_recorded = window;
        g_previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Recorder)));
    }
    static void Fill(HWND window, int lines)
    {
        std::wstring text;
        for (int i = 0; i < lines; ++i)
            text += L"line " + std::to_wstring(i) + L"\r\n";
        SendMessageW(window, EM_SETSEL, 0, -1);
        SendMessageW(window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(text.c_str()));
        SendMessageW(window, EM_SETSEL, 0, 0);
        SendMessageW(window, EM_SCROLLCARET, 0, 0);
    }
    static void Pump() { test::PumpMessages(3, 20); }
    static COLORREF ScreenPixel(HWND window, int x, int y)
    {
        win32::WindowDC dc(window, win32::WindowDC::Area::Window);
        return GetPixel(dc.get(), x, y) & 0xFFFFFF;
    }
    static POINT ScreenPoint(HWND window, int x, int y)
    {
        RECT rect{};
        GetWindowRect(window, &rect);
        return {rect.left + x, rect.top + y};
    }
    static LPARAM Packed(POINT point) { return MAKELPARAM(point.x, point.y); }
    static int FirstLine(HWND window) { return static_cast<int>(SendMessageW(window, EM_GETFIRSTVISIBLELINE, 0, 0)); }

    std::vector<std::unique_ptr<ui::Memo>> m_memos;
    std::vector<std::unique_ptr<TacEditWnd>> m_adapters;
    HWND m_recorded = nullptr;
    HWND m_raw = nullptr;
};

TEST_F(EditFrames, AnEditWithAVerticalBarIsNarrowedByTheBarWidthBesideThePlatformsClient)
{
    Apply();
    m_raw = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 10, 10, 200, 100,
                            m_form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_raw, nullptr);
    TacEditWnd& adapter = AdapterOf(m_raw);
    RECT client{};
    GetClientRect(m_raw, &client);
    EXPECT_EQ(client.right, 200 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(client.bottom, 100);
    EXPECT_TRUE(adapter.VertBar.Shown);
    EXPECT_FALSE(adapter.HorzBar.Shown);
    EXPECT_EQ(adapter.VertBarRect(), (PixelRect{200 - GetSystemMetrics(SM_CXVSCROLL), 0, 200, 100}));
    // The style is back on the window after the client was computed.
    EXPECT_NE(GetWindowLongW(m_raw, GWL_STYLE) & WS_VSCROLL, 0);
    // Code that hides and shows the bar from outside gets the room back and the bar again.
    ShowScrollBar(m_raw, SB_VERT, FALSE);
    Pump();
    GetClientRect(m_raw, &client);
    EXPECT_EQ(client.right, 200);
    EXPECT_FALSE(adapter.VertBar.Shown);
    ShowScrollBar(m_raw, SB_VERT, TRUE);
    Pump();
    GetClientRect(m_raw, &client);
    EXPECT_EQ(client.right, 200 - GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_TRUE(adapter.VertBar.Shown);
}

TEST_F(EditFrames, ALeftScrollBarTakesItsRoomOnTheLeftAndAnswersTheHitTestThere)
{
    Apply();
    m_raw = CreateWindowExW(WS_EX_LEFTSCROLLBAR, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 10,
                            10, 200, 100, m_form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_raw, nullptr);
    TacEditWnd& adapter = AdapterOf(m_raw);
    ASSERT_TRUE(adapter.LeftScrollBar);
    POINT origin{0, 0};
    ClientToScreen(m_raw, &origin);
    const POINT corner = ScreenPoint(m_raw, 0, 0);
    EXPECT_EQ(origin.x - corner.x, GetSystemMetrics(SM_CXVSCROLL));
    EXPECT_EQ(adapter.VertBarRect(), (PixelRect{0, 0, GetSystemMetrics(SM_CXVSCROLL), 100}));
    // Empty, the edit has nothing to scroll and its bar is off; filled, the bar answers.
    EXPECT_EQ(SendMessageW(m_raw, WM_NCHITTEST, 0, Packed(ScreenPoint(m_raw, 3, 50))), HTNOWHERE);
    Fill(m_raw, 30);
    EXPECT_EQ(SendMessageW(m_raw, WM_NCHITTEST, 0, Packed(ScreenPoint(m_raw, 3, 50))), HTVSCROLL);
    EXPECT_EQ(SendMessageW(m_raw, WM_NCHITTEST, 0, Packed(ScreenPoint(m_raw, 197, 50))), HTCLIENT);
}

TEST_F(EditFrames, HoverOverABarFollowsTheCursorWithATwentyMillisecondTimerUntilItLeaves)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    Fill(memo.Handle(), 100);
    Pump();
    FakeClock clock;
    const PixelRect vert = adapter.VertBarRect();
    const POINT arrow = ScreenPoint(memo.Handle(), (vert.Left + vert.Right) / 2, vert.Top + 3);
    SetCursorPos(arrow.x, arrow.y);
    SendMessageW(memo.Handle(), WM_NCMOUSEMOVE, HTVSCROLL, Packed(arrow));
    EXPECT_EQ(g_timers, (std::vector<TimerEvent>{{true, 0xFFF2, 20}}));
    // A second move over the same bar starts nothing new.
    SendMessageW(memo.Handle(), WM_NCMOUSEMOVE, HTVSCROLL, Packed(arrow));
    SendMessageW(memo.Handle(), WM_TIMER, 0xFFF2, 0);
    EXPECT_EQ(g_timers.size(), 1u);
    const POINT away = ScreenPoint(memo.Handle(), 40, 40);
    SetCursorPos(away.x, away.y);
    SendMessageW(memo.Handle(), WM_TIMER, 0xFFF2, 0);
    EXPECT_EQ(g_timers.back(), (TimerEvent{false, 0xFFF2, 0}));
    EXPECT_EQ(ScreenPixel(memo.Handle(), (vert.Left + vert.Right) / 2, vert.Top + 3), kArrow);
}

TEST_F(EditFrames, TheMemoShowsTheSkinsFrameAndBarsAndKeepsThemAfterItMovedItsBars)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    ASSERT_TRUE(adapter.VertBar.Shown);
    ASSERT_TRUE(adapter.HorzBar.Shown);
    Fill(memo.Handle(), 100);
    Pump();
    const PixelRect vert = adapter.VertBarRect();
    const int x = (vert.Left + vert.Right) / 2;
    // The frame strip, the arrows and the track as the screen has them.
    EXPECT_EQ(ScreenPixel(memo.Handle(), 0, 0), kEditColour);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + 3), kArrow);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Bottom - 3), kArrow);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Bottom - adapter.VertBar.ArrowLength() - 2), kTrackAfter);
    // The thumb at the top with the caret on the first line; the wheel moves it down.
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + adapter.VertBar.ArrowLength() + 2), kThumb);
    SendMessageW(memo.Handle(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(-WHEEL_DELTA * 10))),
                 Packed(ScreenPoint(memo.Handle(), 50, 50)));
    Pump();
    EXPECT_GT(FirstLine(memo.Handle()), 0);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + adapter.VertBar.ArrowLength() + 2), kTrackBefore);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + 3), kArrow);
    // Typing at the end scrolls the memo by itself.
    const int length = GetWindowTextLengthW(memo.Handle());
    SendMessageW(memo.Handle(), EM_SETSEL, length, length);
    SendMessageW(memo.Handle(), EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L"more\r\nand more"));
    SendMessageW(memo.Handle(), WM_KEYDOWN, VK_NEXT, 0);
    Pump();
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + 3), kArrow);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Bottom - 3), kArrow);
    EXPECT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + adapter.VertBar.ArrowLength() + 2), kTrackBefore);
}

TEST_F(EditFrames, PrintingTheMemoDrawsTheSkinsFrameAndBarsWithItsText)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    Fill(memo.Handle(), 100);
    Pump();
    win32::DibSection picture(200, 100);
    ASSERT_FALSE(picture.Empty());
    const RECT whole{0, 0, 200, 100};
    FillRect(picture.Dc(), &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    SendMessageW(memo.Handle(), WM_PRINT, reinterpret_cast<WPARAM>(picture.Dc()),
                 PRF_NONCLIENT | PRF_CLIENT | PRF_ERASEBKGND);
    // Read through GDI: the picture's memory DC has what the print drew.
    const auto at = [&](int x, int y) { return GetPixel(picture.Dc(), x, y) & 0xFFFFFF; };
    const PixelRect vert = adapter.VertBarRect();
    const PixelRect horz = adapter.HorzBarRect();
    const int x = (vert.Left + vert.Right) / 2;
    EXPECT_EQ(at(0, 0), kEditColour);
    EXPECT_EQ(at(199, 99), kEditColour);
    EXPECT_EQ(at(x, vert.Top + 3), kArrow);
    EXPECT_EQ(at(x, vert.Top + adapter.VertBar.ArrowLength() + 2), kThumb);
    // Nothing to scroll across: the horizontal bar is off and drawn faded toward what is behind.
    const COLORREF faded = at(horz.Left + 3, (horz.Top + horz.Bottom) / 2);
    EXPECT_NE(faded, kArrow);
    EXPECT_GT(GetBValue(faded), GetRValue(faded) + 60);
    // The client shows the memo's text in the skin's colours: some pixels differ from its face.
    int text = 0;
    for (int yy = adapter.TopEdge; yy < vert.Bottom; ++yy)
        for (int xx = adapter.LeftEdge; xx < vert.Left; ++xx)
            if (at(xx, yy) != kEditColour)
                ++text;
    EXPECT_GT(text, 20);
}

TEST_F(EditFrames, HoldingTheLowerArrowRepeatsOnTheFakeClockAndEndsWithEndScroll)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    Fill(memo.Handle(), 100);
    Pump();
    FakeClock clock;
    Record(memo.Handle());
    const PixelRect vert = adapter.VertBarRect();
    const POINT arrow = ScreenPoint(memo.Handle(), (vert.Left + vert.Right) / 2, vert.Bottom - 3);
    SetCursorPos(arrow.x, arrow.y);
    SendMessageW(memo.Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, Packed(arrow));
    EXPECT_EQ(GetCapture(), memo.Handle());
    const std::vector<Received> once{
        {Received::Before, SB_LINEDOWN, 0}, {Received::Scroll, SB_LINEDOWN, 0}, {Received::After, SB_LINEDOWN, 0}};
    EXPECT_EQ(g_received, once);
    EXPECT_EQ(g_timers, (std::vector<TimerEvent>{{true, 0xFFFD, 300}}));
    // 300 ms: again, and from now on every 55 ms.
    SendMessageW(memo.Handle(), WM_TIMER, 0xFFFD, 0);
    EXPECT_EQ(g_timers, (std::vector<TimerEvent>{{true, 0xFFFD, 300}, {false, 0xFFFD, 0}, {true, 0xFFFE, 55}}));
    SendMessageW(memo.Handle(), WM_TIMER, 0xFFFE, 0);
    SendMessageW(memo.Handle(), WM_TIMER, 0xFFFE, 0);
    // Off the arrow the ticks send nothing.
    const POINT away = ScreenPoint(memo.Handle(), 40, 40);
    SetCursorPos(away.x, away.y);
    SendMessageW(memo.Handle(), WM_TIMER, 0xFFFE, 0);
    SendMessageW(memo.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    std::vector<int> scrolls;
    for (const Received& received : g_received)
        if (received.What == Received::Scroll)
            scrolls.push_back(received.Code);
    EXPECT_EQ(scrolls, (std::vector<int>{SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_LINEDOWN, SB_ENDSCROLL}));
    EXPECT_EQ(g_timers.back(), (TimerEvent{false, 0xFFFE, 0}));
    EXPECT_NE(GetCapture(), memo.Handle());
    EXPECT_EQ(FirstLine(memo.Handle()), 4);
    EXPECT_EQ(TacScrollWnd::TrackWindow(), nullptr);
}

TEST_F(EditFrames, DraggingTheThumbToTheEndTracksThereAndLeavesTheMemoAtItsLastLine)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    Fill(memo.Handle(), 100);
    Pump();
    Record(memo.Handle());
    adapter.RefreshBars(false);
    const SCROLLINFO info = adapter.VertBar.Info;
    const PixelRect vert = adapter.VertBarRect();
    const ThumbPlace thumb = ThumbGeometry(adapter.VertBar.Values(), adapter.VertBar.Axis(vert));
    const POINT grab = ScreenPoint(memo.Handle(), (vert.Left + vert.Right) / 2, thumb.Start + 2);
    SendMessageW(memo.Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, Packed(grab));
    EXPECT_TRUE(adapter.ThumbTracking);
    POINT below = ScreenPoint(memo.Handle(), 50, 400);
    ScreenToClient(memo.Handle(), &below);
    SendMessageW(memo.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(below.x, below.y));
    SendMessageW(memo.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
    const int last = info.nMax - static_cast<int>(info.nPage) + 1;
    ASSERT_GE(g_received.size(), 9u);
    EXPECT_EQ(g_received[1], (Received{Received::Scroll, SB_THUMBTRACK, last}));
    EXPECT_EQ(g_received[4], (Received{Received::Scroll, SB_THUMBPOSITION, last}));
    EXPECT_EQ(g_received[7], (Received{Received::Scroll, SB_ENDSCROLL, last}));
    EXPECT_FALSE(adapter.ThumbTracking);
    EXPECT_EQ(FirstLine(memo.Handle()), last);
}

TEST_F(EditFrames, ClicksOnADisabledPartOrTheRightButtonSendNothing)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    Fill(memo.Handle(), 100);
    Pump();
    Record(memo.Handle());
    const PixelRect vert = adapter.VertBarRect();
    const POINT arrow = ScreenPoint(memo.Handle(), (vert.Left + vert.Right) / 2, vert.Bottom - 3);
    EXPECT_EQ(SendMessageW(memo.Handle(), WM_NCHITTEST, 0, Packed(arrow)), HTVSCROLL);
    SendMessageW(memo.Handle(), WM_NCRBUTTONDOWN, HTVSCROLL, Packed(arrow));
    SendMessageW(memo.Handle(), WM_SYSCOMMAND, SC_VSCROLL | 7, Packed(arrow));
    EXPECT_TRUE(g_received.empty());
    ASSERT_TRUE(EnableScrollBar(memo.Handle(), SB_VERT, ESB_DISABLE_BOTH));
    EXPECT_EQ(SendMessageW(memo.Handle(), WM_NCHITTEST, 0, Packed(arrow)), HTNOWHERE);
    SendMessageW(memo.Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, Packed(arrow));
    EXPECT_TRUE(g_received.empty());
    EXPECT_EQ(FirstLine(memo.Handle()), 0);
}

TEST_F(EditFrames, TakingTheSkinOffGivesTheMemoItsColoursAndThePlatformsBarsBack)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    TacEditWnd& adapter = AdapterOf(memo.Handle());
    Fill(memo.Handle(), 100);
    Pump();
    EXPECT_EQ(memo.Color(), kEditColour);
    const PixelRect vert = adapter.VertBarRect();
    const int x = (vert.Left + vert.Right) / 2;
    ASSERT_EQ(ScreenPixel(memo.Handle(), x, vert.Top + 3), kArrow);
    m_manager->SetActive(false);
    RedrawWindow(memo.Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(memo.Color(), CLR_INVALID);
    EXPECT_NE(ScreenPixel(memo.Handle(), x, vert.Top + 3), kArrow);
    EXPECT_NE(ScreenPixel(memo.Handle(), 0, 0), kEditColour);
    // The platform's bar answers the hit test again, and its client keeps the bar's room.
    const POINT arrow = ScreenPoint(memo.Handle(), x, vert.Bottom - 3);
    EXPECT_EQ(SendMessageW(memo.Handle(), WM_NCHITTEST, 0, Packed(arrow)), HTVSCROLL);
    RECT client{};
    GetClientRect(memo.Handle(), &client);
    EXPECT_EQ(client.right, vert.Left - adapter.LeftEdge);
}

TEST_F(EditFrames, AListBoxOfADialogGetsAFlatFrameInTheSkinsBorderColour)
{
    Apply();
    m_raw = CreateWindowExW(WS_EX_CLIENTEDGE, L"LISTBOX", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL, 10, 10, 120, 80,
                            m_form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_raw, nullptr);
    TacEditWnd& adapter = AdapterOf(m_raw, true);
    ASSERT_TRUE(adapter.DialogChild());
    for (int i = 0; i < 30; ++i)
        SendMessageW(m_raw, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    RedrawWindow(m_raw, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    Pump();
    EXPECT_EQ(ScreenPixel(m_raw, 0, 0), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(m_raw, 119, 40), 0x0000FFu);
    EXPECT_EQ(ScreenPixel(m_raw, 1, 40), GetSysColor(COLOR_WINDOW) & 0xFFFFFF);
    // The items made the list scroll: its bar is the skin's.
    const PixelRect vert = adapter.VertBarRect();
    EXPECT_EQ(ScreenPixel(m_raw, (vert.Left + vert.Right) / 2, vert.Top + 3), kArrow);
}

// A plain edit's own procedure under the adapter, counting the button-ups that reach it.
int g_buttonUps = 0;
WNDPROC g_editProc = nullptr;
LRESULT CALLBACK CountButtonUps(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_LBUTTONUP)
        ++g_buttonUps;
    return CallWindowProcW(g_editProc, window, message, wParam, lParam);
}

TEST_F(EditFrames, TheReleaseThatEndsABarActionStillReachesTheWindow)
{
    Apply();
    m_raw = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_VSCROLL | ES_MULTILINE, 10, 10, 200, 100,
                            m_form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    g_buttonUps = 0;
    g_editProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(m_raw, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&CountButtonUps)));
    TacEditWnd& adapter = AdapterOf(m_raw);
    Fill(m_raw, 100);
    Pump();
    FakeClock clock;
    const PixelRect vert = adapter.VertBarRect();
    const POINT arrow = ScreenPoint(m_raw, (vert.Left + vert.Right) / 2, vert.Bottom - 3);
    SendMessageW(m_raw, WM_NCLBUTTONDOWN, HTVSCROLL, Packed(arrow));
    ASSERT_EQ(TacScrollWnd::TrackWindow(), m_raw);
    SendMessageW(m_raw, WM_LBUTTONUP, 0, MAKELPARAM(40, 40));
    EXPECT_EQ(TacScrollWnd::TrackWindow(), nullptr) << "the action ended";
    EXPECT_EQ(g_buttonUps, 1) << "the button-up was swallowed";
}

TEST_F(EditFrames, AnAdapterThatGoesDuringABarActionStopsItsTimersAndLetsTheMouseGo)
{
    ui::Memo& memo = AddMemo(BoundsRect(10, 10, 200, 100));
    Apply();
    ASSERT_EQ(TacMainWnd::FromWindow(memo.Handle()), nullptr);
    auto adapter = MakeAdapterPtr<TacEditWnd>(memo.Handle(), u"EDIT", m_manager.get());
    adapter->Create(true);
    Fill(memo.Handle(), 100);
    Pump();
    FakeClock clock;
    const PixelRect vert = adapter->VertBarRect();
    const POINT arrow = ScreenPoint(memo.Handle(), (vert.Left + vert.Right) / 2, vert.Bottom - 3);
    SendMessageW(memo.Handle(), WM_NCLBUTTONDOWN, HTVSCROLL, Packed(arrow));
    ASSERT_EQ(GetCapture(), memo.Handle());
    ASSERT_EQ(g_timers, (std::vector<TimerEvent>{{true, 0xFFFD, 300}}));
    adapter.reset(); // while the arrow is held
    EXPECT_NE(GetCapture(), memo.Handle()) << "the capture is still held";
    EXPECT_NE(std::find(g_timers.begin(), g_timers.end(), TimerEvent{false, 0xFFFD, 0}), g_timers.end())
        << "the repeat timer still runs";
    EXPECT_EQ(TacScrollWnd::TrackWindow(), nullptr);
}

TEST_F(EditFrames, AnEmptyListBoxOfTheClassLibraryHasNoTopItem)
{
    ui::ListBox list(*m_form, BoundsRect(10, 10, 120, 80), 16);
    Apply();
    AdapterOf(list.Handle());
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETTOPINDEX, 0, 0), -1);
    list.Add(L"one");
    EXPECT_EQ(SendMessageW(list.Handle(), LB_GETTOPINDEX, 0, 0), 0);
}

} // namespace
} // namespace korvane
