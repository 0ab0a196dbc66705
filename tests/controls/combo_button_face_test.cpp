#include "controls/combo_button_face.h"

#include <gtest/gtest.h>

#include "support/test_bitmaps.h"

namespace korvane {
namespace {

using testing::Code;
using testing::Coded;
using testing::Filled;

// A skin of one opaque COMBOBTN section (red in every state) and an arrow of three 4 x 2 frames
// side by side over a coded master picture, so a pixel tells which frame it came from.
struct ComboSkin {
    SkinTables Tables;
    TsIndexCache::ComboButton Indexes;

    ComboSkin()
    {
        *Tables.MasterBitmap = Coded(16, 8);
        TsGeneralData section;
        section.SectionName = u"COMBOBTN";
        section.States = 3;
        section.Props[0].Color = 0x000000FF;
        section.Props[1] = section.Props[0];
        Tables.Sections.push_back(section);
        TsMaskData arrow;
        arrow.Rect = {0, 4, 12, 6};
        arrow.ImageCount = 3;
        Tables.Masks.push_back(arrow);
        Indexes.Section = 0;
        Indexes.GlyphMask = 0;
    }
};

TEST(ComboButtonFace, TheSectionFillsOnlyTheButtonAndTheStatesArrowFrameStandsCentred)
{
    const ComboSkin skin;
    Bitmap32 face = Filled(40, 20, 0xFF000000u);
    const PixelRect button{24, 2, 38, 18};
    PaintComboButtonFace(skin.Tables, skin.Indexes, face.View(), button, 2);
    EXPECT_EQ(face.Pixel(25, 3), 0xFFFF0000u);
    EXPECT_EQ(face.Pixel(23, 3), 0xFF000000u);
    EXPECT_EQ(face.Pixel(38, 10), 0xFF000000u);
    // 4 x 2 frames: across the 14-pixel button from x = 29, down the 20-pixel face from y = 9;
    // state 2 is the third frame (x 8..11 of the master picture).
    EXPECT_EQ(face.Pixel(29, 9), Code(8, 4));
    EXPECT_EQ(face.Pixel(32, 10), Code(11, 5));
}

TEST(ComboButtonFace, AStateBeyondTheArrowsFramesShowsItsLastAndAMissingSkinPartIsLeftOut)
{
    ComboSkin skin;
    Bitmap32 face = Filled(40, 20, 0xFF000000u);
    PaintComboButtonFace(skin.Tables, skin.Indexes, face.View(), {24, 2, 38, 18}, 7);
    EXPECT_EQ(face.Pixel(29, 9), Code(8, 4));

    skin.Indexes.Section = -1;
    skin.Indexes.GlyphMask = 5;
    Bitmap32 untouched = Filled(40, 20, 0xFF000000u);
    PaintComboButtonFace(skin.Tables, skin.Indexes, untouched.View(), {24, 2, 38, 18}, 1);
    EXPECT_TRUE(untouched.SamePixels(Filled(40, 20, 0xFF000000u)));
}

} // namespace
} // namespace korvane
