#pragma once

#include <windows.h>

namespace korvane::win32 {

// BeginPaint / EndPaint for one WM_PAINT.
class PaintDC {
public:
    explicit PaintDC(HWND window) : m_window(window) { m_dc = BeginPaint(window, &m_paint); }
    PaintDC(const PaintDC&) = delete;
    PaintDC& operator=(const PaintDC&) = delete;
    ~PaintDC() { EndPaint(m_window, &m_paint); }
    HDC get() const { return m_dc; }
    const RECT& PaintRect() const { return m_paint.rcPaint; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc = nullptr;
};

// GetDC (client area) or GetWindowDC (whole window, for WM_NCPAINT), released on leaving.
class WindowDC {
public:
    enum class Area { Client, Window };
    explicit WindowDC(HWND window, Area area = Area::Client)
        : m_window(window)
        , m_dc(area == Area::Client ? GetDC(window) : GetWindowDC(window))
    {
    }
    WindowDC(const WindowDC&) = delete;
    WindowDC& operator=(const WindowDC&) = delete;
    ~WindowDC()
    {
        if (m_dc)
            ReleaseDC(m_window, m_dc);
    }
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// The device context a caller gave, or else the window's own, released on leaving: the one form
// of a paint that either prints into a given context or draws straight onto its window.
class GivenOrWindowDC {
public:
    GivenOrWindowDC(HDC given, HWND window, WindowDC::Area area = WindowDC::Area::Client)
        : m_window(given ? nullptr : window)
        , m_dc(given ? given : (area == WindowDC::Area::Client ? GetDC(window) : GetWindowDC(window)))
    {
    }
    GivenOrWindowDC(const GivenOrWindowDC&) = delete;
    GivenOrWindowDC& operator=(const GivenOrWindowDC&) = delete;
    ~GivenOrWindowDC()
    {
        if (m_window && m_dc)
            ReleaseDC(m_window, m_dc);
    }
    HDC get() const { return m_dc; }

private:
    HWND m_window;
    HDC m_dc;
};

// A memory DC compatible with another DC, deleted on leaving.
class MemoryDC {
public:
    explicit MemoryDC(HDC compatibleWith) : m_dc(CreateCompatibleDC(compatibleWith)) {}
    MemoryDC(const MemoryDC&) = delete;
    MemoryDC& operator=(const MemoryDC&) = delete;
    ~MemoryDC()
    {
        if (m_dc)
            DeleteDC(m_dc);
    }
    HDC get() const { return m_dc; }

private:
    HDC m_dc;
};

// Selects a GDI object into a DC and puts the previous one back on leaving.
class SelectObjectGuard {
public:
    SelectObjectGuard(HDC dc, HGDIOBJ object) : m_dc(dc), m_old(SelectObject(dc, object)) {}
    SelectObjectGuard(const SelectObjectGuard&) = delete;
    SelectObjectGuard& operator=(const SelectObjectGuard&) = delete;
    ~SelectObjectGuard()
    {
        if (m_old && m_old != HGDI_ERROR)
            SelectObject(m_dc, m_old);
    }

private:
    HDC m_dc;
    HGDIOBJ m_old;
};

} // namespace korvane::win32
