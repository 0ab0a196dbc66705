#include "windows/scroll_wnd_win32.h"

#include "win32/dc_guards.h"
#include "win32/rect.h"

#include "controls/skin_data_rules.h"

#include "controls/common_data_win32.h"
#include "gfx/background_fade.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "win32/dib_section.h"
#include "windows/skin_manager_win32.h"
#include "win32/scope_guard.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr UINT_PTR kHoverTimer = 0xFFF2;
constexpr UINT kHoverInterval = 20;

// One mouse action at a time in the user-interface thread.
struct TrackingState {
    ScrollTracker Tracker;
    HWND Window = nullptr;
    UINT ScrollMessage = 0;
    // Hover.
    HWND HoverWindow = nullptr;
    int HoverBarKind = -1;
    int HoverPart = kBarNone;
    PixelRect HoverRect; // window coordinates
};

TrackingState& Tracking()
{
    static TrackingState state;
    return state;
}

void StartPlatformTimer(HWND window, UINT_PTR id, UINT milliseconds)
{
    SetTimer(window, id, milliseconds, nullptr);
}

void StopPlatformTimer(HWND window, UINT_PTR id)
{
    KillTimer(window, id);
}

bool IsBarHit(WPARAM hit)
{
    return hit == HTHSCROLL || hit == HTVSCROLL;
}

PixelRect ToPixelRect(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// A rectangle along a bar's axis: [from, to) along it, the whole thickness across it.
PixelRect AlongBar(int kind, int from, int to, int width, int height)
{
    return kind == 0 ? PixelRect{from, 0, to, height} : PixelRect{0, from, width, to};
}

} // namespace

ScrollTimerService& ScrollTimers()
{
    static ScrollTimerService service{&StartPlatformTimer, &StopPlatformTimer};
    return service;
}

// --- TacScrollBar --------------------------------------------------------------------------------

int TacScrollBar::BarThickness() const
{
    if (ThicknessSet >= 0)
        return ThicknessSet;
    return GetSystemMetrics(Kind == 1 ? SM_CXVSCROLL : SM_CYHSCROLL);
}

int TacScrollBar::ArrowLength() const
{
    if (ArrowLengthSet >= 0)
        return ArrowLengthSet;
    static const int system = GetSystemMetrics(SM_CXHSCROLL);
    return system;
}

void TacScrollBar::Read(HWND window)
{
    Info = SCROLLINFO{};
    Info.cbSize = sizeof(Info);
    Info.fMask = SIF_ALL;
    if (!GetScrollInfo(window, Kind == 1 ? SB_VERT : SB_HORZ, &Info)) {
        Info = SCROLLINFO{};
        Info.cbSize = sizeof(Info);
    }
}

ScrollValues TacScrollBar::Values() const
{
    return {Info.nMin, Info.nMax, static_cast<int>(Info.nPage), Info.nPos, Info.nTrackPos};
}

bool TacScrollBar::Enabled(HWND window) const
{
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    if (!GetScrollBarInfo(window, Kind == 1 ? OBJID_VSCROLL : OBJID_HSCROLL, &info))
        return StyleFlags != 0;
    // Wine marks only the two arrows of a bar disabled as a whole.
    const bool bothArrowsOff =
        (info.rgstate[1] & STATE_SYSTEM_UNAVAILABLE) != 0 && (info.rgstate[5] & STATE_SYSTEM_UNAVAILABLE) != 0;
    return (info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE) == 0 && !bothArrowsOff;
}

BarAxis TacScrollBar::Axis(const PixelRect& rect) const
{
    BarAxis axis;
    axis.Start = Kind == 0 ? rect.Left : rect.Top;
    axis.Length = Kind == 0 ? rect.Width() : rect.Height();
    axis.ArrowLength = ArrowLength();
    axis.MinThumb = MinThumb;
    return axis;
}

// --- TacScrollWnd --------------------------------------------------------------------------------

TacScrollWnd::TacScrollWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager)
{
    LeftScrollBar = (GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LEFTSCROLLBAR) != 0;
    HorzBar.Read(window);
    VertBar.Read(window);
}

TacScrollWnd::~TacScrollWnd()
{
    // A mouse action or hover on the bars ends with the adapter: its timers would tick into a
    // window that no longer has bars to move, and the capture would keep the mouse from others.
    TrackingState& tracking = Tracking();
    const HWND window = Window();
    const bool live = window && IsWindow(window);
    if (tracking.Window == window) {
        if (live) {
            ScrollTimers().Stop(window, kRepeatFirstTimer);
            ScrollTimers().Stop(window, kRepeatTimer);
            if (GetCapture() == window)
                ReleaseCapture();
        }
        tracking.Tracker = ScrollTracker{};
        tracking.Window = nullptr;
    }
    if (tracking.HoverWindow == window) {
        if (live)
            ScrollTimers().Stop(window, kHoverTimer);
        tracking.HoverWindow = nullptr;
    }
}

HWND TacScrollWnd::TrackWindow()
{
    return Tracking().Window;
}

bool TacScrollWnd::IsTracked() const
{
    return Tracking().Window == Window() && Tracking().Tracker.Active();
}

BarLayout TacScrollWnd::CurrentBarLayout() const
{
    RECT window{};
    GetWindowRect(Window(), &window);
    return LayoutBars(window.right - window.left, window.bottom - window.top,
                      {LeftEdge, TopEdge, RightEdge, BottomEdge}, HorzBar.Shown, VertBar.Shown, HorzBar.BarThickness(),
                      VertBar.BarThickness(), LeftScrollBar);
}

PixelRect TacScrollWnd::HorzBarRect() const
{
    return CurrentBarLayout().Horz;
}

PixelRect TacScrollWnd::VertBarRect() const
{
    return CurrentBarLayout().Vert;
}

PixelRect TacScrollWnd::CornerRect() const
{
    return CurrentBarLayout().Corner;
}

int TacScrollWnd::HitTestBar(const TacScrollBar& bar, const PixelRect& rect, POINT point) const
{
    const bool inside =
        bar.Kind == 0 ? point.y >= rect.Top && point.y < rect.Bottom : point.x >= rect.Left && point.x < rect.Right;
    return korvane::HitTestBar(bar.Values(), bar.Axis(rect), bar.Kind == 0 ? point.x : point.y, inside);
}

POINT TacScrollWnd::ToWindow(POINT screen) const
{
    RECT window{};
    GetWindowRect(Window(), &window);
    return {screen.x - window.left, screen.y - window.top};
}

TacScrollBar& TacScrollWnd::TrackedBar()
{
    return Tracking().Tracker.BarKind() == 0 ? HorzBar : VertBar;
}

PixelRect TacScrollWnd::TrackedRect() const
{
    return Tracking().Tracker.BarKind() == 0 ? HorzBarRect() : VertBarRect();
}

void TacScrollWnd::SendScroll(HWND window, UINT message, int code, int position)
{
    const auto argument = static_cast<LPARAM>(MAKELONG(static_cast<WORD>(code), static_cast<WORD>(message)));
    const LRESULT before = SendMessageW(window, SKM_COMMAND, EngineCommandWParam(SKC_BEFORESCROLL), argument);
    if (before != 1 && code == SB_THUMBTRACK) {
        // The message carries 16 bits of position; the window reads the rest from its bar.
        SCROLLINFO info{};
        info.cbSize = sizeof(info);
        info.fMask = SIF_POS;
        info.nPos = position;
        SetScrollInfo(window, message == WM_HSCROLL ? SB_HORZ : SB_VERT, &info, FALSE);
    }
    // A window that scrolls itself gets the whole position in LParam as well.
    SendMessageW(window, message, MAKEWPARAM(static_cast<WORD>(code), static_cast<WORD>(std::min(position, 0xFFFF))),
                 before == 1 ? static_cast<LPARAM>(position) : 0);
    SendMessageW(window, SKM_COMMAND, EngineCommandWParam(SKC_AFTERSCROLL), argument);
}

void TacScrollWnd::Carry(const TrackEffects& effects)
{
    TrackingState& tracking = Tracking();
    const HWND window = Window();
    if (effects.KillTimer)
        ScrollTimers().Stop(window, effects.KillTimer);
    if (!effects.Sends.empty()) {
        const win32::FlagScope sending(SendingScroll);
        for (const ScrollSend& send : effects.Sends)
            SendScroll(window, tracking.ScrollMessage, send.Code, send.Position);
    }
    if (effects.StartTimer)
        ScrollTimers().Start(window, effects.StartTimer, effects.TimerDelay);
    if (effects.Capture && GetCapture() != window)
        SetCapture(window);
    if (effects.ReleaseCapture && GetCapture() == window)
        ReleaseCapture();
    ThumbTracking = tracking.Tracker.ThumbDragging();
    if (!tracking.Tracker.Active())
        tracking.Window = nullptr;
    if (effects.Repaint || !effects.Sends.empty())
        RefreshBars();
}

LRESULT TacScrollWnd::OnNcCalcSize(WPARAM wParam, LPARAM lParam)
{
    RECT* rect = wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
    const RECT before = *rect;
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    const DWORD bars = style & (WS_HSCROLL | WS_VSCROLL);
    LRESULT result = 0;
    if (bars) {
        StyleHidden = true;
        SetWindowLongW(Window(), GWL_STYLE, static_cast<LONG>(style & ~bars));
        result = CallPrevious(WM_NCCALCSIZE, wParam, lParam);
        SetWindowLongW(Window(), GWL_STYLE, static_cast<LONG>(style));
        StyleHidden = false;
    } else {
        result = CallPrevious(WM_NCCALCSIZE, wParam, lParam);
    }
    LeftEdge = rect->left - before.left;
    TopEdge = rect->top - before.top;
    RightEdge = before.right - rect->right;
    BottomEdge = before.bottom - rect->bottom;
    HorzBar.StyleFlags = (style & WS_HSCROLL) ? 8 : 0;
    VertBar.StyleFlags = (style & WS_VSCROLL) ? 8 : 0;
    const BarReservation reserved = ReserveBars(ToPixelRect(*rect), HorzBar.StyleFlags != 0, VertBar.StyleFlags != 0,
                                                HorzBar.BarThickness(), VertBar.BarThickness(), LeftScrollBar);
    HorzBar.Shown = reserved.HorzShown;
    VertBar.Shown = reserved.VertShown;
    *rect = RECT{reserved.Client.Left, reserved.Client.Top, reserved.Client.Right, reserved.Client.Bottom};
    return result;
}

LRESULT TacScrollWnd::OnNcHitTest(WPARAM wParam, LPARAM lParam)
{
    const POINT point = ToWindow(win32::PointOfLParam(lParam));
    if (HorzBar.Shown && HorzBarRect().Contains(point.x, point.y))
        return HorzBar.Enabled(Window()) ? HTHSCROLL : HTNOWHERE;
    if (VertBar.Shown && VertBarRect().Contains(point.x, point.y))
        return VertBar.Enabled(Window()) ? HTVSCROLL : HTNOWHERE;
    if (const PixelRect corner = CornerRect(); !corner.IsEmpty() && corner.Contains(point.x, point.y) && GripShown())
        return HTBOTTOMRIGHT;
    return CallPrevious(WM_NCHITTEST, wParam, lParam);
}

bool TacScrollWnd::GripShown() const
{
    const HWND root = GetAncestor(Window(), GA_ROOT);
    if (!root || root == Window())
        return false;
    RECT client{};
    GetClientRect(root, &client);
    POINT corner{LeftScrollBar ? client.left : client.right, client.bottom};
    ClientToScreen(root, &corner);
    RECT window{};
    GetWindowRect(Window(), &window);
    return window.bottom == corner.y && (LeftScrollBar ? window.left == corner.x : window.right == corner.x);
}

bool TacScrollWnd::OnNcButtonDown(WPARAM wParam, LPARAM lParam)
{
    const POINT point = ToWindow(win32::PointOfLParam(lParam));
    TacScrollBar& bar = wParam == HTHSCROLL ? HorzBar : VertBar;
    const PixelRect rect = bar.Kind == 0 ? HorzBarRect() : VertBarRect();
    bar.Read(Window());
    const int part = HitTestBar(bar, rect, point);
    if (part == kBarNone)
        return false;
    TrackingState& tracking = Tracking();
    if (tracking.Window && tracking.Window != Window() && tracking.Tracker.Active()) {
        // One action at a time: the other window's ends first.
        if (auto* other = dynamic_cast<TacScrollWnd*>(TacMainWnd::FromWindow(tracking.Window)))
            other->OnButtonUp();
    }
    const UINT previousMessage = tracking.ScrollMessage;
    const TrackEffects ended = tracking.Window == Window() ? tracking.Tracker.Release() : TrackEffects{};
    if (!ended.Sends.empty()) {
        tracking.ScrollMessage = previousMessage;
        Carry(ended);
    }
    tracking.Window = Window();
    tracking.ScrollMessage = bar.Kind == 0 ? WM_HSCROLL : WM_VSCROLL;
    Carry(tracking.Tracker.Press(bar.Kind, part, bar.Enabled(Window()), bar.Values(), bar.Axis(rect),
                                 bar.Kind == 0 ? point.x : point.y));
    return true;
}

void TacScrollWnd::OnRepeatTimer(UINT_PTR id)
{
    if (!IsTracked())
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const int part = HitTestBar(TrackedBar(), TrackedRect(), ToWindow(cursor));
    Carry(Tracking().Tracker.Timer(static_cast<unsigned>(id), part));
}

void TacScrollWnd::OnCapturedMove(LPARAM lParam)
{
    POINT client = win32::PointOfLParam(lParam);
    ClientToScreen(Window(), &client);
    const POINT point = ToWindow(client);
    const int part = HitTestBar(TrackedBar(), TrackedRect(), point);
    Carry(Tracking().Tracker.Move(Tracking().Tracker.BarKind() == 0 ? point.x : point.y, part));
}

void TacScrollWnd::OnButtonUp()
{
    if (!IsTracked())
        return;
    Carry(Tracking().Tracker.Release());
}

void TacScrollWnd::OnHoverTimer()
{
    TrackingState& tracking = Tracking();
    if (tracking.HoverWindow != Window()) {
        ScrollTimers().Stop(Window(), kHoverTimer);
        return;
    }
    if (ThumbTracking)
        return;
    POINT cursor{};
    GetCursorPos(&cursor);
    const POINT point = ToWindow(cursor);
    if (tracking.HoverRect.Contains(point.x, point.y)) {
        const int part = HitTestBar(tracking.HoverBarKind == 0 ? HorzBar : VertBar, tracking.HoverRect, point);
        if (part != tracking.HoverPart) {
            tracking.HoverPart = part;
            RefreshBars();
        }
        return;
    }
    ScrollTimers().Stop(Window(), kHoverTimer);
    tracking.HoverWindow = nullptr;
    tracking.HoverBarKind = -1;
    tracking.HoverPart = kBarNone;
    RefreshBars();
}

void TacScrollWnd::PaintBar(TacScrollBar& bar, HDC dc, int pressedPart, int hotPart, const PixelRect& rect)
{
    TsSkinManager* manager = Manager();
    if (BarsSuspended() || !bar.Shown || !manager || !manager->Active())
        return;
    const SkinTables& tables = manager->Tables();
    const TsIndexCache& indexes = manager->IndexCache;
    if (!tables.IsValidSection(indexes.ScrollBarSections[0].Section))
        return;
    const int length = bar.Kind == 0 ? rect.Width() : rect.Height();
    if (length <= 1 || rect.IsEmpty())
        return;
    bar.Read(Window());
    const bool enabled = bar.Enabled(Window());
    const int width = rect.Width();
    const int height = rect.Height();
    win32::DibSection& work = m_work[bar.Kind];
    if (!work.Resize(width, height) || work.Empty())
        return;
    const BitmapView view = work.View();
    const ParentBackground background = TsCommonData::GetParentBackground(Window()).Moved(rect.Left, rect.Top);
    FillFromBackground(view, {0, 0, width, height}, background, GetSysColor(COLOR_BTNFACE));
    const SkinTablesPaintSource source(tables);
    const BitmapView master = source.MasterBitmap();

    const int arrow = bar.ArrowLength();
    int paintArrow = arrow;
    if (const auto& left = indexes.ScrollBtnSections[2];
        tables.IsValidSection(left.Section) && tables.Sections[left.Section].ReservedBoolean) {
        const auto& own = indexes.ScrollBtnSections[bar.Kind == 0 ? 2 : 0];
        if (tables.IsValidMask(own.BorderMask)) {
            const TsMaskData& mask = tables.Masks[static_cast<std::size_t>(own.BorderMask)];
            paintArrow = std::max(arrow, bar.Kind == 0 ? FrameWidth(mask) : FrameHeight(mask));
        }
    }
    BarAxis axis = bar.Axis({0, 0, width, height});
    ThumbPlace thumb = ThumbGeometry(bar.Values(), axis);
    const TrackingState& tracking = Tracking();
    if (IsTracked() && tracking.Tracker.ThumbDragging() && tracking.Tracker.BarKind() == bar.Kind) {
        thumb.Start = tracking.Tracker.DragThumbStart() - (bar.Kind == 0 ? rect.Left : rect.Top);
        thumb.Length = tracking.Tracker.DragThumbLength();
    }
    const bool hasThumb = enabled && thumb.Length > 0 && thumb.Length <= axis.TrackLength();

    const auto face = [&](const TsIndexCache::ScrollBar& section, const std::u16string& name, PixelRect part,
                          int state) {
        if (!tables.IsValidSection(section.Section) || part.IsEmpty())
            return;
        PaintSectionFace({section.Section, name, section.HotPattern, section.Pattern}, background, &source, view, part,
                         LimitState(state, tables.Sections[section.Section].States));
    };
    const auto button = [&](const TsIndexCache::ScrollButton& section, const std::u16string& name, PixelRect part,
                            PixelRect square, int state) {
        if (!tables.IsValidSection(section.Section) || part.IsEmpty())
            return;
        const int clamped = LimitState(state, tables.Sections[section.Section].States);
        PaintSectionFace({section.Section, name, section.HotPattern, section.Pattern}, background, &source, view, part,
                         clamped);
        if (tables.IsValidMask(section.GlyphMask)) {
            const TsMaskData& glyph = tables.Masks[static_cast<std::size_t>(section.GlyphMask)];
            PaintStateImage(view, square.Left + (square.Width() - FrameWidth(glyph)) / 2,
                            square.Top + (square.Height() - FrameHeight(glyph)) / 2,
                            std::min<int>(clamped, std::max(0, glyph.ImageCount - 1)), SelfBackground(view), glyph, 1,
                            master);
        }
    };
    const int firstTrack = bar.Kind == 0 ? 0 : 1;
    const int secondTrack = bar.Kind == 0 ? 2 : 3;
    const std::u16string suffix = bar.Kind == 0 ? u"H" : u"V";
    const auto& firstButton = indexes.ScrollBtnSections[bar.Kind == 0 ? 2 : 0];
    const auto& secondButton = indexes.ScrollBtnSections[bar.Kind == 0 ? 3 : 1];
    const std::u16string firstName = bar.Kind == 0 ? u"SCROLLBTNLEFT" : u"SCROLLBTNTOP";
    const std::u16string secondName = bar.Kind == 0 ? u"SCROLLBTNRIGHT" : u"SCROLLBTNBOTTOM";
    const auto stateOf = [&](int part) {
        if (pressedPart == part)
            return 2;
        return hotPart == part && enabled ? 1 : 0;
    };

    if (2 * arrow < length) {
        const int centre = hasThumb ? thumb.Start + thumb.Length / 2 : length / 2;
        face(indexes.ScrollBarSections[firstTrack], u"SCROLLBAR1" + suffix,
             AlongBar(bar.Kind, 0, centre, width, height), pressedPart == kBarTrackBefore ? 2 : 0);
        face(indexes.ScrollBarSections[secondTrack], u"SCROLLBAR2" + suffix,
             AlongBar(bar.Kind, centre, length, width, height), pressedPart == kBarTrackAfter ? 2 : 0);
        button(firstButton, firstName, AlongBar(bar.Kind, 0, paintArrow, width, height),
               AlongBar(bar.Kind, 0, arrow, width, height), stateOf(kBarFirstArrow));
        button(secondButton, secondName, AlongBar(bar.Kind, length - paintArrow, length, width, height),
               AlongBar(bar.Kind, length - arrow, length, width, height), stateOf(kBarSecondArrow));
        if (hasThumb) {
            const auto& slider = indexes.ScrollSliderSections[bar.Kind == 0 ? 1 : 0];
            const PixelRect thumbRect = AlongBar(bar.Kind, thumb.Start, thumb.Start + thumb.Length, width, height);
            const TsIndexCache::ScrollButton asButton{slider.Section, slider.BorderMask, slider.Pattern,
                                                      slider.HotPattern, slider.GlyphMask};
            button(asButton, u"SCROLLSLIDER" + suffix, thumbRect, thumbRect,
                   pressedPart == kBarThumb ? 2 : (hotPart == kBarThumb ? 1 : 0));
        }
    } else {
        const int half = length / 2;
        face(indexes.ScrollBarSections[firstTrack], u"SCROLLBAR1" + suffix, AlongBar(bar.Kind, 0, half, width, height),
             0);
        face(indexes.ScrollBarSections[secondTrack], u"SCROLLBAR2" + suffix,
             AlongBar(bar.Kind, half, length, width, height), 0);
        button(firstButton, firstName, AlongBar(bar.Kind, 0, half, width, height),
               AlongBar(bar.Kind, 0, half, width, height), stateOf(kBarFirstArrow));
        button(secondButton, secondName, AlongBar(bar.Kind, half, length, width, height),
               AlongBar(bar.Kind, half, length, width, height), stateOf(kBarSecondArrow));
    }
    if (!enabled)
        FadeTowardBackground(view, background, GetSysColor(COLOR_BTNFACE), 0.4);
    BitBlt(dc, rect.Left, rect.Top, width, height, work.Dc(), 0, 0, SRCCOPY);
}

void TacScrollWnd::PaintNonClient(HDC dc)
{
    PaintBars(dc, true, true, true);
}

void TacScrollWnd::PaintBars(HDC dc, bool horz, bool vert, bool corner)
{
    if (BarsSuspended() || !IsWindow(Window()))
        return;
    const win32::GivenOrWindowDC context(dc, Window(), win32::WindowDC::Area::Window);
    const HDC target = context.get();
    if (!target)
        return;
    const TrackingState& tracking = Tracking();
    const auto pressed = [&](int kind) {
        return tracking.Window == Window() && tracking.Tracker.BarKind() == kind ? tracking.Tracker.PressedShown()
                                                                                 : kBarNone;
    };
    const auto hot = [&](int kind) {
        return tracking.HoverWindow == Window() && tracking.HoverBarKind == kind ? tracking.HoverPart : kBarNone;
    };
    if (horz)
        PaintBar(HorzBar, target, pressed(0), hot(0), HorzBarRect());
    if (vert)
        PaintBar(VertBar, target, pressed(1), hot(1), VertBarRect());
    if (const PixelRect place = corner ? CornerRect() : PixelRect{}; !place.IsEmpty()) {
        win32::DibSection square(place.Width(), place.Height());
        if (!square.Empty()) {
            const BitmapView view = square.View();
            const ParentBackground background =
                TsCommonData::GetParentBackground(Window()).Moved(place.Left, place.Top);
            FillFromBackground(view, {0, 0, place.Width(), place.Height()}, background, GetSysColor(COLOR_BTNFACE));
            TsSkinManager* manager = Manager();
            if (manager && manager->Active() && GripShown()) {
                const SkinTables& tables = manager->Tables();
                const int grip = tables.FindMask(manager->IndexCache.GlobalInfoSection, u"GLOBALINFO", u"GRIPIMAGE");
                if (tables.IsValidMask(grip)) {
                    const TsMaskData& mask = tables.Masks[static_cast<std::size_t>(grip)];
                    const SkinTablesPaintSource source(tables);
                    PaintStateImage(view, place.Width() - FrameWidth(mask), place.Height() - FrameHeight(mask), 0,
                                    SelfBackground(view), mask, 1, source.MasterBitmap());
                }
            }
            BitBlt(target, place.Left, place.Top, place.Width(), place.Height(), square.Dc(), 0, 0, SRCCOPY);
        }
    }
}

void TacScrollWnd::RefreshBars(bool paint)
{
    HorzBar.Read(Window());
    VertBar.Read(Window());
    if (paint && !BarsSuspended() && IsWindowVisible(Window()))
        PaintNonClient();
}

void TacScrollWnd::RepaintWhenChanged(const SCROLLINFO& horz, const SCROLLINFO& vert)
{
    const auto same = [](const SCROLLINFO& a, const SCROLLINFO& b) {
        return a.nMin == b.nMin && a.nMax == b.nMax && a.nPage == b.nPage && a.nPos == b.nPos;
    };
    HorzBar.Read(Window());
    VertBar.Read(Window());
    const bool horzChanged = !same(HorzBar.Info, horz);
    const bool vertChanged = !same(VertBar.Info, vert);
    if ((!horzChanged && !vertChanged) || BarsSuspended() || !IsWindowVisible(Window()))
        return;
    // Only the bar that moved is painted again, now, and once more when the window's frame is
    // next painted: an edit that turns a bar on as its text grows has the platform draw that bar
    // at once, and under Wine after its message has returned.
    PaintBars(nullptr, horzChanged, vertChanged, false);
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_NOERASE | RDW_NOCHILDREN);
}

LRESULT TacScrollWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (StyleHidden && (message == WM_STYLECHANGING || message == WM_STYLECHANGED || message == WM_NCPAINT ||
                        message == WM_PAINT || message == WM_ERASEBKGND))
        return CallPrevious(message, wParam, lParam);
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached())
        return TacMainWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_NCCALCSIZE:
        return OnNcCalcSize(wParam, lParam);
    case WM_NCHITTEST:
        return OnNcHitTest(wParam, lParam);
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (IsBarHit(wParam)) {
            OnNcButtonDown(wParam, lParam);
            return 0;
        }
        break;
    case WM_NCRBUTTONDOWN:
    case WM_NCRBUTTONUP:
    case WM_NCRBUTTONDBLCLK:
    case WM_NCMBUTTONDOWN:
    case WM_NCMBUTTONUP:
    case WM_NCMBUTTONDBLCLK:
        if (IsBarHit(wParam))
            return 0;
        break;
    case WM_NCLBUTTONUP:
        if (IsBarHit(wParam))
            return 0;
        break;
    case WM_SYSCOMMAND:
        // The platform's own bar tracking for a click it believes is on its bar.
        if ((wParam & 0xFFF0) == SC_VSCROLL || (wParam & 0xFFF0) == SC_HSCROLL)
            return 0;
        break;
    case WM_NCMOUSEMOVE:
        if (IsBarHit(wParam)) {
            TrackingState& tracking = Tracking();
            const int kind = wParam == HTHSCROLL ? 0 : 1;
            if (tracking.HoverWindow != Window() || tracking.HoverBarKind != kind) {
                if (tracking.HoverWindow && tracking.HoverWindow != Window())
                    ScrollTimers().Stop(tracking.HoverWindow, kHoverTimer);
                tracking.HoverWindow = Window();
                tracking.HoverBarKind = kind;
                tracking.HoverRect = kind == 0 ? HorzBarRect() : VertBarRect();
                const POINT point = ToWindow(win32::PointOfLParam(lParam));
                tracking.HoverPart = HitTestBar(kind == 0 ? HorzBar : VertBar, tracking.HoverRect, point);
                ScrollTimers().Start(Window(), kHoverTimer, kHoverInterval);
                RefreshBars();
            }
        }
        break;
    case WM_TIMER:
        if (wParam == kRepeatFirstTimer || wParam == kRepeatTimer) {
            OnRepeatTimer(wParam);
            return 0;
        }
        if (wParam == kHoverTimer) {
            OnHoverTimer();
            return 0;
        }
        break;
    case WM_MOUSEMOVE:
        if (IsTracked()) {
            OnCapturedMove(lParam);
            return 0;
        }
        break;
    case WM_LBUTTONUP:
        // The release ends the action on the bars and still reaches the window.
        if (IsTracked())
            OnButtonUp();
        break;
    case WM_CAPTURECHANGED:
        if (IsTracked() && reinterpret_cast<HWND>(lParam) != Window())
            OnButtonUp();
        break;
    case WM_NCPAINT:
        if (IsWindowVisible(Window()) && !BarsSuspended() && !SendingScroll) {
            PaintFrame(nullptr);
            PaintNonClient();
            return 0;
        }
        return 0;
    case WM_STYLECHANGED:
        if (wParam == static_cast<WPARAM>(GWL_EXSTYLE))
            LeftScrollBar = (reinterpret_cast<const STYLESTRUCT*>(lParam)->styleNew & WS_EX_LEFTSCROLLBAR) != 0;
        break;
    case WM_DESTROY:
    case WM_NCDESTROY:
        if (Tracking().Window == Window()) {
            ScrollTimers().Stop(Window(), kRepeatFirstTimer);
            ScrollTimers().Stop(Window(), kRepeatTimer);
            Tracking().Tracker = ScrollTracker{};
            Tracking().Window = nullptr;
        }
        if (Tracking().HoverWindow == Window())
            Tracking().HoverWindow = nullptr;
        return TacMainWnd::WndProc(message, wParam, lParam);
    default:
        break;
    }
    // The window's own handling may move its bars; the platform then draws its bar over the
    // reserved room, and the skinned one is put back.
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    if ((style & (WS_HSCROLL | WS_VSCROLL)) == 0 || message == SKM_COMMAND || message == WM_GETTEXT ||
        message == WM_GETTEXTLENGTH || message == WM_SETCURSOR || message == WM_NCHITTEST)
        return TacMainWnd::WndProc(message, wParam, lParam);
    TacScrollBar horz(0, *this);
    TacScrollBar vert(1, *this);
    horz.Read(Window());
    vert.Read(Window());
    const LRESULT result = TacMainWnd::WndProc(message, wParam, lParam);
    if (!SendingScroll && !ThumbTracking && IsWindow(Window()) && !Detached())
        RepaintWhenChanged(horz.Info, vert.Info);
    if (message == WM_MOUSEWHEEL || message == WM_SIZE || message == WM_WINDOWPOSCHANGED)
        if (IsWindow(Window()) && !Detached())
            RefreshBars();
    return result;
}

} // namespace korvane
