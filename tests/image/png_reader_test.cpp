#include "image/png_reader.h"

#include <gtest/gtest.h>

#include "image/image_decoder.h"

#include <iterator>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/resource.h>
#endif
#include "support/skin_test_data.h"

namespace korvane {
namespace {

TEST(PngReader, KeepsStraightAlphaOfRgbaImages)
{
    const std::vector<uint32_t> pixels = {0xFF102030, 0x80FFFFFF, 0x00FFFFFF, 0x40000000};
    const DecodedImage image = ReadPng(test::MakePng(2, 2, pixels, true), "g.png");
    EXPECT_EQ(image.BitsPerPixel, 32);
    EXPECT_EQ(image.Format, ImageFormat::Png);
    EXPECT_EQ(image.Bitmap.Pixel(0, 0), 0xFF102030u);
    EXPECT_EQ(image.Bitmap.Pixel(1, 0), 0x80FFFFFFu);
    EXPECT_EQ(image.Bitmap.Pixel(0, 1), 0x00FFFFFFu);
    EXPECT_EQ(image.Bitmap.Pixel(1, 1), 0x40000000u);
}

TEST(PngReader, ImagesWithoutAlphaReport24BitsAndAlphaZero)
{
    const DecodedImage image = ReadPng(test::MakePng(2, 1, {0x123456, 0xFF00FF}, false), "g.png");
    EXPECT_EQ(image.BitsPerPixel, 24);
    EXPECT_EQ(image.Bitmap.Pixel(0, 0), 0x00123456u);
    EXPECT_EQ(image.Bitmap.Pixel(1, 0), 0x00FF00FFu);
}

TEST(PngReader, DamagedDataIsAnErrorNamingTheImage)
{
    std::vector<uint8_t> png = test::MakePng(16, 16, std::vector<uint32_t>(256, 0xFF336699), true);
    png.resize(png.size() - 20);
    try {
        ReadPng(png, "GlowClose.PNG");
        ADD_FAILURE();
    } catch (const ImageError& error) {
        EXPECT_EQ(std::string(error.what()).rfind("Damaged image 'GlowClose.PNG': ", 0), 0u) << error.what();
    }
    std::vector<uint8_t> crc = test::MakePng(4, 4, std::vector<uint32_t>(16, 0xFF336699), true);
    crc[20] ^= 0x40; // inside IHDR: its CRC no longer matches
    EXPECT_THROW(ReadPng(crc, "x"), ImageError);
}

#ifdef __linux__
long PeakResidentKilobytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
#endif

TEST(PngReader, AChunkLongerThanTheFileIsRefusedBeforeAnythingIsAllocatedForIt)
{
    // A text chunk after IHDR declaring 1,811,939,365 bytes in a file of a few dozen: the reader
    // used to let libpng allocate (and touch) all of it before reading past the end.
    std::vector<uint8_t> png = test::MakePng(4, 3, std::vector<uint32_t>(12, 0xFF336699), true);
    std::vector<uint8_t> damaged(png.begin(), png.begin() + 33); // signature and IHDR
    const uint8_t chunk[] = {0x6C, 0x00, 0x00, 0x25, 't', 'E', 'X', 't', 'd', 'a', 't', 'e'};
    damaged.insert(damaged.end(), std::begin(chunk), std::end(chunk));
#ifdef __linux__
    const long before = PeakResidentKilobytes();
#endif
    try {
        (void)ReadPng(damaged, "huge.png");
        FAIL() << "accepted";
    } catch (const ImageError& error) {
        EXPECT_NE(std::string(error.what()).find("huge.png"), std::string::npos) << error.what();
    }
#ifdef __linux__
    EXPECT_LT(PeakResidentKilobytes() - before, 64 * 1024) << "kilobytes of resident memory for a 45-byte file";
#endif
    // A chunk that fits is still read, and so is anything after IEND.
    std::vector<uint8_t> trailing = png;
    trailing.insert(trailing.end(), {0xFF, 0xFF, 0xFF, 0xFF});
    EXPECT_EQ(ReadPng(trailing, "tail.png").Bitmap.Width(), 4);
}

TEST(ImageDecoder, ChoosesTheReaderByContentAndRefusesOthers)
{
    EXPECT_EQ(DecodeImage(test::MakePng(1, 1, {0xFF000000}, true), "a").Format, ImageFormat::Png);
    EXPECT_EQ(DecodeImage(test::MakeBmp24(1, 1, {0}), "a").Format, ImageFormat::Bmp);
    EXPECT_EQ(DecodeImage(test::MakeJpeg(8, 8, 0), "a").Format, ImageFormat::Jpeg);
    try {
        DecodeImage(test::Bytes("GIF89a"), "Anim.gif");
        ADD_FAILURE();
    } catch (const ImageError& error) {
        EXPECT_STREQ(error.what(), "Damaged image 'Anim.gif': not a BMP, PNG or JPEG image");
    }
}

TEST(ImageAlphaRules, OpaqueExceptKeyAndTransparentWhiteCleared)
{
    Bitmap32 bitmap(3, 1);
    bitmap.SetPixel(0, 0, 0x00FF00FF);
    bitmap.SetPixel(1, 0, 0x00123456);
    bitmap.SetPixel(2, 0, 0x00FFFFFF);
    Bitmap32 white = bitmap;
    MakeOpaqueExceptKey(bitmap);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0x00FF00FFu);
    EXPECT_EQ(bitmap.Pixel(1, 0), 0xFF123456u);
    EXPECT_EQ(bitmap.Pixel(2, 0), 0xFFFFFFFFu);
    ClearTransparentWhite(white);
    EXPECT_EQ(white.Pixel(2, 0), 0u);
    EXPECT_EQ(white.Pixel(1, 0), 0x00123456u);
}

} // namespace
} // namespace korvane
