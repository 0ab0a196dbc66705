#pragma once

#include "generator/menu_inputs.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The four menu colours of the old-style editor, 0x00BBGGRR.
inline constexpr std::uint32_t kMenuWhite = 0xFFFFFF;
inline constexpr std::uint32_t kMenuYellow = 0x00FFFF;
inline constexpr std::uint32_t kMenuRed = 0x0000FF;
inline constexpr std::uint32_t kMenuGrey = 0x808080;

// The AMX Mod X menu colour code of a colour: "\w", "\y", "\r" or "\d" (the disabled-item grey);
// none for any other colour. Colours compare by exact value.
std::optional<std::u16string_view> MenuColorCode(std::uint32_t color);

// Turns the coloured rows of the old-style editor into the text of one string literal for
// show_menu: each row's characters, a colour code wherever the colour changes (starting from
// black, so the first coloured character always gets its code), and "^n" after every row. A
// colour without a code adds nothing but still becomes the colour compared against. Every typed
// "^" and '"' is escaped (AppendAmxxMenuTextChar); the codes the generator adds are not.
std::u16string ColorCodedMenuText(const std::vector<ColoredRow>& rows);

} // namespace korvane
