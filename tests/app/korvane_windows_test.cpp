// The whole program under Wine: the eight windows as created at start-up, and one run of each
// menu kind from the chooser to a saved file, driven through the real windows.
#include "app/korvane_windows_fixture.h"

#include "app/choose_style_menu.h"
#include "app/form_generated.h"
#include "editors/new_style_add_item.h"
#include "editors/new_style_korvane.h"
#include "editors/old_style_menu.h"
#include "editors/old_style_options.h"
#include "editors/source_mod_add_item.h"
#include "editors/source_mod_menu.h"
#include "encoding/utf8.h"
#include "generator/color_codes.h"
#include "generator/new_style_plugin.h"
#include "generator/old_style_plugin.h"
#include "generator/sourcemod_plugin.h"
#include "support/screenshot.h"
#include "ui/text.h"

#include <richedit.h>

namespace korvane::test {
namespace {

struct WindowLayout {
    ui::Form* (*form)();
    const wchar_t* className;
    const wchar_t* caption;
    int left;
    int top;
    int clientWidth;
    int clientHeight;
};

const WindowLayout kLayouts[] = {
    {[]() -> ui::Form* { return ChooseStyleMenu; }, L"TChooseStyleMenu", L"Korvane 1.0.1", 502, 467, 370, 194},
    {[]() -> ui::Form* { return NewStyleKorvane; }, L"TNewStyleKorvane", L"Korvane 1.0 - New Style Korvane", 561, 223,
     372, 483},
    {[]() -> ui::Form* { return NewStyle_AddItem; }, L"TNewStyle_AddItem", L"Add Item", 461, 421, 361, 240},
    {[]() -> ui::Form* { return Form_Generated; }, L"TForm_Generated", L"Korvane v1.0.0 - Generated menu", 390, 225,
     821, 532},
    {[]() -> ui::Form* { return frm_OldStyleMenu; }, L"Tfrm_OldStyleMenu", L"Old Style Korvane 1.0.0", 502, 289, 450,
     305},
    {[]() -> ui::Form* { return frm_OldStyleOptions; }, L"Tfrm_OldStyleOptions",
     L"Old style Korvane v1.0.0 - Old style menu options", 415, 334, 432, 330},
    {[]() -> ui::Form* { return frm_SourceModMenu; }, L"Tfrm_SourceModMenu", L"Source Mod Korvane", 429, 226, 280, 438},
    {[]() -> ui::Form* { return SourceModMenu_AddItem; }, L"TSourceModMenu_AddItem",
     L"SourceMod Korvane - Добавить пункт", 384, 433, 314, 248},
};

std::wstring ClassNameOf(HWND window)
{
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

TEST_F(KorvaneWindowsTest, EightHiddenWindowsAreCreatedInOrderWithTheirCaptionsPlacesAndSizes)
{
    EXPECT_EQ(App().Title(), L"Simple Korvane v1.0.1");
    ASSERT_EQ(App().Forms().size(), std::size(kLayouts));
    EXPECT_EQ(App().MainForm(), ChooseStyleMenu);
    for (std::size_t i = 0; i < std::size(kLayouts); ++i) {
        const WindowLayout& layout = kLayouts[i];
        ui::Form* form = layout.form();
        SCOPED_TRACE(testing::Message() << "window " << i);
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(App().Forms()[i], form) << "creation order";
        EXPECT_EQ(ClassNameOf(form->Handle()), layout.className);
        EXPECT_EQ(form->Text(), layout.caption);
        EXPECT_FALSE(IsWindowVisible(form->Handle()));
        RECT window{};
        GetWindowRect(form->Handle(), &window);
        EXPECT_EQ(window.left, layout.left);
        EXPECT_EQ(window.top, layout.top);
        EXPECT_EQ(form->ClientBounds().Width(), layout.clientWidth);
        EXPECT_EQ(form->ClientBounds().Height(), layout.clientHeight);
        const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
        EXPECT_TRUE(style & WS_SYSMENU);
        EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME)) << "single border, close button only";
    }
}

TEST_F(KorvaneWindowsTest, EveryWindowAndControlUsesMsSansSerifWithTheCyrillicCharacterSet)
{
    for (ui::Form* form : App().Forms()) {
        std::vector<HWND> windows{form->Handle()};
        EnumChildWindows(
            form->Handle(),
            [](HWND child, LPARAM data) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(data)->push_back(child);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
        for (HWND window : windows) {
            const std::wstring className = ClassNameOf(window);
            SCOPED_TRACE(std::string(className.begin(), className.end()));
            if (className == L"RichEdit20W") {
                // Wine's rich edit does not answer WM_GETFONT: its default character format
                // holds the font it was given.
                CHARFORMAT2W format{};
                format.cbSize = sizeof format;
                SendMessageW(window, EM_GETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
                EXPECT_STREQ(format.szFaceName, L"MS Sans Serif");
                EXPECT_EQ(format.yHeight, 11 * 15) << "11 pixels at 96 dpi, in twips";
                EXPECT_EQ(format.bCharSet, RUSSIAN_CHARSET);
                continue;
            }
            auto font = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
            LOGFONTW logFont{};
            ASSERT_TRUE(font && GetObjectW(font, sizeof logFont, &logFont)) << "a window has no font of its own";
            EXPECT_STREQ(logFont.lfFaceName, L"MS Sans Serif");
            EXPECT_EQ(logFont.lfHeight, -11);
            EXPECT_EQ(logFont.lfCharSet, RUSSIAN_CHARSET);
        }
    }
}

struct ControlPlace {
    const char* name;
    const ui::Window& (*control)();
    PixelRect bounds;
};

// clang-format off
#define KORVANE_PLACE(form, control, l, t, w, h) \
    ControlPlace{#control, []() -> const ui::Window& { return form->control; }, BoundsRect(l, t, w, h)}
// clang-format on

TEST_F(KorvaneWindowsTest, WindowedControlsStandAtTheirPlacesWithTheirSizes)
{
    const ControlPlace places[] = {
        KORVANE_PLACE(ChooseStyleMenu, Button1, 144, 160, 75, 25),
        KORVANE_PLACE(NewStyleKorvane, NewStyle_Title, 16, 24, 337, 21),
        KORVANE_PLACE(NewStyleKorvane, NewStyle_MenuCommand, 16, 72, 337, 21),
        KORVANE_PLACE(NewStyleKorvane, NewStyle_Flags, 16, 120, 145, 21),
        KORVANE_PLACE(NewStyleKorvane, NewStyle_Items, 8, 200, 353, 241),
        KORVANE_PLACE(NewStyleKorvane, NewStyle_GenerateBtn, 136, 448, 89, 25),
        KORVANE_PLACE(NewStyle_AddItem, NewStyle_AddItemEdit, 8, 32, 345, 21),
        KORVANE_PLACE(NewStyle_AddItem, Button1, 88, 64, 75, 25),
        KORVANE_PLACE(NewStyle_AddItem, Button2, 176, 64, 75, 25),
        KORVANE_PLACE(Form_Generated, PluginSource, 8, 8, 809, 473),
        KORVANE_PLACE(Form_Generated, Generated_CopyBtn, 280, 488, 75, 25),
        KORVANE_PLACE(Form_Generated, Generated_SaveBtn, 376, 488, 89, 25),
        KORVANE_PLACE(Form_Generated, Generated_CloseBtn, 488, 488, 75, 25),
        KORVANE_PLACE(frm_OldStyleMenu, sBitBtn1, 8, 16, 75, 25),
        KORVANE_PLACE(frm_OldStyleMenu, Button2, 96, 16, 73, 25),
        KORVANE_PLACE(frm_OldStyleMenu, Button3, 184, 16, 75, 25),
        KORVANE_PLACE(frm_OldStyleMenu, Button4, 272, 16, 75, 25),
        KORVANE_PLACE(frm_OldStyleMenu, OldStyle_MenuEdit, 8, 48, 433, 217),
        KORVANE_PLACE(frm_OldStyleMenu, Button5, 176, 272, 91, 25),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_HandledKeys, 16, 40, 145, 21),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_MenuName, 232, 40, 161, 21),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_Command, 16, 88, 145, 21),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_AccessFlags, 232, 88, 161, 21),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_GenerateBtn, 160, 128, 89, 25),
        KORVANE_PLACE(frm_SourceModMenu, SourceModMenu_Title, 8, 24, 265, 21),
        KORVANE_PLACE(frm_SourceModMenu, SourceModMenu_CallCommand, 8, 72, 265, 21),
        KORVANE_PLACE(frm_SourceModMenu, SourceModMenu_AccessFlags, 8, 120, 265, 22),
        KORVANE_PLACE(frm_SourceModMenu, SourceModMenu_Items, 8, 176, 265, 209),
        KORVANE_PLACE(frm_SourceModMenu, SourceModMenu_Btn_Continue, 96, 400, 89, 25),
        KORVANE_PLACE(SourceModMenu_AddItem, SourceModMenu_AddItem_Item, 8, 32, 297, 21),
        KORVANE_PLACE(SourceModMenu_AddItem, SouyrceModMenu_AddItem_BtnAdd, 120, 72, 75, 25),
        // The action fields, below the controls of old.
        KORVANE_PLACE(NewStyle_AddItem, NewStyle_AddItemAction.ActionChoice, 8, 116, 345, 21),
        KORVANE_PLACE(NewStyle_AddItem, NewStyle_AddItemAction.ActionText, 8, 162, 345, 21),
        KORVANE_PLACE(SourceModMenu_AddItem, SourceModMenu_AddItem_Action.ActionChoice, 8, 124, 297, 21),
        KORVANE_PLACE(SourceModMenu_AddItem, SourceModMenu_AddItem_Action.ActionText, 8, 170, 297, 21),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_KeyActions, 16, 184, 145, 134),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_KeyAction.ActionChoice, 232, 184, 161, 21),
        KORVANE_PLACE(frm_OldStyleOptions, OldStyle_KeyAction.ActionText, 232, 230, 161, 21),
    };
    for (const ControlPlace& place : places) {
        SCOPED_TRACE(place.name);
        EXPECT_EQ(place.control().WindowBounds(), place.bounds);
    }
    // Labels size themselves to their text; their corner is fixed.
    const PixelRect label = NewStyleKorvane->Label4.WindowBounds();
    EXPECT_EQ(label.Left, 16);
    EXPECT_EQ(label.Top, 56);
}

struct TabOrder {
    const char* form;
    std::vector<const ui::Window*> controls;
};

TEST_F(KorvaneWindowsTest, TabVisitsEveryWindowsControlsInTheirOrder)
{
    frm_OldStyleMenu->ResetButtons(); // a disabled button is skipped by Tab
    const TabOrder orders[] = {
        {"Form_Generated",
         {&Form_Generated->PluginSource, &Form_Generated->Generated_CopyBtn, &Form_Generated->Generated_SaveBtn,
          &Form_Generated->Generated_CloseBtn}},
        {"frm_OldStyleMenu",
         {&frm_OldStyleMenu->OldStyle_MenuEdit, &frm_OldStyleMenu->Button5, &frm_OldStyleMenu->sBitBtn1,
          &frm_OldStyleMenu->Button2, &frm_OldStyleMenu->Button3, &frm_OldStyleMenu->Button4}},
        {"frm_OldStyleOptions",
         {&frm_OldStyleOptions->OldStyle_HandledKeys, &frm_OldStyleOptions->OldStyle_MenuName,
          &frm_OldStyleOptions->OldStyle_GenerateBtn, &frm_OldStyleOptions->OldStyle_Command,
          &frm_OldStyleOptions->OldStyle_AccessFlags,
          // then the keys' list; its action fields stay disabled, and so out of the way, while no
          // key is listed
          &frm_OldStyleOptions->OldStyle_KeyActions}},
        {"frm_SourceModMenu",
         {&frm_SourceModMenu->SourceModMenu_CallCommand, &frm_SourceModMenu->SourceModMenu_Title,
          &frm_SourceModMenu->SourceModMenu_Items, &frm_SourceModMenu->SourceModMenu_Btn_Continue,
          &frm_SourceModMenu->SourceModMenu_AccessFlags}},
        {"NewStyle_AddItem",
         {&NewStyle_AddItem->NewStyle_AddItemEdit, &NewStyle_AddItem->Button1, &NewStyle_AddItem->Button2,
          &NewStyle_AddItem->NewStyle_AddItemAction.ActionChoice}},
        {"SourceModMenu_AddItem",
         {&SourceModMenu_AddItem->SourceModMenu_AddItem_Item, &SourceModMenu_AddItem->SouyrceModMenu_AddItem_BtnAdd,
          &SourceModMenu_AddItem->SourceModMenu_AddItem_Action.ActionChoice}},
    };
    for (const TabOrder& order : orders) {
        SCOPED_TRACE(order.form);
        HWND form = GetAncestor(order.controls.front()->Handle(), GA_ROOT);
        HWND current = GetNextDlgTabItem(form, nullptr, FALSE);
        for (const ui::Window* control : order.controls) {
            EXPECT_EQ(current, control->Handle());
            current = GetNextDlgTabItem(form, current, FALSE);
        }
        EXPECT_EQ(current, order.controls.front()->Handle()) << "and round to the first again";
    }
}

// The generation core's text for the same inputs, as the saved file must hold it.
std::string ExpectedNewStyleFile(const NewStyleMenu& menu)
{
    PluginText text;
    ComposeNewStylePlugin(menu, text);
    return Utf8Encode(text.Text());
}

TEST_F(KorvaneWindowsTest, NewStyleRunFromChooserToSavedFileWritesTheGeneratedPlugin)
{
    const std::filesystem::path file = OutputFolder("new-style") / "menu.sma";
    ChooseStyleMenu->Show();
    SaveScreenshot("chooser");
    {
        ModalDriver driver;
        driver
            .WhenShown(
                NewStyleKorvane->Handle(),
                [] {
                    TypeChars(NewStyleKorvane->NewStyle_Title.Handle(), L"Меню \"сервера\"");
                    TypeAtEnd(NewStyleKorvane->NewStyle_MenuCommand.Handle(), L"_2");
                    PickListEntry(NewStyleKorvane->NewStyle_Flags, 4, true);
                    Press(NewStyleKorvane->NewStyle_AddBtn);
                    Press(NewStyleKorvane->NewStyle_AddBtn);
                    SaveScreenshot("new-style-editor");
                    Press(NewStyleKorvane->NewStyle_GenerateBtn);
                },
                "the new-style editor")
            .WhenShown(
                NewStyle_AddItem->Handle(),
                [] {
                    TypeChars(NewStyle_AddItem->NewStyle_AddItemEdit.Handle(), L"Убить всех");
                    SaveScreenshot("new-style-add-item");
                    Press(NewStyle_AddItem->Button1);
                },
                "the item dialog, first item")
            .WhenShown(
                NewStyle_AddItem->Handle(),
                [] {
                    TypeChars(NewStyle_AddItem->NewStyle_AddItemEdit.Handle(), L"  Slay  ");
                    Press(NewStyle_AddItem->Button2);
                },
                "the item dialog, second item")
            .WhenShown(
                Form_Generated->Handle(),
                [] {
                    SaveScreenshot("generated-new-style");
                    Press(Form_Generated->Generated_SaveBtn);
                    Press(Form_Generated->Generated_CloseBtn);
                },
                "the generated-source window")
            .AnswerSaveDialog(file.wstring(), "save-dialog");
        Press(ChooseStyleMenu->Button1);
        EXPECT_TRUE(driver.AllStepsDone());
        ASSERT_EQ(driver.SaveDialogNames().size(), 1u);
        EXPECT_EQ(driver.SaveDialogNames()[0], L"menu.sma");
    }
    EXPECT_TRUE(App().Terminated()) << "the program ends when the chain closes";
    EXPECT_FALSE(IsWindowVisible(ChooseStyleMenu->Handle()));
    EXPECT_EQ(Form_Generated->CurrentMenu(), 0u);
    const NewStyleMenu expected{u"Меню \"сервера\"", u"mymenu_2", u"ADMIN_BAN", {u"Убить всех", u"  Slay  "}};
    EXPECT_EQ(FileBytes(file), ExpectedNewStyleFile(expected));
    EXPECT_NE(FileBytes(file).find(Utf8Encode(u"menu_create(\"Меню ^\"сервера^\"\", ")), std::string::npos)
        << "the typed quotes are escaped";
}

TEST_F(KorvaneWindowsTest, OldStyleRunFromChooserToSavedFileWritesTheGeneratedPlugin)
{
    const std::filesystem::path file = OutputFolder("old-style") / "menu.sma";
    ChooseStyleMenu->Show();
    SendMessageW(ChooseStyleMenu->ChooseStyleGroup.Button(1).Handle(), BM_CLICK, 0, 0);
    {
        ModalDriver driver;
        driver
            .WhenShown(
                frm_OldStyleMenu->Handle(),
                [] {
                    HWND edit = frm_OldStyleMenu->OldStyle_MenuEdit.Handle();
                    Press(frm_OldStyleMenu->Button2);
                    TypeChars(edit, L"Меню\r");
                    Press(frm_OldStyleMenu->sBitBtn1);
                    TypeChars(edit, L"1. Kick ");
                    Press(frm_OldStyleMenu->Button3);
                    TypeChars(edit, L"all\r");
                    Press(frm_OldStyleMenu->Button4);
                    TypeChars(edit, L"0. Выход");
                    SaveScreenshot("old-style-editor");
                    Press(frm_OldStyleMenu->Button5);
                },
                "the old-style editor")
            .WhenShown(
                frm_OldStyleOptions->Handle(),
                [] {
                    EXPECT_EQ(frm_OldStyleOptions->OldStyle_HandledKeys.Text(), L"10");
                    TypeAtEnd(frm_OldStyleOptions->OldStyle_MenuName.Handle(), L"!2");
                    SaveScreenshot("old-style-options");
                    Press(frm_OldStyleOptions->OldStyle_GenerateBtn);
                },
                "the old-style options")
            .WhenShown(
                Form_Generated->Handle(),
                [] {
                    SaveScreenshot("generated-old-style");
                    Press(Form_Generated->Generated_SaveBtn);
                    Press(Form_Generated->Generated_CloseBtn);
                },
                "the generated-source window")
            .AnswerSaveDialog(file.wstring());
        Press(ChooseStyleMenu->Button1);
        EXPECT_TRUE(driver.AllStepsDone());
        ASSERT_EQ(driver.SaveDialogNames().size(), 1u);
        EXPECT_EQ(driver.SaveDialogNames()[0], L"menu.sma");
    }
    EXPECT_TRUE(App().Terminated());
    EXPECT_EQ(Form_Generated->CurrentMenu(), 1u);
    auto row = [](std::u16string_view text, std::uint32_t color, std::size_t colored = std::u16string_view::npos,
                  std::uint32_t rest = 0) {
        ColoredRow result;
        for (std::size_t i = 0; i < text.size(); ++i)
            result.push_back({text[i], i < colored ? color : rest});
        return result;
    };
    const std::vector<ColoredRow> rows = {row(u"Меню", kMenuYellow), row(u"1. Kick all", kMenuWhite, 8, kMenuRed),
                                          row(u"0. Выход", kMenuGrey)};
    const OldStyleMenu expected{u"10", u"mymenu", u"My Menu2", u"ADMIN_ALL", ColorCodedMenuText(rows)};
    PluginText text;
    ComposeOldStylePlugin(expected, text);
    EXPECT_EQ(FileBytes(file), Utf8Encode(text.Text()));
}

TEST_F(KorvaneWindowsTest, SourceModRunFromChooserToSavedFileWritesTheGeneratedPlugin)
{
    const std::filesystem::path file = OutputFolder("sourcemod") / "menu.sp";
    ChooseStyleMenu->Show();
    SendMessageW(ChooseStyleMenu->ChooseStyleGroup.Button(2).Handle(), BM_CLICK, 0, 0);
    {
        ModalDriver driver;
        driver
            .WhenShown(
                frm_SourceModMenu->Handle(),
                [] {
                    TypeChars(frm_SourceModMenu->SourceModMenu_Title.Handle(), L"Админ меню");
                    TypeAtEnd(frm_SourceModMenu->SourceModMenu_CallCommand.Handle(), L"-x");
                    PickListEntry(frm_SourceModMenu->SourceModMenu_AccessFlags, 14, true);
                    Press(frm_SourceModMenu->SourceModMenu_BtnAdd);
                    Press(frm_SourceModMenu->SourceModMenu_BtnAdd);
                    SaveScreenshot("sourcemod-editor");
                    Press(frm_SourceModMenu->SourceModMenu_Btn_Continue);
                },
                "the SourceMod editor")
            .WhenShown(
                SourceModMenu_AddItem->Handle(),
                [] {
                    TypeChars(SourceModMenu_AddItem->SourceModMenu_AddItem_Item.Handle(), L"Кик");
                    SaveScreenshot("sourcemod-add-item");
                    Press(SourceModMenu_AddItem->SouyrceModMenu_AddItem_BtnAdd);
                },
                "the item dialog, first item")
            .WhenShown(
                SourceModMenu_AddItem->Handle(),
                [] {
                    TypeChars(SourceModMenu_AddItem->SourceModMenu_AddItem_Item.Handle(), L"Ban");
                    Press(SourceModMenu_AddItem->SouyrceModMenu_AddItem_BtnAdd);
                },
                "the item dialog, second item")
            .WhenShown(
                Form_Generated->Handle(),
                [] {
                    SaveScreenshot("generated-sourcemod");
                    Press(Form_Generated->Generated_SaveBtn);
                    Press(Form_Generated->Generated_CloseBtn);
                },
                "the generated-source window")
            .AnswerSaveDialog(file.wstring());
        Press(ChooseStyleMenu->Button1);
        EXPECT_TRUE(driver.AllStepsDone());
        ASSERT_EQ(driver.SaveDialogNames().size(), 1u);
        EXPECT_EQ(driver.SaveDialogNames()[0], L"menu.sp");
    }
    EXPECT_TRUE(App().Terminated());
    EXPECT_EQ(Form_Generated->CurrentMenu(), 2u);
    const SourceModMenu expected{u"menux", u"ADMFLAG_ROOT", u"Админ меню", {u"Кик", u"Ban"}};
    PluginText text;
    ComposeSourceModPlugin(expected, text);
    EXPECT_EQ(FileBytes(file), Utf8Encode(text.Text()));
}

} // namespace
} // namespace korvane::test
