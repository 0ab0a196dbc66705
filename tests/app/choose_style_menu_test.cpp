// The chooser: its default choice, the editor each choice opens with the menu kind it records,
// and the end of the program when the editor returns or the chooser is closed.
#include "app/korvane_windows_fixture.h"

#include "app/choose_style_menu.h"
#include "app/form_generated.h"
#include "controls/skinned_radio_group_win32.h"
#include "editors/new_style_korvane.h"
#include "editors/old_style_menu.h"
#include "editors/source_mod_menu.h"
#include "support/screenshot.h"

namespace korvane::test {
namespace {

TEST_F(KorvaneWindowsTest, ChooserStartsWithTheFirstItemSelectedAndItsTextsInPlace)
{
    ChooseStyleMenu->Show();
    SaveScreenshot("chooser-start");
    EXPECT_EQ(ChooseStyleMenu->ChooseStyleGroup.ItemIndex(), 0);
    ASSERT_EQ(ChooseStyleMenu->ChooseStyleGroup.Count(), 3);
    EXPECT_EQ(ChooseStyleMenu->ChooseStyleGroup.Button(0).Text(), L"New style menu. Need at least AmxMod X 1.5.");
    EXPECT_EQ(ChooseStyleMenu->ChooseStyleGroup.Button(1).Text(), L"Old style menu.");
    EXPECT_EQ(ChooseStyleMenu->ChooseStyleGroup.Button(2).Text(), L"SourceMod Menu.");
    EXPECT_EQ(ChooseStyleMenu->Button1.Text(), L"Продолжить");
    EXPECT_EQ(ChooseStyleMenu->ChooseStyleGroup.WindowBounds(), BoundsRect(8, 15, 353, 137));
    EXPECT_EQ(ChooseStyleMenu->Button1.WindowBounds(), BoundsRect(144, 160, 75, 25));
}

TEST_F(KorvaneWindowsTest, ChooserItemsAreDrawnFromTheSkinAndFollowTheKeyboard)
{
    ChooseStyleMenu->Show();
    TsRadioGroup& group = ChooseStyleMenu->ChooseStyleGroup;
    ASSERT_TRUE(group.SkinData.IsSkinned(true));
    EXPECT_EQ(group.SkinData.SkinSection(), u"GROUPBOX");
    const int rowHeight = group.Button(0).WindowBounds().Height();
    for (int i = 0; i < 3; ++i) {
        const PixelRect bounds = group.Button(i).WindowBounds();
        EXPECT_TRUE(group.Button(i).SkinData.IsSkinned(true)) << i;
        EXPECT_EQ(bounds.Left, 8);
        EXPECT_EQ(bounds.Width(), 343);
        EXPECT_EQ(bounds.Height(), rowHeight);
        EXPECT_EQ(bounds.Top, group.Button(0).WindowBounds().Top + i * rowHeight);
    }
    const auto key = [](WPARAM vk) {
        MSG msg{GetFocus(), WM_KEYDOWN, vk, 0, 0, {}};
        if (!IsDialogMessageW(ChooseStyleMenu->Handle(), &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        msg.message = WM_KEYUP;
        if (!IsDialogMessageW(ChooseStyleMenu->Handle(), &msg))
            DispatchMessageW(&msg);
    };
    ASSERT_TRUE(HoldsFocus(*ChooseStyleMenu, group.Button(0)));
    SetFocus(group.Button(0).Handle());
    key(VK_DOWN);
    EXPECT_EQ(group.ItemIndex(), 1);
    key(VK_DOWN);
    EXPECT_EQ(group.ItemIndex(), 2);
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), ChooseStyleMenu->Button1.Handle());
    key(VK_TAB);
    EXPECT_EQ(GetFocus(), group.Button(2).Handle()) << "Tab returns to the checked item";
    key(VK_UP);
    EXPECT_EQ(group.ItemIndex(), 1);

    // One item hot, one pressed, for the picture.
    SendMessageW(group.Button(2).Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    SendMessageW(group.Button(0).Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 10));
    EXPECT_EQ(group.Button(0).DrawingState(), 2);
    SaveScreenshot("chooser-hot-pressed");
    SendMessageW(group.Button(0).Handle(), WM_LBUTTONUP, 0, MAKELPARAM(5, 10));
    EXPECT_EQ(group.ItemIndex(), 0);
}

struct ChoiceCase {
    int radioIndex;
    unsigned menuKind;
    ui::Form* (*editor)();
};

// Test names and messages show the radio index rather than the bytes of the case.
void PrintTo(const ChoiceCase& choice, std::ostream* os)
{
    *os << "radio " << choice.radioIndex;
}

class ChooserChoice : public KorvaneWindowsTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(ChooserChoice, OpensTheEditorOfTheKindAndClosingItEndsTheProgram)
{
    const ChoiceCase choice = GetParam();
    ChooseStyleMenu->Show();
    if (choice.radioIndex != 0)
        SendMessageW(ChooseStyleMenu->ChooseStyleGroup.Button(choice.radioIndex).Handle(), BM_CLICK, 0, 0);
    ui::Form* editor = choice.editor();
    unsigned recorded = 99;
    bool chooserHidden = false;
    {
        ModalDriver driver;
        driver.WhenShown(
            editor->Handle(),
            [&] {
                recorded = Form_Generated->CurrentMenu();
                chooserHidden = !IsWindowVisible(ChooseStyleMenu->Handle());
                PostMessageW(editor->Handle(), WM_CLOSE, 0, 0);
            },
            "the chosen editor");
        Press(ChooseStyleMenu->Button1);
    }
    EXPECT_EQ(recorded, choice.menuKind);
    EXPECT_TRUE(chooserHidden) << "the chooser hides before the editor opens";
    EXPECT_FALSE(IsWindowVisible(ChooseStyleMenu->Handle())) << "the chooser does not reappear";
    EXPECT_FALSE(IsWindowVisible(editor->Handle()));
    EXPECT_TRUE(App().Terminated());
}

INSTANTIATE_TEST_SUITE_P(EachMenuKind, ChooserChoice,
                         ::testing::Values(ChoiceCase{0, 0, []() -> ui::Form* { return NewStyleKorvane; }},
                                           ChoiceCase{1, 1, []() -> ui::Form* { return frm_OldStyleMenu; }},
                                           ChoiceCase{2, 2, []() -> ui::Form* { return frm_SourceModMenu; }}),
                         [](const ::testing::TestParamInfo<ChoiceCase>& param) {
                             return std::string(param.param.radioIndex == 0   ? "NewStyle"
                                                : param.param.radioIndex == 1 ? "OldStyle"
                                                                              : "SourceMod");
                         });

TEST_F(KorvaneWindowsTest, EnterOnTheFocusedButtonContinuesAndEnterOnAnItemDoesNothing)
{
    ChooseStyleMenu->Show();
    const auto enter = [] {
        MSG msg{GetFocus(), WM_KEYDOWN, VK_RETURN, 0, 0, {}};
        if (!IsDialogMessageW(ChooseStyleMenu->Handle(), &msg))
            DispatchMessageW(&msg);
    };
    SetFocus(ChooseStyleMenu->ChooseStyleGroup.Button(0).Handle());
    enter();
    EXPECT_TRUE(IsWindowVisible(ChooseStyleMenu->Handle())) << "no default button";
    SetFocus(ChooseStyleMenu->Button1.Handle());
    bool opened = false;
    {
        ModalDriver driver;
        driver.WhenShown(
            NewStyleKorvane->Handle(),
            [&] {
                opened = true;
                PostMessageW(NewStyleKorvane->Handle(), WM_CLOSE, 0, 0);
            },
            "the new-style editor");
        enter();
    }
    EXPECT_TRUE(opened);
    EXPECT_TRUE(App().Terminated());
}

TEST_F(KorvaneWindowsTest, ClosingTheChooserBeforeContinuingEndsTheProgramAtOnce)
{
    ChooseStyleMenu->Show();
    SendMessageW(ChooseStyleMenu->Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(App().Terminated());
    EXPECT_FALSE(IsWindowVisible(ChooseStyleMenu->Handle()));
    for (ui::Form* form : App().Forms())
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
}

} // namespace
} // namespace korvane::test
