#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Widens Windows-1251 text to UTF-16, the way MultiByteToWideChar(1251) does (0x98, unassigned,
// becomes U+0098).
std::u16string Windows1251ToUtf16(std::string_view text);

// Narrows UTF-16 text to Windows-1251; a character the code page lacks becomes '?'.
std::string Utf16ToWindows1251(std::u16string_view text);

} // namespace korvane
