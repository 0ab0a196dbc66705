// Runs the real korvane-cli executable and compares what it writes byte for byte.
#include "encoding/utf8.h"
#include "tools/cli/plugin_request.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>

namespace korvane {
namespace {

namespace fs = std::filesystem;

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

class KorvaneCli : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("korvane-cli-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    fs::path Write(const std::string& name, const std::string& bytes)
    {
        const fs::path path = m_dir / name;
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    static std::string Read(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    CliRun Cli(const std::string& args)
    {
        const fs::path errFile = m_dir / "stderr.txt";
        const std::string command = std::string("'") + KORVANE_CLI_PATH + "' " + args + " 2>'" + errFile.string() + "'";
        FILE* pipe = popen(command.c_str(), "r");
        EXPECT_NE(pipe, nullptr);
        std::string out;
        char buffer[4096];
        std::size_t n;
        while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0)
            out.append(buffer, n);
        const int status = pclose(pipe);
        return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, out, Read(errFile)};
    }

    // Each request (JSON, a piece of the message expected) is refused: exit status 2, one line on
    // standard error holding the piece, and no output file.
    void ExpectRefused(const std::vector<std::pair<std::string, std::string>>& cases)
    {
        for (const auto& [json, expected] : cases) {
            const fs::path request = Write("bad.json", json);
            const fs::path output = m_dir / "never.sma";
            const CliRun run = Cli("generate '" + request.string() + "' -o '" + output.string() + "'");
            EXPECT_EQ(run.status, 2) << json;
            EXPECT_NE(run.err.find(expected), std::string::npos) << run.err;
            EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
            EXPECT_FALSE(fs::exists(output)) << json;
        }
    }

    fs::path m_dir;
};

const std::string kNewStyle = R"({"kind":"new-style","title":"Админ-меню","items":["Kick","Ban \"now\""]})";

TEST_F(KorvaneCli, GenerateWritesTheSameBytesToStandardOutputAndToAFile)
{
    const fs::path request = Write("request.json", kNewStyle);
    const std::string expected = Utf8Encode(GeneratePluginFromRequestText(kNewStyle));

    const CliRun toStdout = Cli("generate '" + request.string() + "'");
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, expected);
    EXPECT_EQ(toStdout.err, "");

    const fs::path output = m_dir / "menu.sma";
    const CliRun toFile = Cli("generate '" + request.string() + "' -o '" + output.string() + "'");
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_EQ(toFile.out, "");
    EXPECT_EQ(Read(output), expected);
    EXPECT_FALSE(Read(output).starts_with("\xEF\xBB\xBF"));
}

TEST_F(KorvaneCli, EveryKindGeneratesEndToEnd)
{
    const std::vector<std::string> requests = {
        R"({"kind":"sourcemod","title":"Сервер","items":["a","b","c"]})",
        R"({"kind":"old-style","menu":[[{"text":"Меню","color":"yellow"}],[{"text":"1. Да","color":"white"}]]})",
    };
    for (const std::string& json : requests) {
        const fs::path request = Write("request.json", json);
        const fs::path output = m_dir / "out";
        const CliRun run = Cli("generate '" + request.string() + "' -o '" + output.string() + "'");
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(Read(output), Utf8Encode(GeneratePluginFromRequestText(json)));
    }
}

TEST_F(KorvaneCli, BadInputGivesOneLineExitTwoAndNoOutputFile)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"{ not json", "invalid JSON"},
        {R"({"kind":"new-style","title":"t","items":[],"flag":"ADMIN_ALL"})", "You don't have any items in menu!"},
        {R"({"kind":"old-style","keys":"1-","menu":[]})", "'-' is not a valid integer value"},
        {R"({"kind":"sourcemod","flag":"ADMIN_KICK"})", "is not one of the 21 SourceMod flags"},
    };
    ExpectRefused(cases);
}

TEST_F(KorvaneCli, UsageProblemsAreReportedWithStatusTwo)
{
    EXPECT_EQ(Cli("generate '" + (m_dir / "missing.json").string() + "'").status, 2);
    EXPECT_NE(Cli("generate '" + (m_dir / "missing.json").string() + "'").err.find("cannot read"), std::string::npos);
    EXPECT_EQ(Cli("generate").status, 2);
    EXPECT_EQ(Cli("frobnicate").status, 2);
    EXPECT_EQ(Cli("").status, 2);
    const fs::path request = Write("request.json", kNewStyle);
    EXPECT_EQ(Cli("generate '" + request.string() + "' -o").status, 2);
    EXPECT_EQ(Cli("generate '" + request.string() + "' --fast").status, 2);
    const CliRun unwritable =
        Cli("generate '" + request.string() + "' -o '" + (m_dir / "no/such/dir/x.sma").string() + "'");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("Cannot create file"), std::string::npos);
}

TEST_F(KorvaneCli, HelpExplainsTheRequestFormat)
{
    const CliRun help = Cli("--help");
    EXPECT_EQ(help.status, 0);
    for (const char* word : {"generate", "new-style", "old-style", "sourcemod", "-o"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

TEST_F(KorvaneCli, RefusedActionsGiveOneLineExitTwoAndNoOutputFile)
{
    const std::vector<std::pair<std::string, std::string>> cases = {
        {R"({"kind":"new-style","title":"t","items":[{"text":"Kick","action":{"type":"server-command",
            "text":"amx_kick \"{name}\""}}]})",
         "korvane-cli: " + (m_dir / "bad.json").string() + ": Пункт 1 «Kick»: {name} можно подставить только"},
        {R"({"kind":"sourcemod","items":[{"text":"a","action":{"type":"chat","text":"{nick}"}}]})",
         "неизвестная подстановка {nick}"},
        {R"({"kind":"sourcemod","items":[{"text":"a","action":{"type":"kick","text":"x"}}]})",
         "item 1: unknown action type \"kick\""},
        {R"({"kind":"old-style","keys":"1","menu":[],"actions":{"9":{"type":"chat","text":"x"}}})",
         "Кнопка 9: меню не отвечает на эту кнопку"},
    };
    ExpectRefused(cases);
}

TEST_F(KorvaneCli, HelpExplainsActionsAndTheirPlaceholders)
{
    const CliRun help = Cli("--help");
    for (const char* word : {"\"action\"", "\"actions\"", "player-command", "server-command", "\"chat\"", "{userid}",
                             "{name}", "{steamid}", "{{"})
        EXPECT_NE(help.out.find(word), std::string::npos) << word;
}

} // namespace
} // namespace korvane
