#pragma once

#include "gfx/pixel_rect.h"
#include "skin/skin_records.h"

#include <windows.h>

#include <functional>
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

// A selected item's text: in SELECTION's colours (the hot block when focused and the section has
// it) when the skin has that section (`selection` its index), else in the manager's selection font
// colour for the focused or unfocused case.
void DrawSelectedItemText(HDC dc, std::wstring_view text, const PixelRect& rect, UINT flags,
                          const SkinManagerCore& manager, int selection, bool focused);

// A colour property of the control, or the system colour while it is unset (CLR_INVALID).
COLORREF ColourOrSystem(COLORREF colour, int systemColour);

// An item without the skin: filled with the highlight when selected, else with the control's
// colour. Returns the colour its text takes: the highlight text, else the control's font colour.
COLORREF FillPlainItem(HDC dc, const PixelRect& rect, bool selected, COLORREF controlColour, COLORREF fontColour);

// Runs the user's drawing of an item into the item's work bitmap with the origin moved, so that it
// draws in the control's coordinates.
void DrawInControlCoordinates(HDC work, const PixelRect& rect, const std::function<void()>& draw);

// The skin's "SELECTION" section of the manager, or -1.
int SelectionSectionIndex(const SkinManagerCore& manager);

} // namespace korvane
