#include "controls/skinned_list_box_win32.h"

#include "controls/control_answers_win32.h"
#include "controls/control_kind.h"
#include "controls/item_text_win32.h"
#include "controls/list_item_rules.h"
#include "gfx/color_ops.h"
#include "gfx/piece_copy.h"
#include "render/fade_timer.h"
#include "render/section_background.h"
#include "render/skin_paint_source.h"
#include "render/skin_tables_source.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/application.h"
#include "win32/dc_guards.h"
#include "win32/redraw_suspension.h"

#include <optional>

namespace korvane {

namespace {

constexpr DWORD kListStyles(bool autoHideScroll)
{
    // The items are always drawn by the control; their strings stay the list box's.
    return LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | (autoHideScroll ? 0 : LBS_DISABLENOSCROLL);
}

PixelRect ItemRect(const ui::ListBox& list, int index)
{
    RECT r{};
    if (list.Send(LB_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&r)) == LB_ERR)
        return {};
    return {r.left, r.top, r.right, r.bottom};
}

} // namespace

TsCustomListBox::TsCustomListBox(ui::Window& parent, const PixelRect& bounds, int itemHeight, bool autoHideScroll)
    : ListBox(parent, bounds, itemHeight, kListStyles(autoHideScroll))
    , SkinData(*this, true, kKindListBox)
    , BoundLabel(*this, SkinData)
    , m_autoHideScroll(autoHideScroll)
{
    SkinData.AfterLoad();
    if (Handle())
        AttachEditAdapter();
}

TsCustomListBox::~TsCustomListBox()
{
    SkinData.Destroying = true;
    m_editAdapter.reset();
}

void TsCustomListBox::SetDisabledKind(TsDisabledKind kind)
{
    ChangeDisabledKind(m_disabledKind, kind, SkinData);
}

void TsCustomListBox::AttachEditAdapter()
{
    korvane::AttachEditAdapter(SkinData, Handle(), m_editAdapter);
}

bool TsCustomListBox::Ready() const
{
    return ControlWindowReady(Handle(), SkinData);
}

bool TsCustomListBox::Skinned() const
{
    return SkinData.IsSkinned(true);
}

const win32::DibSection* TsCustomListBox::Face()
{
    if (m_editAdapter && !m_editAdapter->WindowGone())
        if (const win32::DibSection* cache = m_editAdapter->FreshFrameCache())
            return cache;
    // Without the adapter the own cache holds the section's face of the whole control.
    if (SkinData.CacheStale || SkinData.CacheBitmap.Empty())
        SkinData.PaintFaceToCache(0);
    return SkinData.CacheBitmap.Empty() ? nullptr : &SkinData.CacheBitmap;
}

void TsCustomListBox::DrawItem(int index, const PixelRect& rect, std::uint32_t state, HDC dc)
{
    if (rect.IsEmpty() || !dc)
        return;
    if (Skinned())
        DrawSkinned(index, rect, state, dc);
    else
        DrawUnskinned(index, rect, state, dc);
}

void TsCustomListBox::DrawUnskinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc)
{
    const COLORREF text = FillPlainItem(dc, rect, (state & kItemSelected) != 0, ColourOrSystem(Color(), COLOR_WINDOW),
                                        ColourOrSystem(FontColor(), COLOR_WINDOWTEXT));
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    if (OnDrawItem) {
        SetTextColor(dc, text);
        OnDrawItem(*this, index, rect, state, dc);
        return;
    }
    if (index >= 0 && index < Count()) {
        win32::SelectObjectGuard font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
        DrawItemText(dc, Item(index), {rect.Left + 1, rect.Top, rect.Right - 1, rect.Bottom}, kItemTextFlags, text);
    }
    if (state & kItemFocus)
        DrawFocusRect(dc, &r);
}

void TsCustomListBox::DrawSkinned(int index, const PixelRect& rect, std::uint32_t state, HDC dc)
{
    win32::DibSection work(rect.Width(), rect.Height());
    if (work.Empty())
        return;
    const BitmapView view = work.View();
    const PixelRect all{0, 0, rect.Width(), rect.Height()};
    const win32::DibSection* face = Face();
    const int offset = kListCacheOffset;
    if (face)
        CopyRect(view, 0, 0, face->View(), rect.Offset(offset, offset));
    if (OnDrawItem) {
        DrawInControlCoordinates(work.Dc(), rect, [&] { OnDrawItem(*this, index, rect, state, work.Dc()); });
    } else if (SkinManagerCore* manager = SkinData.Manager()) {
        const int selection = SelectionSectionIndex(*manager);
        const ItemLook look = ListItemLook(state, selection >= 0);
        if (look.FillSelection)
            FillRectColor(view, all, static_cast<std::uint32_t>(manager->SelectionColor(true)) & 0xFFFFFF);
        if (look.PaintSelection && face) {
            const SkinTablesPaintSource own(manager->Tables());
            const SkinPaintSource* source =
                manager == SkinManagerCore::DefaultManager() ? DefaultSkinPaintSource() : &own;
            PaintSectionFace({selection, u"SELECTION"},
                             BitmapBackground(face->View(), rect.Left + offset, rect.Top + offset), source, view, all,
                             look.SelectionState);
        }
        if (index >= 0 && index < Count()) {
            win32::SelectObjectGuard font(work.Dc(),
                                          Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
            const PixelRect textRect{1, 0, rect.Width() - 1, rect.Height()};
            const std::wstring text = Item(index);
            const bool focused = (state & kItemFocus) != 0;
            if (state & kItemSelected) {
                DrawSelectedItemText(work.Dc(), text, textRect, kItemTextFlags, *manager,
                                     look.SelectionColours ? selection : -1, focused);
            } else if (const TsGeneralData* own = SkinData.Section()) {
                const bool hot = SkinData.IsActive() && own->States > 1;
                DrawItemText(work.Dc(), text, textRect, kItemTextFlags,
                             static_cast<std::uint32_t>(hot ? own->HotFontColor[1] : own->FontColor[1]));
            }
        }
        if (look.FocusRect) {
            const RECT r{0, 0, rect.Width(), rect.Height()};
            DrawFocusRect(work.Dc(), &r);
        }
    }
    GdiFlush();
    if (!Enabled()) {
        const int border = m_editAdapter ? m_editAdapter->BorderWidth() : offset;
        ApplyDisabledLook(work.View(), m_disabledKind,
                          SkinData.GetParentBackground().Moved(rect.Left + border, rect.Top + border),
                          SkinData.StateColour(0));
    }
    BitBlt(dc, rect.Left, rect.Top, rect.Width(), rect.Height(), work.Dc(), 0, 0, SRCCOPY);
}

void TsCustomListBox::PaintItems(HDC dc)
{
    RECT client{};
    GetClientRect(Handle(), &client);
    const PixelRect clientRect{client.left, client.top, client.right, client.bottom};
    const int count = Count();
    const ListPaintPlan plan =
        PlanListPaint(TopIndex(), count, clientRect, [this](int index) { return ItemRect(*this, index); });
    const bool multiSelect = (GetWindowLongW(Handle(), GWL_STYLE) & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0;
    const int itemIndex = multiSelect ? static_cast<int>(Send(LB_GETCARETINDEX)) : ItemIndex();
    const bool focused = GetFocus() == Handle();
    for (int index : plan.Items) {
        ListItemFacts facts;
        facts.MultiSelect = multiSelect;
        facts.Selected = multiSelect && Send(LB_GETSEL, static_cast<WPARAM>(index)) > 0;
        facts.IsItemIndex = index == itemIndex;
        facts.ControlFocused = focused;
        const PixelRect rect = ItemRect(*this, index);
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_LISTBOX;
        item.CtlID = static_cast<UINT>(Id());
        item.itemID = static_cast<UINT>(index);
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = ListItemState(facts);
        item.hwndItem = Handle();
        item.hDC = dc;
        item.rcItem = {rect.Left, rect.Top, rect.Right, rect.Bottom};
        item.itemData = index < count ? static_cast<ULONG_PTR>(Send(LB_GETITEMDATA, static_cast<WPARAM>(index))) : 0;
        Perform(ui::CN_DRAWITEM, static_cast<WPARAM>(item.CtlID), reinterpret_cast<LPARAM>(&item));
    }
    const win32::DibSection* face = Face();
    if (!face)
        return;
    const PixelRect bounds = WindowBounds();
    for (const PixelRect& strip : UncoveredListStrips(plan.Last, plan.MaxBottom, bounds.Width(), bounds.Height()))
        BitBlt(dc, strip.Left, strip.Top, strip.Width(), strip.Height(), face->Dc(), strip.Left + kListCacheOffset,
               strip.Top + kListCacheOffset, SRCCOPY);
}

bool TsCustomListBox::OnReflected(ui::Message& message)
{
    if (message.Id == ui::CN_DRAWITEM && message.LParam) {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
        const RECT& r = item->rcItem;
        DrawItem(static_cast<int>(item->itemID), {r.left, r.top, r.right, r.bottom}, item->itemState, item->hDC);
        message.Result = 1;
        return true;
    }
    if (message.Id == ui::CN_MEASUREITEM && message.LParam) {
        auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(message.LParam);
        const LRESULT height = Send(LB_GETITEMHEIGHT, 0);
        if (height > 0)
            measure->itemHeight = static_cast<UINT>(height);
        message.Result = 1;
        return true;
    }
    return ListBox::OnReflected(message);
}

LRESULT TsCustomListBox::Scroll(UINT message, WPARAM wParam, LPARAM lParam, bool updateNow)
{
    LRESULT result = 0;
    {
        const win32::RedrawSuspension suspension(Handle());
        if (updateNow)
            SkinData.PaintSuspended = true;
        result = ListBox::WindowProc(message, wParam, lParam);
    }
    if (updateNow) {
        SkinData.PaintSuspended = false;
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    } else {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return result;
}

void TsCustomListBox::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    if (sender == SkinData.Manager()) {
        switch (change) {
        case SkinChange::Set:
            if (Handle())
                AttachEditAdapter();
            break;
        case SkinChange::Remove:
            m_editAdapter.reset();
            // The list box takes the system's window colour back whatever its own was.
            SetColor(GetSysColor(COLOR_WINDOW));
            break;
        case SkinChange::Refresh:
            if (Handle() && !Animation().CaptureMode)
                RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ERASE | RDW_INVALIDATE);
            break;
        }
    }
    rest();
}

LRESULT TsCustomListBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SKM_COMMAND)
        return AnswerOrPassOn(*this, wParam, lParam, [&] { return ListBox::WindowProc(message, wParam, lParam); });
    const bool skinned = Ready() && Skinned();
    switch (message) {
    case WM_PAINT:
    case WM_PRINTCLIENT: {
        if (!skinned)
            break;
        auto given = reinterpret_cast<HDC>(wParam);
        std::optional<win32::PaintDC> paint;
        if (!given) {
            paint.emplace(Handle());
            given = paint->get();
        }
        if (message == WM_PRINTCLIENT)
            SkinData.PaintSuspended = false;
        else
            SkinData.PaintSuspended = SkinData.MustSkipPaint();
        if (!SkinData.PaintSuspended)
            PaintItems(given);
        return 0;
    }
    case WM_ERASEBKGND:
        if (skinned)
            return 1;
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (skinned)
            return Scroll(message, wParam, lParam, true);
        break;
    case WM_MOUSEWHEEL:
        if (skinned)
            return Scroll(message, wParam, lParam, false);
        break;
    case WM_ENABLE: {
        const LRESULT result = ListBox::WindowProc(message, wParam, lParam);
        if (skinned && IsWindowVisible(Handle())) {
            SkinData.CacheStale = true;
            if (m_editAdapter)
                m_editAdapter->MarkCacheStale();
            RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
        return result;
    }
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
    case ui::CM_VISIBLECHANGED:
    case ui::CM_ENABLEDCHANGED: {
        const LRESULT result = ListBox::WindowProc(message, wParam, lParam);
        BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    }
    default:
        break;
    }
    return ListBox::WindowProc(message, wParam, lParam);
}

} // namespace korvane
