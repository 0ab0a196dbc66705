#include "skin/skin_platform.h"

#include <array>

namespace korvane {

TsColor SkinPlatform::ConvertColor(TsColor color) const
{
    if (color < 0 && color != kColorNone) {
        return SystemColor(static_cast<int>(static_cast<uint32_t>(color) & 0xFF));
    }
    return color;
}

TsColor PortableSkinPlatform::SystemColor(int index) const
{
    // The classic ("Windows Standard") scheme, as 0x00BBGGRR.
    static constexpr std::array<TsColor, 31> kColors = {
        0xC8D0D4, 0xA56E3A, 0x6A240A, 0x808080, 0xC8D0D4, 0xFFFFFF, 0x000000, 0x000000, 0x000000, 0xFFFFFF, 0xC8D0D4,
        0xC8D0D4, 0x808080, 0x6A240A, 0xFFFFFF, 0xC8D0D4, 0x808080, 0x808080, 0x000000, 0xC8D0D4, 0xFFFFFF, 0x404040,
        0xC8D0D4, 0x000000, 0xE1FFFF, 0xB5B5B5, 0x800000, 0xF0CAA6, 0xC0C0C0, 0xFF6633, 0xC8D0D4,
    };
    if (index < 0 || index >= static_cast<int>(kColors.size())) {
        return 0;
    }
    return kColors[static_cast<std::size_t>(index)];
}

} // namespace korvane
