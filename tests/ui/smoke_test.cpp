// The Windows build runs: a real top-level window with a Cyrillic caption exists on the screen.
#include "support/screenshot.h"
#include "ui/window_text.h"

#include <gtest/gtest.h>

#include <windows.h>

namespace korvane {
namespace {

TEST(WindowsSmoke, TopLevelWindowKeepsItsCyrillicCaption)
{
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"KorvaneSmokeTest";
    ASSERT_NE(RegisterClassW(&wc), 0);
    const std::wstring caption = L"Korvane — Главное окно";
    HWND window = CreateWindowExW(0, wc.lpszClassName, caption.c_str(), WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, 100,
                                  100, 400, 200, nullptr, nullptr, wc.hInstance, nullptr);
    ASSERT_NE(window, nullptr);
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);

    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(ui::WindowText(window), caption);
    const std::string shot = test::SaveScreenshot("smoke-window");
    EXPECT_FALSE(shot.empty()) << "no screenshot could be taken";

    DestroyWindow(window);
    UnregisterClassW(wc.lpszClassName, wc.hInstance);
}

} // namespace
} // namespace korvane
