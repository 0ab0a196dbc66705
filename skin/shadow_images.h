#pragma once

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

#include "gfx/bitmap32.h"

namespace korvane {

class SkinTables;

// The pictures of the extended borders drawn outside a window frame, and how far they reach
// beyond it (left, top, right, bottom).
struct ShadowImages {
    bool Made = false;
    Bitmap32 Active;
    Bitmap32 Inactive;
    std::array<int, 4> Margins{0, 0, 0, 0};
};

// The margins of the program's own shadow pictures (used when the skin has no EXBORDER image);
// each is one larger while desktop composition is on.
inline constexpr std::array<int, 4> kBuiltinShadowMargins{11, 10, 11, 12};

// Prepares the shadow pictures when `extendedBorders` is set: from the skin's EXBORDER entry
// (`exBorderMask`, which must have its own image: first frame inactive, second frame active or a
// copy of the first) with margins FormOffset (BorderMode not 0) or the entry's widths minus
// FormOffset; otherwise from the program's pictures `builtinActive`/`builtinInactive`. Fully
// transparent white pixels of both become 0. Without extended borders nothing is made and the
// margins are 0.
ShadowImages PrepareShadowImages(const SkinTables& tables, int exBorderMask, bool extendedBorders,
                                 const Bitmap32& builtinActive, const Bitmap32& builtinInactive, bool composition);

// One of the program's own shadow pictures from its encoded bytes (a PNG); an empty bitmap when
// the bytes cannot be decoded.
Bitmap32 DecodeBuiltinShadow(std::span<const std::uint8_t> encoded, std::string_view name);

} // namespace korvane
