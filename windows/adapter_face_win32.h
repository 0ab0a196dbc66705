#pragma once

#include "controls/caption_layout.h"
#include "gfx/parent_background.h"
#include "win32/dib_section.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace korvane {

class TsSkinManager;

// What the adapters that paint their whole window (buttons, check boxes, statics, group boxes)
// share: the face in a cache of the window's size, the caption's font and measure.

// The window's size, from its window rectangle.
PixelSize WindowSizeOf(HWND window);

// Makes the cache the window's size and paints the section's face for the state over `rect` of
// it (the whole cache when empty) on what lies behind the window. Returns that background, for
// the disabled fade; EmptyBackground when nothing could be painted.
ParentBackground PaintAdapterFace(win32::DibSection& cache, HWND window, const TsSkinManager& manager,
                                  int sectionIndex, const std::u16string& section, int state, PixelRect rect = {});

// A disabled adapted window's face mixed 60 % with what lies behind it (40 % kept).
void FadeDisabledFace(const win32::DibSection& cache, const ParentBackground& background);

// The parent holds its children's painting back (it is being updated).
bool ParentHoldsPainting(HWND window);

// The window's text.
std::wstring WindowTextOf(HWND window);

// The text's size as DrawText measures it in a rectangle `width` wide with the DC's font.
PixelSize MeasureCaption(HDC dc, std::wstring_view text, UINT flags, int width);

// Copies the whole cache to (0, 0) of the context.
void CopyCacheTo(HDC dc, const win32::DibSection& cache);

} // namespace korvane
