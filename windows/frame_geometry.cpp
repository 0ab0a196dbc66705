#include "windows/frame_geometry.h"

#include <algorithm>

namespace korvane {

int FrameBorderWidth(bool thickFrame, bool border, int sizingFrame, int dialogFrame)
{
    if (thickFrame)
        return sizingFrame;
    if (border)
        return dialogFrame;
    return 0;
}

PixelRect TitleRect(const FrameMetrics& metrics)
{
    const int border = metrics.BorderWidth;
    return {border, border, metrics.WindowWidth - border, border + metrics.CaptionHeight};
}

int FrameTopHeight(const FrameMetrics& metrics)
{
    return metrics.BorderWidth + metrics.CaptionHeight + metrics.MenuHeight;
}

PixelRect ClientRectInWindow(const FrameMetrics& metrics)
{
    const int border = metrics.BorderWidth;
    PixelRect client{border, FrameTopHeight(metrics), metrics.WindowWidth - border, metrics.WindowHeight - border};
    client.Right = std::max(client.Right, client.Left);
    client.Bottom = std::max(client.Bottom, client.Top);
    return client;
}

PixelRect TitleIconRect(const FrameMetrics& metrics, int biLeft, int iconSize)
{
    if (iconSize <= 0 || metrics.CaptionHeight <= 0)
        return {};
    const PixelRect title = TitleRect(metrics);
    const int left = title.Left + biLeft;
    const int top = title.Top + (title.Height() - iconSize) / 2;
    return {left, top, left + iconSize, top + iconSize};
}

PixelRect CaptionRect(const FrameMetrics& metrics, int iconWidth, int biLeft, bool captionSection, int buttonsLeft)
{
    const PixelRect title = TitleRect(metrics);
    const int left = metrics.BorderWidth + iconWidth + biLeft + (captionSection ? 2 : 0) + 4;
    const int right = std::max(buttonsLeft - 12, left);
    return {left, title.Top, right, title.Bottom};
}

int CaptionTextLeft(const PixelRect& captionRect, int textWidth, FrameCaptionAlignment alignment, bool rightToLeft)
{
    if (rightToLeft) {
        if (alignment == FrameCaptionAlignment::Left)
            alignment = FrameCaptionAlignment::Right;
        else if (alignment == FrameCaptionAlignment::Right)
            alignment = FrameCaptionAlignment::Left;
    }
    int left = captionRect.Left;
    switch (alignment) {
    case FrameCaptionAlignment::Left:
        break;
    case FrameCaptionAlignment::Right:
        left = captionRect.Right - textWidth - 4;
        break;
    case FrameCaptionAlignment::Center:
        left = captionRect.Left + (captionRect.Width() - textWidth) / 2 - 4;
        break;
    }
    return std::max(left, captionRect.Left);
}

int FrameHitTest(const HitTestInput& input, int x, int y)
{
    const FrameMetrics& m = input.Metrics;
    if (x < 0 || y < 0 || x >= m.WindowWidth || y >= m.WindowHeight)
        return kHitNowhere;
    for (const TitleButtonData& button : input.Buttons)
        if (button.Rect.Contains(x, y))
            return button.HitCode;
    if (input.Icon.Contains(x, y))
        return kHitSysMenu;
    const int border = m.BorderWidth;
    const bool onBorder = x < border || y < border || x >= m.WindowWidth - border || y >= m.WindowHeight - border;
    if (onBorder) {
        if (!input.Sizeable)
            return kHitBorder;
        const int corner = border + m.CaptionHeight;
        const bool left = x < corner;
        const bool right = x >= m.WindowWidth - corner;
        const bool top = y < corner;
        const bool bottom = y >= m.WindowHeight - corner;
        if (y < border || (top && (x < border || x >= m.WindowWidth - border))) {
            if (left)
                return kHitTopLeft;
            if (right)
                return kHitTopRight;
            if (y < border)
                return kHitTop;
        }
        if (y >= m.WindowHeight - border || (bottom && (x < border || x >= m.WindowWidth - border))) {
            if (left)
                return kHitBottomLeft;
            if (right)
                return kHitBottomRight;
            if (y >= m.WindowHeight - border)
                return kHitBottom;
        }
        return x < border ? kHitLeft : kHitRight;
    }
    if (TitleRect(m).Contains(x, y))
        return kHitCaption;
    if (m.MenuHeight > 0 && y < FrameTopHeight(m))
        return kHitMenu;
    return kHitClient;
}

bool PlatformAnswersHit(int frameHit)
{
    return frameHit == kHitNowhere || frameHit == kHitClient || frameHit == kHitCaption || frameHit == kHitMenu;
}

} // namespace korvane
