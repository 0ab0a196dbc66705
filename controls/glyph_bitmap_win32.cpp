#include "controls/glyph_bitmap_win32.h"

#include "win32/dc_guards.h"

namespace korvane {

GlyphBitmap ReadGlyphBitmap(HBITMAP bitmap)
{
    GlyphBitmap glyph;
    BITMAP info{};
    if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return glyph;
    glyph.BitsPerPixel = info.bmBitsPixel;
    Bitmap32 pixels(info.bmWidth, info.bmHeight);
    BITMAPINFO request{};
    request.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    request.bmiHeader.biWidth = info.bmWidth;
    request.bmiHeader.biHeight = -info.bmHeight; // top-down rows
    request.bmiHeader.biPlanes = 1;
    request.bmiHeader.biBitCount = 32;
    request.bmiHeader.biCompression = BI_RGB;
    win32::WindowDC screen(nullptr);
    // GetDIBits writes rows 4 * width bytes apart, the stride of a Bitmap32.
    if (GetDIBits(screen.get(), bitmap, 0, static_cast<UINT>(info.bmHeight), pixels.Bits(), &request, DIB_RGB_COLORS) !=
        info.bmHeight)
        return {};
    glyph.Pixels = std::move(pixels);
    return glyph;
}

} // namespace korvane
