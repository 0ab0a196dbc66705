#pragma once

#include "controls/caption_layout.h"
#include "gfx/pixel_rect.h"

#include <string_view>

namespace korvane {

// Where the adapters of the platform's buttons, combo boxes, check boxes and group boxes put the
// parts they paint, and which look each part takes.

// What a push button's look depends on.
struct PushButtonFacts {
    bool Pushed = false;  // BM_GETSTATE has BST_PUSHED
    bool Enabled = true;
    bool Focused = false;
    bool Hot = false;     // the manager's hot window
    bool Default = false; // the style is the default push button's
};
// 2 pushed, 0 disabled, 1 focused, hot or default, else 0.
int PushButtonState(const PushButtonFacts& facts);

// The width a push button's caption is measured in: 0 without a caption, the width less 2
// without a glyph, else the width less the glyph (never below 0).
int PushCaptionWidthLimit(int width, bool hasCaption, int glyphWidth);
// The measured caption centred in the button, one pixel further right and down while pushed.
PixelRect PushCaptionRect(int width, int height, PixelSize text, bool pushed);

// The drop-down button of a combo box: as wide as a vertical scroll bar for the drop-down
// styles (none for a simple box), from 2 to height - 2, 2 in from the right edge, or at x = 2
// for right-to-left reading.
PixelRect ComboButtonRect(int width, int height, bool dropDown, bool rightToLeft, int scrollBarWidth);
// The arrow picture's top-left corner: centred across the button, and by the arrow's height in
// the window (16 when the skin has no arrow picture).
struct PixelPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const PixelPoint&, const PixelPoint&) = default;
};
PixelPoint ComboArrowOrigin(const PixelRect& button, int windowHeight, int arrowFrameWidth, int arrowHeight);
// Where the selected item's text is drawn when the combo box is printed: from (3, 3) to the
// button, or from the button to width - 3 for right-to-left reading.
PixelRect ComboTextRect(int width, int height, const PixelRect& button, bool rightToLeft);
// A simple combo box's face covers the edit line only.
inline int SimpleComboFaceHeight(int itemHeight) { return itemHeight + 8; }

// A group box's caption strip: 6 in from the reading start with 4 pixels on either side of the
// text, never past the box's last column; as high as the text (at least 4) plus 2.
PixelRect GroupBoxCaptionRect(int width, PixelSize text, bool rightToLeft);

// The skin's picture for a check box or radio button in a check state (0 unchecked, 1 checked,
// 2 indeterminate): BOX… or RADIO… of GLOBALINFO; a greyed radio button shows BOXGRAYED.
std::u16string_view CheckPictureName(bool radio, int checkState);
// The check state from BM_GETSTATE: indeterminate when its indeterminate bit (2)
// is set, else the checked bit (1).
int CheckStateOfButtonState(unsigned buttonState);
// The drawing state of a check box's picture: 2 pushed, 1 focused or hot, else 0.
int CheckDrawingState(bool pushed, bool focusedOrHot);

} // namespace korvane
