#pragma once

namespace korvane {

// A list view's view modes as the adapters number them.
enum class ListViewMode { Icon = 0, SmallIcon = 1, List = 2, Details = 3 };

// The mode of the platform's view value (LVM_GETVIEW, or the type bits of the list's style,
// which number the four classic views alike): icon 0, details 1, small icon 2, anything else
// (list, tile) counts as list.
ListViewMode ListViewModeOfPlatform(int view);

// What a thumb drag scrolls a list view by: the distance from the last drag position to the new
// one, in the list's own units: whole columns (the first item's width) across a list-mode list,
// whole lines (the first item's height) down a details list, pixels otherwise.
struct ListScrollStep {
    int Dx = 0;
    int Dy = 0;
    bool Moves() const { return Dx != 0 || Dy != 0; }
};
ListScrollStep ThumbTrackStep(ListViewMode mode, bool horizontal, int lastPosition, int newPosition, int itemWidth,
                              int itemHeight);

// The new position a thumb-track message carries: its LParam when not 0, else the high word of
// its WParam.
int ThumbTrackPosition(unsigned long long wParam, long long lParam);

} // namespace korvane
