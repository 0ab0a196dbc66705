#include <windows.h>

#include "win32/message_window.h"

#include <functional>
#include <memory>

#include "render/threaded_timer.h"

namespace korvane {
namespace {

constexpr UINT kRunCall = WM_APP + 0x51;
constexpr wchar_t kClassName[] = L"KorvaneUiCallWindow";

// Runs the calls handed over by PostMessage on the thread that owns the window.
LRESULT CALLBACK UiCallProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kRunCall) {
        std::unique_ptr<std::function<void()>> call(reinterpret_cast<std::function<void()>*>(lParam));
        if (*call) {
            (*call)();
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        // Calls still queued for this window are dropped, not leaked.
        MSG pending;
        while (PeekMessageW(&pending, window, kRunCall, kRunCall, PM_REMOVE)) {
            delete reinterpret_cast<std::function<void()>*>(pending.lParam);
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// The hidden window; destroyed with the last copy of the poster (on the user-interface thread,
// which holds the timer that holds the poster).
class UiCallWindow {
public:
    UiCallWindow() { m_window = win32::CreateMessageWindow(kClassName, UiCallProc); }
    ~UiCallWindow()
    {
        if (m_window != nullptr) {
            DestroyWindow(m_window);
        }
    }
    UiCallWindow(const UiCallWindow&) = delete;
    UiCallWindow& operator=(const UiCallWindow&) = delete;

    void Post(std::function<void()> call) const
    {
        auto* heapCall = new std::function<void()>(std::move(call));
        if (m_window == nullptr || !PostMessageW(m_window, kRunCall, 0, reinterpret_cast<LPARAM>(heapCall))) {
            delete heapCall;
        }
    }

private:
    HWND m_window = nullptr;
};

} // namespace

UiPost MakeWindowsUiPost()
{
    auto window = std::make_shared<UiCallWindow>();
    return [window](std::function<void()> call) { window->Post(std::move(call)); };
}

} // namespace korvane
