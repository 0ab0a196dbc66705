#pragma once

namespace korvane {

// Events that may animate a control.
enum TacAnimatEvent : unsigned { aeMouseEnter = 0, aeMouseLeave = 1, aeMouseDown = 2, aeMouseUp = 3, aeGlobalDef = 4 };

// A set of animation events, one bit per event (bit n for event n).
using TacAnimatEvents = unsigned;
inline constexpr TacAnimatEvents AnimatEventBit(TacAnimatEvent event)
{
    return 1u << event;
}
// The default of a control's set: {aeGlobalDef}.
inline constexpr TacAnimatEvents kDefaultAnimatEvents = 1u << aeGlobalDef;
// The default global set of the skin manager's effects: the first four events.
inline constexpr TacAnimatEvents kDefaultGlobalAnimatEvents = 15;

// An event animates a control when it is in the control's set, or when that set holds
// aeGlobalDef and the event is in the global set.
bool IsEventAnimated(TacAnimatEvent event, TacAnimatEvents controlEvents, TacAnimatEvents globalEvents);

// Weight of the old picture in fade frame k of N: clamp0..255(255 - k * 256 / N), the
// quotient taken exactly and the result rounded down. 0 when N is 0.
int FadeAlpha(int step, int steps);

// The step count N and the first step k of a fade that (re)starts.
struct FadeSteps {
    int Steps = 0; // N
    int Step = 1;  // k
};

// A fade (re)starting on a control: with a running timer its step is set to the section's
// iterations, else a new timer starts at step 1 in mode 0; N is the iterations, or k when the
// timer's current mode is 1, or iterations - k when it is 2; the halve flag halves N; a k at or
// above N or at or below 0 becomes 1.
FadeSteps StartFadeSteps(bool timerExists, int currentMode, int fadingIterations, bool halve);

// The first step of a windowless control's fade: a reversal of a running fade continues from
// the same mix (its N - its k), otherwise 1. N is the iterations, halved with the halve flag.
FadeSteps StartAnimSteps(bool running, int runningSteps, int runningStep, int fadingIterations, bool halve);

} // namespace korvane
