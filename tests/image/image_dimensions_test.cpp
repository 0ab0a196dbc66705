#include "image/image_dimensions.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/skin_test_data.h"

namespace korvane {
namespace {

void ExpectSize(const std::vector<uint8_t>& data, int64_t width, int64_t height)
{
    const auto size = ReadImageDimensions(data);
    ASSERT_TRUE(size.has_value());
    EXPECT_EQ(size->Width, width);
    EXPECT_EQ(size->Height, height);
}

TEST(ImageDimensions, EachFormatTellsItsSizeWithoutDecoding)
{
    ExpectSize(test::MakeBmp24(7, 3, std::vector<uint32_t>(21)), 7, 3);
    ExpectSize(test::MakeBmp32(5, 4, std::vector<uint32_t>(20), true), 5, 4); // top-down: negative height
    ExpectSize(test::MakePng(9, 2, std::vector<uint32_t>(18), true), 9, 2);
    ExpectSize(test::MakeJpeg(33, 17, 0x102030), 33, 17);
}

TEST(ImageDimensions, CutOffOrUnknownHeadersTellNothing)
{
    std::vector<uint8_t> png = test::MakePng(9, 2, std::vector<uint32_t>(18), true);
    png.resize(20);
    EXPECT_FALSE(ReadImageDimensions(png).has_value());
    std::vector<uint8_t> jpeg = test::MakeJpeg(8, 8, 0);
    jpeg.resize(40); // before the frame header
    EXPECT_FALSE(ReadImageDimensions(jpeg).has_value());
    EXPECT_FALSE(ReadImageDimensions(test::Bytes("GIF89a....")).has_value());
    EXPECT_FALSE(ReadImageDimensions({}).has_value());
}

} // namespace
} // namespace korvane
