#include "generator/color_codes.h"
#include "generator/string_escapes.h"
#include "support/pawn_literal.h"
#include "support/plugin_lines.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace korvane {
namespace {

using test::ReadLiteral;

// Random typed texts: `rounds` texts of 0 to `longest` characters of the alphabet, from the seed.
std::vector<std::u16string> RandomTexts(std::u16string_view alphabet, unsigned seed, int rounds, std::size_t longest)
{
    std::mt19937 random(seed);
    std::uniform_int_distribution<std::size_t> length(0, longest);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::vector<std::u16string> texts;
    for (int round = 0; round < rounds; ++round) {
        std::u16string& typed = texts.emplace_back();
        for (std::size_t n = length(random); n > 0; --n)
            typed.push_back(alphabet[pick(random)]);
    }
    return texts;
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
    for (const std::u16string& typed : RandomTexts(u"^\\\"'%anxyF19; ", 20240610, 5000, 8)) {
        const std::optional<std::u16string> amxx = ReadLiteral(EscapeAmxxString(typed), u'^', false);
        ASSERT_TRUE(amxx) << test::Narrow(typed) << " gives " << test::Narrow(EscapeAmxxString(typed));
        EXPECT_EQ(*amxx, ReadLiteral(typed, u'^', true).value()) << test::Narrow(typed);
        const std::optional<std::u16string> sourcemod = ReadLiteral(EscapeSourceModString(typed), u'\\', false);
        ASSERT_TRUE(sourcemod) << test::Narrow(typed) << " gives " << test::Narrow(EscapeSourceModString(typed));
        EXPECT_EQ(*sourcemod, ReadLiteral(typed, u'\\', true).value()) << test::Narrow(typed);
    }
}

// What a formatting native prints for a compiled format without arguments: "%%" is one "%", any
// other "%" would read an argument (nullopt).
std::optional<std::u16string> PrintFormat(std::u16string_view format)
{
    std::u16string printed;
    for (std::size_t i = 0; i < format.size(); ++i) {
        if (format[i] != u'%') {
            printed.push_back(format[i]);
            continue;
        }
        if (i + 1 >= format.size() || format[i + 1] != u'%')
            return std::nullopt;
        printed.push_back(u'%');
        ++i;
    }
    return printed;
}

// What an administrator means by a typed action text: the one-letter escapes read as escapes,
// everything else, numeric escapes included, as typed.
std::u16string MeantFormatText(std::u16string_view typed, char16_t escape)
{
    std::u16string oneLetterOnly;
    for (std::size_t i = 0; i < typed.size(); ++i) {
        oneLetterOnly.push_back(typed[i]);
        // An escape character before a digit or "x" is made to stand for itself.
        if (typed[i] == escape && i + 1 < typed.size()) {
            const char16_t next = typed[i + 1];
            if ((next >= u'0' && next <= u'9') || next == u'x')
                oneLetterOnly.push_back(escape);
            else if (next == escape)
                oneLetterOnly.push_back(typed[++i]);
        }
    }
    return ReadLiteral(oneLetterOnly, escape, true).value();
}

TEST(EscapeFormat, PercentSignsAreDoubledSoTheyPrintAsTyped)
{
    EXPECT_EQ(EscapeAmxxFormat(u"100%"), u"100%%");
    EXPECT_EQ(EscapeAmxxFormat(u"%s %d %L %%"), u"%%s %%d %%L %%%%");
    EXPECT_EQ(EscapeSourceModFormat(u"%t %T 50%"), u"%%t %%T 50%%") << "translation formats too";
    EXPECT_EQ(EscapeAmxxFormat(u"^%"), u"^%%") << "the escaped percent compiles to one %, printed as one";
    EXPECT_EQ(EscapeSourceModFormat(u"\\%"), u"\\%%") << "the escaped percent likewise";
    EXPECT_EQ(EscapeAmxxFormat(u""), u"");
}

TEST(EscapeFormat, OneLetterEscapesAndQuotesFollowTheLiteralRules)
{
    EXPECT_EQ(EscapeAmxxFormat(u"say \"hi\"^n"), u"say ^\"hi^\"^n");
    EXPECT_EQ(EscapeSourceModFormat(u"say \"hi\"\\n"), u"say \\\"hi\\\"\\n");
    EXPECT_EQ(EscapeAmxxFormat(u"Привет ^ 1"), u"Привет ^^ 1");
    EXPECT_EQ(EscapeSourceModFormat(u"C:\\maps\\x"), u"C:\\\\maps\\\\x");
}

TEST(EscapeFormat, NumericEscapesStandForThemselves)
{
    // "^37" and "\x25" compile to "%", which the native would read as a format.
    EXPECT_EQ(EscapeAmxxFormat(u"^37d"), u"^^37d");
    EXPECT_EQ(EscapeAmxxFormat(u"^x25;s"), u"^^x25;s");
    EXPECT_EQ(EscapeSourceModFormat(u"\\37s \\x25"), u"\\\\37s \\\\x25");
}

// Any typed text gives a format literal that compiles and prints what was meant.
TEST(EscapeFormat, EveryTextCompilesAndPrintsWhatWasMeant)
{
    for (const std::u16string& typed : RandomTexts(u"^\\\"'%anxsdF379; Я", 20240611, 5000, 9)) {
        for (const char16_t escape : {u'^', u'\\'}) {
            const std::u16string literal = escape == u'^' ? EscapeAmxxFormat(typed) : EscapeSourceModFormat(typed);
            const std::optional<std::u16string> compiled = ReadLiteral(literal, escape, false);
            ASSERT_TRUE(compiled) << test::Narrow(typed) << " gives " << test::Narrow(literal);
            const std::optional<std::u16string> printed = PrintFormat(*compiled);
            ASSERT_TRUE(printed) << test::Narrow(typed) << " gives the format " << test::Narrow(*compiled);
            EXPECT_EQ(*printed, MeantFormatText(typed, escape)) << test::Narrow(typed);
        }
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
    for (const std::u16string& typed : RandomTexts(u"^\\\"%anxy1 ", 7, 2000, 8)) {
        const auto shown = ReadLiteral(ColorCodedMenuText({Row(typed, 0)}), u'^', false);
        ASSERT_TRUE(shown) << test::Narrow(typed);
        EXPECT_EQ(*shown, typed + u"\n") << test::Narrow(typed);
    }
}

} // namespace
} // namespace korvane
