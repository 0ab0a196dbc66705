#pragma once

#include "gfx/pixel_rect.h"

namespace korvane {

// Where a group box's caption sits on its top edge (the property `CaptionLayout`).
enum class TsGroupCaptionLayout { clTopLeft, clTopCenter, clTopRight };

// The height of a group box's caption strip: the height of "W" in the box's font, at least 4,
// plus 2.
int GroupCaptionHeight(int letterHeight);

// What the caption strip of a group box depends on.
struct GroupCaptionFacts {
    int Width = 0;         // the box's width
    int TextWidth = 0;     // the caption's width in the box's font (0 without a caption)
    int CaptionHeight = 0; // GroupCaptionHeight
    int CaptionYOffset = 0;
    bool Skinned = true;
    bool RightToLeft = false;
    int BevelWidth = 1;
    TsGroupCaptionLayout Layout = TsGroupCaptionLayout::clTopLeft;
};

// The caption strip: from the top (lifted by a negative offset while skinned) down to the caption
// height plus the offset; 6 pixels in from the caption's side, or centred, four pixels of room on
// either side of the text, never left of 0 nor right of the box; a strip narrower than twice the
// bevel grows by the bevel on both sides.
PixelRect GroupCaptionRect(const GroupCaptionFacts& facts);

// Where the frame of the box starts below the caption: through the middle of the strip, or at
// the very top when the caption is lifted above the frame.
int GroupFrameTop(const PixelRect& captionRect, int captionYOffset);

} // namespace korvane
