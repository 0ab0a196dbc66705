#include "ui/window.h"

#include "ui/graphic_control.h"
#include "ui/text.h"
#include "ui/window_text.h"

#include <windowsx.h>

#include <algorithm>
#include <stdexcept>

namespace korvane::ui {

namespace {

// The window property that holds the bound object: GWLP_USERDATA stays free for whoever
// subclasses the window later.
constexpr wchar_t kObjectProperty[] = L"KorvaneWindowObject";

UncaughtErrorHandler g_uncaughtErrorHandler = nullptr;

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

Window::~Window()
{
    if (m_colorBrush)
        DeleteObject(m_colorBrush);
    if (m_handle) {
        HWND window = m_handle;
        Unbind();
        DestroyWindow(window);
    }
}

Window* Window::FromHandle(HWND window)
{
    return window ? static_cast<Window*>(GetPropW(window, kObjectProperty)) : nullptr;
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

Bounds Window::WindowBounds() const
{
    RECT r{};
    GetWindowRect(m_handle, &r);
    if (HWND parent = GetParent(m_handle); parent && (GetWindowLongW(m_handle, GWL_STYLE) & WS_CHILD))
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
    return {r.left, r.top, r.right - r.left, r.bottom - r.top};
}

void Window::SetBounds(const Bounds& bounds)
{
    SetWindowPos(m_handle, nullptr, bounds.left, bounds.top, bounds.width, bounds.height,
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
    OnColorChanged();
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
    OnColorChanged();
    Invalidate();
}

void Window::AddGraphicControl(GraphicControl& control)
{
    m_graphicControls.push_back(&control);
}

void Window::RemoveGraphicControl(GraphicControl& control)
{
    std::erase(m_graphicControls, &control);
    if (m_hotGraphic == &control)
        m_hotGraphic = nullptr;
    if (m_capturedGraphic == &control)
        m_capturedGraphic = nullptr;
}

void Window::RegisterOwnClass(const wchar_t* className, UINT classStyle, HBRUSH background)
{
    HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, className, &existing))
        return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.style = classStyle;
    wc.lpfnWndProc = StaticWindowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    if (!RegisterClassExW(&wc))
        throw std::runtime_error("Cannot register a window class");
}

void Window::CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const Bounds& bounds, HWND parent,
                             HMENU menuOrId, std::wstring_view text)
{
    const std::wstring caption(text);
    HWND window = CreateWindowExW(exStyle, className, caption.c_str(), style, bounds.left, bounds.top, bounds.width,
                                  bounds.height, parent, menuOrId, GetModuleHandleW(nullptr), this);
    if (!window)
        throw std::runtime_error("Cannot create window");
}

void Window::CreateSystemWindow(const wchar_t* className, DWORD exStyle, DWORD style, const Bounds& bounds, HWND parent,
                                HMENU menuOrId, std::wstring_view text)
{
    const std::wstring caption(text);
    HWND window = CreateWindowExW(exStyle, className, caption.c_str(), style, bounds.left, bounds.top, bounds.width,
                                  bounds.height, parent, menuOrId, GetModuleHandleW(nullptr), nullptr);
    if (!window)
        throw std::runtime_error("Cannot create control window");
    Adopt(window);
}

void Window::Adopt(HWND window)
{
    Bind(window);
    m_previousProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&StaticWindowProc)));
}

void Window::Bind(HWND window)
{
    m_handle = window;
    SetPropW(window, kObjectProperty, this);
}

void Window::Unbind()
{
    if (!m_handle)
        return;
    RemovePropW(m_handle, kObjectProperty);
    // Put the class procedure back if nobody subclassed the window after us.
    if (m_previousProc && reinterpret_cast<WNDPROC>(GetWindowLongPtrW(m_handle, GWLP_WNDPROC)) == &StaticWindowProc)
        SetWindowLongPtrW(m_handle, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_previousProc));
    m_handle = nullptr;
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
        const WNDPROC previous = self->m_previousProc;
        self->Unbind();
        self->m_previousProc = nullptr;
        return previous ? CallWindowProcW(previous, window, message, wParam, lParam)
                        : DefWindowProcW(window, message, wParam, lParam);
    }
    try {
        return self->WindowProc(message, wParam, lParam);
    } catch (const std::exception& error) {
        ReportUncaughtError(error);
    } catch (...) {
        ReportUncaughtError(std::runtime_error("Unknown error"));
    }
    return 0;
}

LRESULT Window::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_previousProc)
        return CallWindowProcW(m_previousProc, m_handle, message, wParam, lParam);
    return DefWindowProcW(m_handle, message, wParam, lParam);
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

void Window::PaintGraphicControls(HDC dc, const RECT& area)
{
    for (GraphicControl* control : m_graphicControls) {
        if (!control->Visible())
            continue;
        RECT r = control->ControlRect();
        RECT common{};
        if (!IntersectRect(&common, &r, &area))
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

bool Window::RouteMouseToGraphicControls(UINT message, LPARAM lParam)
{
    if (m_graphicControls.empty())
        return false;
    const POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    GraphicControl* under = message == WM_MOUSELEAVE ? nullptr : GraphicControlAt(point);
    if (under != m_hotGraphic && !m_capturedGraphic) {
        if (m_hotGraphic)
            m_hotGraphic->MouseLeave();
        m_hotGraphic = under;
        if (m_hotGraphic)
            m_hotGraphic->MouseEnter();
    }
    GraphicControl* target = m_capturedGraphic ? m_capturedGraphic : under;
    if (!target || !target->Enabled())
        return false;
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        m_capturedGraphic = target;
        SetCapture(m_handle);
        target->MouseDown(point);
        return true;
    case WM_LBUTTONUP:
        m_capturedGraphic = nullptr;
        if (GetCapture() == m_handle)
            ReleaseCapture();
        target->MouseUp(point);
        return true;
    case WM_MOUSEMOVE:
        target->MouseMove(point);
        return false;
    default:
        return false;
    }
}

LRESULT Window::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOUSEMOVE: {
        if (!m_mouseInside) {
            m_mouseInside = true;
            TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, m_handle, 0};
            TrackMouseEvent(&track);
            OnMouseEnter();
        }
        RouteMouseToGraphicControls(message, lParam);
        break;
    }
    case WM_MOUSELEAVE:
        m_mouseInside = false;
        RouteMouseToGraphicControls(message, lParam);
        OnMouseLeave();
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
        if (RouteMouseToGraphicControls(message, lParam))
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
        OnEnabledChanged(wParam != 0);
        return result;
    }
    case WM_WINDOWPOSCHANGED: {
        const auto* pos = reinterpret_cast<const WINDOWPOS*>(lParam);
        const LRESULT result = DefaultProc(message, wParam, lParam);
        if (pos->flags & SWP_SHOWWINDOW)
            OnVisibilityChanged(true);
        else if (pos->flags & SWP_HIDEWINDOW)
            OnVisibilityChanged(false);
        return result;
    }
    case WM_GETFONT:
        if (!m_previousProc)
            return reinterpret_cast<LRESULT>(m_font);
        break;
    case WM_SETFONT: {
        // DefWindowProc keeps no font: windows of our own classes hold it themselves.
        if (!m_previousProc) {
            m_font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam))
                Invalidate();
            OnFontChanged();
            return 0;
        }
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnFontChanged();
        return result;
    }
    case WM_SETTEXT: {
        const LRESULT result = DefaultProc(message, wParam, lParam);
        OnTextChanged();
        return result;
    }
    case WM_COMMAND:
        if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
            if (child->OnReflectedCommand(HIWORD(wParam)))
                return 0;
        }
        break;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
        if (Window* child = FromHandle(reinterpret_cast<HWND>(lParam)); child && child != this) {
            if (HBRUSH brush = child->OnControlColor(reinterpret_cast<HDC>(wParam)))
                return reinterpret_cast<LRESULT>(brush);
        }
        break;
    case kSkmCommand: {
        LRESULT result = 0;
        if (m_skin.HandleCommand(wParam, lParam, result) || OnEngineCommand(wParam, lParam, result))
            return result;
        break;
    }
    default:
        break;
    }
    return DefaultProc(message, wParam, lParam);
}

} // namespace korvane::ui
