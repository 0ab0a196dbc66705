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

// --- Budgets -------------------------------------------------------------------------------

// The message of whatever parsing the text throws, or empty when it is accepted.
std::string ParseError(const std::string& text)
{
    try {
        (void)OptionsText::FromAnsi(text);
    } catch (const std::exception& error) {
        return error.what();
    }
    return {};
}

std::string Sections(int count)
{
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += "[S" + std::to_string(i) + "]\n";
    }
    return text;
}

std::string Lines(const std::string& section, int count)
{
    std::string text = "[" + section + "]\n";
    for (int i = 0; i < count; ++i) {
        text += "K" + std::to_string(i) + "=1\n";
    }
    return text;
}

TEST(OptionsTextBudgets, TenThousandSectionsAreAcceptedOneMoreIsRefused)
{
    EXPECT_EQ(OptionsText::FromAnsi(Sections(10000)).Sections().size(), 10000u);
    EXPECT_EQ(ParseError(Sections(10001)), "'Options.dat' has more than the 10000 sections an options text may have");
}

TEST(OptionsTextBudgets, ASectionMayKeepTenThousandLinesWithOrWithoutEqualsSign)
{
    EXPECT_EQ(OptionsText::FromAnsi(Lines("BUTTON", 10000)).Keys(u"BUTTON").size(), 10000u);
    EXPECT_EQ(ParseError(Lines("BUTTON", 10000) + "K=2\n"),
              "Section [BUTTON] of 'Options.dat' has more than the 10000 lines a section may have");
    EXPECT_EQ(ParseError(Lines("BUTTON", 10000) + "no equals sign\n"),
              "Section [BUTTON] of 'Options.dat' has more than the 10000 lines a section may have");
    // Comments, empty lines and lines before the first section are not kept and not counted.
    EXPECT_EQ(ParseError("K=1\n" + Lines("BUTTON", 10000) + ";comment\n\n"), "");
}

TEST(OptionsTextBudgets, AllSectionsTogetherMayKeepAQuarterMillionLines)
{
    std::string text;
    for (int i = 0; i < 25; ++i) {
        text += Lines("S" + std::to_string(i), 10000);
    }
    EXPECT_EQ(ParseError(text), "");
    EXPECT_EQ(ParseError(text + "[LAST]\nK=1\n"),
              "'Options.dat' has more than the 250000 lines an options text may have in its sections");
}

TEST(OptionsTextBudgets, ATextLargerThanFourMebibytesIsRefusedBeforeItIsParsed)
{
    std::string text = "[A]\n";
    text.resize(4 * 1024 * 1024, ';');
    EXPECT_EQ(ParseError(text), "");
    text.push_back(';');
    EXPECT_EQ(ParseError(text), "'Options.dat' has 4194305 bytes, more than the 4 MiB an options text may have");
}

TEST(OptionsTextBudgets, TheMessageNamesTheTextAndTheBudgetsItWasGiven)
{
    SkinBudgets budgets;
    budgets.Sections = 2;
    budgets.SectionLines = 3;
    budgets.OptionsTextBytes = 100;
    const auto error = [&](std::u16string_view text) {
        try {
            (void)OptionsText::FromText(text, "CommonSections", budgets);
        } catch (const SkinBudgetError& thrown) {
            return std::string(thrown.what());
        }
        return std::string();
    };
    EXPECT_EQ(error(u"[A]\n[B]\n"), "");
    EXPECT_EQ(error(u"[A]\n[B]\n[C]\n"), "'CommonSections' has more than the 2 sections an options text may have");
    EXPECT_EQ(error(u"[A]\na\nb\nc\nd\n"),
              "Section [A] of 'CommonSections' has more than the 3 lines a section may have");
    EXPECT_EQ(error(std::u16string(101, u';')),
              "'CommonSections' has 101 bytes, more than the 100 bytes an options text may have");
    // A long section name is cut in the message.
    budgets.OptionsTextBytes = 1000;
    const std::u16string name(300, u'N');
    const std::string message = error(u"[" + name + u"]\na\nb\nc\nd\n");
    EXPECT_NE(message.find("has more than the 3 lines"), std::string::npos) << message;
    EXPECT_LT(message.size(), 150u) << message;
}

} // namespace
} // namespace korvane
