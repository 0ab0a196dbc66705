#include "windows/combo_list_wnd_win32.h"

#include "skin/engine_commands.h"
#include "win32/rect.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

namespace {

// The list box's own notifications to itself when its combo box shows and hides it.
constexpr UINT kListShowing = 0x1AE;
constexpr UINT kListHiding = 0x1AF;

} // namespace

TacComboListWnd::TacComboListWnd(HWND window, std::u16string_view section, TsSkinManager* manager, bool simpleBox)
    : TacEditWnd(window, section, manager)
    , m_simpleBox(simpleBox)
{
}

void TacComboListWnd::CreateList(bool frameChange)
{
    GetWindowRect(Window(), &m_createdRect);
    Create(frameChange);
    if (!m_simpleBox) {
        SetWindowPos(Window(), nullptr, 0, 0, m_createdRect.right - m_createdRect.left + 1,
                     m_createdRect.bottom - m_createdRect.top,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
    }
}

void TacComboListWnd::SetShown(bool shown)
{
    if (!shown)
        CacheStale = true;
    if (shown == m_listShown)
        return;
    m_listShown = shown;
    if (OnShownChanged)
        OnShownChanged(shown);
}

LRESULT TacComboListWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const TsSkinManager* manager = Manager();
    if (StyleHidden || !manager || !manager->Active() || Detached())
        return TacEditWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case kListShowing:
        SetShown(true);
        break;
    case kListHiding:
        SetShown(false);
        break;
    case WM_WINDOWPOSCHANGED: {
        const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        if (position->flags & SWP_SHOWWINDOW)
            SetShown(true);
        else if (position->flags & SWP_HIDEWINDOW)
            SetShown(false);
        return result;
    }
    case WM_LBUTTONUP: {
        // Window coordinates: on a bar the press that started there ends; elsewhere any tracking
        // ends and the list takes the release as its choice.
        POINT point = win32::PointOfLParam(lParam);
        ClientToScreen(Window(), &point);
        RECT window{};
        GetWindowRect(Window(), &window);
        const POINT at{point.x - window.left, point.y - window.top};
        const PixelRect horz = HorzBarRect();
        const PixelRect vert = VertBarRect();
        const bool onBar = horz.Contains(at.x, at.y) || vert.Contains(at.x, at.y);
        if (onBar) {
            const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
            if (m_simpleBox)
                ReleaseCapture();
            return result;
        }
        OnButtonUp();
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (GetCapture() == Window())
            ReleaseCapture();
        return result;
    }
    case WM_PRINT:
    case WM_PRINTCLIENT:
        if (wParam && IsWindowVisible(Window())) {
            CacheStale = true;
            RebuildFrameCache(DialogChild());
        }
        break;
    default:
        break;
    }
    return TacEditWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
