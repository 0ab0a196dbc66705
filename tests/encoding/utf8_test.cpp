#include "encoding/utf8.h"
#include "encoding/windows1251.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

std::string Bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

TEST(AnsiToUtf8, WidensByWindows1251)
{
    // "Далее" in Windows-1251.
    EXPECT_EQ(AnsiToUtf8(Bytes({0xC4, 0xE0, 0xEB, 0xE5, 0xE5})),
              Bytes({0xD0, 0x94, 0xD0, 0xB0, 0xD0, 0xBB, 0xD0, 0xB5, 0xD0, 0xB5}));
    EXPECT_EQ(AnsiToUtf8("plain ASCII\r\n"), "plain ASCII\r\n");
    EXPECT_EQ(AnsiToUtf8(""), "");
}

TEST(AnsiToUtf8, UpperHalfOfTheCodePageMapsLikeWindows)
{
    EXPECT_EQ(Windows1251ToUtf16(Bytes({0xA8, 0xB8, 0xB9, 0x88, 0x98, 0xC0, 0xFF})),
              std::u16string({0x0401, 0x0451, 0x2116, 0x20AC, 0x0098, 0x0410, 0x044F}));
}

TEST(Windows1251, EveryByteRoundTripsAndOtherCharactersBecomeQuestionMarks)
{
    std::string all;
    for (int b = 1; b < 256; ++b)
        all.push_back(static_cast<char>(b));
    EXPECT_EQ(Utf16ToWindows1251(Windows1251ToUtf16(all)), all);
    EXPECT_EQ(Utf16ToWindows1251(u"Д\u4E2D€"), Bytes({0xC4, '?', 0x88}));
}

TEST(Utf8Encode, EncodesOneTwoThreeAndFourByteCharacters)
{
    EXPECT_EQ(Utf8Encode(u"A"), "A");
    EXPECT_EQ(Utf8Encode(u"é"), Bytes({0xC3, 0xA9}));
    EXPECT_EQ(Utf8Encode(u"€"), Bytes({0xE2, 0x82, 0xAC}));
    EXPECT_EQ(Utf8Encode(u"😀"), Bytes({0xF0, 0x9F, 0x98, 0x80}));
    EXPECT_EQ(Utf8Encode(u""), "");
}

TEST(Utf8Encode, LoneSurrogatesBecomeTheReplacementCharacter)
{
    const std::string replacement = Bytes({0xEF, 0xBF, 0xBD});
    EXPECT_EQ(Utf8Encode(std::u16string(1, char16_t(0xD83D))), replacement);
    EXPECT_EQ(Utf8Encode(std::u16string(1, char16_t(0xDE00))), replacement);
    // A high surrogate followed by a non-surrogate keeps the following character.
    EXPECT_EQ(Utf8Encode(std::u16string({0xD83D, u'x'})), replacement + "x");
    // Reversed halves are two lone surrogates.
    EXPECT_EQ(Utf8Encode(std::u16string({0xDE00, 0xD83D})), replacement + replacement);
}

TEST(UnicodeToUtf8, ReturnsBytesWrittenPlusOneAndTerminates)
{
    char buffer[16];
    std::fill(std::begin(buffer), std::end(buffer), 'Z');
    const std::u16string text = u"aД€";
    EXPECT_EQ(UnicodeToUtf8(buffer, sizeof buffer, text.data(), text.size()), 7u);
    EXPECT_EQ(std::string(buffer), Bytes({'a', 0xD0, 0x94, 0xE2, 0x82, 0xAC}));
}

TEST(UnicodeToUtf8, MeasuresWithoutADestination)
{
    const std::u16string text = u"aД€😀";
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, text.data(), text.size()), 1u + 2u + 3u + 4u + 1u);
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, text.data(), 0), 1u);
    const std::u16string lone(1, char16_t(0xDC00));
    EXPECT_EQ(UnicodeToUtf8(nullptr, 0, lone.data(), 1), 4u);
}

TEST(UnicodeToUtf8, NoSourceGivesZero)
{
    char buffer[4] = {'x', 'x', 'x', 'x'};
    EXPECT_EQ(UnicodeToUtf8(buffer, sizeof buffer, nullptr, 3), 0u);
    EXPECT_EQ(buffer[0], 'x');
}

TEST(UnicodeToUtf8, CutsAtCapacityBeforeAWholeCharacterAndKeepsRoomForTheZero)
{
    const std::u16string text = u"abcd";
    char buffer[8];
    EXPECT_EQ(UnicodeToUtf8(buffer, 3, text.data(), text.size()), 3u);
    EXPECT_EQ(std::string(buffer), "ab");
    // "Д" needs two bytes: with room for one byte and the zero it is left out whole.
    const std::u16string cyrillic = u"aД";
    std::fill(std::begin(buffer), std::end(buffer), 'Z');
    EXPECT_EQ(UnicodeToUtf8(buffer, 3, cyrillic.data(), cyrillic.size()), 2u);
    EXPECT_EQ(std::string(buffer), "a");
    // Capacity 1 holds only the terminating zero.
    EXPECT_EQ(UnicodeToUtf8(buffer, 1, cyrillic.data(), cyrillic.size()), 1u);
    EXPECT_EQ(buffer[0], '\0');
    // Capacity 0 leaves no room at all and writes nothing.
    buffer[0] = 'Q';
    EXPECT_EQ(UnicodeToUtf8(buffer, 0, cyrillic.data(), cyrillic.size()), 0u);
    EXPECT_EQ(buffer[0], 'Q');
}

TEST(Utf8Decode, RoundTripsAndReplacesMalformedSequences)
{
    const std::u16string text = u"Korvane — Меню 😀";
    EXPECT_EQ(Utf8Decode(Utf8Encode(text)), text);
    EXPECT_EQ(Utf8Decode(Bytes({'a', 0xFF, 'b'})), u"a\xFFFD"
                                                   u"b");
    EXPECT_EQ(Utf8Decode(Bytes({0xD0})), u"\xFFFD");             // cut short
    EXPECT_EQ(Utf8Decode(Bytes({0xC0, 0x80})), u"\xFFFD\xFFFD"); // overlong
    EXPECT_EQ(Utf8Decode(Bytes({0xED, 0xA0, 0x80})), u"\xFFFD"); // encoded surrogate
    EXPECT_EQ(Utf8Decode(Bytes({0xE2, 0x82, 'x'})), u"\xFFFD"
                                                    u"x");
}

} // namespace
} // namespace korvane
