// A window frame on a plain captioned window: it paints from the skin of the manager it was given
// (which need not be the program's default manager) and fades its title buttons while the window
// is inactive.
#include "skin/skin_platform_win32.h"
#include "support/skin_test_data.h"
#include "windows/skin_manager_win32.h"
#include "windows/title_buttons.h"
#include "windows/window_frame_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <vector>

namespace korvane {
namespace {

// A manager holding one stored skin of the given members, applied, and a captioned popup window
// with a frame of that manager's FORM section.
class FramedWindow {
public:
    FramedWindow(Win32SkinPlatform& platform, std::vector<test::PackageMember> members) : m_manager(platform)
    {
        m_manager.BeginRestore();
        m_manager.InternalSkins.push_back({u"Framed", test::MakePackage(members)});
        m_manager.SetSkinDirectory(u"c:\\no such skins folder");
        m_manager.SetSkinName(u"Framed");
        m_manager.EndRestore();
        m_window = CreateWindowExW(0, L"STATIC", L"Framed", WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE, 50, 50,
                                   200, 120, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        const HWND window = m_window;
        m_frame = std::make_unique<WindowFrame>(window, u"FORM", &m_manager, [window](UINT m, WPARAM w, LPARAM l) {
            return DefWindowProcW(window, m, w, l);
        });
        m_frame->Prepare();
    }
    ~FramedWindow()
    {
        m_frame.reset();
        DestroyWindow(m_window);
    }
    FramedWindow(const FramedWindow&) = delete;
    FramedWindow& operator=(const FramedWindow&) = delete;

    TsSkinManager& Manager() { return m_manager; }
    WindowFrame& Frame() { return *m_frame; }
    // The frame repainted as the platform activates or deactivates the window.
    void Activate(bool active)
    {
        LRESULT ignored = 0;
        m_frame->Handle(WM_NCACTIVATE, active ? TRUE : FALSE, 0, ignored);
    }

private:
    TsSkinManager m_manager;
    HWND m_window = nullptr;
    std::unique_ptr<WindowFrame> m_frame;
};

// FORM in red, the same active or not.
const std::string kRedForm = "[FORM]\r\nSTATES=2\r\nCOLOR=255\r\nHOTCOLOR=255\r\n";

TEST(WindowFrameSkin, AFramePaintsFromItsOwnManagersSkin)
{
    Win32SkinPlatform platform;
    TsSkinManager byDefault(platform); // the program's default manager, with no skin at all
    FramedWindow framed(platform, {{"Options.dat", test::Bytes("[GLOBALINFO]\r\nVERSION=7.3\r\n" + kRedForm)}});
    ASSERT_FALSE(framed.Manager().IsDefault());
    ASSERT_TRUE(framed.Frame().Skinned());
    framed.Frame().PaintFrame();
    ASSERT_FALSE(framed.Frame().Cache().Empty());
    // A pixel of the left border, below the title: the FORM colour of the frame's own skin.
    const FrameMetrics metrics = framed.Frame().Metrics();
    EXPECT_EQ(framed.Frame().Cache().View().At(1, metrics.WindowHeight / 2) & 0xFFFFFF, 0xFF0000u)
        << "painted from another manager's skin";
}

TEST(WindowFrameSkin, AnInactiveWindowShowsItsTitleButtonsFaded)
{
    Win32SkinPlatform platform;
    // One close picture of three 16 x 16 frames, all green.
    const std::vector<std::uint32_t> green(48 * 16, 0x00C000);
    FramedWindow framed(platform, {{"Options.dat", test::Bytes("[GLOBALINFO]\r\nVERSION=7.3\r\n"
                                                               "MASTERBITMAP=MASTER.BMP\r\n"
                                                               "BICLOSEALONE=@0000@0000@0048@0016@3@0\r\n" +
                                                               kRedForm)},
                                   {"MASTER.BMP", test::MakeBmp24(48, 16, green)}});
    const TitleButtonData& close = framed.Frame().Button(kHitClose);
    ASSERT_GE(close.ImageIndex, 0);
    const auto centre = [&] {
        return framed.Frame().Cache().View().At(close.Rect.Left + 8, close.Rect.Top + 8) & 0xFFFFFF;
    };
    framed.Activate(true);
    EXPECT_EQ(centre(), 0x00C000u) << "an active window shows the picture as it is";
    framed.Activate(false);
    EXPECT_NE(centre(), 0x00C000u) << "an inactive window's close button is not faded";
}

} // namespace
} // namespace korvane
