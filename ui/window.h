#pragma once

#include "ui/skin_link.h"

#include <windows.h>

#include <exception>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::ui {

// The skin engine's private command message; the command code travels in the high 16 bits of
// wParam. Windows that do not know it answer 0.
inline constexpr UINT kSkmCommand = 0xA100;

// Left, top, width, height in the parent's client coordinates (screen coordinates for forms).
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

class GraphicControl;

// One Win32 window bound to a C++ object. Windows of our own classes are bound at WM_NCCREATE;
// system-class windows are adopted by subclassing. Both end in the same state: one static window
// procedure finds the object, routes the message to WindowProc and its small named handlers, and
// unbinds at WM_NCDESTROY. What a handler leaves unhandled goes to the previous procedure.
// A later layer can subclass the window again with SetWindowLongPtr(GWLP_WNDPROC) or replace
// WindowProc in a derived class; the object stays reachable through FromHandle.
class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window();

    HWND Handle() const { return m_handle; }
    // The object bound to a window, or null.
    static Window* FromHandle(HWND window);

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;

    std::wstring Text() const;
    void SetText(std::wstring_view text);
    void SetFont(HFONT font);
    HFONT Font() const;
    bool Enabled() const;
    void SetEnabled(bool enabled);
    bool Visible() const;
    void SetVisible(bool visible);
    // Position and size in the parent's client area (screen for top-level windows).
    Bounds WindowBounds() const;
    void SetBounds(const Bounds& bounds);
    void Invalidate(bool erase = true);
    // Text colour and background colour used when the window paints through WM_CTLCOLOR*;
    // CLR_INVALID means the system's colours.
    COLORREF FontColor() const { return m_fontColor; }
    void SetFontColor(COLORREF color);
    COLORREF Color() const { return m_color; }
    void SetColor(COLORREF color);
    bool MouseInside() const { return m_mouseInside; }
    // The skin section the window takes its look from; empty for windows the adapters skin.
    SkinLink& Skin() { return m_skin; }
    const SkinLink& Skin() const { return m_skin; }

    // Windowless controls drawn and driven by this window.
    void AddGraphicControl(GraphicControl& control);
    void RemoveGraphicControl(GraphicControl& control);
    const std::vector<GraphicControl*>& GraphicControls() const { return m_graphicControls; }

protected:
    // Creates a window of a class registered with StaticWindowProc; `this` is bound at WM_NCCREATE.
    void CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const Bounds& bounds, HWND parent,
                         HMENU menuOrId, std::wstring_view text);
    // Creates a window of a system class and adopts it.
    void CreateSystemWindow(const wchar_t* className, DWORD exStyle, DWORD style, const Bounds& bounds, HWND parent,
                            HMENU menuOrId, std::wstring_view text);
    // Binds this object to an existing window by subclassing it.
    void Adopt(HWND window);
    // Registers a window class served by StaticWindowProc once per process.
    static void RegisterOwnClass(const wchar_t* className, UINT classStyle, HBRUSH background);

    // Every message of the window comes here first.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous window procedure (the system class's, or DefWindowProc for our classes).
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Notifications for a later layer (skin painters) to hook.
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}
    virtual void OnFocusChanged(bool /*focused*/) {}
    virtual void OnEnabledChanged(bool /*enabled*/) {}
    virtual void OnVisibilityChanged(bool /*visible*/) {}
    virtual void OnFontChanged() {}
    virtual void OnColorChanged() {}
    virtual void OnTextChanged() {}
    // SKM_COMMAND; return true when answered, with the answer in result.
    virtual bool OnEngineCommand(WPARAM /*wParam*/, LPARAM /*lParam*/, LRESULT& /*result*/) { return false; }
    // WM_COMMAND / WM_NOTIFY sent by this window's parent on its behalf (reflected back here).
    virtual bool OnReflectedCommand(WORD /*code*/) { return false; }
    // WM_CTLCOLOR* sent to the parent for this window: the brush to paint with, or null.
    virtual HBRUSH OnControlColor(HDC dc);
    // Painting of the window's windowless controls, after the window itself painted.
    void PaintGraphicControls(HDC dc, const RECT& area);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND window);
    void Unbind();
    bool RouteMouseToGraphicControls(UINT message, LPARAM lParam);
    GraphicControl* GraphicControlAt(POINT point) const;

    HWND m_handle = nullptr;
    WNDPROC m_previousProc = nullptr;
    bool m_mouseInside = false;
    COLORREF m_fontColor = CLR_INVALID;
    COLORREF m_color = CLR_INVALID;
    HBRUSH m_colorBrush = nullptr;
    HFONT m_font = nullptr;
    std::vector<GraphicControl*> m_graphicControls;
    GraphicControl* m_hotGraphic = nullptr;
    GraphicControl* m_capturedGraphic = nullptr;
    SkinLink m_skin;
};

// The handler for errors that no handler catches, called by the window procedure when a message
// handler throws (C++ exceptions must not cross Win32 frames). Set by the application object.
using UncaughtErrorHandler = void (*)(const std::exception& error);
void SetUncaughtErrorHandler(UncaughtErrorHandler handler);
void ReportUncaughtError(const std::exception& error);

} // namespace korvane::ui
