#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace korvane {

// Encodes UTF-16 units as UTF-8 into dest, writing at most capacity bytes including a terminating
// zero, and returns the bytes written plus one. A character that no longer fits is left out whole.
// A surrogate pair becomes one four-byte sequence; a lone surrogate becomes U+FFFD.
// With dest null it only measures: the bytes all of source needs, plus one.
// Returns 0 when source is null, and when a destination of capacity 0 leaves no room at all.
std::size_t UnicodeToUtf8(char* dest, std::size_t capacity, const char16_t* source, std::size_t sourceUnits);

// The UTF-8 form of UTF-16 text.
std::string Utf8Encode(std::u16string_view text);

// The UTF-8 form of Windows-1251 text (the tool's own single-byte texts).
std::string AnsiToUtf8(std::string_view text);

// Decodes UTF-8 into UTF-16; malformed sequences become U+FFFD.
std::u16string Utf8Decode(std::string_view text);

} // namespace korvane
