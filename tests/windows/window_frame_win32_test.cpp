// A window frame paints from the skin of the manager it was given, which need not be the
// program's default manager.
#include "skin/skin_platform_win32.h"
#include "support/skin_test_data.h"
#include "windows/skin_manager_win32.h"
#include "windows/window_frame_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <vector>

namespace korvane {
namespace {

TEST(WindowFrameSkin, AFramePaintsFromItsOwnManagersSkin)
{
    Win32SkinPlatform platform;
    TsSkinManager byDefault(platform); // no skin at all
    TsSkinManager own(platform);
    ASSERT_FALSE(own.IsDefault());
    own.BeginRestore();
    own.InternalSkins.push_back(
        {u"Own",
         test::MakePackage({{"Options.dat", test::Bytes("[GLOBALINFO]\r\nVERSION=7.3\r\n"
                                                        "[FORM]\r\nSTATES=2\r\nCOLOR=255\r\nHOTCOLOR=255\r\n")}})});
    own.SetSkinDirectory(u"c:\\no such skins folder");
    own.SetSkinName(u"Own");
    own.EndRestore();

    HWND window = CreateWindowExW(0, L"STATIC", L"Own skin", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50, 50,
                                  200, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        WindowFrame frame(window, u"FORM", &own,
                          [window](UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(window, m, w, l); });
        frame.Prepare();
        ASSERT_TRUE(frame.Skinned());
        frame.PaintFrame();
        ASSERT_FALSE(frame.Cache().Empty());
        // A pixel of the left border, below the title: the FORM colour of the frame's own skin.
        const FrameMetrics metrics = frame.Metrics();
        const std::uint32_t border = frame.Cache().View().At(1, metrics.WindowHeight / 2) & 0xFFFFFF;
        EXPECT_EQ(border, 0xFF0000u) << "painted from another manager's skin";
    }
    DestroyWindow(window);
}

TEST(WindowFrameSkin, AnInactiveWindowShowsItsTitleButtonsFaded)
{
    Win32SkinPlatform platform;
    TsSkinManager manager(platform);
    // One close picture of three 16 x 16 frames, all green; the frame looks the same active or not.
    const std::vector<std::uint32_t> green(48 * 16, 0x00C000);
    manager.BeginRestore();
    manager.InternalSkins.push_back(
        {u"Buttons", test::MakePackage({{"Options.dat", test::Bytes("[GLOBALINFO]\r\nVERSION=7.3\r\n"
                                                                    "MASTERBITMAP=MASTER.BMP\r\n"
                                                                    "BICLOSEALONE=@0000@0000@0048@0016@3@0\r\n"
                                                                    "[FORM]\r\nSTATES=2\r\nCOLOR=255\r\n"
                                                                    "HOTCOLOR=255\r\n")},
                                        {"MASTER.BMP", test::MakeBmp24(48, 16, green)}})});
    manager.SetSkinDirectory(u"c:\\no such skins folder");
    manager.SetSkinName(u"Buttons");
    manager.EndRestore();
    HWND window = CreateWindowExW(0, L"STATIC", L"Buttons", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50, 50,
                                  200, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    {
        WindowFrame frame(window, u"FORM", &manager,
                          [window](UINT m, WPARAM w, LPARAM l) { return DefWindowProcW(window, m, w, l); });
        frame.Prepare();
        const TitleButtonData& close = frame.Button(kHitClose);
        ASSERT_GE(close.ImageIndex, 0);
        const auto centre = [&] { return frame.Cache().View().At(close.Rect.Left + 8, close.Rect.Top + 8) & 0xFFFFFF; };
        LRESULT ignored = 0;
        frame.Handle(WM_NCACTIVATE, TRUE, 0, ignored);
        EXPECT_EQ(centre(), 0x00C000u) << "an active window shows the picture as it is";
        frame.Handle(WM_NCACTIVATE, FALSE, 0, ignored);
        EXPECT_NE(centre(), 0x00C000u) << "an inactive window's close button is not faded";
    }
    DestroyWindow(window);
}

} // namespace
} // namespace korvane
