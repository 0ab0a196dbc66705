// Cross-fades of the skinned buttons in real windows, driven tick by tick: a windowed button and
// a radio button show blended frames on their window and end on their new face, a speed button
// fades through its working picture, and no fade runs while a skin is applied or outlives hiding,
// disabling or a skin change.
#include "controls/skinned_buttons_win32.h"
#include "controls/skinned_radio_button_win32.h"
#include "render/fade_timer.h"
#include "support/mask_frames_picture.h"
#include "support/skinned_form_fixture_win32.h"
#include "ui/edit.h"
#include "win32/dc_guards.h"

#include <map>
#include <memory>
#include <vector>

namespace korvane {
namespace {

const std::string kOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\nCOLOR=8421504\r\nMASTERBITMAP=MASTER.BMP\r\n"
                             "[BUTTON]\r\nSTATES=3\r\nCOLOR=255\r\nFONTCOLOR=16777215\r\n"
                             "FADINGENABLED=1\r\nFADINGITERATIONS=4\r\n"
                             "BORDERSMASK=^0000^0000^0030^0010^0003^0003^0003^0003^3^0^4^0\r\n"
                             "[SPEEDBUTTON]\r\nSTATES=3\r\nCOLOR=0\r\nHOTCOLOR=16777215\r\n"
                             "FADINGENABLED=1\r\nFADINGITERATIONS=4\r\n"
                             "[RADIOBUTTON]\r\nSTATES=3\r\nCOLOR=255\r\nHOTCOLOR=65280\r\n"
                             "FADINGENABLED=1\r\nFADINGITERATIONS=4\r\n";

// Timers that tick only when the test says so.
class ManualTimers {
public:
    ManualTimers()
    {
        SetUiTimerFactory([this] { return std::make_unique<Timer>(*this); });
    }
    ~ManualTimers() { SetUiTimerFactory(MakeWin32UiTimer); }
    int Running() const { return static_cast<int>(m_ticks.size()); }
    // One tick of every running timer (a tick may stop or free its own timer or others).
    void TickAll()
    {
        const std::map<const void*, std::function<void()>> ticks = m_ticks;
        for (const auto& [timer, tick] : ticks)
            if (m_ticks.count(timer))
                tick();
    }

private:
    class Timer : public UiTimer {
    public:
        explicit Timer(ManualTimers& owner) : m_owner(owner) {}
        ~Timer() override { Stop(); }
        void Start(int, std::function<void()> tick) override { m_owner.m_ticks[this] = std::move(tick); }
        void Stop() override { m_owner.m_ticks.erase(this); }

    private:
        ManualTimers& m_owner;
    };
    std::map<const void*, std::function<void()>> m_ticks;
};

class ButtonFades : public test::SkinnedFormTest {
protected:
    std::string Options() const override { return kOptions; }
    std::vector<test::PackageMember> Pictures() const override
    {
        return {{"MASTER.BMP", test::MaskFramesPicture(false)}};
    }
    void Pump() { RedrawWindow(m_form->Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }
    // The red channel of a pixel of the window as the screen has it.
    static int ScreenRed(HWND window, int x, int y)
    {
        win32::WindowDC dc(window);
        return GetRValue(GetPixel(dc.get(), x, y));
    }
    static int CacheRed(const TsCommonData& data, int x, int y)
    {
        return static_cast<int>((data.CacheBitmap.View().At(x, y) >> 16) & 0xFF);
    }
};

TEST_F(ButtonFades, AWindowedButtonShowsBlendedFramesAndEndsOnItsHotFace)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21)); // takes the focus: a focused button is hot
    TsBitBtn button(*m_form, BoundsRect(20, 20, 75, 25), L"");
    Apply();
    Pump();
    ManualTimers timers;
    const int liveBefore = LiveAnimationTimers();
    ASSERT_EQ(ScreenRed(button.Handle(), 6, 12), 0x10);

    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    ASSERT_TRUE(button.SkinData.MouseInside);
    EXPECT_TRUE(button.Skin().Fader().Running());
    EXPECT_EQ(LiveAnimationTimers(), liveBefore + 1);
    EXPECT_EQ(CacheRed(button.SkinData, 6, 12), 0x40) << "the cache holds the face the fade goes to";

    std::vector<int> reds;
    for (int tick = 0; tick < 4; ++tick) {
        timers.TickAll();
        reds.push_back(ScreenRed(button.Handle(), 6, 12));
    }
    // (old x A + new x (255 - A) + 127) >> 8 with A = 191, 127, 63, 0 from 16 toward 64.
    EXPECT_EQ(reds, (std::vector<int>{28, 40, 52, 0x40}));
    timers.TickAll(); // past the last frame: the fade is over and freed
    EXPECT_FALSE(button.Skin().Fader().Running());
    EXPECT_EQ(LiveAnimationTimers(), liveBefore);
    EXPECT_EQ(timers.Running(), 0);
    Pump();
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), 0x40);
}

// Runs a windowed button's fade to its end.
void FadeToTheEnd(TsBitBtn& button, ManualTimers& timers)
{
    while (button.Skin().Fader().Running())
        timers.TickAll();
}

// A bitmap button under the mouse, its hot face settled, with the fades on the test's timers.
class HotButtonFades : public ButtonFades {
protected:
    void SetUp() override
    {
        ButtonFades::SetUp();
        m_focused = std::make_unique<ui::Edit>(*m_form, BoundsRect(120, 120, 60, 21));
        m_button = std::make_unique<TsBitBtn>(*m_form, BoundsRect(20, 20, 75, 25), L"");
        Apply();
        Pump();
        m_timers = std::make_unique<ManualTimers>();
        SendMessageW(m_button->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
        FadeToTheEnd(*m_button, *m_timers);
        Pump();
    }
    void TearDown() override
    {
        m_timers.reset();
        m_button.reset();
        m_focused.reset();
        ButtonFades::TearDown();
    }
    std::unique_ptr<ui::Edit> m_focused;
    std::unique_ptr<TsBitBtn> m_button;
    std::unique_ptr<ManualTimers> m_timers;
};

TEST_F(HotButtonFades, APressFadesFromTheFaceOnTheScreenWhateverPaintsMeanwhile)
{
    TsBitBtn& button = *m_button;
    ManualTimers& timers = *m_timers;
    ASSERT_EQ(ScreenRed(button.Handle(), 6, 12), 0x40);

    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    ASSERT_TRUE(button.Skin().Fader().Running());
    // The focus change and the button's own notification left paints pending: they must not
    // put the pressed face up before the fade's first frame.
    Pump();
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), 0x40) << "the pressed face showed before the fade";
    timers.TickAll();
    const int first = ScreenRed(button.Handle(), 6, 12);
    EXPECT_GT(first, 0x40);
    EXPECT_LT(first, 0x70);
    Pump();
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), first) << "a paint between frames jumped ahead";
    FadeToTheEnd(button, timers);
    Pump();
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), 0x70);
}

TEST_F(HotButtonFades, AQuickClickShowsThePressedFaceThenFadesBack)
{
    TsBitBtn& button = *m_button;
    ManualTimers& timers = *m_timers;
    SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, 10));
    ASSERT_TRUE(button.Skin().Fader().Running()) << "the press fades";
    // Released before the press's fade showed a frame.
    LARGE_INTEGER frequency{}, start{}, end{};
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    SendMessageW(button.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(30, 10));
    QueryPerformanceCounter(&end);
    const double elapsedMs =
        1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
    EXPECT_GE(elapsedMs, 29.0) << "the pressed face was not held";
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), 0x70) << "the pressed face is on the screen";
    EXPECT_TRUE(button.Skin().Fader().Running()) << "the release does not fade";
    timers.TickAll();
    const int first = ScreenRed(button.Handle(), 6, 12);
    EXPECT_LT(first, 0x70);
    EXPECT_GT(first, 0x40);
    FadeToTheEnd(button, timers);
    Pump();
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), 0x40) << "released under the mouse: hot";
}

TEST_F(ButtonFades, WhileASkinIsAppliedAChangeShowsAtOnce)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21));
    TsButton button(*m_form, BoundsRect(20, 20, 75, 25), L"");
    Apply();
    Pump();
    ManualTimers timers;
    SkinLoadInProgress = true;
    SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    SkinLoadInProgress = false;
    EXPECT_FALSE(button.Skin().Fader().Running());
    EXPECT_EQ(timers.Running(), 0);
    EXPECT_EQ(ScreenRed(button.Handle(), 6, 12), 0x40) << "repainted in the hot state at once";
}

TEST_F(ButtonFades, DisablingOrHidingAButtonFreesItsFade)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21));
    TsButton disabled(*m_form, BoundsRect(20, 20, 75, 25), L"");
    TsButton hidden(*m_form, BoundsRect(20, 60, 75, 25), L"");
    Apply();
    Pump();
    ManualTimers timers;
    const int liveBefore = LiveAnimationTimers();
    SendMessageW(disabled.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    SendMessageW(hidden.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(30, 10));
    ASSERT_TRUE(disabled.Skin().Fader().Running());
    ASSERT_TRUE(hidden.Skin().Fader().Running());
    EXPECT_EQ(LiveAnimationTimers(), liveBefore + 2);

    disabled.SetEnabled(false);
    ShowWindow(hidden.Handle(), SW_HIDE);
    EXPECT_FALSE(disabled.Skin().Fader().Running());
    EXPECT_FALSE(hidden.Skin().Fader().Running());
    EXPECT_EQ(LiveAnimationTimers(), liveBefore);
    EXPECT_EQ(timers.Running(), 0);
}

TEST_F(ButtonFades, ASpeedButtonFadesThroughItsWorkingPictureToItsCache)
{
    TsSpeedButton button(*m_form, BoundsRect(16, 16, 23, 22));
    Apply();
    Pump();
    ManualTimers timers;
    const int normal = CacheRed(button.SkinData, 1, 1);
    SendMessageW(m_form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(20, 20));
    ASSERT_TRUE(button.SkinData.MouseInside);
    ASSERT_TRUE(button.Fader().Running());
    const Bitmap32* working = button.Fader().WorkingPicture();
    ASSERT_NE(working, nullptr);
    // The first frame is shown at once: mostly the old face, a little of the white hot one.
    const int first = static_cast<int>((working->ReadView().At(1, 1) >> 16) & 0xFF);
    EXPECT_EQ(CacheRed(button.SkinData, 1, 1), 0xFF) << "the cache holds the hot face";
    EXPECT_GT(first, normal);
    EXPECT_LT(first, 0xFF);
    EXPECT_EQ(ScreenRed(m_form->Handle(), 17, 17), first) << "the working picture is on the screen";
    for (int tick = 0; tick < 4 && button.Fader().Running(); ++tick)
        timers.TickAll();
    EXPECT_FALSE(button.Fader().Running());
    EXPECT_EQ(button.Fader().WorkingPicture(), nullptr);
    EXPECT_EQ(ScreenRed(m_form->Handle(), 17, 17), 0xFF);

    SendMessageW(m_form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    ASSERT_TRUE(button.Fader().Running()) << "leaving fades back";
    button.SetEnabled(false);
    EXPECT_FALSE(button.Fader().Running());
}

TEST_F(ButtonFades, ARadioButtonFadesToItsHotFaceAndASkinChangeStopsIt)
{
    ui::Edit focused(*m_form, BoundsRect(120, 120, 60, 21));
    TsRadioButton radio(*m_form, BoundsRect(20, 20, 120, 20), L"");
    radio.AutoSize = false; // it sized itself to its check picture when it was made
    SetWindowPos(radio.Handle(), nullptr, 20, 20, 120, 20, SWP_NOZORDER | SWP_NOACTIVATE);
    Apply();
    Pump();
    ManualTimers timers;
    // Right of the check picture, where only the face's colour lies: red normal, green hot.
    const int x = 110;
    ASSERT_EQ(ScreenRed(radio.Handle(), x, 10), 0xFF);
    SendMessageW(radio.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 10));
    ASSERT_TRUE(radio.SkinData.MouseInside);
    ASSERT_TRUE(radio.Fader().Running());
    std::vector<int> reds;
    for (int tick = 0; tick < 4; ++tick) {
        timers.TickAll();
        reds.push_back(ScreenRed(radio.Handle(), x, 10));
    }
    EXPECT_EQ(reds, (std::vector<int>{190, 127, 63, 0}));
    timers.TickAll();
    EXPECT_FALSE(radio.Fader().Running());

    SendMessageW(radio.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 10)); // already inside: nothing new
    SendMessageW(m_form->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(250, 150));
    ASSERT_TRUE(radio.Fader().Running()) << "leaving fades back";
    SendMessageW(radio.Handle(), SKM_COMMAND, EngineCommandWParam(SKC_REFRESH),
                 reinterpret_cast<LPARAM>(m_manager.get()));
    EXPECT_FALSE(radio.Fader().Running());
    EXPECT_EQ(timers.Running(), 0);
}

} // namespace
} // namespace korvane
