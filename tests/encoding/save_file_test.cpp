#include "encoding/save_file.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace korvane {
namespace {

namespace fs = std::filesystem;

class SaveFileInUtf8 : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_dir = fs::temp_directory_path() /
                ("korvane-save-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }

    static std::string ReadBytes(const fs::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    fs::path m_dir;
};

TEST_F(SaveFileInUtf8, WritesUtf8BytesWithoutByteOrderMark)
{
    const fs::path file = m_dir / "menu.sma";
    SaveFileInUTF8(file, u"Далее\r\nok\r\n");
    EXPECT_EQ(ReadBytes(file), "\xD0\x94\xD0\xB0\xD0\xBB\xD0\xB5\xD0\xB5\r\nok\r\n");
}

TEST_F(SaveFileInUtf8, EmptyTextGivesAnEmptyFile)
{
    const fs::path file = m_dir / "empty.sp";
    SaveFileInUTF8(file, u"");
    ASSERT_TRUE(fs::exists(file));
    EXPECT_EQ(fs::file_size(file), 0u);
}

TEST_F(SaveFileInUtf8, ReplacesAnExistingFileAndKeepsANameWithoutExtension)
{
    const fs::path file = m_dir / "plugin";
    SaveFileInUTF8(file, u"a much longer first text\r\n");
    SaveFileInUTF8(file, u"short\r\n");
    EXPECT_EQ(ReadBytes(file), "short\r\n");
}

TEST_F(SaveFileInUtf8, FileNamesMayHoldAnyUnicode)
{
    const fs::path file = m_dir / fs::path(u8"меню ✓.sma");
    SaveFileInUTF8(file, u"x");
    EXPECT_EQ(ReadBytes(file), "x");
}

TEST_F(SaveFileInUtf8, MissingFolderIsReportedAsCannotCreateWithTheNameAsGiven)
{
    const fs::path file = m_dir / "no such folder" / "menu.sma";
    try {
        SaveFileInUTF8(file, u"text");
        FAIL() << "expected an error";
    } catch (const std::runtime_error& e) {
        const std::u8string name = file.u8string();
        EXPECT_EQ(std::string(e.what()), "Cannot create file " + std::string(name.begin(), name.end()));
    }
    EXPECT_FALSE(fs::exists(file));
}

#ifndef _WIN32
TEST_F(SaveFileInUtf8, ShortWriteIsReportedInsteadOfSuccess)
{
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "/dev/full is not available";
    try {
        SaveFileInUTF8("/dev/full", u"some text that cannot be stored");
        FAIL() << "expected an error";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "Cannot write file /dev/full");
    }
}
#endif

} // namespace
} // namespace korvane
