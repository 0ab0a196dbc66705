#include "tools/skinart/master_layout.h"

#include <algorithm>
#include <numeric>
#include <stdexcept>

namespace korvane {

int PlacePictures(std::vector<SkinPicture>& pictures, int width)
{
    std::vector<size_t> order(pictures.size());
    std::iota(order.begin(), order.end(), size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&](size_t a, size_t b) { return pictures[a].Height() > pictures[b].Height(); });
    const int gap = 1;
    int x = 0;
    int y = 0;
    int shelf = 0;
    for (size_t i : order) {
        SkinPicture& p = pictures[i];
        if (p.Width() > width) {
            throw std::logic_error(p.name + " is wider than the master bitmap");
        }
        if (x + p.Width() > width) {
            x = 0;
            y += shelf + gap;
            shelf = 0;
        }
        p.x = x;
        p.y = y;
        x += p.Width() + gap;
        shelf = std::max(shelf, p.Height());
    }
    return y + shelf;
}

Raster ComposeMaster(const std::vector<SkinPicture>& pictures, int width, int height)
{
    Raster master(width, height);
    master.Clear(kKeyR, kKeyG, kKeyB);
    for (const SkinPicture& p : pictures) {
        master.Paste(p.pixels, p.x, p.y);
    }
    return master;
}

} // namespace korvane
