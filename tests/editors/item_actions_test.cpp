// Items and keys with actions under Wine: the action fields of the item dialogs and the
// old-style options, changing an item by double-clicking it, the refusal boxes, the keyboard,
// and what the generated-source window receives.
#include "app/korvane_windows_fixture.h"

#include "app/form_generated.h"
#include "editors/action_fields.h"
#include "editors/new_style_add_item.h"
#include "editors/new_style_korvane.h"
#include "editors/old_style_options.h"
#include "editors/source_mod_add_item.h"
#include "editors/source_mod_menu.h"
#include "support/screenshot.h"

namespace korvane::test {
namespace {

using Items = std::vector<std::wstring>;

// Types a text over an edit's whole text.
void Retype(const ui::Edit& edit, std::wstring_view text)
{
    SendMessageW(edit.Handle(), EM_SETSEL, 0, -1);
    TypeChars(edit.Handle(), text);
}

// Chooses the action type as a click in the drop-down list would (the selection and its
// CBN_SELCHANGE), then types the text, if any, over what the text field held.
void ChooseAction(ActionFields& fields, ActionType type, std::wstring_view text = {})
{
    HWND choice = fields.ActionChoice.Handle();
    SendMessageW(choice, CB_SETCURSEL, static_cast<WPARAM>(type), 0);
    SendMessageW(GetParent(choice), WM_COMMAND, MAKEWPARAM(fields.ActionChoice.Id(), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(choice));
    if (!text.empty())
        Retype(fields.ActionText, text);
}

// Picks a list entry as a click would: the selection and its notification (double: LBN_DBLCLK).
void ClickListEntry(const ui::ListBox& list, int index, bool twice)
{
    SendMessageW(list.Handle(), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageW(GetParent(list.Handle()), WM_COMMAND, MAKEWPARAM(list.Id(), twice ? LBN_DBLCLK : LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
}

// The step for the generated-source window: keeps its text and closes it.
std::function<void()> TakeGenerated(std::wstring& generated)
{
    return [&generated] {
        generated = Form_Generated->PluginSource.Text();
        Press(Form_Generated->Generated_CloseBtn);
    };
}

// Presses a key in a window of a form as the user would: through the event loop, where
// IsDialogMessage sees it.
void PressKey(const ui::Form& form, const ui::Window& target, WPARAM key)
{
    SetActiveWindow(form.Handle());
    SetFocus(target.Handle());
    PostMessageW(target.Handle(), WM_KEYDOWN, key, 1);
    PostMessageW(target.Handle(), WM_KEYUP, key, 0xC0000001);
}

TEST_F(KorvaneWindowsTest, NewStyleItemsTakeActionsChangeByDoubleClickAndReachThePlugin)
{
    auto& editor = *NewStyleKorvane;
    auto& dialog = *NewStyle_AddItem;
    Items shownAfterAdding, shownAfterChanging;
    std::wstring generated;
    ModalDriver driver;
    driver
        .WhenShown(
            editor.Handle(),
            [&] {
                editor.NewStyle_Title.SetText(L"Меню");
                Press(editor.NewStyle_AddBtn);
                Press(editor.NewStyle_AddBtn);
                Press(editor.NewStyle_AddBtn);
                shownAfterAdding = editor.NewStyle_Items.Items();
                ClickListEntry(editor.NewStyle_Items, 0, true);
                shownAfterChanging = editor.NewStyle_Items.Items();
                SaveScreenshot("new-style-items-with-actions");
                ClickListEntry(editor.NewStyle_Items, 2, false);
                Press(editor.NewStyle_RmvButton);
                Press(editor.NewStyle_GenerateBtn);
            },
            "the editor")
        .WhenShown(
            dialog.Handle(),
            [&] {
                EXPECT_EQ(dialog.Text(), L"Add Item");
                EXPECT_EQ(dialog.NewStyle_AddItemAction.ActionChoice.ItemIndex(), 0) << "a new item has no action";
                EXPECT_FALSE(dialog.NewStyle_AddItemAction.ActionText.Enabled()) << "no text without an action";
                TypeChars(dialog.NewStyle_AddItemEdit.Handle(), L"Kick");
                ChooseAction(dialog.NewStyle_AddItemAction, ActionType::ServerCommand, L"amx_kick #{userid}");
                EXPECT_TRUE(dialog.NewStyle_AddItemAction.ActionText.Enabled());
                Press(dialog.Button1);
            },
            "first item")
        .WhenShown(
            dialog.Handle(),
            [&] {
                EXPECT_EQ(dialog.NewStyle_AddItemAction.ActionText.Text(), L"") << "each opening starts empty";
                TypeChars(dialog.NewStyle_AddItemEdit.Handle(), L"  Привет  ");
                ChooseAction(dialog.NewStyle_AddItemAction, ActionType::Chat, L"Привет, {name}! 100% \"за\"");
                Press(dialog.Button1);
            },
            "second item")
        .WhenShown(
            dialog.Handle(),
            [&] {
                TypeChars(dialog.NewStyle_AddItemEdit.Handle(), L"Plain");
                Press(dialog.Button1);
            },
            "third item")
        .WhenShown(
            dialog.Handle(),
            [&] {
                EXPECT_EQ(dialog.Text(), L"Edit Item");
                EXPECT_EQ(dialog.NewStyle_AddItemEdit.Text(), L"Kick");
                EXPECT_EQ(dialog.NewStyle_AddItemAction.ActionChoice.SelectedText(), L"Команда сервера");
                EXPECT_EQ(dialog.NewStyle_AddItemAction.ActionText.Text(), L"amx_kick #{userid}");
                SaveScreenshot("new-style-item-dialog-changing");
                Retype(dialog.NewStyle_AddItemEdit, L"Kick me");
                ChooseAction(dialog.NewStyle_AddItemAction, ActionType::PlayerCommand);
                Press(dialog.Button2); // "Close" keeps what was typed, as it does for new items
            },
            "changing the first item")
        .WhenShown(Form_Generated->Handle(), TakeGenerated(generated), "the generated-source window");
    Form_Generated->SetCurrentMenu(0);
    editor.ShowModal();
    EXPECT_EQ(shownAfterAdding, (Items{L"Kick  →  Команда сервера: amx_kick #{userid}",
                                       L"  Привет    →  Сообщение в чат: Привет, {name}! 100% \"за\"", L"Plain"}));
    EXPECT_EQ(shownAfterChanging[0], L"Kick me  →  Команда игрока: amx_kick #{userid}");
    EXPECT_EQ(editor.NewStyle_Items.Count(), 2) << "the plain item was removed";
    EXPECT_NE(generated.find(L"       menu_additem(i_Menu, \"Kick me\", \"1\", 0);\r\n"), std::wstring::npos)
        << "the item's text, not the list's line";
    EXPECT_NE(generated.find(L"       case 1: {\r\n"
                             L"              client_cmd(id, \"amx_kick #%d\", get_user_userid(id));\r\n"
                             L"       }\r\n"
                             L"       case 2: {\r\n"
                             L"              new name[32];\r\n"
                             L"              get_user_name(id, name, charsmax(name));\r\n"
                             L"              client_print(id, print_chat, \"Привет, %s! 100%% ^\"за^\"\", name);\r\n"
                             L"       }\r\n"),
              std::wstring::npos)
        << std::string(generated.begin(), generated.end());
}

TEST_F(KorvaneWindowsTest, NewStyleRefusesUnsafeOrUnknownPlaceholdersInTheDialogAndOnGenerate)
{
    auto& editor = *NewStyleKorvane;
    auto& dialog = *NewStyle_AddItem;
    bool dialogStayed = false;
    bool editorStayed = false;
    std::wstring keptText;
    ModalDriver driver;
    driver
        .WhenShown(
            editor.Handle(),
            [&] {
                editor.NewStyle_Title.SetText(L"T");
                Press(editor.NewStyle_AddBtn);
                Press(editor.NewStyle_GenerateBtn);
                editorStayed = IsWindowVisible(editor.Handle()) != FALSE;
                PostMessageW(editor.Handle(), WM_CLOSE, 0, 0);
            },
            "the editor")
        .WhenShown(
            dialog.Handle(),
            [&] {
                TypeChars(dialog.NewStyle_AddItemEdit.Handle(), L"Kick");
                ChooseAction(dialog.NewStyle_AddItemAction, ActionType::ServerCommand, L"amx_kick \"{name}\"");
                Press(dialog.Button1);
                dialogStayed = IsWindowVisible(dialog.Handle()) != FALSE;
                keptText = dialog.NewStyle_AddItemAction.ActionText.Text();
                ChooseAction(dialog.NewStyle_AddItemAction, ActionType::Chat, L"Hi {nick}");
                // The close box does not check: the item goes into the list as it is.
                PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
            },
            "the item dialog")
        .AnswerMessageBox()
        .AnswerMessageBox();
    editor.ShowModal();
    ASSERT_EQ(driver.MessageBoxes().size(), 2u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Error");
    EXPECT_TRUE(driver.MessageBoxes()[0].errorIcon);
    EXPECT_EQ(driver.MessageBoxes()[0].text,
              L"Пункт 1 «Kick»: {name} можно подставить только в сообщение в чат: имя или Steam ID игрока в "
              L"команде позволили бы ему выполнить на сервере свои команды. В команде можно {userid}.");
    EXPECT_TRUE(dialogStayed);
    EXPECT_EQ(keptText, L"amx_kick \"{name}\"") << "the input stays";
    EXPECT_EQ(driver.MessageBoxes()[1].text, L"Пункт 1 «Kick»: неизвестная подстановка {nick}. Подстановки: "
                                             L"{userid}, {name}, {steamid}; фигурные скобки пишутся как {{ и }}.");
    EXPECT_TRUE(editorStayed);
    EXPECT_EQ(editor.NewStyle_Items.Items(), (Items{L"Kick  →  Сообщение в чат: Hi {nick}"}));
    EXPECT_EQ(Form_Generated->PluginSource.Text(), L"") << "nothing was generated";
}

TEST_F(KorvaneWindowsTest, ItemDialogsAnswerEnterAndEscAndTabToTheActionFields)
{
    auto& dialog = *NewStyle_AddItem;
    std::vector<HWND> tabs;
    ModalDriver driver;
    driver
        .WhenShown(
            NewStyleKorvane->Handle(),
            [&] {
                Press(NewStyleKorvane->NewStyle_AddBtn);
                Press(NewStyleKorvane->NewStyle_AddBtn);
                PostMessageW(NewStyleKorvane->Handle(), WM_CLOSE, 0, 0);
            },
            "the editor")
        .WhenShown(
            dialog.Handle(),
            [&] {
                TypeChars(dialog.NewStyle_AddItemEdit.Handle(), L"By Enter");
                ChooseAction(dialog.NewStyle_AddItemAction, ActionType::Chat, L"x");
                HWND at = GetNextDlgTabItem(dialog.Handle(), nullptr, FALSE);
                for (int i = 0; i < 5; ++i, at = GetNextDlgTabItem(dialog.Handle(), at, FALSE))
                    tabs.push_back(at);
                PressKey(dialog, dialog.NewStyle_AddItemAction.ActionText, VK_RETURN);
            },
            "Enter in the action's text")
        .WhenShown(
            dialog.Handle(),
            [&] {
                TypeChars(dialog.NewStyle_AddItemEdit.Handle(), L"By Esc");
                PressKey(dialog, dialog.NewStyle_AddItemEdit, VK_ESCAPE);
            },
            "Esc");
    NewStyleKorvane->ShowModal();
    const std::vector<HWND> expected = {dialog.NewStyle_AddItemEdit.Handle(), dialog.Button1.Handle(),
                                        dialog.Button2.Handle(), dialog.NewStyle_AddItemAction.ActionChoice.Handle(),
                                        dialog.NewStyle_AddItemAction.ActionText.Handle()};
    EXPECT_EQ(tabs, expected) << "the dialog's own order, then the action fields";
    // Enter pressed "Add"; Esc did what the close box does, which keeps the text as well.
    EXPECT_EQ(NewStyleKorvane->NewStyle_Items.Items(), (Items{L"By Enter  →  Сообщение в чат: x", L"By Esc"}));
}

TEST_F(KorvaneWindowsTest, SourceModActionsMoveWithTheirItemsAndChangeOnTheSkinnedList)
{
    auto& editor = *frm_SourceModMenu;
    auto& dialog = *SourceModMenu_AddItem;
    std::wstring generated;
    Items shown;
    ModalDriver driver;
    driver
        .WhenShown(
            editor.Handle(),
            [&] {
                Press(editor.SourceModMenu_BtnAdd);
                Press(editor.SourceModMenu_BtnAdd);
                ClickListEntry(editor.SourceModMenu_Items, 0, false);
                Press(editor.SourceModMenu_BtnDown);
                ClickListEntry(editor.SourceModMenu_Items, 1, true);
                shown = editor.SourceModMenu_Items.Items();
                SaveScreenshot("source-mod-items-with-actions");
                Press(editor.SourceModMenu_Btn_Continue);
            },
            "the editor")
        .WhenShown(
            dialog.Handle(),
            [&] {
                TypeChars(dialog.SourceModMenu_AddItem_Item.Handle(), L"Убить");
                ChooseAction(dialog.SourceModMenu_AddItem_Action, ActionType::ServerCommand, L"sm_slay #{userid}");
                SaveScreenshot("source-mod-item-dialog");
                Press(dialog.SouyrceModMenu_AddItem_BtnAdd);
            },
            "first item")
        .WhenShown(
            dialog.Handle(),
            [&] {
                TypeChars(dialog.SourceModMenu_AddItem_Item.Handle(), L"Профиль");
                ChooseAction(dialog.SourceModMenu_AddItem_Action, ActionType::Chat, L"{steamid} C:\\x");
                Press(dialog.SouyrceModMenu_AddItem_BtnAdd);
            },
            "second item")
        .WhenShown(
            dialog.Handle(),
            [&] {
                EXPECT_EQ(dialog.Text(), L"SourceMod Korvane - Изменить пункт");
                EXPECT_EQ(dialog.SourceModMenu_AddItem_Item.Text(), L"Убить") << "the moved item kept its action";
                EXPECT_EQ(dialog.SourceModMenu_AddItem_Action.ActionText.Text(), L"sm_slay #{userid}");
                ChooseAction(dialog.SourceModMenu_AddItem_Action, ActionType::None);
                Press(dialog.SouyrceModMenu_AddItem_BtnAdd);
            },
            "changing the moved item")
        .WhenShown(Form_Generated->Handle(), TakeGenerated(generated), "the generated-source window");
    Form_Generated->SetCurrentMenu(2);
    editor.ShowModal();
    EXPECT_EQ(shown, (Items{L"Профиль  →  Сообщение в чат: {steamid} C:\\x", L"Убить"}));
    EXPECT_NE(generated.find(L"\t\tif (strcmp(info, \"0\") == 0) {\r\n"
                             L"\t\t\tnew String:auth[64];\r\n"
                             L"\t\t\tGetClientAuthId(param1, AuthId_Steam2, auth, sizeof(auth), false);\r\n"
                             L"\t\t\tPrintToChat(param1, \"%s C:\\\\x\", auth);\r\n"
                             L"\t\t}\r\n"
                             L"\t\tif (strcmp(info, \"1\") == 0) {\r\n"
                             L"\t\t}\r\n"),
              std::wstring::npos)
        << std::string(generated.begin(), generated.end());
}

TEST_F(KorvaneWindowsTest, OldStyleOptionsGiveEachAnsweredKeyAnActionAndRefuseOneForAMissingKey)
{
    auto& options = *frm_OldStyleOptions;
    Items linesWithAction, linesAfterRemovingTheKey;
    std::wstring fieldsOnKeyOne, fieldsBackOnKeyTwo;
    std::wstring generated;
    ModalDriver driver;
    driver
        .WhenShown(
            options.Handle(),
            [&] {
                options.OldStyle_HandledKeys.SetText(L"120");
                EXPECT_EQ(options.OldStyle_KeyActions.Items(), (Items{L"1: Нет", L"2: Нет", L"0: Нет"}));
                EXPECT_EQ(options.OldStyle_KeyActions.ItemIndex(), 0) << "a key is always selected";
                ClickListEntry(options.OldStyle_KeyActions, 1, false);
                ChooseAction(options.OldStyle_KeyAction, ActionType::Chat, L"Ты {name}");
                linesWithAction = options.OldStyle_KeyActions.Items();
                ClickListEntry(options.OldStyle_KeyActions, 0, false);
                fieldsOnKeyOne = options.OldStyle_KeyAction.ActionChoice.SelectedText();
                ClickListEntry(options.OldStyle_KeyActions, 1, false);
                fieldsBackOnKeyTwo = options.OldStyle_KeyAction.ActionText.Text();
                SaveScreenshot("old-style-key-actions");
                options.OldStyle_HandledKeys.SetText(L"10");
                linesAfterRemovingTheKey = options.OldStyle_KeyActions.Items();
                Press(options.OldStyle_GenerateBtn);
                EXPECT_TRUE(IsWindowVisible(options.Handle()));
                TypeAtEnd(options.OldStyle_HandledKeys.Handle(), L"2");
                Press(options.OldStyle_GenerateBtn);
            },
            "the options window")
        .AnswerMessageBox()
        .WhenShown(Form_Generated->Handle(), TakeGenerated(generated), "the generated-source window");
    Form_Generated->SetCurrentMenu(1);
    options.ShowModal();
    EXPECT_EQ(linesWithAction, (Items{L"1: Нет", L"2: Сообщение в чат", L"0: Нет"}));
    EXPECT_EQ(fieldsOnKeyOne, L"Нет");
    EXPECT_EQ(fieldsBackOnKeyTwo, L"Ты {name}");
    EXPECT_EQ(linesAfterRemovingTheKey, (Items{L"1: Нет", L"0: Нет", L"2: Сообщение в чат (не в «Кнопках»)"}));
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Error");
    EXPECT_EQ(driver.MessageBoxes()[0].text, L"Кнопка 2: меню не отвечает на эту кнопку, а для неё задано "
                                             L"действие. Добавьте кнопку в «Кнопки» или уберите действие.");
    EXPECT_NE(generated.find(L"       case 1: {\r\n"
                             L"              new name[32];\r\n"
                             L"              get_user_name(id, name, charsmax(name));\r\n"
                             L"              client_print(id, print_chat, \"Ты %s\", name);\r\n"
                             L"       }\r\n"),
              std::wstring::npos)
        << std::string(generated.begin(), generated.end());
    EXPECT_NE(generated.find(L"       case 0: {\r\n       }\r\n"), std::wstring::npos) << "key 1 has no action";
}

} // namespace
} // namespace korvane::test
