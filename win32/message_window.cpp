#include "win32/message_window.h"

#include "win32/window_class.h"

namespace korvane::win32 {

HWND CreateMessageWindow(const wchar_t* className, WNDPROC procedure)
{
    if (!RegisterWindowClass({className, procedure}))
        return nullptr;
    return CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr),
                           nullptr);
}

}  // namespace korvane::win32
