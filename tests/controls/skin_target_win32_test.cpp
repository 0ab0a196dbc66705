// The calls our own windows answer one another by: the objects of a window are asked in the order
// its messages meet them and each answers or passes the question on, a window that is not ours is
// asked with the engine's message, the colour for children is answered from what the later objects
// answer, the engine's questions are translated into the same answers, and the thunk helpers of the
// window tables serve a thunk left under another subclasser once.
#include "controls/skin_target_win32.h"
#include "skin/engine_commands.h"
#include "support/test_window_class.h"
#include "ui/form.h"
#include "ui/graphic_control.h"
#include "win32/window_table.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace korvane {
namespace {

class PlainForm : public ui::Form {
public:
    PlainForm() : ui::Form({L"TSkinTargetTestForm", L"Skin target test", 100, 100, 200, 120}) {}
};

// A hook that answers what it was given and leaves the rest to the next object; it logs who was
// asked.
class AnsweringHook : public ui::MessageHook, public SkinTarget {
public:
    AnsweringHook(std::string name, std::vector<std::string>& log) : m_name(std::move(name)), m_log(log) {}

    std::optional<bool> Updating;
    std::optional<std::uint32_t> Colour; // answered over what the later objects answer when they answer 0
    bool DetachWhenAsked = false;

    std::optional<bool> UpdatingAnswer() override
    {
        m_log.push_back(m_name);
        if (DetachWhenAsked)
            Detach();
        return Updating;
    }
    std::uint32_t ChildrenColourAnswer(const std::function<std::uint32_t()>& rest) override
    {
        m_log.push_back(m_name);
        const std::uint32_t later = rest();
        return later != 0 || !Colour ? later : *Colour;
    }
    // Logs "name>" on hearing and "name<" once the later objects heard (unless it ends the notice).
    bool EndsNotice = false;
    void SkinChanged(SkinChange, const SkinManagerCore*, const std::function<void()>& rest) override
    {
        m_log.push_back(m_name + ">");
        if (DetachWhenAsked)
            Detach();
        if (EndsNotice)
            return;
        rest();
        m_log.push_back(m_name + "<");
    }

protected:
    bool OnMessage(ui::Message&) override { return false; }

private:
    std::string m_name;
    std::vector<std::string>& m_log;
};

// A window of a plain class that answers the engine's messages as a program of its own would.
std::vector<SkinCommand> g_foreignAsked;
LRESULT CALLBACK ForeignProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message != SKM_COMMAND)
        return DefWindowProcW(window, message, wParam, lParam);
    const SkinCommand command = EngineCommandOf(wParam);
    g_foreignAsked.push_back(command);
    if (command == SKC_GETSECTIONINDEX && lParam)
        *reinterpret_cast<std::int32_t*>(lParam) = 5;
    return command == SKC_ISUPDATING ? 1 : 0;
}

HWND CreateForeignWindow()
{
    return test::CreateTestClassWindow(L"KorvaneForeignSkinned", ForeignProc);
}

// A form with two answering hooks on its path, the first attached first.
class TwoHooks : public ::testing::Test {
protected:
    void SetUp() override
    {
        first.Attach(form);
        second.Attach(form);
    }
    PlainForm form;
    std::vector<std::string> asked;
    AnsweringHook first{"first", asked};
    AnsweringHook second{"second", asked};
};

TEST_F(TwoHooks, TheWindowsObjectsAreAskedInPathOrderUntilOneAnswers)
{
    EXPECT_FALSE(WindowIsUpdating(form.Handle())) << "nobody answers: no";
    EXPECT_EQ(asked, (std::vector<std::string>{"first", "second"}));

    asked.clear();
    second.Updating = true;
    EXPECT_TRUE(WindowIsUpdating(form.Handle()));
    first.Updating = false;
    EXPECT_FALSE(WindowIsUpdating(form.Handle())) << "the first answer stands";
    EXPECT_EQ(asked, (std::vector<std::string>{"first", "second", "first"}));

    // A hook that leaves the path while it is asked does not make the walk skip the next one.
    asked.clear();
    first.Updating.reset();
    first.DetachWhenAsked = true;
    EXPECT_TRUE(WindowIsUpdating(form.Handle()));
    EXPECT_EQ(asked, (std::vector<std::string>{"first", "second"}));
    EXPECT_TRUE(AskTargets(form.Handle(), [](SkinTarget&) { return false; })) << "still a window of ours";
}

TEST_F(TwoHooks, TheColourForChildrenIsAnsweredFromWhatTheLaterObjectsAnswer)
{
    first.Colour = 0x123456;
    EXPECT_EQ(ChildrenColourAnswerOf(form.Handle()), 0x123456u) << "nothing later answers";
    second.Colour = 0x00FF00;
    EXPECT_EQ(ChildrenColourAnswerOf(form.Handle()), 0x00FF00u) << "the later answer comes first";
    EXPECT_EQ(asked, (std::vector<std::string>{"first", "second", "first", "second"}));

    // The engine's message is answered the same way, the rest of the path standing for the later
    // objects.
    EXPECT_EQ(AnswerEngineCommand(first, EngineCommandWParam(SKC_GETBGCOLOR), 0, [] { return LRESULT{0x00FF00}; }),
              LRESULT{0x00FF00});
}

TEST_F(TwoHooks, ASkinChangeIsToldAlongThePathAroundEachObjectUntilOneEndsIt)
{
    TellSkinChanged(form.Handle(), SkinChange::Refresh, nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"first>", "second>", "second<", "first<"}))
        << "each object acts before and after the later ones";

    asked.clear();
    first.EndsNotice = true;
    TellSkinChanged(form.Handle(), SkinChange::Set, nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"first>"}));

    // A hook that leaves the path while it is told does not make the notice skip the next one.
    asked.clear();
    first.EndsNotice = false;
    first.DetachWhenAsked = true;
    TellSkinChanged(form.Handle(), SkinChange::Remove, nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"first>", "second>", "second<", "first<"}));
    asked.clear();
    TellSkinChanged(form.Handle(), SkinChange::Remove, nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"second>", "second<"}));
}

TEST(SkinTargets, AWindowsChildrenAreToldWindowlessFirstAndAForeignChildByTheEngineMessage)
{
    PlainForm form;
    std::vector<std::string> told;
    class Graphic : public ui::GraphicControl {
    public:
        using ui::GraphicControl::GraphicControl;
        void Paint(HDC) override {}
    } graphic(form, BoundsRect(1, 1, 5, 5));
    AnsweringHook onGraphic{"graphic", told};
    onGraphic.Attach(graphic);
    PlainForm inner;
    SetParent(inner.Handle(), form.Handle());
    SetWindowLongW(inner.Handle(), GWL_STYLE, WS_CHILD);
    AnsweringHook onInner{"inner", told};
    onInner.Attach(inner);
    const HWND foreign = CreateForeignWindow();
    SetParent(foreign, form.Handle());
    g_foreignAsked.clear();

    const auto* sender = reinterpret_cast<const SkinManagerCore*>(0x5678);
    TellChildrenSkinChanged(form.Handle(), SkinChange::Set, sender);
    EXPECT_EQ(told.front(), "graphic>");
    EXPECT_NE(std::find(told.begin(), told.end(), "inner>"), told.end());
    EXPECT_EQ(g_foreignAsked, (std::vector<SkinCommand>{SKC_SETSKIN}));
    DestroyWindow(foreign);
}

TEST(SkinTargets, AWindowThatIsNotOursIsAskedByTheEngineMessage)
{
    const HWND window = CreateForeignWindow();
    g_foreignAsked.clear();
    EXPECT_FALSE(AskTargets(window, [](SkinTarget&) { return true; }));
    EXPECT_TRUE(WindowIsUpdating(window));
    EXPECT_EQ(SectionIndexOf(window), 5) << "written where LParam points";
    BackgroundRequest request;
    AskWindowBackground(window, request);
    EXPECT_EQ(request.AnswerKind, kAnswerNone);
    EXPECT_EQ(g_foreignAsked, (std::vector<SkinCommand>{SKC_ISUPDATING, SKC_GETSECTIONINDEX, SKC_GETBACKGROUND}));

    // A target set for the window answers in the process instead; only the one set is forgotten.
    struct Sectioned : SkinTarget {
        std::optional<std::int32_t> SectionIndexAnswer() override { return 9; }
    } target, other;
    SetWindowTarget(window, &target);
    EXPECT_EQ(SectionIndexOf(window), 9);
    ForgetWindowTarget(window, &other);
    EXPECT_EQ(SectionIndexOf(window), 9);
    ForgetWindowTarget(window, &target);
    g_foreignAsked.clear();
    EXPECT_EQ(SectionIndexOf(window), 5);
    EXPECT_EQ(g_foreignAsked.size(), 1u);
    DestroyWindow(window);
    EXPECT_EQ(SectionIndexOf(nullptr), -1);
}

TEST(SkinTargets, TheEnginesQuestionsAreTranslatedIntoTheTargetsAnswers)
{
    struct Target : SkinTarget {
        std::optional<std::int32_t> SectionIndexAnswer() override { return 4; }
        std::optional<std::uint16_t> StateFlagsAnswer() override { return 0x0801; }
        std::optional<TsDisabledKind> DisabledKindAnswer() override { return TsDisabledKind{false, true}; }
    } target;
    const auto noRest = [] { return LRESULT{0}; };
    const auto ask = [&](SkinCommand command, LPARAM lParam = 0) {
        return AnswerEngineCommand(target, EngineCommandWParam(command), lParam, noRest);
    };
    std::int32_t index = -1;
    EXPECT_EQ(ask(SKC_GETSECTIONINDEX, reinterpret_cast<LPARAM>(&index)), LRESULT{4}) << "returned";
    EXPECT_EQ(index, 4) << "and written";
    EXPECT_EQ(ask(SKC_PLAINBGSTATE), LRESULT{0x0801});
    EXPECT_EQ(ask(SKC_PLAINBGSTATE, 1), std::nullopt) << "LParam 1 orders the flags worked out again";
    std::uint8_t kind = 0xFF;
    EXPECT_EQ(ask(SKC_GETDISABLEDKIND, reinterpret_cast<LPARAM>(&kind)), LRESULT{0});
    EXPECT_EQ(kind, 2) << "grayed, not blended";
    EXPECT_EQ(ask(SKC_GETBACKGROUND), std::nullopt) << "nothing to fill: passed on";
    EXPECT_EQ(ask(SKC_ISUPDATING), std::nullopt) << "no answer: passed on";
    EXPECT_EQ(ask(SKC_STOPFADE), std::nullopt) << "neither a question nor a skin change";
}

TEST(SkinTargets, ASkinChangeMessageIsHeardAsTheCallAndGoesOnWhereTheTargetPassesItOn)
{
    struct Target : SkinTarget {
        std::vector<std::pair<SkinChange, const SkinManagerCore*>> Heard;
        bool Ends = false;
        void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override
        {
            Heard.emplace_back(change, sender);
            if (!Ends)
                rest();
        }
    } target;
    int restRan = 0;
    const auto rest = [&restRan] { return LRESULT{++restRan}; };
    const auto* sender = reinterpret_cast<const SkinManagerCore*>(0x1234);
    const LPARAM lParam = reinterpret_cast<LPARAM>(sender);
    EXPECT_EQ(AnswerEngineCommand(target, EngineCommandWParam(SKC_REMOVESKIN), lParam, rest), LRESULT{0});
    EXPECT_EQ(restRan, 1) << "passed on once";
    target.Ends = true;
    EXPECT_EQ(AnswerOrPassOn(target, EngineCommandWParam(SKC_REFRESH), lParam, rest), LRESULT{0});
    EXPECT_EQ(restRan, 1) << "ended at the target";
    EXPECT_EQ(target.Heard, (std::vector<std::pair<SkinChange, const SkinManagerCore*>>{
                                {SkinChange::Remove, sender}, {SkinChange::Refresh, sender}}));
    EXPECT_EQ(AnswerOrPassOn(target, EngineCommandWParam(SKC_STOPFADE), lParam, rest), LRESULT{2})
        << "anything else runs along the rest of the path";
}

// A thunk for the table tests: it serves nothing itself.
win32::WindowTable<win32::SubclassSlot<int>> g_thunkSlots;
LRESULT CALLBACK TestThunk(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return win32::PassOn(g_thunkSlots, window, message, wParam, lParam);
}
WNDPROC g_underOuter = nullptr;
LRESULT CALLBACK OuterSubclasser(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWindowProcW(g_underOuter, window, message, wParam, lParam);
}

TEST(SubclassSlots, AThunkLeftUnderAnotherSubclasserIsTakenAgainAndItsSlotGoesWithTheWindow)
{
    const HWND window = CreateForeignWindow();
    auto& slot = g_thunkSlots.At(window);
    const WNDPROC classProc = win32::SubclassWith(slot, window, &TestThunk);
    EXPECT_EQ(classProc, &ForeignProc);
    g_underOuter = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&OuterSubclasser)));
    EXPECT_EQ(win32::SubclassWith(slot, window, &TestThunk), &ForeignProc) << "the thunk in the chain serves again";
    EXPECT_EQ(GetWindowLongPtrW(window, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&OuterSubclasser))
        << "no second thunk";

    // Messages pass the thunk on to the class procedure; with the window the slot goes.
    g_foreignAsked.clear();
    EXPECT_EQ(SendMessageW(window, SKM_COMMAND, EngineCommandWParam(SKC_ISUPDATING), 0), 1);
    EXPECT_EQ(g_foreignAsked.size(), 1u);
    DestroyWindow(window);
    EXPECT_EQ(g_thunkSlots.Find(window), nullptr);
}

} // namespace
} // namespace korvane
