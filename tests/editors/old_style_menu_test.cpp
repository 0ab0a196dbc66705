// The old-style text editor under Wine: typing colours, the colour buttons' enabled states,
// reading coloured rows (wrapped paragraphs included) and continuing to the options window.
#include "app/korvane_windows_fixture.h"

#include "app/form_generated.h"
#include "editors/old_style_menu.h"
#include "editors/old_style_options.h"
#include "generator/color_codes.h"

#include "support/pump_messages.h"
#include "support/screenshot.h"

#include <richedit.h>

namespace korvane::test {
namespace {

class OldStyleEditorTest : public KorvaneWindowsTest {
protected:
    HWND Edit() const { return frm_OldStyleMenu->OldStyle_MenuEdit.Handle(); }
    static std::vector<bool> Enabled()
    {
        return {frm_OldStyleMenu->sBitBtn1.Enabled(), frm_OldStyleMenu->Button2.Enabled(),
                frm_OldStyleMenu->Button3.Enabled(), frm_OldStyleMenu->Button4.Enabled()};
    }
    // Runs the body inside the modal editor and closes it afterwards.
    void InEditor(std::function<void()> body)
    {
        ModalDriver driver;
        driver.WhenShown(
            frm_OldStyleMenu->Handle(),
            [body] {
                body();
                PostMessageW(frm_OldStyleMenu->Handle(), WM_CLOSE, 0, 0);
            },
            "the old-style editor");
        frm_OldStyleMenu->ShowModal();
    }
};

TEST_F(OldStyleEditorTest, FreshWindowTypesWhiteOnBlackWithOnlyTheWhiteButtonDisabled)
{
    EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, true, true}));
    InEditor([this] {
        TypeChars(Edit(), L"Hi");
        const auto rows = frm_OldStyleMenu->MenuRows();
        ASSERT_EQ(rows.size(), 1u);
        ASSERT_EQ(rows[0].size(), 2u);
        EXPECT_EQ(rows[0][0].color, kMenuWhite);
        EXPECT_EQ(rows[0][1].color, kMenuWhite);
    });
    EXPECT_EQ(frm_OldStyleMenu->OldStyle_MenuEdit.Color(), RGB(0, 0, 0)) << "black background";
}

TEST_F(OldStyleEditorTest, TheMenuTextIsASkinnedRichEditThatKeepsItsBlackBackground)
{
    InEditor([this] {
        TypeChars(Edit(), L"1. Kick");
        PumpMessages(3, 20);
        EXPECT_NE(frm_OldStyleMenu->OldStyle_MenuEdit.EditAdapter(), nullptr) << "the skin's edit frame";
        EXPECT_TRUE(frm_OldStyleMenu->OldStyle_MenuEdit.SkinData.CustomColor());
        EXPECT_EQ(frm_OldStyleMenu->OldStyle_MenuEdit.Color(), RGB(0, 0, 0));
        SaveScreenshot("old_style_skinned_rich_edit");
        EXPECT_EQ(frm_OldStyleMenu->MenuRows()[0][0].color, kMenuWhite);
    });
}

TEST_F(OldStyleEditorTest, ColouringASelectedWordDisablesOnlyThatColoursButton)
{
    InEditor([this] {
        TypeChars(Edit(), L"kick all");
        CHARRANGE word{5, 8};
        SendMessageW(Edit(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&word));
        Press(frm_OldStyleMenu->Button3);
        EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, false, true}));
        EXPECT_EQ(GetFocus(), Edit()) << "the edit gets the focus back";
        EXPECT_EQ(Form_Generated->GetOldStyleMenu(), u"\\wkick \\rall^n");
        Press(frm_OldStyleMenu->Button2);
        EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, true, true}));
        Press(frm_OldStyleMenu->Button4);
        EXPECT_EQ(Enabled(), (std::vector<bool>{true, true, true, false}));
        Press(frm_OldStyleMenu->sBitBtn1);
        EXPECT_EQ(Enabled(), (std::vector<bool>{false, true, true, true}));
        EXPECT_EQ(Form_Generated->GetOldStyleMenu(), u"\\wkick all^n") << "the selection is white again";
    });
}

TEST_F(OldStyleEditorTest, TypedCaretsAndQuotesAreEscapedInTheMenuText)
{
    InEditor([this] {
        TypeChars(Edit(), L"Up^ \"x\"\r^n");
        EXPECT_EQ(Form_Generated->GetOldStyleMenu(), u"\\wUp^^ ^\"x^\"^n^^n^n");
    });
}

TEST_F(OldStyleEditorTest, RowsFollowTheDisplayWrappedParagraphsAndEmptyLines)
{
    InEditor([this] {
        std::wstring paragraph;
        for (int i = 0; i < 30; ++i)
            paragraph += L"word ";
        paragraph += L"end";
        TypeChars(Edit(), L"a\r\r" + paragraph + L"\r");
        const std::vector<std::u16string> rows = frm_OldStyleMenu->MenuRowTexts();
        ASSERT_GE(rows.size(), 4u) << "the long paragraph wraps into at least two rows";
        EXPECT_EQ(rows[0], u"a");
        EXPECT_EQ(rows[1], u"");
        std::u16string joined;
        for (std::size_t i = 2; i < rows.size(); ++i)
            joined += rows[i];
        EXPECT_EQ(joined, std::u16string(paragraph.begin(), paragraph.end()));
        const std::u16string coded = Form_Generated->GetOldStyleMenu();
        std::size_t lineEnds = 0;
        for (std::size_t at = coded.find(u"^n"); at != std::u16string::npos; at = coded.find(u"^n", at + 2))
            ++lineEnds;
        EXPECT_EQ(lineEnds, rows.size()) << "one ^n per row, none for the empty row after the last break";
    });
}

TEST_F(OldStyleEditorTest, ContinuingWithAnEmptyTextOpensTheOptionsAndClosesAfterThem)
{
    bool optionsShown = false;
    ModalDriver driver;
    driver
        .WhenShown(
            frm_OldStyleMenu->Handle(), [] { Press(frm_OldStyleMenu->Button5); }, "the old-style editor")
        .WhenShown(
            frm_OldStyleOptions->Handle(),
            [&] {
                optionsShown = true;
                EXPECT_TRUE(IsWindowVisible(frm_OldStyleMenu->Handle())) << "the editor stays behind";
                EXPECT_EQ(frm_OldStyleOptions->OldStyle_HandledKeys.Text(), L"");
                PostMessageW(frm_OldStyleOptions->Handle(), WM_CLOSE, 0, 0);
            },
            "the options window");
    frm_OldStyleMenu->ShowModal();
    EXPECT_TRUE(optionsShown);
    EXPECT_FALSE(IsWindowVisible(frm_OldStyleMenu->Handle()));
}

} // namespace
} // namespace korvane::test
