// The window layer: owned and borrowed windows, subclassing that survives other subclassers in
// any order, the hook chain, reflection of the parent's messages to the child, the mouse
// notifications and the facts the skin's adapters ask of a window.
#include "support/test_window_class.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "ui/list_box.h"
#include "ui/push_button.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <windows.h>

#include <string>
#include <vector>

namespace korvane::ui {
namespace {

// A stand-in for a system window class: it records what its class procedure receives.
std::vector<UINT> g_classMessages;

LRESULT CALLBACK RecordingClassProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCDESTROY || message == WM_USER + 1)
        g_classMessages.push_back(message);
    if (message == WM_USER + 1)
        return 10;
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND CreateRecordingWindow()
{
    return test::CreateTestClassWindow(L"KorvaneRecordingClass", RecordingClassProc);
}

// An outside subclasser of the old kind (SetWindowLongPtr), which nobody can remove safely but itself.
WNDPROC g_outerPrevious = nullptr;
int g_outerSeen = 0;

LRESULT CALLBACK OuterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_USER + 1)
        ++g_outerSeen;
    return CallWindowProcW(g_outerPrevious, window, message, wParam, lParam);
}

void SubclassFromOutside(HWND window)
{
    g_outerPrevious =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterProc)));
}

void RemoveOutsideSubclass(HWND window)
{
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_outerPrevious));
}

// An adopted window whose object counts what passes its own message path.
class CountingWindow : public Window {
public:
    std::wstring_view ClassName() const override { return L"TCounting"; }
    int seen = 0;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_USER + 1)
            ++seen;
        return Window::WindowProc(message, wParam, lParam);
    }
};

class AdoptionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_classMessages.clear();
        g_outerSeen = 0;
        m_window = CreateRecordingWindow();
        ASSERT_NE(m_window, nullptr);
    }
    void TearDown() override
    {
        if (IsWindow(m_window))
            DestroyWindow(m_window);
    }
    bool ClassSawDestroy() const
    {
        return std::find(g_classMessages.begin(), g_classMessages.end(), WM_NCDESTROY) != g_classMessages.end();
    }
    HWND m_window = nullptr;
};

TEST_F(AdoptionTest, AnAdoptedWindowOutlivesItsObjectAndKeepsItsOwnProcedure)
{
    {
        CountingWindow adopted;
        adopted.Adopt(m_window);
        EXPECT_FALSE(adopted.OwnsWindow());
        EXPECT_EQ(Window::FromHandle(m_window), &adopted);
        EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
        EXPECT_EQ(adopted.seen, 1);
    }
    ASSERT_TRUE(IsWindow(m_window));
    EXPECT_EQ(Window::FromHandle(m_window), nullptr);
    EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
    EXPECT_EQ(g_classMessages.size(), 2u);
    DestroyWindow(m_window);
    EXPECT_TRUE(ClassSawDestroy());
}

TEST_F(AdoptionTest, SubclassedAgainFromOutsideTheClassStillGetsNcDestroyAfterOurObjectWent)
{
    {
        CountingWindow adopted;
        adopted.Adopt(m_window);
        SubclassFromOutside(m_window);
        EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
        EXPECT_EQ(adopted.seen, 1);
        EXPECT_EQ(g_outerSeen, 1);
    }
    // Our object is gone but the outer subclass still calls what it found: the chain must end in
    // the class procedure, not in a dead object or in DefWindowProc.
    EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
    EXPECT_EQ(g_outerSeen, 2);
    DestroyWindow(m_window);
    EXPECT_TRUE(ClassSawDestroy());
}

TEST_F(AdoptionTest, DetachingInEitherOrderLeavesTheChainWhole)
{
    // Ours first, then the outside subclass.
    {
        CountingWindow adopted;
        adopted.Adopt(m_window);
        SubclassFromOutside(m_window);
        adopted.Detach();
        RemoveOutsideSubclass(m_window);
        EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
        EXPECT_EQ(adopted.seen, 0);
    }
    // The outside one first, then ours.
    {
        CountingWindow adopted;
        adopted.Adopt(m_window);
        SubclassFromOutside(m_window);
        RemoveOutsideSubclass(m_window);
        EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
        EXPECT_EQ(adopted.seen, 1);
        adopted.Detach();
        EXPECT_EQ(SendMessageW(m_window, WM_USER + 1, 0, 0), 10);
        EXPECT_EQ(adopted.seen, 1);
    }
    EXPECT_EQ(Window::FromHandle(m_window), nullptr);
    DestroyWindow(m_window);
    EXPECT_TRUE(ClassSawDestroy());
}

TEST_F(AdoptionTest, AWindowDestroyedUnderItsObjectUnbindsIt)
{
    CountingWindow adopted;
    adopted.Adopt(m_window);
    DestroyWindow(m_window);
    EXPECT_TRUE(ClassSawDestroy());
    EXPECT_EQ(adopted.Handle(), nullptr);
}

class PlainForm : public Form {
public:
    PlainForm() : Form({L"TWindowTestForm", L"Window test", 100, 100, 300, 200}) {}
};

TEST(OwnedWindow, IsDestroyedWithItsObject)
{
    HWND handle = nullptr;
    {
        PlainForm form;
        PushButton button(form, BoundsRect(8, 8, 75, 25), L"Go");
        EXPECT_TRUE(button.OwnsWindow());
        handle = button.Handle();
        EXPECT_TRUE(IsWindow(handle));
    }
    EXPECT_FALSE(IsWindow(handle));
}

// Records the messages it sees along a component's path and handles those it is told to.
class RecordingHook : public MessageHook {
public:
    RecordingHook(std::string name, std::vector<std::string>& log, UINT handles = 0)
        : m_name(std::move(name))
        , m_log(log)
        , m_handles(handles)
    {
    }
    UINT lastId = 0;
    LPARAM lastLParam = 0;
    bool callNextFirst = false;
    LRESULT nextResult = -1;

protected:
    bool OnMessage(Message& message) override
    {
        if (message.Id < WM_USER && !IsReflected(message.Id) && !IsNotification(message.Id))
            return false;
        m_log.push_back(m_name);
        lastId = message.Id;
        lastLParam = message.LParam;
        if (callNextFirst)
            nextResult = CallNext(message);
        if (m_handles && message.Id == m_handles) {
            message.Result = 42;
            return true;
        }
        return false;
    }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
    UINT m_handles;
};

TEST(HookChain, HooksSeeMessagesInTheOrderTheyWereAttachedAndAHandledOneStops)
{
    PlainForm form;
    std::vector<std::string> log;
    RecordingHook first("first", log);
    RecordingHook second("second", log, WM_USER + 7);
    RecordingHook third("third", log);
    first.Attach(form);
    second.Attach(form);
    third.Attach(form);
    EXPECT_EQ(SendMessageW(form.Handle(), WM_USER + 7, 0, 0), 42);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "second"}));
    log.clear();
    second.Detach();
    SendMessageW(form.Handle(), WM_USER + 7, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"first", "third"}));
}

TEST(HookChain, CallNextRunsTheRestOfThePathFirst)
{
    PlainForm form;
    std::vector<std::string> log;
    RecordingHook outer("outer", log);
    RecordingHook inner("inner", log, WM_USER + 9);
    outer.callNextFirst = true;
    outer.Attach(form);
    inner.Attach(form);
    SendMessageW(form.Handle(), WM_USER + 9, 0, 0);
    EXPECT_EQ(log, (std::vector<std::string>{"outer", "inner"}));
    EXPECT_EQ(outer.nextResult, 42);
}

TEST(HookChain, AHookThatGoesFirstLeavesTheComponentAlone)
{
    PlainForm form;
    std::vector<std::string> log;
    {
        RecordingHook temporary("temporary", log);
        temporary.Attach(form);
        EXPECT_EQ(form.Hooks().size(), 1u);
    }
    EXPECT_TRUE(form.Hooks().empty());
    auto lasting = std::make_unique<RecordingHook>("lasting", log);
    {
        PlainForm shortLived;
        lasting->Attach(shortLived);
    }
    EXPECT_EQ(lasting->Target(), nullptr);
}

TEST(Reflection, TheParentsNotifyCommandAndDrawItemMessagesReachTheChildsPath)
{
    PlainForm form;
    ListBox list(form, BoundsRect(8, 8, 100, 100), 13);
    std::vector<std::string> log;
    RecordingHook hook("list", log);
    hook.Attach(list);

    NMHDR header{list.Handle(), static_cast<UINT_PTR>(list.Id()), NM_CLICK};
    SendMessageW(form.Handle(), WM_NOTIFY, list.Id(), reinterpret_cast<LPARAM>(&header));
    EXPECT_EQ(hook.lastId, CN_NOTIFY);
    EXPECT_EQ(hook.lastLParam, reinterpret_cast<LPARAM>(&header));

    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_LISTBOX;
    item.hwndItem = list.Handle();
    SendMessageW(form.Handle(), WM_DRAWITEM, list.Id(), reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(hook.lastId, CN_DRAWITEM);

    MEASUREITEMSTRUCT measure{};
    measure.CtlType = ODT_LISTBOX;
    measure.CtlID = static_cast<UINT>(list.Id());
    SendMessageW(form.Handle(), WM_MEASUREITEM, list.Id(), reinterpret_cast<LPARAM>(&measure));
    EXPECT_EQ(hook.lastId, CN_MEASUREITEM);

    SendMessageW(form.Handle(), WM_COMMAND, MAKEWPARAM(list.Id(), LBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(list.Handle()));
    EXPECT_EQ(hook.lastId, CN_COMMAND);
    EXPECT_EQ(log.size(), 4u);
}

TEST(Reflection, AReflectedMessageTheChildAnswersIsTheParentsAnswer)
{
    PlainForm form;
    ListBox list(form, BoundsRect(8, 8, 100, 100), 13);
    std::vector<std::string> log;
    RecordingHook hook("list", log, CN_CTLCOLORSTATIC);
    hook.Attach(list);
    HDC dc = GetDC(form.Handle());
    EXPECT_EQ(SendMessageW(form.Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                           reinterpret_cast<LPARAM>(list.Handle())),
              42);
    ReleaseDC(form.Handle(), dc);
}

class Patch : public GraphicControl {
public:
    using GraphicControl::GraphicControl;
    void Paint(HDC) override {}
};

TEST(MouseNotifications, EnteringNamesTheComponentTheMouseCameFrom)
{
    PlainForm form;
    Patch left(form, BoundsRect(10, 10, 20, 20));
    Patch right(form, BoundsRect(40, 10, 20, 20));
    std::vector<std::string> log;
    RecordingHook leftHook("left", log);
    RecordingHook rightHook("right", log);
    RecordingHook formHook("form", log);
    leftHook.Attach(left);
    rightHook.Attach(right);
    formHook.Attach(form);
    form.Show();

    SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(15, 15));
    EXPECT_TRUE(left.MouseInside());
    EXPECT_EQ(leftHook.lastId, CM_MOUSEENTER);
    SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(45, 15));
    EXPECT_FALSE(left.MouseInside());
    EXPECT_TRUE(right.MouseInside());
    EXPECT_EQ(leftHook.lastId, CM_MOUSELEAVE);
    EXPECT_EQ(rightHook.lastId, CM_MOUSEENTER);
    EXPECT_EQ(rightHook.lastLParam, reinterpret_cast<LPARAM>(static_cast<Component*>(&left)));
    // Back over the form itself: it enters, naming the control the mouse left.
    SendMessageW(form.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(150, 150));
    EXPECT_EQ(formHook.lastId, CM_MOUSEENTER);
    EXPECT_EQ(formHook.lastLParam, reinterpret_cast<LPARAM>(static_cast<Component*>(&right)));
    EXPECT_TRUE(form.MouseInside());
    SendMessageW(form.Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(form.MouseInside());
    EXPECT_EQ(MouseComponent(), nullptr);
    form.Hide();
}

TEST(WindowlessControls, HideAndShowReachTheirPathAsNotifications)
{
    PlainForm form;
    Patch patch(form, BoundsRect(10, 10, 20, 20));
    std::vector<std::string> log;
    RecordingHook hook("patch", log);
    hook.Attach(patch);
    patch.SetEnabled(false);
    EXPECT_EQ(hook.lastId, CM_ENABLEDCHANGED);
    patch.SetVisible(false);
    EXPECT_EQ(hook.lastId, CM_VISIBLECHANGED);
    EXPECT_EQ(patch.Perform(WM_USER + 50), 0) << "an unknown message answers 0";
}

class PaintingWindow : public PlainForm {
public:
    std::vector<bool> paints;

protected:
    bool PaintsClient() const override { return true; }
    void OnPaint(PaintContext& paint) override
    {
        paints.push_back(paint.Printing);
        EXPECT_NE(paint.Dc, nullptr);
        EXPECT_FALSE(paint.Area.IsEmpty());
    }
};

TEST(Painting, PaintAndPrintClientGoThroughOnePaintHandler)
{
    PaintingWindow form;
    form.Show();
    UpdateWindow(form.Handle());
    InvalidateRect(form.Handle(), nullptr, FALSE);
    UpdateWindow(form.Handle());
    HDC dc = GetDC(form.Handle());
    SendMessageW(form.Handle(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    ReleaseDC(form.Handle(), dc);
    ASSERT_GE(form.paints.size(), 2u);
    EXPECT_FALSE(form.paints.front());
    EXPECT_TRUE(form.paints.back());
    form.Hide();
}

TEST(ClassLibraryFacts, ClassNamesTagsAndFormQueries)
{
    PlainForm form;
    PushButton button(form, BoundsRect(8, 8, 75, 25), L"Go");
    ListBox list(form, BoundsRect(8, 40, 100, 100), 13);
    EXPECT_EQ(form.ClassName(), L"TWindowTestForm");
    EXPECT_EQ(button.ClassName(), L"TButton");
    EXPECT_EQ(list.ClassName(), L"TListBox");
    EXPECT_EQ(button.Tag(), 0);
    button.SetTag(-98);
    EXPECT_EQ(button.Tag(), -98);
    EXPECT_EQ(form.BorderStyle(), TFormBorderStyle::bsSingle);
    EXPECT_EQ(form.BorderIcons(), static_cast<TBorderIcons>(biSystemMenu));
    EXPECT_EQ(form.WindowState(), TWindowState::wsNormal);
}

} // namespace
} // namespace korvane::ui
