#include "ui/window.h"

#include "ui/graphic_control.h"
#include "ui/text.h"
#include "ui/window_text.h"
#include "win32/dc_guards.h"
#include "win32/rect.h"
#include "win32/window_class.h"
#include "win32/window_table.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace korvane::ui {

namespace {

// What the user-interface thread knows of a window it serves: the object bound to it, and for a
// subclassed window the procedure it replaced.
using WindowSlot = win32::SubclassSlot<Window>;

win32::WindowTable<WindowSlot>& Slots()
{
    static win32::WindowTable<WindowSlot> slots;
    return slots;
}

WindowSlot* SlotOf(HWND window)
{
    return Slots().Find(window);
}

UncaughtErrorHandler g_uncaughtErrorHandler = nullptr;
Component* g_mouseComponent = nullptr;

// WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC: a child asks its parent for its colours.
bool IsControlColorMessage(UINT message)
{
    return message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC;
}

} // namespace

void SetUncaughtErrorHandler(UncaughtErrorHandler handler)
{
    g_uncaughtErrorHandler = handler;
}

void ReportUncaughtError(const std::exception& error)
{
    if (g_uncaughtErrorHandler) {
        g_uncaughtErrorHandler(error);
        return;
    }
    MessageBoxW(GetActiveWindow(), WideFromUtf8(error.what()).c_str(), L"Error", MB_ICONERROR | MB_OK);
}

Component* MouseComponent()
{
    return g_mouseComponent;
}

void SetMouseComponent(Component* entered)
{
    Component* left = g_mouseComponent;
    if (entered == left)
        return;
    g_mouseComponent = entered;
    if (left)
        left->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<LPARAM>(entered));
    // The component left may have made another one current meanwhile; only the latest enters.
    if (entered && g_mouseComponent == entered)
        entered->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(left));
}

void ForgetMouseComponent(const Component* component)
{
    if (g_mouseComponent == component)
        g_mouseComponent = nullptr;
}

Window::~Window()
{
    ForgetMouseComponent(this);
    if (m_colorBrush)
        DeleteObject(m_colorBrush);
    ReleaseHooks();
    if (m_handle) {
        const HWND window = m_handle;
        const bool owned = m_owned;
        Detach();
        // After Detach no message reaches this half-destroyed object: the window ends with its own
        // procedure (and whoever subclassed it after us), which still sees WM_NCDESTROY.
        if (owned)
            DestroyWindow(window);
    }
}

Window* Window::FromHandle(HWND window)
{
    const WindowSlot* slot = window ? SlotOf(window) : nullptr;
    return slot ? slot->Served : nullptr;
}

LRESULT Window::Send(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return SendMessageW(m_handle, message, wParam, lParam);
}

std::wstring Window::Text() const
{
    return WindowText(m_handle);
}

void Window::SetText(std::wstring_view text)
{
    const std::wstring copy(text);
    SetWindowTextW(m_handle, copy.c_str());
}

void Window::SetFont(HFONT font)
{
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
}

HFONT Window::Font() const
{
    return reinterpret_cast<HFONT>(Send(WM_GETFONT));
}

bool Window::Enabled() const
{
    return IsWindowEnabled(m_handle) != FALSE;
}

void Window::SetEnabled(bool enabled)
{
    EnableWindow(m_handle, enabled ? TRUE : FALSE);
}

bool Window::Visible() const
{
    return (GetWindowLongW(m_handle, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(bool visible)
{
    ShowWindow(m_handle, visible ? SW_SHOW : SW_HIDE);
}

PixelRect Window::WindowBounds() const
{
    RECT r{};
    GetWindowRect(m_handle, &r);
    if (HWND parent = GetParent(m_handle); parent && (GetWindowLongW(m_handle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return win32::FromRECT(r);
}

void Window::SetBounds(const PixelRect& bounds)
{
    SetWindowPos(m_handle, nullptr, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::Invalidate(bool erase)
{
    InvalidateRect(m_handle, nullptr, erase ? TRUE : FALSE);
}

void Window::SetFontColor(COLORREF color)
{
    if (color == m_fontColor)
        return;
    m_fontColor = color;
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void Window::SetColor(COLORREF color)
{
    if (color == m_color)
        return;
    m_color = color;
    if (m_colorBrush)
        DeleteObject(m_colorBrush);
    m_colorBrush = color == CLR_INVALID ? nullptr : CreateSolidBrush(color);
    Perform(CM_COLORCHANGED);
    Invalidate();
}

void Window::AddGraphicControl(GraphicControl& control)
{
    m_graphicControls.push_back(&control);
}

void Window::RemoveGraphicControl(GraphicControl& control)
{
    std::erase(m_graphicControls, &control);
    if (m_capturedGraphic == &control)
        m_capturedGraphic = nullptr;
}

void Window::RegisterOwnClass(const wchar_t* className, UINT classStyle, HBRUSH background)
{
    if (!win32::RegisterWindowClass({className, &StaticWindowProc, classStyle, background}))
        throw std::runtime_error("Cannot register a window class");
}

void Window::CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const PixelRect& bounds, HWND parent,
                             HMENU menuOrId, std::wstring_view text)
{
    const std::wstring caption(text);
    m_owned = true;
    HWND window = CreateWindowExW(exStyle, className, caption.c_str(), style, bounds.Left, bounds.Top, bounds.Width(),
                                  bounds.Height(), parent, menuOrId, GetModuleHandleW(nullptr), this);
    if (!window)
        throw std::runtime_error("Cannot create window");
}

void Window::CreateSystemWindow(const wchar_t* className, DWORD exStyle, DWORD style, const PixelRect& bounds,
                                HWND parent, HMENU menuOrId, std::wstring_view text)
{
    const std::wstring caption(text);
    HWND window = CreateWindowExW(exStyle, className, caption.c_str(), style, bounds.Left, bounds.Top, bounds.Width(),
                                  bounds.Height(), parent, menuOrId, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        throw std::runtime_error("Cannot create control window");
    m_owned = true;
    Subclass(window);
}

void Window::Adopt(HWND window)
{
    if (!window || window == m_handle)
        return;
    Detach();
    m_owned = false;
    Subclass(window);
}

void Window::Subclass(HWND window)
{
    if (WindowSlot* stranded = SlotOf(window); stranded && stranded->Previous && !stranded->Served) {
        // Our procedure still sits in the chain from an earlier object, under another
        // subclasser: this object takes its place there rather than entering the chain twice.
        m_previousProc = stranded->Previous;
    } else {
        SetLastError(0);
        m_previousProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&SubclassProc)));
        if (!m_previousProc && GetLastError() != 0)
            throw std::runtime_error("Cannot subclass a window");
    }
    m_subclassed = true;
    Slots().At(window) = {nullptr, m_previousProc};
    Bind(window);
}

void Window::Bind(HWND window)
{
    m_handle = window;
    Slots().At(window).Served = this;
}

void Window::Detach()
{
    if (m_handle && m_subclassed) {
        if (GetWindowLongPtrW(m_handle, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc)) {
            SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
            const HWND window = m_handle;
            Unbind();
            Slots().Erase(window);
            return;
        }
        // Someone subclassed the window over us: our procedure stays in the chain, passing every
        // message to the one it replaced, until the window is destroyed.
    }
    Unbind();
}

void Window::Unbind()
{
    if (!m_handle)
        return;
    if (WindowSlot* slot = SlotOf(m_handle); slot && slot->Served == this) {
        slot->Served = nullptr;
        if (!slot->Previous)
            Slots().Erase(m_handle);
    }
    m_handle = nullptr;
    m_subclassed = false;
    m_trackingLeave = false;
    m_mouseInside = false;
}

LRESULT CALLBACK Window::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    Window* self = FromHandle(window);
    if (!self && message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<const CREATESTRUCTW*>(lParam);
        self = static_cast<Window*>(create->lpCreateParams);
        if (self)
            self->Bind(window);
    }
    if (!self)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        self->NotifyWindowDestroyed();
        self->Unbind();
        self->OnWindowDestroyed();
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return self->Receive(message, wParam, lParam);
}

LRESULT CALLBACK Window::SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const WindowSlot* slot = SlotOf(window);
    if (!slot)
        return DefWindowProcW(window, message, wParam, lParam);
    const WNDPROC previous = slot->Previous;
    Window* self = slot->Served;
    if (message == WM_NCDESTROY) {
        // Leave the chain first; the rest of it, the class procedure included, still gets the
        // message.
        if (GetWindowLongPtrW(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&SubclassProc))
            SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
        if (self && self->m_handle == window) {
            self->NotifyWindowDestroyed();
            self->Unbind();
            self->OnWindowDestroyed();
        }
        Slots().Erase(window);
        return CallWindowProcW(previous, window, message, wParam, lParam);
    }
    if (!self || self->m_handle != window)
        return CallWindowProcW(previous, window, message, wParam, lParam);
    return self->Receive(message, wParam, lParam);
}

LRESULT Window::Receive(UINT message, WPARAM wParam, LPARAM lParam)
{
    ++m_receiving;
    struct Leave {
        int& depth;
        ~Leave() { --depth; }
    } leave{m_receiving};
    return HandleReportingErrors([&] {
        Message m{message, wParam, lParam};
        Dispatch(m);
        return m.Result;
    });
}

void Window::HandleMessage(Message& message)
{
    if (IsNotification(message.Id) || IsReflected(message.Id)) {
        // Never handed to the previous procedure: those messages mean something else to it.
        if (IsReflected(message.Id)) {
            message.Handled = OnReflected(message);
            return;
        }
        message.Result = WindowProc(message.Id, message.WParam, message.LParam);
        message.Handled = true;
        return;
    }
    message.Result = WindowProc(message.Id, message.WParam, message.LParam);
    message.Handled = true;
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!m_handle || IsNotification(message) || IsReflected(message))
        return 0;
    if (!m_subclassed)
        return DefWindowProcW(m_handle, message, wParam, lParam);
    return CallWindowProcW(m_previousProc, m_handle, message, wParam, lParam);
}

bool Window::OnReflected(Message& message)
{
    const UINT original = message.Id - CN_BASE;
    switch (original) {
    case WM_COMMAND:
        if (OnReflectedCommand(HIWORD(message.WParam))) {
            message.Result = 0;
            return true;
        }
        return false;
    default:
        if (IsControlColorMessage(original)) {
            if (HBRUSH brush = OnControlColor(reinterpret_cast<HDC>(message.WParam))) {
                message.Result = reinterpret_cast<LRESULT>(brush);
                return true;
            }
        }
        return false;
    }
}

HBRUSH Window::OnControlColor(HDC dc)
{
    if (m_fontColor == CLR_INVALID && m_color == CLR_INVALID)
        return nullptr;
    if (m_fontColor != CLR_INVALID)
        SetTextColor(dc, m_fontColor);
    if (m_color != CLR_INVALID) {
        SetBkColor(dc, m_color);
        return m_colorBrush;
    }
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

bool Window::ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result)
{
    HWND child = nullptr;
    switch (message) {
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        child = reinterpret_cast<HWND>(lParam);
        break;
    case WM_NOTIFY:
        if (const auto* header = reinterpret_cast<const NMHDR*>(lParam))
            child = header->hwndFrom;
        break;
    case WM_DRAWITEM:
        if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam); item && item->CtlType != ODT_MENU)
            child = item->hwndItem;
        break;
    case WM_MEASUREITEM:
        if (const auto* item = reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam); item && item->CtlType != ODT_MENU)
            child = GetDlgItem(m_handle, static_cast<int>(item->CtlID));
        break;
    default:
        if (!IsControlColorMessage(message))
            return false;
        child = reinterpret_cast<HWND>(lParam);
        break;
    }
    Window* target = FromHandle(child);
    if (!target || target == this)
        return false;
    Message reflected{CN_BASE + message, wParam, lParam};
    target->Perform(reflected);
    result = reflected.Result;
    return reflected.Handled;
}

LRESULT Window::Paint(HDC given)
{
    const bool hasGraphics = !m_graphicControls.empty();
    if (!PaintsClient() && !hasGraphics)
        return DefaultProc(given ? WM_PRINTCLIENT : WM_PAINT, reinterpret_cast<WPARAM>(given), given ? PRF_CLIENT : 0);
    if (given) {
        RECT client{};
        GetClientRect(m_handle, &client);
        PaintContext paint{given, win32::FromRECT(client), true};
        if (PaintsClient())
            OnPaint(paint);
        PaintGraphicControls(given, paint.Area);
        return 0;
    }
    win32::PaintDC dc(m_handle);
    PaintContext paint{dc.get(), win32::FromRECT(dc.PaintRect()), false};
    if (PaintsClient())
        OnPaint(paint);
    PaintGraphicControls(dc.get(), paint.Area);
    return 0;
}

void Window::PaintGraphicControls(HDC dc, const PixelRect& area)
{
    const RECT areaRect = win32::ToRECT(area);
    for (GraphicControl* control : m_graphicControls) {
        if (!control->Visible())
            continue;
        RECT r = control->ControlRect();
        RECT common{};
        if (!IntersectRect(&common, &r, &areaRect))
            continue;
        const int saved = SaveDC(dc);
        IntersectClipRect(dc, r.left, r.top, r.right, r.bottom);
        control->Paint(dc);
        RestoreDC(dc, saved);
    }
}

GraphicControl* Window::GraphicControlAt(POINT point) const
{
    for (auto it = m_graphicControls.rbegin(); it != m_graphicControls.rend(); ++it) {
        const RECT r = (*it)->ControlRect();
        if ((*it)->Visible() && PtInRect(&r, point))
            return *it;
    }
    return nullptr;
}

void Window::TrackMouse(LPARAM lParam)
{
    if (!m_trackingLeave) {
        TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_handle, 0};
        m_trackingLeave = TrackMouseEvent(&track) != FALSE;
    }
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    GraphicControl* under = m_graphicControls.empty() ? nullptr : GraphicControlAt(point);
    SetMouseComponent(under ? static_cast<Component*>(under) : this);
}

void Window::MouseLeft()
{
    m_trackingLeave = false;
    // The mouse may already be over a child window, which made itself current before this
    // window heard that the mouse left.
    Component* current = MouseComponent();
    if (current == this ||
        std::find(m_graphicControls.begin(), m_graphicControls.end(), current) != m_graphicControls.end())
        SetMouseComponent(nullptr);
}

bool Window::RouteMouseToGraphicControls(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_graphicControls.empty())
        return false;
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    GraphicControl* target = m_capturedGraphic ? m_capturedGraphic : GraphicControlAt(point);
    if (!target || !target->Enabled())
        return false;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_capturedGraphic = target;
        SetCapture(m_handle);
        target->Perform(message, wParam, lParam);
        return true;
    case WM_LBUTTONUP:
        m_capturedGraphic = nullptr;
        if (GetCapture() == m_handle)
            ReleaseCapture();
        target->Perform(message, wParam, lParam);
        return true;
    case WM_MOUSEMOVE:
        target->Perform(message, wParam, lParam);
        return false;
    default:
        return false;
    }
}

void Window::NotifyShowing(bool showing)
{
    Perform(CM_SHOWINGCHANGED, showing ? 1 : 0);
    for (GraphicControl* control : m_graphicControls)
        if (control->Visible())
            control->Perform(CM_SHOWINGCHANGED, showing ? 1 : 0);
    for (HWND child = GetWindow(m_handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (Window* window = FromHandle(child); window && (GetWindowLongW(child, GWL_STYLE) & WS_VISIBLE))
            window->NotifyShowing(showing);
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        return Paint(nullptr);
    case WM_PRINTCLIENT:
        return Paint(reinterpret_cast<HDC>(wParam));
    case WM_ERASEBKGND:
        if (auto answer = OnEraseBackground(reinterpret_cast<HDC>(wParam)))
            return *answer;
        break;
    case WM_NCPAINT:
        if (auto answer = OnNcPaint(reinterpret_cast<HRGN>(wParam)))
            return *answer;
        break;
    case WM_NCCALCSIZE:
        if (auto answer = OnNcCalcSize(wParam != 0, lParam))
            return *answer;
        break;
    case WM_NCHITTEST:
        if (auto answer = OnNcHitTest({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}))
            return *answer;
        break;
    case WM_NCACTIVATE:
        if (auto answer = OnNcActivate(wParam != 0, lParam))
            return *answer;
        break;
    case WM_CLOSE:
        if (auto answer = OnClose())
            return *answer;
        break;
    case WM_ACTIVATE:
        if (auto answer = OnActivate(wParam, lParam))
            return *answer;
        break;
    case WM_CHAR: {
        wchar_t key = static_cast<wchar_t>(wParam);
        OnChar(key);
        if (key == 0)
            return 0;
        return DefaultProc(message, key, lParam);
    }
    case WM_MOUSEMOVE:
        TrackMouse(lParam);
        RouteMouseToGraphicControls(message, wParam, lParam);
        break;
    case WM_MOUSELEAVE:
        MouseLeft();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        if (RouteMouseToGraphicControls(message, wParam, lParam))
            return 0;
        break;
    case WM_CAPTURECHANGED:
        m_capturedGraphic = nullptr;
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnFocusChanged(message == WM_SETFOCUS);
        return result;
    }
    case WM_ENABLE: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Perform(CM_ENABLEDCHANGED, wParam != 0 ? 1 : 0);
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (pos->flags & (SWP_SHOWWINDOW | SWP_HIDEWINDOW)) {
            const bool shown = (pos->flags & SWP_SHOWWINDOW) != 0;
            Perform(CM_VISIBLECHANGED, shown ? 1 : 0);
            NotifyShowing(shown);
        }
        return result;
    }
    case WM_GETFONT:
        if (!m_subclassed)
            return reinterpret_cast<LRESULT>(m_font);
        break;
    case WM_SETFONT: {
        // DefWindowProc keeps no font: windows of our own classes hold it themselves.
        if (!m_subclassed) {
            m_font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam))
                Invalidate();
            Perform(CM_FONTCHANGED);
            return 0;
        }
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Perform(CM_FONTCHANGED);
        return result;
    }
    case WM_SETTEXT: {
        if (auto answer = OnSetText(reinterpret_cast<const wchar_t*>(lParam)))
            return *answer;
        const LRESULT result = DefaultProc(message, wParam, lParam);
        Perform(CM_TEXTCHANGED);
        return result;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_HSCROLL:
    case WM_VSCROLL: {
        LRESULT result = 0;
        if (ReflectToChild(message, wParam, lParam, result))
            return result;
        break;
    }
    case CM_MOUSEENTER:
        m_mouseInside = true;
        OnMouseEnter();
        return 0;
    case CM_MOUSELEAVE:
        m_mouseInside = false;
        OnMouseLeave();
        return 0;
    case CM_ENABLEDCHANGED:
        OnEnabledChanged(wParam != 0);
        return 0;
    case CM_VISIBLECHANGED:
        OnVisibilityChanged(wParam != 0);
        return 0;
    case CM_SHOWINGCHANGED:
        OnShowingChanged(wParam != 0);
        return 0;
    case CM_FONTCHANGED:
        OnFontChanged();
        return 0;
    case CM_COLORCHANGED:
        OnColorChanged();
        return 0;
    case CM_TEXTCHANGED:
        OnTextChanged();
        return 0;
    default:
        if (IsControlColorMessage(message)) {
            LRESULT result = 0;
            if (ReflectToChild(message, wParam, lParam, result))
                return result;
        }
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace korvane::ui
