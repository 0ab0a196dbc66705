#include "controls/window_region_win32.h"

namespace korvane {

win32::OwnedRegion RegionWithout(int width, int height, const std::vector<PixelRect>& runs)
{
    win32::OwnedRegion region(CreateRectRgn(0, 0, width, height));
    if (!region || runs.empty())
        return region;
    win32::OwnedRegion cut(CreateRectRgn(0, 0, 0, 0));
    for (const PixelRect& run : runs) {
        if (run.IsEmpty())
            continue;
        SetRectRgn(cut.get(), run.Left, run.Top, run.Right, run.Bottom);
        CombineRgn(region.get(), region.get(), cut.get(), RGN_DIFF);
    }
    return region;
}

} // namespace korvane
