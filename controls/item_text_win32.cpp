#include "controls/item_text_win32.h"

#include "skin/skin_manager_core.h"

namespace korvane {

void DrawItemText(HDC dc, std::wstring_view text, const PixelRect& rect, UINT flags, std::uint32_t colour)
{
    if (text.empty())
        return;
    RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colour & 0xFFFFFF);
    DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags);
}

void DrawItemTextInBlock(HDC dc, std::wstring_view text, const PixelRect& rect, UINT flags, const TsGenState& block)
{
    const int moves[4][2] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int side = 0; side < 4; ++side) {
        const TsColor contour = block.FontColor[static_cast<std::size_t>(side + 2)];
        if (contour != kColorNone)
            DrawItemText(dc, text, rect.Offset(moves[side][0], moves[side][1]), flags,
                         static_cast<std::uint32_t>(contour));
    }
    DrawItemText(dc, text, rect, flags, static_cast<std::uint32_t>(block.FontColor[1]));
}

int SelectionSectionIndex(const SkinManagerCore& manager)
{
    return manager.Tables().FindSection(u"SELECTION");
}

} // namespace korvane
