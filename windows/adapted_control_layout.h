#pragma once

#include "controls/caption_layout.h"
#include "gfx/pixel_rect.h"

#include <string_view>

namespace korvane {

// Where the adapters of the platform's buttons, combo boxes, check boxes and group boxes put the
// parts they paint, and which look each part takes.

// The look an adapted button's face takes: the index of its section's state.
enum FaceState : int {
    FaceNormal = 0,
    FaceActive = 1, // focused, hot or the default button
    FacePushed = 2,
};

// The mark of a check box or radio button.
enum class CheckMark {
    Unchecked = 0,
    Checked = 1,
    Indeterminate = 2,
};

// What a push button's look depends on.
struct PushButtonFacts {
    bool Pushed = false;  // BM_GETSTATE has BST_PUSHED
    bool Enabled = true;
    bool Focused = false;
    bool Hot = false;     // the manager's hot window
    bool Default = false; // the style is the default push button's
};
// Pushed; normal while disabled; active when focused, hot or default; else normal.
FaceState PushButtonState(const PushButtonFacts& facts);

// The width a push button's caption is measured in: 0 without a caption, the width less 2
// without a glyph, else the width less the glyph (never below 0).
int PushCaptionWidthLimit(int width, bool hasCaption, int glyphWidth);
// The measured caption centred in the button, one pixel further right and down while pushed.
PixelRect PushCaptionRect(int width, int height, PixelSize text, bool pushed);

// Where the selected item's text is drawn when an adapted combo box is printed: from (3, 3) to the
// button's left edge, or from its right edge to width - 3 for right-to-left reading (the button
// itself comes from the skinned combo box's geometry).
PixelRect PrintedComboTextRect(int width, int height, const PixelRect& button, bool rightToLeft);

// A group box's caption strip: 6 in from the reading start with 4 pixels on either side of the
// text, never past the box's last column; as high as the text (at least 4) plus 2.
PixelRect GroupBoxCaptionRect(int width, PixelSize text, bool rightToLeft);

// The skin's picture for a check box or radio button with a mark: BOX… or RADIO… of GLOBALINFO;
// an indeterminate radio button shows BOXGRAYED.
std::u16string_view CheckPictureName(bool radio, CheckMark mark);
// The mark from BM_GETSTATE: indeterminate when its indeterminate bit (2) is set, else the
// checked bit (1).
CheckMark CheckMarkOfButtonState(unsigned buttonState);
// The look of a check box's picture: pushed, active when focused or hot, else normal.
FaceState CheckDrawingState(bool pushed, bool focusedOrHot);

} // namespace korvane
