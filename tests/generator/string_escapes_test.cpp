#include "generator/color_codes.h"
#include "generator/string_escapes.h"
#include "support/plugin_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace korvane {
namespace {

// How the Pawn compilers read the text between a string literal's quotes, with escape
// character `escape`. Strictly, as the compiler does: an unescaped double quote ends the literal
// early and an escape character that begins no sequence is an error (both give nullopt). Leniently,
// as an administrator means a typed text: such characters stand for themselves.
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

TEST(EscapeAmxxString, PlainTextAndTheEmptyTextStayAsTheyAre)
{
    EXPECT_EQ(EscapeAmxxString(u""), u"");
    EXPECT_EQ(EscapeAmxxString(u"Админ-меню 1. Kick"), u"Админ-меню 1. Kick");
    // A percent sign is no escape; the AMX Mod X functions that take these texts do not format them.
    EXPECT_EQ(EscapeAmxxString(u"50% off"), u"50% off");
}

TEST(EscapeAmxxString, EveryCompilerEscapeIsKeptAsTyped)
{
    for (std::u16string_view sequence : {u"^a", u"^b", u"^e", u"^f", u"^n", u"^r", u"^t", u"^v", u"^^", u"^'", u"^\"",
                                         u"^%", u"^0", u"^9", u"^123", u"^x1F", u"^xa", u"^x0;"}) {
        const std::u16string typed = u"A" + std::u16string(sequence) + u"B";
        EXPECT_EQ(EscapeAmxxString(typed), typed) << test::Narrow(typed);
    }
    EXPECT_EQ(EscapeAmxxString(u"Title^nSub"), u"Title^nSub") << "a line break typed on purpose";
}

TEST(EscapeAmxxString, ACaretThatBeginsNoEscapeIsDoubled)
{
    EXPECT_EQ(EscapeAmxxString(u"Level ^ 2"), u"Level ^^ 2");
    // At the end it would escape the closing quote.
    EXPECT_EQ(EscapeAmxxString(u"Up^"), u"Up^^");
    EXPECT_EQ(EscapeAmxxString(u"^"), u"^^");
    // Escapes are lower-case letters only; the colour letters are backslash codes, not caret ones.
    EXPECT_EQ(EscapeAmxxString(u"^N^y^w"), u"^^N^^y^^w");
    // "^x" needs a hex digit after it.
    EXPECT_EQ(EscapeAmxxString(u"^xg"), u"^^xg");
    EXPECT_EQ(EscapeAmxxString(u"a^x"), u"a^^x");
}

TEST(EscapeAmxxString, QuotesAreEscapedUnlessTypedAsAnEscape)
{
    EXPECT_EQ(EscapeAmxxString(u"\""), u"^\"");
    EXPECT_EQ(EscapeAmxxString(u"Say \"hi\""), u"Say ^\"hi^\"");
    EXPECT_EQ(EscapeAmxxString(u"a^\"b"), u"a^\"b");
    // The typed "^^" is kept as a pair, so the quote after it is a quote of its own.
    EXPECT_EQ(EscapeAmxxString(u"^^\""), u"^^^\"");
    EXPECT_EQ(EscapeAmxxString(u"^^^"), u"^^^^");
    EXPECT_EQ(EscapeAmxxString(u"^^n"), u"^^n") << "a caret and an n, as typed";
}

TEST(EscapeAmxxString, BackslashesStayAsTyped)
{
    EXPECT_EQ(EscapeAmxxString(u"C:\\maps\\de_dust2"), u"C:\\maps\\de_dust2");
    EXPECT_EQ(EscapeAmxxString(u"Path\\"), u"Path\\");
    EXPECT_EQ(EscapeAmxxString(u"\\yTitle \\rred"), u"\\yTitle \\rred") << "menu colour codes";
    EXPECT_EQ(EscapeAmxxString(u"\\\""), u"\\^\"") << "the backslash is no escape before a quote";
}

TEST(EscapeSourceModString, EveryCompilerEscapeIsKeptAsTyped)
{
    for (std::u16string_view sequence : {u"\\a", u"\\b", u"\\e", u"\\f", u"\\n", u"\\r", u"\\t", u"\\v", u"\\\\",
                                         u"\\'", u"\\\"", u"\\%", u"\\0", u"\\65", u"\\x41", u"\\xfF"}) {
        const std::u16string typed = u"A" + std::u16string(sequence) + u"B";
        EXPECT_EQ(EscapeSourceModString(typed), typed) << test::Narrow(typed);
    }
    EXPECT_EQ(EscapeSourceModString(u"Title\\nSub"), u"Title\\nSub") << "a line break typed on purpose";
}

TEST(EscapeSourceModString, ABackslashThatBeginsNoEscapeIsDoubled)
{
    EXPECT_EQ(EscapeSourceModString(u"C:\\maps\\de_dust2"), u"C:\\\\maps\\\\de_dust2");
    EXPECT_EQ(EscapeSourceModString(u"Path\\"), u"Path\\\\");
    EXPECT_EQ(EscapeSourceModString(u"\\xg \\N"), u"\\\\xg \\\\N");
    EXPECT_EQ(EscapeSourceModString(u"\\\\\\"), u"\\\\\\\\");
}

TEST(EscapeSourceModString, QuotesAreEscapedAndCaretsStayAsTyped)
{
    EXPECT_EQ(EscapeSourceModString(u"\""), u"\\\"");
    EXPECT_EQ(EscapeSourceModString(u"Title \"x\""), u"Title \\\"x\\\"");
    EXPECT_EQ(EscapeSourceModString(u"\\\\\""), u"\\\\\\\"");
    EXPECT_EQ(EscapeSourceModString(u"Level ^ 2 Up^ ^n"), u"Level ^ 2 Up^ ^n");
}

// Any typed text gives a literal that compiles, and the compiled string is what was typed, with
// only the escapes typed on purpose read as escapes.
TEST(StringEscapes, EveryTextCompilesToWhatWasTyped)
{
    const std::u16string_view alphabet = u"^\\\"'%anxyF19; ";
    std::mt19937 random(20240610);
    std::uniform_int_distribution<std::size_t> length(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 5000; ++round) {
        std::u16string typed;
        for (std::size_t n = length(random); n > 0; --n)
            typed.push_back(alphabet[pick(random)]);
        const std::optional<std::u16string> amxx = ReadLiteral(EscapeAmxxString(typed), u'^', false);
        ASSERT_TRUE(amxx) << test::Narrow(typed) << " gives " << test::Narrow(EscapeAmxxString(typed));
        EXPECT_EQ(*amxx, ReadLiteral(typed, u'^', true).value()) << test::Narrow(typed);
        const std::optional<std::u16string> sourcemod = ReadLiteral(EscapeSourceModString(typed), u'\\', false);
        ASSERT_TRUE(sourcemod) << test::Narrow(typed) << " gives " << test::Narrow(EscapeSourceModString(typed));
        EXPECT_EQ(*sourcemod, ReadLiteral(typed, u'\\', true).value()) << test::Narrow(typed);
    }
}

ColoredRow Row(std::u16string_view text, std::uint32_t color)
{
    ColoredRow row;
    for (char16_t c : text)
        row.push_back({c, color});
    return row;
}

TEST(AmxxMenuText, EveryTypedCaretAndQuoteIsEscapedAndBackslashesStay)
{
    std::u16string literal;
    for (char16_t c : std::u16string_view(u"^^\"a\\"))
        AppendAmxxMenuTextChar(literal, c);
    EXPECT_EQ(literal, u"^^^^^\"a\\");
}

// The whole colour-coded text: the rows' characters as typed, "^n" as the line break.
TEST(AmxxMenuText, AnyRowCompilesToItsCharactersAndOneLineBreak)
{
    const std::u16string_view alphabet = u"^\\\"%anxy1 ";
    std::mt19937 random(7);
    std::uniform_int_distribution<std::size_t> length(0, 8);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 2000; ++round) {
        std::u16string typed;
        for (std::size_t n = length(random); n > 0; --n)
            typed.push_back(alphabet[pick(random)]);
        const auto shown = ReadLiteral(ColorCodedMenuText({Row(typed, 0)}), u'^', false);
        ASSERT_TRUE(shown) << test::Narrow(typed);
        EXPECT_EQ(*shown, typed + u"\n") << test::Narrow(typed);
    }
}

} // namespace
} // namespace korvane
