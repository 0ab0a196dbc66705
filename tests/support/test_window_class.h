#pragma once

// A small hidden popup of a window class a test registers for itself, with its own procedure.
#include <gtest/gtest.h>

#include <windows.h>

namespace korvane::test {

// The class is registered at the first call for its name; later calls make another window of it.
inline HWND CreateTestClassWindow(const wchar_t* className, WNDPROC procedure, const wchar_t* text = L"")
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    if (!GetClassInfoW(instance, className, &windowClass)) {
        windowClass.lpfnWndProc = procedure;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = className;
        EXPECT_NE(RegisterClassW(&windowClass), 0);
    }
    return CreateWindowExW(0, className, text, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, instance, nullptr);
}

} // namespace korvane::test
