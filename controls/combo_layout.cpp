#include "controls/combo_layout.h"

#include <algorithm>

namespace korvane {

PixelRect ComboButtonRect(TComboBoxStyle style, int width, int height, bool rightToLeft, int scrollBarWidth)
{
    const int buttonWidth = style == TComboBoxStyle::csSimple ? 0 : scrollBarWidth;
    const int left = rightToLeft ? 2 : width - buttonWidth - 2;
    return {left, 2, left + buttonWidth, height - 2};
}

PixelRect ComboTextRect(const PixelRect& button, int width, int cacheHeight, bool rightToLeft)
{
    if (rightToLeft)
        return {button.Right + 1, 3, width - 3, cacheHeight - 3};
    return {3, 3, button.Left - 1, cacheHeight - 3};
}

int DroppedListHeight(int itemCount, int dropDownCount, int itemHeight)
{
    const int shown = std::max(1, std::min(itemCount, std::max(1, dropDownCount)));
    return shown * std::max(1, itemHeight) + 2;
}

int ComboCacheHeight(TComboBoxStyle style, int itemHeight, int controlHeight)
{
    return style == TComboBoxStyle::csSimple ? itemHeight + 8 : controlHeight;
}

std::uint32_t ComboEditItemState(TComboBoxStyle style, bool focused)
{
    constexpr std::uint32_t kEdit = 0x1000;
    constexpr std::uint32_t kSelectedFocus = 0x0001 | 0x0010;
    const bool showsItem = style == TComboBoxStyle::csDropDownList || style == TComboBoxStyle::csOwnerDrawFixed ||
                           style == TComboBoxStyle::csOwnerDrawVariable;
    return kEdit | (focused && showsItem ? kSelectedFocus : 0);
}

int ComboButtonState(bool listDropped, bool active)
{
    if (listDropped)
        return 2;
    return active ? 1 : 0;
}

ComboArrowPlace ComboArrowPosition(const PixelRect& button, int arrowWidth, int arrowHeight, int controlHeight)
{
    // Integer division truncates toward zero, as the placement wants for a picture larger than
    // the button.
    return {button.Left + (button.Width() - arrowWidth) / 2, (controlHeight - arrowHeight) / 2};
}

ComboShownPart ComboShownParts(TComboBoxStyle style, bool focused)
{
    switch (style) {
    case TComboBoxStyle::csDropDown:
        return focused ? ComboShownPart::FrameAndButton : ComboShownPart::WholeFace;
    case TComboBoxStyle::csSimple:
        return ComboShownPart::FrameOnly;
    default:
        return ComboShownPart::WholeFace;
    }
}

bool ReadOnlyComboDropsKey(unsigned keyCode)
{
    return (keyCode >= 32 && keyCode <= 40) || keyCode == 57 || (keyCode >= 65 && keyCode <= 90);
}

bool ComboUserDrawsItems(TComboBoxStyle style, bool hasHandler)
{
    return hasHandler &&
           (style == TComboBoxStyle::csOwnerDrawFixed || style == TComboBoxStyle::csOwnerDrawVariable);
}

} // namespace korvane
