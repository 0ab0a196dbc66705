#include "generator/color_codes.h"

#include "generator/string_escapes.h"

namespace korvane {

std::optional<std::u16string_view> MenuColorCode(std::uint32_t color)
{
    // The menu colour codes of AMX Mod X are backslash codes; the caret is the Pawn compiler's own
    // escape character, so "^n" is the newline the compiler puts into the string.
    switch (color) {
    case kMenuRed:
        return u"\\r";
    case kMenuYellow:
        return u"\\y";
    case kMenuGrey:
        return u"\\d";
    case kMenuWhite:
        return u"\\w";
    default:
        return std::nullopt;
    }
}

std::u16string ColorCodedMenuText(const std::vector<ColoredRow>& rows)
{
    std::u16string result;
    std::uint32_t previous = 0; // black
    for (const ColoredRow& row : rows) {
        for (const ColoredChar& c : row) {
            if (c.color != previous) {
                if (const auto code = MenuColorCode(c.color))
                    result.append(*code);
            }
            previous = c.color;
            AppendAmxxMenuTextChar(result, c.ch);
        }
        result.append(u"^n");
    }
    return result;
}

} // namespace korvane
