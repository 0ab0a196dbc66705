#include "tools/skinart/raster.h"

namespace korvane {

void Raster::Clear(uint8_t r, uint8_t g, uint8_t b, uint8_t a)
{
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Set(x, y, r, g, b, a);
        }
    }
}

void Raster::Paste(const Raster& source, int x, int y)
{
    for (int sy = 0; sy < source.height; ++sy) {
        const int dy = y + sy;
        if (dy < 0 || dy >= height) {
            continue;
        }
        for (int sx = 0; sx < source.width; ++sx) {
            const int dx = x + sx;
            if (dx < 0 || dx >= width) {
                continue;
            }
            const uint8_t* s = source.At(sx, sy);
            Set(dx, dy, s[0], s[1], s[2], s[3]);
        }
    }
}

} // namespace korvane
