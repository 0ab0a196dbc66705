#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace korvane::ui {

// Puts text on the clipboard as plain Unicode text (CF_UNICODETEXT). False when the clipboard
// could not be opened or the memory not allocated.
bool SetClipboardText(HWND owner, std::wstring_view text);

// The clipboard's plain Unicode text, or empty.
std::wstring ClipboardText(HWND owner);

} // namespace korvane::ui
