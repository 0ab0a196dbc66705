#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace korvane::test {

// How the Pawn compilers read the text between a string literal's quotes, with escape
// character `escape`. Strictly, as the compiler does: an unescaped double quote ends the literal
// early and an escape character that begins no sequence is an error (both give nullopt). Leniently,
// as an administrator means a typed text: such characters stand for themselves.
std::optional<std::u16string> ReadLiteral(std::u16string_view body, char16_t escape, bool lenient);

// The body of the first string literal in a line of Pawn: the text after its opening quote up to
// the first quote that the escape character does not escape; nullopt when there is none.
std::optional<std::u16string> FirstLiteralBody(std::u16string_view line, char16_t escape);

} // namespace korvane::test
