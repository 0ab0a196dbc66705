// The bound label in real windows: made and freed by Active, placed beside its control by the
// layout with the label's own measured size, and kept to MaxWidth with wrapped words.
#include "controls/bound_label_win32.h"
#include "controls/common_data_win32.h"
#include "controls/skinned_label_win32.h"
#include "ui/edit.h"
#include "ui/form.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

class LabelForm : public ui::Form {
public:
    LabelForm() : ui::Form({L"TLabelForm", L"Labels", 100, 100, 400, 200}) {}
    ui::Edit Field{*this, BoundsRect(100, 50, 120, 21)};
};

TEST(BoundLabel, StandsBesideItsControlByTheLayout)
{
    LabelForm form;
    TsCtrlSkinData data(form.Field, true, 2);
    TsBoundLabel bound(form.Field, data);
    bound.SetCaption(L"Name");
    EXPECT_EQ(bound.Label(), nullptr);
    bound.SetActive(true);
    ASSERT_NE(bound.Label(), nullptr);
    const PixelRect label = bound.Label()->ControlBounds();
    ASSERT_GT(label.Width(), 0);
    EXPECT_EQ(label.Left, 100 - label.Width() - 4);
    EXPECT_EQ(label.Top, 50 + (21 - label.Height()) / 2 - 1);

    bound.SetLayout(TsCaptionLayout::sclTopRight);
    bound.SetIndent(3);
    const PixelRect above = bound.Label()->ControlBounds();
    EXPECT_EQ(above.Right, 220);
    EXPECT_EQ(above.Bottom, 50 - 3);

    bound.SetActive(false);
    EXPECT_EQ(bound.Label(), nullptr);
}

TEST(BoundLabel, AMaxWidthKeepsTheWidthAndAtLeastTheControlsHeight)
{
    LabelForm form;
    TsCtrlSkinData data(form.Field, true, 2);
    TsBoundLabel bound(form.Field, data);
    bound.SetCaption(L"A long caption that wraps");
    bound.SetActive(true);
    bound.SetMaxWidth(40);
    const PixelRect label = bound.Label()->ControlBounds();
    EXPECT_EQ(label.Width(), 40);
    EXPECT_GE(label.Height(), 21);
    EXPECT_FALSE(bound.Label()->AutoSize());
}

TEST(BoundLabel, AHiddenControlsLabelStartsHiddenAndFollowsTheEnabledState)
{
    LabelForm form;
    form.Field.SetVisible(false);
    form.Field.SetEnabled(false);
    TsCtrlSkinData data(form.Field, true, 2);
    TsBoundLabel bound(form.Field, data);
    bound.SetActive(true);
    EXPECT_FALSE(bound.Label()->Visible());
    EXPECT_FALSE(bound.Label()->Enabled());
}

} // namespace
} // namespace korvane
