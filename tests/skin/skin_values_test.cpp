#include "skin/skin_values.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(SkinValues, LenientIntegersReadDecimalAndHexOrNothing)
{
    EXPECT_EQ(ParseLenientInt(u"5719359"), 5719359);
    EXPECT_EQ(ParseLenientInt(u"-1"), -1);
    EXPECT_EQ(ParseLenientInt(u"+12"), 12);
    EXPECT_EQ(ParseLenientInt(u"0x1F"), 31);
    EXPECT_EQ(ParseLenientInt(u"0XfF"), 255);
    EXPECT_EQ(ParseLenientInt(u"$FF00FF"), 0xFF00FF);
    EXPECT_EQ(ParseLenientInt(u"$FF00000F"), static_cast<int32_t>(0xFF00000F));
    EXPECT_EQ(ParseLenientInt(u"N/A"), std::nullopt);
    EXPECT_EQ(ParseLenientInt(u""), std::nullopt);
    EXPECT_EQ(ParseLenientInt(u"12 "), std::nullopt);
    EXPECT_EQ(ParseLenientInt(u"2147483648"), std::nullopt);
    EXPECT_EQ(ParseLenientInt(u"-2147483648"), INT32_MIN);
    EXPECT_EQ(LenientIntOr(u"?", 4), 4);
}

TEST(SkinValues, StrictIntegersRefuseZeroXAndTextWithTheConversionMessage)
{
    EXPECT_EQ(ParseStrictInt(u"0030"), 30);
    EXPECT_EQ(ParseStrictInt(u"$10"), 16);
    try {
        ParseStrictInt(u"0x10");
        ADD_FAILURE();
    } catch (const SkinConversionError& error) {
        EXPECT_STREQ(error.what(), "'0x10' is not a valid integer value");
    }
    EXPECT_THROW(ParseStrictInt(u""), SkinConversionError);
    EXPECT_THROW(ParseStrictInt(u"@3"), SkinConversionError);
}

TEST(SkinValues, VersionUsesDotWhateverTheLocaleAndFallsBack)
{
    EXPECT_DOUBLE_EQ(ParseVersion(u"7.30").value(), 7.3);
    EXPECT_DOUBLE_EQ(ParseVersion(u"6").value(), 6.0);
    EXPECT_EQ(ParseVersion(u"7,3"), std::nullopt);
    EXPECT_EQ(ParseVersion(u"seven"), std::nullopt);
}

TEST(SkinValues, FlagsAreOneOrTrueInAnyCase)
{
    EXPECT_TRUE(ParseFlag(u"1"));
    EXPECT_TRUE(ParseFlag(u"true"));
    EXPECT_TRUE(ParseFlag(u"TRUE"));
    EXPECT_FALSE(ParseFlag(u"yes"));
    EXPECT_FALSE(ParseFlag(u" 1"));
}

TEST(SkinValues, Low16KeepsTheLowBits)
{
    EXPECT_EQ(Low16(0x12345), 0x2345);
    EXPECT_EQ(Low16(0xFFFF), -1);
    EXPECT_EQ(Low16(-2), -2);
}

TEST(SkinValues, WordsSkipRunsOfDelimitersAndMissingWordsAreEmpty)
{
    const auto words = SplitWords(u"!!A!!B!", u"!");
    ASSERT_EQ(words.size(), 2u);
    EXPECT_EQ(WordAt(words, 1), u"A");
    EXPECT_EQ(WordAt(words, 2), u"B");
    EXPECT_EQ(WordAt(words, 3), u"");
    EXPECT_EQ(WordAt(words, 0), u"");
}

TEST(SkinValues, GradientDataGivesStepsOfFiveNumbers)
{
    const TsGradArray steps = ParseGradientData(u"15853795;13944507;97;1;0;13944507;13944507;0;1;0");
    ASSERT_EQ(steps.size(), 2u);
    EXPECT_EQ(steps[0].Color1, 15853795);
    EXPECT_EQ(steps[0].Color2, 13944507);
    EXPECT_EQ(steps[0].Percent, 97);
    EXPECT_EQ(steps[0].Mode, 1);
    EXPECT_EQ(steps[1].Percent, 0);
}

TEST(SkinValues, GradientDataClampsAndIgnoresIncompleteGroups)
{
    const TsGradArray steps = ParseGradientData(u"-5;-1;150;2;0;1;2;3");
    ASSERT_EQ(steps.size(), 1u);
    EXPECT_EQ(steps[0].Color1, 0);
    EXPECT_EQ(steps[0].Color2, 0);
    EXPECT_EQ(steps[0].Percent, 100);
    EXPECT_TRUE(ParseGradientData(u"N/A").empty());
    EXPECT_THROW(ParseGradientData(u"1;2;x;4;5"), SkinConversionError);
}

TEST(SkinValues, VersionNoticesFollowTheVersionAndTheActestArgument)
{
    EXPECT_EQ(VersionNotice(8.0, u"Blue", false), TooNewVersionNotice());
    EXPECT_EQ(VersionNotice(7.99, u"Blue", true), std::nullopt);
    EXPECT_EQ(VersionNotice(7.0, u"Blue", true), std::nullopt);
    EXPECT_EQ(VersionNotice(6.5, u"Blue", false), std::nullopt);
    const auto old = VersionNotice(6.5, u"Blue", true);
    ASSERT_TRUE(old.has_value());
    EXPECT_EQ(old->rfind(u"You are using an old version of the \"Blue\" skin. Please, update", 0), 0u);
    EXPECT_NE(old->find(u"\r\n\r\nThis notification occurs in design-time only"), std::u16string::npos);
    EXPECT_TRUE(HasAcTestArgument({u"x", u"/ACTest"}));
    EXPECT_FALSE(HasAcTestArgument({u"actest", u"/actest2"}));
}

} // namespace
} // namespace korvane
