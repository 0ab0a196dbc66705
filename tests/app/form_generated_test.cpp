// The generated-source window: composition on show, copy, and save through the real save
// dialog (names offered, replacing, names without extension, cancel, and a file that cannot be
// created), with the editors' controls filled as a user would.
#include "app/korvane_windows_fixture.h"

#include "app/form_generated.h"
#include "editors/new_style_korvane.h"
#include "editors/old_style_menu.h"
#include "editors/old_style_options.h"
#include "editors/source_mod_menu.h"
#include "encoding/utf8.h"
#include "generator/new_style_plugin.h"
#include "ui/clipboard.h"
#include "ui/text.h"

namespace korvane::test {
namespace {

class GeneratedWindowTest : public KorvaneWindowsTest {
protected:
    // A new-style menu in the editor: title "T", the default command and flag, one item "A".
    void FillNewStyleEditor()
    {
        NewStyleKorvane->NewStyle_Title.SetText(L"T");
        NewStyleKorvane->NewStyle_Items.Add(L"A");
    }
    static std::string NewStyleBytes()
    {
        PluginText text;
        ComposeNewStylePlugin({u"T", u"mymenu", u"ADMIN_ALL", {u"A"}}, text);
        return Utf8Encode(text.Text());
    }
};

TEST_F(GeneratedWindowTest, SavingTwiceToOneNameReplacesTheFileWithoutAQuestion)
{
    FillNewStyleEditor();
    const std::filesystem::path file = OutputFolder("save-twice") / "menu.sma";
    Form_Generated->SetCurrentMenu(0);
    ModalDriver driver;
    driver
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                Press(Form_Generated->Generated_SaveBtn);
                TypeAtEnd(Form_Generated->PluginSource.Handle(), L"// edited");
                Press(Form_Generated->Generated_SaveBtn);
                Form_Generated->Close();
            },
            "the generated-source window")
        .AnswerSaveDialog(file.wstring())
        .AnswerSaveDialog(file.wstring());
    Form_Generated->ShowModal();
    EXPECT_EQ(FileBytes(file), NewStyleBytes() + "// edited");
    ASSERT_EQ(driver.SaveDialogNames().size(), 2u);
    EXPECT_EQ(driver.SaveDialogNames()[1], L"menu.sma") << "the name is offered anew on every press";
}

TEST_F(GeneratedWindowTest, ANameWithoutExtensionIsSavedAsTyped)
{
    FillNewStyleEditor();
    const std::filesystem::path folder = OutputFolder("no-extension");
    Form_Generated->SetCurrentMenu(0);
    ModalDriver driver;
    driver
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                Press(Form_Generated->Generated_SaveBtn);
                Form_Generated->Close();
            },
            "the generated-source window")
        .AnswerSaveDialog((folder / "plugin").wstring());
    Form_Generated->ShowModal();
    EXPECT_EQ(FileBytes(folder / "plugin"), NewStyleBytes());
    EXPECT_FALSE(std::filesystem::exists(folder / "plugin.sma"));
}

TEST_F(GeneratedWindowTest, CancellingTheSaveDialogWritesNothing)
{
    FillNewStyleEditor();
    const std::filesystem::path folder = OutputFolder("cancel");
    Form_Generated->SetCurrentMenu(2);
    ModalDriver driver;
    driver
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                Press(Form_Generated->Generated_SaveBtn);
                Form_Generated->Close();
            },
            "the generated-source window")
        .CancelSaveDialog();
    Form_Generated->ShowModal();
    EXPECT_TRUE(std::filesystem::is_empty(folder));
    ASSERT_EQ(driver.SaveDialogNames().size(), 1u);
    EXPECT_EQ(driver.SaveDialogNames()[0], L"menu.sp");
}

TEST_F(GeneratedWindowTest, CopyTakesTheWholeTextWithWhatTheUserTypedAndLeavesItSelected)
{
    FillNewStyleEditor();
    Form_Generated->SetCurrentMenu(0);
    std::wstring clipboard;
    DWORD selectionStart = 1;
    DWORD selectionEnd = 0;
    std::size_t length = 0;
    ModalDriver driver;
    driver.WhenShown(
        Form_Generated->Handle(),
        [&] {
            TypeAtEnd(Form_Generated->PluginSource.Handle(), L"// Мой код");
            Press(Form_Generated->Generated_CopyBtn);
            clipboard = ui::ClipboardText(Form_Generated->Handle());
            SendMessageW(Form_Generated->PluginSource.Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                         reinterpret_cast<LPARAM>(&selectionEnd));
            length = Form_Generated->PluginSource.Text().size();
            Press(Form_Generated->Generated_CloseBtn);
        },
        "the generated-source window");
    Form_Generated->ShowModal();
    EXPECT_EQ(clipboard, ui::ToWide(Utf8Decode(NewStyleBytes())) + L"// Мой код");
    EXPECT_EQ(selectionStart, 0u);
    EXPECT_EQ(selectionEnd, length);
}

TEST_F(GeneratedWindowTest, AFileThatCannotBeCreatedIsReportedInTheApplicationsBoxAndTheWindowStaysOpen)
{
    FillNewStyleEditor();
    const std::filesystem::path missing = OutputFolder("unwritable") / "no-such-folder" / "menu.sma";
    Form_Generated->SetCurrentMenu(0);
    bool stillOpen = false;
    std::wstring textAfter;
    ModalDriver driver;
    driver
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                Press(Form_Generated->Generated_SaveBtn);
                stillOpen = IsWindowVisible(Form_Generated->Handle()) != FALSE;
                textAfter = Form_Generated->PluginSource.Text();
                Form_Generated->Close();
            },
            "the generated-source window")
        .AnswerSaveDialog(missing.wstring())
        .AnswerMessageBox();
    Form_Generated->ShowModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    const SeenMessageBox& box = driver.MessageBoxes()[0];
    EXPECT_EQ(box.caption, L"Simple Korvane v1.0.1");
    EXPECT_TRUE(box.errorIcon);
    EXPECT_EQ(box.text.rfind(L"Cannot create file ", 0), 0u) << std::string(box.text.begin(), box.text.end());
    EXPECT_EQ(box.text.back(), L'.') << "a period is appended after the file name";
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(ui::ToU16(textAfter), Utf8Decode(NewStyleBytes()));
    EXPECT_FALSE(std::filesystem::exists(missing));
}

TEST_F(GeneratedWindowTest, APastedNonDigitKeyShowsTheFirstLinesAndTheConversionErrorWithAPeriod)
{
    // A non-digit can reach the keys field only by pasting; the filter sees typed keys only.
    ASSERT_TRUE(ui::SetClipboardText(nullptr, L"x"));
    frm_OldStyleOptions->OldStyle_HandledKeys.SetText(L"1");
    SendMessageW(frm_OldStyleOptions->OldStyle_HandledKeys.Handle(), EM_SETSEL, 1, 1);
    SendMessageW(frm_OldStyleOptions->OldStyle_HandledKeys.Handle(), WM_PASTE, 0, 0);
    ASSERT_EQ(frm_OldStyleOptions->OldStyle_HandledKeys.Text(), L"1x");
    Form_Generated->SetCurrentMenu(1);
    std::wstring shown;
    ModalDriver driver;
    driver.AnswerMessageBox().WhenShown(
        Form_Generated->Handle(),
        [&] {
            shown = Form_Generated->PluginSource.Text();
            Form_Generated->Close();
        },
        "the generated-source window");
    Form_Generated->ShowModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, L"'x' is not a valid integer value.");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Simple Korvane v1.0.1");
    // The six lines before the key mask, the include of amxmisc among them.
    EXPECT_EQ(shown, L"#include <amxmodx>\r\n#include <amxmisc>\r\n\r\n#define PLUGIN \"New Plug-In\"\r\n"
                     L"#define VERSION \"1.0\"\r\n#define AUTHOR \"author\"\r\n");
}

TEST_F(GeneratedWindowTest, ASecondShowingAppendsASecondPlugin)
{
    FillNewStyleEditor();
    Form_Generated->SetCurrentMenu(0);
    ModalDriver driver;
    driver
        .WhenShown(
            Form_Generated->Handle(), [] { Form_Generated->Close(); }, "first showing")
        .WhenShown(
            Form_Generated->Handle(), [] { Form_Generated->Close(); }, "second showing");
    Form_Generated->ShowModal();
    Form_Generated->ShowModal();
    const std::u16string one = Utf8Decode(NewStyleBytes());
    EXPECT_EQ(ui::ToU16(Form_Generated->PluginSource.Text()), one + one);
}

} // namespace
} // namespace korvane::test
