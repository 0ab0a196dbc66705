#include "image/bmp_reader.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/skin_test_data.h"

namespace korvane {
namespace {

const std::vector<uint32_t> kPixels = {0x112233, 0x445566, 0x778899, 0xAABBCC, 0xDDEEFF, 0xFF00FF};

void ExpectPixels(const DecodedImage& image, const std::vector<uint32_t>& expected, uint32_t alphaMask = 0)
{
    ASSERT_EQ(image.Bitmap.Width(), 3);
    ASSERT_EQ(image.Bitmap.Height(), 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(image.Bitmap.Pixel(x, y), expected[static_cast<std::size_t>(y * 3 + x)] | alphaMask)
                << x << "," << y;
        }
    }
}

TEST(BmpReader, Reads24BitBottomUpAndTopDownWithRowPadding)
{
    for (bool topDown : {false, true}) {
        const DecodedImage image = ReadBmp(test::MakeBmp24(3, 2, kPixels, topDown), "t.bmp");
        EXPECT_EQ(image.BitsPerPixel, 24);
        ExpectPixels(image, kPixels); // alpha stays 0 for the caller's key rule
    }
}

TEST(BmpReader, Reads32BitKeepingTheFilesAlpha)
{
    std::vector<uint32_t> pixels = kPixels;
    pixels[0] |= 0x80000000u;
    const DecodedImage image = ReadBmp(test::MakeBmp32(3, 2, pixels, true), "t.bmp");
    EXPECT_EQ(image.BitsPerPixel, 32);
    ExpectPixels(image, pixels);
}

TEST(BmpReader, ReadsPalettedImagesOf1And4And8Bits)
{
    const std::vector<uint32_t> palette = {0x000000, 0xFF00FF, 0x123456, 0xABCDEF};
    const std::vector<uint8_t> indexes = {0, 1, 1, 0, 1, 0};
    const DecodedImage one = ReadBmp(test::MakeBmpIndexed(3, 2, 1, {0x000000, 0xFF00FF}, indexes), "1.bmp");
    EXPECT_EQ(one.BitsPerPixel, 1);
    ExpectPixels(one, {0, 0xFF00FF, 0xFF00FF, 0, 0xFF00FF, 0});
    const std::vector<uint8_t> four = {3, 2, 1, 0, 3, 2};
    ExpectPixels(ReadBmp(test::MakeBmpIndexed(3, 2, 4, palette, four, true), "4.bmp"),
                 {0xABCDEF, 0x123456, 0xFF00FF, 0, 0xABCDEF, 0x123456});
    ExpectPixels(ReadBmp(test::MakeBmpIndexed(3, 2, 8, palette, four), "8.bmp"),
                 {0xABCDEF, 0x123456, 0xFF00FF, 0, 0xABCDEF, 0x123456});
}

TEST(BmpReader, IndexesBeyondAShortPaletteReadAsBlack)
{
    const DecodedImage image = ReadBmp(test::MakeBmpIndexed(3, 2, 8, {0xFFFFFF}, {0, 5, 0, 0, 0, 9}), "p.bmp");
    EXPECT_EQ(image.Bitmap.Pixel(1, 0), 0u);
    EXPECT_EQ(image.Bitmap.Pixel(0, 0), 0xFFFFFFu);
}

TEST(BmpReader, DamagedFilesAreErrorsNamingTheImage)
{
    const std::vector<uint8_t> good = test::MakeBmp24(3, 2, kPixels);
    for (std::size_t length : {std::size_t{0}, std::size_t{2}, std::size_t{20}, std::size_t{53}, good.size() - 1}) {
        const std::vector<uint8_t> cut(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(length));
        try {
            ReadBmp(cut, "Master.bmp");
            ADD_FAILURE() << length;
        } catch (const ImageError& error) {
            EXPECT_EQ(std::string(error.what()).rfind("Damaged image 'Master.bmp': ", 0), 0u) << error.what();
        }
    }
    std::vector<uint8_t> rle = good;
    rle[30] = 1; // BI_RLE8
    EXPECT_THROW(ReadBmp(rle, "x"), ImageError);
    std::vector<uint8_t> huge = good;
    huge[18] = 0xFF;
    huge[19] = 0xFF;
    huge[20] = 0xFF; // width 16 million
    EXPECT_THROW(ReadBmp(huge, "x"), ImageError);
    std::vector<uint8_t> bits16 = good;
    bits16[28] = 16;
    EXPECT_THROW(ReadBmp(bits16, "x"), ImageError);
}

} // namespace
} // namespace korvane
