#include "windows/group_box_wnd_win32.h"

#include "gfx/background_fade.h"
#include "skin/engine_commands.h"
#include "ui/window.h"
#include "ui/window_text.h"
#include "win32/dc_guards.h"
#include "windows/adapted_control_layout.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

PixelRect TacGroupBoxWnd::CaptionRect()
{
    const PixelSize size = WindowSizeOf(Window());
    const HDC dc = GetDC(Window());
    PixelSize text;
    if (dc) {
        WindowFontSelection font(dc, Window());
        text = MeasureCaption(dc, ui::WindowText(Window()), DT_CENTER, 0);
    }
    if (dc)
        ReleaseDC(Window(), dc);
    return GroupBoxCaptionRect(size.Width, text,
                               (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0);
}

void TacGroupBoxWnd::BuildCache()
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return;
    const PixelSize size = WindowSizeOf(Window());
    const PixelRect caption = CaptionRect();
    const ParentBackground background = PaintAdapterFace(m_cache, Window(), *manager, SectionIndex(), Section(), 0,
                                                         {0, caption.Height() / 2, size.Width, size.Height});
    if (m_cache.Empty())
        return;
    const BitmapView view = m_cache.View();
    const std::uint32_t fallback = GetSysColor(COLOR_BTNFACE);
    FillFromBackground(view, {0, 0, size.Width, caption.Height() / 2}, background, fallback);
    const std::wstring text = ui::WindowText(Window());
    if (!text.empty()) {
        FillFromBackground(view, caption, background, fallback);
        WindowFontSelection font(m_cache.Dc(), Window());
        UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING)
            flags |= DT_RTLREADING;
        DrawAdapterCaption(m_cache, Window(), text, true, false, manager, SectionIndex(), flags, caption, m_glowWork,
                           kKindGroupBox);
    }
    CacheStale = false;
}

void TacGroupBoxWnd::PaintGroupBox(HDC dc)
{
    PaintSuspended = ParentHoldsPainting(Window());
    if (PaintSuspended)
        return;
    const win32::GivenOrWindowDC context(dc, Window(), win32::WindowDC::Area::Window);
    const HDC target = context.get();
    if (!target)
        return;
    BuildCache();
    const int saved = SaveDC(target);
    const TsSkinManager* manager = Manager();
    if (DialogChild() && manager) {
        // The dialog's face shows inside the box; only the frame and the caption are painted.
        int left = 0;
        int right = 0;
        int bottom = 0;
        if (manager->Tables().IsValidSection(SectionIndex())) {
            const int mask = manager->Tables().Sections[static_cast<std::size_t>(SectionIndex())].BorderIndex;
            SkinTables& tables = const_cast<SkinTables&>(manager->Tables());
            left = tables.MaskLeftWidth(mask);
            right = tables.MaskRightWidth(mask);
            bottom = tables.MaskBottomWidth(mask);
        }
        const int top = CaptionRect().Height();
        ExcludeClipRect(target, left, top, m_cache.Width() - right, m_cache.Height() - bottom);
    }
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        ExcludeClipRect(target, rect.left, rect.top, rect.right, rect.bottom);
    }
    CopyCacheTo(target, m_cache);
    RestoreDC(target, saved);
    BroadcastToChildWindows(Window(), SKM_COMMAND, EngineCommandWParam(SKC_PARENTREADY),
                            reinterpret_cast<LPARAM>(static_cast<const SkinManagerCore*>(Manager())));
}

void TacGroupBoxWnd::Redraw()
{
    CacheStale = true;
    RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
}

LRESULT TacGroupBoxWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached())
        return TacMainWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case SKM_COMMAND:
        if (EngineCommand::FromWParam(wParam).Code == SKC_GETCAPTIONHEIGHT)
            return CaptionRect().Height();
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        Redraw();
        return result;
    }
    case WM_SETTEXT: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        ReadCaption();
        Redraw();
        return result;
    }
    case WM_PAINT: {
        const AdapterPaint paint(Window(), wParam);
        PaintGroupBox(paint.Dc());
        return 0;
    }
    case WM_NCPAINT:
        return DialogChild() ? 1 : 0;
    case WM_ERASEBKGND:
        if (wParam && static_cast<LPARAM>(wParam) == lParam) {
            if (CacheStale)
                BuildCache();
            CopyCacheTo(reinterpret_cast<HDC>(wParam), m_cache);
        }
        return 1;
    case WM_PARENTNOTIFY: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        // The new child is adapted by the box's form once its creation has completed.
        if (LOWORD(wParam) == WM_CREATE) {
            if (const HWND root = GetAncestor(Window(), GA_ROOT))
                PostMessageW(root, SKM_COMMAND, EngineCommandWParam(SKC_ADAPTCHILD, DialogChild() ? 1 : 0), lParam);
        }
        return result;
    }
    case WM_PRINT:
        CacheStale = true;
        PaintGroupBox(reinterpret_cast<HDC>(wParam));
        return 0;
    default:
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
