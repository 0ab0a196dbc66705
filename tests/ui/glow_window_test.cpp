// Glow windows under Wine: size, position, styles, z-order and click-through of the layered
// window that shows a control's glow. Xvfb does not blend partial alpha, so no test asserts
// blended colours on the screen.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "gfx/bitmap32.h"
#include "render/fake_skin.h"
#include "render/glow.h"
#include "support/screenshot.h"

namespace korvane {
namespace {
using namespace korvane::testing;

// A section BUTTON with GLOW=1, GLOWMARGIN=2 and a glow entry like "!GLOW.PNG!1!0!3!0008!0008!0008!0008":
// its own 24 x 24 image, borders 8, edges stretched, centre left transparent.
class GlowSkin : public FakeSkin {
public:
    GlowSkin()
    {
        TsGeneralData section;
        section.SectionName = u"BUTTON";
        section.States = 2;
        section.GlowCount = 1;
        section.GlowMargin = 2;
        Sections.push_back(section);
        auto image = std::make_shared<Bitmap32>(24, 24);
        for (int y = 0; y < 24; ++y) {
            for (int x = 0; x < 24; ++x) {
                const int edge = std::min({x, y, 23 - x, 23 - y});
                image->SetPixel(x, y, edge < 8 ? (static_cast<std::uint32_t>(40 + edge * 25) << 24) | 0x00FF8000u : 0);
            }
        }
        TsMaskData glow;
        glow.Image = image;
        glow.SectionName = u"BUTTON";
        glow.PropertyName = u"GLOW0";
        glow.Rect = {0, 0, 24, 24};
        glow.ImageCount = 1;
        glow.DrawMode = 1;
        glow.ImgType = kImgGlow;
        glow.LeftWidth = glow.TopWidth = glow.RightWidth = glow.BottomWidth = 8;
        Masks.push_back(glow);
        MaskKeys[u"GLOW0"] = 0;
    }
};

class GlowWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = L"KorvaneGlowOwner";
        RegisterClassW(&windowClass);
        m_owner = CreateWindowExW(0, windowClass.lpszClassName, L"Glow owner", WS_POPUP | WS_BORDER, 200, 200, 300, 200,
                                  nullptr, nullptr, windowClass.hInstance, nullptr);
        ASSERT_NE(m_owner, nullptr);
        ShowWindow(m_owner, SW_SHOW);
        UpdateWindow(m_owner);
        ASSERT_TRUE(GlowsAvailable());
    }
    void TearDown() override
    {
        ClearGlows();
        if (m_owner != nullptr) {
            DestroyWindow(m_owner);
        }
    }
    static RECT WindowRect(void* window)
    {
        RECT rect{};
        GetWindowRect(static_cast<HWND>(window), &rect);
        return rect;
    }

    GlowSkin m_skin;
    HWND m_owner = nullptr;
};

TEST_F(GlowWindowTest, ButtonGlowIs87By37AndSixPixelsOut)
{
    const int index = ShowGlow({250, 250, 325, 275}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    ASSERT_GE(index, 0);
    void* glow = GlowWindow(index);
    ASSERT_NE(glow, nullptr);
    const RECT rect = WindowRect(glow);
    EXPECT_EQ(rect.left, 244);
    EXPECT_EQ(rect.top, 244);
    EXPECT_EQ(rect.right - rect.left, 87);
    EXPECT_EQ(rect.bottom - rect.top, 37);
    EXPECT_TRUE(IsWindowVisible(static_cast<HWND>(glow)));
    const std::string shot = test::SaveScreenshot("glow-over-window");
    EXPECT_FALSE(shot.empty());
}

TEST_F(GlowWindowTest, GlowWindowIsALayeredClickThroughToolWindowTagged98)
{
    const int index = ShowGlow({250, 250, 325, 275}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    const HWND glow = static_cast<HWND>(GlowWindow(index));
    ASSERT_NE(glow, nullptr);
    const LONG_PTR exStyle = GetWindowLongPtrW(glow, GWL_EXSTYLE);
    EXPECT_EQ(exStyle & 0x080800A0, 0x080800A0);
    EXPECT_NE(GetWindowLongPtrW(glow, GWL_STYLE) & WS_POPUP, 0);
    EXPECT_EQ(GetWindowLongPtrW(glow, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
    EXPECT_TRUE(IsGlowWindow(glow));
    EXPECT_FALSE(IsGlowWindow(m_owner));
    EXPECT_EQ(SendMessageW(glow, WM_NCHITTEST, 0, MAKELPARAM(246, 246)), HTTRANSPARENT);
    // A point of the glow outside the control belongs to the window below it.
    EXPECT_EQ(WindowFromPoint(POINT{246, 246}), m_owner);
    EXPECT_NE(GetForegroundWindow(), glow);
}

TEST_F(GlowWindowTest, GlowLiesRightAboveItsOwner)
{
    const int index = ShowGlow({250, 250, 325, 275}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    const HWND glow = static_cast<HWND>(GlowWindow(index));
    ASSERT_NE(glow, nullptr);
    EXPECT_EQ(GetWindow(glow, GW_HWNDNEXT), m_owner);
}

TEST_F(GlowWindowTest, GlowOfATopmostOwnerJoinsTheTopmostBand)
{
    SetWindowPos(m_owner, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const int index = ShowGlow({250, 250, 325, 275}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    const HWND glow = static_cast<HWND>(GlowWindow(index));
    ASSERT_NE(glow, nullptr);
    EXPECT_NE(GetWindowLongPtrW(glow, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
}

TEST_F(GlowWindowTest, ControlHiddenOnTheLeftGetsAGlowCutOnTheLeft)
{
    const int index = ShowGlow({250, 250, 325, 275}, {10, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    const RECT rect = WindowRect(GlowWindow(index));
    EXPECT_EQ(rect.left, 260);
    EXPECT_EQ(rect.right - rect.left, 87 - 16);
    EXPECT_EQ(rect.top, 244);
}

TEST_F(GlowWindowTest, HidingTwiceAndUnknownEntriesDoNothing)
{
    const int first = ShowGlow({250, 250, 325, 275}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    const int second = ShowGlow({250, 300, 325, 325}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    EXPECT_EQ(second, first + 1);
    const HWND window = static_cast<HWND>(GlowWindow(first));
    HideGlow(first);
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(GlowWindow(first), nullptr);
    HideGlow(first);
    HideGlow(1000);
    EXPECT_NE(GlowWindow(second), nullptr); // indexes stay stable
    EXPECT_EQ(ShowGlow({0, 0, 10, 10}, {0, 0, 10, 10}, u"BUTTON", &m_skin, m_owner, 255, 2, u"NOGLOW"), -1);
    ClearGlows();
    EXPECT_EQ(GlowWindow(second), nullptr);
}

TEST_F(GlowWindowTest, AnIndexHeldPastClearingReachesNoLaterGlow)
{
    const int stale = ShowGlow({250, 250, 325, 275}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    ASSERT_GE(stale, 0);
    ClearGlows();
    const int later = ShowGlow({250, 300, 325, 325}, {0, 0, 75, 25}, u"BUTTON", &m_skin, m_owner, 255, 2, u"GLOW");
    ASSERT_GE(later, 0);
    EXPECT_NE(later, stale);
    const HWND window = static_cast<HWND>(GlowWindow(later));
    ASSERT_NE(window, nullptr);
    HideGlow(stale); // the control that showed the first one forgets it only now
    EXPECT_TRUE(IsWindow(window)) << "hiding a cleared glow closed another control's glow";
    EXPECT_EQ(GlowWindow(later), window);
}

TEST_F(GlowWindowTest, WindowPathGlowsAroundTheWindowAndHidesAgain)
{
    const int index = UpdateWindowGlow(m_owner, -1, false, 0, &m_skin);
    ASSERT_GE(index, 0);
    const RECT rect = WindowRect(GlowWindow(index));
    EXPECT_EQ(rect.left, 200 - 6);
    EXPECT_EQ(rect.right - rect.left, 300 + 12);
    EXPECT_EQ(UpdateWindowGlow(m_owner, index, true, 0, &m_skin), -1);
    EXPECT_EQ(GlowWindow(index), nullptr);
}

} // namespace
} // namespace korvane
