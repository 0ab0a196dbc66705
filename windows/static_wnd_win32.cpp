#include "windows/static_wnd_win32.h"

#include "ui/window_text.h"
#include "win32/dc_guards.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

bool TacStaticWnd::PaintsWindow() const
{
    return (GetWindowLongW(Window(), GWL_STYLE) & WS_TABSTOP) == 0 &&
           (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_STATICEDGE) == 0;
}

void TacStaticWnd::PaintStatic(HDC dc)
{
    const TsSkinManager* manager = Manager();
    if (!manager)
        return;
    CacheStale = true;
    PaintAdapterFace(m_cache, Window(), *manager, SectionIndex(), Section(), 0);
    if (m_cache.Empty())
        return;
    const std::wstring text = ui::WindowText(Window());
    if (!text.empty()) {
        const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
        UINT flags = DT_EXPANDTABS | DT_WORDBREAK | DT_NOCLIP;
        if (style & SS_NOPREFIX)
            flags |= DT_NOPREFIX;
        // The static's own alignment: centred and right-aligned texts keep their place.
        const DWORD type = style & SS_TYPEMASK;
        if (type == SS_CENTER)
            flags |= DT_CENTER;
        if (type == SS_RIGHT || (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RIGHT))
            flags |= DT_RIGHT;
        const WindowFontSelection font(m_cache.Dc(), Window());
        DrawAdapterCaption(m_cache, Window(), text, IsWindowEnabled(Window()) != FALSE, false, manager, SectionIndex(),
                           flags, {0, 0, m_cache.Width(), m_cache.Height()}, m_glowWork);
    }
    CacheStale = false;
    const win32::GivenOrWindowDC context(dc, Window());
    const HDC target = context.get();
    CopyCacheTo(target, m_cache);
}

void TacStaticWnd::Redraw()
{
    RedrawWindow(Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

LRESULT TacStaticWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached() || !PaintsWindow())
        return TacMainWnd::WndProc(message, wParam, lParam);
    const bool visible = IsWindowVisible(Window()) != FALSE;
    switch (message) {
    case WM_PAINT: {
        const AdapterPaint paint(Window(), wParam);
        if (visible)
            PaintStatic(paint.Dc());
        return 0;
    }
    case WM_PRINT:
        PaintStatic(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (visible)
            return 1;
        break;
    case WM_NCPAINT:
        return 0;
    case WM_MOVE:
    case WM_ENABLE: {
        if (!visible)
            break;
        CacheStale = true;
        const LRESULT result = CallPrevious(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_SETTEXT: {
        if (!visible)
            break;
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        ReadCaption();
        CacheStale = true;
        Redraw();
        return result;
    }
    default:
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
