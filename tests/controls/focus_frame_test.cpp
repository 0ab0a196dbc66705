#include "controls/focus_frame.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gfx/bitmap32.h"
#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Filled;

constexpr std::uint32_t kColorA = 0x00336699; // R 0x99, G 0x66, B 0x33
constexpr std::uint32_t kPixelA = 0xFF996633;
constexpr std::uint32_t kPixelB = 0xFF000000;
constexpr std::uint32_t kUntouched = 0x11223344;

// The bitmap as rows of 'A', 'B' and '.' (untouched); '?' for anything else.
std::vector<std::string> Picture(const Bitmap32& bitmap)
{
    std::vector<std::string> rows;
    for (int y = 0; y < bitmap.Height(); ++y) {
        std::string row;
        for (int x = 0; x < bitmap.Width(); ++x) {
            const std::uint32_t p = bitmap.Pixel(x, y);
            row += p == kPixelA ? 'A' : p == kPixelB ? 'B' : p == kUntouched ? '.' : '?';
        }
        rows.push_back(row);
    }
    return rows;
}

TEST(FocusFrame, EveryThirdPixelIsBWithAToItsLeftOrAbove)
{
    Bitmap32 bitmap = Filled(10, 8, kUntouched);
    // Edges at x 1 and 7, y 1 and 5: six pixels across (dots at 1, 4, 7), four down (at 1, 4).
    DrawFocusFrame(bitmap.View(), {1, 1, 8, 6}, kColorA, 0);
    const std::vector<std::string> expected{
        ".A.....A..", //
        "AB.AB.AB..", //
        "..........", //
        ".A.....A..", //
        ".B.....B..", //
        "AB.AB.AB..", //
        "..........", //
        "..........",
    };
    EXPECT_EQ(Picture(bitmap), expected);
}

TEST(FocusFrame, PixelsOffTheBitmapAreLeftAlone)
{
    // A 4 x 4 view inside an 8 x 8 bitmap: nothing outside the view may change.
    Bitmap32 backing = Filled(8, 8, kUntouched);
    const BitmapView whole = backing.View();
    const BitmapView view{whole.Data + 2 * whole.Stride + 2 * 4, 4, 4, whole.Stride};
    DrawFocusFrame(view, {0, 0, 4, 4}, kColorA, 0);
    const std::vector<std::string> expected{
        "........", //
        "........", //
        "..B.AB..", //
        "........", //
        "..A..A..", //
        "..B.AB..", //
        "........", //
        "........",
    };
    EXPECT_EQ(Picture(backing), expected);

    // Reaching past the right and bottom: only the view's pixels change.
    Bitmap32 second = Filled(8, 8, kUntouched);
    const BitmapView inner{second.View().Data + 2 * whole.Stride + 2 * 4, 4, 4, whole.Stride};
    DrawFocusFrame(inner, {1, 1, 20, 20}, kColorA, 0);
    const std::vector<std::string> rows = Picture(second);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            if (x < 2 || x >= 6 || y < 2 || y >= 6) {
                EXPECT_EQ(rows[y][x], '.') << x << "," << y;
            }
        }
    }
    EXPECT_EQ(rows[3].substr(2, 4), "AB.A");
}

TEST(FocusFrame, EmptyRectangleDrawsNothing)
{
    Bitmap32 bitmap = Filled(6, 6, kUntouched);
    DrawFocusFrame(bitmap.View(), {3, 3, 3, 5}, kColorA, 0);
    DrawFocusFrame(bitmap.View(), {3, 3, 5, 2}, kColorA, 0);
    EXPECT_TRUE(bitmap.SamePixels(Filled(6, 6, kUntouched)));
}

} // namespace
} // namespace korvane
