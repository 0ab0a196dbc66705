#include "windows/list_view_wnd_win32.h"

#include "controls/skin_data_rules.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "ui/window.h"
#include "win32/rect.h"
#include "win32/window_table.h"
#include "windows/adapter_face_win32.h"
#include "windows/header_layout.h"
#include "windows/skin_manager_win32.h"

#include <commctrl.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace korvane {

namespace {

// A list view's header that an adapter subclassed: the adapter, and the procedure its thunk
// replaced.
using SubclassedHeader = win32::SubclassSlot<TacListViewWnd>;

win32::WindowTable<SubclassedHeader>& SubclassedHeaders()
{
    static win32::WindowTable<SubclassedHeader> slots;
    return slots;
}

#ifndef LVM_GETVIEW
constexpr UINT LVM_GETVIEW = LVM_FIRST + 143;
#endif
#ifndef HDF_SORTUP
constexpr int HDF_SORTUP = 0x0400;
constexpr int HDF_SORTDOWN = 0x0200;
#endif

bool IsHeaderClass(HWND window)
{
    wchar_t name[32] = {};
    GetClassNameW(window, name, 32);
    return lstrcmpiW(name, WC_HEADERW) == 0;
}

// The header's columns in display order with their rectangles.
std::vector<HeaderColumn> HeaderColumns(HWND header)
{
    const int count = std::max(0, static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0)));
    std::vector<int> order(static_cast<std::size_t>(count));
    std::iota(order.begin(), order.end(), 0);
    if (count > 0 && (GetWindowLongW(header, GWL_STYLE) & HDS_DRAGDROP))
        SendMessageW(header, HDM_GETORDERARRAY, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(order.data()));
    std::vector<HeaderColumn> columns;
    for (int index : order) {
        RECT rect{};
        if (SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&rect)))
            columns.push_back({index, {rect.left, rect.top, rect.right, rect.bottom}});
    }
    return columns;
}

std::vector<HeaderSlot> HeaderSlots(HWND header)
{
    RECT client{};
    GetClientRect(header, &client);
    return LayoutHeaderSlots(HeaderColumns(header), client.right, client.bottom);
}

HeaderAlign AlignOf(int format)
{
    switch (format & HDF_JUSTIFYMASK) {
    case HDF_RIGHT:
        return HeaderAlign::Right;
    case HDF_CENTER:
        return HeaderAlign::Centre;
    default:
        return HeaderAlign::Left;
    }
}

} // namespace

TacListViewWnd::TacListViewWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacEditWnd(window, section, manager)
{
}

TacListViewWnd::~TacListViewWnd()
{
    // The base's destructor cannot reach this class's Restore any more.
    if (!Detached() && IsWindow(Window()))
        RestoreListColours();
    ReleaseHeader();
}

ListViewMode TacListViewWnd::ViewMode() const
{
    const auto view = static_cast<int>(SendMessageW(Window(), LVM_GETVIEW, 0, 0));
    const int styleType = static_cast<int>(GetWindowLongW(Window(), GWL_STYLE) & LVS_TYPEMASK);
    // A list that does not know the view message answers 0; its style still tells the view.
    return ListViewModeOfPlatform(view == 0 ? styleType : view);
}

void TacListViewWnd::Initialize()
{
    TacEditWnd::Initialize();
    m_savedBack = static_cast<COLORREF>(SendMessageW(Window(), LVM_GETBKCOLOR, 0, 0));
    m_savedTextBack = static_cast<COLORREF>(SendMessageW(Window(), LVM_GETTEXTBKCOLOR, 0, 0));
    m_savedText = static_cast<COLORREF>(SendMessageW(Window(), LVM_GETTEXTCOLOR, 0, 0));
    FindHeader();
}

void TacListViewWnd::RestoreListColours()
{
    if (!m_listColoured)
        return;
    m_listColoured = false;
    SendMessageW(Window(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(m_savedBack));
    SendMessageW(Window(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(m_savedTextBack));
    SendMessageW(Window(), LVM_SETTEXTCOLOR, 0,
                 static_cast<LPARAM>(m_savedText == CLR_INVALID ? GetSysColor(COLOR_WINDOWTEXT) : m_savedText));
}

void TacListViewWnd::Restore()
{
    TacEditWnd::Restore();
    if (IsWindow(Window())) {
        RestoreListColours();
        InvalidateRect(Window(), nullptr, TRUE);
    }
    ReleaseHeader();
}

void TacListViewWnd::SetSkinColours()
{
    TacEditWnd::SetSkinColours();
    const TsSkinManager* manager = Manager();
    const TsGeneralData* section = manager && manager->Tables().IsValidSection(SectionIndex())
                                       ? &manager->Tables().Sections[static_cast<std::size_t>(SectionIndex())]
                                       : nullptr;
    COLORREF back = CLR_INVALID;
    COLORREF text = CLR_INVALID;
    if (DialogChild()) {
        back = GetSysColor(COLOR_WINDOW);
        text = GetSysColor(COLOR_WINDOWTEXT);
    } else if (section) {
        back = static_cast<COLORREF>(section->Color) & 0xFFFFFF;
        text = static_cast<COLORREF>(section->FontColor[1]) & 0xFFFFFF;
    } else {
        return;
    }
    m_listColoured = true;
    // Setting a colour repaints the list: only what changed is set.
    if (static_cast<COLORREF>(SendMessageW(Window(), LVM_GETBKCOLOR, 0, 0)) != back)
        SendMessageW(Window(), LVM_SETBKCOLOR, 0, static_cast<LPARAM>(back));
    if (static_cast<COLORREF>(SendMessageW(Window(), LVM_GETTEXTBKCOLOR, 0, 0)) != back)
        SendMessageW(Window(), LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(back));
    if (static_cast<COLORREF>(SendMessageW(Window(), LVM_GETTEXTCOLOR, 0, 0)) != text)
        SendMessageW(Window(), LVM_SETTEXTCOLOR, 0, static_cast<LPARAM>(text));
}

// --- The column header ---------------------------------------------------------------------------

void TacListViewWnd::FindHeader()
{
    if (m_header)
        return;
    if (HWND header = FindWindowExW(Window(), nullptr, WC_HEADERW, nullptr))
        SubclassHeader(header);
}

void TacListViewWnd::SubclassHeader(HWND header)
{
    if (m_header || !header)
        return;
    SubclassedHeader& slot = SubclassedHeaders().At(header);
    if (slot.Served)
        return;
    m_header = header;
    slot.Served = this;
    m_headerProc = win32::SubclassWith(slot, header, &TacListViewWnd::HeaderThunk);
    HotColumn = -1;
    PressedColumn = -1;
    RepaintHeader();
}

void TacListViewWnd::ReleaseHeader()
{
    const HWND header = m_header;
    if (!header)
        return;
    m_header = nullptr;
    SubclassedHeader* slot = SubclassedHeaders().Find(header);
    if (slot && slot->Served == this)
        slot->Served = nullptr;
    if (!IsWindow(header)) {
        SubclassedHeaders().Erase(header);
        return;
    }
    // Another subclasser over the thunk keeps the thunk; it then passes everything on to the
    // procedure its slot keeps.
    if (GetWindowLongPtrW(header, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&TacListViewWnd::HeaderThunk)) {
        SetWindowLongPtrW(header, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_headerProc));
        SubclassedHeaders().Erase(header);
    }
    InvalidateRect(header, nullptr, TRUE);
}

void TacListViewWnd::RepaintHeader()
{
    if (m_header && IsWindowVisible(m_header))
        InvalidateRect(m_header, nullptr, FALSE);
}

LRESULT CALLBACK TacListViewWnd::HeaderThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const SubclassedHeader* slot = SubclassedHeaders().Find(window);
    if (TacListViewWnd* adapter = slot ? slot->Served : nullptr; adapter && adapter->m_header == window)
        return ui::HandleReportingErrors([&] { return adapter->HeaderProc(message, wParam, lParam); });
    return win32::PassOn(SubclassedHeaders(), window, message, wParam, lParam);
}

LRESULT TacListViewWnd::CallHeader(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_headerProc ? CallWindowProcW(m_headerProc, m_header, message, wParam, lParam)
                        : DefWindowProcW(m_header, message, wParam, lParam);
}

int TacListViewWnd::FaceSection() const
{
    const TsSkinManager* manager = Manager();
    if (!manager || !manager->Active())
        return -1;
    const int header = manager->Tables().FindSection(u"COLHEADER");
    return manager->Tables().IsValidSection(header) ? header : manager->Tables().FindSection(u"BUTTON");
}

LRESULT TacListViewWnd::HeaderProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY) {
        const HWND header = m_header;
        const LRESULT result = CallHeader(message, wParam, lParam);
        SubclassedHeaders().Erase(header);
        m_header = nullptr;
        return result;
    }
    if (Detached() || ViewMode() != ListViewMode::Details || FaceSection() < 0)
        return CallHeader(message, wParam, lParam);
    return HeaderMessage(message, wParam, lParam);
}

LRESULT TacListViewWnd::HeaderMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    const HWND header = m_header;
    switch (message) {
    case WM_PAINT: {
        const AdapterPaint paint(header, wParam);
        PaintHeader(paint.Dc());
        return 0;
    }
    case WM_PRINTCLIENT:
        PaintHeader(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_WINDOWPOSCHANGING:
        if (IsWindowVisible(Window()))
            SendMessageW(Window(), WM_NCPAINT, 1, 0);
        break;
    case WM_NCHITTEST: {
        const LRESULT result = CallHeader(message, wParam, lParam);
        POINT point = win32::PointOfLParam(lParam);
        ScreenToClient(header, &point);
        const int hot = HeaderColumnAt(HeaderSlots(header), point.x, point.y);
        if (hot != HotColumn) {
            HotColumn = hot;
            RepaintHeader();
        }
        return result;
    }
    case WM_LBUTTONUP: {
        PressedColumn = -1;
        const LRESULT result = CallHeader(message, wParam, lParam);
        RepaintHeader();
        return result;
    }
    case WM_LBUTTONDOWN: {
        const LRESULT result = CallHeader(message, wParam, lParam);
        HDHITTESTINFO hit{};
        hit.pt = win32::PointOfLParam(lParam);
        SendMessageW(header, HDM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
        const bool onDivider = (hit.flags & (HHT_ONDIVIDER | HHT_ONDIVOPEN)) != 0;
        PressedColumn = HeaderPressedColumn(onDivider, (hit.flags & HHT_ONHEADER) ? hit.iItem : -1);
        if (IsWindow(header))
            InvalidateRect(header, nullptr, FALSE);
        return result;
    }
    default:
        break;
    }
    return CallHeader(message, wParam, lParam);
}

void TacListViewWnd::PaintHeader(HDC dc)
{
    const int faceSection = FaceSection();
    if (!m_header || !dc || faceSection < 0)
        return;
    for (const HeaderSlot& slot : HeaderSlots(m_header)) {
        if (slot.Index >= 0)
            HeaderLineHeight = slot.Rect.Height();
        PaintHeaderItem(dc, slot.Index, slot.Rect, faceSection);
    }
}

void TacListViewWnd::PaintHeaderItem(HDC dc, int index, const PixelRect& rect, int faceSection)
{
    TsSkinManager* manager = Manager();
    const int width = rect.Width();
    const int height = rect.Height();
    if (!manager || width <= 0 || height <= 0 || !m_work.Resize(width, height) || m_work.Empty())
        return;
    const SkinTables& tables = manager->Tables();
    const TsGeneralData& face = tables.Sections[static_cast<std::size_t>(faceSection)];
    const int state = HeaderItemState(index, PressedColumn, HotColumn);
    const BitmapView view = m_work.View();
    const SkinTablesPaintSource source(tables);
    PaintSectionFace({faceSection, face.SectionName}, ColorBackground(GetSysColor(COLOR_WINDOW)), &source, view,
                     {0, 0, width, height}, LimitState(state, face.States));
    if (index >= 0) {
        const HDC canvas = m_work.Dc();
        const WindowFontSelection font(canvas, m_header);
        wchar_t text[260] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        item.pszText = text;
        item.cchTextMax = 260;
        SendMessageW(m_header, HDM_GETITEMW, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
        // The header's own image list holds the pictures its items' image indexes name.
        const auto images = reinterpret_cast<HIMAGELIST>(SendMessageW(m_header, HDM_GETIMAGELIST, 0, 0));
        int imageWidth = 0;
        int imageHeight = 0;
        const bool hasImage = (item.fmt & HDF_IMAGE) && images && item.iImage >= 0 &&
                              ImageList_GetIconSize(images, &imageWidth, &imageHeight);
        const int arrowMask = (item.fmt & HDF_SORTDOWN)
                                  ? manager->IndexCache.ScrollBtnSections[1].GlyphMask
                                  : ((item.fmt & HDF_SORTUP) ? manager->IndexCache.ScrollBtnSections[0].GlyphMask : -1);
        const TsMaskData* arrow =
            tables.IsValidMask(arrowMask) ? &tables.Masks[static_cast<std::size_t>(arrowMask)] : nullptr;
        SIZE measured{};
        const int length = lstrlenW(text);
        GetTextExtentPoint32W(canvas, text, length, &measured);
        HeaderItemContent content;
        content.TextWidth = measured.cx;
        content.ImageWidth = hasImage ? imageWidth : 0;
        content.ArrowWidth = arrow ? FrameWidth(*arrow) : 0;
        content.ArrowHeight = arrow ? FrameHeight(*arrow) : 0;
        content.Align = AlignOf(item.fmt);
        content.Pressed = state == 2;
        const HeaderItemPlace place = PlaceHeaderItem(width, height, content);
        if (arrow)
            PaintStateImage(view, place.ArrowX, place.ArrowY, std::min(state, std::max(0, arrow->ImageCount - 1)),
                            SelfBackground(view), *arrow, 1, source.MasterBitmap());
        DrawAdapterCaption(m_work, m_header, std::wstring_view(text, static_cast<std::size_t>(length)),
                           IsWindowEnabled(Window()), state != 0, manager, faceSection,
                           DT_END_ELLIPSIS | DT_SINGLELINE | DT_VCENTER | DT_EXPANDTABS, place.Text, m_glowWork);
        if (hasImage)
            ImageList_Draw(images, item.iImage, canvas, place.ImageX,
                           (height - imageHeight) / 2 + (content.Pressed ? 1 : 0), ILD_TRANSPARENT);
    }
    BitBlt(dc, rect.Left, rect.Top, width, height, m_work.Dc(), 0, 0, SRCCOPY);
}

// --- The list ------------------------------------------------------------------------------------

void TacListViewWnd::OnThumbTrack(UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool horizontal = message == WM_HSCROLL;
    SCROLLINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = SIF_POS;
    if (!GetScrollInfo(Window(), horizontal ? SB_HORZ : SB_VERT, &info))
        return;
    // The list's own position follows every step it scrolled, so it is the last drag position.
    RECT item{};
    item.left = LVIR_BOUNDS;
    const bool hasItem = SendMessageW(Window(), LVM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&item)) != 0;
    const ListScrollStep step =
        ThumbTrackStep(ViewMode(), horizontal, info.nPos, ThumbTrackPosition(wParam, lParam),
                       hasItem ? item.right - item.left : 0, hasItem ? item.bottom - item.top : 0);
    if (step.Moves())
        SendMessageW(Window(), LVM_SCROLL, static_cast<WPARAM>(step.Dx), static_cast<LPARAM>(step.Dy));
}

void TacListViewWnd::OnPrintHeader(HDC dc)
{
    if (!dc || !m_header || !IsWindowVisible(m_header) || ViewMode() != ListViewMode::Details)
        return;
    RECT client{};
    GetClientRect(Window(), &client);
    RECT header{};
    GetWindowRect(m_header, &header);
    MapWindowPoints(nullptr, Window(), reinterpret_cast<POINT*>(&header), 2);
    const int saved = SaveDC(dc);
    POINT origin{};
    const int left = LeftEdge + (LeftScrollBar && VertBar.Shown ? VertBar.BarThickness() : 0);
    OffsetViewportOrgEx(dc, left, TopEdge, &origin);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    OffsetViewportOrgEx(dc, header.left, header.top, nullptr);
    PaintHeader(dc);
    RestoreDC(dc, saved);
}

void TacListViewWnd::OnSkinChanged(SkinChange change, bool own, const std::function<void()>& rest)
{
    if (change == SkinChange::Remove && own) {
        RestoreListColours();
        ReleaseHeader();
        TacEditWnd::OnSkinChanged(change, own, rest);
        return;
    }
    const TsSkinManager* manager = Manager();
    const bool takesSkin = own && manager && manager->Active() && !StyleHidden;
    TacEditWnd::OnSkinChanged(change, own, rest);
    if (takesSkin) {
        FindHeader();
        RepaintHeader();
    }
}

LRESULT TacListViewWnd::WndProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    const TsSkinManager* manager = Manager();
    if (StyleHidden || !manager || !manager->Active() || Detached())
        return TacEditWnd::WndProc(message, wParam, lParam);
    switch (message) {
    case WM_PARENTNOTIFY:
        // A new header takes the place of the one the list had.
        if (const auto child = reinterpret_cast<HWND>(lParam);
            LOWORD(wParam) == WM_CREATE && child != m_header && IsHeaderClass(child)) {
            ReleaseHeader();
            SubclassHeader(child);
        }
        break;
    case WM_HSCROLL:
    case WM_VSCROLL:
        if (LOWORD(wParam) == SB_THUMBTRACK) {
            OnThumbTrack(message, wParam, lParam);
            return 0;
        }
        // The position travels in the WParam; the list takes a non-zero LParam for a bar window.
        return TacEditWnd::WndProc(message, wParam, 0);
    case WM_NCHITTEST:
        if (HotColumn >= 0 || PressedColumn >= 0) {
            HotColumn = -1;
            PressedColumn = -1;
            RepaintHeader();
        }
        break;
    case WM_STYLECHANGED:
    case LVM_ARRANGE:
    case LVM_INSERTITEMA:
    case LVM_INSERTITEMW: {
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        if (!PaintSuspended && IsWindow(Window()))
            RefreshBars();
        return result;
    }
    case WM_LBUTTONUP: {
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        if (GetCapture() == Window())
            ReleaseCapture();
        return result;
    }
    case WM_PRINT: {
        const LRESULT result = TacEditWnd::WndProc(message, wParam, lParam);
        if (result != 2)
            OnPrintHeader(reinterpret_cast<HDC>(wParam));
        return result;
    }
    case SKM_COMMAND:
        if (EngineCommandOf(wParam) == SKC_BEFORESCROLL)
            return 1;
        break;
    default:
        break;
    }
    return TacEditWnd::WndProc(message, wParam, lParam);
}

} // namespace korvane
