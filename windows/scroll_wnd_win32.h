#pragma once

#include "gfx/pixel_rect.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"
#include "windows/scroll_bar_geometry.h"
#include "windows/scroll_tracking.h"

#include <windows.h>

namespace korvane {

class TacScrollWnd;

// One of a window's two skinned scroll bars.
class TacScrollBar {
public:
    TacScrollBar(int kind, TacScrollWnd& owner) : Kind(kind), Owner(owner) {}

    const int Kind;     // 0 horizontal, 1 vertical
    int StyleFlags = 0; // 8 while the window has this bar's style
    bool Shown = false; // room is reserved and the bar is painted
    SCROLLINFO Info{};
    int ArrowLengthSet = -1; // -1: the system's arrow width
    int ThicknessSet = -1;   // -1: the system's bar thickness
    int MinThumb = kMinThumbLength;
    TacScrollWnd& Owner;

    int BarThickness() const;
    int ArrowLength() const;
    // Reads the platform's scroll information of the bar.
    void Read(HWND window);
    ScrollValues Values() const;
    // The platform's information is readable and does not mark the bar unavailable.
    bool Enabled(HWND window) const;
    // The bar laid out along its axis, in window coordinates.
    BarAxis Axis(const PixelRect& rect) const;
};

// The times a mouse action on a bar waits for; the tests replace them by a fake clock.
struct ScrollTimerService {
    void (*Start)(HWND window, UINT_PTR id, UINT milliseconds) = nullptr;
    void (*Stop)(HWND window, UINT_PTR id) = nullptr;
};
ScrollTimerService& ScrollTimers();

// The adapter of a window whose scroll bars the skin draws: it hides the bars' styles from the
// platform while the platform computes the client area and reserves their room itself, paints
// them from the skin's scroll-bar sections, hit-tests and tracks the mouse on them, and sends the
// window the ordinary scroll messages, so that the window scrolls as if its own bars were used.
class TacScrollWnd : public TacMainWnd {
public:
    TacScrollWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    ~TacScrollWnd() override;

    TacScrollBar HorzBar{0, *this};
    TacScrollBar VertBar{1, *this};
    int LeftEdge = 0;
    int TopEdge = 0;
    int RightEdge = 0;
    int BottomEdge = 0;
    bool LeftScrollBar = false;
    bool ThumbTracking = false;
    bool SendingScroll = false;
    bool StyleHidden = false;

    // The bars' rectangles in window coordinates (empty when not shown).
    // Where the bars and their corner lie in the window now.
    BarLayout CurrentBarLayout() const;
    PixelRect HorzBarRect() const;
    PixelRect VertBarRect() const;
    // The square between the two bars, empty unless both are shown.
    PixelRect CornerRect() const;
    // The part of a bar under a window-relative point.
    int HitTestBar(const TacScrollBar& bar, const PixelRect& rect, POINT point) const;

    void PaintBar(TacScrollBar& bar, HDC dc, int pressedPart, int hotPart, const PixelRect& rect);
    // Paints both bars and the corner into the context (the window's own when null).
    void PaintNonClient(HDC dc = nullptr);
    // Paints the bars and the corner asked for.
    void PaintBars(HDC dc, bool horz, bool vert, bool corner);
    // Re-reads both bars and, unless painting is suspended, repaints them on a visible window.
    void RefreshBars(bool paint = true);

    // Sends the window a scroll message as its own bars would, between SKC_BEFORESCROLL and
    // SKC_AFTERSCROLL.
    static void SendScroll(HWND window, UINT message, int code, int position);

    // The window that holds the mouse action in progress, or null.
    static HWND TrackWindow();

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
    // The frame strips around the client and the bars; nothing in the base.
    virtual void PaintFrame(HDC) {}
    // Painting is held back (style change, capture, suspended owner).
    virtual bool BarsSuspended() const { return PaintSuspended || StyleHidden; }
    // Whether the window shows the pressed and hover states (only the tracked one does).
    bool IsTracked() const;
    // The corner square shows the size grip: the window's lower corner on the vertical bar's
    // side is its top-level window's client corner.
    bool GripShown() const;
    // Ends the mouse action on this window's bars, when there is one (the release's scrolls).
    void OnButtonUp();

private:
    LRESULT OnNcCalcSize(WPARAM wParam, LPARAM lParam);
    LRESULT OnNcHitTest(WPARAM wParam, LPARAM lParam);
    bool OnNcButtonDown(WPARAM wParam, LPARAM lParam);
    void OnRepeatTimer(UINT_PTR id);
    void OnHoverTimer();
    void OnCapturedMove(LPARAM lParam);
    void Carry(const TrackEffects& effects);
    TacScrollBar& TrackedBar();
    PixelRect TrackedRect() const;
    // A screen point in window coordinates.
    POINT ToWindow(POINT screen) const;
    // The scroll information may have changed during the window's own handling of a message:
    // the platform then draws its own bar in the reserved place, so the skinned one goes back.
    void RepaintWhenChanged(const SCROLLINFO& horz, const SCROLLINFO& vert);

    // Each bar is composed in its own bitmap, kept between paints.
    win32::DibSection m_work[2];
};

} // namespace korvane
