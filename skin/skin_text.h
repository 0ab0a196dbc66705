#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <unordered_map>

namespace korvane {

// Text helpers for skin files. Options files and member names are single-byte Windows-1251 text
// (encoding/windows1251.h); inside the program they are UTF-16.

// Upper-cases ASCII letters only (member names of packages).
std::u16string UpperAscii(std::u16string_view text);
// Upper-cases as the user's ANSI locale does: ASCII and Cyrillic letters.
std::u16string UpperAnsi(std::u16string_view text);
char16_t UpperAnsiChar(char16_t c);
// Compares without regard to letter case (ASCII and Cyrillic).
bool SameTextAnsi(std::u16string_view a, std::u16string_view b);
bool Contains(std::u16string_view text, std::u16string_view part);
// Contains(UpperAnsi(text), upperPart) for a part of upper-case ASCII, without a copy: the ANSI
// upper-casing turns ASCII letters into ASCII letters and nothing else into ASCII.
bool ContainsUpperAscii(std::u16string_view text, std::u16string_view upperPart);

// Hashing of texts that also takes views, so that lookups need no copy of the name.
struct TextHash {
    using is_transparent = void;
    std::size_t operator()(std::u16string_view text) const { return std::hash<std::u16string_view>{}(text); }
};
// A map from texts, looked up by string views.
template <typename T>
using TextMap = std::unordered_map<std::u16string, T, TextHash, std::equal_to<>>;

} // namespace korvane
