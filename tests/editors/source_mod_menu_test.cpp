// The SourceMod editor under Wine: the item dialog, reordering, the command check and what
// the generated-source window receives.
#include "app/korvane_windows_fixture.h"

#include "app/form_generated.h"
#include "editors/source_mod_add_item.h"
#include "editors/source_mod_menu.h"
#include "generator/access_flags.h"
#include "support/pump_messages.h"
#include "support/screenshot.h"
#include "ui/text.h"

namespace korvane::test {
namespace {

using Items = std::vector<std::wstring>;

TEST_F(KorvaneWindowsTest, SourceModEditorResetsTheFlagOnShowAndOffersTheTwentyOneFlags)
{
    ASSERT_EQ(frm_SourceModMenu->SourceModMenu_AccessFlags.Count(), 21);
    for (int i = 0; i < 21; ++i)
        EXPECT_EQ(ui::ToU16(frm_SourceModMenu->SourceModMenu_AccessFlags.Item(i)),
                  kSourceModAccessFlags[static_cast<std::size_t>(i)]);
    PickListEntry(frm_SourceModMenu->SourceModMenu_AccessFlags, 5, true);
    frm_SourceModMenu->Show();
    EXPECT_EQ(frm_SourceModMenu->SourceModMenu_AccessFlags.SelectedText(), L"ADMFLAG_RESERVATION");
    EXPECT_EQ(frm_SourceModMenu->SourceModMenu_CallCommand.Text(), L"menu");
    frm_SourceModMenu->Hide();
}

TEST_F(KorvaneWindowsTest, SourceModItemDialogAddsTextLeftByItsCloseBoxAndSkipsBlankText)
{
    ModalDriver driver;
    driver
        .WhenShown(
            frm_SourceModMenu->Handle(),
            [] {
                for (int i = 0; i < 3; ++i)
                    Press(frm_SourceModMenu->SourceModMenu_BtnAdd);
                PostMessageW(frm_SourceModMenu->Handle(), WM_CLOSE, 0, 0);
            },
            "the SourceMod editor")
        .WhenShown(
            SourceModMenu_AddItem->Handle(),
            [] {
                TypeChars(SourceModMenu_AddItem->SourceModMenu_AddItem_Item.Handle(), L" x ");
                Press(SourceModMenu_AddItem->SouyrceModMenu_AddItem_BtnAdd);
            },
            "first item")
        .WhenShown(
            SourceModMenu_AddItem->Handle(),
            [] {
                EXPECT_EQ(SourceModMenu_AddItem->SourceModMenu_AddItem_Item.Text(), L"") << "cleared on show";
                EXPECT_TRUE(HoldsFocus(*SourceModMenu_AddItem, SourceModMenu_AddItem->SourceModMenu_AddItem_Item));
                TypeChars(SourceModMenu_AddItem->SourceModMenu_AddItem_Item.Handle(), L"\t ");
                Press(SourceModMenu_AddItem->SouyrceModMenu_AddItem_BtnAdd);
            },
            "blank item")
        .WhenShown(
            SourceModMenu_AddItem->Handle(),
            [] {
                TypeChars(SourceModMenu_AddItem->SourceModMenu_AddItem_Item.Handle(), L"closed");
                PostMessageW(SourceModMenu_AddItem->Handle(), WM_CLOSE, 0, 0);
            },
            "item left by the close box");
    frm_SourceModMenu->ShowModal();
    EXPECT_EQ(frm_SourceModMenu->SourceModMenu_Items.Items(), (Items{L" x ", L"closed"}));
}

TEST_F(KorvaneWindowsTest, SourceModUpDownAndRemoveMoveOnlyTheSelectedItem)
{
    auto& items = frm_SourceModMenu->SourceModMenu_Items;
    for (const wchar_t* item : {L"a", L"b", L"c"})
        items.Add(item);
    ModalDriver driver;
    driver.WhenShown(
        frm_SourceModMenu->Handle(),
        [&] {
            Press(frm_SourceModMenu->SOurceModMenu_BtnUp);
            Press(frm_SourceModMenu->SourceModMenu_BtnDown);
            Press(frm_SourceModMenu->SourceModMenu_BrnRemove);
            EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"}));
            PickListEntry(items, 0, false);
            Press(frm_SourceModMenu->SOurceModMenu_BtnUp);
            EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"}));
            PickListEntry(items, 2, false);
            Press(frm_SourceModMenu->SourceModMenu_BtnDown);
            EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"}));
            PickListEntry(items, 1, false);
            Press(frm_SourceModMenu->SOurceModMenu_BtnUp);
            EXPECT_EQ(items.Items(), (Items{L"b", L"a", L"c"}));
            Press(frm_SourceModMenu->SourceModMenu_BtnDown);
            EXPECT_EQ(items.Items(), (Items{L"a", L"b", L"c"}));
            EXPECT_EQ(items.ItemIndex(), 1);
            Press(frm_SourceModMenu->SourceModMenu_BrnRemove);
            EXPECT_EQ(items.Items(), (Items{L"a", L"c"}));
            PostMessageW(frm_SourceModMenu->Handle(), WM_CLOSE, 0, 0);
        },
        "the SourceMod editor");
    frm_SourceModMenu->ShowModal();
}

TEST_F(KorvaneWindowsTest, SourceModRefusesACommandOfSpacesAndAcceptsSurroundingSpacesAsTyped)
{
    SendMessageW(frm_SourceModMenu->SourceModMenu_CallCommand.Handle(), EM_SETSEL, 0, -1);
    TypeChars(frm_SourceModMenu->SourceModMenu_CallCommand.Handle(), L"  ");
    std::wstring shown;
    bool generatedOverEditor = false;
    ModalDriver driver;
    driver
        .WhenShown(
            frm_SourceModMenu->Handle(),
            [] {
                Press(frm_SourceModMenu->SourceModMenu_Btn_Continue);
                TypeAtEnd(frm_SourceModMenu->SourceModMenu_CallCommand.Handle(), L"go ");
                Press(frm_SourceModMenu->SourceModMenu_Btn_Continue);
            },
            "the SourceMod editor")
        .AnswerMessageBox()
        .WhenShown(
            Form_Generated->Handle(),
            [&] {
                generatedOverEditor = IsWindowVisible(frm_SourceModMenu->Handle()) != FALSE;
                shown = Form_Generated->PluginSource.Text();
                Press(Form_Generated->Generated_CloseBtn);
            },
            "the generated-source window");
    Form_Generated->SetCurrentMenu(2);
    frm_SourceModMenu->ShowModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, L"Пожалуйста, заполните поле \"Команда для вызова\"");
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Error");
    EXPECT_TRUE(generatedOverEditor) << "the editor stays visible behind";
    EXPECT_NE(shown.find(L"\tRegConsoleCmd(\"  go \", cmdMenu);\r\n"), std::wstring::npos);
    EXPECT_NE(shown.find(L"\tSetMenuTitle(menu, \"%s\", \"\");\r\n"), std::wstring::npos) << "empty title accepted";
    EXPECT_EQ(shown.find(L"AddMenuItem"), std::wstring::npos) << "no items accepted";
    EXPECT_FALSE(IsWindowVisible(frm_SourceModMenu->Handle()));
}

TEST_F(KorvaneWindowsTest, SourceModItemAndFlagListsAreSkinnedByTheirSections)
{
    auto& items = frm_SourceModMenu->SourceModMenu_Items;
    auto& flags = frm_SourceModMenu->SourceModMenu_AccessFlags;
    items.Add(L"first");
    items.Add(L"second");
    frm_SourceModMenu->Show();
    PumpMessages(3, 20);
    EXPECT_EQ(items.SkinData.SkinSection(), u"EDIT");
    EXPECT_TRUE(items.SkinData.IsSkinned(true));
    EXPECT_NE(items.EditAdapter(), nullptr) << "the item list carries the skin's frame and bars";
    EXPECT_EQ(SendMessageW(items.Handle(), LB_GETITEMHEIGHT, 0, 0), 16);
    EXPECT_EQ(flags.SkinData.SkinSection(), u"COMBOBOX");
    EXPECT_TRUE(flags.SkinData.IsSkinned(true));
    EXPECT_EQ(flags.WindowBounds().Height(), 22);
    EXPECT_EQ(flags.Style(), TComboBoxStyle::csDropDownList);
    PickListEntry(items, 1, false);
    PumpMessages(3, 20);
    SaveScreenshot("source_mod_skinned_item_list");
    SendMessageW(flags.Handle(), CB_SHOWDROPDOWN, TRUE, 0);
    PumpMessages(3, 20);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetComboBoxInfo(flags.Handle(), &info));
    RECT list{};
    GetWindowRect(info.hwndList, &list);
    EXPECT_EQ(list.bottom - list.top, 16 * 16 + 2) << "the dropped list shows DropDownCount flags";
    SaveScreenshot("source_mod_skinned_lists");
    SendMessageW(flags.Handle(), CB_SHOWDROPDOWN, FALSE, 0);
    EXPECT_NE(flags.ListAdapter(), nullptr) << "21 flags are more than the 16 shown at once";
    frm_SourceModMenu->Hide();
}

} // namespace
} // namespace korvane::test
