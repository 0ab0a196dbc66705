#include "gfx/bitmap32.h"

#include <gtest/gtest.h>

#include "gfx/pixel_rect.h"

#include <utility>

namespace korvane {
namespace {

TEST(Bitmap32, NewBitmapIsTransparentBlackWithFourBytesPerPixel)
{
    Bitmap32 bitmap(5, 3);
    EXPECT_EQ(bitmap.Width(), 5);
    EXPECT_EQ(bitmap.Height(), 3);
    EXPECT_EQ(bitmap.Stride(), 20);
    EXPECT_EQ(bitmap.Row(2) - bitmap.Row(0), 10);
    EXPECT_EQ(bitmap.Pixel(4, 2), 0u);
    EXPECT_TRUE(Bitmap32(0, 7).Empty());
    EXPECT_TRUE(Bitmap32(-2, 7).Empty());
}

TEST(Bitmap32, PixelBytesAreBlueGreenRedAlpha)
{
    Bitmap32 bitmap(1, 1);
    bitmap.SetPixel(0, 0, 0x80112233);
    EXPECT_EQ(bitmap.Bits()[0], 0x33);
    EXPECT_EQ(bitmap.Bits()[1], 0x22);
    EXPECT_EQ(bitmap.Bits()[2], 0x11);
    EXPECT_EQ(bitmap.Bits()[3], 0x80);
}

TEST(Bitmap32, CopiesAreDeepAndMovesKeepThePixels)
{
    Bitmap32 bitmap(2, 2);
    bitmap.Fill(0xFF0000FF);
    Bitmap32 copy = bitmap;
    copy.SetPixel(0, 0, 1);
    EXPECT_EQ(bitmap.Pixel(0, 0), 0xFF0000FFu);
    Bitmap32 moved = std::move(copy);
    EXPECT_EQ(moved.Pixel(0, 0), 1u);
    EXPECT_EQ(moved.Pixel(1, 1), 0xFF0000FFu);
    EXPECT_TRUE(copy.Empty());
    EXPECT_FALSE(moved.SamePixels(bitmap));
    moved.SetPixel(0, 0, 0xFF0000FF);
    EXPECT_TRUE(moved.SamePixels(bitmap));
}

TEST(Bitmap32, ACopyOfBorrowedMemoryOwnsItsPixels)
{
    // Memory owned elsewhere (a DIB section's bits), here bottom-up with padded rows.
    uint32_t pixels[2][3] = {{7, 8, 0xDEAD}, {5, 6, 0xBEEF}};
    const BitmapView borrowed{reinterpret_cast<uint8_t*>(pixels[1]), 2, 2, -12};
    Bitmap32 owned = CopyOfView(borrowed);
    pixels[1][0] = 9;
    ASSERT_EQ(owned.Width(), 2);
    ASSERT_EQ(owned.Height(), 2);
    EXPECT_EQ(owned.Pixel(0, 0), 5u);
    EXPECT_EQ(owned.Pixel(1, 0), 6u);
    EXPECT_EQ(owned.Pixel(0, 1), 7u);
    EXPECT_EQ(owned.Pixel(1, 1), 8u);
    EXPECT_EQ(owned.Stride(), 8) << "an owned copy has packed rows";
    EXPECT_TRUE(CopyOfView(BitmapView{}).Empty());
}

TEST(Bitmap32, CopyOfARectangleIsClippedToTheBitmap)
{
    Bitmap32 bitmap(4, 4);
    bitmap.SetPixel(3, 3, 7);
    const Bitmap32 part = bitmap.Copy(2, 2, 5, 5);
    EXPECT_EQ(part.Width(), 2);
    EXPECT_EQ(part.Height(), 2);
    EXPECT_EQ(part.Pixel(1, 1), 7u);
    EXPECT_TRUE(bitmap.Copy(4, 0, 2, 2).Empty());
}

TEST(Bitmap32, CopyOfAnExtremeRectangleIsClippedWithoutWrapping)
{
    // A title icon kept from the hue shift may name any rectangle of the file.
    Bitmap32 bitmap(4, 4);
    bitmap.SetPixel(3, 1, 9);
    const Bitmap32 part = bitmap.Copy(1, 0, 2147483647, 2);
    EXPECT_EQ(part.Width(), 3);
    EXPECT_EQ(part.Height(), 2);
    EXPECT_EQ(part.Pixel(2, 1), 9u);
    const Bitmap32 tall = bitmap.Copy(0, 2, 1, 2147483647);
    EXPECT_EQ(tall.Height(), 2);
}

TEST(PixelRect, SizesOfExtremeRectanglesSaturate)
{
    const PixelRect wide{-2147483647 - 1, -2147483647 - 1, 2147483647, 2147483647};
    EXPECT_EQ(wide.Width(), 2147483647);
    EXPECT_EQ(wide.Height(), 2147483647);
    const PixelRect inverted{2147483647, 2147483647, -2147483647 - 1, -2147483647 - 1};
    EXPECT_EQ(inverted.Width(), -2147483647 - 1);
    EXPECT_TRUE(inverted.IsEmpty());
    EXPECT_EQ(wide.Offset(5, -5).Right, 2147483647);
}

} // namespace
} // namespace korvane
