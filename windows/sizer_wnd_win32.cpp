#include "windows/sizer_wnd_win32.h"

#include "controls/common_data_win32.h"
#include "gfx/background_fade.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

#include <algorithm>

namespace korvane {

int TacSizerWnd::GripImage() const
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return -1;
    const int grip = manager->Tables().FindMask(manager->IndexCache.GlobalInfoSection, u"GLOBALINFO", u"GRIPIMAGE");
    return manager->Tables().IsValidMask(grip) ? grip : -1;
}

void TacSizerWnd::PaintGrip(HDC dc)
{
    const int grip = GripImage();
    RECT rect{};
    GetClientRect(Window(), &rect);
    const int width = rect.right;
    const int height = rect.bottom;
    if (!dc || grip < 0 || !m_work.Resize(width, height) || m_work.Empty())
        return;
    const SkinTables& tables = Manager()->Tables();
    const BitmapView view = m_work.View();
    const PixelRect whole{0, 0, width, height};
    FillFromBackground(view, whole, TsCommonData::GetParentBackground(Window()), GetSysColor(COLOR_BTNFACE));
    const TsMaskData& mask = tables.Masks[static_cast<std::size_t>(grip)];
    const SkinTablesPaintSource source(tables);
    PaintStateImage(view, std::max(0, width - FrameWidth(mask)), std::max(0, height - FrameHeight(mask)), 0,
                    SelfBackground(view), mask, 1, source.MasterBitmap());
    BitBlt(dc, 0, 0, width, height, m_work.Dc(), 0, 0, SRCCOPY);
}

LRESULT TacSizerWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached())
        return TacMainWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        const AdapterPaint paint(Window(), wParam);
        PaintGrip(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintGrip(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
        return 0;
    case WM_NCHITTEST: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (!IsWindowEnabled(Window()))
            return result;
        if (manager->HotWindow())
            manager->SetHotWindow(nullptr);
        return HTBOTTOMRIGHT;
    }
    case WM_NCLBUTTONDOWN:
    case WM_NCLBUTTONDBLCLK:
        if (wParam != HTBOTTOMRIGHT)
            break;
        // The answer above would make the platform size the grip itself: a press sizes the
        // grip's parent instead, as the platform's own grip does with a press on its client.
        if (message == WM_NCLBUTTONDOWN && GetParent(Window()))
            SendMessageW(GetParent(Window()), WM_SYSCOMMAND, SC_SIZE + WMSZ_BOTTOMRIGHT, lParam);
        return 0;
    default:
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
