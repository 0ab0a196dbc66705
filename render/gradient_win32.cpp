#include <windows.h>

#include "gfx/piece_copy.h"
#include "render/gradient.h"
#include "win32/dib_section.h"

namespace korvane {

bool Win32TriangleGradientFill(const BitmapView& bitmap, PixelRect rect, const std::array<GradientVertex, 5>& vertices)
{
    const int width = rect.Width();
    const int height = rect.Height();
    if (bitmap.IsEmpty() || width <= 0 || height <= 0) {
        return true;
    }
    // GDI fills a bitmap of the rectangle's size that holds the rectangle's pixels; the result
    // goes back only when the fill succeeded.
    win32::DibSection dib(width, height);
    if (dib.Empty()) {
        return false;
    }
    CopyRect(dib.View(), 0, 0, bitmap, rect);
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
    const BOOL filled = GradientFill(dib.Dc(), points, 5, triangles, 4, GRADIENT_FILL_TRIANGLE);
    if (filled) {
        CopyRect(bitmap, rect.Left, rect.Top, dib.View(), {0, 0, width, height});
    }
    return filled != FALSE;
}

}  // namespace korvane
