#include "windows/adapted_control_layout.h"

#include <algorithm>

namespace korvane {

FaceState PushButtonState(const PushButtonFacts& facts)
{
    if (facts.Pushed)
        return FacePushed;
    if (!facts.Enabled)
        return FaceNormal;
    return facts.Focused || facts.Hot || facts.Default ? FaceActive : FaceNormal;
}

int PushCaptionWidthLimit(int width, bool hasCaption, int glyphWidth)
{
    if (!hasCaption)
        return 0;
    if (glyphWidth <= 0)
        return width - 2;
    return std::max(0, width - glyphWidth);
}

PixelRect PushCaptionRect(int width, int height, PixelSize text, bool pushed)
{
    PixelRect rect;
    rect.Left = (width - text.Width) / 2 - 1;
    rect.Right = width - (width - text.Width) / 2 + 2;
    rect.Top = (height - text.Height) / 2;
    rect.Bottom = height - rect.Top;
    return pushed ? rect.Offset(1, 1) : rect;
}

PixelRect PrintedComboTextRect(int width, int height, const PixelRect& button, bool rightToLeft)
{
    if (rightToLeft)
        return {button.Right, 3, width - 3, height - 3};
    return {3, 3, button.Left, height - 3};
}

PixelRect GroupBoxCaptionRect(int width, PixelSize text, bool rightToLeft)
{
    PixelRect rect;
    rect.Left = rightToLeft ? width - text.Width - 14 : 6;
    rect.Top = 0;
    rect.Bottom = std::max(4, text.Height) + 2;
    rect.Right = rect.Left + text.Width + 8;
    if (rect.Right > width)
        rect.Right = width - 1;
    return rect;
}

std::u16string_view CheckPictureName(bool radio, CheckMark mark)
{
    if (mark == CheckMark::Indeterminate)
        return u"BOXGRAYED";
    if (radio)
        return mark == CheckMark::Checked ? u"RADIOCHECKED" : u"RADIOUNCHECKED";
    return mark == CheckMark::Checked ? u"BOXCHECKED" : u"BOXUNCHECKED";
}

CheckMark CheckMarkOfButtonState(unsigned buttonState)
{
    if (buttonState & 2u) // BST_INDETERMINATE
        return CheckMark::Indeterminate;
    return (buttonState & 1u) ? CheckMark::Checked : CheckMark::Unchecked;
}

FaceState CheckDrawingState(bool pushed, bool focusedOrHot)
{
    return pushed ? FacePushed : focusedOrHot ? FaceActive : FaceNormal;
}

} // namespace korvane
