#include "skin/options_text.h"

#include <gtest/gtest.h>

#include <string>

namespace korvane {
namespace {

TEST(OptionsText, SplitsLinesAtCrLfCrOrLfAndStopsAtNul)
{
    const std::string text = std::string("[A]\r\nK1=1\rK2=2\nK3=3\r\n") + '\0' + "K4=4\n";
    const OptionsText options = OptionsText::FromAnsi(text);
    EXPECT_EQ(options.Read(u"A", u"K1", u"-"), u"1");
    EXPECT_EQ(options.Read(u"A", u"K2", u"-"), u"2");
    EXPECT_EQ(options.Read(u"A", u"K3", u"-"), u"3");
    EXPECT_EQ(options.Read(u"A", u"K4", u"-"), u"-");
}

TEST(OptionsText, KeepsBlanksAroundTheEqualsSignAndInSectionNames)
{
    const OptionsText options = OptionsText::FromAnsi("[ SP ]\nKEY =value \n KEY2= x\n");
    ASSERT_EQ(options.Sections().size(), 1u);
    EXPECT_EQ(options.Sections()[0].Name, u" SP ");
    EXPECT_EQ(options.Read(u" SP ", u"KEY ", u"-"), u"value ");
    EXPECT_EQ(options.Read(u" SP ", u"KEY", u"-"), u"-");
    EXPECT_EQ(options.Read(u" SP ", u" KEY2", u"-"), u" x");
}

TEST(OptionsText, SkipsCommentsEmptyLinesAndLinesBeforeTheFirstSection)
{
    const OptionsText options = OptionsText::FromAnsi("K0=0\n;[NOT]\n\n[A]\n;K=1\nK=2\nno equals sign\n");
    ASSERT_EQ(options.Sections().size(), 1u);
    EXPECT_EQ(options.Read(u"A", u"K", u"-"), u"2");
    EXPECT_EQ(options.Keys(u"A"), std::vector<std::u16string>{u"K"});
    EXPECT_EQ(options.Sections()[0].Entries.size(), 2u); // the line without "=" is kept
}

TEST(OptionsText, ComparesNamesWithoutCaseFirstSectionAndFirstKeyWin)
{
    const OptionsText options = OptionsText::FromAnsi("[Button]\nColor=1\nCOLOR=2\n[BUTTON]\nCOLOR=3\nX=4\n");
    EXPECT_EQ(options.Sections().size(), 2u);
    EXPECT_EQ(options.Read(u"BUTTON", u"color", u"-"), u"1");
    EXPECT_EQ(options.Read(u"button", u"X", u"-"), u"-");
    EXPECT_EQ(options.Keys(u"BUTTON").size(), 2u);
}

TEST(OptionsText, ComparesCyrillicNamesWithoutCase)
{
    // "[Кнопка]" in Windows-1251, looked up as "КНОПКА".
    const OptionsText options = OptionsText::FromAnsi("[\xCA\xED\xEE\xEF\xEA\xE0]\nK=1\n");
    EXPECT_EQ(options.Read(u"\u041A\u041D\u041E\u041F\u041A\u0410", u"K", u"-"), u"1");
}

TEST(OptionsText, LoneEqualsSignDefinesAnEmptyKey)
{
    const OptionsText options = OptionsText::FromAnsi("[COLHEADER]\n=\nCOLOR=5\n");
    EXPECT_EQ(options.Read(u"COLHEADER", u"", u"-"), u"");
    EXPECT_EQ(options.Read(u"COLHEADER", u"COLOR", u"-"), u"5");
}

TEST(OptionsText, BracketLineMustEndWithBracketToStartASection)
{
    const OptionsText options = OptionsText::FromAnsi("[A]\n[B] \nK=1\n[]\nL=2\n");
    ASSERT_EQ(options.Sections().size(), 2u);
    EXPECT_EQ(options.Read(u"A", u"K", u"-"), u"1");
    EXPECT_EQ(options.Read(u"", u"L", u"-"), u"2");
}

} // namespace
} // namespace korvane
