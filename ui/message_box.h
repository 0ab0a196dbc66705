#pragma once

#include <windows.h>

#include <string_view>

namespace korvane::ui {

// The error box for mistakes in the user's input: error icon, caption "Error", one OK button.
void ShowErrorBox(HWND owner, std::wstring_view text);

// An error box with any caption (the application's own title for errors nobody caught).
void ShowErrorBox(HWND owner, std::wstring_view text, std::wstring_view caption);

} // namespace korvane::ui
