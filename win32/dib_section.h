#pragma once

#include <windows.h>

#include "gfx/bitmap_view.h"
#include "win32/unique_handle.h"

namespace korvane::win32 {

// A 32-bit top-down device-independent bitmap selected into a memory device context of its own,
// so that GDI draws into it (text, block copies, gradient fills) and the portable painters write
// the same pixels through View(). Bytes blue, green, red, alpha, as everywhere in the program.
class DibSection {
public:
    DibSection() = default;
    // A bitmap of the size (negative sizes count as 0); empty when GDI cannot make it.
    DibSection(int width, int height);
    DibSection(const DibSection&) = delete;
    DibSection& operator=(const DibSection&) = delete;
    DibSection(DibSection&& other) noexcept;
    DibSection& operator=(DibSection&& other) noexcept;
    ~DibSection();

    // Makes the bitmap the size only when its size differs (the pixels are then undefined);
    // 0 x 0 gives its memory back. Returns false when GDI cannot make a bitmap of the size.
    bool Resize(int width, int height);

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    bool Empty() const { return m_bits == nullptr; }
    // The memory device context the bitmap is selected into (null while empty).
    HDC Dc() const { return m_dc; }
    HBITMAP Bitmap() const { return m_bitmap.get(); }
    // The pixels, after GDI has finished what it drew (GdiFlush).
    BitmapView View() const;

private:
    void Release() noexcept;

    OwnedBitmap m_bitmap;
    HDC m_dc = nullptr;
    HGDIOBJ m_previous = nullptr;
    std::uint8_t* m_bits = nullptr;
    int m_width = 0;
    int m_height = 0;
};

// Copies a 32-bit picture to (x, y) of a device context, as a block copy of a DIB section would.
void DrawBitmapView(HDC dc, int x, int y, const BitmapView& picture);

} // namespace korvane::win32
