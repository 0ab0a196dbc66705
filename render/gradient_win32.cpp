#include <windows.h>

#include <cstring>
#include <memory>
#include <type_traits>

#include "render/gradient.h"

namespace korvane {
namespace {

struct DeleteDc {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
struct DeleteGdiObject {
    void operator()(HBITMAP object) const { DeleteObject(object); }
};
using OwnedDc = std::unique_ptr<std::remove_pointer_t<HDC>, DeleteDc>;
using OwnedBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, DeleteGdiObject>;

} // namespace

bool Win32TriangleGradientFill(const BitmapView& bitmap, PixelRect rect, const std::array<GradientVertex, 5>& vertices)
{
    const int width = rect.Width();
    const int height = rect.Height();
    if (bitmap.IsEmpty() || width <= 0 || height <= 0) {
        return true;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    OwnedBitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    OwnedDc dc(CreateCompatibleDC(nullptr));
    if (!dib || !dc || bits == nullptr) {
        return false;
    }
    auto* pixels = static_cast<std::uint8_t*>(bits);
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 4;
    for (int y = 0; y < height; ++y) {
        std::memcpy(pixels + rowBytes * y, bitmap.Row(rect.Top + y) + rect.Left, rowBytes);
    }
    const HGDIOBJ previous = SelectObject(dc.get(), dib.get());
    TRIVERTEX points[5];
    for (std::size_t i = 0; i < 5; ++i) {
        points[i].x = vertices[i].X - rect.Left;
        points[i].y = vertices[i].Y - rect.Top;
        points[i].Red = vertices[i].Red;
        points[i].Green = vertices[i].Green;
        points[i].Blue = vertices[i].Blue;
        points[i].Alpha = vertices[i].Alpha;
    }
    GRADIENT_TRIANGLE triangles[4];
    for (std::size_t i = 0; i < 4; ++i) {
        triangles[i].Vertex1 = static_cast<ULONG>(kGradientTriangles[i][0]);
        triangles[i].Vertex2 = static_cast<ULONG>(kGradientTriangles[i][1]);
        triangles[i].Vertex3 = static_cast<ULONG>(kGradientTriangles[i][2]);
    }
    const BOOL filled = GradientFill(dc.get(), points, 5, triangles, 4, GRADIENT_FILL_TRIANGLE);
    GdiFlush();
    SelectObject(dc.get(), previous);
    if (filled) {
        for (int y = 0; y < height; ++y) {
            std::memcpy(bitmap.Row(rect.Top + y) + rect.Left, pixels + rowBytes * y, rowBytes);
        }
    }
    return filled != FALSE;
}

} // namespace korvane
