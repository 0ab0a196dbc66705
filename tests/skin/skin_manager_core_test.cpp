#include "skin/skin_manager_core.h"
#include "encoding/utf8.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "skin/color_change.h"
#include "skin/skin_directory.h"
#include "skin/skin_text.h"
#include "support/allocation_watch.h"
#include "support/skin_test_data.h"

namespace korvane {
namespace {

using test::Bytes;
using test::MakePackage;

// Records what the window side would do.
class RecordingManager : public SkinManagerCore {
public:
    explicit RecordingManager(SkinPlatform& platform) : SkinManagerCore(platform) {}

    std::vector<SkinBroadcast> Broadcasts;
    std::vector<std::u16string> Errors;
    int Hooks = 0;
    bool LoadingSeen = false;

protected:
    void Broadcast(SkinBroadcast command) override { Broadcasts.push_back(command); }
    void InstallHook() override { ++Hooks; }
    void RemoveHook() override { --Hooks; }
    void ShowLoadError(const std::u16string& message) override { Errors.push_back(message); }
    void OnBeforeChange() override { LoadingSeen = LoadingSeen || SkinLoadInProgress; }
};

const std::string kOptions =
    "[GLOBALINFO]\nVERSION=7.3\nCOLOR=8421504\nFONTCOLOR=1\nHOTCOLOR=2\nMASTERBITMAP=MASTER.BMP\n"
    "BOXCHECKED=@0000@0000@0004@0004@1@0\nBICONCLOSE=@0000@0000@0002@0002@1@0\n"
    "[BUTTON]\nCOLOR=255\nBORDERSMASK=^0000^0000^0004^0004^0001^0001^0001^0001^1^0^1^0\n"
    "[TABTOP]\nPARENTCLASS=BUTTON\n[EDIT]\nFONTCOLOR=-16777208\n"
    "[SELECTION]\nCOLOR=16711935\nFONTCOLOR=16711935\nSTATES=2\nHOTCOLOR=77\nHOTFONTCOLOR=88\n"
    "[MENUITEM]\nHOTCOLOR=123\nHOTFONTCOLOR=456\n";

std::vector<uint8_t> Master()
{
    std::vector<uint32_t> pixels(16, 0x3366CC);
    pixels[5] = 0xFF00FF;
    pixels[6] = 0x808080;
    return test::MakeBmp24(4, 4, pixels);
}

std::vector<uint8_t> Package(const std::string& options = kOptions)
{
    return MakePackage({{"Options.dat", Bytes(options)}, {"Master.bmp", Master()}});
}

class SkinManagerLoading : public ::testing::Test {
protected:
    SkinManagerLoading() : manager(platform) { manager.SetSkinDirectory(folder.SkinPath()); }

    test::TempFolder folder;
    PortableSkinPlatform platform;
    RecordingManager manager;
};

TEST_F(SkinManagerLoading, StoredSkinLoadsWhenNoFolderOrPackageHasTheName)
{
    manager.InternalSkins.push_back({u"Graphite (internal)", Package()});
    manager.SetSkinName(u"Graphite (internal)");
    EXPECT_TRUE(manager.Errors.empty());
    EXPECT_TRUE(manager.FromPackage());
    EXPECT_TRUE(manager.Tables().SkinData.SkinPath.empty());
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_EQ(manager.Tables().MasterBitmap->Width(), 4);
    EXPECT_EQ(manager.Broadcasts, std::vector<SkinBroadcast>{SkinBroadcast::SetSkin});
    EXPECT_EQ(manager.Hooks, 1);
    EXPECT_TRUE(manager.LoadingSeen || !SkinLoadInProgress);
    EXPECT_FALSE(SkinLoadInProgress);
    EXPECT_EQ(manager.SkinInfo(), u"7.3");
}

TEST_F(SkinManagerLoading, UnknownNameFallsBackToTheFirstStoredSkin)
{
    manager.InternalSkins.push_back({u"Graphite (internal)", Package()});
    manager.InternalSkins.push_back({u"Other", Package()});
    manager.SetSkinName(u"graphite (internal)");
    EXPECT_EQ(manager.SkinName(), u"Graphite (internal)");
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
}

TEST_F(SkinManagerLoading, PackageFileInTheSkinDirectoryComesFirst)
{
    manager.InternalSkins.push_back({u"Blue", MakePackage({{"Options.dat", Bytes("[ONLY]\n")}})});
    folder.Write("Blue.asz", Package());
    manager.SetSkinName(u"Blue");
    EXPECT_TRUE(manager.FromPackage());
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_EQ(manager.Tables().SkinData.SkinPath, manager.ResolvedSkinDirectory() + u"\\");
}

TEST_F(SkinManagerLoading, PackageFileIsFoundAndLoadedWhateverTheCaseOfItsName)
{
    // Windows finds graphite.asz for the skin name "Graphite"; so does every other system.
    manager.InternalSkins.push_back({u"Stored", MakePackage({{"Options.dat", Bytes("[ONLY]\n")}})});
    folder.Write("graphite.ASZ", Package());
    manager.SetSkinName(u"Graphite");
    EXPECT_TRUE(manager.Errors.empty());
    EXPECT_EQ(manager.SkinName(), u"Graphite");
    EXPECT_TRUE(manager.FromPackage());
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    EXPECT_TRUE(manager.LoadSkinFromPackageFile(folder.SkinPath() + u"GRAPHITE.asz"));
}

TEST_F(SkinManagerLoading, FolderSkinReadsItsFilesFromTheSkinPath)
{
    folder.Write("Blue/Options.dat", kOptions);
    folder.Write("Blue/MASTER.BMP", Master());
    manager.SetSkinName(u"Blue");
    EXPECT_TRUE(manager.Errors.empty());
    EXPECT_FALSE(manager.FromPackage());
    EXPECT_EQ(manager.Tables().SkinData.SkinPath, manager.ResolvedSkinDirectory() + u"Blue\\");
    EXPECT_EQ(manager.Tables().MasterBitmap->Width(), 4);
}

TEST_F(SkinManagerLoading, NoSkinAnywhereSwitchesTheManagerOffSilently)
{
    manager.SetSkinName(u"Nothing");
    EXPECT_FALSE(manager.Active());
    EXPECT_TRUE(manager.Errors.empty());
    EXPECT_TRUE(manager.Tables().Sections.empty());
    EXPECT_EQ(manager.Broadcasts, std::vector<SkinBroadcast>{SkinBroadcast::RemoveSkin});
    EXPECT_EQ(manager.SkinInfo(), u"N/A");
}

TEST_F(SkinManagerLoading, BadPackageKeepsThePreviousNameAndSkin)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    folder.Write("Bad.asz", Bytes("JUNKJUNK"));
    manager.SetSkinName(u"Bad");
    ASSERT_EQ(manager.Errors.size(), 1u);
    EXPECT_EQ(manager.Errors[0], u"Loaded data is not a packed skin file");
    EXPECT_EQ(manager.SkinName(), u"Good");
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_TRUE(manager.Tables().SkinData.Active);
}

TEST_F(SkinManagerLoading, FailedSectionPassDoesNotMixTablesOfTwoSkins)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    const std::size_t masks = manager.Tables().Masks.size();
    folder.Write("Half.asz", Package("[A]\nG=@0000@0000@0001@0001@1@0\n[GLOBALINFO]\nSHADOW1BLUR=x\n"));
    manager.SetSkinName(u"Half");
    ASSERT_EQ(manager.Errors.size(), 1u);
    EXPECT_EQ(manager.Errors[0], u"'x' is not a valid integer value");
    EXPECT_EQ(manager.Tables().Masks.size(), masks);
    EXPECT_EQ(manager.Tables().FindMaskExact(u"A", u"G"), -1);
}

TEST_F(SkinManagerLoading, SkinsBeyondTheirBudgetsAreRefusedBeforeTheMemoryIsSpentAndThePreviousSkinStays)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    // A folder's options file of 64 MiB (sparse), a package of 10,001 sections.
    const auto huge = folder.Write("Huge/Options.dat", kOptions);
    std::filesystem::resize_file(huge, std::uintmax_t{64} << 20);
    std::string sections;
    for (int i = 0; i <= 10000; ++i) {
        sections += "[S]\n";
    }
    folder.Write("Many.asz", Package(sections));
    // The options file is refused unread; the sections are read up to the budget (their table's
    // storage, about 1 MiB, is the largest piece).
    const std::tuple<const char16_t*, std::string, std::size_t> cases[] = {
        {u"Huge", "Huge\\Options.dat' has 67108864 bytes, more than the 4 MiB an options text may have", 64 * 1024},
        {u"Many", "'Options.dat' has more than the 10000 sections an options text may have", 4 * 1024 * 1024},
    };
    for (const auto& [name, message, largest] : cases) {
        manager.Errors.clear();
        test::AllocationWatch watch;
        manager.SetSkinName(name);
        EXPECT_LT(watch.Largest(), largest);
        ASSERT_EQ(manager.Errors.size(), 1u);
        EXPECT_TRUE(Utf8Encode(manager.Errors[0]).ends_with(message)) << Utf8Encode(manager.Errors[0]);
        EXPECT_EQ(manager.SkinName(), u"Good");
        EXPECT_EQ(manager.Tables().Sections.size(), 6u);
        EXPECT_TRUE(manager.Tables().SkinData.Active);
    }
}

// --- A failed load that leaves no skin --------------------------------------------------------

TEST(SkinManagerFallBack, ADamagedSkinAtStartUpGivesTheFirstStoredSkinFromItsPackageAndItsName)
{
    // A damaged package or folder under the stored skin's name (which the skin directory would
    // find again), or a damaged skin of another name.
    const std::tuple<std::string, std::vector<uint8_t>, const char16_t*, const char16_t*> cases[] = {
        {"Graphite.asz", Bytes("JUNKJUNK"), u"Graphite", u"Loaded data is not a packed skin file"},
        {"Graphite/Options.dat", Bytes("[GLOBALINFO]\nSHADOW1BLUR=x\n"), u"Graphite",
         u"'x' is not a valid integer value"},
        {"Broken.asz", Package("[A]\nG=@00\n"), u"Broken", u"'' is not a valid integer value"},
    };
    for (const auto& [file, bytes, name, message] : cases) {
        test::TempFolder folder;
        PortableSkinPlatform platform;
        RecordingManager manager(platform);
        manager.SetSkinDirectory(folder.SkinPath());
        manager.InternalSkins.push_back({u"Graphite", Package()});
        manager.InternalSkins.push_back({u"Second", Package("[ONLY]\n")});
        folder.Write(file, bytes);
        manager.SetSkinName(name);
        ASSERT_EQ(manager.Errors.size(), 1u) << file;
        EXPECT_EQ(manager.Errors[0], message);
        EXPECT_EQ(manager.SkinName(), u"Graphite");
        EXPECT_TRUE(manager.FromPackage());
        EXPECT_TRUE(manager.Tables().SkinData.SkinPath.empty());
        EXPECT_EQ(manager.Tables().Sections.size(), 6u) << file;
        EXPECT_EQ(manager.Tables().MasterBitmap->Width(), 4);
        EXPECT_TRUE(manager.Tables().SkinData.Active);
        EXPECT_EQ(manager.Broadcasts, std::vector<SkinBroadcast>{SkinBroadcast::SetSkin});
        EXPECT_FALSE(SkinLoadInProgress);
    }
}

TEST_F(SkinManagerLoading, WhenTheStoredSkinFailsTooBothErrorsAreShownAndItIsNotLoadedTwice)
{
    manager.InternalSkins.push_back({u"Graphite", Bytes("JUNK")});
    folder.Write("Graphite.asz", Package("[GLOBALINFO]\nSHADOW1BLUR=x\n"));
    manager.SetSkinName(u"Graphite");
    ASSERT_EQ(manager.Errors.size(), 2u);
    EXPECT_EQ(manager.Errors[0], u"'x' is not a valid integer value");
    EXPECT_EQ(manager.Errors[1], u"Loaded data is not a packed skin file");
    EXPECT_TRUE(manager.SkinName().empty());
    EXPECT_TRUE(manager.Tables().Sections.empty());
    EXPECT_FALSE(SkinLoadInProgress);
    // The stored skin itself failing is shown once.
    std::filesystem::remove(folder.Path() / "Graphite.asz");
    manager.Errors.clear();
    manager.SetSkinName(u"Graphite");
    EXPECT_EQ(manager.Errors.size(), 1u);
    EXPECT_TRUE(manager.Tables().Sections.empty());
}

TEST_F(SkinManagerLoading, AFailedLoadWhileAnotherSkinIsLoadedKeepsThatSkin)
{
    manager.InternalSkins.push_back({u"Graphite", Package()});
    manager.InternalSkins.push_back({u"Second", Package("[ONLY]\n")});
    manager.SetSkinName(u"Second");
    folder.Write("Broken.asz", Bytes("JUNKJUNK"));
    manager.SetSkinName(u"Broken");
    ASSERT_EQ(manager.Errors.size(), 1u);
    EXPECT_EQ(manager.SkinName(), u"Second");
    ASSERT_EQ(manager.Tables().Sections.size(), 1u);
    EXPECT_EQ(manager.Tables().Sections[0].SectionName, u"ONLY");
}

TEST_F(SkinManagerLoading, AFailedLoadAfterTheSkinWasRemovedFallsBackToTheStoredSkin)
{
    manager.InternalSkins.push_back({u"Graphite", Package()});
    manager.SetSkinName(u"Graphite");
    manager.SetActive(false);
    folder.Write("Graphite.asz", Bytes("JUNKJUNK"));
    manager.Broadcasts.clear();
    manager.SetActive(true);
    ASSERT_EQ(manager.Errors.size(), 1u);
    EXPECT_EQ(manager.SkinName(), u"Graphite");
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    EXPECT_EQ(manager.Broadcasts, std::vector<SkinBroadcast>{SkinBroadcast::SetSkin});
}

TEST_F(SkinManagerLoading, PackageWithoutOptionsIsAnError)
{
    folder.Write("Empty.asz", MakePackage({{"Master.bmp", Master()}}));
    manager.SetSkinName(u"Empty");
    ASSERT_EQ(manager.Errors.size(), 1u);
    EXPECT_EQ(manager.Errors[0], u"Options.dat not found in the skin package");
}

TEST_F(SkinManagerLoading, InactiveManagerOnlyStoresTheNameUntilSwitchedOn)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetActive(false);
    manager.Broadcasts.clear();
    manager.SetSkinName(u"Good");
    EXPECT_TRUE(manager.Tables().Sections.empty());
    EXPECT_TRUE(manager.Broadcasts.empty());
    manager.SetActive(true);
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    manager.SetActive(false);
    EXPECT_TRUE(manager.Tables().Sections.empty());
    EXPECT_FALSE(manager.Tables().SkinData.Active);
    EXPECT_EQ(manager.IndexCache.GlobalInfoSection, -1);
}

TEST_F(SkinManagerLoading, RestoringSettingsDefersApplyingTheSkin)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.BeginRestore();
    manager.SetSkinName(u"Good");
    EXPECT_EQ(manager.Tables().Sections.size(), 6u);
    EXPECT_TRUE(manager.Broadcasts.empty());
    manager.EndRestore();
    EXPECT_EQ(manager.Broadcasts, std::vector<SkinBroadcast>{SkinBroadcast::SetSkin});
}

TEST_F(SkinManagerLoading, IndexCacheHoldsGlobalImagesAndTabBordersFromParents)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    const TsIndexCache& cache = manager.IndexCache;
    EXPECT_EQ(cache.GlobalInfoSection, 0);
    EXPECT_EQ(cache.CheckImages.BoxChecked, manager.Tables().FindMaskExact(u"GLOBALINFO", u"BOXCHECKED"));
    EXPECT_EQ(cache.CheckImages.RadioChecked, -1);
    EXPECT_EQ(cache.TabSections[0].Section, manager.Tables().FindSection(u"TABTOP"));
    EXPECT_EQ(cache.TabSections[0].BorderMask, manager.Tables().FindMaskExact(u"BUTTON", u"BORDERSMASK"));
    EXPECT_EQ(cache.TabSections[1].Section, -1);
    EXPECT_EQ(cache.ScrollBarSections[0].BorderMask, -1);
}

TEST_F(SkinManagerLoading, SkinWithoutGlobalInfoUsesSystemColours)
{
    manager.InternalSkins.push_back({u"Bare", Package("[BUTTON]\nCOLOR=1\n")});
    manager.SetSkinName(u"Bare");
    EXPECT_EQ(manager.IndexCache.GlobalInfoSection, -1);
    EXPECT_EQ(manager.IndexCache.CheckImages.BoxChecked, -1);
    EXPECT_EQ(manager.IndexCache.ExBorderMask, -1);
    EXPECT_EQ(manager.GlobalColor(), platform.SystemColor(kColorBtnFace));
    EXPECT_EQ(manager.GlobalFontColor(), 0xFF00FF);
    EXPECT_EQ(manager.GlobalHotColor(), platform.SystemColor(kColorWindow));
    EXPECT_EQ(manager.EditFontColor(), SysColorRef(kColorWindowText));
    EXPECT_EQ(manager.SelectionColor(false), SysColorRef(kColorHighlight));
    EXPECT_EQ(manager.SelectionFontColor(true), SysColorRef(kColorHighlightText));
}

TEST_F(SkinManagerLoading, ColourAccessorsReadTheGlobalEditAndSelectionSections)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    EXPECT_EQ(manager.GlobalColor(), 8421504);
    EXPECT_EQ(manager.GlobalFontColor(), 1);
    EXPECT_EQ(manager.GlobalHotColor(), 2);
    EXPECT_EQ(manager.EditFontColor(), platform.SystemColor(kColorWindowText));
    // SELECTION's normal colour is the key colour: MENUITEM's hot colour is used instead.
    EXPECT_EQ(manager.SelectionColor(false), 123);
    EXPECT_EQ(manager.SelectionColor(true), 77);
    EXPECT_EQ(manager.SelectionFontColor(false), 456);
    EXPECT_EQ(manager.SelectionFontColor(true), 88);
}

TEST_F(SkinManagerLoading, CommonSectionsReloadTheSkinWithTheSuppliedSection)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    manager.SetCommonSections({u"[MY PANEL]", u"COLOR = 99", u"; keep me as I am"});
    EXPECT_EQ(manager.CommonSections()[1], u"COLOR=99");
    EXPECT_EQ(manager.CommonSections()[2], u"; keep me as I am");
    const int mine = manager.Tables().FindSection(u"MYPANEL");
    ASSERT_GE(mine, 0);
    EXPECT_EQ(manager.Tables().Sections[static_cast<std::size_t>(mine)].Color, 99);
}

TEST_F(SkinManagerLoading, SaturationIsTakenModulo101)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    const TsColor original = manager.Tables().Sections[1].Color; // BUTTON, pure red
    manager.SetSaturation(101);
    EXPECT_EQ(manager.Tables().Sections[1].Color, original);
    manager.SetSaturation(150);
    const TsColor at150 = manager.Tables().Sections[1].Color;
    manager.SetSaturation(49);
    EXPECT_EQ(manager.Tables().Sections[1].Color, at150);
    manager.SetSaturation(-150);
    const TsColor atMinus150 = manager.Tables().Sections[1].Color;
    manager.SetSaturation(-49);
    EXPECT_EQ(manager.Tables().Sections[1].Color, atMinus150);
    EXPECT_NE(atMinus150, original);
}

TEST_F(SkinManagerLoading, ColourChangesLeaveTheSkinAppliedAsSettingTheNameDoes)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    ASSERT_TRUE(manager.Tables().SkinData.Active);
    ASSERT_EQ(manager.SkinInfo(), u"7.3");
    manager.SetHueOffset(90);
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    EXPECT_EQ(manager.SkinInfo(), u"7.3");
    EXPECT_GE(manager.IndexCache.GlobalInfoSection, 0);
    manager.SetSaturation(40);
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    EXPECT_EQ(manager.SkinInfo(), u"7.3");
    // Removing the skin afterwards still reaches the windows.
    manager.SetActive(false);
    EXPECT_FALSE(manager.Tables().SkinData.Active);
    EXPECT_EQ(manager.Broadcasts.back(), SkinBroadcast::RemoveSkin);
}

TEST_F(SkinManagerLoading, HueOffsetTurnsColoursButNotGreysOrKeyPixels)
{
    manager.InternalSkins.push_back({u"Good", Package()});
    manager.SetSkinName(u"Good");
    const uint32_t keyBefore = manager.Tables().MasterBitmap->Pixel(1, 1);
    const uint32_t colourBefore = manager.Tables().MasterBitmap->Pixel(3, 3);
    manager.SetHueOffset(120);
    EXPECT_EQ(manager.Tables().Sections[1].Color, 0x00FF00); // red turned to green
    EXPECT_EQ(manager.Tables().Sections[0].Color, 8421504);  // grey
    EXPECT_EQ(manager.Tables().MasterBitmap->Pixel(1, 1), keyBefore);
    EXPECT_EQ(manager.Tables().MasterBitmap->Pixel(2, 1), 0xFF808080u);
    EXPECT_NE(manager.Tables().MasterBitmap->Pixel(3, 3), colourBefore);
    manager.SetHueOffset(360);
    EXPECT_EQ(manager.Tables().Sections[1].Color, 255);
    EXPECT_EQ(manager.Tables().MasterBitmap->Pixel(3, 3), colourBefore);
}

TEST_F(SkinManagerLoading, KeepHueLeavesTheCloseIconUnchanged)
{
    std::string options = kOptions;
    options.replace(options.find("VERSION"), 0, "BIKEEPHUE=2\n");
    manager.InternalSkins.push_back({u"Good", Package(options)});
    manager.SetSkinName(u"Good");
    const Bitmap32 before = *manager.Tables().MasterBitmap;
    manager.SetHueOffset(90);
    // BICONCLOSE covers (0,0)-(2,2): kept; the rest turned.
    EXPECT_EQ(manager.Tables().MasterBitmap->Pixel(0, 0), before.Pixel(0, 0));
    EXPECT_EQ(manager.Tables().MasterBitmap->Pixel(1, 0), before.Pixel(1, 0));
    EXPECT_NE(manager.Tables().MasterBitmap->Pixel(3, 0), before.Pixel(3, 0));
}

TEST_F(SkinManagerLoading, CommonSectionsTakeImagesAndPatternsFromFilesOnly)
{
    folder.Write("Blue/Options.dat", kOptions);
    folder.Write("Blue/MASTER.BMP", Master());
    folder.Write("Blue/Extra.bmp", test::MakeBmp24(5, 3, std::vector<uint32_t>(15, 0x102030)));
    folder.Write("Blue/Tiny.jpg", test::MakeJpeg(8, 8, 0x404040));
    manager.SetSkinName(u"Blue");
    manager.SetCommonSections({u"[MYPANEL]", u"BORDER=#(0,0,4,4)(2,0)", u"IMAGE=extra.bmp", u"BACK=tiny.jpg",
                               u"MISSING=none.bmp", u"[GLOBALINFO]", u"LOST=#(0,0,1,1)(1,0)"});
    ASSERT_TRUE(manager.Errors.empty()) << Utf8Encode(manager.Errors[0]);
    const int border = manager.Tables().FindMaskExact(u"MYPANEL", u"BORDER");
    ASSERT_GE(border, 0);
    EXPECT_EQ(manager.Tables().Masks[static_cast<std::size_t>(border)].ImageCount, 2);
    EXPECT_EQ(manager.Tables().Masks[static_cast<std::size_t>(border)].Image, nullptr);
    const int image = manager.Tables().FindMaskExact(u"MYPANEL", u"IMAGE");
    ASSERT_GE(image, 0);
    const TsMaskData& own = manager.Tables().Masks[static_cast<std::size_t>(image)];
    EXPECT_EQ(own.ImageCount, 0);
    EXPECT_EQ(own.LeftWidth, 0);
    ASSERT_NE(own.Image, nullptr);
    EXPECT_EQ(own.Rect, (PixelRect{0, 0, 5, 3}));
    EXPECT_EQ(manager.Tables().FindMaskExact(u"MYPANEL", u"MISSING"), -1);
    EXPECT_EQ(manager.Tables().FindMaskExact(u"GLOBALINFO", u"LOST"), -1);
    // Supplied JPEG pictures stay patterns whatever their size.
    ASSERT_EQ(manager.Tables().Patterns.size(), 1u);
    EXPECT_EQ(manager.Tables().Patterns[0].PropertyName, u"BACK");
}

TEST(SkinColourChange, SaturationMovesChannelsAwayFromTheMeanWithTiesToEven)
{
    // red 100, green 50, blue 0: avg 50, c - (50 - c) * 50 / 100.
    EXPECT_EQ(ShiftColorSaturation(0x003264, 50), 0x00327D); // red 125, green 50, blue 0
    EXPECT_EQ(ShiftColorSaturation(0x808080, 100), 0x808080);
    EXPECT_EQ(ShiftColorSaturation(-1, 50), -1);
    // (1, 0, 0): avg 1/3; red 1 + (2/3) * 75 / 100 = 1.5 -> 2; the others 0 - 0.25 -> 0.
    EXPECT_EQ(ShiftColorSaturation(0x000001, 75), 0x000002);
    // (3, 0, 0): avg 1; red 3 + 2 * 25 / 100 = 3.5 -> 4
    EXPECT_EQ(ShiftColorSaturation(0x000003, 25), 0x000004);
    // (1, 4, 4): avg 3; red 1 - 2 * 25 / 100 = 0.5 -> 0 (half to even); others 4 + 0.25 -> 4
    EXPECT_EQ(ShiftColorSaturation(0x040401, 25), 0x040400);
}

// --- Skin directory and names ------------------------------------------------------------

TEST(SkinDirectory, ResolvesAgainstTheProgramFolder)
{
    const std::u16string program = u"C:\\Tools\\Korvane\\";
    EXPECT_EQ(ResolveSkinDirectory(u"..\\Skins", program), u"C:\\Tools\\Skins\\");
    EXPECT_EQ(ResolveSkinDirectory(u".\\Skins", program), u"C:\\Tools\\Korvane\\Skins\\");
    EXPECT_EQ(ResolveSkinDirectory(u"./Skins/", program), u"C:\\Tools\\Korvane\\Skins\\");
    EXPECT_EQ(ResolveSkinDirectory(u"Skins", program), u"C:\\Tools\\Korvane\\Skins\\");
    EXPECT_EQ(ResolveSkinDirectory(u"c:\\Skins", program), u"c:\\Skins\\");
    EXPECT_EQ(ResolveSkinDirectory(u"\\\\server\\skins", program), u"\\\\server\\skins\\");
}

TEST(SkinDirectory, TrailingBackslashRules)
{
    EXPECT_EQ(EnsureTrailingBackslash(u""), u"");
    EXPECT_EQ(EnsureTrailingBackslash(u"d"), u"d:\\");
    EXPECT_EQ(EnsureTrailingBackslash(u"c:\\x/"), u"c:\\x\\");
    EXPECT_EQ(EnsureTrailingBackslash(u"c:\\x\\"), u"c:\\x\\");
    EXPECT_EQ(EnsureTrailingBackslash(u"c:\\x"), u"c:\\x\\");
}

TEST(SkinNames, KindsSelectFoldersAndPackagesStoredSkinsComeFirst)
{
    test::TempFolder folder;
    folder.Write("Zeta/Options.dat", "[A]\n");
    folder.Write("NoOptions/readme.txt", "x");
    folder.Write("Blue.Dark.asz", "x");
    folder.Write("Caps.ASZ", "x");
    folder.Write(".hidden.asz", "x");
    const std::u16string dir = folder.SkinPath();

    const SkinNameList packages = GetSkinNames({u"Stored"}, dir, 1);
    EXPECT_EQ(packages.Names, (std::vector<std::u16string>{u"Blue", u"Stored"}));
    EXPECT_EQ(packages.First, u"Stored");

    const SkinNameList folders = GetSkinNames({}, dir, 0);
    EXPECT_EQ(folders.Names, std::vector<std::u16string>{u"Zeta"});
    EXPECT_EQ(folders.First, u"Zeta");

    const SkinNameList all = GetSkinNames({}, dir, 2);
    EXPECT_EQ(all.Names, (std::vector<std::u16string>{u"Blue", u"Zeta"}));

    EXPECT_EQ(GetSkinNames({u"S"}, u"/nonexistent/korvane/", 2).Names, std::vector<std::u16string>{u"S"});
}

TEST(SkinNames, ManagerListsItsStoredSkinsAndItsSkinDirectory)
{
    test::TempFolder folder;
    folder.Write("Blue.Dark.asz", "x");
    folder.Write("Zeta/Options.dat", "[A]\n");
    PortableSkinPlatform platform;
    SkinManagerCore manager(platform);
    manager.InternalSkins.push_back({u"Graphite (internal)", {}});
    manager.SetSkinDirectory(folder.SkinPath());
    const SkinNameList names = manager.GetSkinNames(2);
    EXPECT_EQ(names.Names, (std::vector<std::u16string>{u"Blue", u"Graphite (internal)", u"Zeta"}));
    EXPECT_EQ(names.First, u"Graphite (internal)");
}

// --- Live preview ----------------------------------------------------------------------------

std::vector<uint8_t> PreviewBlock(uint32_t marker)
{
    std::vector<uint8_t> block(30646, 0);
    block[0] = static_cast<uint8_t>(marker);
    block[1] = static_cast<uint8_t>(marker >> 8);
    const std::string name = "Blue";
    const std::string dir = "c:\\Skins";
    const std::string options = "[BUTTON]\nCOLOR=5\n";
    std::copy(name.begin(), name.end(), block.begin() + 4);
    std::copy(dir.begin(), dir.end(), block.begin() + 132);
    std::copy(options.begin(), options.end(), block.begin() + 645);
    return block;
}

TEST(SkinPreview, MessageIsCheckedForParameterSizeAndMarker)
{
    const auto request = SkinManagerCore::ParsePreviewMessage(7, PreviewBlock(0xA400));
    ASSERT_TRUE(request.has_value());
    EXPECT_EQ(request->SkinName, u"Blue");
    EXPECT_EQ(request->SkinDirectory, u"c:\\Skins");
    EXPECT_EQ(request->OptionsText, "[BUTTON]\nCOLOR=5\n");
    EXPECT_FALSE(SkinManagerCore::ParsePreviewMessage(6, PreviewBlock(0xA400)));
    EXPECT_FALSE(SkinManagerCore::ParsePreviewMessage(7, PreviewBlock(0xA401)));
    std::vector<uint8_t> shortBlock = PreviewBlock(0xA400);
    shortBlock.pop_back();
    EXPECT_FALSE(SkinManagerCore::ParsePreviewMessage(7, shortBlock));
}

TEST(SkinPreview, AppliesThePreviewTextAndMarksThePreview)
{
    PortableSkinPlatform platform;
    RecordingManager manager(platform);
    const auto request = SkinManagerCore::ParsePreviewMessage(7, PreviewBlock(0xA400));
    ASSERT_TRUE(request.has_value());
    manager.ApplyPreview(*request);
    EXPECT_TRUE(manager.PreviewMode());
    EXPECT_EQ(manager.SkinName(), u"Blue");
    ASSERT_EQ(manager.Tables().Sections.size(), 1u);
    EXPECT_EQ(manager.Tables().Sections[0].Color, 5);
    EXPECT_EQ(manager.Broadcasts, std::vector<SkinBroadcast>{SkinBroadcast::SetSkin});
}

} // namespace
} // namespace korvane
