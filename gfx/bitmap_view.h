#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/pixel_rect.h"

namespace korvane {

// Non-owning view of a 32-bit bitmap: bytes blue, green, red, alpha, so a pixel read as a
// little-endian uint32_t is 0xAARRGGBB. Rows may be padded (stride in bytes) and may run
// bottom-up (negative stride) as in a Windows DIB section.
struct BitmapView {
    std::uint8_t* Data = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;

    bool IsEmpty() const { return Data == nullptr || Width <= 0 || Height <= 0; }
    std::uint32_t* Row(int y) const { return reinterpret_cast<std::uint32_t*>(Data + Stride * y); }
    std::uint32_t& At(int x, int y) const { return Row(y)[x]; }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < Width && y < Height; }
    bool SameAs(const BitmapView& other) const { return Data != nullptr && Data == other.Data; }
};

} // namespace korvane
