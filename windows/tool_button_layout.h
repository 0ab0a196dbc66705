#pragma once

#include "gfx/pixel_rect.h"

#include <functional>
#include <string>
#include <string_view>

namespace korvane {

// The state a tool-bar button is painted in: 0 when disabled, 2 when pressed, 1 under the
// cursor, else 0.
int ToolButtonState(bool enabled, bool pressed, bool hot);

// The DIVIDER strip of a separator button `width` x `height`: 4 pixels wide from
// (width div 2) - 1, from y = 2 to height - 2, in the button's own coordinates.
PixelRect DividerStrip(int width, int height);

// A caption that does not fit its button, cut at a blank: the first line that fits and the
// rest. `First` holds the whole text when it fits or cannot be cut.
struct ToolButtonLines {
    std::wstring First;
    std::wstring Rest;
    bool Split() const { return !Rest.empty(); }
};

// Splits the text when `measure` makes it wider than `width`: at the last blank whose line before
// it fits; when no such line fits, at the first blank (the line is then clipped). The blank
// itself goes into neither line. A text without blanks stays whole.
ToolButtonLines SplitToolButtonText(std::wstring_view text, int width,
                                    const std::function<int(std::wstring_view)>& measure);

// What a button shows besides its text.
struct ToolButtonContent {
    int IconWidth = 0; // 0: no icon
    int IconHeight = 0;
    int ArrowWidth = 0; // the drop arrow of a whole-drop-down button, 0: none
    int ArrowHeight = 0;
    bool Pressed = false;
};

// Where the parts of a button `width` x `height` go, in its own coordinates: the icon at y = 4,
// centred (in the width the drop arrow leaves), the arrow at the right edge less its width less 2,
// vertically centred; the text below the icon from x = 2 to width - 2 and down to height - 2.
// A pressed button's content moves by one pixel.
struct ToolButtonPlace {
    int IconX = 0;
    int IconY = 0;
    int ArrowX = 0;
    int ArrowY = 0;
    PixelRect Text;
};
ToolButtonPlace PlaceToolButton(int width, int height, const ToolButtonContent& content);

} // namespace korvane
