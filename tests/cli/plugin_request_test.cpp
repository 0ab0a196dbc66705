#include "tools/cli/plugin_request.h"

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

} // namespace
} // namespace korvane
