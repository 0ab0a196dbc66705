// The request files under tests/cli/data and the plug-ins they must give, byte for byte. The
// Windows build runs korvane-cli.exe on the same files under Wine and compares with the same
// expected bytes, so both builds are held to one output.
#include "encoding/utf8.h"
#include "tools/cli/plugin_request.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

namespace korvane {
namespace {

std::string ReadData(const std::string& name)
{
    std::ifstream in(std::filesystem::path(KORVANE_SOURCE_DIR) / "tests/cli/data" / name, std::ios::binary);
    EXPECT_TRUE(in) << name;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST(GoldenPlugins, EachKindGivesItsExpectedBytes)
{
    for (const char* kind : {"new_style", "old_style", "sourcemod"}) {
        const std::string expected = ReadData(std::string(kind) + ".golden");
        ASSERT_FALSE(expected.empty()) << kind;
        EXPECT_EQ(Utf8Encode(GeneratePluginFromRequestText(ReadData(std::string(kind) + ".json"))), expected) << kind;
    }
}

TEST(GoldenPlugins, EachKindWithActionsGivesItsExpectedBytes)
{
    for (const char* kind : {"new_style_actions", "old_style_actions", "sourcemod_actions"}) {
        const std::string expected = ReadData(std::string(kind) + ".golden");
        ASSERT_FALSE(expected.empty()) << kind;
        EXPECT_EQ(Utf8Encode(GeneratePluginFromRequestText(ReadData(std::string(kind) + ".json"))), expected) << kind;
    }
}

} // namespace
} // namespace korvane
