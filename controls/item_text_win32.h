#pragma once

#include "gfx/pixel_rect.h"
#include "skin/skin_records.h"

#include <windows.h>

#include <string_view>

namespace korvane {

class SkinManagerCore;

// The flags list and combo items are drawn with: DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS |
// DT_SINGLELINE | DT_VCENTER.
inline constexpr UINT kItemTextFlags = DT_NOPREFIX | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE | DT_VCENTER;

// Draws an item's text transparently in one colour (0x00BBGGRR).
void DrawItemText(HDC dc, std::wstring_view text, const PixelRect& rect, UINT flags, std::uint32_t colour);

// Draws an item's text in a state block's colours: each contour colour FontColor[2..5] that is
// set, moved left, up, right and down by one pixel, then the text in FontColor[1] over them.
void DrawItemTextInBlock(HDC dc, std::wstring_view text, const PixelRect& rect, UINT flags, const TsGenState& block);

// The skin's "SELECTION" section of the manager, or -1.
int SelectionSectionIndex(const SkinManagerCore& manager);

} // namespace korvane
