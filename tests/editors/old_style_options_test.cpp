// The old-style options under Wine: keys taken from the menu text when shown, the key and name
// filters, and the check of the generate button.
#include "app/korvane_windows_fixture.h"

#include "app/form_generated.h"
#include "editors/old_style_menu.h"
#include "editors/old_style_options.h"

namespace korvane::test {
namespace {

struct KeysCase {
    const char* name;
    const wchar_t* menuText; // typed into the old-style editor, "\r" for Enter
    const wchar_t* keys;
};

void PrintTo(const KeysCase& keysCase, std::ostream* os)
{
    *os << keysCase.name;
}

class OldStyleOptionsKeys : public KorvaneWindowsTest, public ::testing::WithParamInterface<KeysCase> {};

TEST_P(OldStyleOptionsKeys, AreTheFirstDigitsOfTheMenuLinesInOrder)
{
    TypeChars(frm_OldStyleMenu->OldStyle_MenuEdit.Handle(), GetParam().menuText);
    std::wstring keys;
    std::wstring flag;
    ModalDriver driver;
    driver.WhenShown(
        frm_OldStyleOptions->Handle(),
        [&] {
            keys = frm_OldStyleOptions->OldStyle_HandledKeys.Text();
            flag = frm_OldStyleOptions->OldStyle_AccessFlags.SelectedText();
            frm_OldStyleOptions->Close();
        },
        "the options window");
    frm_OldStyleOptions->ShowModal();
    EXPECT_EQ(keys, GetParam().keys);
    EXPECT_EQ(flag, L"ADMIN_ALL");
}

INSTANTIATE_TEST_SUITE_P(MenuTexts, OldStyleOptionsKeys,
                         ::testing::Values(KeysCase{"OneTwoZero", L"1. a\r2. b\r0. exit", L"120"},
                                           KeysCase{"LeadingSpaces", L"Title\r   3. indented", L"3"},
                                           KeysCase{"TenGivesOne", L"10. ten", L"1"},
                                           KeysCase{"RepeatedDigit", L"5 x\r5 y", L"55"},
                                           KeysCase{"NoDigits", L"no digits\rhere", L""}),
                         [](const ::testing::TestParamInfo<KeysCase>& param) { return std::string(param.param.name); });

TEST_F(KorvaneWindowsTest, OptionsRefuseToGenerateWithoutKeysAndAcceptKeysTypedByHand)
{
    std::wstring shown;
    ModalDriver driver;
    driver
        .WhenShown(
            frm_OldStyleOptions->Handle(),
            [] {
                Press(frm_OldStyleOptions->OldStyle_GenerateBtn);
                EXPECT_TRUE(IsWindowVisible(frm_OldStyleOptions->Handle()));
                TypeChars(frm_OldStyleOptions->OldStyle_HandledKeys.Handle(), L"a 7-");
                EXPECT_EQ(frm_OldStyleOptions->OldStyle_HandledKeys.Text(), L"7") << "letters and spaces do nothing";
                Press(frm_OldStyleOptions->OldStyle_GenerateBtn);
            },
            "the options window")
        .AnswerMessageBox()
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                shown = Form_Generated->PluginSource.Text();
                Form_Generated->Close();
            },
            "the generated-source window");
    Form_Generated->SetCurrentMenu(1);
    frm_OldStyleOptions->ShowModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, L"Кол-во кнопок не может быть равным нулю!");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Error");
    EXPECT_TRUE(driver.MessageBoxes()[0].errorIcon);
    EXPECT_NE(shown.find(L"#define KEYS (1 << 6)\r\n"), std::wstring::npos);
    EXPECT_FALSE(IsWindowVisible(frm_OldStyleOptions->Handle())) << "closes after the generated window";
}

TEST_F(KorvaneWindowsTest, MenuNameAndCommandKeepSpacesAndFilterTypedPunctuation)
{
    EXPECT_EQ(frm_OldStyleOptions->OldStyle_MenuName.Text(), L"My Menu");
    EXPECT_EQ(frm_OldStyleOptions->OldStyle_Command.Text(), L"mymenu");
    TypeAtEnd(frm_OldStyleOptions->OldStyle_MenuName.Handle(), L" 2!\"Ж_");
    TypeAtEnd(frm_OldStyleOptions->OldStyle_Command.Handle(), L" x.y");
    EXPECT_EQ(frm_OldStyleOptions->OldStyle_MenuName.Text(), L"My Menu 2_");
    EXPECT_EQ(frm_OldStyleOptions->OldStyle_Command.Text(), L"mymenu xy");
}

} // namespace
} // namespace korvane::test
