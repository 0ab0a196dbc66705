#include "controls/disabled_caption_color.h"

#include "gfx/color_ops.h"

namespace korvane {

std::uint32_t DisabledCaptionColor(std::uint32_t fontColor, std::uint32_t globalColor)
{
    // c = round(0.4 * font + 0.6 * global)
    return MixColors(fontColor & 0x00FFFFFFu, globalColor & 0x00FFFFFFu, 0.4);
}

} // namespace korvane
