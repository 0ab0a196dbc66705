#include "controls/disabled_look.h"

#include <gtest/gtest.h>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

constexpr TsDisabledKind kGrayed{false, true};
constexpr TsDisabledKind kBlended{true, false};
constexpr TsDisabledKind kBoth{true, true};

TEST(DisabledLook, GrayedTurnsEveryPixelGreyKeepingAlpha)
{
    Bitmap32 face = Filled(2, 1, 0x80FF0000);
    face.SetPixel(1, 0, 0x00102030);
    ApplyDisabledLook(face.View(), kGrayed, ColorBackground(0x000000FF), 0);
    EXPECT_EQ(face.Pixel(0, 0), 0x80555555);
    EXPECT_EQ(face.Pixel(1, 0), 0x00202020);
    // Neither kind: nothing changes.
    const Bitmap32 before = face;
    ApplyDisabledLook(face.View(), {false, false}, ColorBackground(0x000000FF), 0);
    EXPECT_TRUE(face.SamePixels(before));
}

TEST(DisabledLook, BitmapBackgroundIsBlendedKeepingPointFourOfTheFace)
{
    // Face pixel (x, y) lies over background pixel (x + 1, y + 2).
    Bitmap32 background = Filled(4, 4, 0xFFC8C8C8); // 200
    background.SetPixel(2, 2, TransparentKey);
    Bitmap32 face = Filled(2, 2, 0x40646464); // 100
    ApplyDisabledLook(face.View(), kBlended, BitmapBackground(background.ReadView(), 1, 2), 0);
    // round(200 - (200 - 100) * 0.4) = 160; the face's alpha stays.
    EXPECT_EQ(face.Pixel(0, 0), 0x40A0A0A0);
    EXPECT_EQ(face.Pixel(0, 1), 0x40A0A0A0);
    // Over a key pixel of the background: untouched.
    EXPECT_EQ(face.Pixel(1, 0), 0x40646464u);
    EXPECT_EQ(face.Pixel(1, 1), 0x40A0A0A0);
    // Where the background does not reach (left of it, below it): untouched.
    Bitmap32 low = Filled(2, 2, 0x40646464);
    ApplyDisabledLook(low.View(), kBlended, BitmapBackground(background.ReadView(), -1, 3), 0);
    EXPECT_EQ(low.Pixel(0, 0), 0x40646464u);
    EXPECT_EQ(low.Pixel(1, 0), 0x40A0A0A0);
    EXPECT_EQ(low.Pixel(1, 1), 0x40646464u);
}

TEST(DisabledLook, GreyComesBeforeTheBlend)
{
    Bitmap32 background = Filled(1, 1, 0xFF000000);
    Bitmap32 face = Filled(1, 1, 0xFFFF0000);
    ApplyDisabledLook(face.View(), kBoth, BitmapBackground(background.ReadView(), 0, 0), 0);
    // Grey 85, then round(0 + 85 * 0.4) = 34.
    EXPECT_EQ(face.Pixel(0, 0), 0xFF222222);
}

TEST(DisabledLook, ColourBackgroundTintsHalfway)
{
    // round(0.5 * 100 + 0.5 * 201) = round(150.5) = 150 (to even); blue round(50 + 0) = 50.
    Bitmap32 face = Filled(3, 2, 0x7F646464);
    ApplyDisabledLook(face.View(), kBlended, ColorBackground(0x0000C9C9), 0x00FFFFFF);
    EXPECT_EQ(face.Pixel(2, 1), 0x7F969632);
    // An unknown background colour takes the parent control's colour.
    face = Filled(3, 2, 0x7F646464);
    ApplyDisabledLook(face.View(), kBlended, EmptyBackground, 0x00C9C9C9);
    EXPECT_EQ(face.Pixel(0, 0), 0x7F969696);
}

} // namespace
} // namespace korvane
