#pragma once

#include <string>
#include <string_view>

namespace korvane {

// Text helpers for skin files. Options files and member names are single-byte Windows-1251 text;
// inside the program they are UTF-16.

// Decodes Windows-1251 bytes to UTF-16 (an undefined byte 0x98 becomes U+FFFD).
std::u16string DecodeAnsi(std::string_view bytes);
// Encodes UTF-16 as Windows-1251; characters outside the code page become '?'.
std::string EncodeAnsi(std::u16string_view text);
// UTF-8 <-> UTF-16 for error texts, JSON and file names.
std::string ToUtf8(std::u16string_view text);
std::u16string FromUtf8(std::string_view text);

// Upper-cases ASCII letters only (member names of packages).
std::u16string UpperAscii(std::u16string_view text);
// Upper-cases as the user's ANSI locale does: ASCII and Cyrillic letters.
std::u16string UpperAnsi(std::u16string_view text);
// Compares without regard to letter case (ASCII and Cyrillic).
bool SameTextAnsi(std::u16string_view a, std::u16string_view b);
bool Contains(std::u16string_view text, std::u16string_view part);

}  // namespace korvane
