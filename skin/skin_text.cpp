#include "skin/skin_text.h"

#include <array>
#include <cstdint>

namespace korvane {

namespace {

char16_t UpperChar(char16_t c)
{
    if (c < 0x80) {
        return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c;
    }
    if (c >= 0x0430 && c <= 0x044F) {
        return static_cast<char16_t>(c - 0x20);
    }
    if (c >= 0x0450 && c <= 0x045F) {
        return static_cast<char16_t>(c - 0x50);
    }
    if (c == 0x0491) {
        return 0x0490;
    }
    return c;
}

} // namespace

char16_t UpperAnsiChar(char16_t c)
{
    return UpperChar(c);
}

std::u16string UpperAscii(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t& c : out) {
        if (c >= u'a' && c <= u'z') {
            c = static_cast<char16_t>(c - 32);
        }
    }
    return out;
}

std::u16string UpperAnsi(std::u16string_view text)
{
    std::u16string out(text);
    for (char16_t& c : out) {
        c = UpperChar(c);
    }
    return out;
}

bool SameTextAnsi(std::u16string_view a, std::u16string_view b)
{
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (UpperChar(a[i]) != UpperChar(b[i])) {
            return false;
        }
    }
    return true;
}

bool Contains(std::u16string_view text, std::u16string_view part)
{
    return text.find(part) != std::u16string_view::npos;
}

bool ContainsUpperAscii(std::u16string_view text, std::u16string_view upperPart)
{
    if (upperPart.empty()) {
        return true;
    }
    const auto upper = [](char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - 32) : c; };
    // Candidates are found by the first character in either case, then the rest is compared.
    const char16_t first = upperPart.front();
    const char16_t cases[2] = {first, first >= u'A' && first <= u'Z' ? static_cast<char16_t>(first + 32) : first};
    const std::u16string_view firsts(cases, 2);
    for (std::size_t at = text.find_first_of(firsts);
         at != std::u16string_view::npos && at + upperPart.size() <= text.size();
         at = text.find_first_of(firsts, at + 1)) {
        std::size_t i = 1;
        while (i < upperPart.size() && upper(text[at + i]) == upperPart[i]) {
            ++i;
        }
        if (i == upperPart.size()) {
            return true;
        }
    }
    return false;
}

} // namespace korvane
