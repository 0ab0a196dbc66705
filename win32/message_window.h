#pragma once

#include <windows.h>

namespace korvane::win32 {

// A hidden message-only window (HWND_MESSAGE) of the given class, registered with the procedure
// on first use; its messages run in the message loop of the thread that made it. Null on failure.
HWND CreateMessageWindow(const wchar_t* className, WNDPROC procedure);

}  // namespace korvane::win32
