#include "skin/skin_text.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

TEST(SkinText, UpperCasingOfAsciiAndOfTheAnsiLocale)
{
    EXPECT_EQ(UpperAscii(u"Glow.png \u0451"), u"GLOW.PNG \u0451");
    EXPECT_EQ(UpperAnsi(u"glow \u0451\u0430\u0491"), u"GLOW \u0401\u0410\u0490");
    EXPECT_TRUE(SameTextAnsi(u"Button", u"BUTTON"));
    EXPECT_FALSE(SameTextAnsi(u"Button", u"BUTTONS"));
}

TEST(SkinText, ContainsUpperAsciiAnswersAsContainsOfTheUpperCasedText)
{
    const std::u16string texts[] = {u"frame.bmp", u"FRAME.Bmp", u"x.bm",       u".b.bmp", u"\u0431.bmp",
                                    u"bmp",       u"",          u"a.jpeg.JPG", u"B.BMP",  u"..bMpX"};
    for (const std::u16string& text : texts) {
        for (const std::u16string part : {u".BMP", u".JPG", u".JPEG", u"B.B", u"BMP"}) {
            EXPECT_EQ(ContainsUpperAscii(text, part), Contains(UpperAnsi(text), part))
                << std::string(text.begin(), text.end()) << " / " << std::string(part.begin(), part.end());
        }
    }
}

} // namespace
} // namespace korvane
