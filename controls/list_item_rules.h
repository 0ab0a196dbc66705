#pragma once

#include "gfx/pixel_rect.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace korvane {

// The platform's owner-draw item states.
inline constexpr std::uint32_t kItemSelected = 0x0001;     // ODS_SELECTED
inline constexpr std::uint32_t kItemFocus = 0x0010;        // ODS_FOCUS
inline constexpr std::uint32_t kItemComboBoxEdit = 0x1000; // ODS_COMBOBOXEDIT

// The state a list box item is drawn in. A multi-select list marks every selected item and the
// focus on the item index; a single-select list marks only the item index, focused while the
// control has the focus.
struct ListItemFacts {
    bool MultiSelect = false;
    bool Selected = false;    // the item is selected (multi-select lists)
    bool IsItemIndex = false; // the item is the list's current item
    bool ControlFocused = false;
};
std::uint32_t ListItemState(const ListItemFacts& facts);

// The items one paint of a skinned list box draws: from the top index on, up to the first item
// whose rectangle lies outside the client area.
struct ListPaintPlan {
    std::vector<int> Items;
    PixelRect Last;    // the last item rectangle handled (empty when none)
    int MaxBottom = 0; // the largest item bottom seen
};
ListPaintPlan PlanListPaint(int topIndex, int count, const PixelRect& client,
                            const std::function<PixelRect(int)>& itemRect);

// The parts of the client area no item covers, in client coordinates, for a control of the
// given window size: below, right of and left of the last item. The pixels come from the
// control's cache, which holds the whole control with its 2-pixel frame, so client point (x, y)
// is cache point (x + 2, y + 2).
std::vector<PixelRect> UncoveredListStrips(const PixelRect& last, int maxBottom, int width, int height);
inline constexpr int kListCacheOffset = 2;

// How a selected or focused item is drawn.
struct ItemLook {
    bool PaintSelection = false;   // SELECTION's face under the item
    bool FillSelection = false;    // the manager's selection colour under the item (no SELECTION)
    int SelectionState = 0;        // the state SELECTION is painted in, 1 when focused
    bool SelectionColours = false; // the text in SELECTION's colours (hot block when focused)
    bool FocusRect = false;        // a focus rectangle around the text
};
ItemLook ListItemLook(std::uint32_t state, bool hasSelectionSection);

} // namespace korvane
