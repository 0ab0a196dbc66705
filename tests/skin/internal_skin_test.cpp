// The internal skin "Graphite (internal)" as the native build draws and packs it: its folder and
// package loaded through the skin loader, its own figures, and the pictures the art tool drew.
// The skin folder is made by the build (tools/skinart), so these tests run natively only.

#include <gtest/gtest.h>

#ifdef KORVANE_GRAPHITE_DIR

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "image/image_decoder.h"
#include "gfx/bitmap32.h"
#include "gfx/parent_background.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"
#include "skin/skin_convertor.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"

namespace korvane {
namespace {

namespace fs = std::filesystem;

const fs::path kFolder = KORVANE_GRAPHITE_DIR;
const fs::path kPackage = KORVANE_GRAPHITE_PACKAGE;
const fs::path kShadows = fs::path(KORVANE_GRAPHITE_DIR).parent_path() / "shadows";

// The skin's own figures.
constexpr size_t kSectionCount = 37;
constexpr size_t kImageEntryCount = 46;
constexpr int kGlyphEntries = 27;
constexpr int kBordersMaskEntries = 11;
constexpr int kTextureEntries = 2;
constexpr int kGlowEntries = 1;
constexpr int kTitleGlowEntries = 5;

std::vector<uint8_t> ReadBytes(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::u16string Widen(const std::string& text)
{
    return std::u16string(text.begin(), text.end());
}

std::string Narrow(const std::u16string& text)
{
    return std::string(text.begin(), text.end());
}

// A manager with the skin loaded from its folder or its package.
struct LoadedSkin {
    PortableSkinPlatform platform;
    SkinManagerCore manager{platform};
};

std::unique_ptr<LoadedSkin> LoadFolder()
{
    auto skin = std::make_unique<LoadedSkin>();
    skin->manager.LoadSkinFromFolder(Widen(kFolder.string()), u"Graphite (internal)");
    return skin;
}

std::unique_ptr<LoadedSkin> LoadPackage()
{
    const std::vector<uint8_t> bytes = ReadBytes(kPackage);
    auto skin = std::make_unique<LoadedSkin>();
    skin->manager.LoadSkinFromPackageData(bytes, u"Graphite (internal)");
    return skin;
}

// The bitmap an entry's pictures are cut from.
const Bitmap32& SourceOf(const SkinTables& tables, const TsMaskData& entry)
{
    return entry.Image ? *entry.Image : *tables.MasterBitmap;
}

const TsMaskData& Entry(const SkinTables& tables, const std::u16string& section, const std::u16string& key)
{
    const int index = tables.FindMask(tables.FindSection(section), section, key);
    if (index < 0) {
        throw std::runtime_error("no entry " + Narrow(section) + "." + Narrow(key));
    }
    return tables.Masks[static_cast<size_t>(index)];
}

// ---- Loading through the skin loader --------------------------------------------------------

TEST(GraphiteSkin, FolderAndPackageLoadToTheSameTables)
{
    const auto folder = LoadFolder();
    const auto package = LoadPackage();
    const SkinManagerCore& a = folder->manager;
    const SkinManagerCore& b = package->manager;
    ASSERT_EQ(a.Tables().Sections.size(), b.Tables().Sections.size());
    ASSERT_EQ(a.Tables().Masks.size(), b.Tables().Masks.size());
    EXPECT_TRUE(a.Tables().MasterBitmap->SamePixels(*b.Tables().MasterBitmap));
    for (size_t i = 0; i < a.Tables().Masks.size(); ++i) {
        SCOPED_TRACE(Narrow(a.Tables().Masks[i].SectionName + u"." + a.Tables().Masks[i].PropertyName));
        EXPECT_EQ(a.Tables().Masks[i].SectionName, b.Tables().Masks[i].SectionName);
        EXPECT_EQ(a.Tables().Masks[i].PropertyName, b.Tables().Masks[i].PropertyName);
        EXPECT_EQ(a.Tables().Masks[i].Rect, b.Tables().Masks[i].Rect);
        EXPECT_EQ(a.Tables().Masks[i].Image != nullptr, b.Tables().Masks[i].Image != nullptr);
        if (a.Tables().Masks[i].Image && b.Tables().Masks[i].Image) {
            EXPECT_TRUE(a.Tables().Masks[i].Image->SamePixels(*b.Tables().Masks[i].Image));
        }
    }
    EXPECT_TRUE(b.FromPackage());
}

TEST(GraphiteSkin, HasItsOwnSectionAndImageCounts)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    EXPECT_EQ(m.Tables().Sections.size(), kSectionCount);
    EXPECT_EQ(m.Tables().Masks.size(), kImageEntryCount);
    EXPECT_TRUE(m.Tables().Patterns.empty());
    std::map<int, int> byType;
    for (const TsMaskData& e : m.Tables().Masks) {
        ++byType[e.ImgType];
    }
    EXPECT_EQ(byType[kImgGlyph], kGlyphEntries);
    EXPECT_EQ(byType[kImgBordersMask], kBordersMaskEntries);
    EXPECT_EQ(byType[kImgTexture], kTextureEntries);
    EXPECT_EQ(byType[kImgGlow], kGlowEntries);
    EXPECT_EQ(byType[kImgTitleGlow], kTitleGlowEntries);
    EXPECT_EQ(m.Tables().MasterBitmap->Width(), 256);
    EXPECT_GT(m.Tables().MasterBitmap->Height(), 0);
}

TEST(GraphiteSkin, ProvidesEverySectionTheWindowsName)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    for (const char16_t* name :
         {u"GLOBALINFO",    u"FORM",          u"FORMTITLE",      u"DIALOG",       u"BUTTON",
          u"SPEEDBUTTON",   u"EDIT",          u"COMBOBOX",       u"COMBOBTN",     u"GROUPBOX",
          u"RADIOBUTTON",   u"CHECKBOX",      u"SELECTION",      u"MAINMENU",     u"MENUITEM",
          u"SCROLLBAR1H",   u"SCROLLBAR1V",   u"SCROLLBAR2H",    u"SCROLLBAR2V",  u"SCROLLSLIDERH",
          u"SCROLLSLIDERV", u"SCROLLBTNLEFT", u"SCROLLBTNRIGHT", u"SCROLLBTNTOP", u"SCROLLBTNBOTTOM",
          u"COLHEADER",     u"TOOLBUTTON",    u"TOOLBAR",        u"BAR",          u"DIVIDER",
          u"PANEL",         u"ICOLINE"}) {
        EXPECT_GE(m.Tables().FindSection(name), 0) << Narrow(name);
    }
}

TEST(GraphiteSkin, ResolvesEveryGlobalImageTheFrameAndControlsUse)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    for (const char16_t* key :
         {u"BICONCLOSE",        u"BICONMAX",        u"BICONMIN",       u"BICONNORM",     u"BICONHELP",
          u"BICLOSEALONE",      u"SICONCLOSE",      u"SICONMAX",       u"SICONMIN",      u"SICONNORM",
          u"SICONHELP",         u"BICONCLOSEGLOW0", u"BICONMAXGLOW0",  u"BICONMINGLOW0", u"BICONNORMGLOW0",
          u"BICLOSEALONEGLOW0", u"GRIPIMAGE",       u"CHECK",          u"BOXCHECKED",    u"BOXUNCHECKED",
          u"BOXGRAYED",         u"RADIOCHECKED",    u"RADIOUNCHECKED", u"RADIOGRAYED",   u"SMALLCHECKED",
          u"SMALLUNCHECKED",    u"SMALLGRAYED"}) {
        EXPECT_GE(m.Tables().FindMaskExact(u"GLOBALINFO", key), 0) << Narrow(key);
    }
    // Title-button glows are title glows of their own images; the other pictures are glyphs of
    // the master bitmap with three states (one for the check mark and the grip).
    for (const TsMaskData& e : m.Tables().Masks) {
        if (e.SectionName != u"GLOBALINFO") {
            continue;
        }
        SCOPED_TRACE(Narrow(e.PropertyName));
        if (e.PropertyName.ends_with(u"GLOW0")) {
            EXPECT_EQ(e.ImgType, kImgTitleGlow);
            EXPECT_NE(e.Image, nullptr);
        } else {
            EXPECT_EQ(e.ImgType, kImgGlyph);
            EXPECT_EQ(e.Image, nullptr);
            EXPECT_EQ(e.MaskType, 1);
            const bool single = e.PropertyName == u"CHECK" || e.PropertyName == u"GRIPIMAGE";
            EXPECT_EQ(e.ImageCount, single ? 1 : 3);
        }
    }
}

TEST(GraphiteSkin, CachesTheCheckComboAndScrollImages)
{
    const auto skin = LoadPackage();
    SkinManagerCore& m = skin->manager;
    m.BuildIndexCache();
    const TsIndexCache& c = m.IndexCache;
    EXPECT_GE(c.GlobalInfoSection, 0);
    for (int index : {c.CheckImages.BoxChecked, c.CheckImages.BoxUnchecked, c.CheckImages.BoxGrayed,
                      c.CheckImages.RadioChecked, c.CheckImages.RadioUnchecked, c.CheckImages.RadioGrayed,
                      c.CheckImages.SmallChecked, c.CheckImages.SmallUnchecked, c.CheckImages.SmallGrayed}) {
        EXPECT_TRUE(m.Tables().IsValidMask(index));
    }
    EXPECT_EQ(c.ExBorderMask, -1); // the window shadows are the program's own pictures
    EXPECT_TRUE(m.Tables().IsValidSection(c.ComboBtn.Section));
    EXPECT_TRUE(m.Tables().IsValidMask(c.ComboBtn.BorderMask));
    EXPECT_TRUE(m.Tables().IsValidMask(c.ComboBtn.GlyphMask));
    for (const auto& b : c.ScrollBtnSections) {
        EXPECT_TRUE(m.Tables().IsValidSection(b.Section));
        EXPECT_TRUE(m.Tables().IsValidMask(b.BorderMask)); // inherited from SCROLLBTNLEFT by three of them
        EXPECT_TRUE(m.Tables().IsValidMask(b.GlyphMask));
    }
    for (const auto& s : c.ScrollSliderSections) {
        EXPECT_TRUE(m.Tables().IsValidSection(s.Section));
        EXPECT_TRUE(m.Tables().IsValidMask(s.BorderMask));
    }
    for (const auto& b : c.ScrollBarSections) {
        EXPECT_TRUE(m.Tables().IsValidSection(b.Section));
    }
    // Each arrow button shows its own arrow.
    std::vector<int> arrows;
    for (const auto& b : c.ScrollBtnSections) {
        arrows.push_back(b.GlyphMask);
    }
    std::sort(arrows.begin(), arrows.end());
    EXPECT_EQ(std::adjacent_find(arrows.begin(), arrows.end()), arrows.end());
}

TEST(GraphiteSkin, EveryImageEntryLiesInsideItsBitmapAndSlicesEvenly)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    for (const TsMaskData& e : m.Tables().Masks) {
        SCOPED_TRACE(Narrow(e.SectionName + u"." + e.PropertyName));
        const Bitmap32& source = SourceOf(m.Tables(), e);
        EXPECT_GE(e.Rect.Left, 0);
        EXPECT_GE(e.Rect.Top, 0);
        EXPECT_LE(e.Rect.Right, source.Width());
        EXPECT_LE(e.Rect.Bottom, source.Height());
        ASSERT_GT(e.ImageCount, 0);
        EXPECT_EQ(e.FrameWidth() * e.ImageCount, e.Rect.Width()) << "state pictures of unequal width";
        EXPECT_EQ(e.FrameHeight() * (e.MaskType + 1), e.Rect.Height()) << "mask row of another height";
        if (e.ImgType == kImgBordersMask || e.ImgType == kImgGlow || e.ImgType == kImgTitleGlow) {
            // The nine pieces must leave a middle to tile, or edges and centre disappear.
            EXPECT_LT(e.LeftWidth + e.RightWidth, e.FrameWidth());
            EXPECT_LT(e.TopWidth + e.BottomWidth, e.FrameHeight());
        }
    }
}

TEST(GraphiteSkin, StateCountsMatchTheStatePictures)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    int checked = 0;
    for (const TsGeneralData& s : m.Tables().Sections) {
        if (s.BorderIndex < 0) {
            continue;
        }
        SCOPED_TRACE(Narrow(s.SectionName));
        EXPECT_EQ(s.States, m.Tables().Masks[static_cast<size_t>(s.BorderIndex)].ImageCount);
        ++checked;
    }
    // Every section with an outline, its heirs included (DIALOG, TOOLBUTTON, COMBOBOX, ...).
    EXPECT_EQ(checked, 18);
}

TEST(GraphiteSkin, ReadsItsGlobalInfo)
{
    const auto skin = LoadPackage();
    const TsSkinData& d = skin->manager.Tables().SkinData;
    EXPECT_DOUBLE_EQ(d.Version, 7.30); // no version notice
    EXPECT_TRUE(skin->platform.Notices().empty());
    EXPECT_EQ(Narrow(d.Author), "Korvane");
    EXPECT_EQ(d.Shadow1Blur, -1);
    EXPECT_EQ(d.BorderWidth, 4);
    EXPECT_EQ(d.TitleHeight, 28);
    EXPECT_EQ(d.MaxHeight, 28); // 0 stands for the title height
    EXPECT_EQ(d.FormOffset, 4);
    EXPECT_EQ(d.BorderColor, 0xFF00FF);
    EXPECT_EQ(d.BISpace, 2);
    EXPECT_EQ(d.BIRight, 3);
    EXPECT_EQ(d.BILeft, 4);
    EXPECT_EQ(d.BIKeepHue, 2);
    EXPECT_EQ(d.BIconCloseGlow, 1);
    EXPECT_EQ(d.BIconCloseGlowMargin, 3);
    EXPECT_EQ(d.BIconMaxGlow, 1);
    EXPECT_EQ(d.BIconMinGlowMargin, 3);
}

TEST(GraphiteSkin, SectionsInheritThroughParentClass)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    auto section = [&](const char16_t* name) -> const TsGeneralData& {
        return m.Tables().Sections[static_cast<size_t>(m.Tables().FindSection(name))];
    };
    // DIALOG writes nothing but its parent: it looks like FORM and shares its outline.
    EXPECT_EQ(section(u"DIALOG").Color, section(u"FORM").Color);
    EXPECT_EQ(section(u"DIALOG").States, 2);
    EXPECT_EQ(section(u"DIALOG").BorderIndex, section(u"FORM").BorderIndex);
    // SPEEDBUTTON takes BUTTON's colours and fading but has its own flat plate, no glow, and is
    // see-through in both states; TOOLBUTTON takes all of that from SPEEDBUTTON.
    const TsGeneralData& speed = section(u"SPEEDBUTTON");
    EXPECT_EQ(speed.HotColor, section(u"BUTTON").HotColor);
    EXPECT_EQ(speed.Transparency, 100);
    EXPECT_EQ(speed.HotTransparency, 100);
    EXPECT_EQ(speed.GlowCount, 0);
    EXPECT_NE(speed.BorderIndex, section(u"BUTTON").BorderIndex);
    const TsGeneralData& tool = section(u"TOOLBUTTON");
    EXPECT_EQ(tool.BorderIndex, speed.BorderIndex);
    EXPECT_TRUE(tool.FadingEnabled);
    EXPECT_EQ(tool.FadingIterations, 5);
    EXPECT_EQ(m.Tables().Masks[static_cast<size_t>(speed.BorderIndex)].DrawMode & 2, 2) << "flat until hot";
    // CHECKBOX is RADIOBUTTON's heir.
    EXPECT_EQ(section(u"CHECKBOX").Props[1].FontColor[1], section(u"RADIOBUTTON").Props[1].FontColor[1]);
    EXPECT_EQ(section(u"CHECKBOX").FadingIterations, 4);
}

TEST(GraphiteSkin, TitleAndButtonsUseGradientsTexturesAndGlows)
{
    const auto skin = LoadPackage();
    const SkinManagerCore& m = skin->manager;
    const int titleIndex = m.Tables().FindSection(u"FORMTITLE");
    const TsGeneralData& title = m.Tables().Sections[static_cast<size_t>(titleIndex)];
    ASSERT_EQ(title.Props[1].GradientArray->size(), 1u);
    EXPECT_EQ((*title.Props[1].GradientArray)[0].Mode, 0);
    EXPECT_EQ((*title.Props[1].GradientArray)[0].Percent, 100);
    EXPECT_EQ(title.Props[1].GradientPercent + title.Props[1].ImagePercent, 100);
    const int pattern = m.Tables().FindTexture(titleIndex, u"FORMTITLE", u"PATTERN");
    const int hotPattern = m.Tables().FindTexture(titleIndex, u"FORMTITLE", u"HOTPATTERN");
    ASSERT_GE(pattern, 0);
    ASSERT_GE(hotPattern, 0);
    EXPECT_EQ(m.Tables().Masks[static_cast<size_t>(pattern)].DrawMode, 0); // tiled
    EXPECT_EQ(m.Tables().Masks[static_cast<size_t>(pattern)].Rect,
              m.Tables().Masks[static_cast<size_t>(hotPattern)].Rect);

    const int buttonIndex = m.Tables().FindSection(u"BUTTON");
    const TsGeneralData& button = m.Tables().Sections[static_cast<size_t>(buttonIndex)];
    EXPECT_EQ(button.GlowCount, 1);
    EXPECT_EQ(button.GlowMargin, 2);
    EXPECT_TRUE(button.FadingEnabled);
    EXPECT_EQ(button.FadingIterations, 5);
    EXPECT_EQ(button.GradientPercent, 100);
    EXPECT_EQ(button.HotGradientArray->size(), 1u);
    const TsMaskData& glow = Entry(m.Tables(), u"BUTTON", u"GLOW0");
    EXPECT_EQ(glow.ImgType, kImgGlow);
    EXPECT_EQ(glow.DrawMode, 1);
    EXPECT_EQ(glow.LeftWidth, 8);
}

TEST(GraphiteSkin, TurningTheHueKeepsTheCloseButtonsRedAndTurnsTheAccent)
{
    const auto plain = LoadPackage();
    const std::vector<uint8_t> bytes = ReadBytes(kPackage);
    auto turned = std::make_unique<LoadedSkin>();
    turned->manager.BeginRestore();
    turned->manager.SetHueOffset(120);
    turned->manager.EndRestore();
    turned->manager.LoadSkinFromPackageData(bytes, u"Graphite (internal)");
    auto picture = [](const SkinManagerCore& m, const char16_t* key) {
        const TsMaskData& e = Entry(m.Tables(), u"GLOBALINFO", key);
        return m.Tables().MasterBitmap->Copy(e.Rect.Left, e.Rect.Top, e.Rect.Width(), e.Rect.Height());
    };
    // BIKEEPHUE 2 keeps the two close buttons only.
    EXPECT_TRUE(picture(plain->manager, u"BICONCLOSE").SamePixels(picture(turned->manager, u"BICONCLOSE")));
    EXPECT_TRUE(picture(plain->manager, u"SICONCLOSE").SamePixels(picture(turned->manager, u"SICONCLOSE")));
    EXPECT_FALSE(picture(plain->manager, u"BOXCHECKED").SamePixels(picture(turned->manager, u"BOXCHECKED")));
    const int selection = plain->manager.Tables().FindSection(u"SELECTION");
    EXPECT_NE(plain->manager.Tables().Sections[static_cast<size_t>(selection)].HotColor,
              turned->manager.Tables().Sections[static_cast<size_t>(selection)].HotColor);
    // Greys never move: white text stays white.
    const int button = plain->manager.Tables().FindSection(u"BUTTON");
    EXPECT_EQ(turned->manager.Tables().Sections[static_cast<size_t>(button)].HotFontColor[1], 0xFFFFFF);
}

// ---- The pictures ---------------------------------------------------------------------------

TEST(GraphiteArt, MaskRowsHideEveryKeyPixelOfThePictures)
{
    const auto skin = LoadFolder();
    const SkinManagerCore& m = skin->manager;
    int entries = 0;
    for (const TsMaskData& e : m.Tables().Masks) {
        if (e.Image || e.MaskType != 1) {
            continue;
        }
        SCOPED_TRACE(Narrow(e.SectionName + u"." + e.PropertyName));
        ++entries;
        const Bitmap32& master = *m.Tables().MasterBitmap;
        const int h = e.FrameHeight();
        int keys = 0;
        for (int y = e.Rect.Top; y < e.Rect.Top + h; ++y) {
            for (int x = e.Rect.Left; x < e.Rect.Right; ++x) {
                const uint32_t picture = master.Pixel(x, y);
                const uint32_t mask = master.Pixel(x, y + h);
                ASSERT_NE(mask, TransparentKey) << "key colour in the mask row at " << x << "," << y + h;
                const uint32_t b = mask & 0xFF;
                ASSERT_EQ(mask & 0xFFFFFF, b * 0x010101u) << "mask not grey at " << x << "," << y + h;
                if (picture == TransparentKey) {
                    ++keys;
                    // A key pixel whose mask is not white would mix magenta into glyphs and edges.
                    ASSERT_EQ(b, 255u) << "key pixel shown at " << x << "," << y;
                }
            }
        }
        EXPECT_LT(keys, e.Rect.Width() * h) << "a picture with nothing in it";
    }
    EXPECT_EQ(entries, kGlyphEntries + kBordersMaskEntries);
}

TEST(GraphiteArt, StatePicturesOfButtonsDifferFromEachOther)
{
    const auto skin = LoadFolder();
    const SkinManagerCore& m = skin->manager;
    for (const char16_t* key : {u"BICONCLOSE", u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP", u"BICLOSEALONE",
                                u"SICONCLOSE", u"SICONMAX", u"BOXCHECKED", u"BOXUNCHECKED", u"RADIOCHECKED"}) {
        SCOPED_TRACE(Narrow(key));
        const TsMaskData& e = Entry(m.Tables(), u"GLOBALINFO", key);
        const int w = e.FrameWidth();
        const Bitmap32 normal = m.Tables().MasterBitmap->Copy(e.Rect.Left, e.Rect.Top, w, e.Rect.Height());
        const Bitmap32 hot = m.Tables().MasterBitmap->Copy(e.Rect.Left + w, e.Rect.Top, w, e.Rect.Height());
        const Bitmap32 pressed = m.Tables().MasterBitmap->Copy(e.Rect.Left + 2 * w, e.Rect.Top, w, e.Rect.Height());
        EXPECT_FALSE(normal.SamePixels(hot));
        EXPECT_FALSE(hot.SamePixels(pressed));
    }
}

TEST(GraphiteArt, GlowImagesArePremultipliedAndClearAtTheirEdge)
{
    const auto skin = LoadFolder();
    for (const TsMaskData& e : skin->manager.Tables().Masks) {
        if (e.ImgType != kImgGlow && e.ImgType != kImgTitleGlow) {
            continue;
        }
        SCOPED_TRACE(Narrow(e.SectionName + u"." + e.PropertyName));
        ASSERT_NE(e.Image, nullptr);
        const Bitmap32& g = *e.Image;
        // The nine-slice of the entry: both borders and one middle pixel.
        EXPECT_EQ(g.Width(), e.LeftWidth + e.RightWidth + 1);
        EXPECT_EQ(g.Height(), e.TopWidth + e.BottomWidth + 1);
        uint32_t strongest = 0;
        for (int y = 0; y < g.Height(); ++y) {
            for (int x = 0; x < g.Width(); ++x) {
                const uint32_t p = g.Pixel(x, y);
                const uint32_t a = p >> 24;
                EXPECT_LE((p >> 16) & 0xFF, a);
                EXPECT_LE((p >> 8) & 0xFF, a);
                EXPECT_LE(p & 0xFF, a);
                strongest = std::max(strongest, a);
            }
        }
        EXPECT_EQ(g.Pixel(0, 0), 0u);
        EXPECT_EQ(g.Pixel(g.Width() / 2, g.Height() / 2), 0u) << "the control itself is not covered";
        EXPECT_GT(strongest, 80u);
    }
}

TEST(GraphiteArt, ButtonOutlineIsRoundedWhenPaintedBySlices)
{
    const auto skin = LoadFolder();
    const SkinManagerCore& m = skin->manager;
    const TsMaskData& mask = Entry(m.Tables(), u"BUTTON", u"BORDERSMASK");
    const uint32_t face = 0xFF3C3F46;
    const uint32_t parent = 0x252120; // the window colour (32, 33, 37) as 0x00BBGGRR
    Bitmap32 button(75, 25);
    button.Fill(face);
    PaintBordersMask(button.View(), PixelRect{0, 0, 75, 25}, ColorBackground(parent), mask, 0, true,
                     m.Tables().MasterBitmap->ReadView());
    // The corner pixel shows what lies behind the button, the middle of the top edge the outline,
    // the inside the face unchanged (within the mask's rounding).
    EXPECT_EQ(button.Pixel(0, 0) & 0xFFFFFF, 0x202125u);
    const uint32_t edge = button.Pixel(37, 0);
    EXPECT_EQ(edge & 0xFFFFFF, 0x4E525Au) << std::hex << edge; // the outline (78, 82, 90)
    const uint32_t inside = button.Pixel(37, 12);
    for (int shift : {0, 8, 16}) {
        EXPECT_NEAR(static_cast<int>((inside >> shift) & 0xFF), static_cast<int>((face >> shift) & 0xFF), 1);
    }
}

TEST(GraphiteArt, FlatButtonsAnswerTheMouseButtonsShowFocusAndTheActiveTitleGlows)
{
    const auto skin = LoadFolder();
    const SkinManagerCore& m = skin->manager;
    const SkinTablesPaintSource source(m.Tables());
    const int speed = m.Tables().FindSection(u"SPEEDBUTTON");
    const std::uint32_t window = 0x252120; // the form's face (32, 33, 37) as 0x00BBGGRR
    auto centre = [&](int state) {
        Bitmap32 face(23, 22);
        PaintSectionFace({speed, u"SPEEDBUTTON"}, ColorBackground(window), &source, face.View(), {0, 0, 23, 22}, state);
        return face.Pixel(11, 11) & 0xFFFFFF;
    };
    // Flat in the normal state; under the mouse a plate lightens every channel by a fifth of the
    // way to white, pressed by a third.
    EXPECT_EQ(centre(0), 0x202125u);
    const std::uint32_t hot = centre(1);
    const std::uint32_t pressed = centre(2);
    for (int shift : {0, 8, 16}) {
        const int base = static_cast<int>((0x202125u >> shift) & 0xFF);
        EXPECT_GE(static_cast<int>((hot >> shift) & 0xFF), base + 35) << std::hex << hot;
        EXPECT_GT((pressed >> shift) & 0xFF, (hot >> shift) & 0xFF) << std::hex << pressed;
    }
    const auto& sections = m.Tables().Sections;
    EXPECT_TRUE(sections[static_cast<size_t>(m.Tables().FindSection(u"BUTTON"))].ShowFocus);
    const TsGeneralData& title = sections[static_cast<size_t>(m.Tables().FindSection(u"FORMTITLE"))];
    EXPECT_EQ(title.Props[0].GlowSize, 0) << "the inactive caption has no halo";
    EXPECT_EQ(title.Props[1].GlowSize, 3);
    EXPECT_EQ(title.Props[1].GlowColor, 0x141414);
}

TEST(GraphiteArt, PackageHoldsTheFolderWithTheOptionsFirst)
{
    TacSkinConvertor reader;
    ASSERT_TRUE(reader.LoadFromFile(kPackage));
    const std::vector<uint8_t> options = ReadBytes(kFolder / "Options.dat");
    const auto packed = reader.OptionsBytes();
    EXPECT_EQ(std::vector<uint8_t>(packed.begin(), packed.end()), options);
    size_t files = 0;
    for (const auto& entry : fs::directory_iterator(kFolder)) {
        const std::string name = entry.path().filename().string();
        if (name == "Options.dat") {
            continue;
        }
        ++files;
        const TacImageItem* item = reader.FindImage(Widen(name));
        ASSERT_NE(item, nullptr) << name;
        EXPECT_EQ(item->Data, ReadBytes(entry.path())) << name;
    }
    EXPECT_EQ(reader.ImageItems.size(), files);
    EXPECT_EQ(reader.ImageMemberCount, static_cast<int32_t>(files));
}

TEST(GraphiteArt, OptionsFileIsSingleByteTextWithWindowsLineEnds)
{
    const std::vector<uint8_t> text = ReadBytes(kFolder / "Options.dat");
    ASSERT_FALSE(text.empty());
    for (size_t i = 0; i < text.size(); ++i) {
        ASSERT_NE(text[i], 0) << "NUL ends the options text early, at byte " << i;
        ASSERT_LT(text[i], 0x80) << "byte " << i;
        if (text[i] == '\n') {
            ASSERT_GT(i, 0u);
            ASSERT_EQ(text[i - 1], '\r') << "bare line feed at byte " << i;
        }
    }
}

// Runs the art tool on an options text; returns its exit status and what it printed on error.
int RunArtTool(const std::string& optionsText, std::string& errors)
{
    // Several builds may run these tests at once: a folder of its own for each run.
    const fs::path work =
        fs::temp_directory_path() / ("korvane-skinart-test-" + std::to_string(std::random_device{}()));
    fs::remove_all(work);
    fs::create_directories(work);
    {
        std::ofstream options(work / "Options.dat", std::ios::binary);
        options << optionsText;
    }
    const std::string command = std::string("\"") + KORVANE_SKINART_PATH + "\" \"" + (work / "out").string() +
                                "\" --options \"" + (work / "Options.dat").string() + "\" 2>\"" +
                                (work / "errors.txt").string() + "\"";
    const int status = std::system(command.c_str());
    const std::vector<uint8_t> text = ReadBytes(work / "errors.txt");
    errors.assign(text.begin(), text.end());
    fs::remove_all(work);
    return status;
}

TEST(GraphiteArt, ToolRefusesOptionsThatDoNotMatchItsPictures)
{
    const std::vector<uint8_t> bytes = ReadBytes(kFolder / "Options.dat");
    const std::string options(bytes.begin(), bytes.end());
    std::string errors;
    ASSERT_EQ(RunArtTool(options, errors), 0) << errors;

    // A close button one pixel too narrow names no picture the tool drew.
    const std::string close = "BICONCLOSE=@";
    const size_t at = options.find(close);
    ASSERT_NE(at, std::string::npos);
    std::string shifted = options;
    char& lastDigit = shifted[at + close.size() + 13]; // the units digit of Rect.Right
    lastDigit = lastDigit == '0' ? '1' : static_cast<char>(lastDigit - 1);
    EXPECT_NE(RunArtTool(shifted, errors), 0);
    EXPECT_NE(errors.find("[GLOBALINFO] BICONCLOSE"), std::string::npos) << errors;
    EXPECT_NE(errors.find("BICONCLOSE (@"), std::string::npos) << "the picture is then named by no key: " << errors;

    // A glow file the tool does not write.
    std::string renamed = options;
    const size_t glow = renamed.find("!GLOW.PNG!");
    ASSERT_NE(glow, std::string::npos);
    renamed.replace(glow, 10, "!HALO.PNG!");
    EXPECT_NE(RunArtTool(renamed, errors), 0);
    EXPECT_NE(errors.find("HALO.PNG is not an image the tool writes"), std::string::npos) << errors;
}

TEST(GraphiteArt, ShadowsHaveTheManagersMarginsAndAClearMiddle)
{
    for (const char* name : {"acSHDA.png", "acSHDI.png"}) {
        SCOPED_TRACE(name);
        const std::vector<uint8_t> bytes = ReadBytes(kShadows / name);
        const DecodedImage image = DecodeImage(bytes, name);
        const Bitmap32& s = image.Bitmap;
        // Margins 11, 10, 11, 12 around a middle that the window covers.
        ASSERT_GT(s.Width(), 11 + 11);
        ASSERT_GT(s.Height(), 10 + 12);
        for (int y = 10; y < s.Height() - 12; ++y) {
            for (int x = 11; x < s.Width() - 11; ++x) {
                EXPECT_EQ(s.Pixel(x, y) >> 24, 0u) << "shadow under the window at " << x << "," << y;
            }
        }
        EXPECT_GT(s.Pixel(s.Width() / 2, s.Height() - 12) >> 24, 0u) << "no shadow below the window";
        EXPECT_EQ(s.Pixel(0, 0) >> 24, 0u) << "the shadow must fade out inside the picture";
    }
    const std::vector<uint8_t> active = ReadBytes(kShadows / "acSHDA.png");
    const std::vector<uint8_t> inactive = ReadBytes(kShadows / "acSHDI.png");
    const Bitmap32 a = DecodeImage(active, "acSHDA.png").Bitmap;
    const Bitmap32 i = DecodeImage(inactive, "acSHDI.png").Bitmap;
    const int y = a.Height() - 12;
    EXPECT_GT(a.Pixel(a.Width() / 2, y) >> 24, i.Pixel(i.Width() / 2, y) >> 24) << "the active shadow is darker";
}

} // namespace
} // namespace korvane

#endif // KORVANE_GRAPHITE_DIR
