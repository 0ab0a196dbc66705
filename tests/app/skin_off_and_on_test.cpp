// Switching the skin off gives every window of the running program its platform look back, and
// the next skin (or live preview) skins every window again at once.
#include "app/choose_style_menu.h"
#include "app/korvane_windows_fixture.h"
#include "editors/new_style_korvane.h"
#include "support/in_modal_loop_win32.h"
#include "support/pump_messages.h"
#include "windows/skin_manager_win32.h"
#include "windows/skin_provider_win32.h"

#include "support/preview_block.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstring>
#include <string>
#include <vector>

namespace korvane {
namespace {

void Pump()
{
    test::PumpMessages();
}

bool HasRegion(HWND window)
{
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    const bool has = GetWindowRgn(window, region) != ERROR;
    DeleteObject(region);
    return has;
}

using test::PreviewBlock;

LRESULT SendPreview(HWND window, std::vector<uint8_t> block)
{
    COPYDATASTRUCT data{7, static_cast<DWORD>(block.size()), block.data()};
    return SendMessageW(window, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&data));
}

class SkinOffAndOn : public test::KorvaneWindowsTest {
protected:
    TsSkinManager& Manager() { return *TsSkinManager::DefaultManager(); }
};

TEST_F(SkinOffAndOn, TheEditorGetsItsPlatformLookBackAndTheNextSkinAtOnce)
{
    ChooseStyleMenu->Show();
    NewStyleKorvane->Show();
    Pump();
    const HWND form = NewStyleKorvane->Handle();
    ui::Edit& title = NewStyleKorvane->NewStyle_Title;
    ui::Label& label = NewStyleKorvane->Label1;
    ASSERT_NE(TacMainWnd::FromWindow(title.Handle()), nullptr);
    const COLORREF skinnedEdit = title.Color();
    const COLORREF skinnedLabel = label.FontColor();
    ASSERT_NE(skinnedEdit, CLR_INVALID);
    ASSERT_TRUE(HasRegion(form));

    Manager().SetActive(false);
    Pump();
    EXPECT_EQ(title.Color(), CLR_INVALID) << "the edit keeps the skin's colour";
    EXPECT_EQ(title.FontColor(), CLR_INVALID);
    EXPECT_EQ(label.FontColor(), CLR_INVALID) << "the label keeps the skin's font colour";
    EXPECT_EQ(label.Color(), CLR_INVALID);
    EXPECT_FALSE(HasRegion(form));
    EXPECT_NE(GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_NE(GetWindowLongW(NewStyleKorvane->NewStyle_GenerateBtn.Handle(), GWL_STYLE) & WS_VISIBLE, 0);

    Manager().SetActive(true);
    Pump();
    EXPECT_TRUE(HasRegion(form)) << "the form is framed again at once";
    EXPECT_EQ(GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_EQ(title.Color(), skinnedEdit);
    EXPECT_EQ(label.FontColor(), skinnedLabel);
}

TEST_F(SkinOffAndOn, AMessageBoxOpenWhileTheSkinComesBackIsSkinnedAtOnce)
{
    ChooseStyleMenu->Show();
    Pump();
    bool framedBefore = false;
    bool unframedWhileOff = false;
    bool framedAgain = false;
    test::InModalLoop([&] {
        HWND box = FindWindowW(L"#32770", L"Error");
        framedBefore = box && ProviderOf(box) && HasRegion(box);
        Manager().SetActive(false);
        unframedWhileOff = box && !ProviderOf(box) && !HasRegion(box) && !AnswersSkinCommands(box);
        Manager().SetActive(true);
        framedAgain = box && ProviderOf(box) && HasRegion(box) && AnswersSkinCommands(box);
        if (box)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(ChooseStyleMenu->Handle(), L"Введите название меню", L"Error", MB_OK | MB_ICONERROR);
    EXPECT_TRUE(framedBefore);
    EXPECT_TRUE(unframedWhileOff);
    EXPECT_TRUE(framedAgain);
}

TEST_F(SkinOffAndOn, APreviewThatLeavesNoFrameDoesNotShutOutTheNext)
{
    ChooseStyleMenu->Show();
    Pump();
    const HWND chooser = ChooseStyleMenu->Handle();
    // A skin of no sections: nothing draws the chooser's frame afterwards.
    EXPECT_EQ(SendPreview(chooser, PreviewBlock("Graphite (internal)", "", "")), 1);
    Pump();
    EXPECT_FALSE(HasRegion(chooser));
    const std::string options = "[GLOBALINFO]\r\nVERSION=7.3\r\n[FORM]\r\nCOLOR=255\r\nSTATES=1\r\n";
    EXPECT_EQ(SendPreview(chooser, PreviewBlock("Previewed", "c:\\nowhere", options)), 1);
    EXPECT_GE(Manager().Tables().FindSection(u"FORM"), 0);
    EXPECT_EQ(Manager().SkinName(), u"Previewed");
}

} // namespace
} // namespace korvane
