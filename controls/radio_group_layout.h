#pragma once

#include "gfx/pixel_rect.h"

namespace korvane {

// The number of columns a radio group keeps: 1..16 whatever it is given.
int ClampRadioColumns(int columns);

// A radio group's selected index kept to its items: -1 (none) .. count - 1.
int ClampItemIndex(int index, int count);

// How a radio group shares its face among its item buttons: column by column, top to bottom,
// below the caption line of the group's text height.
struct RadioGroupGrid {
    int Rows = 0;        // 0: no items, nothing to arrange
    int ColumnWidth = 0; // (width - 10) div columns
    int RowHeight = 0;   // (height - textHeight - 5) div rows
    int TopMargin = 0;   // the rows' remainder split above, under the caption line
};
RadioGroupGrid ArrangeRadioGrid(int count, int columns, int width, int height, int textHeight);

// The bounds of item `index` in the group: 8 pixels in from the left of its column, or, for
// right-to-left alignment, its current width in from the column's right edge plus 8.
PixelRect RadioItemBounds(const RadioGroupGrid& grid, int index, bool rightToLeft, int currentWidth);

} // namespace korvane
