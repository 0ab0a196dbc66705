#include "win32/window_class.h"

namespace korvane::win32 {

bool RegisterWindowClass(const WindowClassInfo& info)
{
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, info.Name, &existing))
        return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = info.Style;
    windowClass.lpfnWndProc = info.Procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = info.Cursor ? info.Cursor : LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = info.Background;
    windowClass.lpszClassName = info.Name;
    return RegisterClassExW(&windowClass) != 0;
}

}  // namespace korvane::win32
