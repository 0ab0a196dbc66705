#include "skin/skin_files.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/skin_test_data.h"

namespace korvane {
namespace {

TEST(SkinFiles, FindsFilesWrittenWithBackslashesAndAnyLetterCase)
{
    test::TempFolder folder;
    folder.Write("Blue/Master.bmp", "bm");
    const std::u16string blue = folder.SkinPath() + u"Blue\\";
    EXPECT_TRUE(SkinFolderExists(blue));
    EXPECT_TRUE(SkinFileExists(blue + u"MASTER.BMP"));
    const auto bytes = ReadSkinFile(blue + u"master.BMP");
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, test::Bytes("bm"));
    EXPECT_FALSE(ReadSkinFile(blue + u"Other.bmp").has_value());
    EXPECT_FALSE(SkinFileExists(u""));
}

TEST(SkinFiles, AFinderFindsNamesInAnyCaseInEachOfItsFolders)
{
    test::TempFolder folder;
    const std::filesystem::path masterFile = folder.Write("Blue/Master.bmp", "b");
    const std::filesystem::path glowFile = folder.Write("Red/glow.PNG", "r");
    const std::u16string root = folder.SkinPath();
    SkinFileFinder finder;
    for (int round = 0; round < 2; ++round) {
        // The file on the disk, whatever the case the name was asked in (a file system that does
        // not tell case apart may give the name back as it was asked).
        const auto master = finder.Find(root + u"Blue\\MASTER.BMP");
        ASSERT_TRUE(master.has_value());
        EXPECT_TRUE(std::filesystem::equivalent(*master, masterFile));
        const auto glow = finder.Find(root + u"Red\\Glow.png");
        ASSERT_TRUE(glow.has_value());
        EXPECT_TRUE(std::filesystem::equivalent(*glow, glowFile));
        EXPECT_FALSE(finder.Find(root + u"Blue\\Glow.png").has_value());
        EXPECT_FALSE(finder.Find(root + u"Green\\Glow.png").has_value());
        EXPECT_FALSE(finder.Find(u"").has_value());
    }
}

TEST(SkinFiles, ListsFoldersAndFiles)
{
    test::TempFolder folder;
    folder.Write("Sub/x.txt", "x");
    folder.Write("a.asz", "y");
    const auto entries = ListSkinFolder(folder.SkinPath());
    ASSERT_EQ(entries.size(), 2u);
    int folders = 0;
    for (const SkinFolderEntry& entry : entries) {
        folders += entry.IsFolder ? 1 : 0;
    }
    EXPECT_EQ(folders, 1);
    EXPECT_TRUE(ListSkinFolder(u"/nonexistent/korvane").empty());
}

} // namespace
} // namespace korvane
