// The skinned frames on the real program under Wine: the hook gives every form a provider and
// every platform dialog an adapter; the frames paint from the internal skin, answer the hit test,
// run the title buttons and the system menu, and leave the client areas as large as before.
#include "app/choose_style_menu.h"
#include "app/form_generated.h"
#include "app/korvane_windows_fixture.h"
#include "editors/new_style_korvane.h"
#include "gfx/colors.h"
#include "support/in_modal_loop_win32.h"
#include "support/pump_messages.h"
#include "support/screenshot.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "windows/skin_manager_win32.h"
#include "windows/skin_provider_win32.h"

#include <gtest/gtest.h>

#include <commdlg.h>
#include <windowsx.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>
#include <string>
#include <thread>

namespace korvane {
namespace {

using test::InModalLoop;

void Pump()
{
    test::PumpMessages();
}

// What the chooser heard, in order: "off" and "on" for WM_SETREDRAW, "refresh" for the skin's
// refresh.
std::vector<std::string> g_chooserHeard;

LRESULT CALLBACK RecordChooserMessages(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && ChooseStyleMenu && message->hwnd == ChooseStyleMenu->Handle() &&
        message->message == WM_SETREDRAW)
        g_chooserHeard.push_back(message->wParam ? "on" : "off");
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

// Hears the skin's refresh on a form's path, as the form's objects do.
class RefreshRecorder : public ui::MessageHook, public SkinTarget {
public:
    void SkinChanged(SkinChange change, const SkinManagerCore*, const std::function<void()>& rest) override
    {
        if (change == SkinChange::Refresh)
            g_chooserHeard.push_back("refresh");
        rest();
    }

protected:
    bool OnMessage(ui::Message&) override { return false; }
};

// The system's minimise animation switch as it was while the application window changed size.
int g_animationDuringSize = -1;

LRESULT CALLBACK RecordAnimationOnSize(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->message == WM_SIZE && message->hwnd == ui::Application::Current()->Handle()) {
        ANIMATIONINFO animation{};
        animation.cbSize = sizeof(animation);
        SystemParametersInfoW(SPI_GETANIMATION, sizeof(animation), &animation, 0);
        g_animationDuringSize = animation.iMinAnimate;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

HWND TopDialog(const wchar_t* caption)
{
    return FindWindowW(L"#32770", caption);
}

class WindowFrames : public test::KorvaneWindowsTest {
protected:
    WindowFrame& FrameOf(const ui::Form& form)
    {
        TacProvider* provider = ProviderOf(form.Handle());
        EXPECT_NE(provider, nullptr);
        return provider->FormProvider->Frame();
    }
    static int CountColour(const win32::DibSection& cache, PixelRect rect, COLORREF colour)
    {
        const BitmapView view = cache.View();
        int count = 0;
        for (int y = rect.Top; y < rect.Bottom; ++y)
            for (int x = rect.Left; x < rect.Right; ++x)
                if (PixelToColor(view.At(x, y)) == (colour & 0xFFFFFF))
                    ++count;
        return count;
    }
};

TEST_F(WindowFrames, TheChooserIsFramedWithoutItsSystemMenuStyleAndKeepsItsClientSize)
{
    HWND chooser = ChooseStyleMenu->Handle();
    RECT before{};
    GetClientRect(chooser, &before);
    ASSERT_EQ(ProviderOf(chooser), nullptr) << "framed when first activated";
    ChooseStyleMenu->Show();
    Pump();
    TacProvider* provider = ProviderOf(chooser);
    ASSERT_NE(provider, nullptr);
    ASSERT_TRUE(provider->FormProvider);
    EXPECT_TRUE(AnswersSkinCommands(chooser));
    EXPECT_EQ(GetWindowLongW(chooser, GWL_STYLE) & WS_SYSMENU, 0);
    EXPECT_TRUE(provider->FormProvider->Frame().RemovedSystemMenu());
    RECT after{};
    GetClientRect(chooser, &after);
    EXPECT_EQ(after.right, before.right);
    EXPECT_EQ(after.bottom, before.bottom);
    // The chooser has only its close box: the close-alone picture, where the hit test finds it.
    WindowFrame& frame = provider->FormProvider->Frame();
    const TitleButtonData& close = frame.Button(kHitClose);
    ASSERT_GE(close.ImageIndex, 0);
    const TsSkinManager& manager = *TsSkinManager::DefaultManager();
    EXPECT_EQ(manager.Tables().Masks[static_cast<std::size_t>(close.ImageIndex)].PropertyName, u"BICLOSEALONE");
    EXPECT_EQ(frame.HitTest({close.Rect.Left + 2, close.Rect.Top + 2}), kHitClose);
    RECT window{};
    GetWindowRect(chooser, &window);
    const LRESULT hit = SendMessageW(chooser, WM_NCHITTEST, 0,
                                     MAKELPARAM(window.left + close.Rect.Left + 2, window.top + close.Rect.Top + 2));
    EXPECT_EQ(hit, HTCLOSE);
    const LRESULT caption = SendMessageW(chooser, WM_NCHITTEST, 0, MAKELPARAM(window.left + 60, window.top + 10));
    EXPECT_EQ(caption, HTCAPTION);
    // The skin's key-coloured corners are cut from the window, and only they.
    const std::vector<PixelRect> runs = frame.BuildFrameRegion();
    ASSERT_FALSE(runs.empty()) << "Graphite rounds the frame's corners";
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(chooser, region), ERROR);
    for (const PixelRect& run : runs)
        EXPECT_FALSE(PtInRegion(region, run.Left, run.Top)) << run.Left << "," << run.Top;
    EXPECT_TRUE(PtInRegion(region, 40, 40));
    EXPECT_TRUE(PtInRegion(region, frame.Metrics().WindowWidth / 2, 0));
    DeleteObject(region);
    test::SaveScreenshot("frame_chooser");
}

TEST_F(WindowFrames, TheCaptionTakesTheTitlesFontColourOfTheFrameState)
{
    ChooseStyleMenu->Show();
    Pump();
    WindowFrame& frame = FrameOf(*ChooseStyleMenu);
    const TsSkinManager& manager = *TsSkinManager::DefaultManager();
    const TsGeneralData& title = manager.Tables().Sections[manager.Tables().FindSection(u"FORMTITLE")];
    const FrameMetrics metrics = frame.Metrics();
    const PixelRect captionArea = TitleRect(metrics);
    SendMessageW(ChooseStyleMenu->Handle(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(frame.Active());
    const COLORREF active = static_cast<COLORREF>(title.Props[1].FontColor[1]);
    const COLORREF inactive = static_cast<COLORREF>(title.Props[0].FontColor[1]);
    EXPECT_GT(CountColour(frame.Cache(), captionArea, active), 10);
    EXPECT_EQ(CountColour(frame.Cache(), captionArea, inactive), 0);
    SendMessageW(ChooseStyleMenu->Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(frame.Active());
    EXPECT_GT(CountColour(frame.Cache(), captionArea, inactive), 10);
    EXPECT_EQ(CountColour(frame.Cache(), captionArea, active), 0);
}

TEST_F(WindowFrames, AColourChangeRepaintsTheShownFormsAndLeavesTheHiddenOnesHidden)
{
    ChooseStyleMenu->Show();
    Pump();
    WindowFrame& frame = FrameOf(*ChooseStyleMenu);
    const FrameMetrics metrics = frame.Metrics();
    const PixelRect title = TitleRect(metrics);
    const std::uint32_t before = frame.Cache().View().At(title.Left + title.Width() / 2, title.Top + 2);
    TsSkinManager& manager = *TsSkinManager::DefaultManager();
    // The reload locks the framed forms against redrawing while the skin changes, then lets them
    // draw again with the new colours.
    g_chooserHeard.clear();
    RefreshRecorder refreshes;
    refreshes.Attach(*ChooseStyleMenu);
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordChooserMessages, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    manager.SetHueOffset(120);
    UnhookWindowsHookEx(hook);
    Pump();
    ASSERT_GE(g_chooserHeard.size(), 3u);
    EXPECT_EQ(g_chooserHeard.front(), "off");
    EXPECT_EQ(g_chooserHeard.back(), "on");
    EXPECT_NE(std::find(g_chooserHeard.begin(), g_chooserHeard.end(), "refresh"), g_chooserHeard.end())
        << "the skin's refresh reached the form while it was locked";
    EXPECT_TRUE(IsWindowVisible(ChooseStyleMenu->Handle())) << "redrawing is on again";
    EXPECT_FALSE(IsWindowVisible(NewStyleKorvane->Handle())) << "a hidden form is never made visible";
    EXPECT_TRUE(manager.Tables().SkinData.Active);
    WindowFrame& after = FrameOf(*ChooseStyleMenu);
    EXPECT_NE(after.Cache().View().At(title.Left + title.Width() / 2, title.Top + 2), before)
        << "the frame was painted again in the new hue";
}

TEST_F(WindowFrames, TheProgramMinimisesAndRestoresWithoutTheSystemAnimationWhichIsThenAsItWas)
{
    ChooseStyleMenu->Show();
    Pump();
    const HWND application = App().Handle();
    EXPECT_EQ(SendMessageW(application, WM_SYSCOMMAND, SC_MINIMIZE, 0), 0);
    EXPECT_TRUE(IsIconic(application));
    SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_FALSE(IsIconic(application));
    EXPECT_TRUE(IsWindowVisible(ChooseStyleMenu->Handle())) << "the chooser is back";

    ANIMATIONINFO saved{};
    saved.cbSize = sizeof(saved);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETANIMATION, sizeof(saved), &saved, 0));
    ANIMATIONINFO on = saved;
    on.iMinAnimate = 1;
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(on), &on, 0);
    ANIMATIONINFO check{};
    check.cbSize = sizeof(check);
    SystemParametersInfoW(SPI_GETANIMATION, sizeof(check), &check, 0);
    if (check.iMinAnimate != 1)
        GTEST_SKIP() << "the system's minimise animation cannot be switched on here (Wine keeps it off)";
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordAnimationOnSize, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    g_animationDuringSize = -1;
    SendMessageW(application, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_EQ(g_animationDuringSize, 0) << "the system animation was off while the program minimised";
    g_animationDuringSize = -1;
    SendMessageW(application, WM_SYSCOMMAND, SC_RESTORE, 0);
    EXPECT_EQ(g_animationDuringSize, 0);
    UnhookWindowsHookEx(hook);
    ANIMATIONINFO after{};
    after.cbSize = sizeof(after);
    SystemParametersInfoW(SPI_GETANIMATION, sizeof(after), &after, 0);
    EXPECT_EQ(after.iMinAnimate, 1) << "set back as it was";
    SystemParametersInfoW(SPI_SETANIMATION, sizeof(saved), &saved, 0);
}

TEST_F(WindowFrames, AClickOnTheCloseButtonClosesTheFormThroughTheSystemCommand)
{
    ChooseStyleMenu->Show();
    Form_Generated->Show();
    Pump();
    HWND generated = Form_Generated->Handle();
    ASSERT_TRUE(IsWindowVisible(generated));
    const TitleButtonData close = FrameOf(*Form_Generated).Button(kHitClose);
    ASSERT_FALSE(close.Rect.IsEmpty());
    RECT window{};
    GetWindowRect(generated, &window);
    const POINT screen{window.left + close.Rect.Left + 3, window.top + close.Rect.Top + 3};
    SendMessageW(generated, WM_NCLBUTTONDOWN, HTCLOSE, MAKELPARAM(screen.x, screen.y));
    EXPECT_EQ(FrameOf(*Form_Generated).Button(kHitClose).State, 2);
    POINT client = screen;
    ScreenToClient(generated, &client);
    SendMessageW(generated, WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Pump();
    EXPECT_FALSE(IsWindowVisible(generated));
}

TEST_F(WindowFrames, AReleaseOutsideThePressedButtonDoesNothing)
{
    ChooseStyleMenu->Show();
    Form_Generated->Show();
    Pump();
    HWND generated = Form_Generated->Handle();
    const TitleButtonData close = FrameOf(*Form_Generated).Button(kHitClose);
    RECT window{};
    GetWindowRect(generated, &window);
    SendMessageW(generated, WM_NCLBUTTONDOWN, HTCLOSE,
                 MAKELPARAM(window.left + close.Rect.Left + 3, window.top + close.Rect.Top + 3));
    SendMessageW(generated, WM_LBUTTONUP, 0, MAKELPARAM(50, 50));
    Pump();
    EXPECT_TRUE(IsWindowVisible(generated));
    EXPECT_EQ(FrameOf(*Form_Generated).Button(kHitClose).State, 0);
}

// Sends the mouse to a screen point, with the left button going down or up there when asked.
void MouseInput(POINT at, DWORD button = 0)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = at.x * 65535 / (GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = at.y * 65535 / (GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | button;
    SendInput(1, &input, sizeof(input));
}

TEST_F(WindowFrames, ADragOnTheTitleMovesTheWindow)
{
    ChooseStyleMenu->Show();
    Pump();
    const HWND chooser = ChooseStyleMenu->Handle();
    RECT before{};
    GetWindowRect(chooser, &before);
    // On the caption, clear of the icon and the title buttons.
    const POINT start{before.left + 120, before.top + 10};
    ASSERT_EQ(SendMessageW(chooser, WM_NCHITTEST, 0, MAKELPARAM(start.x, start.y)), HTCAPTION);
    MouseInput(start);
    Pump();
    // The press starts the platform's move loop on this thread; the moves and the release come
    // from another one meanwhile.
    std::thread hand([start] {
        Sleep(300);
        for (int step = 1; step <= 5; ++step) {
            MouseInput({start.x + step * 8, start.y + step * 5});
            Sleep(40);
        }
        MouseInput({start.x + 40, start.y + 25}, MOUSEEVENTF_LEFTUP);
    });
    MouseInput(start, MOUSEEVENTF_LEFTDOWN);
    // The press reaches the frame in the pump and the move loop runs inside it until the release.
    for (int i = 0; i < 100; ++i) {
        Pump();
        Sleep(10);
    }
    hand.join();
    Pump();
    RECT after{};
    GetWindowRect(chooser, &after);
    EXPECT_EQ(after.left - before.left, 40);
    EXPECT_EQ(after.top - before.top, 25);
    EXPECT_EQ(after.right - after.left, before.right - before.left) << "moved, not sized";
}

TEST_F(WindowFrames, AltSpaceOpensTheSystemMenu)
{
    ChooseStyleMenu->Show();
    Pump();
    bool menuShown = false;
    InModalLoop([&] {
        HWND menu = FindWindowW(L"#32768", nullptr);
        menuShown = menu && IsWindowVisible(menu);
        test::SaveScreenshot("frame_system_menu");
        EndMenu();
    });
    SendMessageW(ChooseStyleMenu->Handle(), WM_SYSCOMMAND, SC_KEYMENU, L' ');
    EXPECT_TRUE(menuShown);
}

// A form that can be sized, minimised and maximised (the program's own forms cannot).
class SizeableForm : public ui::Form {
public:
    SizeableForm() : ui::Form({L"TSizeableForm", L"Sizeable", 120, 120, 320, 220})
    {
        SetWindowLongW(Handle(), GWL_STYLE,
                       GetWindowLongW(Handle(), GWL_STYLE) | WS_THICKFRAME | WS_MAXIMIZEBOX | WS_MINIMIZEBOX);
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0, SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    }
};

TEST_F(WindowFrames, AMaximisedFormShowsTheRestorePictureWithoutARegionAndIsRestoredByItsButton)
{
    auto& form = App().CreateForm<SizeableForm>();
    form.Show();
    Pump();
    TacProvider* provider = ProviderOf(form.Handle());
    ASSERT_NE(provider, nullptr);
    ASSERT_TRUE(provider->FormProvider);
    WindowFrame& frame = provider->FormProvider->Frame();
    const TsSkinManager& manager = *TsSkinManager::DefaultManager();
    const auto picture = [&] {
        const int index = frame.Button(kHitMaximize).ImageIndex;
        return index >= 0 ? manager.Tables().Masks[static_cast<std::size_t>(index)].PropertyName : std::u16string();
    };
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(picture(), u"BICONMAX");
    EXPECT_NE(GetWindowRgn(form.Handle(), region), ERROR) << "the rounded corners are cut";

    ShowWindow(form.Handle(), SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(IsZoomed(form.Handle()));
    EXPECT_EQ(picture(), u"BICONNORM") << "restore in the maximise place";
    EXPECT_EQ(GetWindowRgn(form.Handle(), region), ERROR) << "a maximised window keeps its corners";
    const PixelRect button = frame.Button(kHitMaximize).Rect;
    EXPECT_FALSE(button.IsEmpty());
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    const LPARAM onButton =
        MAKELPARAM(window.left + (button.Left + button.Right) / 2, window.top + (button.Top + button.Bottom) / 2);
    EXPECT_EQ(SendMessageW(form.Handle(), WM_NCHITTEST, 0, onButton), HTMAXBUTTON);
    test::SaveScreenshot("frame_maximised");

    // A press and a release on the button restore the form through the system command.
    SendMessageW(form.Handle(), WM_NCLBUTTONDOWN, HTMAXBUTTON, onButton);
    POINT client{GET_X_LPARAM(onButton), GET_Y_LPARAM(onButton)};
    ScreenToClient(form.Handle(), &client);
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    Pump();
    EXPECT_FALSE(IsZoomed(form.Handle()));
    EXPECT_EQ(picture(), u"BICONMAX");
    EXPECT_NE(GetWindowRgn(form.Handle(), region), ERROR);
    DeleteObject(region);
    form.Hide();
}

// The system commands the form under test was sent, in order.
std::vector<WPARAM> g_systemCommands;
HWND g_commandsOf = nullptr;

LRESULT CALLBACK RecordSystemCommands(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* message = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && message->hwnd == g_commandsOf && message->message == WM_SYSCOMMAND)
        g_systemCommands.push_back(message->wParam & 0xFFF0);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(WindowFrames, AMinimisedFormThatIsNotTheMainOneIsRestoredByItsMinimiseButton)
{
    auto& form = App().CreateForm<SizeableForm>();
    form.Show();
    Pump();
    TacProvider* provider = ProviderOf(form.Handle());
    ASSERT_NE(provider, nullptr);
    WindowFrame& frame = provider->FormProvider->Frame();
    ShowWindow(form.Handle(), SW_MINIMIZE);
    Pump();
    ASSERT_TRUE(IsIconic(form.Handle()));
    frame.UpdateTitleButtons();
    const PixelRect button = frame.Button(kHitMinimize).Rect;
    if (button.IsEmpty())
        GTEST_SKIP() << "Wine shows the minimised window without a title bar to press";
    RECT window{};
    GetWindowRect(form.Handle(), &window);
    const LPARAM onButton =
        MAKELPARAM(window.left + (button.Left + button.Right) / 2, window.top + (button.Top + button.Bottom) / 2);
    g_systemCommands.clear();
    g_commandsOf = form.Handle();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, RecordSystemCommands, nullptr, GetCurrentThreadId());
    SendMessageW(form.Handle(), WM_NCLBUTTONDOWN, HTMINBUTTON, onButton);
    POINT client{GET_X_LPARAM(onButton), GET_Y_LPARAM(onButton)};
    ScreenToClient(form.Handle(), &client);
    SendMessageW(form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(client.x, client.y));
    UnhookWindowsHookEx(hook);
    g_commandsOf = nullptr;
    Pump();
    ASSERT_FALSE(g_systemCommands.empty()) << "the button sent no command";
    EXPECT_EQ(g_systemCommands.front(), static_cast<WPARAM>(SC_RESTORE)) << "minimised again instead of restored";
    form.Hide();
}

TEST_F(WindowFrames, FormsTaggedToBeLeftAloneStayUnframed)
{
    for (int tag : {-1, -98}) {
        Form_Generated->SetTag(tag);
        Form_Generated->Show();
        Pump();
        EXPECT_EQ(ProviderOf(Form_Generated->Handle()), nullptr) << tag;
        EXPECT_NE(GetWindowLongW(Form_Generated->Handle(), GWL_STYLE) & WS_SYSMENU, 0);
        Form_Generated->Hide();
    }
    Form_Generated->SetTag(98);
    Form_Generated->Show();
    Pump();
    EXPECT_NE(ProviderOf(Form_Generated->Handle()), nullptr);
}

TEST_F(WindowFrames, ThirdPartyControlsAreAdaptedOnlyUnderTheirRule)
{
    TsSkinManager& manager = *TsSkinManager::DefaultManager();
    manager.SkinningRules = srStdForms | srStdDialogs;
    NewStyleKorvane->Show();
    Pump();
    TacProvider* provider = ProviderOf(NewStyleKorvane->Handle());
    ASSERT_NE(provider, nullptr);
    EXPECT_TRUE(provider->FormProvider->ControlAdapters().empty());
    manager.SkinningRules = kAllSkinningRules;
    provider->FormProvider->AdaptControls();
    EXPECT_FALSE(provider->FormProvider->ControlAdapters().empty());
    int edits = 0;
    for (const auto& adapter : provider->FormProvider->ControlAdapters()) {
        EXPECT_EQ(TacMainWnd::FromWindow(adapter->Window()), adapter.get());
        EXPECT_TRUE(AnswersSkinCommands(adapter->Window()));
        const std::wstring_view name = ui::Window::FromHandle(adapter->Window())->ClassName();
        if (name == L"TEdit" || name == L"TListBox" || name == L"TComboBox" || name == L"TMemo") {
            EXPECT_EQ(adapter->Section(), u"EDIT");
            ++edits;
        } else if (name == L"TButton") {
            EXPECT_EQ(adapter->Section(), u"BUTTON");
        }
    }
    EXPECT_GE(edits, 3) << "the title, command and item list at least";
    // The plain labels take the skin's global font colour over the face, and get no adapter.
    int labels = 0;
    for (HWND child = GetWindow(NewStyleKorvane->Handle(), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const ui::Window* control = ui::Window::FromHandle(child);
        if (!control || control->ClassName() != L"TLabel")
            continue;
        ++labels;
        EXPECT_EQ(control->FontColor(), static_cast<COLORREF>(manager.GlobalFontColor()) & 0xFFFFFF);
        EXPECT_EQ(control->Color(), provider->FormProvider->Frame().FaceColour());
        EXPECT_EQ(TacMainWnd::FromWindow(child), nullptr);
    }
    EXPECT_GE(labels, 3);
}

TEST_F(WindowFrames, AMessageBoxGetsADialogAdapter)
{
    ChooseStyleMenu->Show();
    Pump();
    bool framed = false;
    bool sysMenuRemoved = false;
    bool activeLook = false;
    int children = 0;
    InModalLoop([&] {
        HWND box = TopDialog(L"Error");
        TacProvider* provider = box ? ProviderOf(box) : nullptr;
        framed = provider && provider->DialogAdapter && AnswersSkinCommands(box);
        activeLook = provider && provider->DialogAdapter && provider->DialogAdapter->Frame().Active();
        sysMenuRemoved = box && (GetWindowLongW(box, GWL_STYLE) & WS_SYSMENU) == 0;
        children = provider ? static_cast<int>(provider->ChildAdapters.size()) : 0;
        test::SaveScreenshot("frame_message_box");
        if (box)
            PostMessageW(box, WM_COMMAND, IDOK, 0);
    });
    MessageBoxW(ChooseStyleMenu->Handle(), L"Введите название меню", L"Error", MB_OK | MB_ICONERROR);
    EXPECT_TRUE(framed);
    EXPECT_TRUE(sysMenuRemoved);
    EXPECT_TRUE(activeLook) << "the box is the active window and its frame says so";
    EXPECT_GE(children, 1) << "the OK button at least";
}

TEST_F(WindowFrames, TheSaveDialogAndItsChildrenAreAdapted)
{
    ChooseStyleMenu->Show();
    Form_Generated->Show();
    Pump();
    bool framed = false;
    std::vector<std::wstring> adapted;
    InModalLoop([&] {
        HWND dialog = GetActiveWindow();
        TacProvider* provider = dialog ? ProviderOf(dialog) : nullptr;
        framed = provider && provider->DialogAdapter;
        if (provider)
            for (const auto& child : provider->ChildAdapters) {
                wchar_t name[64] = {};
                GetClassNameW(child->Window(), name, 64);
                adapted.emplace_back(name);
            }
        test::SaveScreenshot("frame_save_dialog");
        if (dialog)
            PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
    });
    RunSaveDialog(Form_Generated->Handle());
    EXPECT_TRUE(framed);
    const auto has = [&](const wchar_t* name) {
        for (const std::wstring& found : adapted)
            if (_wcsicmp(found.c_str(), name) == 0)
                return true;
        return false;
    };
    for (const wchar_t* name : {L"Button", L"ComboBox", L"Static", L"ToolbarWindow32", L"Edit"})
        EXPECT_TRUE(has(name)) << std::string(name, name + wcslen(name));
}

TEST_F(WindowFrames, AControlCreatedAfterItsFormWasFramedIsAdapted)
{
    ChooseStyleMenu->Show();
    Pump();
    ASSERT_NE(ProviderOf(ChooseStyleMenu->Handle()), nullptr);
    ui::Edit late(*ChooseStyleMenu, BoundsRect(10, 10, 80, 21));
    EXPECT_EQ(TacMainWnd::FromWindow(late.Handle()), nullptr) << "adapted once its creation is done";
    Pump();
    const TacMainWnd* adapter = TacMainWnd::FromWindow(late.Handle());
    ASSERT_NE(adapter, nullptr);
    EXPECT_EQ(adapter->Section(), u"EDIT");
    EXPECT_TRUE(AnswersSkinCommands(late.Handle()));
}

// A plain window with a procedure of its own, for the subclassing contract.
LRESULT CALLBACK Later(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST_F(WindowFrames, AnAdapterSubclassedOverStaysAttached)
{
    HWND window = CreateWindowExW(0, L"STATIC", L"x", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    const LONG_PTR original = GetWindowLongPtrW(window, GWLP_WNDPROC);
    {
        TacMainWnd adapter(window, u"CHECKBOX", TsSkinManager::DefaultManager());
        adapter.Create();
        EXPECT_EQ(TacMainWnd::FromWindow(window), &adapter);
        EXPECT_TRUE(AnswersSkinCommands(window));
        const LONG_PTR thunk = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later));
        EXPECT_FALSE(adapter.Detach());
        EXPECT_FALSE(adapter.Detached());
        EXPECT_EQ(TacMainWnd::FromWindow(window), &adapter);
        SetWindowLongPtrW(window, GWLP_WNDPROC, thunk);
        EXPECT_TRUE(adapter.Detach());
        EXPECT_TRUE(adapter.Detached());
        EXPECT_EQ(TacMainWnd::FromWindow(window), nullptr);
        EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), original);
        EXPECT_FALSE(AnswersSkinCommands(window));
    }
    DestroyWindow(window);
}

} // namespace
} // namespace korvane
