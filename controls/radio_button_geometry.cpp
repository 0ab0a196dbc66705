#include "controls/radio_button_geometry.h"

#include <algorithm>

namespace korvane {

int OwnGlyphFrameCount(int bitmapWidth, int bitmapHeight)
{
    if (bitmapWidth <= 0 || bitmapHeight <= 0 || bitmapWidth % bitmapHeight != 0)
        return 1;
    return bitmapWidth / bitmapHeight;
}

PixelSize OwnGlyphFrameSize(int bitmapWidth, int bitmapHeight)
{
    if (bitmapWidth <= 0 || bitmapHeight <= 0)
        return {};
    return {bitmapWidth / OwnGlyphFrameCount(bitmapWidth, bitmapHeight), bitmapHeight};
}

PixelSize SkinCheckFrameSize(const TsMaskData& entry)
{
    if (entry.Image && entry.Image->Width() > 0)
        return {entry.Image->Width() / 3, entry.Image->Height() / 2};
    const int count = std::max<int>(entry.ImageCount, 1);
    const int rows = std::max(entry.MaskType + 1, 1);
    return {entry.Rect.Width() / count, entry.Rect.Height() / rows};
}

PixelRect RadioGlyphRect(PixelSize glyph, int width, int height, int margin, bool captionRight)
{
    const int x = captionRight ? margin : width - glyph.Width - margin;
    const int y = (height - glyph.Height) / 2;
    return BoundsRect(x, y, glyph.Width, glyph.Height);
}

int RadioDrawingState(bool pressing, bool active, bool readOnly)
{
    if (pressing)
        return 2;
    return active && !readOnly ? 1 : 0;
}

int RadioGlyphFrame(int frames, int drawingState)
{
    return std::max(0, std::min(drawingState, frames - 1));
}

int RadioCaptionWidth(const RadioCaptionFacts& facts)
{
    return facts.Width - facts.GlyphWidth - facts.TextIndent - 2 * facts.Margin - 2;
}

PixelRect RadioCaptionRect(const RadioCaptionFacts& facts, PixelSize text)
{
    const int available = RadioCaptionWidth(facts);
    const int top = std::max((facts.Height - text.Height) / 2, facts.Margin);
    PixelRect rect;
    if (facts.CaptionRight && facts.RightToLeft) {
        const int edge = facts.Width - facts.Margin - facts.GlyphWidth - facts.TextIndent - 4;
        rect = {edge - text.Width, top, edge, top + text.Height};
    } else if (facts.CaptionRight) {
        const int edge = facts.Width - available - facts.Margin + 2;
        rect = {edge, top, edge + text.Width, top + text.Height};
    } else {
        rect = {facts.Margin, top, facts.Margin + available, top + text.Height};
    }
    return facts.WordWrap ? rect.Offset(-1, -1) : rect.Offset(0, -1);
}

PixelRect RadioFocusRect(const PixelRect& caption, bool wordWrap)
{
    PixelRect rect = caption;
    rect.Top += 1;
    if (!wordWrap)
        rect.Bottom -= 1;
    return {rect.Left - 1, rect.Top - 1, rect.Right + 1, rect.Bottom + 1};
}

PixelSize RadioAutoSize(PixelSize glyph, PixelSize caption, int margin, int textIndent)
{
    const bool hasCaption = caption.Width > 0 || caption.Height > 0;
    const int width = glyph.Width + 2 * margin + (hasCaption ? caption.Width + textIndent + 8 : 0);
    const int height = std::max(glyph.Height, (hasCaption ? caption.Height : 0) + 2 * margin) + 2;
    return {width, height};
}

} // namespace korvane
