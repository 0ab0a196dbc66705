#include "windows/skinned_windows_win32.h"

namespace korvane {

std::vector<HWND>& SkinnedForms()
{
    static std::vector<HWND> forms;
    return forms;
}

std::vector<HWND>& AdaptedDialogs()
{
    static std::vector<HWND> dialogs;
    return dialogs;
}

} // namespace korvane
