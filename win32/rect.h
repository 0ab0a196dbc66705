#pragma once

#include <windows.h>

#include "gfx/pixel_rect.h"

namespace korvane::win32 {

// The program's rectangles and Win32's RECT hold the same four edges.
inline RECT ToRECT(const PixelRect& rect)
{
    return {rect.Left, rect.Top, rect.Right, rect.Bottom};
}
inline PixelRect FromRECT(const RECT& rect)
{
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// The point a mouse message carries in LParam: two signed 16-bit coordinates, negative left of
// or above the window.
inline POINT PointOfLParam(LPARAM lParam)
{
    return {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
}

} // namespace korvane::win32
