#include "skin/skin_package_writer.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <string>
#include <vector>

#include "skin/skin_convertor.h"

namespace korvane {
namespace {

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

uint32_t Int32At(const std::vector<uint8_t>& data, std::size_t offset)
{
    return static_cast<uint32_t>(data[offset]) | (static_cast<uint32_t>(data[offset + 1]) << 8) |
           (static_cast<uint32_t>(data[offset + 2]) << 16) | (static_cast<uint32_t>(data[offset + 3]) << 24);
}

// Bytes that compress poorly, so that a member spans several 64 KiB blocks when packed.
std::vector<uint8_t> Noise(std::size_t size)
{
    std::vector<uint8_t> data(size);
    uint32_t state = 12345;
    for (uint8_t& b : data) {
        state = state * 1103515245u + 12345u;
        b = static_cast<uint8_t>(state >> 16);
    }
    return data;
}

TEST(SkinPackageWriter, WritesTheHeaderNameLengthNameSizeAndAZlibStreamPerMember)
{
    const std::vector<SkinPackageMember> members = {{"Options.dat", Bytes("[GLOBALINFO]\r\n")}, {"A.BMP", Bytes("ab")}};
    const std::vector<uint8_t> package = WriteSkinPackage(members);
    ASSERT_GE(package.size(), 8u);
    EXPECT_EQ(std::string(package.begin(), package.begin() + 4), "ASzf");
    EXPECT_EQ(Int32At(package, 4), 2u);
    EXPECT_EQ(Int32At(package, 8), 11u);
    EXPECT_EQ(std::string(package.begin() + 12, package.begin() + 23), "Options.dat");
    EXPECT_EQ(Int32At(package, 23), 14u);
    // The first stream inflates to the options and ends where the second record begins.
    z_stream z{};
    ASSERT_EQ(inflateInit(&z), Z_OK);
    std::vector<uint8_t> out(64);
    z.next_in = const_cast<Bytef*>(package.data() + 27);
    z.avail_in = static_cast<uInt>(package.size() - 27);
    z.next_out = out.data();
    z.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(inflate(&z, Z_FINISH), Z_STREAM_END);
    out.resize(z.total_out);
    const std::size_t next = 27 + z.total_in;
    inflateEnd(&z);
    EXPECT_EQ(out, members[0].Data);
    EXPECT_EQ(Int32At(package, next), 5u);
    EXPECT_EQ(std::string(package.begin() + static_cast<std::ptrdiff_t>(next) + 4,
                          package.begin() + static_cast<std::ptrdiff_t>(next) + 9),
              "A.BMP");
    EXPECT_EQ(Int32At(package, next + 9), 2u);
}

TEST(SkinPackageWriter, NoMembersGiveTheMagicAndACountOfZero)
{
    EXPECT_EQ(WriteSkinPackage({}), (std::vector<uint8_t>{'A', 'S', 'z', 'f', 0, 0, 0, 0}));
}

TEST(SkinPackageWriter, ReaderGivesBackEveryMemberInOrderAtEveryLevel)
{
    const std::vector<SkinPackageMember> members = {
        {"Master.bmp", Noise(200000)},
        {"options.DAT", Bytes("[BUTTON]\r\nCOLOR=1\r\n")},
        {"GlowClose.PNG", Noise(70000)},
        {"\xC3\xEB\xEE\xF3.png", Bytes("cyrillic name")},
        {"Same.bmp", std::vector<uint8_t>(100000, 0x5A)},
    };
    for (const int level : {0, 1, 6, 9}) {
        TacSkinConvertor reader;
        reader.Parse(WriteSkinPackage(members, level));
        ASSERT_NE(reader.Options, nullptr) << "level " << level;
        EXPECT_EQ(*reader.Options, members[1].Data);
        ASSERT_EQ(reader.ImageItems.size(), 4u);
        EXPECT_EQ(reader.ImageItems[0].Name, u"Master.bmp");
        EXPECT_EQ(reader.ImageItems[0].Data, members[0].Data);
        EXPECT_EQ(reader.ImageItems[1].Data, members[2].Data);
        EXPECT_EQ(reader.ImageItems[2].Name, u"\u0413\u043B\u043E\u0443.png");
        EXPECT_EQ(reader.ImageItems[3].Data, members[4].Data);
        EXPECT_EQ(reader.ImageMemberCount, 4);
    }
}

TEST(SkinPackageWriter, MembersOfSizeZeroComeBackEmpty)
{
    const std::vector<SkinPackageMember> members = {
        {"Options.dat", {}}, {"Empty.bmp", {}}, {"After.png", Bytes("still read")}};
    TacSkinConvertor reader;
    reader.Parse(WriteSkinPackage(members));
    ASSERT_NE(reader.Options, nullptr);
    EXPECT_TRUE(reader.Options->empty());
    ASSERT_EQ(reader.ImageItems.size(), 2u);
    EXPECT_TRUE(reader.ImageItems[0].Data.empty());
    EXPECT_EQ(reader.ImageItems[1].Data, members[2].Data);
}

} // namespace
} // namespace korvane
