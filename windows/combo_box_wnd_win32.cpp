#include "windows/combo_box_wnd_win32.h"

#include "controls/combo_button_face.h"
#include "controls/combo_layout.h"
#include "controls/common_data_win32.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "gfx/piece_copy.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "ui/window.h"
#include "ui/window_text.h"
#include "win32/dc_guards.h"
#include "win32/scope_guard.h"
#include "windows/adapted_control_layout.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kFrameWidth = 3;

} // namespace

TacComboBoxWnd::TacComboBoxWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacEditWnd(window, section, manager)
{
}

TacComboBoxWnd::~TacComboBoxWnd()
{
    ReleaseList();
}

bool TacComboBoxWnd::IsSimple() const
{
    return (GetWindowLongW(Window(), GWL_STYLE) & 3) == CBS_SIMPLE;
}

bool TacComboBoxWnd::IsDropDown() const
{
    return (GetWindowLongW(Window(), GWL_STYLE) & 2) != 0;
}

PixelRect TacComboBoxWnd::ButtonRect() const
{
    const PixelSize size = WindowSizeOf(Window());
    return ComboButtonRect(IsDropDown() ? TComboBoxStyle::csDropDown : TComboBoxStyle::csSimple, size.Width,
                           size.Height, (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0,
                           GetSystemMetrics(SM_CXVSCROLL));
}

FaceState TacComboBoxWnd::ButtonState() const
{
    const bool dropped = SendMessageW(Window(), CB_GETDROPPEDSTATE, 0, 0) != 0 ||
                         (m_listWindow && IsWindowVisible(m_listWindow) && !IsSimple());
    if (dropped)
        return FacePushed;
    const bool active =
        HasFocus || Hot() || GetFocus() == Window() || (GetFocus() && GetParent(GetFocus()) == Window());
    return active ? FaceActive : FaceNormal;
}

void TacComboBoxWnd::HoverChanged()
{
    // The face and the button show the hover at the next paint.
    CacheStale = true;
    if (IsWindowVisible(Window()))
        InvalidateRect(Window(), nullptr, FALSE);
}

void TacComboBoxWnd::PaintComboButton(HDC dc)
{
    const TsSkinManager* manager = Manager();
    const win32::DibSection& cache = FrameCache();
    const PixelRect button = ButtonRect();
    if (!manager || cache.Empty() || button.IsEmpty())
        return;
    if (!m_buttonWork.Resize(cache.Width(), cache.Height()) || m_buttonWork.Empty())
        return;
    // Only the button's part of the frame face is needed: nothing else is copied out.
    BitBlt(m_buttonWork.Dc(), button.Left, button.Top, button.Width(), button.Height(), cache.Dc(), button.Left,
           button.Top, SRCCOPY);
    PaintComboButtonFace(manager->Tables(), manager->IndexCache.ComboBtn, m_buttonWork.View(), button, ButtonState());
    const win32::GivenOrWindowDC context(dc, Window(), win32::WindowDC::Area::Window);
    const HDC target = context.get();
    if (!target)
        return;
    BitBlt(target, button.Left, button.Top, button.Width(), button.Height(), m_buttonWork.Dc(), button.Left, button.Top,
           SRCCOPY);
}

void TacComboBoxWnd::BuildSimpleCache()
{
    const TsSkinManager* manager = Manager();
    if (!manager)
        return;
    const PixelSize size = WindowSizeOf(Window());
    const int height = ComboCacheHeight(TComboBoxStyle::csSimple,
                                        static_cast<int>(SendMessageW(Window(), CB_GETITEMHEIGHT, -1, 0)), size.Height);
    if (!m_simpleCache.Resize(size.Width, std::min(height, size.Height)) || m_simpleCache.Empty())
        return;
    const BitmapView view = m_simpleCache.View();
    const PixelRect rect{0, 0, view.Width, view.Height};
    const auto border = static_cast<std::uint32_t>(manager->Tables().SkinData.BorderColor) & 0xFFFFFF;
    if (DialogChild() && border != TransparentKey) {
        FillRectColor(view, rect, GetSysColor(COLOR_WINDOW));
        FillFrame(view, rect, border, 1, 1, 1, 1);
    } else {
        const SkinTablesPaintSource source(manager->Tables());
        PaintSectionFace({SectionIndex(), Section()}, TsCommonData::GetParentBackground(Window()), &source, view, rect,
                         ButtonState() == FaceActive ? 1 : 0);
    }
}

void TacComboBoxWnd::CopyFrameStrips(HDC dc, const win32::DibSection& cache) const
{
    if (!dc || cache.Empty())
        return;
    const int width = cache.Width();
    const int height = cache.Height();
    const int edge = std::min({kFrameWidth, width / 2, height / 2});
    BitBlt(dc, 0, 0, width, edge, cache.Dc(), 0, 0, SRCCOPY);
    BitBlt(dc, 0, height - edge, width, edge, cache.Dc(), 0, height - edge, SRCCOPY);
    BitBlt(dc, 0, edge, edge, height - 2 * edge, cache.Dc(), 0, edge, SRCCOPY);
    BitBlt(dc, width - edge, edge, edge, height - 2 * edge, cache.Dc(), width - edge, edge, SRCCOPY);
}

void TacComboBoxWnd::DrawCurrentItem()
{
    const win32::DibSection& cache = FrameCache();
    if (cache.Empty())
        return;
    const HDC dc = cache.Dc();
    const WindowFontSelection font(dc, Window());
    const bool rtl = (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    const PixelRect area = PrintedComboTextRect(cache.Width(), cache.Height(), ButtonRect(), rtl);
    std::wstring text;
    const auto selected_item = static_cast<int>(SendMessageW(Window(), CB_GETCURSEL, 0, 0));
    if (selected_item >= 0) {
        const auto length = static_cast<int>(SendMessageW(Window(), CB_GETLBTEXTLEN, selected_item, 0));
        if (length > 0) {
            text.resize(static_cast<std::size_t>(length) + 1);
            SendMessageW(Window(), CB_GETLBTEXT, selected_item, reinterpret_cast<LPARAM>(text.data()));
            text.resize(static_cast<std::size_t>(length));
        }
    } else {
        text = ui::WindowText(Window());
    }
    RECT rect{area.Left, area.Top, area.Right, area.Bottom};
    SetBkMode(dc, TRANSPARENT);
    const UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | (rtl ? DT_RTLREADING : 0);
    if ((GetWindowLongW(Window(), GWL_STYLE) & 3) == CBS_DROPDOWNLIST && GetFocus() == Window()) {
        FillRect(dc, &rect, GetSysColorBrush(COLOR_HIGHLIGHT));
        SetTextColor(dc, GetSysColor(COLOR_HIGHLIGHTTEXT));
        RECT moved{rect.left + 1, rect.top + 1, rect.right, rect.bottom};
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &moved, flags);
        DrawFocusRect(dc, &rect);
    } else {
        const ui::Window* control = ui::Window::FromHandle(Window());
        const COLORREF colour =
            control && control->FontColor() != CLR_INVALID ? control->FontColor() : GetSysColor(COLOR_WINDOWTEXT);
        SetTextColor(dc, colour);
        DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect, flags);
    }
}

void TacComboBoxWnd::ReleaseList()
{
    if (!m_listAdapter)
        return;
    if (IsWindow(m_listWindow) && !m_listAdapter->Detached()) {
        const LONG style = GetWindowLongW(m_listWindow, GWL_STYLE);
        if (style & WS_THICKFRAME)
            SetWindowLongW(m_listWindow, GWL_STYLE, (style & ~WS_THICKFRAME) | WS_BORDER);
        m_listAdapter->Detach();
    }
    m_listAdapter.reset();
    // The list is adapted again when it next asks for its colours under a skin.
    m_listWindow = nullptr;
}

LRESULT TacComboBoxWnd::OnListColour(WPARAM wParam, LPARAM lParam)
{
    const LRESULT previous = CallPrevious(WM_CTLCOLORLISTBOX, wParam, lParam);
    if (m_listOpening)
        return previous;
    const win32::FlagScope opening(m_listOpening);
    const auto list = reinterpret_cast<HWND>(lParam);
    if (!m_listWindow && list) {
        m_listWindow = list;
        if (!m_listAdapter && !TacMainWnd::FromWindow(list)) {
            m_listAdapter = MakeAdapterPtr<TacComboListWnd>(list, u"EDIT", Manager(), IsSimple());
            m_listAdapter->SetDialogChild(DialogChild());
            m_listAdapter->OnShownChanged = [this](bool) {
                CacheStale = true;
                PaintComboButton(nullptr);
            };
            m_listAdapter->CreateList(SendMessageW(Window(), CB_GETCOUNT, 0, 0) > 0);
        }
    }
    LRESULT result = previous;
    const std::int32_t index = m_listWindow ? SectionIndexOf(m_listWindow) : -1;
    const TsSkinManager* manager = Manager();
    if (manager && manager->Tables().IsValidSection(index) && !DialogChild()) {
        const TsGeneralData& section = manager->Tables().Sections[static_cast<std::size_t>(index)];
        const HDC dc = reinterpret_cast<HDC>(wParam);
        if (section.FontColor[1] >= 0)
            SetTextColor(dc, static_cast<COLORREF>(section.FontColor[1]) & 0xFFFFFF);
        const COLORREF colour = static_cast<COLORREF>(section.Color) & 0xFFFFFF;
        SetBkColor(dc, colour);
        m_listBrush.reset(CreateSolidBrush(colour));
        result = reinterpret_cast<LRESULT>(m_listBrush.get());
    }
    return result;
}

void TacComboBoxWnd::OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest)
{
    TacEditWnd::OnSkinChanged(change, own, rest);
    if (change == SkinChange::Remove && own)
        ReleaseList();
}

LRESULT TacComboBoxWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    TsSkinManager* manager = Manager();
    if (StyleHidden || !manager || !manager->Active() || Detached())
        return TacEditWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_PAINT: {
        if (!ColoursApplied())
            SetSkinColours();
        const LRESULT result = CallPrevious(message, wParam, lParam);
        const win32::GivenOrWindowDC context(reinterpret_cast<HDC>(wParam), Window());
        const HDC dc = context.get();
        if (!dc)
            return result;
        if (IsSimple()) {
            BuildSimpleCache();
            CopyFrameStrips(dc, m_simpleCache);
        } else {
            CacheStale = true;
            SendMessageW(Window(), SKM_COMMAND, EngineCommandWParam(SKC_PREPARECACHE), 0);
            CopyFrameStrips(dc, FrameCache());
            PaintComboButton(dc);
        }
        return result;
    }
    case WM_PRINT: {
        const HDC dc = reinterpret_cast<HDC>(wParam);
        {
            const win32::FlagScope suspended(PaintSuspended);
            SetSkinColours();
        }
        if (Detached() || !dc)
            return 0;
        CacheStale = true;
        if (IsSimple()) {
            BuildSimpleCache();
            CopyCacheTo(dc, m_simpleCache);
            return 0;
        }
        RebuildFrameCache(DialogChild());
        DrawCurrentItem();
        CopyCacheTo(dc, FrameCache());
        PaintComboButton(dc);
        return 0;
    }
    case WM_ERASEBKGND:
        return 0;
    case WM_NCCALCSIZE: {
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        LeftEdge = kFrameWidth;
        return result;
    }
    case WM_CTLCOLORLISTBOX:
        return OnListColour(wParam, lParam);
    case WM_COMMAND:
    case ui::CN_COMMAND: {
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        if (!IsSimple() && HIWORD(wParam) == CBN_CLOSEUP) {
            CacheStale = true;
            PaintComboButton(nullptr);
        }
        return result;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_LBUTTONUP: {
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        if (IsWindow(Window()) && !IsSimple())
            PaintComboButton(nullptr);
        return result;
    }
    case WM_NCDESTROY:
        ReleaseList();
        break;
    default:
        break;
    }
    return TacEditWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
