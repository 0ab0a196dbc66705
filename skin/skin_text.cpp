#include "skin/skin_text.h"

#include <array>
#include <cstdint>

namespace korvane {

namespace {

char16_t UpperChar(char16_t c)
{
    if (c >= u'a' && c <= u'z') {
        return static_cast<char16_t>(c - 32);
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

} // namespace korvane
