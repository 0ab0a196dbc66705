#include "render/section_background.h"

#include <gtest/gtest.h>

#ifdef KORVANE_GRAPHITE_DIR
#include <filesystem>
#include <fstream>

#include "render/skin_tables_source.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"
#include "support/skin_test_data.h"
#endif

#include "gfx/bitmap32.h"
#include "gfx/blend_bitmap.h"
#include "gfx/color_ops.h"
#include "render/gradient.h"
#include "gfx/piece_copy.h"
#include "render/fake_skin.h"
#include "render/texture_fill.h"

namespace korvane {
namespace {

using namespace korvane::testing;

TsGeneralData Section(std::int32_t color, int transparency, int gradientPercent = 0, int imagePercent = 0,
                      TsGradArray gradient = {})
{
    TsGeneralData section;
    section.SectionName = u"BUTTON";
    section.States = 1;
    TsGenState& state = section.Props[0];
    state.Color = color;
    state.Transparency = transparency;
    state.GradientPercent = gradientPercent;
    state.ImagePercent = imagePercent;
    state.GradientArray = std::make_shared<TsGradArray>(std::move(gradient));
    section.Props[1] = state;
    return section;
}

TsMaskData TextureEntry(int drawMode)
{
    TsMaskData entry;
    entry.Rect = {2, 3, 5, 5}; // 3 x 2 tile
    entry.ImageCount = 1;
    entry.DrawMode = static_cast<std::int16_t>(drawMode);
    entry.ImgType = kImgTexture;
    return entry;
}

GradientStep Step(std::int32_t c1, std::int32_t c2, int percent, int mode)
{
    GradientStep step;
    step.Color1 = c1;
    step.Color2 = c2;
    step.Percent = static_cast<std::uint8_t>(percent);
    step.Mode = mode;
    return step;
}

TEST(SectionBackground, FullTransparencyOverAColourFillsWithTheParentColour)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000FF, 100));
    Bitmap32 destination = Filled(4, 4, 0);
    PaintSectionBackground(0, u"BUTTON", ColorBackground(0x00FF0000), TransparentKey, -1, -1, &skin, destination.View(),
                           0, 0, {0, 0, 4, 4}, 0);
    EXPECT_TRUE(destination.SamePixels(Filled(4, 4, 0xFF0000FF)));
}

TEST(SectionBackground, FullTransparencyOverTheDestinationItselfLeavesItsPixels)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000FF, 100));
    Bitmap32 destination = Filled(4, 4, 0x12345678);
    PaintSectionBackground(0, u"BUTTON", SelfBackground(destination.View()), TransparentKey, -1, -1, &skin,
                           destination.View(), 0, 0, {0, 0, 4, 4}, 0);
    EXPECT_TRUE(destination.SamePixels(Filled(4, 4, 0x12345678)));
}

TEST(SectionBackground, HalfTransparencyOverABitmapBlendsWithParentWeight127)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x00C0A080, 50)); // pixel 0xFF80A0C0
    Bitmap32 parent = Filled(10, 10, 0xFF102030);
    parent.SetPixel(3, 4, 0xFFF0E0D0);
    Bitmap32 destination = Filled(4, 4, 0);
    PaintSectionBackground(0, u"BUTTON", BitmapBackground(parent.ReadView(), 1, 2), TransparentKey, -1, -1, &skin,
                           destination.View(), 1, 1, {0, 0, 4, 4}, 0);
    auto mix = [](std::uint32_t p, std::uint32_t s) { return (p * 127 + s * 128 + 127) >> 8; };
    EXPECT_EQ(destination.Pixel(0, 0),
              (mix(0xFF, 0xFF) << 24) | (mix(0x10, 0x80) << 16) | (mix(0x20, 0xA0) << 8) | mix(0x30, 0xC0));
    // Destination (1, 1) lies over parent (1 + 1 + 1, 1 + 2 + 1) = (3, 4).
    EXPECT_EQ(destination.Pixel(1, 1),
              (mix(0xFF, 0xFF) << 24) | (mix(0xF0, 0x80) << 16) | (mix(0xE0, 0xA0) << 8) | mix(0xD0, 0xC0));
}

TEST(SectionBackground, PlainColourOverAColourParentIsMixed)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000C8, 30));
    Bitmap32 destination = Filled(2, 2, 0);
    PaintSectionBackground(0, u"BUTTON", ColorBackground(0x00000064), TransparentKey, -1, -1, &skin, destination.View(),
                           0, 0, {0, 0, 2, 2}, 0);
    // round(0.3 * 100 + 0.7 * 200) = 170
    EXPECT_EQ(destination.Pixel(1, 1), 0xFFAA0000u);
}

TEST(SectionBackground, UnknownParentComposesOpaque)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000C8, 30));
    Bitmap32 destination = Filled(2, 2, 0);
    PaintSectionBackground(0, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 2, 2}, 0);
    EXPECT_EQ(destination.Pixel(1, 1), 0xFFC80000u);
}

TEST(SectionBackground, CustomColourIsOpaqueAndPlain)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000C8, 60, 50, 0, {Step(0, 0xFFFFFF, 100, 0)}));
    Bitmap32 destination = Filled(3, 3, 0);
    PaintSectionBackground(0, u"BUTTON", ColorBackground(0x00FF00), 0x00010203, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 3, 3}, 0);
    EXPECT_TRUE(destination.SamePixels(Filled(3, 3, 0xFF030201)));
}

TEST(SectionBackground, StretchedTextureUnderGradientTakesTextureWeight40AndNoColourShare)
{
    FakeSkin skin;
    const TsGradArray gradient{Step(0x00FF00, 0x00FF00, 100, 0)};
    skin.Sections.push_back(Section(0x0000FF, 0, 84, 16, gradient));
    skin.Masks.push_back(TextureEntry(1));
    skin.Textures[u"PATTERN"] = 0;
    Bitmap32 destination = Filled(6, 4, 0);
    PaintSectionBackground(0, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 6, 4}, 0);
    Bitmap32 expected = Filled(6, 4, 0);
    StretchDeleteScans(expected.View(), {0, 0, 6, 4}, skin.MasterBitmap(), {2, 3, 5, 5});
    Bitmap32 green = Filled(6, 4, 0xFF00FF00);
    BlendBitmap(expected.View(), 0, 0, green.ReadView(), {0, 0, 6, 4}, 40);
    EXPECT_TRUE(destination.SamePixels(expected));
}

TEST(SectionBackground, TiledTextureAndVerticalGradientMakingAHundredTakeTheOnePassPath)
{
    FakeSkin skin;
    const TsGradArray gradient{Step(0x102030, 0xA0B0C0, 100, 0)};
    skin.Sections.push_back(Section(0x0000FF, 0, 90, 10, gradient));
    skin.Masks.push_back(TextureEntry(0));
    skin.Textures[u"PATTERN"] = 0;
    Bitmap32 destination = Filled(7, 5, 0);
    PaintSectionBackground(0, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 7, 5}, 0);
    Bitmap32 expected = Filled(7, 5, 0);
    PaintTexturedGradient(expected.View(), {0, 0, 7, 5}, gradient, 25, {2, 3, 5, 5}, skin.MasterBitmap());
    EXPECT_TRUE(destination.SamePixels(expected));
}

TEST(SectionBackground, TopRowTextureOnATallRectangleFillsTheRestWithTheColour)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x0000FF, 0, 0, 100));
    skin.Masks.push_back(TextureEntry(2));
    skin.Textures[u"PATTERN"] = 0;
    Bitmap32 destination = Filled(4, 5, 0);
    PaintSectionBackground(0, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 4, 5}, 0);
    EXPECT_EQ(destination.Pixel(0, 0), Code(2, 3));
    EXPECT_EQ(destination.Pixel(3, 1), Code(2, 4));
    EXPECT_EQ(destination.Pixel(0, 2), 0xFFFF0000u);
    EXPECT_EQ(destination.Pixel(3, 4), 0xFFFF0000u);
}

TEST(SectionBackground, ColourShareTintsWhatTheGradientLeaves)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000FF, 0, 40, 0, {Step(0, 0, 100, 0)}));
    Bitmap32 destination = Filled(2, 3, 0);
    PaintSectionBackground(0, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 2, 3}, 0);
    // black gradient, then round(0.4 * 0 + 0.6 * 255) = 153 red
    EXPECT_EQ(destination.Pixel(1, 2), 0xFF990000u);
}

TEST(SectionBackground, HotStateUsesTheHotBlockAndInvalidSectionsPaintNothing)
{
    FakeSkin skin;
    TsGeneralData section = Section(0x000000FF, 0);
    section.States = 3;
    section.Props[1].Color = 0x0000FF00;
    skin.Sections.push_back(section);
    Bitmap32 destination = Filled(2, 2, 0);
    PaintSectionBackground(0, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 2, 2}, 7);
    EXPECT_EQ(destination.Pixel(0, 0), 0xFF00FF00u);
    Bitmap32 untouched = Filled(2, 2, 0);
    PaintSectionBackground(3, u"BUTTON", EmptyBackground, TransparentKey, -1, -1, &skin, untouched.View(), 0, 0,
                           {0, 0, 2, 2}, 0);
    EXPECT_TRUE(untouched.SamePixels(Filled(2, 2, 0)));
}

// A skin whose master bitmap is a fenced 16 x 16 picture.
class FencedSkin : public FakeSkin {
public:
    explicit FencedSkin(std::uint32_t fence) : m_picture(16, 16, fence) {}
    BitmapView MasterBitmap() const override { return m_picture.View(); }

private:
    FencedPicture m_picture;
};

Bitmap32 PaintWithMaskedTexture(std::uint32_t fence, PixelRect textureRect)
{
    FencedSkin skin(fence);
    skin.Sections.push_back(Section(0x000000FF, 0));
    TsMaskData texture = TextureEntry(kFillWholeTiles);
    texture.Rect = textureRect;
    texture.MaskType = 1;
    skin.Masks.push_back(texture);
    Bitmap32 destination = Filled(9, 9, 0);
    PaintSectionBackground(0, u"BUTTON", ColorBackground(0x00FF0000), TransparentKey, -1, 0, &skin, destination.View(),
                           0, 0, {0, 0, 9, 9}, 0);
    return destination;
}

TEST(SectionBackground, MaskedTilesOfStateZeroReadNothingOutsideTheMasterBitmap)
{
    // PATTERN=~-002~-002~0004~0010~00~1 and rectangles reaching past the other sides.
    for (PixelRect r : {PixelRect{-2, -2, 4, 10}, PixelRect{12, 10, 20, 22}, PixelRect{-40, -40, -30, -20}}) {
        EXPECT_TRUE(PaintWithMaskedTexture(0xFFABCDEF, r).SamePixels(PaintWithMaskedTexture(0xFF102030, r)))
            << r.Left << "," << r.Top;
    }
}

TEST(SectionBackground, PercentagesBeyondTheRangeArePaintedAsTheNearestEnd)
{
    auto paint = [](int transparency, int gradientPercent, int imagePercent) {
        FakeSkin skin;
        skin.Sections.push_back(Section(0x000000FF, transparency, gradientPercent, imagePercent, {Step(0, 0, 100, 0)}));
        skin.Masks.push_back(TextureEntry(kFillStretch));
        skin.Textures[u"PATTERN"] = 0;
        Bitmap32 destination = Filled(4, 3, 0);
        PaintSectionBackground(0, u"BUTTON", ColorBackground(0x0000FF00), TransparentKey, -1, -1, &skin,
                               destination.View(), 0, 0, {0, 0, 4, 3}, 0);
        return destination;
    };
    EXPECT_TRUE(paint(20000000, 0, 0).SamePixels(Filled(4, 3, 0xFF00FF00))) << "as 100: the parent colour";
    EXPECT_TRUE(paint(-7, 30, 20).SamePixels(paint(0, 30, 20)));
    EXPECT_TRUE(paint(0, 50, -30).SamePixels(paint(0, 50, 0)));
    EXPECT_TRUE(paint(0, 20000000, 0).SamePixels(paint(0, 100, 0)));
    EXPECT_TRUE(paint(0, 40, 20000000).SamePixels(paint(0, 40, 100)));
    EXPECT_TRUE(paint(0, -2147483647 - 1, 2147483647).SamePixels(paint(0, 0, 100)));
}

TEST(AdapterBackground, ColourParentCountsAsUnknownAndABitmapParentStillShowsThrough)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000C8, 100));
    Bitmap32 destination = Filled(2, 2, 0);
    PaintAdapterBackground(0, u"BUTTON", ColorBackground(0x00000064), -1, -1, &skin, destination.View(), 0, 0,
                           {0, 0, 2, 2}, 0);
    EXPECT_EQ(destination.Pixel(1, 1), 0xFFC80000u); // opaque section colour, not the parent's
    Bitmap32 parent = Filled(4, 4, 0xFF123456);
    PaintAdapterBackground(0, u"BUTTON", BitmapBackground(parent.ReadView(), 0, 0), -1, -1, &skin, destination.View(),
                           0, 0, {0, 0, 2, 2}, 0);
    EXPECT_EQ(destination.Pixel(1, 1), 0xFF123456u);
}

TEST(ControlFace, BottomLeftCornerImageStartsAtTheRectangleLeft)
{
    FakeSkin skin;
    TsGeneralData section = Section(0x00000000, 0);
    section.ImgBottomLeft = 0;
    skin.Sections.push_back(section);
    TsMaskData corner;
    corner.Rect = {4, 4, 7, 6}; // 3 x 2 picture
    corner.ImageCount = 1;
    skin.Masks.push_back(corner);
    Bitmap32 destination = Filled(70, 50, 0);
    ControlFaceData data;
    data.SectionIndex = 0;
    data.SectionName = u"BUTTON";
    data.Manager = &skin;
    PaintControlFace(data, EmptyBackground, false, destination.View(), 0, 0, {10, 10, 60, 40}, 0);
    EXPECT_EQ(destination.Pixel(10, 38), Code(4, 4));
    EXPECT_EQ(destination.Pixel(12, 39), Code(6, 5));
    EXPECT_EQ(destination.Pixel(9, 38), 0u);
    EXPECT_EQ(destination.Pixel(13, 38), 0xFF000000u);
}

TEST(ControlFace, HueShiftAppliesToTheWholeBitmapAfterTheFace)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000FF, 0));
    Bitmap32 destination = Filled(4, 4, 0xFF00FF00);
    ControlFaceData data;
    data.SectionIndex = 0;
    data.Manager = &skin;
    data.HueOffset = 120;
    PaintControlFace(data, EmptyBackground, false, destination.View(), 0, 0, {0, 0, 2, 2}, 0);
    EXPECT_EQ(destination.Pixel(0, 0), 0xFF00FF00u); // red face turned green
    EXPECT_EQ(destination.Pixel(3, 3), 0xFF0000FFu); // green outside the face turned blue
}

TEST(ControlFace, RectangleOutsideTheBitmapPaintsNothing)
{
    FakeSkin skin;
    skin.Sections.push_back(Section(0x000000FF, 0));
    Bitmap32 destination = Filled(4, 4, 0);
    ControlFaceData data;
    data.SectionIndex = 0;
    data.Manager = &skin;
    PaintControlFace(data, EmptyBackground, false, destination.View(), 0, 0, {-1, 0, 4, 4}, 0);
    PaintControlFace(data, EmptyBackground, false, destination.View(), 0, 0, {0, 0, 5, 4}, 0);
    EXPECT_TRUE(destination.SamePixels(Filled(4, 4, 0)));
}

#ifdef KORVANE_GRAPHITE_DIR
// Faces of the internal skin's sections, painted from the loaded tables. The pictures are also
// written as PNG files next to the temporary folder so a developer can look at them.
class GraphiteFaces : public ::testing::Test {
protected:
    void SetUp() override
    {
        const std::string folder = KORVANE_GRAPHITE_DIR;
        m_manager.LoadSkinFromFolder(std::u16string(folder.begin(), folder.end()), u"Graphite (internal)");
    }
    Bitmap32 Face(const std::u16string& section, int width, int height, int state, const ParentBackground& parent)
    {
        Bitmap32 face(width, height);
        ControlFaceData data;
        data.SectionName = section;
        data.SectionIndex = m_manager.Tables().FindSection(section);
        data.Manager = &m_source;
        PaintControlFace(data, parent, true, face.View(), 0, 0, {0, 0, width, height}, state);
        return face;
    }
    static void Save(const Bitmap32& picture, const std::string& name)
    {
        std::vector<std::uint32_t> pixels;
        for (int y = 0; y < picture.Height(); ++y) {
            for (int x = 0; x < picture.Width(); ++x) {
                pixels.push_back(picture.Pixel(x, y));
            }
        }
        const auto bytes = test::MakePng(picture.Width(), picture.Height(), pixels, true);
        std::ofstream((std::filesystem::temp_directory_path() / (name + ".png")).string(), std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    PortableSkinPlatform m_platform;
    SkinManagerCore m_manager{m_platform};
    SkinTablesPaintSource m_source{m_manager.Tables()};
};

TEST_F(GraphiteFaces, ButtonFacesAreOpaqueAndDifferByState)
{
    ASSERT_GE(m_manager.Tables().FindSection(u"BUTTON"), 0);
    const ParentBackground parent = ColorBackground(0x00251E20);
    const Bitmap32 normal = Face(u"BUTTON", 75, 25, 0, parent);
    const Bitmap32 hot = Face(u"BUTTON", 75, 25, 1, parent);
    const Bitmap32 pressed = Face(u"BUTTON", 75, 25, 2, parent);
    Save(normal, "korvane-button-normal");
    Save(hot, "korvane-button-hot");
    Save(pressed, "korvane-button-pressed");
    for (const Bitmap32* face : {&normal, &hot, &pressed}) {
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 75; ++x) {
                ASSERT_NE(face->Pixel(x, y), TransparentKey) << x << "," << y;
                ASSERT_EQ(face->Pixel(x, y) >> 24, 0xFFu) << x << "," << y;
            }
        }
    }
    EXPECT_FALSE(normal.SamePixels(hot));
    EXPECT_FALSE(hot.SamePixels(pressed));
    // The centre of the face shows the section's vertical gradient (4603708 -> 4077621), not the
    // parent colour.
    EXPECT_NE(normal.Pixel(37, 12) & 0x00FFFFFFu, ColorToPixel(0x00251E20) & 0x00FFFFFFu);
}

TEST_F(GraphiteFaces, FormTitleTakesTheTexturedGradientPath)
{
    const int section = m_manager.Tables().FindSection(u"FORMTITLE");
    ASSERT_GE(section, 0);
    const Bitmap32 title = Face(u"FORMTITLE", 353, 30, 1, EmptyBackground);
    Save(title, "korvane-formtitle");
    // Texture tiles of 48 pixels: the textured gradient repeats along a row every tile width
    // where the (vertical) gradient is the same.
    EXPECT_EQ(title.Pixel(3, 10), title.Pixel(51, 10));
    EXPECT_EQ(title.Pixel(3, 10) >> 24, 0xFFu);
}
#endif

} // namespace
} // namespace korvane
