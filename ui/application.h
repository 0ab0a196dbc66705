#pragma once

#include "ui/form.h"

#include <exception>
#include <memory>
#include <string>
#include <vector>

namespace korvane::ui {

// The program object: its title (the taskbar button's text, held by a zero-sized window that
// owns every form), its forms in creation order, the main form (the first created; closing it
// ends the program), the event loop, and the box for errors that no handler caught. One exists
// at a time.
class Application {
public:
    Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;
    // Runs every form's OnDestroy, last created first, then destroys them.
    ~Application();

    // The application object, or null when none exists.
    static Application* Current();

    HWND Handle() const { return m_window; }
    const std::wstring& Title() const { return m_title; }
    void SetTitle(std::wstring title);

    // Constructs a form, adds it to the list (the first becomes the main form) and runs OnCreate.
    template <typename T>
    T& CreateForm()
    {
        auto form = std::make_unique<T>();
        T& result = *form;
        m_owned.push_back(std::move(form));
        result.DoCreate();
        return result;
    }
    Form* MainForm() const { return m_forms.empty() ? nullptr : m_forms.front(); }
    const std::vector<Form*>& Forms() const { return m_forms; }

    // Shows the main form and runs the event loop until the program ends.
    void Run();
    // Ends the program: the event loops return.
    void Terminate();
    bool Terminated() const { return m_terminated; }
    // Waits for the thread's next message; false for WM_QUIT. A failed retrieval (GetMessageW
    // answering -1, as Wine's does for a message from another process too large to receive) is
    // not a quit: the message is dropped and the wait goes on.
    static bool NextMessage(MSG& msg);
    // Translates and dispatches one message; Tab, arrows and Enter move between the controls of
    // the active form (IsDialogMessage).
    void ProcessMessage(MSG& msg);
    // The box for errors no handler caught: the application's title as caption, error icon, OK;
    // a period is appended when the message's last character comes after the period.
    void HandleException(const std::exception& error);
    // The text that box shows.
    static std::wstring ErrorBoxText(const std::exception& error);

    void AddForm(Form& form);
    void RemoveForm(Form& form);

private:
    static LRESULT CALLBACK AppWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HWND m_window = nullptr;
    std::wstring m_title;
    std::vector<Form*> m_forms;
    std::vector<std::unique_ptr<Form>> m_owned;
    bool m_terminated = false;
    bool m_running = false;
};

} // namespace korvane::ui
