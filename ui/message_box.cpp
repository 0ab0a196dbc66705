#include "ui/message_box.h"

#include <string>

namespace korvane::ui {

void ShowErrorBox(HWND owner, std::wstring_view text)
{
    ShowErrorBox(owner, text, L"Error");
}

void ShowErrorBox(HWND owner, std::wstring_view text, std::wstring_view caption)
{
    const std::wstring body(text);
    const std::wstring title(caption);
    MessageBoxW(owner, body.c_str(), title.c_str(), MB_ICONERROR | MB_OK);
}

} // namespace korvane::ui
