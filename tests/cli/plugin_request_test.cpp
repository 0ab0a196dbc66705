#include "tools/cli/plugin_request.h"

#include "generator/menu_actions.h"
#include "generator/new_style_plugin.h"
#include "generator/old_style_plugin.h"
#include "generator/sourcemod_plugin.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

std::string ErrorOf(std::string_view json)
{
    try {
        GeneratePluginFromRequestText(json);
    } catch (const RequestError& e) {
        return e.what();
    }
    return "<no error>";
}

TEST(PluginRequest, NewStyleDefaultsMatchTheEditor)
{
    PluginText expected;
    ComposeNewStylePlugin({u"Меню", u"mymenu", u"ADMIN_ALL", {u"A", u" B "}}, expected);
    EXPECT_EQ(GeneratePluginFromRequestText(R"({"kind":"new-style","title":"Меню","items":["A"," B "]})"),
              expected.Text());
}

TEST(PluginRequest, SourceModDefaultsMatchTheEditor)
{
    PluginText expected;
    ComposeSourceModPlugin({u"menu", u"ADMFLAG_RESERVATION", u"", {}}, expected);
    EXPECT_EQ(GeneratePluginFromRequestText(R"({"kind":"sourcemod"})"), expected.Text());
}

TEST(PluginRequest, OldStyleDerivesKeysFromRowsAndCodesColours)
{
    PluginText expected;
    ComposeOldStylePlugin(
        {u"120", u"mymenu", u"My Menu", u"ADMIN_ALL", u"\\yChoose^n\\w1. Kick^n\\r  2. Ban^n\\d0. Exit^n"}, expected);
    EXPECT_EQ(GeneratePluginFromRequestText(R"({"kind":"old-style","menu":[
        [{"text":"Choose","color":"yellow"}],
        [{"text":"1. Kick","color":"white"}],
        [{"text":"  2. Ban","color":"#FF0000"}],
        [{"text":"0. Exit","color":"grey"}]]})"),
              expected.Text());
}

TEST(PluginRequest, OldStyleExplicitKeysWinAndOtherColoursGetNoCode)
{
    PluginText expected;
    ComposeOldStylePlugin({u"9", u"go", u"N", u"ADMIN_BAN", u"x^n"}, expected);
    EXPECT_EQ(GeneratePluginFromRequestText(
                  R"({"kind":"old-style","keys":"9","command":"go","name":"N","flag":"ADMIN_BAN",
                      "menu":[[{"text":"x","color":"#123456"}]]})"),
              expected.Text());
}

TEST(PluginRequest, MalformedRequestsNameTheProblem)
{
    EXPECT_EQ(ErrorOf("{"), ErrorOf("{")); // deterministic
    EXPECT_NE(ErrorOf("{").find("invalid JSON"), std::string::npos);
    EXPECT_EQ(ErrorOf("[]"), "the request must be a JSON object");
    EXPECT_EQ(ErrorOf(R"({"title":"x"})"), "missing field \"kind\"");
    EXPECT_EQ(ErrorOf(R"({"kind":3})"), "field \"kind\" must be a string");
    EXPECT_EQ(ErrorOf(R"({"kind":"fancy"})"),
              "unknown kind \"fancy\" (expected \"new-style\", \"old-style\" or \"sourcemod\")");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","items":["a"]})"), "missing field \"title\"");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":5,"items":["a"]})"), "field \"title\" must be a string");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"t","items":"a"})"),
              "field \"items\" must be an array of strings");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"t","items":["a"],"itmes":[]})"),
              "unknown field \"itmes\" for kind \"new-style\"");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","flag":"ADMIN_ALL"})"),
              "flag \"ADMIN_ALL\" is not one of the 21 SourceMod flags");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"t","items":["a"],"flag":"ADMFLAG_ROOT"})"),
              "flag \"ADMFLAG_ROOT\" is not one of the 24 AMX Mod X flags");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","menu":[[{"text":"1","color":"pink"}]]})"),
              "unknown colour \"pink\" (expected white, yellow, red, grey or #RRGGBB)");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","menu":[[{"text":"1\n2","color":"red"}]]})"),
              "a run's \"text\" (start a new row instead) may not hold a line break");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"a\nb","items":["x"]})"),
              "field \"title\" may not hold a line break");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":["x\r"]})"), "an item may not hold a line break");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","keys":"1a","menu":[]})"), "keys: 'a' is not a valid integer value");
}

TEST(PluginRequest, EditorChecksApplyWithTheirMessages)
{
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"  ","items":[]})"),
              "Menu title is empty! Please, enter menu title!");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"T","items":[]})"), "You don't have any items in menu!");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","command":"   "})"), "Пожалуйста, заполните поле \"Команда для вызова\"");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","menu":[[{"text":"Title","color":"white"}]]})"),
              "Кол-во кнопок не может быть равным нулю!");
}

TEST(PluginRequest, ItemsMayBeObjectsWithAnActionOrNone)
{
    NewStyleMenu menu{u"T", u"mymenu", u"ADMIN_ALL", {u"Kick", u"Plain", u"Null", u"Left out"}};
    menu.actions = {{ActionType::ServerCommand, u"amx_kick #{userid}"}, {}, {}, {}};
    PluginText expected;
    ComposeNewStylePlugin(menu, expected);
    EXPECT_EQ(GeneratePluginFromRequestText(R"({"kind":"new-style","title":"T","items":[
        {"text":"Kick","action":{"type":"server-command","text":"amx_kick #{userid}"}},
        "Plain", {"text":"Null","action":null}, {"text":"Left out"}]})"),
              expected.Text());

    SourceModMenu sourceMod{u"menu", u"ADMFLAG_RESERVATION", u"", {u"A", u"B"}};
    sourceMod.actions = {{ActionType::PlayerCommand, u"say {{hi}}"}, {ActionType::Chat, u"{name}"}};
    PluginText expectedSm;
    ComposeSourceModPlugin(sourceMod, expectedSm);
    EXPECT_EQ(GeneratePluginFromRequestText(R"({"kind":"sourcemod","items":[
        {"text":"A","action":{"type":"player-command","text":"say {{hi}}"}},
        {"text":"B","action":{"type":"chat","text":"{name}"}}]})"),
              expectedSm.Text());
}

TEST(PluginRequest, OldStyleActionsAreKeyedByTheKeysDigit)
{
    OldStyleMenu menu{u"10", u"mymenu", u"My Menu", u"ADMIN_ALL", u"\\w1. a^n0. b^n"};
    menu.keyActions[u'1'] = {ActionType::Chat, u"hi"};
    menu.keyActions[u'0'] = {};
    PluginText expected;
    ComposeOldStylePlugin(menu, expected);
    EXPECT_EQ(GeneratePluginFromRequestText(R"({"kind":"old-style",
        "menu":[[{"text":"1. a","color":"white"}],[{"text":"0. b","color":"white"}]],
        "actions":{"1":{"type":"chat","text":"hi"},"0":null}})"),
              expected.Text());
}

TEST(PluginRequest, MalformedActionsNameTheItemOrKey)
{
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":["a",{"text":"b","action":{"type":"rcon","text":"x"}}]})"),
              "item 2: unknown action type \"rcon\" (expected \"player-command\", \"server-command\" or \"chat\")");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[{"text":"b","action":"say hi"}]})"),
              "item 1: an action must be an object with \"type\" and \"text\", or null");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[{"text":"b","action":{"type":"chat"}}]})"),
              "item 1: an action's \"text\" must be a string");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[{"text":"b","action":{"type":"chat","text":"x","to":1}}]})"),
              "item 1: unknown action field \"to\"");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[{"action":null}]})"),
              "item 1: an item's \"text\" must be a string");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[{"text":"a","actoin":null}]})"),
              "item 1: unknown item field \"actoin\"");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[3]})"),
              "item 1 must be a string or an object {\"text\": ..., \"action\": ...}");
    EXPECT_EQ(ErrorOf(R"({"kind":"sourcemod","items":[{"text":"a","action":{"type":"chat","text":"a\nb"}}]})"),
              "item 1: an action's \"text\" may not hold a line break");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","menu":[],"keys":"1","actions":{"10":null}})"),
              "field \"actions\": \"10\" is not a key's digit");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","menu":[],"keys":"1","actions":[]})"),
              "field \"actions\" must be an object keyed by the keys' digits");
    EXPECT_EQ(ErrorOf(R"({"kind":"old-style","menu":[],"keys":"1","actions":{"1":{"type":"say","text":"x"}}})"),
              "key 1: unknown action type \"say\" (expected \"player-command\", \"server-command\" or \"chat\")");
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"T","items":["a"],"actions":{}})"),
              "unknown field \"actions\" for kind \"new-style\"");
}

TEST(PluginRequest, RefusedActionsGiveTheGeneratorsMessage)
{
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":"T","items":["a",
        {"text":"Kick","action":{"type":"server-command","text":"amx_kick {name}"}}]})"),
              "Пункт 2 «Kick»: {name} можно подставить только в сообщение в чат: имя или Steam ID игрока в команде "
              "позволили бы ему выполнить на сервере свои команды. В команде можно {userid}.");
    const std::string unknown =
        ErrorOf(R"({"kind":"sourcemod","items":[{"text":"x","action":{"type":"chat","text":"{nick}"}}]})");
    EXPECT_TRUE(unknown.starts_with("Пункт 1 «x»: неизвестная подстановка {nick}.")) << unknown;
    const std::string key =
        ErrorOf(R"({"kind":"old-style","menu":[],"keys":"1","actions":{"2":{"type":"chat","text":"x"}}})");
    EXPECT_TRUE(key.starts_with("Кнопка 2: меню не отвечает на эту кнопку")) << key;
    // The editors' own checks still come first.
    EXPECT_EQ(ErrorOf(R"({"kind":"new-style","title":" ","items":[{"text":"a","action":{"type":"chat","text":"{"}}]})"),
              "Menu title is empty! Please, enter menu title!");
}

} // namespace
} // namespace korvane
