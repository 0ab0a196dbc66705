#include "generator/new_style_plugin.h"
#include "support/plugin_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace korvane {
namespace {

using test::PluginLines;

std::vector<std::u16string> Generate(const NewStyleMenu& menu)
{
    PluginText text;
    ComposeNewStylePlugin(menu, text);
    const auto lines = PluginLines(text.Text());
    EXPECT_EQ(lines.size(), text.LineCount());
    return lines;
}

TEST(NewStylePlugin, TwoItemsGiveTheWholeTemplateLineByLine)
{
    const auto lines = Generate({u"Main menu", u"mymenu", u"ADMIN_KICK", {u"Kick", u"Ban"}});
    const std::vector<std::u16string> expected = {
        u"#include <amxmodx>",
        u"#include <amxmisc>",
        u"",
        u"#define PLUGIN \"New Plug-In\"",
        u"#define VERSION \"1.0\"",
        u"#define AUTHOR \"author\"",
        u"",
        u"public plugin_init() {",
        u"",
        u"       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_KICK);",
        u"       register_plugin(PLUGIN, VERSION, AUTHOR);",
        u"}",
        u"",
        u"public cmdMenu(id, level, cid) {",
        u"       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;",
        u"       new i_Menu = menu_create(\"Main menu\", \"menu_handler\");",
        u"       menu_additem(i_Menu, \"Kick\", \"1\", 0);",
        u"       menu_additem(i_Menu, \"Ban\", \"2\", 0);",
        u"       menu_setprop(i_Menu, MPROP_NEXTNAME, \"Далее\");",
        u"       menu_setprop(i_Menu, MPROP_BACKNAME, \"Назад\");",
        u"       menu_setprop(i_Menu, MPROP_EXITNAME, \"Выход\");",
        u"",
        u"       menu_display(id, i_Menu, 0)",
        u"       return PLUGIN_HANDLED;",
        u"}",
        u"",
        u"public menu_handler(id, menu, item) {",
        u"       if( item < 0 ) { menu_destroy(menu); return PLUGIN_CONTINUE; }",
        u"       new cmd[6], access, callback;",
        u"       menu_item_getinfo(menu, item, access, cmd,5,_,_, callback);",
        u"       new Choise = str_to_num(cmd)",
        u"       switch (Choise) {",
        u"       case 1: {",
        u"       }",
        u"       case 2: {",
        u"       }",
        u"       }",
        u"       menu_destroy(menu);",
        u"       return PLUGIN_HANDLED;",
        u"}",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

// Among the 34 fixed lines are four that a plug-in without access check and without freeing its
// menu would lack: the include of amxmisc, the cmd_access line, the command's return and the
// menu_destroy after the switch.
TEST(NewStylePlugin, LineCountIsThirtyFourPlusThreePerItem)
{
    for (std::size_t n : {1u, 2u, 7u, 12u}) {
        NewStyleMenu menu{u"T", u"c", u"ADMIN_ALL", {}};
        for (std::size_t k = 0; k < n; ++k)
            menu.items.push_back(u"item");
        EXPECT_EQ(Generate(menu).size(), 34 + 3 * n) << n << " items";
    }
}

TEST(NewStylePlugin, ItemNumbersOfAddLinesAndCasesAgreeFromOne)
{
    const auto lines =
        Generate({u"T", u"c", u"ADMIN_ALL", {u"a", u"b", u"c", u"d", u"e", u"f", u"g", u"h", u"i", u"j", u"k"}});
    EXPECT_EQ(lines[16 + 10], u"       menu_additem(i_Menu, \"k\", \"11\", 0);");
    // 16 header lines, 11 add lines, 14 fixed lines, then the case pairs.
    EXPECT_EQ(lines[41], u"       case 1: {");
    EXPECT_EQ(lines[41 + 20], u"       case 11: {");
    EXPECT_EQ(lines[41 + 21], u"       }");
}

// Copied unescaped, a quote in a text ends the literal early and a stray caret is a compile error
// ("Up^" even escapes the closing quote), so the texts are escaped for the AMX Mod X compiler; a
// "^n" typed on purpose stays a line break.
TEST(NewStylePlugin, TextsAreEscapedForTheCompilerAndKeepWhatWasTyped)
{
    const auto lines = Generate(
        {u"Say \"hi\" 100% \\o/ ^nUp^", u"a\"b", u"ADMIN_USER", {u"  padded  ", u"Меню ✓", u"Level ^ 2 \\y^\""}});
    EXPECT_EQ(lines[9], u"       register_clcmd(\"a^\"b\", \"cmdMenu\", ADMIN_USER);");
    EXPECT_EQ(lines[15], u"       new i_Menu = menu_create(\"Say ^\"hi^\" 100% \\o/ ^nUp^^\", \"menu_handler\");");
    EXPECT_EQ(lines[16], u"       menu_additem(i_Menu, \"  padded  \", \"1\", 0);");
    EXPECT_EQ(lines[17], u"       menu_additem(i_Menu, \"Меню ✓\", \"2\", 0);");
    EXPECT_EQ(lines[18], u"       menu_additem(i_Menu, \"Level ^^ 2 \\y^\"\", \"3\", 0);");
}

TEST(NewStylePlugin, AnEmptyCommandLeavesItsQuotesEmpty)
{
    EXPECT_EQ(Generate({u"T", u"", u"ADMIN_ALL", {u"x"}})[9], u"       register_clcmd(\"\", \"cmdMenu\", ADMIN_ALL);");
}

// Lines of the function that begins with the line `header`, up to its closing brace.
std::vector<std::u16string> FunctionBody(const std::vector<std::u16string>& lines, std::u16string_view header)
{
    std::vector<std::u16string> body;
    auto line = std::find(lines.begin(), lines.end(), header);
    EXPECT_NE(line, lines.end()) << test::Narrow(std::u16string(header));
    if (line != lines.end())
        for (++line; line != lines.end() && *line != u"}"; ++line)
            body.push_back(*line);
    return body;
}

// AMX Mod X calls a command's function for every player and only passes it the registered flag:
// without the check a menu registered with ADMIN_KICK opens for anyone. cmd_access is declared in
// amxmisc.inc. A command left unhandled would also go on to the game.
TEST(NewStylePlugin, TheCommandChecksTheFlagFirstAndEndsHandled)
{
    const auto lines = Generate({u"T", u"mymenu", u"ADMIN_KICK", {u"x"}});
    EXPECT_EQ(lines[1], u"#include <amxmisc>");
    EXPECT_EQ(lines[9], u"       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_KICK);");
    const auto body = FunctionBody(lines, u"public cmdMenu(id, level, cid) {");
    ASSERT_GE(body.size(), 3u);
    EXPECT_EQ(body.front(), u"       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;");
    EXPECT_EQ(body[body.size() - 2], u"       menu_display(id, i_Menu, 0)");
    EXPECT_EQ(body.back(), u"       return PLUGIN_HANDLED;");
}

TEST(NewStylePlugin, NoLineHasTrailingBlanksOrTabs)
{
    for (const auto& line : Generate({u"T", u"c", u"ADMIN_ALL", {u"x"}})) {
        EXPECT_EQ(line.find(u'\t'), std::u16string::npos);
        if (!line.empty()) {
            EXPECT_NE(line.back(), u' ') << test::Narrow(line);
        }
    }
}

// The handler is called for a selection and for exit or timeout; a menu not destroyed on each of
// these paths is never freed.
TEST(NewStylePlugin, EveryWayOutOfTheMenuHandlerDestroysTheMenu)
{
    const auto body =
        FunctionBody(Generate({u"T", u"c", u"ADMIN_ALL", {u"a", u"b"}}), u"public menu_handler(id, menu, item) {");
    std::size_t returns = 0;
    for (std::size_t i = 0; i < body.size(); ++i) {
        const auto at = body[i].find(u"return ");
        if (at == std::u16string::npos)
            continue;
        ++returns;
        const bool destroyedBefore = body[i].substr(0, at).find(u"menu_destroy(menu);") != std::u16string::npos ||
                                     (i > 0 && body[i - 1] == u"       menu_destroy(menu);");
        EXPECT_TRUE(destroyedBefore) << test::Narrow(body[i]);
    }
    EXPECT_EQ(returns, 2u);
    EXPECT_EQ(body.front(), u"       if( item < 0 ) { menu_destroy(menu); return PLUGIN_CONTINUE; }");
}

// The number between `before` and the next `after` in the line, or -1.
int NumberIn(const std::u16string& line, std::u16string_view before, char16_t after)
{
    const auto start = line.find(before);
    if (start == std::u16string::npos)
        return -1;
    const auto from = start + before.size();
    const auto end = line.find(after, from);
    if (end == std::u16string::npos || end == from)
        return -1;
    return std::stoi(test::Narrow(line.substr(from, end - from)));
}

// With "new cmd[3]" and length 2 the information string "100" came back as "10", so the 100th
// item ran the 10th item's case. menu_item_getinfo copies at most the given length and ends the
// string after it, so the length must hold the longest number and the buffer one more.
TEST(NewStylePlugin, TheInformationBufferHoldsTheNumberOfTheHundredthItem)
{
    const auto lines = Generate({u"T", u"c", u"ADMIN_ALL", std::vector<std::u16string>(100, u"item")});
    EXPECT_EQ(lines[16 + 99], u"       menu_additem(i_Menu, \"item\", \"100\", 0);");
    const auto body = FunctionBody(lines, u"public menu_handler(id, menu, item) {");
    ASSERT_GE(body.size(), 3u);
    const int size = NumberIn(body[1], u"new cmd[", u']');
    const int length = NumberIn(body[2], u"access, cmd,", u',');
    EXPECT_GE(length, 3) << test::Narrow(body[2]);
    EXPECT_GT(size, length) << test::Narrow(body[1]);
    EXPECT_NE(std::find(body.begin(), body.end(), u"       case 100: {"), body.end());
}

} // namespace
} // namespace korvane
