#include "controls/button_state.h"

namespace korvane {

int WindowedButtonState(const WindowedButtonFacts& facts)
{
    if (((facts.Pushed || facts.PressedLookFlush) && (facts.MouseInside || !facts.LeftButtonHeld)) || facts.Down)
        return StatePressed;
    if (facts.ActiveDefault || facts.DefaultStyle || facts.Active)
        return StateHot;
    return StateNormal;
}

int SpeedButtonState(bool down, bool active)
{
    if (down)
        return StatePressed;
    return active ? StateHot : StateNormal;
}

ReleaseSteps PlanRelease(bool pressing, bool fadeRunning)
{
    if (!pressing)
        return {};
    if (fadeRunning)
        return {true, kPressedFaceMinimumMs, true};
    return {false, 0, true};
}

} // namespace korvane
