#pragma once

#include <windows.h>

namespace korvane::win32 {

// Switches a window's redrawing off for the object's life (WM_SETREDRAW). Switching redrawing
// back on also marks a window visible, so a window that is hidden itself is left alone.
class RedrawSuspension {
public:
    explicit RedrawSuspension(HWND window)
        : m_window((GetWindowLongW(window, GWL_STYLE) & WS_VISIBLE) != 0 ? window : nullptr)
    {
        if (m_window)
            SendMessageW(m_window, WM_SETREDRAW, FALSE, 0);
    }
    RedrawSuspension(const RedrawSuspension&) = delete;
    RedrawSuspension& operator=(const RedrawSuspension&) = delete;
    ~RedrawSuspension()
    {
        if (m_window)
            SendMessageW(m_window, WM_SETREDRAW, TRUE, 0);
    }
    // Redrawing was switched off (the window showed).
    bool Suspended() const { return m_window != nullptr; }

private:
    HWND m_window;
};

} // namespace korvane::win32
