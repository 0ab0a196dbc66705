#pragma once

#include <windows.h>

#include <vector>

namespace korvane {

// The engine's lists of windows skinned by other means than the forms' own controls: forms that
// carry a skinned frame, and the dialogs the window-creation hook adapted. The skin manager's
// broadcast reaches them after the application's forms. Frames and adapters add and remove
// their windows here.
std::vector<HWND>& SkinnedForms();
std::vector<HWND>& AdaptedDialogs();

} // namespace korvane
