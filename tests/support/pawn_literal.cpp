#include "support/pawn_literal.h"

namespace korvane::test {

std::optional<std::u16string> ReadLiteral(std::u16string_view body, char16_t escape, bool lenient)
{
    auto digit = [](char16_t c) { return c >= u'0' && c <= u'9'; };
    auto hex = [&](char16_t c) { return digit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F'); };
    auto hexValue = [&](char16_t c) { return digit(c) ? c - u'0' : (c | 0x20) - u'a' + 10; };
    const std::u16string_view simple = u"abefnrtv";
    const char16_t simpleValues[] = {7, 8, 27, 12, 10, 13, 9, 11};
    std::u16string value;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const char16_t c = body[i];
        if (c == u'"' && !lenient)
            return std::nullopt;
        if (c != escape) {
            value.push_back(c);
            continue;
        }
        const char16_t next = i + 1 < body.size() ? body[i + 1] : u'\0';
        if (const auto at = simple.find(next); next != u'\0' && at != std::u16string_view::npos) {
            value.push_back(simpleValues[at]);
            ++i;
        } else if (next == escape || next == u'\'' || next == u'"' || next == u'%') {
            value.push_back(next);
            ++i;
        } else if (digit(next)) {
            char16_t code = 0;
            while (i + 1 < body.size() && digit(body[i + 1]))
                code = static_cast<char16_t>(code * 10 + (body[++i] - u'0'));
            if (i + 1 < body.size() && body[i + 1] == u';')
                ++i;
            value.push_back(code);
        } else if (next == u'x' && i + 2 < body.size() && hex(body[i + 2])) {
            ++i;
            char16_t code = 0;
            while (i + 1 < body.size() && hex(body[i + 1]))
                code = static_cast<char16_t>(code * 16 + hexValue(body[++i]));
            if (i + 1 < body.size() && body[i + 1] == u';')
                ++i;
            value.push_back(code);
        } else if (lenient) {
            value.push_back(c);
        } else {
            return std::nullopt;
        }
    }
    return value;
}

std::optional<std::u16string> FirstLiteralBody(std::u16string_view line, char16_t escape)
{
    const std::size_t open = line.find(u'"');
    if (open == std::u16string_view::npos)
        return std::nullopt;
    for (std::size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] == escape)
            ++i; // the escaped character, whatever it is, belongs to the body
        else if (line[i] == u'"')
            return std::u16string(line.substr(open + 1, i - open - 1));
    }
    return std::nullopt;
}

} // namespace korvane::test
