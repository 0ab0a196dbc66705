#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/bitmap_view.h"

namespace korvane {

// A 32-bit top-down bitmap: every pixel is one uint32_t laid out in memory as the bytes blue,
// green, red, alpha (so the value reads 0xAARRGGBB). Rows are Stride() bytes apart.
// A value type that always owns its pixels; memory owned elsewhere (a DIB section's bits) is
// reached through a BitmapView instead.
class Bitmap32 final {
public:
    // An empty 0 x 0 bitmap.
    Bitmap32() = default;
    // A bitmap of the given size, every pixel 0 (transparent black). Negative sizes count as 0.
    Bitmap32(int width, int height);
    ~Bitmap32() = default;

    Bitmap32(const Bitmap32& other);
    Bitmap32& operator=(const Bitmap32& other);
    Bitmap32(Bitmap32&& other) noexcept;
    Bitmap32& operator=(Bitmap32&& other) noexcept;

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Distance between the starts of two rows, in bytes.
    int Stride() const { return m_stride; }
    bool Empty() const { return m_width <= 0 || m_height <= 0; }

    // Pointer to the first pixel of row y (0 = top). No bounds check.
    uint32_t* Row(int y) { return reinterpret_cast<uint32_t*>(m_bits + static_cast<std::ptrdiff_t>(y) * m_stride); }
    const uint32_t* Row(int y) const
    {
        return reinterpret_cast<const uint32_t*>(m_bits + static_cast<std::ptrdiff_t>(y) * m_stride);
    }
    uint32_t Pixel(int x, int y) const { return Row(y)[x]; }
    void SetPixel(int x, int y, uint32_t value) { Row(y)[x] = value; }
    uint8_t* Bits() { return m_bits; }
    const uint8_t* Bits() const { return m_bits; }

    // Reallocates to the given size (owning storage); every pixel becomes 0.
    void Resize(int width, int height);
    // Sets every pixel to value.
    void Fill(uint32_t value);
    // Copies the rectangle (x, y, w, h) of this bitmap into a new owning bitmap; the rectangle is
    // clipped to the bitmap.
    Bitmap32 Copy(int x, int y, int w, int h) const;
    // True when both have the same size and the same pixels (stride is not compared).
    bool SamePixels(const Bitmap32& other) const;

    // Non-owning view of the pixels for the painting routines.
    BitmapView View() { return BitmapView{m_bits, m_width, m_height, m_stride}; }
    // The same view of a bitmap that is only read (a source); the routines never write it.
    BitmapView ReadView() const { return BitmapView{const_cast<uint8_t*>(m_bits), m_width, m_height, m_stride}; }

private:
    void CopyFrom(const Bitmap32& other);

    int m_width = 0;
    int m_height = 0;
    int m_stride = 0;
    uint8_t* m_bits = nullptr;
    std::vector<uint8_t> m_storage;
};

// An owned copy of the pixels a view shows (an empty bitmap for an empty view).
Bitmap32 CopyOfView(const BitmapView& picture);

} // namespace korvane
