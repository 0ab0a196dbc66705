#include "windows/edit_wnd_win32.h"

#include "win32/dc_guards.h"
#include "win32/scope_guard.h"

#include "controls/common_data_win32.h"
#include "controls/disabled_look.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "skin/engine_commands.h"
#include "ui/window.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

// --- TacBaseWnd ----------------------------------------------------------------------------------

bool TacBaseWnd::SectionHasStates() const
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Tables().IsValidSection(SectionIndex()))
        return false;
    const TsGeneralData& section = manager->Tables().Sections[static_cast<std::size_t>(SectionIndex())];
    if (section.States > 1)
        return true;
    return manager->Tables().IsValidMask(section.BorderIndex) &&
           manager->Tables().Masks[static_cast<std::size_t>(section.BorderIndex)].ImageCount > 1;
}

void TacBaseWnd::RebuildFrameCache(bool flat)
{
    if (!CacheStale)
        return;
    TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return;
    const PixelSize windowSize = WindowSizeOf(Window());
    const PixelRect size{0, 0, windowSize.Width, windowSize.Height};
    if (!m_cache.Resize(size.Width(), size.Height()) || m_cache.Empty())
        return;
    const BitmapView view = m_cache.View();
    const SkinTables& tables = manager->Tables();
    const auto borderColour = static_cast<std::uint32_t>(tables.SkinData.BorderColor) & 0xFFFFFF;
    if (flat && borderColour != TransparentKey) {
        FillRectColor(view, size, GetSysColor(COLOR_WINDOW));
        FillRectColor(view, {0, 0, size.Right, 1}, borderColour);
        FillRectColor(view, {0, size.Bottom - 1, size.Right, size.Bottom}, borderColour);
        FillRectColor(view, {0, 0, 1, size.Bottom}, borderColour);
        FillRectColor(view, {size.Right - 1, 0, size.Right, size.Bottom}, borderColour);
    } else if (GetParent(Window()) && tables.IsValidSection(SectionIndex())) {
        const int state = (HasFocus || (ShowsHover() && Hot())) && SectionHasStates() ? 1 : 0;
        const SkinTablesPaintSource source(tables);
        const ParentBackground background = TsCommonData::GetParentBackground(Window());
        PaintSectionFace({SectionIndex(), Section()}, background, &source, view, size, state);
        // A disabled control says how its face is greyed (blended when it does not answer).
        if (ui::Window::FromHandle(Window()) && !IsWindowEnabled(Window())) {
            ApplyDisabledLook(view, DisabledKindOf(Window()), background,
                              static_cast<std::uint32_t>(GetSysColor(COLOR_BTNFACE)));
        }
    } else {
        return;
    }
    CacheStale = false;
}

void TacBaseWnd::PaintFrame(HDC dc)
{
    if (m_cache.Empty() || CacheStale)
        return;
    const win32::GivenOrWindowDC context(dc, Window(), win32::WindowDC::Area::Window);
    const HDC target = context.get();
    if (!target)
        return;
    const int width = m_cache.Width();
    const int height = m_cache.Height();
    const HDC source = m_cache.Dc();
    BitBlt(target, 0, 0, width, TopEdge, source, 0, 0, SRCCOPY);
    BitBlt(target, 0, height - BottomEdge, width, BottomEdge, source, 0, height - BottomEdge, SRCCOPY);
    BitBlt(target, 0, TopEdge, LeftEdge, height - TopEdge - BottomEdge, source, 0, TopEdge, SRCCOPY);
    BitBlt(target, width - RightEdge, TopEdge, RightEdge, height - TopEdge - BottomEdge, source, width - RightEdge,
           TopEdge, SRCCOPY);
}

LRESULT TacBaseWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const TsSkinManager* manager = Manager();
    if (StyleHidden || !manager || !manager->Active() || Detached())
        return TacScrollWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_SIZE:
    case WM_EXITSIZEMOVE: {
        CacheStale = true;
        const LRESULT result = TacScrollWnd::WndProc(message, wParam, lParam);
        if (message == WM_SIZE && IsWindowVisible(Window()))
            SendMessageW(Window(), WM_NCPAINT, 1, 0);
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = TacScrollWnd::WndProc(message, wParam, lParam);
        CacheStale = true;
        SendMessageW(Window(), WM_NCPAINT, 1, 0);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = TacScrollWnd::WndProc(message, wParam, lParam);
        HasFocus = message == WM_SETFOCUS;
        if (SectionHasStates()) {
            CacheStale = true;
            SendMessageW(Window(), WM_NCPAINT, 1, 0);
        }
        return result;
    }
    default:
        return TacScrollWnd::WndProc(message, wParam, lParam);
    }
}

// --- TacEditWnd ----------------------------------------------------------------------------------

TacEditWnd::TacEditWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacBaseWnd(window, section, manager)
{
}

void TacEditWnd::Initialize()
{
    if (ui::Window* control = ui::Window::FromHandle(Window()); control && !m_saved) {
        m_savedColour = control->Color();
        m_savedFontColour = control->FontColor();
        m_saved = true;
    }
}

void TacEditWnd::Restore()
{
    m_coloured = false;
    if (ui::Window* control = IsWindow(Window()) ? ui::Window::FromHandle(Window()) : nullptr; control && m_saved) {
        control->SetColor(m_savedColour);
        control->SetFontColor(m_savedFontColour);
    }
    if (IsWindow(Window()))
        SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TacEditWnd::SetSkinColours()
{
    if (m_applying)
        return;
    // Changing the control's colours repaints it: not while they change, and not into this again.
    const win32::FlagScope applying(m_applying);
    const win32::FlagScope suspended(PaintSuspended);
    TacMainWnd::SetSkinColours();
    const TsSkinManager* manager = Manager();
    const TsGeneralData* section = manager && manager->Tables().IsValidSection(SectionIndex())
                                       ? &manager->Tables().Sections[static_cast<std::size_t>(SectionIndex())]
                                       : nullptr;
    if (ui::Window* control = ui::Window::FromHandle(Window())) {
        if (section) {
            m_coloured = true;
            const bool hot = HasFocus && section->States > 1;
            // A skinned control keeps the colours its skin data says are its own.
            const TsCommonData* data = TsCommonData::Of(*control);
            if (!data || !data->CustomColor())
                control->SetColor(static_cast<COLORREF>(hot ? section->HotColor : section->Color) & 0xFFFFFF);
            if (!data || !data->CustomFont())
                control->SetFontColor(static_cast<COLORREF>(hot ? section->HotFontColor[1] : section->FontColor[1]) &
                                      0xFFFFFF);
        }
    }
    CacheStale = true;
}

LRESULT TacEditWnd::OnPrint(HDC dc, LPARAM flags)
{
    const LRESULT previous = CallPrevious(WM_PRINT, reinterpret_cast<WPARAM>(dc), flags);
    if (previous == 2 || !dc)
        return previous;
    RECT client{};
    GetClientRect(Window(), &client);
    POINT origin{};
    SetViewportOrgEx(dc, LeftEdge + (LeftScrollBar && VertBar.Shown ? VertBar.BarThickness() : 0), TopEdge, &origin);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    SendMessageW(Window(), WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageW(Window(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT | PRF_OWNED);
    RestoreDC(dc, saved);
    SetViewportOrgEx(dc, origin.x, origin.y, nullptr);
    // The frame and the bars last: the window's own printing may cover its whole window.
    const int beforeFrame = SaveDC(dc);
    SelectClipRgn(dc, nullptr);
    CacheStale = true;
    RebuildFrameCache(DialogChild());
    PaintFrame(dc);
    PaintNonClient(dc);
    RestoreDC(dc, beforeFrame);
    return 0;
}

std::optional<std::int32_t> TacEditWnd::SectionIndexAnswer()
{
    if (StyleHidden || !Answering())
        return std::nullopt;
    return SectionIndex();
}

void TacEditWnd::OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest)
{
    // The manager is already off when it tells its windows the skin went: the window gets its
    // own colours and its platform frame and bars back.
    if (change == SkinChange::Remove && own) {
        if (m_coloured)
            Restore();
        rest();
        return;
    }
    const TsSkinManager* manager = Manager();
    const bool active = manager && manager->Active();
    if (m_coloured && !active)
        Restore();
    // A new or changed skin of its own manager: the window takes the skin's colours and frame.
    const bool takesSkin = own && change != SkinChange::Remove && active && !StyleHidden;
    TacBaseWnd::OnSkinChanged(change, own, rest);
    if (!takesSkin)
        return;
    SetSkinColours();
    if (change == SkinChange::Set)
        SetWindowPos(Window(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else if (IsWindowVisible(Window()))
        SendMessageW(Window(), WM_NCPAINT, 1, 0);
}

LRESULT TacEditWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TsSkinManager* manager = Manager();
    // A window the manager's broadcast does not reach notices the skin went at its next message.
    if (m_coloured && (!manager || !manager->Active()) && !Detached())
        Restore();
    if (StyleHidden || !manager || !manager->Active() || Detached())
        return TacBaseWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT:
    case WM_ERASEBKGND:
        if (!ColoursApplied())
            SetSkinColours();
        break;
    case WM_NCPAINT:
        if (IsWindowVisible(Window()) && !PaintSuspended && !SendingScroll) {
            if (CacheStale) {
                if (!ColoursApplied())
                    SetSkinColours();
                RebuildFrameCache(DialogChild());
            }
            PaintNonClient();
            PaintFrame(nullptr);
        }
        return 0;
    case WM_PRINT:
        return OnPrint(reinterpret_cast<HDC>(wParam), lParam);
    case WM_SETFONT: {
        const LRESULT result = TacBaseWnd::WndProc(message, wParam, lParam);
        if (!PaintSuspended && IsWindowVisible(Window()))
            RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = TacBaseWnd::WndProc(message, wParam, lParam);
        if (SectionHasStates())
            SetSkinColours();
        return result;
    }
    case LB_GETTOPINDEX: {
        // An empty list box of the class library has no top item: -1, not the platform's 0.
        const LRESULT top = TacBaseWnd::WndProc(message, wParam, lParam);
        wchar_t name[16] = {};
        GetClassNameW(Window(), name, 16);
        if (top == 0 && ui::Window::FromHandle(Window()) && lstrcmpiW(name, L"ListBox") == 0 &&
            SendMessageW(Window(), LB_GETCOUNT, 0, 0) == 0)
            return -1;
        return top;
    }
    case SKM_COMMAND:
        if (EngineCommandOf(wParam) == SKC_PREPARECACHE) {
            RebuildFrameCache(DialogChild());
            return 0;
        }
        break;
    default:
        break;
    }
    return TacBaseWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
