#include "windows/face_wnd_win32.h"

#include "win32/dc_guards.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

TacFaceWnd::TacFaceWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager)
{
}

TacFaceWnd::~TacFaceWnd() = default;

void TacFaceWnd::BuildCache()
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return;
    BuildFace(*manager);
    CacheStale = m_cache.Empty();
}

void TacFaceWnd::PaintFace(HDC dc)
{
    PaintSuspended = ParentHoldsPainting(Window());
    if (PaintSuspended)
        return;
    const win32::GivenOrWindowDC context(
        dc, Window(), PaintsNonClient() ? win32::WindowDC::Area::Window : win32::WindowDC::Area::Client);
    if (!context.get())
        return;
    BuildCache();
    if (!m_cache.Empty())
        CopyFace(context.get());
}

void TacFaceWnd::CopyFace(HDC dc)
{
    CopyCacheTo(dc, m_cache);
}

void TacFaceWnd::RedrawFace()
{
    CacheStale = true;
    if (IsWindowVisible(Window()))
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
}

void TacFaceWnd::InvalidateFace()
{
    CacheStale = true;
    if (IsWindowVisible(Window()))
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_FRAME);
}

void TacFaceWnd::HoverChanged()
{
    PaintSuspended = false;
    InvalidateFace();
    ShowHover();
}

ParentBackground TacFaceWnd::PaintSection(const TsSkinManager& manager, int state, PixelRect rect)
{
    return PaintAdapterFace(m_cache, Window(), manager, SectionIndex(), Section(), state, rect);
}

void TacFaceWnd::DrawCaption(const TsSkinManager& manager, std::wstring_view text, UINT flags, const PixelRect& rect,
                             bool active, ControlKindCode kind, bool enabled)
{
    DrawAdapterCaption(m_cache, Window(), text, enabled, active, &manager, SectionIndex(), flags, rect, m_glowWork,
                       kind);
}

void TacFaceWnd::FadeWhenDisabled(const ParentBackground& background)
{
    if (!IsWindowEnabled(Window()))
        FadeDisabledFace(m_cache, background);
}

LRESULT TacFaceWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached() || !PaintsWindow())
        return TacMainWnd::WndProc(message, wParam, lParam);
    if (const std::optional<LRESULT> handled = FaceMessage(message, wParam, lParam))
        return *handled;
    switch (message) {
    case WM_PAINT: {
        if (OwnerPaints())
            break;
        if (!ColoursApplied())
            SetSkinColours();
        const AdapterPaint paint(Window(), wParam);
        if (wParam || IsWindowVisible(Window()))
            PaintFace(paint.Dc());
        return 0;
    }
    case WM_PRINT:
        if (OwnerPaints())
            break;
        PaintFace(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        // An owner-drawn window gets the face behind what its owner paints.
        if (OwnerPaints() && wParam) {
            BuildCache();
            CopyCacheTo(reinterpret_cast<HDC>(wParam), m_cache);
        }
        return 1;
    case WM_NCPAINT:
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        HasFocus = message == WM_SETFOCUS;
        RedrawFace();
        return result;
    }
    case WM_SETTEXT:
    case WM_ENABLE: {
        // The platform's own painting of the change is held back; the face shows it instead.
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        if (message == WM_SETTEXT)
            ReadCaption();
        RedrawFace();
        return result;
    }
    default:
        if (RedrawsAfter(message)) {
            const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
            RedrawFace();
            return result;
        }
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
