#include "windows/list_view_scroll.h"

namespace korvane {

ListViewMode ListViewModeOfPlatform(int view)
{
    switch (view) {
    case 0:
        return ListViewMode::Icon;
    case 1:
        return ListViewMode::Details;
    case 2:
        return ListViewMode::SmallIcon;
    default:
        return ListViewMode::List;
    }
}

ListScrollStep ThumbTrackStep(ListViewMode mode, bool horizontal, int lastPosition, int newPosition, int itemWidth,
                              int itemHeight)
{
    const int distance = newPosition - lastPosition;
    ListScrollStep step;
    if (horizontal)
        step.Dx = mode == ListViewMode::List ? distance * itemWidth : distance;
    else
        step.Dy = mode == ListViewMode::Details ? distance * itemHeight : distance;
    return step;
}

int ThumbTrackPosition(unsigned long long wParam, long long lParam)
{
    if (lParam != 0)
        return static_cast<int>(lParam);
    return static_cast<int>((wParam >> 16) & 0xFFFF);
}

} // namespace korvane
