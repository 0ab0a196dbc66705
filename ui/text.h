#pragma once

#include <string>
#include <string_view>

namespace korvane::ui {

// wchar_t is 16-bit on Windows: the program's UTF-16 text moves between the Win32 API
// (std::wstring) and the portable core (std::u16string) unit for unit.
std::u16string ToU16(std::wstring_view text);
std::wstring ToWide(std::u16string_view text);
// UTF-16 of UTF-8 text (error messages carry UTF-8 in what()).
std::wstring WideFromUtf8(std::string_view text);

} // namespace korvane::ui
