#include "windows/button_wnd_win32.h"

#include "controls/focus_frame.h"
#include "render/glow.h"
#include "render/skin_tables_source.h"
#include "skin/engine_commands.h"
#include "win32/dc_guards.h"
#include "windows/adapted_control_layout.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

TacBtnWnd::TacBtnWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacMainWnd(window, section, manager)
{
}

TacBtnWnd::~TacBtnWnd()
{
    HideGlow();
}

void TacBtnWnd::HideGlow()
{
    if (m_glow >= 0)
        korvane::HideGlow(m_glow);
    m_glow = -1;
}

int TacBtnWnd::ButtonState() const
{
    const auto buttonState = static_cast<UINT>(SendMessageW(Window(), BM_GETSTATE, 0, 0));
    const TsSkinManager* manager = Manager();
    PushButtonFacts facts;
    facts.Pushed = (buttonState & BST_PUSHED) != 0;
    facts.Enabled = IsWindowEnabled(Window()) != FALSE;
    facts.Focused = HasFocus || GetFocus() == Window();
    facts.Hot = manager && manager->HotWindow() == Window();
    facts.Default = (GetWindowLongW(Window(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return PushButtonState(facts);
}

UINT TacBtnWnd::CaptionFlags() const
{
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    UINT flags = DT_CENTER | DT_EXPANDTABS;
    if ((style & BS_MULTILINE) == 0)
        flags |= DT_WORDBREAK;
    if (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING)
        flags |= DT_RTLREADING;
    return flags;
}

int TacBtnWnd::CaptionWidthLimit() const
{
    return PushCaptionWidthLimit(WindowSizeOf(Window()).Width, !WindowCaption().empty(), GlyphSize().Width);
}

PixelSize TacBtnWnd::CaptionSize()
{
    const UINT flags = (CaptionFlags() & ~DT_RTLREADING) | DT_NOPREFIX;
    return MeasureCaption(m_cache.Dc(), WindowCaption(), flags, CaptionWidthLimit());
}

PixelRect TacBtnWnd::CaptionRect()
{
    const PixelSize size = WindowSizeOf(Window());
    const bool pushed = (SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
    return PushCaptionRect(size.Width, size.Height, CaptionSize(), pushed);
}

void TacBtnWnd::DrawCaption(const PixelRect& rect, UINT flags)
{
    DrawAdapterCaption(m_cache, Window(), WindowCaption(), true, ButtonState() != 0, Manager(), SectionIndex(), flags,
                       rect, m_glowWork);
}

void TacBtnWnd::PaintContent()
{
    const PixelRect caption = CaptionRect();
    DrawCaption(caption, CaptionFlags());
    const TsSkinManager* manager = Manager();
    const bool focused = (SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_FOCUS) != 0;
    if (IsWindowEnabled(Window()) && focused && !WindowCaption().empty() &&
        manager->Tables().IsValidSection(SectionIndex()) &&
        manager->Tables().Sections[static_cast<std::size_t>(SectionIndex())].ShowFocus) {
        DrawFocusFrame(m_cache.View(),
                       {caption.Left - 1, caption.Top - 1, caption.Right + 1, caption.Bottom + 1},
                       GetSysColor(COLOR_BTNFACE), 0);
    }
}

void TacBtnWnd::BuildCache()
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return;
    const ParentBackground background =
        PaintAdapterFace(m_cache, Window(), *manager, SectionIndex(), Section(), ButtonState());
    if (m_cache.Empty())
        return;
    {
        const WindowFontSelection font(m_cache.Dc(), Window());
        PaintContent();
        PaintGlyph();
    }
    if (!IsWindowEnabled(Window()))
        FadeDisabledFace(m_cache, background);
    CacheStale = false;
}

void TacBtnWnd::PaintButton(HDC dc)
{
    PaintSuspended = ParentHoldsPainting(Window());
    if (PaintSuspended)
        return;
    const win32::GivenOrWindowDC context(dc, Window());
    const HDC target = context.get();
    if (!target)
        return;
    CacheStale = true;
    BuildCache();
    CopyCacheTo(target, m_cache);
}

void TacBtnWnd::RedrawNow()
{
    CacheStale = true;
    RedrawWindow(Window(), nullptr, nullptr, RDW_UPDATENOW | RDW_INVALIDATE);
}

LRESULT TacBtnWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TsSkinManager* manager = Manager();
    if (!manager || !manager->Active() || Detached())
        return TacMainWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case SKM_COMMAND: {
        const EngineCommand command = EngineCommand::FromWParam(wParam);
        if (command.Code == SKC_MOUSEENTER) {
            RECT rect{};
            POINT cursor{};
            GetWindowRect(Window(), &rect);
            GetCursorPos(&cursor);
            if (!MouseInside && manager->HotWindow() == Window() && PtInRect(&rect, cursor)) {
                MouseInside = true;
                PaintSuspended = false;
                RedrawNow();
                const SkinTablesPaintSource source(manager->Tables());
                m_glow = UpdateWindowGlow(Window(), m_glow, false, SectionIndex(), &source);
            }
        } else if (command.Code == SKC_MOUSELEAVE) {
            if (MouseInside) {
                HideGlow();
                MouseInside = false;
                PaintSuspended = false;
                RedrawNow();
            }
        } else if (command.Code == SKC_REMOVESKIN && SentByOwnManager(lParam)) {
            HideGlow();
        }
        break;
    }
    case WM_MOVE: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (manager->Tables().IsValidSection(SectionIndex())) {
            const TsGeneralData& section = manager->Tables().Sections[static_cast<std::size_t>(SectionIndex())];
            if (section.Props[0].Transparency > 0 || (section.Props[1].Transparency > 0 && ButtonState() != 0))
                RedrawNow();
        }
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        if (!IsWindowEnabled(Window()))
            break;
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        HasFocus = message == WM_SETFOCUS;
        CacheStale = true;
        RedrawWindow(Window(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        return result;
    }
    case WM_ENABLE:
    case WM_SETTEXT:
    case BM_SETSTATE:
    case BM_SETSTYLE: {
        if (!IsWindowVisible(Window()))
            break;
        const LRESULT result = CallPreviousWithoutRedraw(message, wParam, lParam);
        if (message == WM_SETTEXT)
            ReadCaption();
        RedrawNow();
        return result;
    }
    case WM_PAINT: {
        if (!IsWindowVisible(Window()) && !wParam)
            break;
        if (!ColoursApplied())
            SetSkinColours();
        const AdapterPaint paint(Window(), wParam);
        PaintButton(paint.Dc());
        return 0;
    }
    case WM_PRINT:
        PaintButton(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
    case WM_NCPAINT:
    case WM_UPDATEUISTATE:
        return 1;
    case WM_MOUSEHOVER:
        SendMessageW(Window(), SKM_COMMAND, EngineCommandWParam(SKC_MOUSEENTER), 0);
        break;
    case WM_MOUSELEAVE:
        if (manager->HotWindow() == Window())
            manager->SetHotWindow(nullptr);
        break;
    case WM_MOUSEMOVE: {
        const LRESULT result = CallPrevious(message, wParam, lParam);
        if (IsWindowEnabled(Window())) {
            RECT rect{};
            POINT cursor{};
            GetWindowRect(Window(), &rect);
            GetCursorPos(&cursor);
            if (PtInRect(&rect, cursor)) {
                if (manager->HotWindow() != Window())
                    manager->SetHotWindow(Window());
            } else if (manager->HotWindow() == Window()) {
                manager->SetHotWindow(nullptr);
            }
        }
        return result;
    }
    case WM_DESTROY:
        HideGlow();
        break;
    default:
        break;
    }
    return TacMainWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
