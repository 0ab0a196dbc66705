#include "skin/skin_text.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

TEST(SkinText, Windows1251RoundTripsEveryDefinedByte)
{
    std::string all;
    for (int b = 1; b < 256; ++b) {
        if (b != 0x98) {  // undefined in the code page
            all.push_back(static_cast<char>(b));
        }
    }
    EXPECT_EQ(EncodeAnsi(DecodeAnsi(all)), all);
    EXPECT_EQ(DecodeAnsi("\xC0\xFF\xA8\xB8"), u"\u0410\u044F\u0401\u0451");
    EXPECT_EQ(EncodeAnsi(u"\u4E2D"), "?");
}

TEST(SkinText, UpperCasingOfAsciiAndOfTheAnsiLocale)
{
    EXPECT_EQ(UpperAscii(u"Glow.png \u0451"), u"GLOW.PNG \u0451");
    EXPECT_EQ(UpperAnsi(u"glow \u0451\u0430\u0491"), u"GLOW \u0401\u0410\u0490");
    EXPECT_TRUE(SameTextAnsi(u"Button", u"BUTTON"));
    EXPECT_FALSE(SameTextAnsi(u"Button", u"BUTTONS"));
}

TEST(SkinText, Utf8ConversionKeepsSurrogatePairsAndReplacesBadBytes)
{
    const std::u16string text = u"\u041A\U0001F600x";
    EXPECT_EQ(FromUtf8(ToUtf8(text)), text);
    EXPECT_EQ(ToUtf8(u"\u041A"), "\xD0\x9A");
    EXPECT_EQ(FromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(FromUtf8("\xE2\x82"), u"\uFFFD\uFFFD");
}

}  // namespace
}  // namespace korvane
