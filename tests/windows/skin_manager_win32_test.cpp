// The skin manager's window side: who hears of a skin change and in what order, the window under
// the mouse, the window-creation hook, the application window's messages, load errors and live
// previews.
#include "skin/skin_platform_win32.h"
#include "support/modal_driver.h"
#include "support/skin_test_data.h"
#include "ui/application.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "windows/main_wnd_win32.h"
#include "windows/skin_manager_win32.h"
#include "windows/skin_provider_win32.h"

#include "support/preview_block.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <utility>

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace korvane {
namespace {

using test::Bytes;
using test::MakePackage;

// Every engine command a window or windowless control received, in order.
struct Received {
    std::wstring who;
    SkinCommand command;
    LPARAM lParam;
};
std::vector<Received> g_received;

std::vector<std::wstring> WhoGot(SkinCommand command)
{
    std::vector<std::wstring> names;
    for (const Received& r : g_received)
        if (r.command == command)
            names.push_back(r.who);
    return names;
}

// Records the engine commands (but SKC_ISSKINNED, left unanswered) that reach a component along
// its message path, and reports them handled when `handles` is set. The hover and skin-change
// notices, calls between the program's own objects, are recorded as the commands they stand for.
class RecordingHook : public ui::MessageHook, public SkinTarget {
public:
    RecordingHook(std::wstring name, bool handles) : m_name(std::move(name)), m_handles(handles) {}

    void HotChanged(const SkinManagerCore& manager, bool hot) override
    {
        g_received.push_back({m_name, hot ? SKC_MOUSEENTER : SKC_MOUSELEAVE, reinterpret_cast<LPARAM>(&manager)});
    }
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override
    {
        g_received.push_back({m_name, CommandOf(change), reinterpret_cast<LPARAM>(sender)});
        if (!m_handles)
            rest();
    }

protected:
    bool OnMessage(ui::Message& message) override
    {
        if (message.Id != SKM_COMMAND)
            return false;
        const SkinCommand command = EngineCommandOf(message.WParam);
        if (command == SKC_ISSKINNED)
            return false;
        g_received.push_back({m_name, command, message.LParam});
        message.Result = 0;
        return m_handles;
    }

private:
    std::wstring m_name;
    bool m_handles;
};

class RecordingForm : public ui::Form {
public:
    explicit RecordingForm(const wchar_t* name)
        : ui::Form({L"KorvaneRecordingForm", name, 100, 100, 200, 120})
        , m_recorder(name, true)
    {
        m_recorder.Attach(*this);
    }

private:
    RecordingHook m_recorder;
};

class RecordingGraphic : public ui::GraphicControl {
public:
    RecordingGraphic(ui::Window& parent, std::wstring name)
        : ui::GraphicControl(parent, BoundsRect(4, 4, 16, 16))
        , m_recorder(std::move(name), false)
    {
        m_recorder.Attach(*this);
    }
    void Paint(HDC) override {}

private:
    RecordingHook m_recorder;
};

// A child window of a plain class that handles the engine's commands (answers SKC_ISSKINNED).
LRESULT CALLBACK SkinnedChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SKM_COMMAND) {
        if (EngineCommandOf(wParam) == SKC_ISSKINNED)
            return 1;
        wchar_t name[64] = {};
        GetWindowTextW(window, name, 64);
        g_received.push_back({name, EngineCommandOf(wParam), lParam});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateChild(HWND parent, const wchar_t* className, const wchar_t* name)
{
    return CreateWindowExW(0, className, name, WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, parent, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

const std::string kOptions = "[GLOBALINFO]\r\nVERSION=7.3\r\n[BUTTON]\r\nCOLOR=255\r\n";

class SkinManagerWindows : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_received.clear();
        WNDCLASSW wc{};
        wc.lpfnWndProc = SkinnedChildProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"KorvaneSkinnedChild";
        RegisterClassW(&wc);
        m_application = std::make_unique<ui::Application>();
        m_first = &m_application->CreateForm<FirstForm>();
        m_second = &m_application->CreateForm<SecondForm>();
        m_graphic = std::make_unique<RecordingGraphic>(*m_second, L"speed button");
        // A skinned child gets the command itself; a plain child passes it on to its children.
        CreateChild(m_second->Handle(), L"KorvaneSkinnedChild", L"skinned child");
        HWND plain = CreateChild(m_second->Handle(), L"STATIC", L"plain");
        CreateChild(plain, L"KorvaneSkinnedChild", L"skinned grandchild");
    }
    void TearDown() override
    {
        m_graphic.reset();
        m_application.reset();
    }

    struct FirstForm : RecordingForm {
        FirstForm() : RecordingForm(L"first form") {}
    };
    struct SecondForm : RecordingForm {
        SecondForm() : RecordingForm(L"second form") {}
    };

    Win32SkinPlatform m_platform;
    std::unique_ptr<ui::Application> m_application;
    RecordingForm* m_first = nullptr;
    RecordingForm* m_second = nullptr;
    std::unique_ptr<RecordingGraphic> m_graphic;
};

TEST_F(SkinManagerWindows, NewSkinReachesFormsLastCreatedFirstAndTheirSkinnedControls)
{
    TsSkinManager manager(m_platform);
    manager.BeginRestore();
    manager.InternalSkins.push_back({u"Test (internal)", MakePackage({{"Options.dat", Bytes(kOptions)}})});
    manager.SetSkinDirectory(u"c:\\no such skins folder");
    manager.SetSkinName(u"Test (internal)");
    EXPECT_TRUE(WhoGot(SKC_SETSKIN).empty()) << "nothing is applied while settings are restored";
    manager.EndRestore();

    const std::vector<std::wstring> expected = {L"second form", L"speed button", L"skinned child",
                                                L"skinned grandchild", L"first form"};
    EXPECT_EQ(WhoGot(SKC_SETSKIN), expected);
    for (const Received& r : g_received)
        EXPECT_EQ(r.lParam, reinterpret_cast<LPARAM>(&manager));
    EXPECT_TRUE(manager.FromPackage());
    EXPECT_EQ(manager.SkinName(), u"Test (internal)");
    EXPECT_TRUE(manager.Hooked()) << "the default manager installs the window-creation hook";

    g_received.clear();
    manager.SetActive(false);
    EXPECT_EQ(WhoGot(SKC_REMOVESKIN), expected);
    EXPECT_FALSE(manager.Hooked());
}

TEST_F(SkinManagerWindows, OnlyTheFirstManagerIsTheDefault)
{
    TsSkinManager first(m_platform);
    {
        TsSkinManager second(m_platform);
        EXPECT_EQ(TsSkinManager::DefaultManager(), &first);
        EXPECT_FALSE(second.IsDefault());
    }
    EXPECT_TRUE(first.IsDefault());
}

TEST_F(SkinManagerWindows, SecondManagerBecomesTheDefaultOnlyWhenAskedTo)
{
    TsSkinManager first(m_platform);
    TsSkinManager second(m_platform);
    second.SetIsDefault(false); // a default exists: nothing changes
    EXPECT_EQ(TsSkinManager::DefaultManager(), &first);
    EXPECT_TRUE(g_received.empty());

    second.SetIsDefault(true);
    EXPECT_EQ(TsSkinManager::DefaultManager(), &second);
    ASSERT_FALSE(WhoGot(SKC_SETSKIN).empty()) << "the new default applies its skin";
    EXPECT_EQ(g_received.front().lParam, reinterpret_cast<LPARAM>(static_cast<SkinManagerCore*>(&second)));
}

TEST_F(SkinManagerWindows, AManagerThatIsNoLongerTheDefaultTakesTheFramesItMadeWithItWhenItGoes)
{
    auto first = std::make_unique<TsSkinManager>(m_platform);
    first->BeginRestore();
    first->InternalSkins.push_back({u"Test (internal)", MakePackage({{"Options.dat", Bytes(kOptions)}})});
    first->SetSkinDirectory(u"c:\\no such skins folder");
    first->SetSkinName(u"Test (internal)");
    first->EndRestore();
    m_first->Show();
    if (!TacMainWnd::FromWindow(m_first->Handle()))
        AttachToWindow(*first, m_first->Handle());
    TacMainWnd* provider = TacMainWnd::FromWindow(m_first->Handle());
    ASSERT_NE(provider, nullptr);
    ASSERT_EQ(provider->Manager(), first.get());
    ASSERT_FALSE(first->Providers().empty());

    TsSkinManager second(m_platform);
    second.SetIsDefault(true);
    ASSERT_EQ(TsSkinManager::DefaultManager(), &second);
    ASSERT_EQ(TacMainWnd::FromWindow(m_first->Handle()), provider) << "the frame stays while its manager does";
    first.reset();
    // The frame went with the manager it painted with; the form goes on without it.
    EXPECT_EQ(TacMainWnd::FromWindow(m_first->Handle()), nullptr);
    SendMessageW(m_first->Handle(), WM_NCACTIVATE, TRUE, 0);
    SendMessageW(m_first->Handle(), WM_NCPAINT, 1, 0);
    SetWindowPos(m_first->Handle(), nullptr, 0, 0, 240, 130, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    EXPECT_TRUE(IsWindow(m_first->Handle()));
    m_first->Hide();
}

// Each time the watched window is told its style changed: whether an adapter still stood on its
// message path then.
HWND g_watched = nullptr;
std::vector<bool> g_styleChangesWithAdapter;

LRESULT CALLBACK WatchStyleChanges(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_watched && sent->message == WM_STYLECHANGED &&
        sent->wParam == static_cast<WPARAM>(GWL_STYLE))
        g_styleChangesWithAdapter.push_back(TacMainWnd::FromWindow(g_watched) != nullptr);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(SkinManagerWindows, AFormsProviderLeavesItsPathBeforeItsFrameGivesTheFormBackWhatItChanged)
{
    const std::string framed = "[GLOBALINFO]\r\nVERSION=7.3\r\n[FORM]\r\nCOLOR=255\r\n";
    TsSkinManager manager(m_platform);
    manager.InternalSkins.push_back({u"Framed (internal)", MakePackage({{"Options.dat", Bytes(framed)}})});
    manager.SetSkinDirectory(u"c:\\no such skins folder");
    manager.SetSkinName(u"Framed (internal)");
    const HWND form = m_first->Handle();
    m_first->Show();
    if (!TacMainWnd::FromWindow(form))
        AttachToWindow(manager, form);
    ASSERT_NE(TacMainWnd::FromWindow(form), nullptr);
    ASSERT_EQ(GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU, 0) << "the frame draws the system menu itself";

    // Freed with its frame on, the provider gives the window back first: the frame's undoing
    // (the system menu style given back) reaches the form alone, never a provider half gone.
    g_watched = form;
    g_styleChangesWithAdapter.clear();
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, WatchStyleChanges, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook, nullptr);
    ReleaseProviders(manager, true);
    UnhookWindowsHookEx(hook);
    g_watched = nullptr;
    EXPECT_EQ(TacMainWnd::FromWindow(form), nullptr);
    EXPECT_NE(GetWindowLongW(form, GWL_STYLE) & WS_SYSMENU, 0);
    ASSERT_FALSE(g_styleChangesWithAdapter.empty());
    EXPECT_EQ(std::count(g_styleChangesWithAdapter.begin(), g_styleChangesWithAdapter.end(), true), 0);
    m_first->Hide();
}

TEST_F(SkinManagerWindows, ExtendedBordersUseTheProgramsShadowsWhenTheSkinHasNone)
{
    TsSkinManager manager(m_platform);
    manager.InternalSkins.push_back({u"Test (internal)", MakePackage({{"Options.dat", Bytes(kOptions)}})});
    manager.SetSkinDirectory(u"c:\\no such skins folder");
    manager.SetSkinName(u"Test (internal)");
    EXPECT_FALSE(manager.Shadows().Made);

    manager.SetExtendedBorders(true);
    ASSERT_TRUE(manager.ExtendedBorders()) << "Wine offers layered windows";
    const ShadowImages& shadows = manager.Shadows();
    EXPECT_TRUE(shadows.Made);
    EXPECT_FALSE(shadows.Active.Empty());
    EXPECT_FALSE(shadows.Inactive.Empty());
    EXPECT_EQ(shadows.Margins, (std::array<int, 4>{11, 10, 11, 12})); // no desktop composition here

    manager.SetExtendedBorders(false);
    EXPECT_FALSE(manager.Shadows().Made);
    EXPECT_EQ(manager.Shadows().Margins, (std::array<int, 4>{0, 0, 0, 0}));
}

TEST_F(SkinManagerWindows, HotWindowSendsLeaveToThePreviousWindowThenEnterToTheNew)
{
    TsSkinManager manager(m_platform);
    HWND a = m_first->Handle();
    HWND b = m_second->Handle();
    manager.SetHotWindow(a);
    manager.SetHotWindow(a); // the same window again: nothing
    manager.SetHotWindow(b);
    manager.SetHotWindow(nullptr);
    ASSERT_EQ(g_received.size(), 4u);
    EXPECT_EQ(g_received[0].who, L"first form");
    EXPECT_EQ(g_received[0].command, SKC_MOUSEENTER);
    EXPECT_EQ(g_received[1].who, L"first form");
    EXPECT_EQ(g_received[1].command, SKC_MOUSELEAVE);
    EXPECT_EQ(g_received[2].who, L"second form");
    EXPECT_EQ(g_received[2].command, SKC_MOUSEENTER);
    EXPECT_EQ(g_received[3].command, SKC_MOUSELEAVE);
    EXPECT_EQ(g_received[3].lParam, reinterpret_cast<LPARAM>(&manager));
}

TEST_F(SkinManagerWindows, HotWindowTellsAWindowThatIsNotTheProgramsByTheEngineMessage)
{
    TsSkinManager manager(m_platform);
    const HWND child = CreateChild(m_first->Handle(), L"KorvaneSkinnedChild", L"plain child");
    manager.SetHotWindow(child);
    manager.SetHotWindow(nullptr);
    ASSERT_EQ(g_received.size(), 2u);
    EXPECT_EQ(g_received[0].who, L"plain child");
    EXPECT_EQ(g_received[0].command, SKC_MOUSEENTER);
    EXPECT_EQ(g_received[1].command, SKC_MOUSELEAVE);
    EXPECT_EQ(g_received[1].lParam, reinterpret_cast<LPARAM>(static_cast<SkinManagerCore*>(&manager)));
    DestroyWindow(child);
}

TEST_F(SkinManagerWindows, ApplicationWindowIgnoresThemeChangesAndRepaintsVisibleFormsOnActivation)
{
    TsSkinManager manager(m_platform);
    m_second->Show();
    EXPECT_EQ(SendMessageW(m_application->Handle(), WM_THEMECHANGED, 0, 0), 0);
    SendMessageW(m_application->Handle(), 0xB000 /* CM_ACTIVATE */, 0, 0);
    ASSERT_EQ(WhoGot(SKC_REPAINTNOW), std::vector<std::wstring>{L"second form"});
    EXPECT_EQ(g_received.back().lParam, 0);
    m_second->Hide();
}

TEST_F(SkinManagerWindows, DamagedPackageFileKeepsTheOldNameAndShowsTheError)
{
    test::TempFolder folder;
    folder.Write("Broken.asz", std::string("NOPE and more bytes"));
    TsSkinManager manager(m_platform);
    manager.BeginRestore();
    manager.InternalSkins.push_back({u"Test (internal)", MakePackage({{"Options.dat", Bytes(kOptions)}})});
    const std::wstring dir = folder.Path().wstring();
    manager.SetSkinDirectory(std::u16string(dir.begin(), dir.end()));
    manager.SetSkinName(u"Test (internal)");
    manager.EndRestore();

    test::ModalDriver driver;
    driver.AnswerMessageBox();
    manager.SetSkinName(u"Broken");
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].caption, L"Error");
    EXPECT_EQ(driver.MessageBoxes()[0].text, L"Loaded data is not a packed skin file");
    EXPECT_TRUE(driver.MessageBoxes()[0].errorIcon);
    EXPECT_EQ(manager.SkinName(), u"Test (internal)");
}

std::vector<uint8_t> PreviewBlock(uint32_t marker, const std::string& name, const std::wstring& directory,
                                  const std::string& options, std::size_t size = 30646)
{
    return test::PreviewBlock(name, std::string(directory.begin(), directory.end()), options, size, marker);
}

TEST_F(SkinManagerWindows, LivePreviewIsTakenOnlyWhenEveryCheckPasses)
{
    test::TempFolder folder;
    folder.Write("Preview/Options.dat", kOptions);
    TsSkinManager manager(m_platform);
    const std::wstring dir = folder.Path().wstring();
    const std::string options = "[GLOBALINFO]\r\nVERSION=7.3\r\n[PREVIEWED]\r\nCOLOR=65280\r\n";

    auto send = [&](WPARAM wParam, std::vector<uint8_t> block) {
        COPYDATASTRUCT data{};
        data.cbData = static_cast<DWORD>(block.size());
        data.lpData = block.data();
        return manager.HandleCopyData(wParam, &data);
    };
    EXPECT_FALSE(send(6, PreviewBlock(0xA400, "Preview", dir, options)));
    EXPECT_FALSE(send(7, PreviewBlock(0xA401, "Preview", dir, options)));
    EXPECT_FALSE(send(7, PreviewBlock(0xA400, "Preview", dir, options, 30645)));
    EXPECT_FALSE(manager.HandleCopyData(7, nullptr));
    EXPECT_EQ(manager.Tables().FindSection(u"PREVIEWED"), -1);

    EXPECT_TRUE(send(7, PreviewBlock(0xA400, "Preview", dir, options)));
    EXPECT_EQ(manager.SkinName(), u"Preview");
    EXPECT_GE(manager.Tables().FindSection(u"PREVIEWED"), 0) << "the preview's own options text is used";
    EXPECT_FALSE(WhoGot(SKC_SETSKIN).empty());
}

// A manager whose next skin change fails before it loads anything, as an error while a preview
// applies would.
class FailingOnceManager : public TsSkinManager {
public:
    using TsSkinManager::TsSkinManager;
    bool FailNext = true;

protected:
    void OnBeforeChange() override
    {
        if (std::exchange(FailNext, false)) {
            throw std::runtime_error("the change failed");
        }
    }
};

TEST_F(SkinManagerWindows, APreviewThatFailsDoesNotBlockTheNextOne)
{
    test::TempFolder folder;
    folder.Write("Preview/Options.dat", kOptions);
    FailingOnceManager manager(m_platform);
    const std::wstring dir = folder.Path().wstring();
    const std::string options = "[GLOBALINFO]\r\nVERSION=7.3\r\n[PREVIEWED]\r\nCOLOR=65280\r\n";
    auto send = [&] {
        std::vector<uint8_t> block = PreviewBlock(0xA400, "Preview", dir, options);
        COPYDATASTRUCT data{};
        data.cbData = static_cast<DWORD>(block.size());
        data.lpData = block.data();
        return manager.HandleCopyData(7, &data);
    };
    EXPECT_THROW(send(), std::runtime_error);
    EXPECT_EQ(manager.Tables().FindSection(u"PREVIEWED"), -1);
    EXPECT_TRUE(send()) << "the in-preview flag was put back when the first preview failed";
    EXPECT_GE(manager.Tables().FindSection(u"PREVIEWED"), 0);
}

} // namespace
} // namespace korvane
