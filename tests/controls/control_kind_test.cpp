// The kind table: which section a control takes when it names none, and the three kind sets.
#include "controls/control_kind.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

TEST(ControlKind, DefaultSectionsOfTheProgramsKindsAndTheirNeighbours)
{
    EXPECT_EQ(DefaultSectionOfKind(kKindComboBox), u"EDIT") << "the combo box names COMBOBOX itself";
    EXPECT_EQ(DefaultSectionOfKind(kKindRichEdit), u"EDIT");
    EXPECT_EQ(DefaultSectionOfKind(kKindListBox), u"EDIT");
    EXPECT_EQ(DefaultSectionOfKind(kKindRadioButton), u"RADIOBUTTON");
    EXPECT_EQ(DefaultSectionOfKind(kKindGroupBox), u"GROUPBOX");
    EXPECT_EQ(DefaultSectionOfKind(kKindSpeedButton), u"SPEEDBUTTON");
    EXPECT_EQ(DefaultSectionOfKind(kKindButton), u"BUTTON");
    EXPECT_EQ(DefaultSectionOfKind(kKindBitBtn), u"BUTTON");
    EXPECT_EQ(DefaultSectionOfKind(9), std::nullopt) << "9 lies between two EDIT kinds";
    EXPECT_EQ(DefaultSectionOfKind(227), u"EDIT");
    EXPECT_EQ(DefaultSectionOfKind(226), u"GROUPBOX");
    EXPECT_EQ(DefaultSectionOfKind(kKindAdapter), std::nullopt);
}

TEST(ControlKind, SetsHaveTheirEdges)
{
    for (int kind : {2, 18, 41, 76, 84, 96, 131, 140})
        EXPECT_TRUE(IsColourDrivenKind(static_cast<ControlKindCode>(kind))) << kind;
    for (int kind : {1, 19, 40, 75, 85, 130, 141})
        EXPECT_FALSE(IsColourDrivenKind(static_cast<ControlKindCode>(kind))) << kind;
    for (int kind : {19, 51, 74, 110, 141, 161})
        EXPECT_TRUE(IsNeverHotKind(static_cast<ControlKindCode>(kind))) << kind;
    for (int kind : {18, 50, 75, 140, 162, 93})
        EXPECT_FALSE(IsNeverHotKind(static_cast<ControlKindCode>(kind))) << kind;
    for (int kind : {51, 56, 60, 74, 226, 92, 93, 94})
        EXPECT_FALSE(HasSharedGlow(static_cast<ControlKindCode>(kind))) << kind;
    for (int kind : {0, 3, 8, 53, 55, 95})
        EXPECT_TRUE(HasSharedGlow(static_cast<ControlKindCode>(kind))) << kind;
}

} // namespace
} // namespace korvane
