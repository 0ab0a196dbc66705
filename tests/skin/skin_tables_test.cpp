#include "skin/skin_tables.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TsGeneralData Section(const std::u16string& name, const std::u16string& parent = u"")
{
    TsGeneralData data;
    data.SectionName = name;
    data.ParentClass = parent;
    return data;
}

TsMaskData Mask(const std::u16string& section, const std::u16string& key, uint8_t type = kImgBordersMask)
{
    TsMaskData mask;
    mask.SectionName = section;
    mask.PropertyName = key;
    mask.ImgType = type;
    return mask;
}

class SkinLookups : public ::testing::Test {
protected:
    void SetUp() override
    {
        tables.Sections = {
            Section(u"BUTTON"),          Section(u"SPEEDBUTTON", u"BUTTON"), Section(u"TOOLBUTTON", u"SPEEDBUTTON"),
            Section(u"LOOPA", u"LOOPB"), Section(u"LOOPB", u"LOOPA"),        Section(u"SELF", u"SELF")};
        tables.Masks = {Mask(u"BUTTON", u"BORDERSMASK"), Mask(u"BUTTON", u"PATTERN", kImgTexture),
                        Mask(u"SPEEDBUTTON", u"PATTERN", kImgGlyph), Mask(u"BUTTON", u"BORDERSMASK")};
    }
    SkinTables tables;
};

TEST_F(SkinLookups, FindSectionIsCaseSensitiveAndFindsTheFirst)
{
    EXPECT_EQ(tables.FindSection(u"BUTTON"), 0);
    EXPECT_EQ(tables.FindSection(u"button"), -1);
    EXPECT_EQ(tables.FindSection(u""), -1);
}

TEST_F(SkinLookups, FindMaskFollowsParentClassFindMaskExactDoesNot)
{
    EXPECT_EQ(tables.FindMask(2, u"TOOLBUTTON", u"BORDERSMASK"), 0);
    EXPECT_EQ(tables.FindMaskExact(u"TOOLBUTTON", u"BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindMaskExact(u"BUTTON", u"BORDERSMASK"), 0);
    EXPECT_EQ(tables.FindMask(-1, u"BUTTON", u"BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindMask(0, u"", u"BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindMaskExact(u"", u""), -1);
    EXPECT_EQ(tables.FindMask(0, u"BUTTON", u"bordersmask"), -1);
}

TEST_F(SkinLookups, FindTextureCountsOnlyTexturesAndFindPatternNeedsPatterns)
{
    // SPEEDBUTTON's own PATTERN is a glyph: the texture comes from its parent.
    EXPECT_EQ(tables.FindMask(1, u"SPEEDBUTTON", u"PATTERN"), 2);
    EXPECT_EQ(tables.FindTexture(1, u"SPEEDBUTTON", u"PATTERN"), 1);
    EXPECT_EQ(tables.FindPattern(1, u"SPEEDBUTTON", u"PATTERN"), -1);
    tables.Patterns.push_back(TsPatternData{nullptr, u"BUTTON", u"PATTERN"});
    EXPECT_EQ(tables.FindPattern(2, u"TOOLBUTTON", u"PATTERN"), 0);
    tables.Masks.clear();
    EXPECT_EQ(tables.FindTexture(0, u"BUTTON", u"PATTERN"), -1);
}

TEST_F(SkinLookups, LoopingAndSelfNamedParentsEndWithNone)
{
    EXPECT_EQ(tables.FindMask(3, u"LOOPA", u"BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindMask(5, u"SELF", u"BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindTexture(4, u"LOOPB", u"PATTERN"), -1);
}

TEST_F(SkinLookups, ValidityChecksCoverTheTableBounds)
{
    EXPECT_TRUE(tables.IsValidSection(5));
    EXPECT_FALSE(tables.IsValidSection(6));
    EXPECT_FALSE(tables.IsValidSection(-1));
    EXPECT_TRUE(tables.IsValidMask(3));
    EXPECT_FALSE(tables.IsValidMask(4));
}

TEST(SkinMaskWidths, SideWidthThenUniformWidthThenFrameSize)
{
    SkinTables tables;
    TsMaskData mask;
    mask.Rect = PixelRect{0, 0, 90, 40};
    mask.ImageCount = 3;
    mask.MaskType = 1;
    mask.LeftWidth = 4;
    tables.Masks.push_back(mask);
    EXPECT_EQ(tables.MaskLeftWidth(0), 4);
    EXPECT_EQ(tables.MaskRightWidth(0), 30); // frame width 90 / 3
    EXPECT_EQ(tables.MaskTopWidth(0), 20);   // frame height 40 / 2
    tables.Masks[0].UniformWidth = 6;
    EXPECT_EQ(tables.MaskRightWidth(0), 6);
    EXPECT_EQ(tables.MaskBottomWidth(0), 6);
    EXPECT_EQ(tables.MaskLeftWidth(7), 0);
}

TEST(SkinMaskWidths, LeftWidthTurnsZeroFramesIntoOne)
{
    SkinTables tables;
    TsMaskData mask;
    mask.Rect = PixelRect{10, 0, 40, 12};
    mask.ImageCount = 0;
    tables.Masks.push_back(mask);
    EXPECT_EQ(tables.Masks[0].FrameWidth(), 0);
    EXPECT_EQ(tables.MaskLeftWidth(0), 30);
    EXPECT_EQ(tables.Masks[0].ImageCount, 1);
}

TEST(SkinMaskWidths, FrameSizesFollowCountAndRows)
{
    TsMaskData mask;
    mask.Rect = PixelRect{0, 0, 100, 31};
    mask.ImageCount = 3;
    mask.MaskType = 0;
    EXPECT_EQ(mask.FrameWidth(), 33);
    EXPECT_EQ(mask.FrameHeight(), 31);
    mask.MaskType = 1;
    EXPECT_EQ(mask.FrameHeight(), 15);
    mask.MaskType = 2;
    EXPECT_EQ(mask.FrameHeight(), 10);
    mask.MaskType = -1;
    EXPECT_EQ(mask.FrameHeight(), 0);
}

} // namespace
} // namespace korvane
