// The new-style editor under Wine: its command filter, the item dialog, the list buttons and
// the checks of the generate button, driven through the real windows.
#include "app/korvane_windows_fixture.h"

#include "app/form_generated.h"
#include "editors/new_style_add_item.h"
#include "editors/new_style_korvane.h"
#include "generator/access_flags.h"
#include "ui/text.h"

namespace korvane::test {
namespace {

using Items = std::vector<std::wstring>;

class NewStyleEditorTest : public KorvaneWindowsTest {
protected:
    // Opens the editor modally, runs the body inside it, then closes it with its close box.
    void InEditor(ModalDriver& driver, std::function<void()> body)
    {
        driver.WhenShown(
            NewStyleKorvane->Handle(),
            [body] {
                body();
                PostMessageW(NewStyleKorvane->Handle(), WM_CLOSE, 0, 0);
            },
            "the new-style editor");
    }
    // The item dialog's next opening: types the text and leaves by the given way.
    enum class Leave { Add, Close, CloseBox };
    static void AddItemStep(ModalDriver& driver, std::wstring text, Leave leave)
    {
        driver.WhenShown(
            NewStyle_AddItem->Handle(),
            [text, leave] {
                EXPECT_EQ(NewStyle_AddItem->NewStyle_AddItemEdit.Text(), L"") << "each opening starts empty";
                EXPECT_TRUE(HoldsFocus(*NewStyle_AddItem, NewStyle_AddItem->NewStyle_AddItemEdit));
                TypeChars(NewStyle_AddItem->NewStyle_AddItemEdit.Handle(), text);
                if (leave == Leave::Add)
                    Press(NewStyle_AddItem->Button1);
                else if (leave == Leave::Close)
                    Press(NewStyle_AddItem->Button2);
                else
                    PostMessageW(NewStyle_AddItem->Handle(), WM_CLOSE, 0, 0);
            },
            "the item dialog");
    }
};

TEST_F(NewStyleEditorTest, StartsWithTheDefaultCommandAndTheFirstOfTheTwentyFourFlags)
{
    EXPECT_EQ(NewStyleKorvane->NewStyle_MenuCommand.Text(), L"mymenu");
    EXPECT_EQ(NewStyleKorvane->NewStyle_Title.Text(), L"");
    ASSERT_EQ(NewStyleKorvane->NewStyle_Flags.Count(), 24);
    for (int i = 0; i < 24; ++i)
        EXPECT_EQ(ui::ToU16(NewStyleKorvane->NewStyle_Flags.Item(i)), kAmxAccessFlags[static_cast<std::size_t>(i)]);
    EXPECT_EQ(NewStyleKorvane->NewStyle_Flags.SelectedText(), L"ADMIN_ALL");
    EXPECT_EQ(NewStyleKorvane->NewStyle_Items.Count(), 0);
}

TEST_F(NewStyleEditorTest, TabVisitsTheControlsInTheirOrder)
{
    NewStyleKorvane->Show();
    const HWND expected[] = {NewStyleKorvane->NewStyle_Title.Handle(), NewStyleKorvane->NewStyle_Items.Handle(),
                             NewStyleKorvane->NewStyle_Flags.Handle(), NewStyleKorvane->NewStyle_GenerateBtn.Handle(),
                             NewStyleKorvane->NewStyle_MenuCommand.Handle()};
    HWND current = GetNextDlgTabItem(NewStyleKorvane->Handle(), nullptr, FALSE);
    for (HWND want : expected) {
        EXPECT_EQ(current, want);
        current = GetNextDlgTabItem(NewStyleKorvane->Handle(), current, FALSE);
    }
    NewStyleKorvane->Hide();
}

TEST_F(NewStyleEditorTest, CommandFieldTakesOnlyLettersDigitsUnderscoresSpacesAndBackspace)
{
    HWND command = NewStyleKorvane->NewStyle_MenuCommand.Handle();
    TypeAtEnd(command, L"-!\"Яé\t;");
    EXPECT_EQ(NewStyleKorvane->NewStyle_MenuCommand.Text(), L"mymenu") << "hyphen, !, quote, Cyrillic: no effect";
    TypeAtEnd(command, L"_A z9");
    EXPECT_EQ(NewStyleKorvane->NewStyle_MenuCommand.Text(), L"mymenu_A z9");
    TypeAtEnd(command, L"\b\b");
    EXPECT_EQ(NewStyleKorvane->NewStyle_MenuCommand.Text(), L"mymenu_A ");
}

TEST_F(NewStyleEditorTest, ItemDialogAddsTextAsTypedHoweverItIsLeftAndSkipsBlankText)
{
    ModalDriver driver;
    InEditor(driver, [] {
        for (int i = 0; i < 4; ++i)
            Press(NewStyleKorvane->NewStyle_AddBtn);
    });
    AddItemStep(driver, L"  a  ", Leave::Add);
    AddItemStep(driver, L"   ", Leave::Add);
    AddItemStep(driver, L"by close", Leave::Close);
    AddItemStep(driver, L"by close box", Leave::CloseBox);
    NewStyleKorvane->ShowModal();
    EXPECT_EQ(NewStyleKorvane->NewStyle_Items.Items(), (Items{L"  a  ", L"by close", L"by close box"}));
    EXPECT_EQ(NewStyle_AddItem->NewStyle_AddItemEdit.Text(), L"") << "cleared after adding";
}

TEST_F(NewStyleEditorTest, RemoveUpAndDownActOnTheSelectedItemOnly)
{
    for (const wchar_t* item : {L"a", L"b", L"c"})
        NewStyleKorvane->NewStyle_Items.Add(item);
    ModalDriver driver;
    InEditor(driver, [] {
        auto& items = NewStyleKorvane->NewStyle_Items;
        Press(NewStyleKorvane->NewStyle_RmvButton);
        Press(NewStyleKorvane->NewStyle_UpBtn);
        Press(NewStyleKorvane->NewStyle_DownBtn);
        EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"})) << "no selection: nothing moves or goes";
        PickListEntry(items, 0, false);
        Press(NewStyleKorvane->NewStyle_UpBtn);
        EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"})) << "the first item does not go up";
        Press(NewStyleKorvane->NewStyle_DownBtn);
        EXPECT_EQ(items.Items(), (Items{L"b", L"a", L"c"}));
        EXPECT_EQ(items.ItemIndex(), 1) << "the selection follows the item";
        Press(NewStyleKorvane->NewStyle_UpBtn);
        EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"}));
        EXPECT_EQ(items.ItemIndex(), 0);
        PickListEntry(items, 2, false);
        Press(NewStyleKorvane->NewStyle_DownBtn);
        EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"})) << "the last item does not go down";
        PickListEntry(items, 1, false);
        Press(NewStyleKorvane->NewStyle_RmvButton);
        EXPECT_EQ(items.Items(), (Items{L"a", L"c"}));
    });
    NewStyleKorvane->ShowModal();
}

struct GenerateCheck {
    const char* name;
    const wchar_t* title;
    std::vector<std::wstring> items;
    const wchar_t* message;
};

void PrintTo(const GenerateCheck& check, std::ostream* os)
{
    *os << check.name;
}

class NewStyleGenerateCheck : public NewStyleEditorTest, public ::testing::WithParamInterface<GenerateCheck> {};

TEST_P(NewStyleGenerateCheck, RefusesWithTheMessageAndKeepsTheEditorOpenWithItsInput)
{
    const GenerateCheck check = GetParam();
    NewStyleKorvane->NewStyle_Title.SetText(check.title);
    for (const std::wstring& item : check.items)
        NewStyleKorvane->NewStyle_Items.Add(item);
    bool stillOpen = false;
    ModalDriver driver;
    InEditor(driver, [&] {
        Press(NewStyleKorvane->NewStyle_GenerateBtn);
        stillOpen = IsWindowVisible(NewStyleKorvane->Handle()) != FALSE;
    });
    driver.AnswerMessageBox();
    NewStyleKorvane->ShowModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u) << "exactly one message";
    EXPECT_EQ(driver.MessageBoxes()[0].text, check.message);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Error");
    EXPECT_TRUE(driver.MessageBoxes()[0].errorIcon);
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(NewStyleKorvane->NewStyle_Title.Text(), check.title);
    EXPECT_EQ(NewStyleKorvane->NewStyle_Items.Items(), check.items);
    EXPECT_EQ(Form_Generated->PluginSource.Text(), L"") << "nothing was generated";
}

INSTANTIATE_TEST_SUITE_P(
    BlankTitleOrNoItems, NewStyleGenerateCheck,
    ::testing::Values(
        GenerateCheck{"EmptyTitleAndNoItems", L"", {}, L"Menu title is empty!\rPlease, enter menu title!"},
        GenerateCheck{"TitleOfBlanks", L"  \t ", {L"item"}, L"Menu title is empty!\rPlease, enter menu title!"},
        GenerateCheck{"NoItems", L"Title", {}, L"You don't have any items in menu!"}),
    [](const ::testing::TestParamInfo<GenerateCheck>& param) { return std::string(param.param.name); });

TEST_F(NewStyleEditorTest, GenerateHidesTheEditorAndUsesTheTitleAndAnEmptyCommandAsTyped)
{
    NewStyleKorvane->NewStyle_Title.SetText(L"  Title  ");
    NewStyleKorvane->NewStyle_MenuCommand.SetText(L"");
    NewStyleKorvane->NewStyle_Items.Add(L"one");
    bool editorHidden = false;
    std::wstring text;
    ModalDriver driver;
    driver
        .WhenShown(
            NewStyleKorvane->Handle(), [] { Press(NewStyleKorvane->NewStyle_GenerateBtn); }, "the editor")
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                editorHidden = !IsWindowVisible(NewStyleKorvane->Handle());
                text = Form_Generated->PluginSource.Text();
                Press(Form_Generated->Generated_CloseBtn);
            },
            "the generated-source window");
    NewStyleKorvane->ShowModal();
    EXPECT_TRUE(editorHidden);
    EXPECT_FALSE(IsWindowVisible(NewStyleKorvane->Handle())) << "the editor closes after the generated window";
    EXPECT_NE(text.find(L"       register_clcmd(\"\", \"cmdMenu\", ADMIN_ALL);\r\n"), std::wstring::npos);
    EXPECT_NE(text.find(L"menu_create(\"  Title  \", \"menu_handler\");"), std::wstring::npos);
}

} // namespace
} // namespace korvane::test
