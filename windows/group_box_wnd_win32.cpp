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
    PixelSize text;
    if (const win32::WindowDC dc(Window()); dc.get()) {
        const WindowFontSelection font(dc.get(), Window());
        text = MeasureText(dc.get(), ui::WindowText(Window()), DT_CENTER, 0);
    }
    return GroupBoxCaptionRect(size.Width, text, (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0);
}

void TacGroupBoxWnd::BuildFace(const TsSkinManager& manager)
{
    const PixelSize size = WindowSizeOf(Window());
    const PixelRect caption = CaptionRect();
    const ParentBackground background = PaintSection(manager, 0, {0, caption.Height() / 2, size.Width, size.Height});
    if (Cache().Empty())
        return;
    const BitmapView view = Cache().View();
    const std::uint32_t fallback = GetSysColor(COLOR_BTNFACE);
    FillFromBackground(view, {0, 0, size.Width, caption.Height() / 2}, background, fallback);
    const std::wstring text = ui::WindowText(Window());
    if (!text.empty()) {
        FillFromBackground(view, caption, background, fallback);
        const WindowFontSelection font(Cache().Dc(), Window());
        UINT flags = DT_CENTER | DT_VCENTER | DT_SINGLELINE;
        if (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING)
            flags |= DT_RTLREADING;
        DrawCaption(manager, text, flags, caption, false, kKindGroupBox);
    }
}

void TacGroupBoxWnd::CopyFace(HDC dc)
{
    const int saved = SaveDC(dc);
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
        ExcludeClipRect(dc, left, top, Cache().Width() - right, Cache().Height() - bottom);
    }
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        RECT rect{};
        GetWindowRect(child, &rect);
        MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&rect), 2);
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    CopyCacheTo(dc, Cache());
    RestoreDC(dc, saved);
    for (HWND child = GetWindow(Window(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        TellParentReady(child);
}

std::optional<int> TacGroupBoxWnd::CaptionHeightAnswer()
{
    if (!Answering())
        return std::nullopt;
    return CaptionRect().Height();
}

std::optional<LRESULT> TacGroupBoxWnd::FaceMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_ERASEBKGND:
        // Asked with the same context twice, the box paints its face into it.
        if (wParam && static_cast<LPARAM>(wParam) == lParam) {
            if (CacheStale)
                BuildCache();
            CopyCacheTo(reinterpret_cast<HDC>(wParam), Cache());
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
    default:
        break;
    }
    return std::nullopt;
}

} // namespace korvane
