// The skinned bars on the program's generated-source window: its memo gets the edit-frame
// adapter with both bars, a long plug-in is scrolled to its end by the skinned thumb, and the
// memo's text stays exactly the plug-in.
#include "app/form_generated.h"
#include "app/korvane_windows_fixture.h"
#include "editors/new_style_korvane.h"
#include "support/pump_messages.h"
#include "support/screenshot.h"
#include "support/test_bitmaps.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"
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

// The window's non-client picture as the screen shows it now.
win32::DibSection ScreenPictureOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    win32::DibSection picture(rect.right - rect.left, rect.bottom - rect.top);
    const HDC screen = GetDC(nullptr);
    BitBlt(picture.Dc(), 0, 0, picture.Width(), picture.Height(), screen, rect.left, rect.top, SRCCOPY);
    ReleaseDC(nullptr, screen);
    return picture;
}

TEST_F(EditFramesOnTheProgram, ABarTheMemoShowsWhileTheUserTypesIsTheSkins)
{
    Form_Generated->SetCurrentMenu(0);
    Form_Generated->Show();
    Pump();
    HWND memo = Form_Generated->PluginSource.Handle();
    auto* adapter = dynamic_cast<TacEditWnd*>(TacMainWnd::FromWindow(memo));
    ASSERT_NE(adapter, nullptr);
    ASSERT_FALSE(adapter->HorzBar.Enabled(memo)) << "the short plug-in fits: the horizontal bar is off";
    SetFocus(memo);
    // Ctrl+Home, then a first line wider than the box, typed; Ctrl+End, 14 new lines, Ctrl+Home.
    SendMessageW(memo, EM_SETSEL, 0, 0);
    for (int i = 0; i < 320; ++i)
        SendMessageW(memo, WM_CHAR, L'w', 1);
    Pump();
    const auto end = static_cast<WPARAM>(GetWindowTextLengthW(memo));
    SendMessageW(memo, EM_SETSEL, end, static_cast<LPARAM>(end));
    for (int i = 0; i < 14; ++i)
        SendMessageW(memo, WM_CHAR, L'\r', 1);
    SendMessageW(memo, EM_SETSEL, 0, 0);
    SendMessageW(memo, EM_SCROLLCARET, 0, 0);
    Pump();
    ASSERT_TRUE(adapter->HorzBar.Shown);
    ASSERT_TRUE(adapter->HorzBar.Enabled(memo)) << "the typed line is wider than the box";
    const win32::DibSection screen = ScreenPictureOf(memo);
    win32::DibSection skinned(screen.Width(), screen.Height());
    BitBlt(skinned.Dc(), 0, 0, screen.Width(), screen.Height(), screen.Dc(), 0, 0, SRCCOPY);
    adapter->PaintNonClient(skinned.Dc());
    const PixelRect horz = adapter->HorzBarRect();
    ASSERT_FALSE(horz.IsEmpty());
    EXPECT_EQ(testing::CountDifferingColours(screen.View(), skinned.View(), horz), 0)
        << "the platform drew the horizontal bar";
    EXPECT_EQ(testing::CountDifferingColours(screen.View(), skinned.View(), adapter->VertBarRect()), 0)
        << "the platform drew the vertical bar";
    test::SaveScreenshot("edit_frames_typed_bar");
    Form_Generated->Hide();
}

// The white gap between the last ink of "w" and the first ink after it, the columns inked where
// `inked(x)` says so, looked for from `from` to `to`.
template <typename Inked>
int GapAfterInk(int from, int to, Inked inked)
{
    int lastInk = -1;
    for (int x = from; x < to; ++x) {
        if (!inked(x))
            continue;
        if (lastInk >= 0 && x - lastInk > 1)
            return x - lastInk - 1;
        lastInk = x;
    }
    return -1;
}

TEST_F(EditFramesOnTheProgram, TheSpaceAfterAWIsAsWideInTheCodeViewAsInPlainText)
{
    Form_Generated->SetCurrentMenu(2);
    Form_Generated->Show();
    Pump();
    const HWND memo = Form_Generated->PluginSource.Handle();
    const std::wstring text = Form_Generated->PluginSource.Text();
    const std::size_t at = text.find(L"new Handle");
    ASSERT_NE(at, std::wstring::npos);
    SendMessageW(memo, EM_SETSEL, at, static_cast<LPARAM>(at));
    SendMessageW(memo, EM_SCROLLCARET, 0, 0);
    SetFocus(nullptr);
    Pump();
    const LRESULT wAt = SendMessageW(memo, EM_POSFROMCHAR, at + 2, 0);
    const LRESULT hAt = SendMessageW(memo, EM_POSFROMCHAR, at + 4, 0);
    const int wX = static_cast<short>(LOWORD(wAt));
    const int hX = static_cast<short>(LOWORD(hAt));
    const int top = static_cast<short>(HIWORD(wAt));
    ASSERT_GT(hX, wX);
    const HFONT font = reinterpret_cast<HFONT>(SendMessageW(memo, WM_GETFONT, 0, 0));
    TEXTMETRICW metrics{};
    {
        win32::WindowDC dc(memo);
        win32::SelectObjectGuard select(dc.get(), font);
        GetTextMetricsW(dc.get(), &metrics);
    }
    // The code view as the screen shows it: the "w", the space and the "H".
    POINT origin{0, 0};
    ClientToScreen(memo, &origin);
    const HDC screen = GetDC(nullptr);
    const COLORREF background = GetPixel(screen, origin.x + hX + 40, origin.y + top + metrics.tmHeight + 2);
    const auto viewInked = [&](int x) {
        for (int y = top; y < top + metrics.tmHeight; ++y)
            if (GetPixel(screen, origin.x + x, origin.y + y) != background)
                return true;
        return false;
    };
    const int viewGap = GapAfterInk(wX, hX + 4, viewInked);
    ReleaseDC(nullptr, screen);
    // The same letters drawn plainly with the same font.
    win32::DibSection plain(60, metrics.tmHeight);
    {
        win32::SelectObjectGuard select(plain.Dc(), font);
        RECT all{0, 0, 60, metrics.tmHeight};
        FillRect(plain.Dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SetTextColor(plain.Dc(), 0);
        SetBkMode(plain.Dc(), TRANSPARENT);
        TextOutW(plain.Dc(), 10, 0, L"w H", 3);
        GdiFlush();
    }
    const auto plainInked = [&](int x) {
        for (int y = 0; y < metrics.tmHeight; ++y)
            if ((plain.View().At(x, y) & 0xFFFFFF) != 0xFFFFFF)
                return true;
        return false;
    };
    const int plainGap = GapAfterInk(10, 59, plainInked);
    ASSERT_GT(plainGap, 0);
    EXPECT_EQ(viewGap, plainGap) << "the space after \"new\" is narrower in the code view";
    test::SaveScreenshot("edit_frames_spaces");
    Form_Generated->Hide();
}

} // namespace
} // namespace korvane
