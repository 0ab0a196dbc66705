#include "windows/header_layout.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr int kTextInsetX = 4;
constexpr int kTextInsetY = 1;
constexpr int kImageGap = 4;
constexpr int kArrowGap = 6;
constexpr int kTextSlack = 5;

} // namespace

std::vector<HeaderSlot> LayoutHeaderSlots(const std::vector<HeaderColumn>& columns, int width, int height)
{
    std::vector<HeaderSlot> slots;
    int lastRight = 0;
    for (const HeaderColumn& column : columns) {
        if (column.Rect.IsEmpty())
            continue;
        slots.push_back({column.Index, column.Rect});
        lastRight = std::max(lastRight, column.Rect.Right);
    }
    if (lastRight < width && height > 0)
        slots.push_back({-1, {lastRight, 0, width, height}});
    return slots;
}

int HeaderColumnAt(const std::vector<HeaderSlot>& slots, int x, int y)
{
    for (const HeaderSlot& slot : slots)
        if (slot.Index >= 0 && slot.Rect.Contains(x, y))
            return slot.Index;
    return -1;
}

int HeaderItemState(int index, int pressedColumn, int hotColumn)
{
    if (index < 0)
        return 0;
    if (pressedColumn >= 0)
        return index == pressedColumn ? 2 : 0;
    return index == hotColumn ? 1 : 0;
}

int HeaderPressedColumn(bool onDivider, int hitColumn)
{
    return onDivider ? -1 : std::max(-1, hitColumn);
}

HeaderItemPlace PlaceHeaderItem(int width, int height, const HeaderItemContent& content)
{
    const PixelRect inner{kTextInsetX, kTextInsetY, width - kTextInsetX, height - kTextInsetY};
    const int image = content.ImageWidth > 0 ? content.ImageWidth + kImageGap : 0;
    const int arrow = content.ArrowWidth > 0 ? content.ArrowWidth + kArrowGap : 0;
    const int box = content.TextWidth + kTextSlack;
    int left = inner.Left + image;
    switch (content.Align) {
    case HeaderAlign::Right:
        left = std::max(inner.Left + image, inner.Right - arrow - box);
        break;
    case HeaderAlign::Centre:
        left = inner.Left + image + std::max(0, (inner.Width() - box - arrow - image) / 2);
        break;
    case HeaderAlign::Left:
        break;
    }
    const int right = std::max(left, std::min(left + box, inner.Right - arrow));
    HeaderItemPlace place;
    place.Text = {left, inner.Top, right, inner.Bottom};
    place.ImageX = left - image;
    place.ArrowX = right + kArrowGap;
    place.ArrowY = (height - content.ArrowHeight) / 2;
    if (content.Pressed)
        place.Text = place.Text.Offset(1, 1);
    return place;
}

} // namespace korvane
