#pragma once

#include "gfx/pixel_rect.h"

#include <cstdint>

namespace korvane {

// The class library's combo box styles.
enum class TComboBoxStyle { csDropDown, csSimple, csDropDownList, csOwnerDrawFixed, csOwnerDrawVariable };

// The drop-down button: as wide as the system's vertical scroll bar (no width for csSimple),
// from y = 2 to height - 2, its left edge at width - button width - 2, or at 2 for right-to-left
// alignment.
PixelRect ComboButtonRect(TComboBoxStyle style, int width, int height, bool rightToLeft, int scrollBarWidth);

// The rectangle the current item is drawn into on the face: between the frame and the button.
PixelRect ComboTextRect(const PixelRect& button, int width, int cacheHeight, bool rightToLeft);

// A csSimple box's face covers only its edit line (item height + 8); the others' the control.
int ComboCacheHeight(TComboBoxStyle style, int itemHeight, int controlHeight);

// The state the current item is drawn in on the face: the edit part, selected and focused while
// the box is focused and shows the item itself (csDropDownList and the owner-draw styles).
std::uint32_t ComboEditItemState(TComboBoxStyle style, bool focused);

// The drop-down button's state: 2 while the list is dropped down, 1 when active, else 0.
int ComboButtonState(bool listDropped, bool active);

// Where the arrow picture stands: centred in the button across, in the control down.
struct ComboArrowPlace {
    int X = 0;
    int Y = 0;
};
ComboArrowPlace ComboArrowPosition(const PixelRect& button, int arrowWidth, int arrowHeight, int controlHeight);

// What of the cached face a paint copies to the screen.
enum class ComboShownPart {
    WholeFace,         // the whole cache
    FrameOnly,         // the 3-pixel frame strips (csSimple: the edit and list show the rest)
    FrameAndButton,    // the frame strips and the button (a focused csDropDown: the edit shows the text)
};
ComboShownPart ComboShownParts(TComboBoxStyle style, bool focused);
inline constexpr int kComboFrameWidth = 3;

// Key codes a read-only combo box drops: space, the page, end, home and arrow keys (32..40),
// 57 and the letters (65..90).
bool ReadOnlyComboDropsKey(unsigned keyCode);

// Whether the drop-down list gets the skin's list adapter: only when it holds more items than
// the box shows at once.
inline bool ComboListNeedsAdapter(int itemCount, int dropDownCount)
{
    return itemCount > dropDownCount;
}

// The height of the dropped list: DropDownCount items, fewer when the box holds fewer (room for
// one when it is empty), and the list's 1-pixel border above and below.
int DroppedListHeight(int itemCount, int dropDownCount, int itemHeight);

// Whether the user's OnDrawItem handler draws the items: an owner-draw style with a handler.
bool ComboUserDrawsItems(TComboBoxStyle style, bool hasHandler);

} // namespace korvane
