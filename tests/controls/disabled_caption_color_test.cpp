#include "controls/disabled_caption_color.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(DisabledCaptionColor, MixesFortyPercentFontColourWithSixtyPercentGlobalColour)
{
    // FONTCOLOR 14603725 = 0xDED5CD (R 205, G 213, B 222), GlobalColor 5719359 = 0x57453F
    // (R 63, G 69, B 87): R 82 + 37.8 = 119.8 -> 120, G 85.2 + 41.4 = 126.6 -> 127,
    // B 88.8 + 52.2 = 141.
    EXPECT_EQ(DisabledCaptionColor(14603725, 5719359), 141u * 65536 + 127 * 256 + 120);
    // The font colour's red keeps 0.4 (102), the global colour's blue 0.6 (153).
    EXPECT_EQ(DisabledCaptionColor(0x000000FF, 0x00FF0000), 0x00990066u);
    // Nothing but the colour bytes is mixed.
    EXPECT_EQ(DisabledCaptionColor(0xFF000000, 0x7F000000), 0u);
}

} // namespace
} // namespace korvane
