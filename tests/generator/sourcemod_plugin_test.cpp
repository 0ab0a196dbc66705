#include "generator/sourcemod_plugin.h"
#include "support/plugin_lines.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

using test::PluginLines;

std::vector<std::u16string> Generate(const SourceModMenu& menu)
{
    PluginText text;
    ComposeSourceModPlugin(menu, text);
    return PluginLines(text.Text());
}

TEST(SourceModPlugin, NoItemsGiveFortyLinesWithOnlyTheInfoLinesInTheSelectBlock)
{
    const auto lines = Generate({u"menu", u"ADMFLAG_RESERVATION", u"", {}});
    const std::vector<std::u16string> expected = {
        u"#include <sourcemod>",
        u"",
        u"public Plugin:myinfo =",
        u"{",
        u"\tname = \"New Plugin\",",
        u"\tauthor = \"Unknown\",",
        u"\tdescription = \"<- Description ->\",",
        u"\tversion = \"1.0\",",
        u"\turl = \"korvane.example\"",
        u"}",
        u"",
        u"public OnPluginStart()",
        u"{",
        u"\tRegConsoleCmd(\"menu\", cmdMenu);",
        u"}",
        u"",
        u"public Action:cmdMenu(client, args)",
        u"{",
        u"\tif (client == 0 || !CheckCommandAccess(client, \"menu\", ADMFLAG_RESERVATION)) {",
        u"\t\tReplyToCommand(client, \"You know, you don't allow to be here...\");",
        u"\t\treturn Plugin_Handled;",
        u"\t}",
        u"\tnew Handle:menu = CreateMenu(MenuHandler);",
        u"\tSetMenuTitle(menu, \"%s\", \"\");",
        u"\tDisplayMenu(menu, client, MENU_TIME_FOREVER);",
        u"\treturn Plugin_Handled;",
        u"}",
        u"",
        u"public MenuHandler(Handle:menu, MenuAction:action, param1, param2)",
        u"{",
        u"\tif (action == MenuAction_Select)",
        u"\t{",
        u"\t\tdecl String:info[32];",
        u"\t\tGetMenuItem(menu, param2, info, sizeof(info));",
        u"\t}",
        u"\tif (action == MenuAction_End)",
        u"\t{",
        u"\t\tCloseHandle(menu);",
        u"\t}",
        u"}",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST(SourceModPlugin, ThreeItemsAreNumberedFromZeroInAddLinesAndComparisons)
{
    const auto lines = Generate({u" cmd ", u"ADMFLAG_ROOT", u"Title", {u"One", u"Two", u"Три"}});
    ASSERT_EQ(lines.size(), 40u + 9u);
    EXPECT_EQ(lines[13], u"\tRegConsoleCmd(\" cmd \", cmdMenu);");
    EXPECT_EQ(lines[23], u"\tSetMenuTitle(menu, \"%s\", \"Title\");");
    EXPECT_EQ(lines[24], u"\tAddMenuItem(menu, \"0\", \"One\");");
    EXPECT_EQ(lines[25], u"\tAddMenuItem(menu, \"1\", \"Two\");");
    EXPECT_EQ(lines[26], u"\tAddMenuItem(menu, \"2\", \"Три\");");
    EXPECT_EQ(lines[37], u"\t\tif (strcmp(info, \"0\") == 0) {");
    EXPECT_EQ(lines[38], u"\t\t}");
    EXPECT_EQ(lines[41], u"\t\tif (strcmp(info, \"2\") == 0) {");
    EXPECT_EQ(lines[42], u"\t\t}");
    EXPECT_EQ(lines[43], u"\t}");
}

// GetUserFlagBits(client) & FLAG refused root admins, whose root flag grants access only through
// access checks, and raised an error for the server console, client 0, which cannot be shown a
// menu. The console gets the reply.
TEST(SourceModPlugin, AccessIsACommandAccessCheckThatAlsoTurnsAwayTheConsole)
{
    const auto lines = Generate({u"sm_menu", u"ADMFLAG_KICK", u"T", {}});
    EXPECT_EQ(lines[18], u"\tif (client == 0 || !CheckCommandAccess(client, \"sm_menu\", ADMFLAG_KICK)) {");
    EXPECT_EQ(lines[19], u"\t\tReplyToCommand(client, \"You know, you don't allow to be here...\");");
    EXPECT_EQ(lines[20], u"\t\treturn Plugin_Handled;");
    EXPECT_EQ(lines[21], u"\t}");
}

// SetMenuTitle formats its text: as the format itself, "50% off" was read as a format.
TEST(SourceModPlugin, TheTitleIsTheArgumentOfAFixedFormat)
{
    EXPECT_EQ(Generate({u"m", u"ADMFLAG_KICK", u"50% off %s", {}})[23],
              u"\tSetMenuTitle(menu, \"%s\", \"50% off %s\");");
}

// Copied unescaped, a quote ends the literal early and a backslash that begins no escape is a
// compile error ("Path\" even escapes the closing quote), so the texts are escaped for the
// SourceMod compiler; a "\n" typed on purpose stays a line break and carets are plain there.
TEST(SourceModPlugin, TextsAreEscapedForTheCompilerAndKeepWhatWasTyped)
{
    const auto lines =
        Generate({u"sm_\"go\"", u"ADMFLAG_BAN", u"Title \"x\"\\nPath\\", {u"C:\\maps\\de_dust2", u"Level ^ 2 \\t^n"}});
    EXPECT_EQ(lines[13], u"\tRegConsoleCmd(\"sm_\\\"go\\\"\", cmdMenu);");
    EXPECT_EQ(lines[18], u"\tif (client == 0 || !CheckCommandAccess(client, \"sm_\\\"go\\\"\", ADMFLAG_BAN)) {");
    EXPECT_EQ(lines[23], u"\tSetMenuTitle(menu, \"%s\", \"Title \\\"x\\\"\\nPath\\\\\");");
    EXPECT_EQ(lines[24], u"\tAddMenuItem(menu, \"0\", \"C:\\\\maps\\\\de_dust2\");");
    EXPECT_EQ(lines[25], u"\tAddMenuItem(menu, \"1\", \"Level ^ 2 \\t^n\");");
}

TEST(SourceModPlugin, IndentationIsTabsOnlyAndNoLineEndsInABlank)
{
    for (const auto& line : Generate({u"m", u"ADMFLAG_KICK", u"T", {u"a", u"b"}})) {
        const auto firstNonTab = line.find_first_not_of(u'\t');
        if (firstNonTab != std::u16string::npos) {
            EXPECT_NE(line[firstNonTab], u' ') << test::Narrow(line);
        }
        if (!line.empty()) {
            EXPECT_NE(line.back(), u' ') << test::Narrow(line);
        }
    }
}

} // namespace
} // namespace korvane
