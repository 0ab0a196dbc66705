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

// Which escape sequences a typed text keeps: all of them in plain literals; in format strings
// only those of one letter, since a numeric one may stand for a "%" the format would then read
// (AMX Mod X even cuts a cell to its low byte, so "^293" is a "%" there too).
enum class Kept { All, OneLetter };

// True when the escape character at text[at] begins an escape sequence of the Pawn compilers of
// AMX Mod X and SourceMod, which share their sequences and differ only in the escape character.
bool BeginsEscapeSequence(std::u16string_view text, std::size_t at, char16_t escape, Kept kept)
{
    if (at + 1 >= text.size())
        return false;
    const char16_t next = text[at + 1];
    if (next == escape)
        return true;
    if (IsDecimalDigit(next))
        return kept == Kept::All;
    if (next == u'x')
        return kept == Kept::All && at + 2 < text.size() && IsHexDigit(text[at + 2]);
    return std::u16string_view(u"abefnrtv'\"%").find(next) != std::u16string_view::npos;
}

// `format`: the literal is a format string of the platform's natives, where "%" is doubled so that
// it prints as itself; a typed escaped percent ("^%", which compiles to "%") gets its second "%"
// after it.
std::u16string EscapeString(std::u16string_view typed, char16_t escape, bool format)
{
    const Kept kept = format ? Kept::OneLetter : Kept::All;
    std::u16string literal;
    literal.reserve(typed.size());
    for (std::size_t i = 0; i < typed.size(); ++i) {
        const char16_t c = typed[i];
        if (c == escape && BeginsEscapeSequence(typed, i, escape, kept)) {
            // The sequence's second character goes with it, so an escaped quote or escape
            // character is not escaped a second time; digits after it are copied as they come.
            literal.push_back(c);
            literal.push_back(typed[++i]);
            if (format && typed[i] == u'%')
                literal.push_back(u'%');
        } else {
            if (c == escape || c == u'"')
                literal.push_back(escape);
            literal.push_back(c);
            if (format && c == u'%')
                literal.push_back(u'%');
        }
    }
    return literal;
}

} // namespace

std::u16string EscapeAmxxString(std::u16string_view typed)
{
    return EscapeString(typed, u'^', false);
}

std::u16string EscapeSourceModString(std::u16string_view typed)
{
    return EscapeString(typed, u'\\', false);
}

std::u16string EscapeAmxxFormat(std::u16string_view typed)
{
    return EscapeString(typed, u'^', true);
}

std::u16string EscapeSourceModFormat(std::u16string_view typed)
{
    return EscapeString(typed, u'\\', true);
}

void AppendAmxxMenuTextChar(std::u16string& literal, char16_t typed)
{
    if (typed == u'^' || typed == u'"')
        literal.push_back(u'^');
    literal.push_back(typed);
}

} // namespace korvane
