#pragma once

#include <windows.h>

#include <string>

namespace korvane::ui {

// The window's text (caption or control text) read back with WM_GETTEXT.
std::wstring WindowText(HWND window);

} // namespace korvane::ui
