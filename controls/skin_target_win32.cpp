#include "controls/skin_target_win32.h"

#include "gfx/colors.h"
#include "skin/engine_commands.h"
#include "ui/application.h"
#include "ui/graphic_control.h"
#include "ui/window.h"
#include "win32/window_table.h"

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

win32::WindowTable<SkinTarget*>& WindowTargets()
{
    static win32::WindowTable<SkinTarget*> targets;
    return targets;
}

// One object told, and how to go on to the objects after it on the window.
using Visit = std::function<void(SkinTarget&, const std::function<void()>& rest)>;

SkinTarget* TargetOnPath(ui::MessageHook* hook)
{
    if (auto* target = dynamic_cast<SkinTarget*>(hook))
        return target;
    if (auto* onPath = dynamic_cast<SkinTargetOnPath*>(hook))
        return &onPath->PathTarget();
    return nullptr;
}

// Visits the component's objects in the order its messages meet them, from hook `index` on: the
// hooks in the order they were attached, then the component itself. Each object goes on to the
// next by calling its `rest`.
void WalkFrom(ui::Component& component, std::size_t index, const Visit& visit)
{
    const std::vector<ui::MessageHook*>& hooks = component.Hooks();
    for (; index < hooks.size(); ++index) {
        ui::MessageHook* hook = hooks[index];
        if (SkinTarget* target = TargetOnPath(hook)) {
            visit(*target, [&component, &visit, &hooks, hook, index] {
                // A hook may leave the chain (or attach another) while it is told: go on after
                // wherever it stands now, as the message path does.
                const auto at = std::find(hooks.begin(), hooks.end(), hook);
                WalkFrom(component, at == hooks.end() ? index : static_cast<std::size_t>(at - hooks.begin()) + 1,
                         visit);
            });
            return;
        }
    }
    if (auto* object = dynamic_cast<SkinTarget*>(&component))
        visit(*object, [] {});
}

// Visits the objects that serve the window; false when the window is none of this program's.
bool WalkTargets(HWND window, const Visit& visit)
{
    if (!window)
        return false;
    if (ui::Window* object = ui::Window::FromHandle(window)) {
        WalkFrom(*object, 0, visit);
        return true;
    }
    if (SkinTarget** target = WindowTargets().Find(window)) {
        visit(**target, [] {});
        return true;
    }
    return false;
}

LRESULT SendCommand(HWND window, SkinCommand command, LPARAM lParam = 0)
{
    return window ? SendMessageW(window, SKM_COMMAND, EngineCommandWParam(command), lParam) : 0;
}

// The first answer along the window's objects; no value when none answers, and `foreign` when the
// window is none of this program's.
template <typename Answer>
std::optional<Answer> FirstAnswer(HWND window, std::optional<Answer> (SkinTarget::*question)(), bool& foreign)
{
    std::optional<Answer> answer;
    foreign = !AskTargets(window, [&](SkinTarget& target) {
        answer = (target.*question)();
        return answer.has_value();
    });
    return answer;
}

// A yes-or-no question: no answer is no.
bool AskYesOrNo(HWND window, std::optional<bool> (SkinTarget::*question)(), SkinCommand command)
{
    bool foreign = false;
    const std::optional<bool> answer = FirstAnswer(window, question, foreign);
    return foreign ? SendCommand(window, command) != 0 : answer.value_or(false);
}

} // namespace

std::optional<LRESULT> AnswerEngineCommand(SkinTarget& target, WPARAM wParam, LPARAM lParam,
                                           const std::function<LRESULT()>& rest)
{
    const auto yesOrNo = [](std::optional<bool> answer) -> std::optional<LRESULT> {
        if (!answer)
            return std::nullopt;
        return *answer ? 1 : 0;
    };
    if (const std::optional<SkinChange> change = SkinChangeOf(EngineCommandOf(wParam))) {
        target.SkinChanged(*change, reinterpret_cast<const SkinManagerCore*>(lParam), [&rest] { rest(); });
        return 0;
    }
    switch (EngineCommandOf(wParam)) {
    case SKC_ISSKINNED:
        return yesOrNo(target.SkinnedAnswer());
    case SKC_ISUPDATING:
        return yesOrNo(target.UpdatingAnswer());
    case SKC_ISCLIPPED:
        return yesOrNo(target.ClippedAnswer());
    case SKC_HASCOMPLEXBG:
        return yesOrNo(target.ComplexBackgroundAnswer());
    case SKC_PLAINBGSTATE: {
        // With LParam 1 it is not a question but the order to work the flags out again.
        const std::optional<std::uint16_t> flags = lParam == 1 ? std::nullopt : target.StateFlagsAnswer();
        return flags ? std::optional<LRESULT>(*flags) : std::nullopt;
    }
    case SKC_GETCAPTIONHEIGHT: {
        const std::optional<int> height = target.CaptionHeightAnswer();
        return height ? std::optional<LRESULT>(*height) : std::nullopt;
    }
    case SKC_GETSECTIONINDEX: {
        // Written where LParam points, and returned.
        const std::optional<std::int32_t> index = target.SectionIndexAnswer();
        if (!index)
            return std::nullopt;
        if (lParam)
            *reinterpret_cast<std::int32_t*>(lParam) = *index;
        return *index;
    }
    case SKC_GETBACKGROUND:
        if (lParam && target.BackgroundAnswer(*reinterpret_cast<BackgroundRequest*>(lParam)))
            return 0;
        return std::nullopt;
    case SKC_GETBGCOLOR:
        return target.ChildrenColourAnswer([&rest] { return static_cast<std::uint32_t>(rest()); });
    case SKC_GETDISABLEDKIND: {
        // Written to the byte LParam points to.
        const std::optional<TsDisabledKind> kind = target.DisabledKindAnswer();
        if (!kind)
            return std::nullopt;
        if (lParam)
            *reinterpret_cast<std::uint8_t*>(lParam) = DisabledKindByte(*kind);
        return 0;
    }
    case SKC_PARENTREADY:
        return target.ParentReady() ? std::optional<LRESULT>(0) : std::nullopt;
    case SKC_GETAPPLICATION:
        return reinterpret_cast<LRESULT>(ui::Application::Current());
    default:
        return std::nullopt;
    }
}

LRESULT AnswerOrPassOn(SkinTarget& target, WPARAM wParam, LPARAM lParam, const std::function<LRESULT()>& rest)
{
    const std::optional<LRESULT> answered = AnswerEngineCommand(target, wParam, lParam, rest);
    return answered ? *answered : rest();
}

void SetWindowTarget(HWND window, SkinTarget* target)
{
    WindowTargets().At(window) = target;
}

void ForgetWindowTarget(HWND window, const SkinTarget* target)
{
    if (SkinTarget** found = WindowTargets().Find(window); found && *found == target)
        WindowTargets().Erase(window);
}

bool AskTargets(HWND window, const std::function<bool(SkinTarget&)>& ask)
{
    return WalkTargets(window, [&ask](SkinTarget& target, const std::function<void()>& rest) {
        if (!ask(target))
            rest();
    });
}

bool AnswersSkinCommands(HWND window)
{
    bool foreign = false;
    const std::optional<bool> answer = FirstAnswer(window, &SkinTarget::SkinnedAnswer, foreign);
    if (foreign)
        return SendCommand(window, SKC_ISSKINNED) == 1;
    return answer.value_or(false);
}

bool WindowIsClipped(HWND window)
{
    return AskYesOrNo(window, &SkinTarget::ClippedAnswer, SKC_ISCLIPPED);
}

bool WindowHasComplexBackground(HWND window)
{
    return AskYesOrNo(window, &SkinTarget::ComplexBackgroundAnswer, SKC_HASCOMPLEXBG);
}

std::uint16_t StateFlagsOf(HWND window)
{
    bool foreign = false;
    const std::optional<std::uint16_t> answer = FirstAnswer(window, &SkinTarget::StateFlagsAnswer, foreign);
    if (foreign)
        return static_cast<std::uint16_t>(SendCommand(window, SKC_PLAINBGSTATE));
    return answer.value_or(0);
}

std::uint32_t ChildrenColourAnswerOf(HWND window)
{
    // Each object may answer from what the ones after it answer; 0 when none does.
    std::uint32_t answer = 0;
    if (!WalkTargets(window, [&answer](SkinTarget& target, const std::function<void()>& rest) {
            answer = target.ChildrenColourAnswer([&] {
                rest();
                return answer;
            });
        }))
        return static_cast<std::uint32_t>(SendCommand(window, SKC_GETBGCOLOR, TransparentKey));
    return answer;
}

bool WindowIsUpdating(HWND window)
{
    return AskYesOrNo(window, &SkinTarget::UpdatingAnswer, SKC_ISUPDATING);
}

void AskWindowBackground(HWND window, BackgroundRequest& request)
{
    if (!AskTargets(window, [&request](SkinTarget& target) { return target.BackgroundAnswer(request); }))
        SendCommand(window, SKC_GETBACKGROUND, reinterpret_cast<LPARAM>(&request));
}

std::int32_t SectionIndexOf(HWND window)
{
    bool foreign = false;
    const std::optional<std::int32_t> answer = FirstAnswer(window, &SkinTarget::SectionIndexAnswer, foreign);
    if (!foreign)
        return answer.value_or(-1);
    std::int32_t index = -1;
    SendCommand(window, SKC_GETSECTIONINDEX, reinterpret_cast<LPARAM>(&index));
    return index;
}

TsDisabledKind DisabledKindOf(HWND window)
{
    bool foreign = false;
    const std::optional<TsDisabledKind> answer = FirstAnswer(window, &SkinTarget::DisabledKindAnswer, foreign);
    if (!foreign)
        return answer.value_or(TsDisabledKind{});
    std::uint8_t kind = DisabledKindByte({});
    SendCommand(window, SKC_GETDISABLEDKIND, reinterpret_cast<LPARAM>(&kind));
    return DisabledKindFromByte(kind);
}

void TellParentReady(HWND window)
{
    if (!AskTargets(window, [](SkinTarget& target) { return target.ParentReady(); }))
        SendCommand(window, SKC_PARENTREADY);
}

void TellHotChanged(HWND window, const SkinManagerCore& manager, bool hot)
{
    const bool ours = AskTargets(window, [&](SkinTarget& target) {
        target.HotChanged(manager, hot);
        return false;
    });
    if (!ours)
        SendCommand(window, hot ? SKC_MOUSEENTER : SKC_MOUSELEAVE, reinterpret_cast<LPARAM>(&manager));
}

void TellSkinChanged(HWND window, SkinChange change, const SkinManagerCore* sender)
{
    const bool ours = WalkTargets(window, [&](SkinTarget& target, const std::function<void()>& rest) {
        target.SkinChanged(change, sender, rest);
    });
    if (!ours)
        SendCommand(window, CommandOf(change), reinterpret_cast<LPARAM>(sender));
}

void TellSkinChanged(ui::Component& control, SkinChange change, const SkinManagerCore* sender)
{
    WalkFrom(control, 0,
             [&](SkinTarget& target, const std::function<void()>& rest) { target.SkinChanged(change, sender, rest); });
}

void TellChildrenSkinChanged(HWND parent, SkinChange change, const SkinManagerCore* sender)
{
    if (ui::Window* owner = ui::Window::FromHandle(parent))
        for (ui::GraphicControl* control : owner->GraphicControls())
            TellSkinChanged(*control, change, sender);
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        TellSkinChanged(child, change, sender);
}

} // namespace korvane
