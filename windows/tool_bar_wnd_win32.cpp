#include "windows/tool_bar_wnd_win32.h"

#include "controls/skin_data_rules.h"
#include "gfx/colors.h"
#include "gfx/piece_copy.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"
#include "windows/tool_button_layout.h"

#include <commctrl.h>

#include <algorithm>
#include <string>

namespace korvane {

namespace {

#ifndef BTNS_WHOLEDROPDOWN
constexpr BYTE BTNS_WHOLEDROPDOWN = 0x80;
#endif

// A disabled button keeps this much of its own picture over the bar's face.
constexpr double kDisabledWeight = 0.4;

} // namespace

TacToolBarWnd::TacToolBarWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager)
{
}

bool TacToolBarWnd::CheckSuspended()
{
    PaintSuspended = ParentHoldsPainting(Window());
    return PaintSuspended;
}

void TacToolBarWnd::PrepareCache()
{
    TsSkinManager* manager = Manager();
    if (!CacheStale || !manager || !manager->Active())
        return;
    RECT window{};
    GetWindowRect(Window(), &window);
    RECT client{};
    GetClientRect(Window(), &client);
    POINT origin{0, 0};
    ClientToScreen(Window(), &origin);
    ClientRect = BoundsRect(origin.x - window.left, origin.y - window.top, client.right, client.bottom);
    BorderWidth = (window.bottom - window.top - client.bottom) / 2;
    if (!manager->Tables().IsValidSection(SectionIndex()))
        return;
    PaintAdapterFace(m_cache, Window(), *manager, SectionIndex(), Section(), 0);
    if (m_cache.Empty())
        return;
    CacheStale = false;
}

void TacToolBarWnd::PaintClient(HDC dc)
{
    if (!dc || CheckSuspended())
        return;
    PrepareCache();
    if (CacheStale || m_cache.Empty() || !m_work.Resize(m_cache.Width(), m_cache.Height()) || m_work.Empty())
        return;
    const PixelRect whole{0, 0, m_cache.Width(), m_cache.Height()};
    CopyRect(m_work.View(), 0, 0, m_cache.View(), whole);
    POINT cursor{};
    GetCursorPos(&cursor);
    ScreenToClient(Window(), &cursor);
    const int count = static_cast<int>(SendMessageW(Window(), TB_BUTTONCOUNT, 0, 0));
    for (int index = 0; index < count; ++index) {
        RECT item{};
        if (!SendMessageW(Window(), TB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item)))
            continue;
        const bool hot = PtInRect(&item, cursor) != FALSE;
        PaintButton(index,
                    PixelRect{item.left, item.top, item.right, item.bottom}.Offset(ClientRect.Left, ClientRect.Top),
                    hot);
    }
    BitBlt(dc, 0, 0, ClientRect.Width(), ClientRect.Height(), m_work.Dc(), ClientRect.Left, ClientRect.Top, SRCCOPY);
}

void TacToolBarWnd::PaintSeparator(const PixelRect& rect)
{
    const TsSkinManager* manager = Manager();
    const SkinTables& tables = manager->Tables();
    const int divider = tables.FindSection(u"DIVIDER");
    if (!tables.IsValidSection(divider) ||
        !tables.IsValidMask(tables.Sections[static_cast<std::size_t>(divider)].BorderIndex))
        return;
    const PixelRect strip = DividerStrip(rect.Width(), rect.Height()).Offset(rect.Left, rect.Top);
    const SkinTablesPaintSource source(tables);
    PaintSectionFace({divider, tables.Sections[static_cast<std::size_t>(divider)].SectionName},
                     BitmapBackground(m_cache.View(), 0, 0), &source, m_work.View(), strip, 0);
}

void TacToolBarWnd::PaintButton(int index, const PixelRect& rect, bool hot)
{
    if (rect.IsEmpty())
        return;
    TBBUTTON button{};
    if (!SendMessageW(Window(), TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&button)) ||
        (button.fsState & TBSTATE_HIDDEN))
        return;
    if (button.fsStyle & BTNS_SEP) {
        PaintSeparator(rect);
        return;
    }
    TsSkinManager* manager = Manager();
    const SkinTables& tables = manager->Tables();
    const SkinTablesPaintSource source(tables);
    const bool enabled = (button.fsState & TBSTATE_ENABLED) != 0;
    const bool pressed = (button.fsState & TBSTATE_PRESSED) != 0;
    const int state = ToolButtonState(enabled, pressed, hot);
    const BitmapView work = m_work.View();
    const BitmapView cache = m_cache.View();
    if (const int face = tables.FindSection(u"TOOLBUTTON"); tables.IsValidSection(face)) {
        const TsGeneralData& section = tables.Sections[static_cast<std::size_t>(face)];
        PaintSectionFace({face, section.SectionName}, BitmapBackground(cache, 0, 0), &source, work, rect,
                         LimitState(state, section.States));
    }
    const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(Window(), TB_GETIMAGELIST, 0, 0));
    int iconWidth = 0;
    int iconHeight = 0;
    const bool hasIcon = images && button.iBitmap >= 0 && ImageList_GetIconSize(images, &iconWidth, &iconHeight);
    const int arrowIndex =
        (button.fsStyle & BTNS_WHOLEDROPDOWN) ? manager->IndexCache.ScrollBtnSections[1].GlyphMask : -1;
    const TsMaskData* arrow =
        tables.IsValidMask(arrowIndex) ? &tables.Masks[static_cast<std::size_t>(arrowIndex)] : nullptr;
    ToolButtonContent content;
    content.IconWidth = hasIcon ? iconWidth : 0;
    content.IconHeight = hasIcon ? iconHeight : 0;
    content.ArrowWidth = arrow ? FrameWidth(*arrow) : 0;
    content.ArrowHeight = arrow ? FrameHeight(*arrow) : 0;
    content.Pressed = pressed && enabled;
    const ToolButtonPlace place = PlaceToolButton(rect.Width(), rect.Height(), content);
    if (arrow)
        PaintStateImage(work, rect.Left + place.ArrowX, rect.Top + place.ArrowY,
                        std::min(state, std::max(0, arrow->ImageCount - 1)), SelfBackground(work), *arrow, 1,
                        source.MasterBitmap());
    if (hasIcon)
        ImageList_DrawEx(images, button.iBitmap, m_work.Dc(), rect.Left + place.IconX, rect.Top + place.IconY, 0, 0,
                         CLR_NONE, CLR_NONE, ILD_TRANSPARENT);
    PaintButtonText(button, state, place.Text.Offset(rect.Left, rect.Top));
    if (!enabled)
        BlendKeyedPiece(m_work.View(), rect.Left, rect.Top, cache, rect, TransparentKey, kDisabledWeight);
}

void TacToolBarWnd::PaintButtonText(const TBBUTTON& button, int state, const PixelRect& rect)
{
    const auto length =
        static_cast<int>(SendMessageW(Window(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand), 0));
    if (length <= 0 || rect.IsEmpty())
        return;
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    SendMessageW(Window(), TB_GETBUTTONTEXTW, static_cast<WPARAM>(button.idCommand),
                 reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(length));
    TsSkinManager* manager = Manager();
    const SkinTables& tables = manager->Tables();
    // A normal button shows the bar's own text colours when its section gives its own font.
    int colours = tables.FindSection(u"TOOLBUTTON");
    if (state == 0 && tables.IsValidSection(SectionIndex()) &&
        tables.Sections[static_cast<std::size_t>(SectionIndex())].GiveOwnFont)
        colours = SectionIndex();
    const HDC canvas = m_work.Dc();
    const WindowFontSelection font(canvas, Window());
    const auto measure = [canvas](std::wstring_view part) {
        SIZE size{};
        GetTextExtentPoint32W(canvas, part.data(), static_cast<int>(part.size()), &size);
        return static_cast<int>(size.cx);
    };
    const ToolButtonLines lines = SplitToolButtonText(text, rect.Width(), measure);
    if (lines.Split()) {
        TEXTMETRICW metrics{};
        GetTextMetricsW(canvas, &metrics);
        const int lineHeight = metrics.tmHeight;
        DrawAdapterCaption(m_work, Window(), lines.First, true, state != 0, manager, colours, DT_CENTER | DT_SINGLELINE,
                           {rect.Left, rect.Top, rect.Right, rect.Top + lineHeight}, m_glowWork);
        DrawAdapterCaption(
            m_work, Window(), lines.Rest, true, state != 0, manager, colours, DT_END_ELLIPSIS | DT_SINGLELINE,
            {rect.Left, rect.Top + lineHeight, rect.Right, std::min(rect.Top + 2 * lineHeight, rect.Bottom)},
            m_glowWork);
    } else {
        DrawAdapterCaption(m_work, Window(), lines.First, true, state != 0, manager, colours,
                           DT_CENTER | DT_VCENTER | DT_WORDBREAK | DT_END_ELLIPSIS, rect, m_glowWork);
    }
}

void TacToolBarWnd::PaintFrame(HDC dc)
{
    if (CacheStale || m_cache.Empty() || !dc)
        return;
    const int width = m_cache.Width();
    const int height = m_cache.Height();
    const HDC source = m_cache.Dc();
    const PixelRect& client = ClientRect;
    BitBlt(dc, 0, 0, width, client.Top, source, 0, 0, SRCCOPY);
    BitBlt(dc, 0, client.Bottom, width, height - client.Bottom, source, 0, client.Bottom, SRCCOPY);
    BitBlt(dc, 0, client.Top, client.Left, client.Height(), source, 0, client.Top, SRCCOPY);
    BitBlt(dc, client.Right, client.Top, width - client.Right, client.Height(), source, client.Right, client.Top,
           SRCCOPY);
}

LRESULT TacToolBarWnd::OnPrint(HDC dc, LPARAM flags)
{
    if (!dc || CheckSuspended())
        return 0;
    PrepareCache();
    if (flags & PRF_NONCLIENT)
        PaintFrame(dc);
    POINT origin{};
    OffsetViewportOrgEx(dc, ClientRect.Left, ClientRect.Top, &origin);
    PaintClient(dc);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    return 0;
}

LRESULT TacToolBarWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached() || !manager->Tables().IsValidSection(SectionIndex()))
        return TacMainWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        const AdapterPaint paint(Window(), wParam);
        PaintClient(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintClient(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_PRINT:
        return OnPrint(reinterpret_cast<HDC>(wParam), lParam);
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT: {
        // The platform's frame of a tool bar is its client edge (or the divider line above it):
        // painted from the cache like the rest of the bar.
        if (CheckSuspended())
            return 0;
        PrepareCache();
        if (!ClientRect.IsEmpty() && (ClientRect.Left > 0 || ClientRect.Top > 0 || ClientRect.Right < m_cache.Width() ||
                                      ClientRect.Bottom < m_cache.Height())) {
            if (HDC dc = GetWindowDC(Window())) {
                PaintFrame(dc);
                ReleaseDC(Window(), dc);
            }
        }
        return 0;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED: {
        CacheStale = true;
        const LRESULT result = TacMainWnd::WndProc(message, wParam, lParam);
        if (IsWindow(Window()) && IsWindowVisible(Window())) {
            SendMessageW(Window(), WM_NCPAINT, 1, 0);
            if (message == WM_SIZE)
                InvalidateRect(Window(), nullptr, FALSE);
        }
        return result;
    }
    default:
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
