#include "ui/application.h"

#include "win32/window_class.h"

#include "ui/message_box.h"
#include "ui/text.h"

#include <algorithm>
#include <stdexcept>

namespace korvane::ui {

namespace {

constexpr wchar_t kApplicationClass[] = L"TApplication";
Application* g_current = nullptr;

void ForwardUncaughtError(const std::exception& error)
{
    if (g_current)
        g_current->HandleException(error);
}

} // namespace

Application::Application()
{
    if (g_current)
        throw std::logic_error("Only one application object may exist");
    HINSTANCE instance = GetModuleHandleW(nullptr);
    win32::RegisterWindowClass({kApplicationClass, AppWindowProc});
    // Zero-sized, so nothing of it shows but its taskbar button once the program runs.
    const int x = GetSystemMetrics(SM_CXSCREEN) / 2;
    const int y = GetSystemMetrics(SM_CYSCREEN) / 2;
    m_window = CreateWindowExW(0, kApplicationClass, L"", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, x, y, 0,
                               0, nullptr, nullptr, instance, nullptr);
    g_current = this;
    SetUncaughtErrorHandler(ForwardUncaughtError);
}

Application::~Application()
{
    for (auto it = m_forms.rbegin(); it != m_forms.rend(); ++it)
        (*it)->DoDestroy();
    while (!m_owned.empty())
        m_owned.pop_back();
    SetUncaughtErrorHandler(nullptr);
    g_current = nullptr;
    if (m_window)
        DestroyWindow(m_window);
}

Application* Application::Current()
{
    return g_current;
}

void Application::SetTitle(std::wstring title)
{
    m_title = std::move(title);
    SetWindowTextW(m_window, m_title.c_str());
}

void Application::AddForm(Form& form)
{
    m_forms.push_back(&form);
}

void Application::RemoveForm(Form& form)
{
    std::erase(m_forms, &form);
}

void Application::Terminate()
{
    m_terminated = true;
    if (m_running)
        PostQuitMessage(0);
}

void Application::ProcessMessage(MSG& msg)
{
    HWND active = GetActiveWindow();
    if (active && dynamic_cast<Form*>(Window::FromHandle(active)) && IsDialogMessageW(active, &msg))
        return;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
}

void Application::Run()
{
    Form* main = MainForm();
    if (!main || m_terminated)
        return;
    m_running = true;
    ShowWindow(m_window, SW_SHOWNA);
    main->Show();
    MSG msg;
    while (!m_terminated && NextMessage(msg))
        ProcessMessage(msg);
    m_running = false;
}

bool Application::NextMessage(MSG& msg)
{
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got != -1)
            return got != 0;
    }
}

std::wstring Application::ErrorBoxText(const std::exception& error)
{
    std::wstring text = WideFromUtf8(error.what());
    if (!text.empty() && text.back() > L'.')
        text.push_back(L'.');
    return text;
}

void Application::HandleException(const std::exception& error)
{
    HWND owner = GetActiveWindow();
    ShowErrorBox(owner ? owner : m_window, ErrorBoxText(error), m_title);
}

LRESULT CALLBACK Application::AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_CLOSE) {
        if (g_current && g_current->MainForm())
            g_current->MainForm()->Close();
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace korvane::ui
