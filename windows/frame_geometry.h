#pragma once

#include "gfx/pixel_rect.h"
#include "windows/title_buttons.h"

#include <vector>

namespace korvane {

// The platform's non-client metrics of a framed window (the frame keeps them, so client sizes
// never change under the skin).
struct FrameMetrics {
    int WindowWidth = 0;
    int WindowHeight = 0;
    int BorderWidth = 0;   // sizing frame, dialog frame or 0
    int CaptionHeight = 0; // caption or small caption height; 0 without a title bar
    int MenuHeight = 0;    // 0 without a menu bar
};

// The border width the platform gives a window: its sizing-frame width with a thick frame, its
// dialog-frame width with a border, else 0.
int FrameBorderWidth(bool thickFrame, bool border, int sizingFrame, int dialogFrame);

// The title area: between the left, top and right borders, the caption's height.
PixelRect TitleRect(const FrameMetrics& metrics);
// The height of the non-client strip above the client area: top border, title and menu bar.
int FrameTopHeight(const FrameMetrics& metrics);
// The client area in window coordinates.
PixelRect ClientRectInWindow(const FrameMetrics& metrics);

// The window icon's place at the title's left: `iconSize` square, centred in the title, BILEFT
// right of the border. Empty without an icon.
PixelRect TitleIconRect(const FrameMetrics& metrics, int biLeft, int iconSize);

enum class FrameCaptionAlignment { Left, Right, Center };

// The rectangle the caption text may use: from the left border + the icon's width + BILEFT (+2
// with a CAPTION section) + 4, to 12 left of the title buttons.
PixelRect CaptionRect(const FrameMetrics& metrics, int iconWidth, int biLeft, bool captionSection, int buttonsLeft);
// The left edge of a caption text `textWidth` wide in the caption rectangle: left-aligned at the
// rectangle's left; right-aligned at its right minus the width minus 4; centred in its middle
// minus 4; never left of the rectangle. Right-to-left forms exchange left and right.
int CaptionTextLeft(const PixelRect& captionRect, int textWidth, FrameCaptionAlignment alignment, bool rightToLeft);

// Hit codes the frame answers, as the platform numbers them.
inline constexpr int kHitNowhere = 0;
inline constexpr int kHitClient = 1;
inline constexpr int kHitCaption = 2;
inline constexpr int kHitSysMenu = 3;
inline constexpr int kHitMenu = 5;
inline constexpr int kHitLeft = 10;
inline constexpr int kHitRight = 11;
inline constexpr int kHitTop = 12;
inline constexpr int kHitTopLeft = 13;
inline constexpr int kHitTopRight = 14;
inline constexpr int kHitBottom = 15;
inline constexpr int kHitBottomLeft = 16;
inline constexpr int kHitBottomRight = 17;
inline constexpr int kHitBorder = 18;

struct HitTestInput {
    FrameMetrics Metrics;
    bool Sizeable = false;
    PixelRect Icon; // empty without the system-menu icon
    std::vector<TitleButtonData> Buttons;
};

// The hit code of a point in window coordinates: a title button's own code inside its rectangle,
// the system-menu code on the icon, the caption code elsewhere in the title, the menu code on the
// menu bar, the client code in the client area; on the borders the sizing codes of a sizeable
// window (corners reach as far as the border plus the caption height along each edge), the
// border code of another; nowhere outside the window.
int FrameHitTest(const HitTestInput& input, int x, int y);

// Whether the platform's own hit test answers instead of the frame (nowhere, client, caption and
// menu bar are the platform's).
bool PlatformAnswersHit(int frameHit);

} // namespace korvane
