#include "generator/string_escapes.h"

namespace korvane {

namespace {

bool IsDecimalDigit(char16_t c)
{
    return c >= u'0' && c <= u'9';
}

bool IsHexDigit(char16_t c)
{
    return IsDecimalDigit(c) || (c >= u'a' && c <= u'f') || (c >= u'A' && c <= u'F');
}

// True when the escape character at text[at] begins an escape sequence of the Pawn compilers of
// AMX Mod X and SourceMod, which share their sequences and differ only in the escape character.
bool BeginsEscapeSequence(std::u16string_view text, std::size_t at, char16_t escape)
{
    if (at + 1 >= text.size())
        return false;
    const char16_t next = text[at + 1];
    if (next == escape || IsDecimalDigit(next))
        return true;
    if (next == u'x')
        return at + 2 < text.size() && IsHexDigit(text[at + 2]);
    return std::u16string_view(u"abefnrtv'\"%").find(next) != std::u16string_view::npos;
}

std::u16string EscapeString(std::u16string_view typed, char16_t escape)
{
    std::u16string literal;
    literal.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char16_t c = typed[i];
        if (c == escape && BeginsEscapeSequence(typed, i, escape)) {
            // The sequence's second character goes with it, so an escaped quote or escape
            // character is not escaped a second time; digits after it are copied as they come.
            literal.push_back(c);
            literal.push_back(typed[++i]);
        } else {
            if (c == escape || c == u'"')
                literal.push_back(escape);
            literal.push_back(c);
        }
    }
    return literal;
}

} // namespace

std::u16string EscapeAmxxString(std::u16string_view typed)
{
    return EscapeString(typed, u'^');
}

std::u16string EscapeSourceModString(std::u16string_view typed)
{
    return EscapeString(typed, u'\\');
}

void AppendAmxxMenuTextChar(std::u16string& literal, char16_t typed)
{
    if (typed == u'^' || typed == u'"')
        literal.push_back(u'^');
    literal.push_back(typed);
}

} // namespace korvane
