#pragma once

#include <windows.h>

namespace korvane::win32 {

// What a window class of the program is registered with.
struct WindowClassInfo {
    const wchar_t* Name = nullptr;
    WNDPROC Procedure = nullptr;
    UINT Style = 0;
    HBRUSH Background = nullptr;
    HCURSOR Cursor = nullptr;  // null: the arrow
};

// Registers the class in this module unless a class of that name is registered already (classes
// live as long as the process, so every window kind registers on first use). Returns false when
// the class neither existed nor could be registered.
bool RegisterWindowClass(const WindowClassInfo& info);

}  // namespace korvane::win32
