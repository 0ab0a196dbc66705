#include "controls/caption_layout.h"

#include <algorithm>

namespace korvane {

GlyphCaptionPlacement LayoutGlyphAndCaption(PixelRect client, PixelSize glyph, PixelSize caption, bool rightToLeft,
                                            int spacing, int margin, CaptionAlignment alignment, GlyphLayout layout)
{
    if (rightToLeft && layout == GlyphLayout::GlyphLeft) {
        layout = GlyphLayout::GlyphRight;
    } else if (rightToLeft && layout == GlyphLayout::GlyphRight) {
        layout = GlyphLayout::GlyphLeft;
    }
    const int w = client.Width();
    const int h = client.Height();
    const int gw = glyph.Width;
    const int gh = glyph.Height;
    const int tw = caption.Width;
    const int th = caption.Height;
    const bool sideBySide = layout == GlyphLayout::GlyphLeft || layout == GlyphLayout::GlyphRight;

    int glyphX = 0;
    int glyphY = 0;
    int captionX = 0;
    int captionY = 0;
    int captionWidth = tw;
    if (sideBySide) {
        glyphY = (h - gh + 1) / 2;
        captionY = (h - th + 1) / 2;
    } else {
        glyphX = (w - gw + 1) / 2;
        captionX = (w - tw + 1) / 2;
    }
    if (tw == 0 || gw == 0) {
        spacing = 0;
    }
    const int freeSpace = sideBySide ? w - gw - tw : h - gh - th;
    if (margin == -1) {
        if (spacing < 0) {
            margin = freeSpace / 3;
            spacing = margin;
        } else {
            margin = alignment == CaptionAlignment::Center ? (freeSpace - spacing + 1) / 2 : 2;
        }
    } else if (margin >= 0 && spacing < 0) {
        spacing = sideBySide ? (w - margin - gw - tw) / 2 : (h - margin - gh - th) / 2;
    }

    switch (layout) {
    case GlyphLayout::GlyphLeft:
        if (alignment == CaptionAlignment::Left) {
            glyphX = margin;
            captionX = margin + gw + spacing;
            captionWidth = std::clamp(w - margin - captionX, 0, tw);
        } else if (alignment == CaptionAlignment::Right) {
            captionX = w - margin - tw;
            glyphX = captionX - spacing - gw;
        } else {
            margin = std::max((w - tw - spacing - gw) / 2, margin);
            glyphX = margin;
            captionX = margin + spacing + gw;
        }
        break;
    case GlyphLayout::GlyphRight:
        if (alignment == CaptionAlignment::Left) {
            captionX = margin;
            glyphX = margin + tw + spacing;
        } else if (alignment == CaptionAlignment::Right) {
            glyphX = w - margin - gw;
            captionX = glyphX - spacing - tw;
        } else {
            margin = (w - tw - spacing - gw) / 2;
            captionX = margin;
            glyphX = margin + spacing + tw;
        }
        break;
    case GlyphLayout::GlyphTop:
        glyphY = (h - gh - spacing - th) / 2;
        captionY = glyphY + gh + spacing;
        break;
    case GlyphLayout::GlyphBottom:
        glyphY = h - gh - (h - gh - spacing - th) / 2;
        captionY = glyphY - spacing - th;
        break;
    }

    GlyphCaptionPlacement placement;
    placement.GlyphX = client.Left + glyphX;
    placement.GlyphY = client.Top + glyphY;
    placement.Caption = PixelRect{0, 0, captionWidth, th}.Offset(client.Left + captionX, client.Top + captionY);
    return placement;
}

int CaptionMeasureWidth(int buttonWidth, int margin, int spacing, PixelSize glyph, GlyphLayout layout, bool hasCaption)
{
    if (!hasCaption) {
        return 0;
    }
    int width = buttonWidth - 2 * std::max(margin, 0);
    const bool sideBySide = layout == GlyphLayout::GlyphLeft || layout == GlyphLayout::GlyphRight;
    if (sideBySide && glyph.Width > 0) {
        width -= glyph.Width + std::max(spacing, 0);
    }
    return std::max(width, 0);
}

PixelSize ButtonGlyphSize(PixelSize imageList, bool imageIndexValid, PixelSize glyphBitmap, int numGlyphs)
{
    numGlyphs = std::max(numGlyphs, 1);
    if (imageIndexValid) {
        return {imageList.Width / numGlyphs, imageList.Height};
    }
    if (glyphBitmap.Width <= 0 || glyphBitmap.Height <= 0) {
        return {};
    }
    return {glyphBitmap.Width / numGlyphs, glyphBitmap.Height};
}

} // namespace korvane
