#include "generator/menu_actions.h"
#include "generator/new_style_plugin.h"
#include "generator/old_style_plugin.h"
#include "generator/sourcemod_plugin.h"
#include "support/pawn_literal.h"
#include "support/plugin_lines.h"

#include <gtest/gtest.h>

#include <random>

namespace korvane {
namespace {

using Lines = std::vector<std::u16string>;
using test::Narrow;

ItemAction Player(std::u16string text)
{
    return {ActionType::PlayerCommand, std::move(text)};
}
ItemAction Server(std::u16string text)
{
    return {ActionType::ServerCommand, std::move(text)};
}
ItemAction Chat(std::u16string text)
{
    return {ActionType::Chat, std::move(text)};
}

Lines Amxx(const ItemAction& action)
{
    return AmxxActionStatements(action, u"Пункт 1 «x»");
}
Lines SourceMod(const ItemAction& action)
{
    return SourceModActionStatements(action, u"Пункт 1 «x»");
}

std::u16string Problem(const ItemAction& action)
{
    return CheckItemAction(action, u"Пункт 2 «Kick»").value_or(u"<accepted>");
}

TEST(ActionStatements, NoneWritesNothing)
{
    EXPECT_EQ(Amxx({}), Lines{});
    EXPECT_EQ(SourceMod({ActionType::None, u"{bogus} ignored"}), Lines{});
}

TEST(ActionStatements, EachKindCallsItsNativeWithTheTextAsFormat)
{
    EXPECT_EQ(Amxx(Player(u"say hello")), Lines{u"client_cmd(id, \"say hello\");"});
    EXPECT_EQ(Amxx(Server(u"mp_timelimit 30")), Lines{u"server_cmd(\"mp_timelimit 30\");"});
    EXPECT_EQ(Amxx(Chat(u"Привет!")), Lines{u"client_print(id, print_chat, \"Привет!\");"});
    EXPECT_EQ(SourceMod(Player(u"say hello")), Lines{u"FakeClientCommand(param1, \"say hello\");"});
    EXPECT_EQ(SourceMod(Server(u"mp_timelimit 30")), Lines{u"ServerCommand(\"mp_timelimit 30\");"});
    EXPECT_EQ(SourceMod(Chat(u"Привет!")), Lines{u"PrintToChat(param1, \"Привет!\");"});
}

TEST(ActionStatements, UserIdIsANumberInCommandsAndChat)
{
    EXPECT_EQ(Amxx(Server(u"amx_kick #{userid}")), Lines{u"server_cmd(\"amx_kick #%d\", get_user_userid(id));"});
    EXPECT_EQ(Amxx(Player(u"amx_slap #{userid} 0")),
              Lines{u"client_cmd(id, \"amx_slap #%d 0\", get_user_userid(id));"});
    EXPECT_EQ(SourceMod(Server(u"sm_slay #{userid}")),
              Lines{u"ServerCommand(\"sm_slay #%d\", GetClientUserId(param1));"});
    EXPECT_EQ(SourceMod(Chat(u"{userid}/{userid}")),
              Lines{u"PrintToChat(param1, \"%d/%d\", GetClientUserId(param1), GetClientUserId(param1));"});
}

TEST(ActionStatements, NameAndSteamIdFillBuffersDeclaredInTheBlockAndFollowTheTextsOrder)
{
    EXPECT_EQ(Amxx(Chat(u"{steamid} = {name}, {name}")),
              (Lines{u"new name[32];", u"get_user_name(id, name, charsmax(name));", u"new authid[64];",
                     u"get_user_authid(id, authid, charsmax(authid));",
                     u"client_print(id, print_chat, \"%s = %s, %s\", authid, name, name);"}));
    EXPECT_EQ(SourceMod(Chat(u"Hi {name} #{userid} {steamid}")),
              (Lines{u"new String:name[MAX_NAME_LENGTH];", u"GetClientName(param1, name, sizeof(name));",
                     u"new String:auth[64];", u"GetClientAuthId(param1, AuthId_Steam2, auth, sizeof(auth), false);",
                     u"PrintToChat(param1, \"Hi %s #%d %s\", name, GetClientUserId(param1), auth);"}));
}

TEST(ActionStatements, PercentQuotesEscapesAndBracesReachTheGameAsTyped)
{
    EXPECT_EQ(Amxx(Chat(u"100% \"за\" {{x}} ^n C:\\maps")),
              Lines{u"client_print(id, print_chat, \"100%% ^\"за^\" {x} ^n C:\\maps\");"});
    EXPECT_EQ(SourceMod(Chat(u"100% \"за\" {{x}} \\n C:\\maps")),
              Lines{u"PrintToChat(param1, \"100%% \\\"за\\\" {x} \\n C:\\\\maps\");"});
    EXPECT_EQ(Amxx(Server(u"say %s{{{userid}}}")), Lines{u"server_cmd(\"say %%s{%d}\", get_user_userid(id));"});
    EXPECT_EQ(SourceMod(Player(u"say ^ %t")), Lines{u"FakeClientCommand(param1, \"say ^ %%t\");"});
}

TEST(ActionStatements, RefusedActionsThrowWithTheirMessage)
{
    try {
        Amxx(Server(u"kick {name}"));
        FAIL() << "no error";
    } catch (const ActionError& e) {
        EXPECT_NE(std::string(e.what()).find("Пункт 1 «x»: {name} можно подставить только в сообщение в чат"),
                  std::string::npos)
            << e.what();
    }
    EXPECT_THROW(SourceMod(Chat(u"{nick}")), ActionError);
}

TEST(ActionChecks, AcceptWhatTheGeneratorCanWrite)
{
    EXPECT_EQ(Problem(Server(u"amx_kick #{userid}")), u"<accepted>");
    EXPECT_EQ(Problem(Chat(u"{name} {steamid} {userid} {{}}")), u"<accepted>");
    EXPECT_EQ(Problem({ActionType::None, u""}), u"<accepted>");
    EXPECT_EQ(Problem(Chat(std::u16string(kMaxActionTextLength, u'Я'))), u"<accepted>");
}

TEST(ActionChecks, RefuseNameAndSteamIdInCommandsNamingTheItem)
{
    const std::u16string message = u"Пункт 2 «Kick»: {name} можно подставить только в сообщение в чат: имя или "
                                   u"Steam ID игрока в команде позволили бы ему выполнить на сервере свои команды. "
                                   u"В команде можно {userid}.";
    EXPECT_EQ(Problem(Player(u"say {name}")), message);
    EXPECT_EQ(Problem(Server(u"amx_ban \"{steamid}\"")).substr(0, 26), u"Пункт 2 «Kick»: {steamid} ");
}

TEST(ActionChecks, RefuseUnknownPlaceholdersLoneBracesBlankLongAndUnknownTypes)
{
    const std::u16string hint = u" Подстановки: {userid}, {name}, {steamid}; фигурные скобки пишутся как {{ и }}.";
    EXPECT_EQ(Problem(Chat(u"Hi {nick}!")), u"Пункт 2 «Kick»: неизвестная подстановка {nick}." + hint);
    EXPECT_EQ(Problem(Chat(u"{UserId}")), u"Пункт 2 «Kick»: неизвестная подстановка {UserId}." + hint);
    EXPECT_EQ(Problem(Chat(u"{}")), u"Пункт 2 «Kick»: неизвестная подстановка {}." + hint);
    EXPECT_EQ(Problem(Chat(u"a { b")), u"Пункт 2 «Kick»: одиночная «{»." + hint);
    EXPECT_EQ(Problem(Chat(u"a }")), u"Пункт 2 «Kick»: одиночная «}»." + hint);
    EXPECT_EQ(Problem(Chat(u"{{{")), u"Пункт 2 «Kick»: одиночная «{»." + hint);
    EXPECT_EQ(Problem(Server(u"  \t")), u"Пункт 2 «Kick»: не задан текст действия.");
    EXPECT_EQ(Problem(Chat(std::u16string(kMaxActionTextLength + 1, u'a'))),
              u"Пункт 2 «Kick»: текст действия длиннее 127 знаков.");
    EXPECT_EQ(Problem({static_cast<ActionType>(9), u"x"}), u"Пункт 2 «Kick»: неизвестный вид действия.");
}

TEST(ActionChecks, MenusReportTheFirstRefusedItemOrKey)
{
    NewStyleMenu newStyle{u"T", u"c", u"ADMIN_ALL", {u"A", u"B", u"C"}, {{}, Chat(u"{x}"), Server(u"{name}")}};
    EXPECT_EQ(CheckNewStyleActions(newStyle).value_or(u"").substr(0, 16), u"Пункт 2 «B»: неи");
    newStyle.actions[1] = Chat(u"ok");
    EXPECT_EQ(CheckNewStyleActions(newStyle).value_or(u"").substr(0, 14), u"Пункт 3 «C»: {");
    newStyle.actions.resize(2);
    EXPECT_EQ(CheckNewStyleActions(newStyle), std::nullopt) << "an item past the actions has none";

    SourceModMenu sourceMod{u"menu", u"ADMFLAG_ROOT", u"", {u"Один"}, {Player(u"}")}};
    EXPECT_EQ(CheckSourceModActions(sourceMod).value_or(u"").substr(0, 16), u"Пункт 1 «Один»: ");

    OldStyleMenu oldStyle{u"12", u"c", u"n", u"ADMIN_ALL", u""};
    oldStyle.keyActions[u'3'] = Chat(u"hi");
    EXPECT_EQ(CheckOldStyleActions(oldStyle),
              u"Кнопка 3: меню не отвечает на эту кнопку, а для неё задано действие. Добавьте кнопку в «Кнопки» "
              u"или уберите действие.");
    oldStyle.keyActions[u'3'] = {};
    EXPECT_EQ(CheckOldStyleActions(oldStyle), std::nullopt) << "no action for the missing key";
    oldStyle.keyActions[u'2'] = Server(u"kick {steamid}");
    EXPECT_EQ(CheckOldStyleActions(oldStyle).value_or(u"").substr(0, 20), u"Кнопка 2: {steamid} ");
}

// What the game gets: the generated format compiled by the Pawn rules and formatted with the
// player's values equals the typed text with the placeholders filled in and the typed one-letter
// escapes read. Random texts, each placeholder, percent signs, quotes, escapes and Cyrillic.
TEST(ActionStatements, WhatTheNativeFormatsIsTheTypedTextFilledIn)
{
    struct Player {
        std::u16string userId = u"42";
        std::u16string name = u"Игрок \"; quit";
        std::u16string steamId = u"STEAM_0:1:2345";
    } player;
    const std::vector<std::u16string_view> atoms = {u"a",      u" ",         u"%",  u"%s",  u"\"",
                                                    u"Я",      u"{{",        u"}}", u"#",   u"{userid}",
                                                    u"{name}", u"{steamid}", u"^n", u"\\t", u"d"};
    std::mt19937 random(2121);
    std::uniform_int_distribution<std::size_t> length(1, 8);
    std::uniform_int_distribution<std::size_t> pick(0, atoms.size() - 1);
    for (int round = 0; round < 3000; ++round) {
        std::u16string typed = u"x";
        for (std::size_t n = length(random); n > 0; --n)
            typed += atoms[pick(random)];
        for (const bool amxx : {true, false}) {
            const char16_t escape = amxx ? u'^' : u'\\';
            const Lines lines = amxx ? Amxx(Chat(typed)) : SourceMod(Chat(typed));
            const std::u16string& call = lines.back();
            const auto body = test::FirstLiteralBody(call, escape);
            ASSERT_TRUE(body) << Narrow(call);
            const auto format = test::ReadLiteral(*body, escape, false);
            ASSERT_TRUE(format) << Narrow(call);
            // The arguments after the literal, in order: ", a, b);" (no argument holds ", ").
            std::vector<std::u16string> values;
            std::u16string rest = call.substr(call.find(*body) + body->size() + 1);
            ASSERT_TRUE(rest.ends_with(u");")) << Narrow(call);
            rest.resize(rest.size() - 2);
            while (!rest.empty()) {
                ASSERT_TRUE(rest.starts_with(u", ")) << Narrow(call);
                const std::size_t end = std::min(rest.find(u", ", 2), rest.size());
                const std::u16string argument = rest.substr(2, end - 2);
                rest.erase(0, end);
                if (argument == u"get_user_userid(id)" || argument == u"GetClientUserId(param1)")
                    values.push_back(player.userId);
                else if (argument == u"name")
                    values.push_back(player.name);
                else if (argument == (amxx ? u"authid" : u"auth"))
                    values.push_back(player.steamId);
                else
                    ADD_FAILURE() << "argument " << Narrow(argument);
            }
            std::u16string printed;
            std::size_t next = 0;
            for (std::size_t i = 0; i < format->size(); ++i) {
                if ((*format)[i] != u'%') {
                    printed.push_back((*format)[i]);
                    continue;
                }
                const char16_t spec = i + 1 < format->size() ? (*format)[++i] : u'\0';
                if (spec == u'%') {
                    printed.push_back(u'%');
                } else {
                    ASSERT_TRUE(spec == u'd' || spec == u's') << Narrow(call);
                    ASSERT_LT(next, values.size()) << Narrow(call);
                    printed += values[next++];
                }
            }
            EXPECT_EQ(next, values.size()) << Narrow(call);
            std::u16string expected;
            for (std::size_t i = 0; i < typed.size(); ++i) {
                const std::u16string_view from = std::u16string_view(typed).substr(i);
                if (from.starts_with(u"{{") || from.starts_with(u"}}")) {
                    expected.push_back(typed[i++]);
                } else if (from.starts_with(u"{userid}")) {
                    expected += player.userId;
                    i += 7;
                } else if (from.starts_with(u"{name}")) {
                    expected += player.name;
                    i += 5;
                } else if (from.starts_with(u"{steamid}")) {
                    expected += player.steamId;
                    i += 8;
                } else if (from.starts_with(amxx ? u"^n" : u"\\n")) {
                    expected.push_back(u'\n');
                    ++i;
                } else if (from.starts_with(amxx ? u"^t" : u"\\t")) {
                    expected.push_back(u'\t');
                    ++i;
                } else {
                    expected.push_back(typed[i]);
                }
            }
            EXPECT_EQ(printed, expected) << Narrow(typed) << " -> " << Narrow(call);
        }
    }
}

// The templates place each item's statements inside its case or block, one level in.
TEST(ActionPlugins, NewStyleCasesHoldTheirItemsStatements)
{
    PluginText text;
    ComposeNewStylePlugin(
        {u"T", u"m", u"ADMIN_KICK", {u"Kick", u"Hi", u"Plain"}, {Server(u"amx_kick #{userid}"), Chat(u"Hi {name}")}},
        text);
    const Lines lines = test::PluginLines(text.Text());
    const auto at = std::find(lines.begin(), lines.end(), u"       switch (Choise) {");
    ASSERT_NE(at, lines.end());
    const Lines switchLines(at, at + 12);
    EXPECT_EQ(switchLines, (Lines{
                               u"       switch (Choise) {",
                               u"       case 1: {",
                               u"              server_cmd(\"amx_kick #%d\", get_user_userid(id));",
                               u"       }",
                               u"       case 2: {",
                               u"              new name[32];",
                               u"              get_user_name(id, name, charsmax(name));",
                               u"              client_print(id, print_chat, \"Hi %s\", name);",
                               u"       }",
                               u"       case 3: {",
                               u"       }",
                               u"       }",
                           }));
    EXPECT_EQ(lines.size(), 34u + 3 * 3 + 4);
}

TEST(ActionPlugins, OldStyleCasesHoldTheirKeysStatements)
{
    OldStyleMenu menu{u"120", u"m", u"Menu", u"ADMIN_ALL", u"x^n"};
    menu.keyActions[u'0'] = Player(u"disconnect");
    menu.keyActions[u'2'] = Chat(u"{steamid}");
    PluginText text;
    ComposeOldStylePlugin(menu, text);
    const Lines lines = test::PluginLines(text.Text());
    const auto at = std::find(lines.begin(), lines.end(), u"       switch (key) {");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(Lines(at, lines.end()), (Lines{
                                          u"       switch (key) {",
                                          u"       case 0: {",
                                          u"       }",
                                          u"       case 1: {",
                                          u"              new authid[64];",
                                          u"              get_user_authid(id, authid, charsmax(authid));",
                                          u"              client_print(id, print_chat, \"%s\", authid);",
                                          u"       }",
                                          u"       case 9: {",
                                          u"              client_cmd(id, \"disconnect\");",
                                          u"       }",
                                          u"       }",
                                          u"}",
                                      }));
}

TEST(ActionPlugins, SourceModBlocksHoldTheirItemsStatements)
{
    PluginText text;
    ComposeSourceModPlugin(
        {u"menu", u"ADMFLAG_SLAY", u"", {u"Slay", u"Me"}, {Server(u"sm_slay #{userid}"), Player(u"say Я")}}, text);
    const Lines lines = test::PluginLines(text.Text());
    const auto at = std::find(lines.begin(), lines.end(), u"\t\tGetMenuItem(menu, param2, info, sizeof(info));");
    ASSERT_NE(at, lines.end());
    EXPECT_EQ(Lines(at + 1, at + 8), (Lines{
                                         u"\t\tif (strcmp(info, \"0\") == 0) {",
                                         u"\t\t\tServerCommand(\"sm_slay #%d\", GetClientUserId(param1));",
                                         u"\t\t}",
                                         u"\t\tif (strcmp(info, \"1\") == 0) {",
                                         u"\t\t\tFakeClientCommand(param1, \"say Я\");",
                                         u"\t\t}",
                                         u"\t}",
                                     }));
}

// A menu whose actions are all None is the menu without actions, byte for byte.
TEST(ActionPlugins, NoActionsWriteTodaysBytes)
{
    PluginText plain, none;
    ComposeNewStylePlugin({u"T", u"m", u"ADMIN_ALL", {u"a", u"b"}}, plain);
    ComposeNewStylePlugin({u"T", u"m", u"ADMIN_ALL", {u"a", u"b"}, {{}, {ActionType::None, u"{x}"}}}, none);
    EXPECT_EQ(plain.Text(), none.Text());
    PluginText plainSm, noneSm;
    ComposeSourceModPlugin({u"m", u"ADMFLAG_ROOT", u"", {u"a"}}, plainSm);
    ComposeSourceModPlugin({u"m", u"ADMFLAG_ROOT", u"", {u"a"}, {{}}}, noneSm);
    EXPECT_EQ(plainSm.Text(), noneSm.Text());
    OldStyleMenu oldPlain{u"1", u"m", u"n", u"ADMIN_ALL", u""};
    OldStyleMenu oldNone = oldPlain;
    oldNone.keyActions[u'1'] = {};
    PluginText a, b;
    ComposeOldStylePlugin(oldPlain, a);
    ComposeOldStylePlugin(oldNone, b);
    EXPECT_EQ(a.Text(), b.Text());
}

TEST(ActionPlugins, ARefusedActionStopsTheCompositionBeforeAnyLine)
{
    PluginText text;
    EXPECT_THROW(ComposeNewStylePlugin({u"T", u"m", u"ADMIN_ALL", {u"a"}, {Server(u"{name}")}}, text), ActionError);
    OldStyleMenu menu{u"1", u"m", u"n", u"ADMIN_ALL", u""};
    menu.keyActions[u'5'] = Chat(u"x");
    EXPECT_THROW(ComposeOldStylePlugin(menu, text), ActionError);
    EXPECT_THROW(ComposeSourceModPlugin({u"m", u"ADMFLAG_ROOT", u"", {u"a"}, {Chat(u"{")}}, text), ActionError);
    EXPECT_EQ(text.LineCount(), 0u);
}

} // namespace
} // namespace korvane
