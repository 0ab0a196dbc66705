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

} // namespace
} // namespace korvane
