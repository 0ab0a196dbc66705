#pragma once

#include <cstdint>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"

namespace korvane {

// The look of a disabled control's face (TsDisabledKind, a set of dkBlended and dkGrayed); a
// button's default is dkBlended alone.
struct TsDisabledKind {
    bool Blended = true;
    bool Grayed = false;
    friend bool operator==(const TsDisabledKind&, const TsDisabledKind&) = default;
};

// The byte a control writes for SKC_GETDISABLEDKIND: bit 0 dkBlended, bit 1 dkGrayed.
inline constexpr std::uint8_t DisabledKindByte(TsDisabledKind kind)
{
    return static_cast<std::uint8_t>((kind.Blended ? 1 : 0) | (kind.Grayed ? 2 : 0));
}
inline constexpr TsDisabledKind DisabledKindFromByte(std::uint8_t byte)
{
    return {(byte & 1) != 0, (byte & 2) != 0};
}

// Gives a finished face its disabled look. dkGrayed turns every pixel grey; then dkBlended mixes
// in what lies behind the control: from a bitmap background (face pixel (x, y) over background
// pixel (x + X, y + Y)) keeping 0.4 of the face and skipping the background's key pixels, else by
// a 50 % tint toward the background's colour, or toward `parentColor` (0x00BBGGRR) when the
// background's colour is TransparentKey.
void ApplyDisabledLook(const BitmapView& face, TsDisabledKind kind, const ParentBackground& background,
                       std::uint32_t parentColor);

} // namespace korvane
