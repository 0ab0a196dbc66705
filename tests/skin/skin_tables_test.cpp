#include "skin/skin_tables.h"
#include "encoding/utf8.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

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

// Random tables with everything the lookups must get right: duplicate names, parents that are
// missing, the section itself, loops of several sections, empty names, several entries per key.
SkinTables RandomTables(std::mt19937& random)
{
    const auto pick = [&](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    const std::u16string names[] = {u"A", u"B", u"C", u"D", u"E", u"F", u"G", u"", u"MISSING"};
    const std::u16string keys[] = {u"BORDERSMASK", u"IMGTOPLEFT", u"PATTERN", u"IMGBTMRIGHT"};
    SkinTables tables;
    const int sections = 1 + pick(12);
    for (int i = 0; i < sections; ++i) {
        const std::u16string name = i == 0 && pick(4) == 0 ? u"GLOBALINFO" : names[pick(8)];
        tables.Sections.push_back(Section(name, pick(5) == 0 ? u"" : names[pick(9)]));
    }
    const int masks = pick(15);
    for (int i = 0; i < masks; ++i) {
        tables.Masks.push_back(Mask(names[pick(8)], keys[pick(4)], static_cast<uint8_t>(pick(3))));
    }
    const int patterns = pick(4);
    for (int i = 0; i < patterns; ++i) {
        TsPatternData pattern;
        pattern.SectionName = names[pick(8)];
        pattern.PropertyName = keys[pick(4)];
        tables.Patterns.push_back(pattern);
    }
    return tables;
}

TEST(SkinLookupIndex, IndexedLookupsAnswerAsTheScansDo)
{
    std::mt19937 random(20261209);
    const std::u16string keys[] = {u"BORDERSMASK", u"IMGTOPLEFT", u"PATTERN", u"IMGBTMRIGHT", u"NONE"};
    for (int round = 0; round < 300; ++round) {
        const SkinTables scanned = RandomTables(random);
        SkinTables indexed = scanned;
        indexed.IndexLookups();
        const int count = static_cast<int>(scanned.Sections.size());
        for (const TsGeneralData& section : scanned.Sections) {
            ASSERT_EQ(indexed.FindSection(section.SectionName), scanned.FindSection(section.SectionName));
            ASSERT_EQ(indexed.FindSection(section.ParentClass), scanned.FindSection(section.ParentClass));
        }
        for (int i = -1; i <= count; ++i) {
            const std::u16string name =
                i >= 0 && i < count ? scanned.Sections[static_cast<std::size_t>(i)].SectionName : std::u16string(u"A");
            for (const std::u16string& key : keys) {
                ASSERT_EQ(indexed.FindMask(i, name, key), scanned.FindMask(i, name, key)) << round;
                ASSERT_EQ(indexed.FindTexture(i, name, key), scanned.FindTexture(i, name, key)) << round;
                ASSERT_EQ(indexed.FindPattern(i, name, key), scanned.FindPattern(i, name, key)) << round;
                ASSERT_EQ(indexed.FindMaskExact(name, key), scanned.FindMaskExact(name, key)) << round;
                // A caller may name a section other than the one at the index.
                ASSERT_EQ(indexed.FindMask(i, u"B", key), scanned.FindMask(i, u"B", key)) << round;
            }
        }
        // Resolving every section at once gives what one search per section gives.
        indexed.ResolveSectionImages();
        for (int i = 0; i < count; ++i) {
            const TsGeneralData& section = indexed.Sections[static_cast<std::size_t>(i)];
            const bool global = section.SectionName == u"GLOBALINFO";
            EXPECT_EQ(section.BorderIndex, global ? -1 : scanned.FindMask(i, section.SectionName, u"BORDERSMASK"));
            EXPECT_EQ(section.ImgTopLeft, global ? -1 : scanned.FindMask(i, section.SectionName, u"IMGTOPLEFT"));
            EXPECT_EQ(section.ImgBottomRight, global ? -1 : scanned.FindMask(i, section.SectionName, u"IMGBTMRIGHT"));
            EXPECT_EQ(section.ImgTopRight, -1);
        }
    }
}

TEST(SkinLookupIndex, ADeepChainFindsItsRootsEntryFromEverySectionAndALoopBelowItFindsNothing)
{
    SkinTables tables;
    constexpr int kDepth = 3000;
    tables.Sections.push_back(Section(u"S0"));
    for (int i = 1; i < kDepth; ++i) {
        tables.Sections.push_back(
            Section(u"S" + Utf8Decode(std::to_string(i)), u"S" + Utf8Decode(std::to_string(i - 1))));
    }
    tables.Sections.push_back(Section(u"LOOPA", u"LOOPB"));
    tables.Sections.push_back(Section(u"LOOPB", u"LOOPA"));
    tables.Sections.push_back(Section(u"UNDER", u"LOOPA"));
    tables.Masks.push_back(Mask(u"S0", u"BORDERSMASK"));
    tables.IndexLookups();
    // From the deepest section up, then from the top down: both through the remembered answers.
    for (int i = kDepth - 1; i >= 0; --i) {
        ASSERT_EQ(tables.FindMask(i, tables.Sections[static_cast<std::size_t>(i)].SectionName, u"BORDERSMASK"), 0) << i;
    }
    for (int i = 0; i < kDepth; ++i) {
        ASSERT_EQ(tables.FindMask(i, tables.Sections[static_cast<std::size_t>(i)].SectionName, u"BORDERSMASK"), 0) << i;
    }
    EXPECT_EQ(tables.FindMask(kDepth + 2, u"UNDER", u"BORDERSMASK"), -1);
    EXPECT_EQ(tables.FindMask(kDepth + 1, u"LOOPB", u"BORDERSMASK"), -1);
    tables.ResolveSectionImages();
    EXPECT_EQ(tables.Sections[kDepth - 1].BorderIndex, 0);
    EXPECT_EQ(tables.Sections[kDepth].BorderIndex, -1);
}

TEST(SkinLookupIndex, TablesThatChangeSizeAreScannedAgain)
{
    SkinTables tables;
    tables.Sections = {Section(u"A"), Section(u"B", u"A")};
    tables.IndexLookups();
    EXPECT_EQ(tables.FindSection(u"C"), -1);
    tables.Sections.push_back(Section(u"C", u"B"));
    tables.Masks.push_back(Mask(u"A", u"BORDERSMASK"));
    EXPECT_EQ(tables.FindSection(u"C"), 2);
    EXPECT_EQ(tables.FindMask(2, u"C", u"BORDERSMASK"), 0);
    tables.ClearTables();
    EXPECT_EQ(tables.FindSection(u"A"), -1);
}

} // namespace
} // namespace korvane
