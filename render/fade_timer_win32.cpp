#include <windows.h>

#include "win32/message_window.h"

#include <functional>
#include <memory>

#include "render/fade_timer.h"

namespace korvane {
namespace {

constexpr wchar_t kClassName[] = L"KorvaneUiTimerWindow";

class Win32UiTimer;

LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// WM_TIMER of a hidden message-only window; ticks run in the message loop of the thread that
// made the timer.
class Win32UiTimer : public UiTimer {
public:
    Win32UiTimer()
    {
        m_window = win32::CreateMessageWindow(kClassName, TimerProc);
        if (m_window != nullptr) {
            SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        }
    }
    ~Win32UiTimer() override
    {
        if (m_window != nullptr) {
            KillTimer(m_window, 1);
            SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
            DestroyWindow(m_window);
        }
    }
    Win32UiTimer(const Win32UiTimer&) = delete;
    Win32UiTimer& operator=(const Win32UiTimer&) = delete;

    void Start(int intervalMs, std::function<void()> tick) override
    {
        m_tick = std::move(tick);
        if (m_window != nullptr) {
            SetTimer(m_window, 1, static_cast<UINT>(intervalMs), nullptr);
        }
    }
    void Stop() override
    {
        if (m_window != nullptr) {
            KillTimer(m_window, 1);
        }
    }
    void Fire()
    {
        if (m_tick) {
            // The tick may destroy this timer (the fade ends): run a copy.
            const std::function<void()> tick = m_tick;
            tick();
        }
    }

private:
    HWND m_window = nullptr;
    std::function<void()> m_tick;
};

LRESULT CALLBACK TimerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_TIMER) {
        if (auto* timer = reinterpret_cast<Win32UiTimer*>(GetWindowLongPtrW(window, GWLP_USERDATA))) {
            timer->Fire();
        }
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

std::unique_ptr<UiTimer> MakeWin32UiTimer()
{
    return std::make_unique<Win32UiTimer>();
}

} // namespace korvane
