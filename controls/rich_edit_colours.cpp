#include "controls/rich_edit_colours.h"

namespace korvane {

std::uint32_t DisabledRichTextColour(std::uint32_t text, std::uint32_t background)
{
    std::uint32_t mixed = 0;
    for (int shift = 0; shift < 24; shift += 8) {
        const std::uint32_t f = (text >> shift) & 0xFF;
        const std::uint32_t b = (background >> shift) & 0xFF;
        mixed |= ((f * 127 + b * 129) >> 8) << shift;
    }
    return mixed;
}

} // namespace korvane
