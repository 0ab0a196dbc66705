#pragma once

#include "gfx/pixel_rect.h"
#include "ui/component.h"

#include <windows.h>

#include <exception>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvane::ui {

class GraphicControl;

// What a paint handler paints into: the DC (a paint DC for WM_PAINT, the caller's for
// WM_PRINTCLIENT) and the part of the client area that needs painting.
struct PaintContext {
    HDC Dc = nullptr;
    PixelRect Area;
    bool Printing = false; // WM_PRINTCLIENT: painting into someone else's DC
};

// One Win32 window bound to a C++ object. Windows of our own classes are bound at WM_NCCREATE;
// windows of system classes are subclassed with our own window procedure, which stays in the
// chain (passing messages on) when another subclasser came over it. The user-interface thread
// finds a window's object in a table of its own, never by a window property.
//
// A window is either owned (this object created it and destroys it with itself) or borrowed
// (someone else created it; the object only attaches to it and, when it goes, detaches and leaves
// the window alive). Both end in the same state: every message passes the component's hooks, then
// WindowProc, a switch that routes to small named handlers, and whatever those leave goes to the
// previous window procedure (DefaultProc).
class Window : public Component {
public:
    Window() = default;
    ~Window() override;

    HWND Handle() const { return m_handle; }
    // The object bound to a window, or null.
    static Window* FromHandle(HWND window);
    bool OwnsWindow() const { return m_owned; }
    std::wstring_view ClassName() const override { return L"TWinControl"; }

    // Attaches the object to a window someone else owns (borrowed).
    void Adopt(HWND window);
    // Leaves the window: messages go to its previous procedure again and the window stays.
    void Detach();

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
    PixelRect WindowBounds() const;
    void SetBounds(const PixelRect& bounds);
    void Invalidate(bool erase = true);
    // Text colour and background colour used when the window paints through WM_CTLCOLOR*;
    // CLR_INVALID means the system's colours.
    COLORREF FontColor() const { return m_fontColor; }
    void SetFontColor(COLORREF color);
    COLORREF Color() const { return m_color; }
    void SetColor(COLORREF color);
    // The mouse is over the window itself (not over one of its windowless controls or children).
    bool MouseInside() const { return m_mouseInside; }

    // Windowless controls drawn and driven by this window.
    void AddGraphicControl(GraphicControl& control);
    void RemoveGraphicControl(GraphicControl& control);
    const std::vector<GraphicControl*>& GraphicControls() const { return m_graphicControls; }

protected:
    // Creates a window of a class registered with StaticWindowProc; `this` is bound at WM_NCCREATE.
    void CreateOwnWindow(const wchar_t* className, DWORD exStyle, DWORD style, const PixelRect& bounds, HWND parent,
                         HMENU menuOrId, std::wstring_view text);
    // Creates a window of a system class and subclasses it; the window is owned.
    void CreateSystemWindow(const wchar_t* className, DWORD exStyle, DWORD style, const PixelRect& bounds, HWND parent,
                            HMENU menuOrId, std::wstring_view text);
    // Registers a window class served by StaticWindowProc once per process.
    static void RegisterOwnClass(const wchar_t* className, UINT classStyle, HBRUSH background);

    void HandleMessage(Message& message) override;
    // The router: every message no hook handled comes here.
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    // The previous window procedure: the system class's (and the subclassers' before us), or
    // DefWindowProc for our classes.
    LRESULT DefaultProc(UINT message, WPARAM wParam, LPARAM lParam);

    // Named handlers. Those returning std::optional answer the message when they return a value;
    // an empty answer passes it on to DefaultProc.
    //
    // Painting (WM_PAINT, and WM_PRINTCLIENT with the given DC) runs through OnPaint for windows
    // that PaintsClient(); the windowless controls are painted after it. Other windows paint as
    // their class does.
    virtual bool PaintsClient() const { return false; }
    virtual void OnPaint(PaintContext& /*paint*/) {}
    virtual std::optional<LRESULT> OnEraseBackground(HDC /*dc*/) { return {}; }
    virtual std::optional<LRESULT> OnNcPaint(HRGN /*region*/) { return {}; }
    virtual std::optional<LRESULT> OnNcCalcSize(bool /*validRects*/, LPARAM /*params*/) { return {}; }
    virtual std::optional<LRESULT> OnNcHitTest(POINT /*screenPoint*/) { return {}; }
    virtual std::optional<LRESULT> OnNcActivate(bool /*active*/, LPARAM /*lParam*/) { return {}; }
    // WM_SETTEXT before the window takes the text; OnTextChanged follows once it has.
    virtual std::optional<LRESULT> OnSetText(const wchar_t* /*text*/) { return {}; }
    // WM_CHAR: the handler may change the key; a key changed to 0 is dropped.
    virtual void OnChar(wchar_t& /*key*/) {}
    virtual std::optional<LRESULT> OnClose() { return {}; }
    virtual std::optional<LRESULT> OnActivate(WPARAM /*wParam*/, LPARAM /*lParam*/) { return {}; }

    // The class library's notifications.
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}
    virtual void OnFocusChanged(bool /*focused*/) {}
    virtual void OnEnabledChanged(bool /*enabled*/) {}
    virtual void OnVisibilityChanged(bool /*visible*/) {}
    virtual void OnShowingChanged(bool /*showing*/) {}
    virtual void OnFontChanged() {}
    virtual void OnColorChanged() {}
    virtual void OnTextChanged() {}

    // A message the parent received on this window's behalf (CN_BASE + the message); true when
    // answered, with the answer in message.Result. The default answers WM_COMMAND through
    // OnReflectedCommand and WM_CTLCOLOR* through OnControlColor.
    virtual bool OnReflected(Message& message);
    virtual bool OnReflectedCommand(WORD /*code*/) { return false; }
    // WM_CTLCOLOR* sent to the parent for this window: the brush to paint with, or null.
    virtual HBRUSH OnControlColor(HDC dc);
    // The window is being destroyed (WM_NCDESTROY); the object is no longer bound to it.
    virtual void OnWindowDestroyed() {}

    // Painting of the window's windowless controls, after the window itself painted.
    void PaintGraphicControls(HDC dc, const PixelRect& area);

private:
    static LRESULT CALLBACK StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK SubclassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    // One message from Win32, through the hooks and the router, with errors kept inside.
    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
    void Bind(HWND window);
    void Subclass(HWND window);
    void Unbind();
    bool ReflectToChild(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result);
    LRESULT Paint(HDC given);
    void TrackMouse(LPARAM lParam);
    void MouseLeft();
    bool RouteMouseToGraphicControls(UINT message, WPARAM wParam, LPARAM lParam);
    GraphicControl* GraphicControlAt(POINT point) const;
    void NotifyShowing(bool showing);

    HWND m_handle = nullptr;
    bool m_owned = false;
    bool m_subclassed = false;
    // The procedure our subclass replaced: where every message we leave goes.
    WNDPROC m_previousProc = nullptr;
    int m_receiving = 0;
    bool m_trackingLeave = false;
    bool m_mouseInside = false;
    COLORREF m_fontColor = CLR_INVALID;
    COLORREF m_color = CLR_INVALID;
    HBRUSH m_colorBrush = nullptr;
    HFONT m_font = nullptr;
    std::vector<GraphicControl*> m_graphicControls;
    GraphicControl* m_capturedGraphic = nullptr;
};

// The component the mouse is over (a window, or a windowless control of one), or null. Moving
// from one to another sends CM_MOUSELEAVE to the one left and CM_MOUSEENTER, naming it, to the
// one entered.
Component* MouseComponent();
// Makes `entered` the component under the mouse (null: none), with the notifications.
void SetMouseComponent(Component* entered);
// Forgets a component that goes away.
void ForgetMouseComponent(const Component* component);

// The handler for errors that no handler catches, called by the window procedure when a message
// handler throws (C++ exceptions must not cross Win32 frames). Set by the application object.
using UncaughtErrorHandler = void (*)(const std::exception& error);
void SetUncaughtErrorHandler(UncaughtErrorHandler handler);
void ReportUncaughtError(const std::exception& error);

// Runs the handling of a message where no exception may pass on (a window procedure, a hook
// procedure): one that escapes is reported and `fallback` is the answer.
template <typename Handling>
LRESULT HandleReportingErrors(Handling handling, LRESULT fallback = 0) noexcept
{
    try {
        return handling();
    } catch (const std::exception& error) {
        ReportUncaughtError(error);
    } catch (...) {
        ReportUncaughtError(std::runtime_error("Unknown error"));
    }
    return fallback;
}

} // namespace korvane::ui
