#include "generator/old_style_plugin.h"
#include "support/plugin_lines.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvane {
namespace {

using test::PluginLines;

OldStyleMenu Menu(std::u16string keys)
{
    return {std::move(keys), u"mymenu", u"My Menu", u"ADMIN_ALL", u"\\w1. Kick^n"};
}

std::vector<std::u16string> Generate(const OldStyleMenu& menu)
{
    PluginText text;
    ComposeOldStylePlugin(menu, text);
    return PluginLines(text.Text());
}

TEST(OldStylePlugin, OneKeyGivesTheWholeTemplateLineByLine)
{
    const auto lines = Generate(Menu(u"1"));
    const std::vector<std::u16string> expected = {
        u"#include <amxmodx>",
        u"#include <amxmisc>",
        u"",
        u"#define PLUGIN \"New Plug-In\"",
        u"#define VERSION \"1.0\"",
        u"#define AUTHOR \"author\"",
        u"#define KEYS (1 << 0)",
        u"",
        u"public plugin_init() {",
        u"",
        u"       register_plugin(PLUGIN, VERSION, AUTHOR);",
        u"       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_ALL);",
        u"       register_menucmd(register_menuid(\"My Menu\"), KEYS, \"MenuPressed\");",
        u"}",
        u"",
        u"public cmdMenu(id, level, cid) {",
        u"       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;",
        u"       show_menu(id, KEYS, \"\\w1. Kick^n\", -1, \"My Menu\");",
        u"       return PLUGIN_HANDLED;",
        u"}",
        u"",
        u"public MenuPressed(id, key) {",
        u"       switch (key) {",
        u"       case 0: {",
        u"       }",
        u"       }",
        u"}",
    };
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

TEST(OldStylePlugin, KeyMaskShiftsAreTheHandlersKeyIndexes)
{
    EXPECT_EQ(KeyMaskLine(u"12"), u"#define KEYS (1 << 0)|(1 << 1)");
    EXPECT_EQ(KeyMaskLine(u"120"), u"#define KEYS (1 << 0)|(1 << 1)|(1 << 9)");
    EXPECT_EQ(KeyMaskLine(u"13"), u"#define KEYS (1 << 0)|(1 << 2)");
    EXPECT_EQ(KeyMaskLine(u"9"), u"#define KEYS (1 << 8)");
    EXPECT_EQ(KeyMaskLine(u"0"), u"#define KEYS (1 << 9)");
    // Every term is kept, repetitions too.
    EXPECT_EQ(KeyMaskLine(u"11"), u"#define KEYS (1 << 0)|(1 << 0)");
}

TEST(OldStylePlugin, CasesAreOnePerDistinctKeyInOrderOfFirstAppearance)
{
    auto cases = [](const std::vector<std::u16string>& lines) {
        std::vector<std::u16string> found;
        for (const auto& line : lines)
            if (line.starts_with(u"       case "))
                found.push_back(line);
        return found;
    };
    EXPECT_EQ(cases(Generate(Menu(u"120"))),
              (std::vector<std::u16string>{u"       case 0: {", u"       case 1: {", u"       case 9: {"}));
    EXPECT_EQ(cases(Generate(Menu(u"13"))), (std::vector<std::u16string>{u"       case 0: {", u"       case 2: {"}));
    EXPECT_EQ(cases(Generate(Menu(u"11"))), (std::vector<std::u16string>{u"       case 0: {"}));
    EXPECT_EQ(cases(Generate(Menu(u"3121"))),
              (std::vector<std::u16string>{u"       case 2: {", u"       case 0: {", u"       case 1: {"}));
}

// Among the 25 fixed lines are three that a plug-in without access check would lack: the include
// of amxmisc, the cmd_access line and the command's return.
TEST(OldStylePlugin, LineCountIsTwentyFivePlusTwoPerDistinctKey)
{
    EXPECT_EQ(Generate(Menu(u"1")).size(), 27u);
    EXPECT_EQ(Generate(Menu(u"120")).size(), 31u);
    EXPECT_EQ(Generate(Menu(u"1111")).size(), 27u);
    EXPECT_EQ(Generate(Menu(u"1234567890")).size(), 45u);
}

// The lines before the key mask, the include of amxmisc among them, are appended before the keys
// are read.
TEST(OldStylePlugin, NonDigitKeyFailsAfterTheSixLinesBeforeTheKeyMask)
{
    PluginText text;
    try {
        ComposeOldStylePlugin(Menu(u"1x2"), text);
        FAIL() << "a non-digit key must fail";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
    }
    const auto lines = PluginLines(text.Text());
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], u"#include <amxmisc>");
    EXPECT_EQ(lines[5], u"#define AUTHOR \"author\"");
}

TEST(OldStylePlugin, NonAsciiKeyIsNamedInTheError)
{
    PluginText text;
    EXPECT_THROW(
        {
            try {
                ComposeOldStylePlugin(Menu(u"Д"), text);
            } catch (const std::runtime_error& e) {
                EXPECT_STREQ(e.what(), "'Д' is not a valid integer value");
                throw;
            }
        },
        std::runtime_error);
}

// Copied unescaped, a quote ends the literal early and a stray caret is a compile error. The name
// is escaped alike in register_menuid and in show_menu, so the two still compile to one text.
TEST(OldStylePlugin, NameAndCommandAreEscapedForTheCompilerAndTheMenuTextIsPlacedAsItComes)
{
    OldStyleMenu menu{u"1", u"open \"menu\"", u"Big \"Menu\" 50% ^ \\d^n", u"ADMIN_RCON", u"\\w^^ ^\"a^\"^n"};
    const auto lines = Generate(menu);
    EXPECT_EQ(lines[11], u"       register_clcmd(\"open ^\"menu^\"\", \"cmdMenu\", ADMIN_RCON);");
    EXPECT_EQ(lines[12],
              u"       register_menucmd(register_menuid(\"Big ^\"Menu^\" 50% ^^ \\d^n\"), KEYS, \"MenuPressed\");");
    // The menu text comes escaped from the colour coding and is not escaped a second time.
    EXPECT_EQ(lines[17], u"       show_menu(id, KEYS, \"\\w^^ ^\"a^\"^n\", -1, \"Big ^\"Menu^\" 50% ^^ \\d^n\");");
    // An empty menu text leaves the first quotes empty.
    menu.menuText.clear();
    EXPECT_EQ(Generate(menu)[17], u"       show_menu(id, KEYS, \"\", -1, \"Big ^\"Menu^\" 50% ^^ \\d^n\");");
}

// The first line that begins with `prefix`.
std::u16string LineStartingWith(const std::vector<std::u16string>& lines, std::u16string_view prefix)
{
    for (const auto& line : lines)
        if (line.starts_with(prefix))
            return line;
    return u"<missing " + std::u16string(prefix) + u">";
}

// The literal between the quotes that follow `before` in the line; a quote after a caret is
// part of it.
std::u16string QuotedAfter(const std::u16string& line, std::u16string_view before)
{
    const auto start = line.find(before);
    if (start == std::u16string::npos)
        return u"<missing>";
    const auto from = start + before.size();
    std::size_t end = from;
    while (end < line.size() && !(line[end] == u'"' && line[end - 1] != u'^'))
        ++end;
    return line.substr(from, end - from);
}

// AMX Mod X routes a key press to the function registered for a menu name only when that name
// occurs in show_menu's title; with the command as the title, MenuPressed was never called.
TEST(OldStylePlugin, TheShownTitleHoldsTheRegisteredMenuNameSoKeyPressesReachTheHandler)
{
    for (const OldStyleMenu& menu :
         {Menu(u"1"), OldStyleMenu{u"12", u"menu", u"Vote \"now\"", u"ADMIN_VOTE", u"x^n"}}) {
        const auto lines = Generate(menu);
        const std::u16string registered =
            QuotedAfter(LineStartingWith(lines, u"       register_menucmd("), u"register_menuid(\"");
        const std::u16string shown = LineStartingWith(lines, u"       show_menu(");
        const std::u16string title = QuotedAfter(shown, u"-1, \"");
        EXPECT_NE(title.find(registered), std::u16string::npos) << test::Narrow(shown);
        EXPECT_NE(title, QuotedAfter(LineStartingWith(lines, u"       register_clcmd("), u"register_clcmd(\""))
            << "the command is not the title";
    }
}

// AMX Mod X calls a command's function for every player and only passes it the registered flag;
// cmd_access, declared in amxmisc.inc, refuses the player who lacks it. A command left unhandled
// would also go on to the game.
TEST(OldStylePlugin, TheCommandChecksTheFlagFirstAndEndsHandled)
{
    const auto lines = Generate(OldStyleMenu{u"1", u"mymenu", u"My Menu", u"ADMIN_KICK", u"x^n"});
    EXPECT_EQ(lines[1], u"#include <amxmisc>");
    EXPECT_EQ(lines[11], u"       register_clcmd(\"mymenu\", \"cmdMenu\", ADMIN_KICK);");
    EXPECT_EQ(lines[15], u"public cmdMenu(id, level, cid) {");
    EXPECT_EQ(lines[16], u"       if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;");
    EXPECT_TRUE(lines[17].starts_with(u"       show_menu(id, KEYS, ")) << test::Narrow(lines[17]);
    EXPECT_EQ(lines[18], u"       return PLUGIN_HANDLED;");
    EXPECT_EQ(lines[19], u"}");
}

} // namespace
} // namespace korvane
