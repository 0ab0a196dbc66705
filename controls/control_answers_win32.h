#pragma once

#include "controls/common_data_win32.h"
#include "controls/disabled_look.h"

#include <windows.h>

#include <cstdint>

namespace korvane {

// What the skinned list, combo and rich edit handle alike.

// The DisabledKind changed: stored, and the control's face rebuilt with its new disabled look.
void ChangeDisabledKind(TsDisabledKind& stored, TsDisabledKind kind, TsCommonData& skinData);

// The control's window exists and has a parent, and the control is not going: it can paint.
bool ControlWindowReady(HWND window, const TsCommonData& skinData);

} // namespace korvane
