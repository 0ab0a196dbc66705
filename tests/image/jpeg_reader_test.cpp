#include "image/jpeg_reader.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "support/skin_test_data.h"

namespace korvane {
namespace {

TEST(JpegReader, DecodesAFlatColourWithinRounding)
{
    const DecodedImage image = ReadJpeg(test::MakeJpeg(17, 9, 0x3080C0), "p.jpg");
    EXPECT_EQ(image.BitsPerPixel, 24);
    ASSERT_EQ(image.Bitmap.Width(), 17);
    ASSERT_EQ(image.Bitmap.Height(), 9);
    const uint32_t p = image.Bitmap.Pixel(16, 8);
    EXPECT_EQ(p >> 24, 0u);
    EXPECT_LE(std::abs(static_cast<int>((p >> 16) & 0xFF) - 0x30), 2);
    EXPECT_LE(std::abs(static_cast<int>((p >> 8) & 0xFF) - 0x80), 2);
    EXPECT_LE(std::abs(static_cast<int>(p & 0xFF) - 0xC0), 2);
}

TEST(JpegReader, DamagedDataIsAnErrorNamingTheImage)
{
    std::vector<uint8_t> jpeg = test::MakeJpeg(16, 16, 0x808080);
    const std::vector<uint8_t> header(jpeg.begin(), jpeg.begin() + 40);
    try {
        ReadJpeg(header, "Back.jpg");
        ADD_FAILURE();
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Damaged image 'Back.jpg': ", 0), 0u) << error.what();
    }
    EXPECT_THROW(ReadJpeg(test::Bytes("\xFF\xD8\xFF"), "x"), ImageError);
    EXPECT_THROW(ReadJpeg(test::Bytes("JFIF"), "x"), ImageError);
}

} // namespace
} // namespace korvane
