#include "tools/cli/skin_commands.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
#include <sstream>

#include "skin/skin_convertor.h"
#include "support/skin_test_data.h"

namespace korvane {
namespace {

std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

void WriteSampleSkin(const test::TempFolder& folder)
{
    folder.Write("Skin/Options.dat", "[GLOBALINFO]\nVERSION=7.3\nMASTERBITMAP=MASTER.BMP\n"
                                     "[BUTTON]\nCOLOR=255\nSTATES=3\nHOTCOLOR=9\nFADINGENABLED=1\nGLOW=1\n"
                                     "BORDERSMASK=^0000^0000^0006^0004^0000^0000^0000^0000^1^0^1^0\n"
                                     "GLOW0=!GLOW.PNG!1!0!3!0002!0002!0002!0002\n");
    folder.Write("Skin/Master.bmp", test::MakeBmp24(6, 4, std::vector<uint32_t>(24, 0x336699)));
    folder.Write("Skin/Glow.png", test::MakePng(6, 6, std::vector<uint32_t>(36, 0x80FFFFFF), true));
    folder.Write("Skin/Another.PNG", test::MakePng(1, 1, {0xFF000000}, true));
    folder.Write("Skin/notes.txt", "not packed");
}

TEST(SkinPackCommand, PacksOptionsFirstThenImagesInNameOrder)
{
    test::TempFolder folder;
    WriteSampleSkin(folder);
    std::ostringstream out;
    std::ostringstream err;
    const std::string package = Utf8(folder.Path() / "Skin.asz");
    ASSERT_EQ(RunSkinPack({Utf8(folder.Path() / "Skin"), "-o", package}, out, err), 0) << err.str();
    std::ifstream in(folder.Path() / "Skin.asz", std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    ASSERT_GT(bytes.size(), 23u);
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 23), "Options.dat");
    TacSkinConvertor reader;
    reader.Parse(bytes);
    ASSERT_EQ(reader.ImageItems.size(), 3u);
    EXPECT_EQ(reader.ImageItems[0].Name, u"Another.PNG");
    EXPECT_EQ(reader.ImageItems[1].Name, u"Glow.png");
    EXPECT_EQ(reader.ImageItems[2].Name, u"Master.bmp");
}

TEST(SkinInfoCommand, PackageAndFolderGiveTheSameTables)
{
    test::TempFolder folder;
    WriteSampleSkin(folder);
    std::ostringstream out;
    std::ostringstream err;
    const std::string package = Utf8(folder.Path() / "Skin.asz");
    ASSERT_EQ(RunSkinPack({Utf8(folder.Path() / "Skin"), "-o", package}, out, err), 0);

    std::ostringstream fromPackage;
    ASSERT_EQ(RunSkinInfo({package}, fromPackage, err), 0) << err.str();
    std::ostringstream fromFolder;
    ASSERT_EQ(RunSkinInfo({Utf8(folder.Path() / "Skin")}, fromFolder, err), 0) << err.str();
    const nlohmann::json info = nlohmann::json::parse(fromPackage.str());
    EXPECT_EQ(info, nlohmann::json::parse(fromFolder.str()));

    EXPECT_EQ(info["sections"], 2);
    EXPECT_EQ(info["images"], 2);
    EXPECT_EQ(info["patterns"], 0);
    EXPECT_EQ(info["master"], nlohmann::json::array({6, 4}));
    const nlohmann::json& button = info["section_list"][1];
    EXPECT_EQ(button["name"], "BUTTON");
    EXPECT_EQ(button["parent"], "");
    EXPECT_EQ(button["states"], 3);
    EXPECT_EQ(button["color"], 255);
    EXPECT_EQ(button["hotcolor"], 9);
    EXPECT_EQ(button["border_index"], 0);
    EXPECT_EQ(button["glow"], 1);
    EXPECT_EQ(button["fading"], true);
    const nlohmann::json& borders = info["image_list"][0];
    EXPECT_EQ(borders["section"], "BUTTON");
    EXPECT_EQ(borders["key"], "BORDERSMASK");
    EXPECT_EQ(borders["img_type"], 0);
    EXPECT_EQ(borders["rect"], nlohmann::json::array({0, 0, 6, 4}));
    EXPECT_EQ(borders["widths"], nlohmann::json::array({2, 1, 2, 1}));
    EXPECT_EQ(borders["own_image"], false);
    EXPECT_EQ(info["image_list"][1]["own_image"], true);
    EXPECT_EQ(info["image_list"][1]["img_type"], 3);
}

TEST(SkinInfoCommand, ErrorsGoToStandardErrorWithStatusTwo)
{
    test::TempFolder folder;
    folder.Write("Bad.asz", "JUNKJUNK");
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunSkinInfo({Utf8(folder.Path() / "Bad.asz")}, out, err), 2);
    EXPECT_EQ(err.str(), "Loaded data is not a packed skin file\n");
    EXPECT_TRUE(out.str().empty());
    std::ostringstream err2;
    EXPECT_EQ(RunSkinInfo({Utf8(folder.Path())}, out, err2), 2);
    EXPECT_NE(err2.str().find("Options.dat not found"), std::string::npos);
    std::ostringstream err3;
    EXPECT_EQ(RunSkinPack({Utf8(folder.Path())}, out, err3), 2);
}

TEST(SkinInfoCommand, TheReportIsWrittenAsNlohmannJsonWritesItWithEveryNameEscaped)
{
    test::TempFolder folder;
    WriteSampleSkin(folder);
    // Section names and keys with a quotation mark, a backslash, a tab, another control character
    // and Cyrillic letters.
    folder.Write("Skin/Options.dat", std::string("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[Q\"B\\T\tC\x01\xCA\xED]\n"
                                                 "K\"\\=@0000@0000@0002@0002@1@0\nCOLOR=5\n"));
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunSkinInfo({Utf8(folder.Path() / "Skin")}, out, err), 0) << err.str();
    const nlohmann::json info = nlohmann::json::parse(out.str());
    EXPECT_EQ(out.str(), info.dump() + "\n");
    EXPECT_EQ(info["section_list"][1]["name"], "Q\"B\\T\tC\x01\u041A\u043D");
    EXPECT_EQ(info["image_list"][0]["key"], "K\"\\");
    EXPECT_EQ(info["image_list"][0]["rect"], nlohmann::json::array({0, 0, 2, 2}));
    EXPECT_EQ(info["master"], nlohmann::json::array({6, 4}));
}

TEST(SkinInfoCommand, SkinsBeyondTheirBudgetsAreRefusedWithStatusTwo)
{
    test::TempFolder folder;
    std::vector<uint8_t> bigOptions(5 * 1024 * 1024, ';');
    folder.Write("Bomb.asz", test::MakePackage({{"Options.dat", bigOptions}}));
    std::string sections;
    for (int i = 0; i <= 10000; ++i) {
        sections += "[S" + std::to_string(i) + "]\n";
    }
    folder.Write("Sections/Options.dat", sections);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"Bomb.asz", "Skin package member 'Options.dat' declares 5242880 bytes, more than the 4 MiB an options text "
                     "may have\n"},
        {"Sections", "has more than the 10000 sections an options text may have\n"},
    };
    for (const auto& [path, message] : cases) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunSkinInfo({Utf8(folder.Path() / path)}, out, err), 2) << path;
        EXPECT_TRUE(err.str().ends_with(message)) << err.str();
        EXPECT_TRUE(out.str().empty()) << path;
    }
}

} // namespace
} // namespace korvane
