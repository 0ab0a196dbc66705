#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace korvane {

// An 8-bit-per-channel picture, stored top-down, pixels as R, G, B, A bytes.
struct Raster {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;

    Raster() = default;
    Raster(int w, int h) : width(w), height(h), rgba(static_cast<std::size_t>(w) * h * 4, 0) {}

    uint8_t* At(int x, int y) { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    const uint8_t* At(int x, int y) const { return &rgba[(static_cast<std::size_t>(y) * width + x) * 4]; }
    void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255)
    {
        uint8_t* p = At(x, y);
        p[0] = r;
        p[1] = g;
        p[2] = b;
        p[3] = a;
    }
    // Fills the whole picture with one colour.
    void Clear(uint8_t r, uint8_t g, uint8_t b, uint8_t a = 255);
    // Copies another picture to (x, y), clipped.
    void Paste(const Raster& source, int x, int y);
};

} // namespace korvane
