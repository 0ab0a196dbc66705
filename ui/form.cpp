#include "ui/form.h"

#include "ui/application.h"
#include "ui/control.h"
#include "win32/dc_guards.h"
#include "ui/font.h"

#include <stdexcept>
#include <vector>

namespace korvane::ui {

namespace {

constexpr DWORD kFormStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPSIBLINGS;
constexpr DWORD kFormExStyle = WS_EX_WINDOWEDGE | WS_EX_CONTROLPARENT;

struct DisabledWindows {
    HWND keep;
    std::vector<HWND> windows;
};

BOOL CALLBACK DisableWindow(HWND window, LPARAM data)
{
    auto* state = reinterpret_cast<DisabledWindows*>(data);
    if (window != state->keep && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        state->windows.push_back(window);
    }
    return TRUE;
}

} // namespace

Form::Form(const FormLayout& layout) : m_className(layout.className)
{
    RegisterOwnClass(layout.className, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    RECT r{0, 0, layout.clientWidth, layout.clientHeight};
    AdjustWindowRectEx(&r, kFormStyle, FALSE, kFormExStyle);
    Application* app = Application::Current();
    CreateOwnWindow(layout.className, kFormExStyle, kFormStyle,
                    BoundsRect(layout.left, layout.top, r.right - r.left, r.bottom - r.top),
                    app ? app->Handle() : nullptr, nullptr, layout.caption);
    SetFont(DefaultFont());
    if (app)
        app->AddForm(*this);
}

Form::~Form()
{
    if (Application* app = Application::Current())
        app->RemoveForm(*this);
}

PixelRect Form::ClientBounds() const
{
    RECT r{};
    GetClientRect(Handle(), &r);
    return {0, 0, r.right, r.bottom};
}

TWindowState Form::WindowState() const
{
    if (IsIconic(Handle()))
        return TWindowState::wsMinimized;
    return IsZoomed(Handle()) ? TWindowState::wsMaximized : TWindowState::wsNormal;
}

void Form::SetTabOrder(std::initializer_list<const Window*> controls)
{
    HWND previous = HWND_TOP;
    for (const Window* control : controls) {
        SetWindowPos(control->Handle(), previous, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        previous = control->Handle();
    }
}

void Form::FocusFirstControl()
{
    if (!m_activeControl || !IsWindowVisible(m_activeControl->Handle()) || !IsWindowEnabled(m_activeControl->Handle()))
        m_activeControl = dynamic_cast<Control*>(Window::FromHandle(GetNextDlgTabItem(Handle(), nullptr, FALSE)));
    if (m_activeControl)
        SetFocus(m_activeControl->Handle());
}

void Form::Show()
{
    try {
        OnShow();
    } catch (const std::exception& error) {
        // An error of the show handler is reported like any other uncaught error; the form
        // still opens with whatever the handler did before it.
        ReportUncaughtError(error);
    }
    ShowWindow(Handle(), SW_SHOW);
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
    FocusFirstControl();
    UpdateWindow(Handle());
}

void Form::Hide()
{
    HWND focused = GetFocus();
    if (focused && (focused == Handle() || IsChild(Handle(), focused)))
        if (auto* control = dynamic_cast<Control*>(Window::FromHandle(focused)))
            m_activeControl = control;
    ShowWindow(Handle(), SW_HIDE);
}

int Form::ShowModal()
{
    if (m_modal || IsWindowVisible(Handle()))
        throw std::runtime_error("Cannot make a visible window modal");
    Application* app = Application::Current();
    HWND previousActive = GetActiveWindow();
    DisabledWindows disabled{Handle(), {}};
    EnumThreadWindows(GetCurrentThreadId(), DisableWindow, reinterpret_cast<LPARAM>(&disabled));
    EnableWindow(Handle(), TRUE);
    m_modal = true;
    m_modalResult = kModalNone;
    Show();
    while (m_modalResult == kModalNone) {
        if (app && app->Terminated()) {
            m_modalResult = kModalCancel;
            break;
        }
        MSG msg;
        if (!Application::NextMessage(msg)) {
            // WM_QUIT belongs to the outermost loop: leave it there.
            PostQuitMessage(static_cast<int>(msg.wParam));
            m_modalResult = kModalCancel;
            break;
        }
        if (app)
            app->ProcessMessage(msg);
        else {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    for (HWND window : disabled.windows)
        if (IsWindow(window))
            EnableWindow(window, TRUE);
    Hide();
    m_modal = false;
    if (previousActive && IsWindow(previousActive) && IsWindowVisible(previousActive))
        SetActiveWindow(previousActive);
    return m_modalResult;
}

void Form::Close()
{
    if (m_modal) {
        m_modalResult = kModalCancel;
        return;
    }
    Hide();
    Application* app = Application::Current();
    if (app && app->MainForm() == this)
        app->Terminate();
}

std::optional<LRESULT> Form::OnClose()
{
    Close();
    return 0;
}

std::optional<LRESULT> Form::OnActivate(WPARAM wParam, LPARAM /*lParam*/)
{
    // As dialogs do: remember the focused control when the form loses activation and give the
    // focus back to it (not to the form itself, as DefWindowProc would) when it returns.
    if (LOWORD(wParam) == WA_INACTIVE) {
        HWND focused = GetFocus();
        if (focused && IsChild(Handle(), focused))
            if (auto* control = dynamic_cast<Control*>(Window::FromHandle(focused)))
                m_activeControl = control;
    } else if (!HIWORD(wParam)) {
        FocusFirstControl();
    }
    return 0;
}

} // namespace korvane::ui
