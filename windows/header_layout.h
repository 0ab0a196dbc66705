#pragma once

#include "gfx/pixel_rect.h"

#include <vector>

namespace korvane {

// One face a column header paints: a column's (by its index) or the empty face that fills the
// header right of its last column (index -1).
struct HeaderSlot {
    int Index = -1;
    PixelRect Rect;
    friend bool operator==(const HeaderSlot&, const HeaderSlot&) = default;
};

// A column as the header reports it, in display order.
struct HeaderColumn {
    int Index = -1;
    PixelRect Rect;
};

// The faces of a header `width` x `height` with its columns in display order: every column with
// a non-empty rectangle, then the empty face from the largest right edge to the header's width
// when any room is left there.
std::vector<HeaderSlot> LayoutHeaderSlots(const std::vector<HeaderColumn>& columns, int width, int height);

// The column whose face holds the point's x (columns only, not the empty face), or -1.
int HeaderColumnAt(const std::vector<HeaderSlot>& slots, int x, int y);

// The state a header face is painted in: 2 for the pressed column, 1 for the hot one while no
// column is pressed, else 0. The empty face (-1) is always 0.
int HeaderItemState(int index, int pressedColumn, int hotColumn);

// The column a press on the header presses: none on a divider (or an open divider), else the
// column hit (-1 when the press hit no column).
int HeaderPressedColumn(bool onDivider, int hitColumn);

// How a header item's text is aligned (its format's justification).
enum class HeaderAlign { Left, Right, Centre };

// What a header item shows besides its text.
struct HeaderItemContent {
    int TextWidth = 0;  // the text as measured
    int ImageWidth = 0; // 0: no image
    int ArrowWidth = 0; // the sort arrow's picture width, 0: no arrow
    int ArrowHeight = 0;
    HeaderAlign Align = HeaderAlign::Left;
    bool Pressed = false;
};

// Where the parts of one header item of `width` x `height` go, in the item's own coordinates.
struct HeaderItemPlace {
    PixelRect Text; // the rectangle the text is drawn in (moved by (1, 1) when pressed)
    int ImageX = 0; // the image's left edge (when there is an image)
    int ArrowX = 0; // the sort arrow's top-left corner (when there is an arrow)
    int ArrowY = 0;
};

// The text rectangle is the item inset by 4 and 1; the image takes its width + 4 on the left of
// the text, the arrow its width + 6 on the right. The text box is the measured width + 5: at the
// right end before the arrow's room, centred in what is left, or after the image; the arrow
// follows the text box 6 pixels on, vertically centred, never beyond the item.
HeaderItemPlace PlaceHeaderItem(int width, int height, const HeaderItemContent& content);

} // namespace korvane
