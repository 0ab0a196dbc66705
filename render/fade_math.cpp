#include "render/fade_math.h"

#include <algorithm>

namespace korvane {

bool IsEventAnimated(TacAnimatEvent event, TacAnimatEvents controlEvents, TacAnimatEvents globalEvents)
{
    if ((controlEvents & AnimatEventBit(event)) != 0) {
        return true;
    }
    return (controlEvents & AnimatEventBit(aeGlobalDef)) != 0 && (globalEvents & AnimatEventBit(event)) != 0;
}

int FadeAlpha(int step, int steps)
{
    if (steps == 0) {
        return 0;
    }
    // A = clamp(floor(255 - k*256/N)): the exact quotient, so that the first of 20 frames
    // weighs the old picture 242 (255 - 12.8), not 243.
    const long long numerator = 255LL * steps - 256LL * step;
    long long quotient = numerator / steps;
    if ((numerator % steps != 0) && ((numerator < 0) != (steps < 0))) {
        --quotient; // round toward minus infinity
    }
    return static_cast<int>(std::clamp<long long>(quotient, 0, 255));
}

FadeSteps StartFadeSteps(bool timerExists, int currentMode, int fadingIterations, bool halve)
{
    FadeSteps result;
    int mode = 0;
    if (timerExists) {
        result.Step = fadingIterations;
        mode = currentMode;
    } else {
        result.Step = 1;
    }
    result.Steps = fadingIterations;
    if (mode == 1) {
        result.Steps = result.Step;
    } else if (mode == 2) {
        result.Steps = fadingIterations - result.Step;
    }
    if (halve) {
        result.Steps /= 2;
    }
    if (result.Step >= result.Steps || result.Step <= 0) {
        result.Step = 1;
    }
    return result;
}

FadeSteps StartAnimSteps(bool running, int runningSteps, int runningStep, int fadingIterations, bool halve)
{
    FadeSteps result;
    result.Steps = halve ? fadingIterations / 2 : fadingIterations;
    result.Step = running ? runningSteps - runningStep : 1;
    return result;
}

} // namespace korvane
