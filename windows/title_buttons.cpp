#include "windows/title_buttons.h"

namespace korvane {

bool IsToolWindowStyle(FrameBorderStyle style)
{
    return style == FrameBorderStyle::ToolWindow || style == FrameBorderStyle::SizeToolWin;
}

int TitleButtonTop(const TitleLayoutInput& input, int buttonHeight)
{
    if (input.BIVAlign == 1 && input.Big)
        return input.Maximized ? 3 : 0;
    int top = (input.BorderWidth + input.CaptionHeight - buttonHeight) / 2 + input.TopInset;
    if (input.Big && buttonHeight < 16)
        top += 2;
    return top;
}

TitleLayout LayOutTitleButtons(const TitleLayoutInput& input)
{
    TitleLayout layout;
    int right = input.WindowWidth - input.BIRight - input.BorderWidth;
    layout.Left = input.WindowWidth - input.BorderWidth;
    const auto place = [&](const TitleLayoutInput::Size& size, PixelRect& rect) {
        if (size.Width <= 0)
            return;
        const int top = TitleButtonTop(input, size.Height);
        rect = {right - size.Width, top, right, top + size.Height};
        layout.Left = rect.Left;
        right = rect.Left - (input.Big ? input.BISpace : 0);
    };
    place(input.Close, layout.Close);
    if (input.ShowMaximize)
        place(input.Maximize, layout.Maximize);
    if (input.ShowMinimize)
        place(input.Minimize, layout.Minimize);
    if (input.ShowHelp)
        place(input.Help, layout.Help);
    return layout;
}

} // namespace korvane
