// How an adapter leaves its window: never reachable once freed, not even when it is freed by
// what one of its own messages set off, or when another subclasser sits on its thunk.
#include "skin/skin_platform_win32.h"
#include "support/test_window_class.h"
#include "ui/application.h"
#include "ui/edit.h"
#include "ui/form.h"
#include "windows/main_wnd_win32.h"
#include "ui/window.h"
#include "windows/skin_manager_win32.h"
#include "windows/skin_provider_win32.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <memory>
#include <stdexcept>
#include <string>

namespace korvane {
namespace {

constexpr UINT kDropYourAdapter = WM_APP + 1;
// The probe adapter's handling of this message throws.
constexpr UINT kThrow = WM_APP + 3;
constexpr UINT kCountMe = WM_APP + 2;

// What the probe adapter saw; reset by each test.
struct ProbeRecord {
    bool destroyed = false;
    bool aliveAfterPrevious = false;
    int counted = 0;
};
ProbeRecord g_probe;
AdapterPtr<> g_owned;

class ProbeAdapter : public TacMainWnd {
public:
    using TacMainWnd::TacMainWnd;
    ~ProbeAdapter() override { g_probe.destroyed = true; }

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == kCountMe)
            ++g_probe.counted;
        if (message == kThrow)
            throw std::runtime_error("the probe failed");
        const LRESULT result = TacMainWnd::WndProc(message, wParam, lParam);
        if (message == kDropYourAdapter)
            g_probe.aliveAfterPrevious = !g_probe.destroyed;
        return result;
    }
};

// The window's own procedure: asked to, it makes the owner drop the adapter, as a skinned control
// drops its edit-frame adapter when a skin without its section arrives.
LRESULT CALLBACK DroppingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDropYourAdapter) {
        g_owned.reset();
        return 7;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

WNDPROC g_beneathLater = nullptr;
// Another subclasser that came after the adapter's thunk.
LRESULT CALLBACK Later(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_beneathLater, window, message, wParam, lParam);
}

class AdapterLifetime : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_probe = {};
        // Adapters answer the engine's questions only under a manager (no skin is needed).
        m_manager = std::make_unique<TsSkinManager>(m_platform);
        m_window = test::CreateTestClassWindow(L"KorvaneDroppingWindow", DroppingProc, L"x");
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override
    {
        g_owned.reset();
        DestroyWindow(m_window);
        m_manager.reset();
    }
    AdapterPtr<> Probe(HWND window = nullptr)
    {
        auto adapter = MakeAdapterPtr<ProbeAdapter>(window ? window : m_window, u"CHECKBOX", m_manager.get());
        adapter->Create();
        return adapter;
    }
    Win32SkinPlatform m_platform;
    std::unique_ptr<TsSkinManager> m_manager;
    HWND m_window = nullptr;
};

TEST_F(AdapterLifetime, AnAdapterDroppedByItsOwnMessageLivesUntilThatMessageReturns)
{
    const LONG_PTR original = GetWindowLongPtrW(m_window, GWLP_WNDPROC);
    g_owned = Probe();
    EXPECT_EQ(SendMessageW(m_window, kDropYourAdapter, 0, 0), 7) << "the window's own answer comes through";
    EXPECT_TRUE(g_probe.aliveAfterPrevious) << "freed while its WndProc still ran";
    EXPECT_TRUE(g_probe.destroyed) << "freed once the message returned";
    EXPECT_EQ(TacMainWnd::FromWindow(m_window), nullptr);
    EXPECT_EQ(GetWindowLongPtrW(m_window, GWLP_WNDPROC), original);
    EXPECT_FALSE(AnswersSkinCommands(m_window));
}

TEST_F(AdapterLifetime, AFreedAdapterUnderAnotherSubclasserIsUnreachableAndTheWindowStillWorks)
{
    g_owned = Probe();
    g_beneathLater =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Later)));
    g_owned.reset();
    EXPECT_TRUE(g_probe.destroyed);
    EXPECT_EQ(TacMainWnd::FromWindow(m_window), nullptr) << "the property still leads to freed memory";
    // The thunk left in the chain passes everything to the window's own procedure.
    EXPECT_FALSE(AnswersSkinCommands(m_window));
    EXPECT_TRUE(SetWindowTextW(m_window, L"still works"));
    wchar_t text[32] = {};
    GetWindowTextW(m_window, text, 32);
    EXPECT_STREQ(text, L"still works");
    EXPECT_EQ(SendMessageW(m_window, kDropYourAdapter, 0, 0), 7);

    // A new adapter takes the stranded thunk's place: it sees each message once.
    g_probe = {};
    g_owned = Probe();
    EXPECT_EQ(TacMainWnd::FromWindow(m_window), g_owned.get());
    EXPECT_TRUE(AnswersSkinCommands(m_window));
    SendMessageW(m_window, kCountMe, 0, 0);
    EXPECT_EQ(g_probe.counted, 1);
    g_owned.reset();
    EXPECT_EQ(TacMainWnd::FromWindow(m_window), nullptr);
    SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_beneathLater));
}

class LifetimeForm : public ui::Form {
public:
    LifetimeForm() : ui::Form({L"TLifetimeForm", L"Lifetime", 100, 100, 200, 100}) {}
};

TEST_F(AdapterLifetime, AnAdapterOfAClassLibraryWindowDetachesWhenTheWindowGoes)
{
    ui::Application application;
    auto& form = application.CreateForm<LifetimeForm>();
    auto edit = std::make_unique<ui::Edit>(form, BoundsRect(10, 10, 100, 21));
    const HWND window = edit->Handle();
    g_owned = Probe(window);
    ASSERT_EQ(TacMainWnd::FromWindow(window), g_owned.get());
    ASSERT_FALSE(g_owned->Detached());
    edit.reset(); // the control and its window go; the adapter's owner keeps it
    EXPECT_TRUE(g_owned->Detached()) << "the adapter never heard its window go";
    g_owned.reset();
    EXPECT_TRUE(g_probe.destroyed);
}

std::string g_reported;

TEST_F(AdapterLifetime, AnErrorInAnAdaptersHandlingIsReportedAndStopsAtItsWindowProcedure)
{
    g_reported.clear();
    ui::SetUncaughtErrorHandler([](const std::exception& error) { g_reported = error.what(); });
    g_owned = Probe();
    EXPECT_EQ(SendMessageW(m_window, kThrow, 0, 0), 0);
    EXPECT_EQ(g_reported, "the probe failed");
    SendMessageW(m_window, kCountMe, 0, 0);
    EXPECT_EQ(g_probe.counted, 1) << "the adapter goes on handling its window";
    ui::SetUncaughtErrorHandler(nullptr);
    g_owned.reset();
}

// A probe whose giving back of its window adds a provider to the manager's list, as a window made
// while a provider goes reaches the window hook again.
class ListGrowingProbe : public ProbeAdapter {
public:
    ListGrowingProbe(HWND window, std::u16string_view section, TsSkinManager* manager)
        : ProbeAdapter(window, section, manager)
        , m_owner(*manager)
    {
    }

protected:
    void Restore() override { m_owner.Providers().push_back(std::make_unique<TacProvider>(m_owner)); }

private:
    TsSkinManager& m_owner;
};

TEST_F(AdapterLifetime, ProvidersWhoseWindowsWentAllGoEvenWhenOneGoingAddsToTheList)
{
    // Two providers whose windows went, in a list with no room to spare: freeing the first gives
    // its child adapter's window back, which adds a provider to the list.
    const HWND other = test::CreateTestClassWindow(L"KorvaneDroppingWindow", DroppingProc, L"y");
    auto first = std::make_unique<TacProvider>(*m_manager);
    first->ChildAdapters.push_back(MakeAdapterPtr<ListGrowingProbe>(m_window, u"CHECKBOX", m_manager.get()));
    first->ChildAdapters.back()->Create();
    auto second = std::make_unique<TacProvider>(*m_manager);
    second->ChildAdapters.push_back(Probe(other));
    std::vector<std::unique_ptr<TacProvider>>& providers = m_manager->Providers();
    providers.clear();
    providers.shrink_to_fit();
    providers.push_back(std::move(first));
    providers.push_back(std::move(second));
    providers.shrink_to_fit();

    ReleaseGoneProviders(*m_manager);
    EXPECT_EQ(TacMainWnd::FromWindow(m_window), nullptr);
    EXPECT_EQ(TacMainWnd::FromWindow(other), nullptr) << "the second provider stayed with its adapter";
    ASSERT_EQ(providers.size(), 1u) << "only the provider added while the others went is left";
    EXPECT_NE(providers.front(), nullptr);
    DestroyWindow(other);
}

} // namespace
} // namespace korvane
