#include "controls/control_answers_win32.h"

#include "skin/engine_commands.h"
#include "ui/application.h"

namespace korvane {

void ChangeDisabledKind(TsDisabledKind& stored, TsDisabledKind kind, TsCommonData& skinData)
{
    if (kind == stored)
        return;
    stored = kind;
    skinData.Invalidate();
}

bool AnswerControlQuestion(std::uint16_t code, LPARAM lParam, TsDisabledKind kind, LRESULT& result)
{
    switch (code) {
    case SKC_GETDISABLEDKIND:
        if (lParam)
            *reinterpret_cast<std::uint8_t*>(lParam) = DisabledKindByte(kind);
        result = 0;
        return true;
    case SKC_GETAPPLICATION:
        result = reinterpret_cast<LRESULT>(ui::Application::Current());
        return true;
    default:
        return false;
    }
}

bool ControlWindowReady(HWND window, const TsCommonData& skinData)
{
    return window && !skinData.Destroying && GetParent(window) != nullptr;
}

} // namespace korvane
