#pragma once

#include "controls/common_data_win32.h"
#include "controls/disabled_look.h"

#include <windows.h>

#include <cstdint>

namespace korvane {

// What the skinned list, combo and rich edit handle alike.

// The DisabledKind changed: stored, and the control's face rebuilt with its new disabled look.
void ChangeDisabledKind(TsDisabledKind& stored, TsDisabledKind kind, TsCommonData& skinData);

// The engine's questions every one of them answers the same way: its DisabledKind (written to the
// byte lParam points to) and the application. True when `code` was one of them.
bool AnswerControlQuestion(std::uint16_t code, LPARAM lParam, TsDisabledKind kind, LRESULT& result);

// The control's window exists and has a parent, and the control is not going: it can paint.
bool ControlWindowReady(HWND window, const TsCommonData& skinData);

} // namespace korvane
