#include "skin/shadow_images.h"

#include <gtest/gtest.h>

#include <memory>

#include "skin/skin_tables.h"

namespace korvane {
namespace {

TsMaskData ExBorder(int frames)
{
    TsMaskData mask;
    mask.Image = std::make_shared<Bitmap32>(8, 3);
    mask.Image->SetPixel(0, 0, 0x00FFFFFF); // transparent white in the first frame
    mask.Image->SetPixel(4, 0, 0x80000001); // second frame
    mask.Rect = PixelRect{0, 0, 8, 3};
    mask.ImageCount = static_cast<int16_t>(frames);
    mask.LeftWidth = 9;
    mask.TopWidth = 8;
    mask.RightWidth = 7;
    mask.BottomWidth = 6;
    return mask;
}

TEST(ShadowImages, NothingWithoutExtendedBorders)
{
    SkinTables tables;
    const ShadowImages shadows = PrepareShadowImages(tables, -1, false, Bitmap32(2, 2), Bitmap32(2, 2), false);
    EXPECT_FALSE(shadows.Made);
    EXPECT_EQ(shadows.Margins, (std::array<int, 4>{0, 0, 0, 0}));
    EXPECT_TRUE(shadows.Active.Empty());
}

TEST(ShadowImages, ExBorderFramesGiveInactiveAndActiveWithWidthsMinusFormOffset)
{
    SkinTables tables;
    tables.SkinData.FormOffset = 4;
    tables.Masks.push_back(ExBorder(2));
    const ShadowImages shadows = PrepareShadowImages(tables, 0, true, Bitmap32(), Bitmap32(), false);
    EXPECT_TRUE(shadows.Made);
    EXPECT_EQ(shadows.Margins, (std::array<int, 4>{5, 4, 3, 2}));
    ASSERT_EQ(shadows.Inactive.Width(), 4);
    EXPECT_EQ(shadows.Inactive.Pixel(0, 0), 0u);
    EXPECT_EQ(shadows.Active.Pixel(0, 0), 0x80000001u);
    tables.SkinData.BorderMode = 1;
    tables.Masks[0] = ExBorder(1);
    const ShadowImages single = PrepareShadowImages(tables, 0, true, Bitmap32(), Bitmap32(), false);
    EXPECT_EQ(single.Margins, (std::array<int, 4>{4, 4, 4, 4}));
    EXPECT_EQ(single.Active.Width(), 8);
    EXPECT_TRUE(single.Active.SamePixels(single.Inactive));
}

TEST(ShadowImages, BuiltinPicturesWithTheirMarginsOneLargerUnderComposition)
{
    SkinTables tables;
    Bitmap32 active(3, 3);
    active.Fill(0x00FFFFFF);
    const ShadowImages plain = PrepareShadowImages(tables, -1, true, active, Bitmap32(3, 3), false);
    EXPECT_EQ(plain.Margins, kBuiltinShadowMargins);
    EXPECT_EQ(plain.Active.Pixel(1, 1), 0u);
    const ShadowImages composed = PrepareShadowImages(tables, -1, true, active, Bitmap32(3, 3), true);
    EXPECT_EQ(composed.Margins, (std::array<int, 4>{12, 11, 12, 13}));
}

} // namespace
} // namespace korvane
