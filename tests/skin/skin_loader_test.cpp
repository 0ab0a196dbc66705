#include "skin/skin_loader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "skin/skin_manager_core.h"
#include "skin/skin_values.h"
#include "support/allocation_watch.h"
#include "support/skin_test_data.h"

namespace korvane {
namespace {

using test::Bytes;
using test::MakePackage;
using test::PackageMember;

// Loads an options text (plus image members) as a stored package, the way the manager loads
// its internal skin.
class LoadedSkin {
public:
    explicit LoadedSkin(const std::string& options, std::vector<PackageMember> images = {},
                        PortableSkinPlatform platform = PortableSkinPlatform())
        : m_platform(std::move(platform))
        , m_skin(m_platform)
    {
        images.insert(images.begin(), PackageMember{"Options.dat", Bytes(options)});
        m_skin.LoadSkinFromPackageData(MakePackage(images), u"Test");
    }
    SkinManagerCore& operator*() { return m_skin; }
    SkinManagerCore* operator->() { return &m_skin; }
    PortableSkinPlatform& Platform() { return m_platform; }

    const TsMaskData& Mask(std::u16string_view section, std::u16string_view key)
    {
        const int index = m_skin.Tables().FindMaskExact(section, key);
        EXPECT_GE(index, 0) << "no entry for the key";
        static const TsMaskData kNone;
        return index >= 0 ? m_skin.Tables().Masks[static_cast<std::size_t>(index)] : kNone;
    }
    const TsGeneralData& Section(std::u16string_view name)
    {
        const int index = m_skin.Tables().FindSection(name);
        EXPECT_GE(index, 0) << "no such section";
        static const TsGeneralData kNone;
        return index >= 0 ? m_skin.Tables().Sections[static_cast<std::size_t>(index)] : kNone;
    }

private:
    PortableSkinPlatform m_platform;
    SkinManagerCore m_skin;
};

std::string LoadError(const std::string& options, std::vector<PackageMember> images = {})
{
    try {
        LoadedSkin skin(options, std::move(images));
    } catch (const std::exception& error) {
        return error.what();
    }
    ADD_FAILURE() << "the skin loaded";
    return {};
}

std::vector<uint8_t> Png(int width, int height, uint32_t pixel = 0xFF336699)
{
    return test::MakePng(width, height, std::vector<uint32_t>(static_cast<std::size_t>(width * height), pixel), true);
}

std::vector<uint8_t> Bmp(int width, int height, uint32_t pixel = 0x00336699)
{
    return test::MakeBmp24(width, height, std::vector<uint32_t>(static_cast<std::size_t>(width * height), pixel));
}

// --- Image pass ----------------------------------------------------------------------------

TEST(SkinImagePass, GlyphValueGivesRectFramesAndRows)
{
    LoadedSkin skin("[BUTTON]\nGLYPH=@0030@0002@0162@0021@3@0\n");
    const TsMaskData& m = skin.Mask(u"BUTTON", u"GLYPH");
    EXPECT_EQ(m.Rect, (PixelRect{30, 2, 162, 21}));
    EXPECT_EQ(m.ImageCount, 3);
    EXPECT_EQ(m.MaskType, 0);
    EXPECT_EQ(m.ImgType, kImgGlyph);
    EXPECT_EQ(m.FrameWidth(), 44);
    EXPECT_EQ(m.FrameHeight(), 19);
    EXPECT_EQ(m.LeftWidth + m.TopWidth + m.RightWidth + m.BottomWidth, 0);
    EXPECT_EQ(m.Image, nullptr);
}

TEST(SkinImagePass, BordersMaskWithOneWidthSetKeepsTheOthersAtZero)
{
    LoadedSkin skin("[EDIT]\nBORDERSMASK=^0111^0024^0118^0029^0002^0000^0000^0000^1^0^1^1\n");
    const int index = skin->Tables().FindMaskExact(u"EDIT", u"BORDERSMASK");
    const TsMaskData& m = skin.Mask(u"EDIT", u"BORDERSMASK");
    EXPECT_EQ(m.Rect, (PixelRect{111, 24, 118, 29}));
    EXPECT_EQ(m.LeftWidth, 2);
    EXPECT_EQ(m.TopWidth, 0);
    EXPECT_EQ(m.RightWidth, 0);
    EXPECT_EQ(m.BottomWidth, 0);
    EXPECT_EQ(m.ImageCount, 1);
    EXPECT_EQ(m.MaskType, 0);
    EXPECT_EQ(m.DrawMode, 1);
    EXPECT_EQ(m.UniformWidth, 1);
    EXPECT_EQ(m.ImgType, kImgBordersMask);
    EXPECT_EQ(skin->Tables().MaskTopWidth(index), 1);
    EXPECT_EQ(skin->Tables().MaskLeftWidth(index), 2);
}

TEST(SkinImagePass, BordersMaskWithoutWidthsTakesUniformWidthOrAThirdOfAFrame)
{
    LoadedSkin skin("[A]\nB1=^0000^0000^0060^0030^0000^0000^0000^0000^2^1^0^0\n"
                    "B2=^0000^0000^0060^0030^0000^0000^0000^0000^2^1^0^3\n"
                    "B3=^0000^0000^0060^0030^0000^0000^0000^0000^0^0^0^0\n");
    const TsMaskData& computed = skin.Mask(u"A", u"B1");
    EXPECT_EQ(computed.LeftWidth, 10); // 60 / (2 * 3)
    EXPECT_EQ(computed.TopWidth, 5);   // 30 / ((1 + 1) * 3)
    EXPECT_EQ(computed.RightWidth, 10);
    EXPECT_EQ(computed.BottomWidth, 5);
    const TsMaskData& uniform = skin.Mask(u"A", u"B2");
    EXPECT_EQ(uniform.LeftWidth, 3);
    EXPECT_EQ(uniform.BottomWidth, 3);
    // A frame count of 0 must not divide by zero.
    const TsMaskData& noFrames = skin.Mask(u"A", u"B3");
    EXPECT_EQ(noFrames.ImageCount, 0);
    EXPECT_EQ(noFrames.FrameWidth(), 0);
}

TEST(SkinImagePass, TextureValueWithAndWithoutMaskTypeDigit)
{
    LoadedSkin skin(
        "[A]\nPATTERN=~0003~0133~0005~0205~01~0\nHOTPATTERN=~0003~0133~0005~0205~12~1\nP3=~0001~0002~0003~0004~02\n");
    const TsMaskData& m = skin.Mask(u"A", u"PATTERN");
    EXPECT_EQ(m.Rect, (PixelRect{3, 133, 5, 205}));
    EXPECT_EQ(m.DrawMode, 1);
    EXPECT_EQ(m.MaskType, 0);
    EXPECT_EQ(m.ImageCount, 1);
    EXPECT_EQ(m.ImgType, kImgTexture);
    EXPECT_EQ(skin.Mask(u"A", u"HOTPATTERN").DrawMode, 12);
    EXPECT_EQ(skin.Mask(u"A", u"HOTPATTERN").MaskType, 1);
    EXPECT_EQ(skin.Mask(u"A", u"P3").MaskType, 0);
}

TEST(SkinImagePass, FixedLayoutsWithShortNumbersOrCutOffFailTheLoad)
{
    EXPECT_EQ(LoadError("[A]\nG=@030@0002@0162@0021@3@0\n"), "'030@' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nG=@0030@0002@0162@0021@3\n"), "'' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nB=^0111^0024^0118\n"), "'' is not a valid integer value");
    EXPECT_EQ(LoadError("[A]\nT=~0003~0133~0005~0205~x1\n"), "'x1' is not a valid integer value");
}

TEST(SkinImagePass, FileValueComputesWidthsFromTheImage)
{
    LoadedSkin skin("[GLOBALINFO]\nBICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\n", {{"GlowClose.PNG", Png(30, 12)}});
    const TsMaskData& m = skin.Mask(u"GLOBALINFO", u"BICONCLOSEGLOW0");
    EXPECT_EQ(m.ImgType, 4);
    EXPECT_EQ(m.ImageCount, 1);
    EXPECT_EQ(m.MaskType, 0);
    EXPECT_EQ(m.Rect, (PixelRect{0, 0, 30, 12}));
    EXPECT_EQ(m.LeftWidth, 10);
    EXPECT_EQ(m.RightWidth, 10);
    EXPECT_EQ(m.TopWidth, 4);
    EXPECT_EQ(m.BottomWidth, 4);
    EXPECT_EQ(m.DrawMode, 1);
    EXPECT_EQ(m.UniformWidth, 0);
    ASSERT_NE(m.Image, nullptr);
    EXPECT_EQ(m.Image->Width(), 30);
}

TEST(SkinImagePass, FileValueWithWidthsDrawModeAndClampedKind)
{
    LoadedSkin skin("[BUTTON_HUGE]\nBORDERSMASK=!BUTTONHUGE.BMP!3!1!0!0047!0047!0047!0047\n"
                    "GLOW0=!GLOW.PNG!1!0!3!0008!0008!0008!0008!5\nODD=!GLOW.PNG!1!0!9\n",
                    {{"ButtonHuge.bmp", Bmp(282, 120)}, {"Glow.png", Png(24, 24)}});
    const TsMaskData& huge = skin.Mask(u"BUTTON_HUGE", u"BORDERSMASK");
    EXPECT_EQ(huge.ImageCount, 3);
    EXPECT_EQ(huge.MaskType, 1);
    EXPECT_EQ(huge.ImgType, kImgBordersMask);
    EXPECT_EQ(huge.LeftWidth, 47);
    EXPECT_EQ(huge.BottomWidth, 47);
    EXPECT_EQ(huge.FrameWidth(), 94);
    EXPECT_EQ(huge.FrameHeight(), 60);
    const TsMaskData& glow = skin.Mask(u"BUTTON_HUGE", u"GLOW0");
    EXPECT_EQ(glow.DrawMode, 5);
    EXPECT_EQ(glow.ImgType, kImgGlow);
    EXPECT_EQ(skin.Mask(u"BUTTON_HUGE", u"ODD").ImgType, 4);
}

TEST(SkinImagePass, FileNameMustBeWrittenInCapitalsAndTheImageMustExist)
{
    LoadedSkin skin("[A]\nG1=!glow.png!1!0!3\nG2=!MISSING.PNG!1!0!3\nG3=!GLOW.PNG!1!0!3\n", {{"glow.png", Png(6, 6)}});
    EXPECT_EQ(skin->Tables().FindMaskExact(u"A", u"G1"), -1);
    EXPECT_EQ(skin->Tables().FindMaskExact(u"A", u"G2"), -1);
    EXPECT_GE(skin->Tables().FindMaskExact(u"A", u"G3"), 0); // the member name is compared upper-cased
}

TEST(SkinImagePass, PngKeepsAlphaAndTransparentWhiteBecomesTransparentBlack)
{
    const std::vector<uint32_t> pixels = {0x00FFFFFF, 0x80102030, 0xFFFF00FF, 0x00FF00FF};
    LoadedSkin skin("[A]\nG=!P.PNG!1!0!3\n", {{"P.PNG", test::MakePng(2, 2, pixels, true)}});
    const Bitmap32& image = *skin.Mask(u"A", u"G").Image;
    EXPECT_EQ(image.Pixel(0, 0), 0u);
    EXPECT_EQ(image.Pixel(1, 0), 0x80102030u);
    EXPECT_EQ(image.Pixel(0, 1), 0xFFFF00FFu);
    EXPECT_EQ(image.Pixel(1, 1), 0x00FF00FFu);
}

TEST(SkinImagePass, BitmapsBecomeOpaqueExceptTheKeyColour)
{
    const std::vector<uint32_t> pixels = {0xFF00FF, 0xFFFFFF, 0x000000, 0x123456};
    LoadedSkin skin("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[A]\nF=!F.BMP!1!0!0\n",
                    {{"Master.bmp", test::MakeBmp24(2, 2, pixels)}, {"F.BMP", test::MakeBmp24(2, 2, pixels)}});
    for (const Bitmap32* image : {skin->Tables().MasterBitmap.get(), skin.Mask(u"A", u"F").Image.get()}) {
        ASSERT_EQ(image->Width(), 2);
        EXPECT_EQ(image->Pixel(0, 0), 0x00FF00FFu);
        EXPECT_EQ(image->Pixel(1, 0), 0xFFFFFFFFu);
        EXPECT_EQ(image->Pixel(0, 1), 0xFF000000u);
        EXPECT_EQ(image->Pixel(1, 1), 0xFF123456u);
    }
}

TEST(SkinImagePass, EveryKeyNamingAPictureSharesItsOneDecodedCopy)
{
    const std::vector<uint32_t> pixels = {0x00FFFFFF, 0x80102030, 0xFF00FF00, 0x40FFFFFF};
    std::string options = "[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\nOWN=MASTER.BMP\n";
    for (int i = 0; i < 8; ++i) {
        options += "[S" + std::to_string(i) + "]\nGLOW0=!GLOW.PNG!1!0!3\nFRAME=!FRAME.BMP!1!0!0\nPLAIN=frame.bmp\n";
    }
    LoadedSkin skin(
        options,
        {{"Glow.png", test::MakePng(2, 2, pixels, true)}, {"Frame.bmp", Bmp(6, 6)}, {"Master.bmp", Bmp(4, 4)}});
    const auto glow = skin.Mask(u"S0", u"GLOW0").Image;
    const auto frame = skin.Mask(u"S0", u"FRAME").Image;
    ASSERT_NE(glow, nullptr);
    ASSERT_NE(frame, nullptr);
    for (int i = 1; i < 8; ++i) {
        const std::u16string section = u"S" + std::u16string(1, static_cast<char16_t>(u'0' + i));
        EXPECT_EQ(skin.Mask(section, u"GLOW0").Image, glow);
        EXPECT_EQ(skin.Mask(section, u"FRAME").Image, frame);
        EXPECT_EQ(skin.Mask(u"S" + std::u16string(1, static_cast<char16_t>(u'0' + i)), u"PLAIN").Image, frame);
    }
    // Uses that prepare a picture differently keep their own copies: the glow's transparent white
    // is cleared, the master bitmap (whose icons may keep their colours) is its own.
    EXPECT_EQ(glow->Pixel(0, 0), 0u);
    EXPECT_NE(skin.Mask(u"GLOBALINFO", u"OWN").Image, skin->Tables().MasterBitmap);
    EXPECT_TRUE(skin.Mask(u"GLOBALINFO", u"OWN").Image->SamePixels(*skin->Tables().MasterBitmap));
}

TEST(SkinImagePass, ColourChangesTurnASharedPictureOnce)
{
    const std::vector<uint32_t> red(4, 0x00FF0000);
    const std::string options = "[A]\nONE=!R.BMP!1!0!0\n[B]\nTWO=!R.BMP!1!0!0\n";
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    skin.SetHueOffset(120);
    skin.LoadSkinFromPackageData(MakePackage({{"Options.dat", Bytes(options)}, {"R.BMP", test::MakeBmp24(2, 2, red)}}),
                                 u"Test");
    const SkinTables& tables = skin.Tables();
    ASSERT_EQ(tables.Masks.size(), 2u);
    ASSERT_EQ(tables.Masks[0].Image, tables.Masks[1].Image);
    EXPECT_EQ(tables.Masks[0].Image->Pixel(0, 0), 0xFF00FF00u); // red turned by 120 degrees, not 240
}

TEST(SkinImagePass, PicturesBeyondTheBudgetAreRefusedBeforeDecodingNamingTheMember)
{
    constexpr int kSide = 256; // 256 KiB decoded
    const std::vector<uint8_t> picture = test::MakePng(kSide, kSide, std::vector<uint32_t>(kSide * kSide), true);
    // The fifth picture's data is cut off after its header: decoding it would report damage.
    const std::vector<uint8_t> cut(picture.begin(), picture.begin() + 40);
    const std::vector<PackageMember> members = {{"Options.dat", {}}, {"P1.PNG", picture}, {"P2.PNG", picture},
                                                {"P3.PNG", picture}, {"P4.PNG", picture}, {"P5.PNG", cut}};
    TacSkinConvertor package;
    package.Parse(MakePackage(members));
    std::string options = "[A]\n";
    for (int i = 1; i <= 5; ++i) {
        // Each picture named twice: shared pictures count once.
        for (const char* key : {"X", "Y"}) {
            options += std::string(key) + std::to_string(i) + "=!P" + std::to_string(i) + ".PNG!1!0!3\n";
        }
    }
    const OptionsText text = OptionsText::FromAnsi(options);
    const OptionsText none;
    PortableSkinPlatform platform;
    SkinTables tables;
    SkinLoader loader(tables, platform, text, none, SkinImageSource{&package, u""}, u"Test", 1024 * 1024);
    try {
        loader.LoadImages();
        ADD_FAILURE() << "the fifth picture was accepted";
    } catch (const std::exception& error) {
        EXPECT_EQ(std::string(error.what()),
                  "The skin's pictures need more than 1 MiB when decoded: 'P5.PNG' (256 x 256 pixels) would bring "
                  "them to 1.25 MiB");
    }
}

TEST(SkinImagePass, APictureLargerThanTheBudgetIsRefusedWithoutAllocatingIt)
{
    // A PNG header declaring 16384 x 8192 pixels (512 MiB decoded) and nothing else.
    std::vector<uint8_t> header = test::MakePng(1, 1, {0}, true);
    header.resize(33);
    const auto put = [&](std::size_t at, uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            header[at + static_cast<std::size_t>(i)] = static_cast<uint8_t>(value >> (24 - 8 * i));
        }
    };
    put(16, 16384);
    put(20, 8192);
    test::AllocationWatch watch;
    const std::string message = LoadError("[A]\nG=!HUGE.PNG!1!0!3\n", {{"Huge.png", header}});
    EXPECT_NE(message.find("'Huge.png' (16384 x 8192 pixels)"), std::string::npos) << message;
    EXPECT_NE(message.find("256 MiB"), std::string::npos) << message;
    EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
}

// Allocations of a load whose options name `keys` pictures that none of `members` empty members
// is.
std::size_t AllocationsToLoadMissingPictures(int members, int keys)
{
    std::vector<PackageMember> images;
    for (int i = 0; i < members; ++i) {
        images.push_back({"empty_member_" + std::to_string(i) + ".png", {}});
    }
    std::string options = "[A]\n";
    for (int i = 0; i < keys; ++i) {
        options += "K" + std::to_string(i) + "=!MISSING" + std::to_string(i) + ".PNG!1!0!3\n";
    }
    images.insert(images.begin(), PackageMember{"Options.dat", Bytes(options)});
    const std::vector<uint8_t> package = MakePackage(images);
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    test::AllocationWatch watch;
    skin.LoadSkinFromPackageData(package, u"Many");
    EXPECT_TRUE(skin.Tables().Masks.empty());
    return watch.Count();
}

TEST(SkinImagePass, AKeyNamingAMissingMemberCostsTheSameWhateverTheNumberOfMembers)
{
    // A search through the members for each key costs an allocation per member and key.
    constexpr int kMembers = 3000;
    const std::size_t few = AllocationsToLoadMissingPictures(kMembers, 100);
    const std::size_t many = AllocationsToLoadMissingPictures(kMembers, 400);
    const double perKey = static_cast<double>(many - few) / 300.0;
    EXPECT_LT(perKey, 100.0) << few << " allocations with 100 keys, " << many << " with 400";
}

// Allocations of loading a folder skin of `files` pictures whose options name `keys` files that
// do not exist.
std::size_t AllocationsToLoadMissingFiles(const test::TempFolder& folder, int keys)
{
    std::string options = "[A]\n";
    for (int i = 0; i < keys; ++i) {
        options += "K" + std::to_string(i) + "=!MISSING" + std::to_string(i) + ".PNG!1!0!3\n";
    }
    folder.Write("Skin/Options.dat", options);
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    test::AllocationWatch watch;
    skin.LoadSkinFromFolder(folder.SkinPath() + u"Skin", u"Skin");
    EXPECT_TRUE(skin.Tables().Masks.empty());
    return watch.Count();
}

TEST(SkinImagePass, AKeyNamingAMissingFileCostsTheSameWhateverTheNumberOfFiles)
{
    // On a file system that tells case apart, a search through the folder for each key costs
    // allocations per file and key.
    test::TempFolder folder;
    for (int i = 0; i < 2000; ++i) {
        folder.Write("Skin/present_picture_" + std::to_string(i) + ".png", "x");
    }
    const std::size_t few = AllocationsToLoadMissingFiles(folder, 50);
    const std::size_t many = AllocationsToLoadMissingFiles(folder, 200);
    const double perKey = static_cast<double>(many - few) / 150.0;
    EXPECT_LT(perKey, 200.0) << few << " allocations with 50 keys, " << many << " with 200";
}

TEST(SkinImagePass, MembersNoKeyNamesAreNeverUnpacked)
{
    const std::vector<uint8_t> package =
        MakePackage({{"Options.dat", Bytes("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n[A]\nG=@0000@0000@0002@0002@1@0\n")},
                     {"Unused.bmp", std::vector<uint8_t>(16 * 1024 * 1024, 0)},
                     {"Master.bmp", Bmp(2, 2)}});
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    test::AllocationWatch watch;
    skin.LoadSkinFromPackageData(package, u"Test");
    // The small members and the tables; never the 16 MiB.
    EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
    EXPECT_EQ(skin.Tables().MasterBitmap->Width(), 2);
    EXPECT_EQ(skin.Tables().Masks.size(), 1u);
}

TEST(SkinImagePass, APictureFileLargerThanThePictureBudgetIsRefusedBeforeItIsRead)
{
    test::TempFolder folder;
    const auto master = folder.Write("Skin/Master.bmp", Bmp(2, 2));
    std::filesystem::resize_file(master, std::uintmax_t{3} << 20);
    const OptionsText text = OptionsText::FromAnsi("[GLOBALINFO]\nMASTERBITMAP=MASTER.BMP\n");
    const OptionsText none;
    PortableSkinPlatform platform;
    SkinTables tables;
    const std::u16string skinPath = folder.SkinPath() + u"Skin\\";
    SkinLoader loader(tables, platform, text, none, SkinImageSource{nullptr, skinPath}, u"Test", 1024 * 1024);
    test::AllocationWatch watch;
    try {
        loader.LoadImages();
        ADD_FAILURE() << "the picture was read";
    } catch (const std::exception& error) {
        EXPECT_TRUE(std::string(error.what())
                        .ends_with("MASTER.BMP' has 3145728 bytes, more than the 2 MiB a picture file may have"))
            << error.what();
    }
    EXPECT_LT(watch.Largest(), std::size_t{1} << 20);
}

TEST(SkinImagePass, MasterBitmapNameMustMatchTheMemberInCapitals)
{
    LoadedSkin skin("[GLOBALINFO]\nMASTERBITMAP=master.bmp\n[A]\nG=@0030@0002@0162@0021@3@0\n",
                    {{"Master.bmp", Bmp(4, 4)}});
    EXPECT_TRUE(skin->Tables().MasterBitmap->Empty());
    EXPECT_GE(skin->Tables().FindMaskExact(u"A", u"G"), 0); // rectangle entries exist regardless
}

TEST(SkinImagePass, NotApplicableValuesAndPlainTextGiveNoEntry)
{
    LoadedSkin skin("[A]\nBORDERSMASK=N/A\nPATTERN=N/A\nCOLOR=123\nX=#\nY=some text\n");
    EXPECT_TRUE(skin->Tables().Masks.empty());
}

TEST(SkinImagePass, LegacyRectangleValueRefersToTheMasterBitmap)
{
    LoadedSkin skin("[Panel]\nBorder=#(0,0,30,12)(3,1)\nOther=#Rect(0,0,9,6) (0,-2,2,4)\n");
    const TsMaskData& m = skin.Mask(u"PANEL", u"BORDER");
    EXPECT_EQ(m.Rect, (PixelRect{0, 0, 30, 12}));
    EXPECT_EQ(m.ImageCount, 3);
    EXPECT_EQ(m.MaskType, 1);
    EXPECT_EQ(m.UniformWidth, 0);
    EXPECT_EQ(m.DrawMode, 1);
    EXPECT_EQ(m.LeftWidth, 3); // 30 / (3 * 3)
    EXPECT_EQ(m.TopWidth, 2);  // 12 / (2 * 3)
    EXPECT_EQ(m.Image, nullptr);
    const TsMaskData& clamped = skin.Mask(u"PANEL", u"OTHER");
    EXPECT_EQ(clamped.ImageCount, 1);
    EXPECT_EQ(clamped.MaskType, 0);
    EXPECT_EQ(clamped.UniformWidth, 2);
    EXPECT_EQ(clamped.LeftWidth, 2);
    EXPECT_EQ(clamped.DrawMode, 4);
    EXPECT_EQ(LoadError("[A]\nB=#(0,0,x,1)(1,0)\n"), "'x' is not a valid integer value");
}

TEST(SkinImagePass, PlainBitmapValueTakesThreeFramesAndAMaskRow)
{
    LoadedSkin skin("[Frame]\nBorders=frame.bmp\n", {{"Frame.BMP", Bmp(18, 12)}});
    const TsMaskData& m = skin.Mask(u"FRAME", u"BORDERS");
    EXPECT_EQ(m.ImageCount, 3);
    EXPECT_EQ(m.MaskType, 1);
    EXPECT_EQ(m.Rect, (PixelRect{0, 0, 18, 12}));
    EXPECT_EQ(m.LeftWidth, 2);
    EXPECT_EQ(m.RightWidth, 2);
    EXPECT_EQ(m.TopWidth, 2);
    EXPECT_EQ(m.BottomWidth, 2);
    ASSERT_NE(m.Image, nullptr);
}

TEST(SkinImagePass, DamagedImageEndsTheLoadNamingTheMember)
{
    std::vector<uint8_t> png = Png(8, 8);
    png.resize(png.size() / 2);
    const std::string message = LoadError("[A]\nG=!BROKEN.PNG!1!0!3\n", {{"Broken.png", png}});
    EXPECT_NE(message.find("Damaged image 'Broken.png'"), std::string::npos) << message;
}

// --- Pattern pass --------------------------------------------------------------------------

TEST(SkinPatternPass, LargeJpegStaysAPatternSmallerBecomesATexture)
{
    LoadedSkin skin(
        "[FORM]\nPATTERN=big.jpg\nHOTPATTERN=small.JPEG\n",
        {{"BIG.JPG", test::MakeJpeg(1000, 900, 0x808080)}, {"SMALL.JPEG", test::MakeJpeg(999, 900, 0x808080)}});
    ASSERT_EQ(skin->Tables().Patterns.size(), 1u);
    EXPECT_EQ(skin->Tables().Patterns[0].SectionName, u"FORM");
    EXPECT_EQ(skin->Tables().Patterns[0].PropertyName, u"PATTERN");
    EXPECT_EQ(skin->Tables().Patterns[0].Image->Width(), 1000);
    const int form = skin->Tables().FindSection(u"FORM");
    EXPECT_EQ(skin->Tables().FindPattern(form, u"FORM", u"PATTERN"), 0);
    const TsMaskData& small = skin.Mask(u"FORM", u"HOTPATTERN");
    EXPECT_EQ(small.ImgType, kImgTexture);
    EXPECT_EQ(small.ImageCount, 1);
    EXPECT_EQ(small.Rect, (PixelRect{0, 0, 0, 0}));
    ASSERT_NE(small.Image, nullptr);
    EXPECT_EQ(small.Image->Pixel(5, 5) >> 24, 0xFFu);
}

// --- Section pass --------------------------------------------------------------------------

TEST(SkinSectionPass, EmptySectionTakesTheDefaults)
{
    LoadedSkin skin("[PLAIN]\nGRADIENTPERCENT=40\n");
    const TsGeneralData& s = skin.Section(u"PLAIN");
    EXPECT_EQ(s.Color, 0xFFFFFF);
    EXPECT_EQ(s.FontColor[1], 0);
    EXPECT_EQ(s.FontColor[2], -1);
    EXPECT_EQ(s.FontColor[5], -1);
    EXPECT_EQ(s.GradientData, u" ");
    EXPECT_EQ(s.GradientPercent, 0); // no GRADIENTDATA: never a gradient
    EXPECT_EQ(s.States, 4);
    EXPECT_EQ(s.FadingIterations, 5);
    EXPECT_EQ(s.GlowColor, 0xFFFFFF);
    EXPECT_EQ(s.HotColor, 0xFFFFFF);
    EXPECT_EQ(s.HotGlowColor, 0xFFFFFF);
    EXPECT_EQ(s.HotGradientData, u"");
    EXPECT_EQ(s.BorderIndex, -1);
    EXPECT_FALSE(s.ShowFocus);
    EXPECT_EQ(s.Props[0].Color, 0xFFFFFF);
    EXPECT_EQ(s.Props[1].Color, 0xFFFFFF);
    EXPECT_EQ(s.Props[1].FontColor[3], -1);
}

// A section that writes every key of both states, each with its own value.
const char* const kEveryKeySection =
    "[BUTTON]\nCOLOR=5719359\nFONTCOLOR=1\nTCLEFT=2\nTCTOP=3\nTCRIGHT=4\nTCBOTTOM=5\nTRANSPARENCY=30\n"
    "GRADIENTPERCENT=60\nIMAGEPERCENT=10\nGRADIENTDATA=15853795;13944507;97;1;0\nSHOWFOCUS=TRUE\n"
    "FADINGENABLED=1\nFADINGITERATIONS=7\nGCOL=255\nGSIZE=300\nGLOW=1\nGLOWMARGIN=3\nGIVEOWNFONT=1\n"
    "RESERVEDBOOLEAN=true\nSTATES=3\nHOTCOLOR=16380653\nHOTFONTCOLOR=11\nHOTTCLEFT=12\nHOTTCBOTTOM=15\n"
    "HOTTRANSPARENCY=20\nHOTGRADIENTPERCENT=50\nHOTGRADIENTDATA=1;2;100;0;0;3;4;0;2;0\nHOTIMAGEPERCENT=5\n"
    "HGCOL=65280\nHGSIZE=6\n";

TEST(SkinSectionPass, ReadsEveryKeyOfBothStates)
{
    LoadedSkin skin(kEveryKeySection);
    const TsGeneralData& s = skin.Section(u"BUTTON");
    EXPECT_EQ(s.Color, 5719359);
    EXPECT_EQ(s.FontColor, (std::array<TsColor, 6>{0, 1, 2, 3, 4, 5}));
    EXPECT_EQ(s.Transparency, 30);
    EXPECT_EQ(s.GradientPercent, 60);
    EXPECT_EQ(s.ImagePercent, 10);
    ASSERT_EQ(s.GradientArray->size(), 1u);
    EXPECT_TRUE(s.ShowFocus);
    EXPECT_TRUE(s.FadingEnabled);
    EXPECT_EQ(s.FadingIterations, 7);
    EXPECT_EQ(s.GlowColor, 255);
    EXPECT_EQ(s.GlowSize, 44); // low 8 bits of 300
    EXPECT_EQ(s.GlowCount, 1);
    EXPECT_EQ(s.GlowMargin, 3);
    EXPECT_TRUE(s.GiveOwnFont);
    EXPECT_TRUE(s.ReservedBoolean);
    EXPECT_EQ(s.States, 3);
    EXPECT_EQ(s.HotColor, 16380653);
    EXPECT_EQ(s.HotFontColor, (std::array<TsColor, 6>{0, 11, 12, -1, -1, 15}));
    EXPECT_EQ(s.HotTransparency, 20);
    EXPECT_EQ(s.HotGradientPercent, 50);
    ASSERT_EQ(s.HotGradientArray->size(), 2u);
    EXPECT_EQ((*s.HotGradientArray)[1].Mode, 2);
    EXPECT_EQ(s.HotImagePercent, 5);
    EXPECT_EQ(s.HotGlowColor, 65280);
    EXPECT_EQ(s.HotGlowSize, 6);
    EXPECT_EQ(s.Props[0].Color, s.Color);
    EXPECT_EQ(s.Props[0].GlowSize, 44);
    EXPECT_EQ(s.Props[1].Color, 16380653);
    EXPECT_EQ(s.Props[1].Transparency, 20);
    EXPECT_EQ(s.Props[1].FontColor[1], 11);
}

TEST(SkinSectionPass, GradientArraysAreSharedWithProps)
{
    LoadedSkin skin(
        "[A]\nGRADIENTDATA=1;2;50;0;0\nHOTGRADIENTDATA=3;4;50;0;0\n[B]\nSTATES=1\nGRADIENTDATA=1;2;50;0;0\n");
    const TsGeneralData& a = skin.Section(u"A");
    EXPECT_EQ(a.Props[0].GradientArray.get(), a.GradientArray.get());
    EXPECT_EQ(a.Props[1].GradientArray.get(), a.HotGradientArray.get());
    const TsGeneralData& b = skin.Section(u"B");
    EXPECT_EQ(b.Props[1].GradientArray.get(), b.GradientArray.get());
}

TEST(SkinSectionPass, OneStateCopiesNormalPropsAndReadsNoHotKey)
{
    LoadedSkin skin("[EDIT]\nSTATES=1\nCOLOR=100\nHOTCOLOR=16380653\nHOTFONTCOLOR=9\n");
    const TsGeneralData& s = skin.Section(u"EDIT");
    EXPECT_EQ(s.Props[1].Color, 100);
    EXPECT_EQ(s.Props[1].FontColor, s.Props[0].FontColor);
    EXPECT_EQ(s.HotColor, 0);
    EXPECT_EQ(s.HotFontColor[1], 0);
}

TEST(SkinSectionPass, ChildSeesParentKeysAndQuestionMarkOrMinusOneCountAsAbsent)
{
    LoadedSkin skin("[BASE]\nCOLOR=111\nFONTCOLOR=222\nGRADIENTDATA=1;2;3;4;5\nSHOWFOCUS=1\n"
                    "[CHILD]\nPARENTCLASS=BASE\nCOLOR=-1\nGRADIENTDATA=?\nFONTCOLOR=x\n"
                    "[OWN]\nPARENTCLASS=BASE\nCOLOR=5\nSHOWFOCUS=0\n");
    const TsGeneralData& child = skin.Section(u"CHILD");
    EXPECT_EQ(child.ParentClass, u"BASE");
    EXPECT_EQ(child.Color, 111);
    EXPECT_EQ(child.FontColor[1], 222);
    EXPECT_EQ(child.GradientData, u"1;2;3;4;5");
    EXPECT_TRUE(child.ShowFocus);
    const TsGeneralData& own = skin.Section(u"OWN");
    EXPECT_EQ(own.Color, 5);
    EXPECT_FALSE(own.ShowFocus);
}

TEST(SkinSectionPass, SystemColoursAreConvertedOwnAndInherited)
{
    LoadedSkin skin("[BASE]\nFONTCOLOR=-16777201\n[A]\nPARENTCLASS=BASE\nCOLOR=-16777211\nGCOL=-16777201\n");
    PortableSkinPlatform platform;
    const TsGeneralData& a = skin.Section(u"A");
    EXPECT_EQ(a.Color, platform.SystemColor(kColorWindow));
    EXPECT_EQ(a.GlowColor, platform.SystemColor(kColorBtnFace));
    EXPECT_EQ(a.FontColor[1], platform.SystemColor(kColorBtnFace)); // inherited: converted
    EXPECT_EQ(skin.Section(u"BASE").FontColor[1], -16777201);       // own: as written
}

TEST(SkinSectionPass, ParentChainsThatLoopOrBreakYieldTheDefault)
{
    LoadedSkin skin("[A]\nPARENTCLASS=B\n[B]\nPARENTCLASS=C\n[C]\nPARENTCLASS=A\n[SELF]\nPARENTCLASS=SELF\n"
                    "[ORPHAN]\nPARENTCLASS=NOWHERE\n");
    for (const char16_t* name : {u"A", u"B", u"C", u"SELF", u"ORPHAN"}) {
        const TsGeneralData& s = skin.Section(name);
        EXPECT_EQ(s.Color, 0xFFFFFF);
        EXPECT_EQ(s.States, 4);
        EXPECT_EQ(s.GradientData, u" ");
    }
    const int a = skin->Tables().FindSection(u"A");
    EXPECT_EQ(skin->Tables().FindMask(a, u"A", u"BORDERSMASK"), -1);
}

// `count` sections, each the child of the one before, with a borders mask at the root only.
std::string SectionChain(int count)
{
    std::string text = "[GLOBALINFO]\nVERSION=7.3\n";
    for (int i = 0; i < count; ++i) {
        text += "[S" + std::to_string(i) + "]\n";
        if (i > 0) {
            text += "PARENTCLASS=S" + std::to_string(i - 1) + "\n";
        } else {
            text += "COLOR=77\nBORDERSMASK=^0000^0000^0004^0004^0001^0001^0001^0001^1^0^1^0\n";
        }
        text += "TRANSPARENCY=" + std::to_string(i % 50) + "\n";
    }
    return text;
}

std::size_t AllocationsToLoad(const std::string& options)
{
    const std::vector<uint8_t> package = MakePackage({{"Options.dat", Bytes(options)}});
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    test::AllocationWatch watch;
    skin.LoadSkinFromPackageData(package, u"Chain");
    EXPECT_EQ(skin.Tables().Sections.back().Color, 77);
    EXPECT_EQ(skin.Tables().Sections.back().BorderIndex, 0);
    return watch.Count();
}

TEST(SkinSectionPass, LoadingWorkGrowsLinearlyWithTheDepthOfInheritance)
{
    // Every section inherits nearly every key through the whole chain above it: a reader that
    // walks the chain again for each key does work quadratic in its depth.
    const std::size_t shallow = AllocationsToLoad(SectionChain(150));
    const std::size_t deep = AllocationsToLoad(SectionChain(600));
    EXPECT_LT(deep, shallow * 5) << shallow << " allocations for 150 sections, " << deep << " for 600";
}

TEST(SkinSectionPass, BordersAndCornersResolveThroughParentsButNotForGlobalInfo)
{
    LoadedSkin skin(
        "[GLOBALINFO]\nBORDERSMASK=^0000^0000^0009^0009^0001^0001^0001^0001^1^0^1^0\n"
        "[BASE]\nBORDERSMASK=^0000^0000^0009^0009^0001^0001^0001^0001^1^0^1^0\n"
        "IMGTOPLEFT=@0000@0000@0003@0003@1@0\n[CHILD]\nPARENTCLASS=BASE\nIMGBTMRIGHT=@0000@0000@0003@0003@1@0\n");
    EXPECT_EQ(skin.Section(u"GLOBALINFO").BorderIndex, -1);
    const TsGeneralData& child = skin.Section(u"CHILD");
    EXPECT_EQ(child.BorderIndex, skin->Tables().FindMaskExact(u"BASE", u"BORDERSMASK"));
    EXPECT_EQ(child.ImgTopLeft, skin->Tables().FindMaskExact(u"BASE", u"IMGTOPLEFT"));
    EXPECT_EQ(child.ImgBottomRight, skin->Tables().FindMaskExact(u"CHILD", u"IMGBTMRIGHT"));
    EXPECT_EQ(child.ImgTopRight, -1);
}

TEST(SkinSectionPass, DuplicateSectionsAreListedButLookupsFindTheFirst)
{
    LoadedSkin skin("[A]\nCOLOR=1\n[A]\nCOLOR=2\n");
    ASSERT_EQ(skin->Tables().Sections.size(), 2u);
    EXPECT_EQ(skin->Tables().Sections[1].Color, 1);
    EXPECT_EQ(skin->Tables().FindSection(u"A"), 0);
}

TEST(SkinSectionPass, StrictGradientNumbersFailTheLoad)
{
    EXPECT_EQ(LoadError("[A]\nGRADIENTDATA=1;2;x;4;5\n"), "'x' is not a valid integer value");
}

TEST(SkinInfoPass, GlobalInfoFillsTheSkinData)
{
    PortableSkinPlatform platform;
    platform.SetSizingFrameWidth(7);
    LoadedSkin skin("[GLOBALINFO]\nVERSION=7.30\nAUTHOR=Us\nDESCRIPTION=Grey\nSHADOW1COLOR=$10\nSHADOW1OFFSET=3\n"
                    "SHADOW1TRANSPARENCY=$20\nBORDERWIDTH=0x6\nTITLEHEIGHT=70000\nBIKEEPHUE=1\nBICONCLOSEGLOW=2\n"
                    "BORDERCOLOR=12\nBICONMINGLOWMARGIN=-4\nALIGNOFFSET=bad\n",
                    {}, platform);
    const TsSkinData& d = skin->Tables().SkinData;
    EXPECT_DOUBLE_EQ(d.Version, 7.3);
    EXPECT_EQ(d.Author, u"Us");
    EXPECT_EQ(d.Description, u"Grey");
    EXPECT_EQ(d.Shadow1Color, 16);
    EXPECT_EQ(d.Shadow1Offset, 3);
    EXPECT_EQ(d.Shadow1Blur, -1);
    EXPECT_EQ(d.Shadow1Transparency, 32);
    EXPECT_EQ(d.BorderWidth, 6);
    EXPECT_EQ(d.TitleHeight, Low16(70000));
    EXPECT_EQ(d.MaxHeight, d.TitleHeight); // 0 takes the title height
    EXPECT_EQ(d.FormOffset, 7);            // the sizing frame width
    EXPECT_EQ(d.AlignOffset, 0);
    EXPECT_EQ(d.BIKeepHue, 1);
    EXPECT_EQ(d.BIconCloseGlow, 2);
    EXPECT_EQ(d.BIconMinGlowMargin, -4);
    EXPECT_EQ(d.BorderColor, 12);
    EXPECT_TRUE(skin.Platform().Notices().empty());
}

TEST(SkinInfoPass, StrictKeysFailTheLoadWithTheConversionMessage)
{
    EXPECT_EQ(LoadError("[GLOBALINFO]\nSHADOW1OFFSET=abc\n"), "'abc' is not a valid integer value");
    EXPECT_EQ(LoadError("[GLOBALINFO]\nBICONMAXGLOW=0x2\n"), "'0x2' is not a valid integer value");
}

TEST(SkinInfoPass, VersionNoticesAreShownThroughThePlatform)
{
    LoadedSkin newer("[GLOBALINFO]\nVERSION=8.1\n");
    ASSERT_EQ(newer.Platform().Notices().size(), 1u);
    EXPECT_EQ(newer.Platform().Notices()[0], TooNewVersionNotice());
    LoadedSkin older("[GLOBALINFO]\nVERSION=6\n");
    EXPECT_TRUE(older.Platform().Notices().empty());
    LoadedSkin tested("[GLOBALINFO]\nVERSION=6\n", {}, PortableSkinPlatform(u"", true));
    ASSERT_EQ(tested.Platform().Notices().size(), 1u);
    EXPECT_EQ(tested.Platform().Notices()[0], OldVersionNotice(u"Test"));
}

// --- Application-supplied sections -----------------------------------------------------------

TEST(SkinCommonSections, NewSectionsInheritFromTheNamedSkinSection)
{
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    skin.SetActive(false);
    skin.SetCommonSections({u"[MYBUTTON]", u"PARENT CLASS=x", u"PARENTCLASS = button", u"FONTCOLOR=77", u"[BUTTON]",
                            u"COLOR=1", u"[OTHER]", u"SHOWFOCUS=?", u"COLOR=-1"});
    skin.LoadSkinFromPackageData(
        MakePackage({{"Options.dat", Bytes("[BUTTON]\nCOLOR=500\nSHOWFOCUS=1\nSTATES=1\n[MYBUTTON]\nSTATES=1\n")}}),
        u"Test");
    const int mine = skin.Tables().FindSection(u"MYBUTTON");
    ASSERT_EQ(mine, 1); // the skin has its own MYBUTTON section: left as the skin defines it
    EXPECT_EQ(skin.Tables().Sections[1].FontColor[1], 0);
    const int button = skin.Tables().FindSection(u"BUTTON");
    EXPECT_EQ(skin.Tables().Sections[static_cast<std::size_t>(button)].Color, 500);
    const int other = skin.Tables().FindSection(u"OTHER");
    ASSERT_GE(other, 0);
    const TsGeneralData& o = skin.Tables().Sections[static_cast<std::size_t>(other)];
    EXPECT_EQ(o.ParentClass, u"-1");
    EXPECT_EQ(o.Color, 0xFFFFFF);
    EXPECT_FALSE(o.ShowFocus);
    EXPECT_EQ(o.States, 4);
}

TEST(SkinCommonSections, AbsentKeysTakeTheParentsValues)
{
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    skin.SetActive(false);
    skin.SetCommonSections({u"[EXTRA]", u"PARENTCLASS=button", u"FONTCOLOR=77", u"GRADIENTDATA=1"});
    skin.LoadSkinFromPackageData(
        MakePackage({{"Options.dat", Bytes("[BUTTON]\nCOLOR=500\nSHOWFOCUS=1\nGRADIENTPERCENT=30\n"
                                           "GRADIENTDATA=1;2;3;4;5\nHOTCOLOR=9\n")}}),
        u"Test");
    const int extra = skin.Tables().FindSection(u"EXTRA");
    ASSERT_GE(extra, 0);
    const TsGeneralData& e = skin.Tables().Sections[static_cast<std::size_t>(extra)];
    EXPECT_EQ(e.ParentClass, u"BUTTON");
    EXPECT_EQ(e.Color, 500);
    EXPECT_EQ(e.FontColor[1], 77);
    EXPECT_TRUE(e.ShowFocus);
    EXPECT_EQ(e.GradientPercent, 30); // a short gradient text does not reset it here
    EXPECT_TRUE(e.GradientArray->empty());
    EXPECT_EQ(e.States, 4);
    EXPECT_EQ(e.HotColor, 9);
    EXPECT_EQ(e.Props[1].Color, 9);
}

TEST(SkinCommonSections, ASectionWithoutKeysTakesEveryValueOfItsParent)
{
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    skin.SetActive(false);
    skin.SetCommonSections({u"[COPY]", u"PARENTCLASS=button"});
    skin.LoadSkinFromPackageData(MakePackage({{"Options.dat", Bytes(kEveryKeySection)}}), u"Test");
    const SkinTables& tables = skin.Tables();
    ASSERT_EQ(tables.Sections.size(), 2u);
    const TsGeneralData& p = tables.Sections[0];
    const TsGeneralData& c = tables.Sections[1];
    EXPECT_EQ(c.SectionName, u"COPY");
    EXPECT_EQ(std::tie(c.Color, c.FontColor, c.Transparency, c.GradientPercent, c.ImagePercent, c.GradientData,
                       c.GlowColor, c.GlowSize, c.GlowCount, c.GlowMargin, c.FadingIterations),
              std::tie(p.Color, p.FontColor, p.Transparency, p.GradientPercent, p.ImagePercent, p.GradientData,
                       p.GlowColor, p.GlowSize, p.GlowCount, p.GlowMargin, p.FadingIterations));
    EXPECT_EQ(std::tie(c.ShowFocus, c.FadingEnabled, c.GiveOwnFont, c.ReservedBoolean),
              std::tie(p.ShowFocus, p.FadingEnabled, p.GiveOwnFont, p.ReservedBoolean));
    EXPECT_EQ(std::tie(c.HotColor, c.HotFontColor, c.HotTransparency, c.HotGradientPercent, c.HotGradientData,
                       c.HotImagePercent, c.HotGlowColor, c.HotGlowSize),
              std::tie(p.HotColor, p.HotFontColor, p.HotTransparency, p.HotGradientPercent, p.HotGradientData,
                       p.HotImagePercent, p.HotGlowColor, p.HotGlowSize));
    ASSERT_EQ(c.GradientArray->size(), 1u);
    EXPECT_EQ((*c.GradientArray)[0].Color1, 15853795);
    EXPECT_EQ(c.HotGradientArray->size(), 2u);
    // The supplied name has no STATES in the skin: 4, so the hot values fill Props[1].
    EXPECT_EQ(c.States, 4);
    EXPECT_EQ(c.Props[1].FontColor, p.HotFontColor);
    EXPECT_EQ(c.Props[0].GlowSize, 44);
}

} // namespace
} // namespace korvane
