#include "controls/group_caption.h"

#include <algorithm>

namespace korvane {

int GroupCaptionHeight(int letterHeight)
{
    return std::max(4, letterHeight) + 2;
}

PixelRect GroupCaptionRect(const GroupCaptionFacts& facts)
{
    PixelRect rect;
    rect.Top = 0;
    if (facts.Skinned) {
        rect.Bottom = facts.CaptionHeight + facts.CaptionYOffset;
        if (facts.CaptionYOffset < 0)
            rect.Top = facts.CaptionYOffset;
    } else {
        rect.Bottom = facts.CaptionHeight;
    }
    const int w = facts.TextWidth;
    const int W = facts.Width;
    if (facts.Layout == TsGroupCaptionLayout::clTopCenter)
        rect.Left = (W - w - 10) / 2;
    else if ((facts.Layout == TsGroupCaptionLayout::clTopLeft) != facts.RightToLeft)
        rect.Left = 6; // the reading start: left, or right mirrored to the left for right-to-left
    else
        rect.Left = W - w - 14;
    rect.Left = std::max(rect.Left, 0);
    rect.Right = std::min(rect.Left + w + 8, W);
    if (rect.Width() < 2 * facts.BevelWidth) {
        rect.Left -= facts.BevelWidth;
        rect.Right += facts.BevelWidth;
    }
    return rect;
}

int GroupFrameTop(const PixelRect& captionRect, int captionYOffset)
{
    return captionYOffset < 0 ? 0 : captionRect.Height() / 2;
}

} // namespace korvane
