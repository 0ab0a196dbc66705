#include "controls/skin_target_win32.h"

#include "gfx/colors.h"
#include "skin/engine_commands.h"
#include "ui/application.h"
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

std::optional<LRESULT> AnswerQuestion(SkinTarget& target, WPARAM wParam, LPARAM lParam,
                                      const std::function<LRESULT()>& rest)
{
    const auto yesOrNo = [](std::optional<bool> answer) -> std::optional<LRESULT> {
        if (!answer)
            return std::nullopt;
        return *answer ? 1 : 0;
    };
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
    case SKC_GETAPPLICATION:
        return reinterpret_cast<LRESULT>(ui::Application::Current());
    default:
        return std::nullopt;
    }
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
    if (!window)
        return false;
    if (ui::Window* object = ui::Window::FromHandle(window)) {
        // The hooks meet a message before the object does, in the order they were attached.
        const std::vector<ui::MessageHook*>& hooks = object->Hooks();
        for (std::size_t i = 0; i < hooks.size(); ++i) {
            ui::MessageHook* hook = hooks[i];
            SkinTarget* target = dynamic_cast<SkinTarget*>(hook);
            if (auto* onPath = target ? nullptr : dynamic_cast<SkinTargetOnPath*>(hook))
                target = &onPath->PathTarget();
            if (target && ask(*target))
                return true;
            // A hook may leave the chain (or attach another) while it answers: go on after
            // wherever it stands now, as the message path does.
            if (i >= hooks.size() || hooks[i] != hook) {
                const auto at = std::find(hooks.begin(), hooks.end(), hook);
                i = at == hooks.end() ? i - 1 : static_cast<std::size_t>(at - hooks.begin());
            }
        }
        if (auto* target = dynamic_cast<SkinTarget*>(object))
            ask(*target);
        return true;
    }
    if (SkinTarget** target = WindowTargets().Find(window)) {
        ask(**target);
        return true;
    }
    return false;
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
    std::vector<SkinTarget*> targets;
    if (!AskTargets(window, [&targets](SkinTarget& target) {
            targets.push_back(&target);
            return false;
        }))
        return static_cast<std::uint32_t>(SendCommand(window, SKC_GETBGCOLOR, TransparentKey));
    // Each object may answer from what the ones after it answer.
    std::function<std::uint32_t(std::size_t)> from = [&](std::size_t index) -> std::uint32_t {
        if (index == targets.size())
            return 0;
        return targets[index]->ChildrenColourAnswer([&] { return from(index + 1); });
    };
    return from(0);
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

int CaptionHeightOf(HWND window)
{
    bool foreign = false;
    const std::optional<int> answer = FirstAnswer(window, &SkinTarget::CaptionHeightAnswer, foreign);
    if (foreign)
        return static_cast<int>(SendCommand(window, SKC_GETCAPTIONHEIGHT));
    return answer.value_or(0);
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

} // namespace korvane
