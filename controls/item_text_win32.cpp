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

void DrawSelectedItemText(HDC dc, std::wstring_view text, const PixelRect& rect, UINT flags,
                          const SkinManagerCore& manager, int selection, bool focused)
{
    if (manager.Tables().IsValidSection(selection)) {
        const TsGeneralData& section = manager.Tables().Sections[static_cast<std::size_t>(selection)];
        DrawItemTextInBlock(dc, text, rect, flags, section.Props[focused && section.States > 1 ? 1 : 0]);
    } else {
        DrawItemText(dc, text, rect, flags, static_cast<std::uint32_t>(manager.SelectionFontColor(focused)));
    }
}

COLORREF ColourOrSystem(COLORREF colour, int systemColour)
{
    return colour == CLR_INVALID ? GetSysColor(systemColour) : colour;
}

COLORREF FillPlainItem(HDC dc, const PixelRect& rect, bool selected, COLORREF controlColour, COLORREF fontColour)
{
    const RECT r{rect.Left, rect.Top, rect.Right, rect.Bottom};
    SetBkColor(dc, selected ? GetSysColor(COLOR_HIGHLIGHT) : controlColour);
    ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
    return selected ? GetSysColor(COLOR_HIGHLIGHTTEXT) : fontColour;
}

void DrawInControlCoordinates(HDC work, const PixelRect& rect, const std::function<void()>& draw)
{
    POINT origin{};
    SetViewportOrgEx(work, -rect.Left, -rect.Top, &origin);
    draw();
    SetViewportOrgEx(work, origin.x, origin.y, nullptr);
}

int SelectionSectionIndex(const SkinManagerCore& manager)
{
    return manager.Tables().FindSection(u"SELECTION");
}

} // namespace korvane
