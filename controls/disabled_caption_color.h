#pragma once

#include <cstdint>

namespace korvane {

// The colour of a disabled caption before the control's hue and saturation shift: per channel
// round(0.4 * the section's normal FONTCOLOR + 0.6 * the manager's GlobalColor), both 0x00BBGGRR.
std::uint32_t DisabledCaptionColor(std::uint32_t fontColor, std::uint32_t globalColor);

} // namespace korvane
