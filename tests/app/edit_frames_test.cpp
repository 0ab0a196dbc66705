// The skinned bars on the program's generated-source window: its memo gets the edit-frame
// adapter with both bars, a long plug-in is scrolled to its end by the skinned thumb, and the
// memo's text stays exactly the plug-in.
#include "app/form_generated.h"
#include "app/korvane_windows_fixture.h"
#include "editors/new_style_korvane.h"
#include "support/pump_messages.h"
#include "support/screenshot.h"
#include "windows/edit_wnd_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace korvane {
namespace {

void Pump()
{
    test::PumpMessages(3, 20);
}

class EditFramesOnTheProgram : public test::KorvaneWindowsTest {};

TEST_F(EditFramesOnTheProgram, TheGeneratedSourceIsScrolledToItsEndByTheSkinnedThumbAndStaysThePlugin)
{
    NewStyleKorvane->NewStyle_Title.SetText(L"T");
    for (int i = 0; i < 300; ++i)
        NewStyleKorvane->NewStyle_Items.Add(L"Item " + std::to_wstring(i));
    Form_Generated->SetCurrentMenu(0);
    Form_Generated->Show();
    Pump();
    HWND memo = Form_Generated->PluginSource.Handle();
    auto* adapter = dynamic_cast<TacEditWnd*>(TacMainWnd::FromWindow(memo));
    ASSERT_NE(adapter, nullptr) << "the memo has the edit-frame adapter";
    EXPECT_TRUE(adapter->VertBar.Shown);
    EXPECT_TRUE(adapter->HorzBar.Shown);
    const std::wstring before = Form_Generated->PluginSource.Text();
    const int lines = static_cast<int>(SendMessageW(memo, EM_GETLINECOUNT, 0, 0));
    EXPECT_GT(lines, 300);
    RECT client{};
    GetClientRect(memo, &client);
    RECT window{};
    GetWindowRect(memo, &window);
    EXPECT_EQ(client.right,
              window.right - window.left - adapter->LeftEdge - adapter->RightEdge - GetSystemMetrics(SM_CXVSCROLL));

    adapter->RefreshBars(false);
    const PixelRect vert = adapter->VertBarRect();
    const ThumbPlace thumb = ThumbGeometry(adapter->VertBar.Values(), adapter->VertBar.Axis(vert));
    const POINT grab{window.left + (vert.Left + vert.Right) / 2, window.top + thumb.Start + thumb.Length / 2};
    SendMessageW(memo, WM_NCLBUTTONDOWN, HTVSCROLL, MAKELPARAM(grab.x, grab.y));
    POINT end{grab.x, window.bottom + 200};
    ScreenToClient(memo, &end);
    SendMessageW(memo, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(end.x, end.y));
    SendMessageW(memo, WM_LBUTTONUP, 0, MAKELPARAM(end.x, end.y));
    Pump();
    const SCROLLINFO& info = adapter->VertBar.Info;
    EXPECT_EQ(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), info.nMax - static_cast<int>(info.nPage) + 1);
    EXPECT_GT(SendMessageW(memo, EM_GETFIRSTVISIBLELINE, 0, 0), 250);
    EXPECT_EQ(Form_Generated->PluginSource.Text(), before);
    test::SaveScreenshot("edit_frames_generated");
    Form_Generated->Hide();
}

} // namespace
} // namespace korvane
