#include "render/control_border.h"

#include <gtest/gtest.h>

#include "gfx/bitmap32.h"
#include "render/fake_skin.h"

namespace korvane {
namespace {

using namespace korvane::testing;

TsGeneralData BorderSection(int borderIndex)
{
    TsGeneralData section;
    section.States = 2;
    section.BorderIndex = borderIndex;
    return section;
}

TsMaskData Border(int maskType)
{
    TsMaskData entry;
    entry.Rect = {0, 0, 6, maskType == 1 ? 12 : 6};
    entry.ImageCount = 1;
    entry.MaskType = static_cast<std::int16_t>(maskType);
    entry.DrawMode = 1;
    entry.LeftWidth = entry.TopWidth = entry.RightWidth = entry.BottomWidth = 2;
    return entry;
}

ControlBorderData Data(FakeSkin& skin, Bitmap32& cache)
{
    ControlBorderData data;
    data.SectionIndex = 0;
    data.Manager = &skin;
    data.BackgroundColor = [](int state) { return state == 0 ? 0x0000FFu : 0x00FF00u; };
    data.ParentAnswer = [] { return ColorBackground(0x000000); };
    data.Cache = cache.View();
    return data;
}

TEST(ControlBorder, WithoutMaskFillsAFrameOfTheAskedWidthOnTheTarget)
{
    FakeSkin skin;
    skin.Sections.push_back(BorderSection(-1));
    Bitmap32 cache = Filled(8, 8, 0);
    Bitmap32 target = Filled(8, 8, 0);
    const PixelRect client = PaintControlBorder(target.View(), {0, 0, 8, 8}, 2, 0, Data(skin, cache));
    EXPECT_EQ(client, (PixelRect{2, 2, 6, 6}));
    EXPECT_EQ(target.Pixel(1, 4), 0xFFFF0000u);
    EXPECT_EQ(target.Pixel(2, 2), 0u);
    EXPECT_EQ(cache.Pixel(1, 4), 0u);
}

TEST(ControlBorder, MaskGivesTheClientInsideItsWidthsAndWiderBordersAreFilledWithTheColour)
{
    FakeSkin skin;
    skin.Sections.push_back(BorderSection(0));
    skin.Masks.push_back(Border(0));
    Bitmap32 cache = Filled(10, 10, 0);
    const PixelRect client = PaintControlBorder(cache.View(), {0, 0, 10, 10}, 0, 1, Data(skin, cache));
    EXPECT_EQ(client, (PixelRect{2, 2, 8, 8}));
    EXPECT_EQ(cache.Pixel(0, 0), Code(0, 0));
    EXPECT_EQ(cache.Pixel(9, 9), Code(5, 5));

    Bitmap32 wide = Filled(10, 10, 0);
    const PixelRect inner = PaintControlBorder(wide.View(), {0, 0, 10, 10}, 3, 1, Data(skin, wide));
    EXPECT_EQ(inner, (PixelRect{3, 3, 7, 7}));
    EXPECT_EQ(wide.Pixel(2, 5), 0xFF00FF00u); // the strip between 2 and 3, hot colour
    EXPECT_EQ(wide.Pixel(3, 5), 0u);
}

TEST(ControlBorder, BorderPaintedInTheCacheIsCopiedToAnotherTarget)
{
    FakeSkin skin;
    skin.Sections.push_back(BorderSection(0));
    skin.Masks.push_back(Border(0));
    Bitmap32 cache = Filled(10, 10, 0);
    Bitmap32 target = Filled(10, 10, 0x11111111);
    PaintControlBorder(target.View(), {0, 0, 10, 10}, 2, 0, Data(skin, cache));
    EXPECT_EQ(target.Pixel(0, 0), Code(0, 0));
    EXPECT_EQ(target.Pixel(9, 5), cache.Pixel(9, 5));
    EXPECT_EQ(target.Pixel(5, 5), 0x11111111u);
}

TEST(ControlBorder, MaskedBorderOverAColourParentStartsFromAFrameOfTheColour)
{
    FakeSkin skin;
    skin.Sections.push_back(BorderSection(0));
    TsMaskData masked = Border(1);
    skin.Masks.push_back(masked);
    // Mask rows (6..11) of the master bitmap are Code pixels; make them white so the colour
    // underneath stays (almost) untouched.
    for (int y = 6; y < 12; ++y) {
        for (int x = 0; x < 6; ++x) {
            skin.Master.SetPixel(x, y, 0xFFFFFFFF);
        }
    }
    Bitmap32 cache = Filled(8, 8, 0);
    PaintControlBorder(cache.View(), {0, 0, 8, 8}, 0, 0, Data(skin, cache));
    // (255 * D + S) >> 8 with D the blue colour frame 0xFF0000FF (red 255) and S = Code(0, 0)
    EXPECT_EQ(cache.Pixel(0, 0) & 0x00FF0000u, static_cast<std::uint32_t>((255 * 255 + 0) >> 8) << 16);
    EXPECT_EQ(cache.Pixel(4, 4), 0u); // inside the frame nothing was prepared
}

} // namespace
} // namespace korvane
