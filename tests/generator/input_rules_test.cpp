#include "generator/input_rules.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(InputRules, BlankMeansNothingButCharactersUpToSpace)
{
    EXPECT_TRUE(IsBlank(u""));
    EXPECT_TRUE(IsBlank(u" \t\r\n\x01 "));
    EXPECT_FALSE(IsBlank(u"  a  "));
    EXPECT_FALSE(IsBlank(u"\x00A0")); // a no-break space is text
    EXPECT_EQ(TrimControlAndSpace(u"\t x y \r"), u"x y");
}

TEST(InputRules, CommandFilterTakesLatinLettersDigitsUnderscoreSpaceAndBackspace)
{
    for (char16_t c : std::u16string_view(u"azAZ09_ \b"))
        EXPECT_TRUE(PassesCommandFilter(c)) << int(c);
    for (char16_t c : std::u16string_view(u"-!\"'.;/\\\tДжé\r"))
        EXPECT_FALSE(PassesCommandFilter(c)) << int(c);
}

TEST(InputRules, KeysFilterTakesDigitsAndBackspaceOnly)
{
    for (char16_t c : std::u16string_view(u"0123456789\b"))
        EXPECT_TRUE(PassesKeysFilter(c)) << int(c);
    for (char16_t c : std::u16string_view(u"a -+\x0661"))
        EXPECT_FALSE(PassesKeysFilter(c)) << int(c);
}

TEST(InputRules, KeysComeFromTheFirstDigitOfEachTrimmedRow)
{
    std::u16string keys;
    AppendKeysFromRows({u"1. Kick", u"   2. Ban", u"Title", u"", u"10. More", u"0. Exit", u"1. Again"}, keys);
    EXPECT_EQ(keys, u"12101");

    std::u16string existing = u"5";
    AppendKeysFromRows({u"\t3"}, existing);
    EXPECT_EQ(existing, u"53"); // appended after what the field held

    std::u16string none;
    AppendKeysFromRows({u"No digits", u"  x1"}, none);
    EXPECT_EQ(none, u"");
}

TEST(InputRules, NewStyleCheckReportsTheTitleBeforeTheItems)
{
    EXPECT_EQ(CheckNewStyleMenu({u"  ", u"c", u"ADMIN_ALL", {}}), kTitleEmptyMessage);
    EXPECT_EQ(CheckNewStyleMenu({u"  ", u"c", u"ADMIN_ALL", {u"a"}}), kTitleEmptyMessage);
    EXPECT_EQ(CheckNewStyleMenu({u" T ", u"c", u"ADMIN_ALL", {}}), kNoItemsMessage);
    EXPECT_EQ(CheckNewStyleMenu({u" T ", u"", u"ADMIN_ALL", {u"a"}}), std::nullopt);
    EXPECT_EQ(kTitleEmptyMessage, u"Menu title is empty!\rPlease, enter menu title!");
}

TEST(InputRules, SourceModCheckRefusesOnlyABlankCommand)
{
    EXPECT_EQ(CheckSourceModMenu({u"   ", u"ADMFLAG_ROOT", u"", {}}), kNoCommandMessage);
    EXPECT_EQ(CheckSourceModMenu({u" menu ", u"ADMFLAG_ROOT", u"", {}}), std::nullopt);
}

TEST(InputRules, OldStyleCheckNeedsAtLeastOneKey)
{
    EXPECT_EQ(CheckOldStyleOptions({u"", u"c", u"n", u"ADMIN_ALL", u""}), kNoKeysMessage);
    EXPECT_EQ(CheckOldStyleOptions({u"0", u"", u"", u"ADMIN_ALL", u""}), std::nullopt);
}

} // namespace
} // namespace korvane
