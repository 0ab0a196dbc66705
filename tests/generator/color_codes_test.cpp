#include "generator/color_codes.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

ColoredRow Row(std::u16string_view text, std::uint32_t color)
{
    ColoredRow row;
    for (char16_t c : text)
        row.push_back({c, color});
    return row;
}

ColoredRow Join(std::initializer_list<ColoredRow> parts)
{
    ColoredRow row;
    for (const auto& part : parts)
        row.insert(row.end(), part.begin(), part.end());
    return row;
}

TEST(ColorCodedMenuText, EmptyEditGivesEmptyText)
{
    EXPECT_EQ(ColorCodedMenuText({}), u"");
}

TEST(ColorCodedMenuText, EveryRowEndsWithNewlineCodeAndAnEmptyRowGivesItAlone)
{
    EXPECT_EQ(ColorCodedMenuText({Row(u"a", kMenuWhite), {}, Row(u"b", kMenuWhite)}), u"\\wa^n^nb^n");
}

TEST(ColorCodedMenuText, ColourCarriesAcrossRows)
{
    EXPECT_EQ(ColorCodedMenuText({Row(u"1. Kick", kMenuWhite), Row(u"2. Ban", kMenuWhite)}), u"\\w1. Kick^n2. Ban^n");
    EXPECT_EQ(ColorCodedMenuText({Row(u"Title", kMenuYellow), Row(u"1. Go", kMenuWhite)}), u"\\yTitle^n\\w1. Go^n");
}

TEST(ColorCodedMenuText, EachMenuColourHasItsBackslashCode)
{
    EXPECT_EQ(
        ColorCodedMenuText({Row(u"1. Kick", kMenuWhite), Row(u"2. Ban", kMenuYellow), Row(u"0. Exit", kMenuGrey)}),
        u"\\w1. Kick^n\\y2. Ban^n\\d0. Exit^n");
    EXPECT_EQ(ColorCodedMenuText({Row(u"x", kMenuRed)}), u"\\rx^n");
}

TEST(ColorCodedMenuText, UnknownColourHasNoCodeButStillChangesThePreviousColour)
{
    const auto row = Join({Row(u"red ", kMenuRed), Row(u"blue", 0xFF0000), Row(u" red", kMenuRed)});
    EXPECT_EQ(ColorCodedMenuText({row}), u"\\rred blue\\r red^n");
    // Colours compare by exact value: one component off is another colour.
    EXPECT_EQ(ColorCodedMenuText({Row(u"a", 0xFEFFFF)}), u"a^n");
}

TEST(ColorCodedMenuText, BlackTextGetsNoCodeAndASpaceOfItsOwnColourGetsOne)
{
    EXPECT_EQ(ColorCodedMenuText({Row(u"dark", 0)}), u"dark^n");
    const auto row = Join({Row(u"a", kMenuWhite), Row(u" ", kMenuYellow), Row(u"b", kMenuWhite)});
    EXPECT_EQ(ColorCodedMenuText({row}), u"\\wa\\y \\wb^n");
}

TEST(ColorCodedMenuText, CaretsAndQuotesTypedByTheUserAreEscapedButTheCodesAreNot)
{
    // Copied unescaped, a typed quote ends the literal and a stray caret is a compile error. The
    // rows are the menu's line breaks, so nothing in them is an escape typed on purpose: a typed
    // "^n" shows as a caret and an n. Backslashes stay, so colour codes may still be typed by hand.
    EXPECT_EQ(ColorCodedMenuText({Row(u"^y \"50%\" \\r ^n", kMenuWhite), Row(u"Up^", kMenuYellow)}),
              u"\\w^^y ^\"50%^\" \\r ^^n^n\\yUp^^^n");
}

} // namespace
} // namespace korvane
