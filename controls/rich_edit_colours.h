#pragma once

#include <cstdint>

namespace korvane {

// The text colour of a disabled skinned rich edit: per channel (F * 127 + B * 129) >> 8 of the
// section's text colour F and the control's background B (both 0x00BBGGRR), so the text sinks
// halfway into the background.
std::uint32_t DisabledRichTextColour(std::uint32_t text, std::uint32_t background);

} // namespace korvane
