#include "windows/tool_button_layout.h"

namespace korvane {

namespace {

constexpr int kDividerWidth = 4;
constexpr int kIconTop = 4;
constexpr int kTextMargin = 2;
constexpr int kArrowMargin = 2;

} // namespace

int ToolButtonState(bool enabled, bool pressed, bool hot)
{
    if (!enabled)
        return 0;
    if (pressed)
        return 2;
    return hot ? 1 : 0;
}

PixelRect DividerStrip(int width, int height)
{
    const int left = width / 2 - 1;
    return {left, 2, left + kDividerWidth, height - 2};
}

ToolButtonLines SplitToolButtonText(std::wstring_view text, int width,
                                    const std::function<int(std::wstring_view)>& measure)
{
    ToolButtonLines lines{std::wstring(text), {}};
    if (measure(text) <= width)
        return lines;
    std::size_t cut = std::wstring_view::npos;
    for (std::size_t blank = text.find(L' '); blank != std::wstring_view::npos; blank = text.find(L' ', blank + 1)) {
        if (blank == 0)
            continue;
        if (cut == std::wstring_view::npos || measure(text.substr(0, blank)) <= width)
            cut = blank;
        else
            break;
    }
    if (cut == std::wstring_view::npos || cut + 1 >= text.size())
        return lines;
    lines.First = std::wstring(text.substr(0, cut));
    lines.Rest = std::wstring(text.substr(cut + 1));
    return lines;
}

ToolButtonPlace PlaceToolButton(int width, int height, const ToolButtonContent& content)
{
    const int move = content.Pressed ? 1 : 0;
    ToolButtonPlace place;
    int iconRoom = width;
    if (content.ArrowWidth > 0) {
        place.ArrowX = width - content.ArrowWidth - kArrowMargin + move;
        place.ArrowY = (height - content.ArrowHeight) / 2 + move;
        iconRoom = width - content.ArrowWidth - kArrowMargin;
    }
    place.IconX = (iconRoom - content.IconWidth) / 2 + move;
    place.IconY = kIconTop + move;
    const int top = kTextMargin + (content.IconWidth > 0 ? content.IconHeight + kTextMargin : 0);
    place.Text = PixelRect{kTextMargin, top, width - kTextMargin, height - kTextMargin}.Offset(move, move);
    return place;
}

} // namespace korvane
