#include "controls/skinned_combo_box_win32.h"

#include "controls/button_state.h"
#include "controls/combo_button_face.h"
#include "controls/control_answers_win32.h"
#include "controls/control_kind.h"
#include "controls/item_text_win32.h"
#include "controls/list_item_rules.h"
#include "controls/skin_data_rules.h"
#include "gfx/color_ops.h"
#include "gfx/piece_copy.h"
#include "render/fade_timer.h"
#include "render/glow.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/application.h"
#include "win32/dc_guards.h"

#include <optional>

namespace korvane {

namespace {

DWORD ComboStyleBits(TComboBoxStyle style)
{
    switch (style) {
    case TComboBoxStyle::csDropDown:
        return CBS_DROPDOWN | CBS_AUTOHSCROLL | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    case TComboBoxStyle::csSimple:
        return CBS_SIMPLE | CBS_AUTOHSCROLL;
    case TComboBoxStyle::csDropDownList:
        return CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    case TComboBoxStyle::csOwnerDrawFixed:
        return CBS_DROPDOWNLIST | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS;
    case TComboBoxStyle::csOwnerDrawVariable:
        return CBS_DROPDOWNLIST | CBS_OWNERDRAWVARIABLE | CBS_HASSTRINGS;
    }
    return CBS_DROPDOWNLIST;
}

bool IsOwnerDrawStyle(TComboBoxStyle style)
{
    return style == TComboBoxStyle::csOwnerDrawFixed || style == TComboBoxStyle::csOwnerDrawVariable;
}

} // namespace

LRESULT TsCustomComboBox::EditChild::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT result = 0;
    if (m_box.FilterEditMessage(Handle(), message, result))
        return result;
    return Window::WindowProc(message, wParam, lParam);
}

TsCustomComboBox::TsCustomComboBox(ui::Window& parent, const PixelRect& bounds, int itemHeight, TComboBoxStyle style)
    : ComboBox(parent, bounds, itemHeight, ComboStyleBits(style))
    , SkinData(*this, true, kKindComboBox)
    , BoundLabel(*this, SkinData)
    , m_style(style)
{
    SkinData.SetSkinSection(u"COMBOBOX");
    if (style == TComboBoxStyle::csDropDown || style == TComboBoxStyle::csSimple) {
        COMBOBOXINFO info{};
        info.cbSize = sizeof info;
        if (GetComboBoxInfo(Handle(), &info) && info.hwndItem)
            m_edit.Adopt(info.hwndItem);
    }
    SkinData.AfterLoad();
}

TsCustomComboBox::~TsCustomComboBox()
{
    SkinData.Destroying = true;
    FreeListAdapter();
}

void TsCustomComboBox::FreeListAdapter()
{
    if (m_listAdapter && m_listWindow && IsWindow(m_listWindow)) {
        // The list gets the platform's thin border back instead of a sizing frame.
        const LONG style = GetWindowLongW(m_listWindow, GWL_STYLE);
        if (style & WS_THICKFRAME)
            SetWindowLongW(m_listWindow, GWL_STYLE, (style & ~WS_THICKFRAME) | WS_BORDER);
    }
    m_listAdapter.reset();
    m_listWindow = nullptr;
}

void TsCustomComboBox::SetAlignment(TAlignment alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    SkinData.Invalidate();
}

void TsCustomComboBox::SetDisabledKind(TsDisabledKind kind)
{
    ChangeDisabledKind(m_disabledKind, kind, SkinData);
}

bool TsCustomComboBox::Ready() const
{
    return ControlWindowReady(Handle(), SkinData);
}

bool TsCustomComboBox::Skinned() const
{
    return SkinData.IsSkinned(true);
}

bool TsCustomComboBox::RightToLeft() const
{
    return (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RIGHT) != 0;
}

PixelRect TsCustomComboBox::ButtonRect() const
{
    const PixelRect bounds = WindowBounds();
    return ComboButtonRect(m_style, bounds.Width(), bounds.Height(), RightToLeft(), GetSystemMetrics(SM_CXVSCROLL));
}

bool TsCustomComboBox::UserDrawsItems() const
{
    return ComboUserDrawsItems(m_style, static_cast<bool>(OnDrawItem));
}

bool TsCustomComboBox::Focused() const
{
    if (SkinData.HasFocus)
        return true;
    if (!Handle())
        return false;
    const HWND focus = GetFocus();
    return focus && (focus == Handle() || IsChild(Handle(), focus));
}

int TsCustomComboBox::CacheHeight() const
{
    return ComboCacheHeight(m_style, ItemHeight(), WindowBounds().Height());
}

void TsCustomComboBox::BuildCache()
{
    SkinData.PrepareCache();
    if (m_style == TComboBoxStyle::csSimple)
        SkinData.CacheBitmap.Resize(SkinData.CacheBitmap.Width(), CacheHeight());
    const BitmapView face = SkinData.CacheBitmap.View();
    if (face.IsEmpty() || !SkinData.IsSkinned())
        return;
    const ParentBackground background = SkinData.GetParentBackground();
    SkinData.PaintFaceTo(face, background, {0, 0, face.Width, face.Height},
                         SkinData.IsActive() ? StateHot : StateNormal);
    if (m_style != TComboBoxStyle::csSimple) {
        const PixelRect text = ComboTextRect(ButtonRect(), face.Width, face.Height, RightToLeft());
        DrawItem(ItemIndex(), text, ComboEditItemState(m_style, Focused()), SkinData.CacheBitmap.Dc());
        PaintComboButton();
    }
    GdiFlush();
    if (!Enabled() && !UserDrawsItems())
        ApplyDisabledLook(SkinData.CacheBitmap.View(), m_disabledKind, background, SkinData.StateColour(0));
    SkinData.CacheStale = false;
}

void TsCustomComboBox::PaintComboButton()
{
    if (SkinManagerCore* manager = SkinData.Manager()) {
        GdiFlush();
        PaintComboButtonFace(manager->Tables(), manager->IndexCache.ComboBtn, SkinData.CacheBitmap.View(), ButtonRect(),
                             ComboButtonState(ListDropped, SkinData.IsActive()));
    }
}

void TsCustomComboBox::PaintCombo(HDC given)
{
    if (!Handle() || !IsWindowVisible(Handle()))
        return;
    SkinData.PaintSuspended = SkinData.MustSkipPaint();
    if (Animation().CaptureMode && given && given != SkinData.PrintTarget)
        return;
    if (SkinData.PaintSuspended)
        return;
    const HWND parent = GetParent(Handle());
    const bool parentClipped = WindowIsClipped(parent);
    const bool stale = SkinData.CacheStale || SkinData.Clipped || parentClipped || UserDrawsItems();
    const PixelRect bounds = WindowBounds();
    RECT client{};
    if (parent)
        GetClientRect(parent, &client);
    SkinData.Clipped =
        !(bounds.Left >= 0 && bounds.Top >= 0 && bounds.Right <= client.right && bounds.Bottom <= client.bottom);
    if (stale || SkinData.CacheBitmap.Empty())
        BuildCache();
    if (SkinData.CacheBitmap.Empty())
        return;
    HDC dc = given ? given : GetDC(Handle());
    if (!dc)
        return;
    const HDC cache = SkinData.CacheBitmap.Dc();
    const int width = SkinData.CacheBitmap.Width();
    const int height = SkinData.CacheBitmap.Height();
    const int f = kComboFrameWidth;
    const ComboShownPart shown = ComboShownParts(m_style, Focused());
    if (shown == ComboShownPart::WholeFace) {
        BitBlt(dc, 0, 0, width, height, cache, 0, 0, SRCCOPY);
    } else {
        BitBlt(dc, 0, 0, width, f, cache, 0, 0, SRCCOPY);
        BitBlt(dc, 0, height - f, width, f, cache, 0, height - f, SRCCOPY);
        BitBlt(dc, 0, f, f, height - 2 * f, cache, 0, f, SRCCOPY);
        BitBlt(dc, width - f, f, f, height - 2 * f, cache, width - f, f, SRCCOPY);
        if (shown == ComboShownPart::FrameAndButton) {
            const PixelRect button = ButtonRect();
            BitBlt(dc, button.Left, button.Top, button.Width(), button.Height(), cache, button.Left, button.Top,
                   SRCCOPY);
        }
    }
    if (!given)
        ReleaseDC(Handle(), dc);
}

void TsCustomComboBox::Repaint()
{
    SkinData.CacheStale = true;
    if (Handle() && Skinned())
        PaintCombo(nullptr);
}

void TsCustomComboBox::DrawItem(int index, const PixelRect& rect, std::uint32_t state, HDC dc)
{
    if (rect.IsEmpty() || !dc)
        return;
    if (Skinned())
        DrawSkinned(index, rect, state, dc);
    else
        DrawUnskinned(index, rect, state, dc);
}

void TsCustomComboBox::DrawUnskinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc)
{
    const COLORREF text = FillPlainItem(dc, rect, (state & kItemSelected) != 0, ColourOrSystem(Color(), COLOR_WINDOW),
                                        ColourOrSystem(FontColor(), COLOR_WINDOWTEXT));
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    const bool valid = index >= 0 && index < Count();
    if (OnDrawItem && IsOwnerDrawStyle(m_style)) {
        if (valid) {
            SetTextColor(dc, text);
            OnDrawItem(*this, index, rect, state, dc);
        }
        return;
    }
    if (valid) {
        win32::SelectObjectGuard font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
        DrawItemText(dc, Item(index), {rect.Left + 2, rect.Top, rect.Right - 2, rect.Bottom}, kItemTextFlags, text);
    }
    if (state & kItemFocus)
        DrawFocusRect(dc, &r);
}

void TsCustomComboBox::DrawSkinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc)
{
    SkinManagerCore* manager = SkinData.Manager();
    win32::DibSection work(rect.Width(), rect.Height());
    if (work.Empty() || !manager)
        return;
    const BitmapView view = work.View();
    const PixelRect all{0, 0, rect.Width(), rect.Height()};
    const bool edit = (state & kItemComboBoxEdit) != 0;
    const bool selected = (state & kItemSelected) != 0;
    const bool focused = (state & kItemFocus) != 0;
    const std::uint32_t plain = ColourOrSystem(Color(), COLOR_WINDOW) & 0xFFFFFF;
    const BitmapView cache = SkinData.CacheBitmap.View();
    const ParentBackground background =
        edit && !cache.IsEmpty() ? BitmapBackground(cache, rect.Left, rect.Top) : ColorBackground(plain);
    const int selection = SelectionSectionIndex(*manager);
    if (selected) {
        if (selection < 0) {
            FillRectColor(view, all, static_cast<std::uint32_t>(manager->SelectionColor(focused)) & 0xFFFFFF);
        } else {
            const SkinTablesPaintSource source(manager->Tables());
            PaintSectionFace({selection, u"SELECTION"}, background, &source, view, all,
                             focused || m_style == TComboBoxStyle::csDropDown ? 1 : 0);
        }
    } else if (edit && !cache.IsEmpty()) {
        CopyRect(view, 0, 0, cache, rect);
    } else {
        FillRectColor(view, all, static_cast<std::uint32_t>(manager->GlobalHotColor()) & 0xFFFFFF);
    }
    GdiFlush();
    const bool valid = index >= 0 && index < Count();
    if (OnDrawItem && IsOwnerDrawStyle(m_style)) {
        if (valid)
            DrawInControlCoordinates(work.Dc(), rect, [&] { OnDrawItem(*this, index, rect, state, work.Dc()); });
    } else {
        win32::SelectObjectGuard font(work.Dc(),
                                      Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
        const bool rightToLeft = RightToLeft();
        const bool rtlReading = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
        const UINT flags = kItemTextFlags | (rightToLeft ? DT_RIGHT : 0) | (rtlReading ? DT_RTLREADING : 0);
        const std::uint32_t fontColour = ColourOrSystem(FontColor(), COLOR_WINDOWTEXT);
        if (edit && m_style == TComboBoxStyle::csDropDown) {
            DrawItemText(work.Dc(), Text(), all, flags, fontColour);
        } else {
            const PixelRect textRect{2, 0, rect.Width() - 2, rect.Height()};
            const std::wstring text = valid ? Item(index) : std::wstring();
            if (selected) {
                DrawSelectedItemText(work.Dc(), text, textRect, flags, *manager, selection, focused);
            } else if (!edit) {
                DrawItemText(work.Dc(), text, textRect, flags, static_cast<std::uint32_t>(manager->EditFontColor()));
            } else {
                DrawItemText(work.Dc(), text, textRect, flags, fontColour);
            }
            if (focused && !(selected && selection >= 0)) {
                const RECT r{0, 0, rect.Width(), rect.Height()};
                DrawFocusRect(work.Dc(), &r);
            }
        }
    }
    GdiFlush();
    BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), work.Dc(), 0, 0, SRCCOPY);
}

bool TsCustomComboBox::OnReflected(ui::Message& message)
{
    switch (message.Id) {
    case ui::CN_DRAWITEM:
        if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam)) {
            const RECT& r = item->rcItem;
            DrawItem(static_cast<int>(item->itemID), {r.left, r.top, r.right, r.bottom}, item->itemState, item->hDC);
            message.Result = 1;
            return true;
        }
        break;
    case ui::CN_MEASUREITEM:
        if (auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam)) {
            if (measure->itemID != static_cast<UINT>(-1))
                measure->itemHeight = static_cast<UINT>(ItemHeight());
            message.Result = 1;
            return true;
        }
        break;
    case ui::CN_COMMAND:
        switch (HIWORD(message.WParam)) {
        case CBN_DROPDOWN:
            ListDropped = true;
            FitDroppedList();
            break;
        case CBN_CLOSEUP:
            ListDropped = false;
            Repaint();
            break;
        case CBN_SELCHANGE:
        case CBN_EDITCHANGE:
            Repaint();
            break;
        default:
            break;
        }
        break;
    default:
        break;
    }
    return ComboBox::OnReflected(message);
}

void TsCustomComboBox::FitDroppedList()
{
    if ((GetWindowLongW(Handle(), GWL_STYLE) & 3) == CBS_SIMPLE)
        return;
    // The combo box's window height beyond its closed field is the room its list drops into.
    RECT closed{};
    GetWindowRect(Handle(), &closed);
    const int height = closed.bottom - closed.top + DroppedListHeight(Count(), DropDownCount, ItemHeight());
    SetWindowPos(Handle(), nullptr, 0, 0, closed.right - closed.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_NOREDRAW);
}

bool TsCustomComboBox::ReadOnlyDrops(UINT message, WPARAM wParam, LRESULT& result)
{
    if (!ReadOnly)
        return false;
    result = 0;
    switch (message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSCHAR:
        return ReadOnlyComboDropsKey(static_cast<unsigned>(wParam));
    case WM_CHAR:
        return true;
    case WM_LBUTTONDOWN:
        // A press only gives the box the focus: the list does not open.
        SetFocus(Handle());
        return true;
    case WM_LBUTTONDBLCLK:
        SetFocus(Handle());
        if (OnDblClick)
            OnDblClick();
        return true;
    case WM_COMMAND:
        return Skinned();
    default:
        return false;
    }
}

bool TsCustomComboBox::FilterEditMessage(HWND edit, UINT message, LRESULT& result)
{
    result = 0;
    if (ReadOnly) {
        switch (message) {
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
        case WM_SYSKEYUP:
        case WM_CUT:
        case WM_PASTE:
        case WM_CLEAR:
        case WM_UNDO:
            return true;
        default:
            break;
        }
    }
    if (!Ready() || !Skinned() || m_style == TComboBoxStyle::csSimple || (Focused() && Enabled() && !ReadOnly))
        return false;
    // The cached face shows the item text: the edit does not paint over it.
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint{};
        BeginPaint(edit, &paint);
        EndPaint(edit, &paint);
        return true;
    }
    case WM_ERASEBKGND:
    case WM_NCPAINT:
        result = 1;
        return true;
    default:
        return false;
    }
}

bool TsCustomComboBox::ParentReady()
{
    if (SkinData.MustSkipPaint()) {
        SkinData.PaintSuspended = false;
        Repaint();
    }
    return true;
}

void TsCustomComboBox::HotChanged(const SkinManagerCore& /*manager*/, bool hot)
{
    if (!hot)
        Perform(ui::CM_MOUSELEAVE);
}

void TsCustomComboBox::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    if (sender == SkinData.Manager()) {
        switch (change) {
        case SkinChange::Set:
            if (m_listAdapter)
                m_listAdapter->PassOnSkinChange(change, sender);
            break;
        case SkinChange::Remove:
            if (!SkinData.CustomColor())
                SetColor(GetSysColor(COLOR_WINDOW));
            if (!SkinData.CustomFont())
                SetFontColor(GetSysColor(COLOR_WINDOWTEXT));
            FreeListAdapter();
            break;
        case SkinChange::Refresh:
            Repaint();
            break;
        }
    }
    rest();
}

LRESULT TsCustomComboBox::OnSkinCommand(WPARAM wParam, LPARAM lParam)
{
    const EngineCommand command = EngineCommand::FromWParam(wParam);
    if (const std::optional<LRESULT> answered = AnswerEngineCommand(
            *this, wParam, lParam, [&] { return ComboBox::WindowProc(SKM_COMMAND, wParam, lParam); }))
        return *answered;
    switch (command.Code) {
    case SKC_ISDROPPEDDOWN:
        ComboBox::WindowProc(SKM_COMMAND, wParam, lParam);
        return ListDropped ? 1 : 0;
    case SKC_MOUSELEAVE:
        Perform(ui::CM_MOUSELEAVE);
        break;
    default:
        break;
    }
    return ComboBox::WindowProc(SKM_COMMAND, wParam, lParam);
}

LRESULT TsCustomComboBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SKM_COMMAND)
        return OnSkinCommand(wParam, lParam);
    LRESULT dropped = 0;
    if (ReadOnlyDrops(message, wParam, dropped))
        return dropped;
    const bool skinned = Ready() && Skinned();
    LRESULT result = 0;
    switch (message) {
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (!skinned)
            break;
        if (message == WM_KILLFOCUS)
            ListDropped = false;
        SkinData.HasFocus = message == WM_SETFOCUS;
        SkinData.MouseInside = false;
        SkinData.CacheStale = true;
        result = ComboBox::WindowProc(message, wParam, lParam);
        Repaint();
        return result;
    case WM_PAINT: {
        if (!skinned)
            break;
        std::optional<win32::PaintDC> paint;
        auto dc = reinterpret_cast<HDC>(wParam);
        if (!dc) {
            paint.emplace(Handle());
            dc = paint->get();
        }
        if (!Animation().CaptureMode)
            PaintCombo(dc);
        return 0;
    }
    case WM_NCPAINT:
        if (!skinned)
            break;
        if (Animation().CaptureMode)
            PaintCombo(nullptr);
        return 0;
    case WM_PRINT:
    case WM_PRINTCLIENT:
        if (!skinned)
            break;
        SkinData.PaintSuspended = false;
        PaintCombo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        if (skinned)
            return 1;
        break;
    case WM_SETFONT:
    case ui::CM_ENABLEDCHANGED:
        SkinData.CacheStale = true;
        result = ComboBox::WindowProc(message, wParam, lParam);
        if (skinned)
            Repaint();
        if (message == ui::CM_ENABLEDCHANGED)
            BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    case ui::CM_VISIBLECHANGED:
        SkinData.CacheStale = true;
        result = ComboBox::WindowProc(message, wParam, lParam);
        BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    case ui::CM_COLORCHANGED:
    case WM_MOUSEWHEEL:
        SkinData.CacheStale = true;
        break;
    case WM_COMMAND:
        if (!skinned)
            break;
        ListDropped = false;
        PaintCombo(nullptr);
        break;
    case WM_CTLCOLORLISTBOX:
        if (skinned && !m_listWindow && lParam && ComboListNeedsAdapter(Count(), DropDownCount)) {
            m_listWindow = reinterpret_cast<HWND>(lParam);
            m_listAdapter = MakeOwnedAdapter(m_style == TComboBoxStyle::csSimple ? OwnedAdapterKind::SimpleComboList
                                                                                 : OwnedAdapterKind::ComboList,
                                             m_listWindow, u"EDIT", SkinData);
        }
        break;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE: {
        if (!skinned || ListDropped)
            break;
        if (message == ui::CM_MOUSELEAVE) {
            RECT window{};
            GetWindowRect(Handle(), &window);
            POINT cursor{};
            GetCursorPos(&cursor);
            // Leaving for the box's own edit child is no leaving.
            if (PtInRect(&window, cursor)) {
                SkinData.MouseInside = true;
                return 0;
            }
        }
        SkinData.CacheStale = true;
        result = ComboBox::WindowProc(message, wParam, lParam);
        Repaint();
        return result;
    }
    case CB_SETCURSEL:
    case ui::CM_TEXTCHANGED:
        result = ComboBox::WindowProc(message, wParam, lParam);
        if (skinned)
            Repaint();
        return result;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        result = ComboBox::WindowProc(message, wParam, lParam);
        BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    default:
        break;
    }
    return ComboBox::WindowProc(message, wParam, lParam);
}

} // namespace korvane
