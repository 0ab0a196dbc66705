#include "tools/cli/skin_render.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "image/png_reader.h"
#include "tools/cli/pixel_font.h"
#include "support/skin_test_data.h"

namespace korvane {
namespace {

std::string Utf8(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// GLOBALINFO grey; PANEL plain green, hot red; BUTTON blue with a borders mask of the master.
void WriteRenderSkin(const test::TempFolder& folder, const std::string& extra = "")
{
    folder.Write("Skin/Options.dat", "[GLOBALINFO]\nVERSION=7.3\nMASTERBITMAP=MASTER.BMP\nCOLOR=8421504\n"
                                     "[PANEL]\nCOLOR=65280\nSTATES=2\nHOTCOLOR=255\n"
                                     "[BUTTON]\nCOLOR=16711680\nSTATES=3\nHOTCOLOR=16711680\n"
                                     "BORDERSMASK=^0000^0000^0006^0004^0000^0000^0000^0000^1^0^1^0\n" +
                                         extra);
    folder.Write("Skin/Master.bmp", test::MakeBmp24(6, 4, std::vector<uint32_t>(24, 0x336699)));
}

Bitmap32 ReadPicture(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    const std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return ReadPng(bytes, "rendered.png").Bitmap;
}

std::uint32_t Rgb(const Bitmap32& picture, int x, int y)
{
    return picture.Pixel(x, y) & 0x00FFFFFFu;
}

TEST(SkinRenderCommand, OneSectionInOneStateIsItsFaceAloneAtTheRequestedSize)
{
    test::TempFolder folder;
    WriteRenderSkin(folder);
    const std::filesystem::path png = folder.Path() / "panel.png";
    for (const auto& [state, rgb] : {std::pair{"0", 0x00FF00u}, std::pair{"1", 0xFF0000u}}) {
        std::ostringstream out;
        std::ostringstream err;
        ASSERT_EQ(RunSkinRender({Utf8(folder.Path() / "Skin"), "--section", "panel", "--state", state, "--size", "10x6",
                                 "-o", Utf8(png)},
                                out, err),
                  0)
            << err.str();
        const Bitmap32 picture = ReadPicture(png);
        ASSERT_EQ(picture.Width(), 10);
        ASSERT_EQ(picture.Height(), 6);
        EXPECT_EQ(Rgb(picture, 0, 0), rgb) << "state " << state;
        EXPECT_EQ(Rgb(picture, 9, 5), rgb) << "state " << state;
    }
}

TEST(SkinRenderCommand, ContactSheetShowsEverySectionOverTheGlobalColour)
{
    test::TempFolder folder;
    WriteRenderSkin(folder);
    const std::filesystem::path png = folder.Path() / "sheet.png";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunSkinRender({Utf8(folder.Path() / "Skin"), "-o", Utf8(png)}, out, err), 0) << err.str();
    EXPECT_NE(out.str().find("rendered 3 sections"), std::string::npos) << out.str();
    const Bitmap32 sheet = ReadPicture(png);
    ASSERT_FALSE(sheet.Empty());
    EXPECT_EQ(Rgb(sheet, 0, 0), 0x808080u);
    int green = 0;
    int red = 0;
    int blue = 0;
    int ink = 0;
    for (int y = 0; y < sheet.Height(); ++y) {
        for (int x = 0; x < sheet.Width(); ++x) {
            const std::uint32_t c = Rgb(sheet, x, y);
            green += c == 0x00FF00u;
            red += c == 0xFF0000u;
            blue += c == 0x0000FFu;
            ink += c == 0x000000u;
        }
    }
    // PANEL: state 0 green, state 1 red, the fade frame between; the default size is 64 x 24.
    EXPECT_GE(green, 64 * 24);
    EXPECT_GE(red, 64 * 24);
    EXPECT_GT(blue, 0) << "the button's face inside its borders";
    EXPECT_GT(ink, 0) << "labels in black over the light grey";
}

TEST(SkinRenderCommand, ASkinThatDoesNotLoadGivesItsErrorAndStatusTwo)
{
    test::TempFolder folder;
    folder.Write("Broken.asz", "ASzf\x05\x00\x00\x00junk");
    const std::filesystem::path png = folder.Path() / "out.png";
    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(RunSkinRender({Utf8(folder.Path() / "Broken.asz"), "-o", Utf8(png)}, out, err), 2);
    EXPECT_FALSE(err.str().empty());
    EXPECT_FALSE(std::filesystem::exists(png));
    std::ostringstream err2;
    EXPECT_EQ(RunSkinRender({Utf8(folder.Path() / "Nothing"), "-o", Utf8(png)}, out, err2), 2);
    EXPECT_NE(err2.str().find("No skin package or skin folder"), std::string::npos) << err2.str();
}

TEST(SkinRenderCommand, BadArgumentsAndUnknownSectionsAreRefused)
{
    test::TempFolder folder;
    WriteRenderSkin(folder);
    const std::string skin = Utf8(folder.Path() / "Skin");
    const std::string png = Utf8(folder.Path() / "out.png");
    for (const std::vector<std::string>& args : {std::vector<std::string>{skin},
                                                 {skin, "-o", png, "--size", "0x5"},
                                                 {skin, "-o", png, "--size", "5"},
                                                 {skin, "-o", png, "--size", "5000x2"},
                                                 {skin, "-o", png, "--state", "x"},
                                                 {skin, "-o", png, "--bogus"},
                                                 {skin, "-o", png, "--section", "NOSUCH"}}) {
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(RunSkinRender(args, out, err), 2) << args.back();
        EXPECT_FALSE(err.str().empty()) << args.back();
    }
}

TEST(SkinRenderCommand, HostileEntriesRenderWhatTheyCan)
{
    // The rectangles and shares of a damaged skin: painting reports nothing and the rest shows.
    test::TempFolder folder;
    WriteRenderSkin(folder, "[HOSTILE]\nSTATES=2\nIMAGEPERCENT=100\nTRANSPARENCY=20000000\n"
                            "PATTERN=~-002~-002~0004~0010~00~1\nHOTPATTERN=~-002~-002~0004~0010~10~1\n"
                            "BORDER=#(-2147483648,-2147483648,2147483647,2147483647)(1,0,2,1)\n"
                            "GLOW=1\nGLOWMARGIN=-2147483648\nGLOW0=!MASTER.BMP!1!0!3!32767!32767!32767!32767!1\n");
    const std::filesystem::path png = folder.Path() / "hostile.png";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunSkinRender({Utf8(folder.Path() / "Skin"), "--size", "1x1", "-o", Utf8(png)}, out, err), 0)
        << err.str();
    EXPECT_NE(out.str().find("rendered 4 sections"), std::string::npos) << out.str();
    EXPECT_FALSE(ReadPicture(png).Empty());
}

TEST(SkinRenderCommand, TheContactSheetOfAVeryLongSkinIsCappedAndSaysSoAtItsFoot)
{
    // A thousand sections, each inheriting from the one before.
    test::TempFolder folder;
    std::string options = "[GLOBALINFO]\nCOLOR=8421504\n[S0]\nCOLOR=255\nSTATES=6\n";
    for (int i = 1; i < 1000; ++i) {
        options += "[S" + std::to_string(i) + "]\nPARENTCLASS=S" + std::to_string(i - 1) + "\n";
    }
    folder.Write("Long/Options.dat", options);
    const std::filesystem::path png = folder.Path() / "long.png";
    std::ostringstream out;
    std::ostringstream err;
    ASSERT_EQ(RunSkinRender({Utf8(folder.Path() / "Long"), "-o", Utf8(png)}, out, err), 0) << err.str();
    int shown = 0;
    ASSERT_EQ(std::sscanf(out.str().c_str(), "rendered %d of 1001 sections", &shown), 1) << out.str();
    EXPECT_GT(shown, 100);
    EXPECT_LT(shown, 1001);
    const Bitmap32 sheet = ReadPicture(png);
    // 16 mebipixels with the line of the note.
    EXPECT_LE(static_cast<int64_t>(sheet.Width()) * sheet.Height(), int64_t{16} * 1024 * 1024);
    // The note, in black over the grey, in the last line.
    const std::string note = "The sheet shows " + std::to_string(shown) +
                             " of 1001 sections: it holds at most 16777216 pixels. Use --section NAME for the others.";
    Bitmap32 expected(sheet.Width(), kGlyphHeight);
    expected.Fill(0xFF808080u);
    DrawPixelText(expected.View(), 6, 0, note, 0xFF000000u);
    const int top = sheet.Height() - 6 - kGlyphHeight;
    int differences = 0;
    for (int y = 0; y < kGlyphHeight; ++y) {
        for (int x = 0; x < sheet.Width(); ++x) {
            differences += Rgb(sheet, x, top + y) != (expected.Pixel(x, y) & 0x00FFFFFFu);
        }
    }
    EXPECT_EQ(differences, 0);
    // One section of it fits: no note, the sheet ends in the background colour.
    std::ostringstream one;
    ASSERT_EQ(RunSkinRender({Utf8(folder.Path() / "Long"), "--section", "S999", "-o", Utf8(png)}, one, err), 0);
    EXPECT_EQ(one.str().find(" of "), std::string::npos) << one.str();
    const Bitmap32 row = ReadPicture(png);
    for (int x = 0; x < row.Width(); ++x) {
        ASSERT_EQ(Rgb(row, x, row.Height() - 1), 0x808080u) << x;
    }
}

} // namespace
} // namespace korvane
