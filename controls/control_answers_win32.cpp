#include "controls/control_answers_win32.h"

namespace korvane {

void ChangeDisabledKind(TsDisabledKind& stored, TsDisabledKind kind, TsCommonData& skinData)
{
    if (kind == stored)
        return;
    stored = kind;
    skinData.Invalidate();
}

bool ControlWindowReady(HWND window, const TsCommonData& skinData)
{
    return window && !skinData.Destroying && GetParent(window) != nullptr;
}

} // namespace korvane
