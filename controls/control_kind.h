#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace korvane {

// What kind of control a skin data object serves (0..255): it picks the section used when none
// is named and steers which skin behaviours apply.
using ControlKindCode = std::uint8_t;

// The kinds the program's controls set; the adapters of standard windows use 0.
inline constexpr ControlKindCode kKindAdapter = 0;
inline constexpr ControlKindCode kKindComboBox = 3;
inline constexpr ControlKindCode kKindRichEdit = 7;
inline constexpr ControlKindCode kKindListBox = 8;
inline constexpr ControlKindCode kKindCheckBox = 32;
inline constexpr ControlKindCode kKindRadioButton = 33;
inline constexpr ControlKindCode kKindGroupBox = 74;
inline constexpr ControlKindCode kKindSpeedButton = 92;
inline constexpr ControlKindCode kKindButton = 93;
inline constexpr ControlKindCode kKindBitBtn = 94;

// The section a control of the kind takes when it names none ("EDIT", "BUTTON", ...); empty
// for kinds that take their owner's class name instead.
std::optional<std::u16string_view> DefaultSectionOfKind(ControlKindCode kind);

// Kinds whose background and font colour come from the skin and whose edit border turns hot
// with focus and mouse: {2..18, 41, 76..84, 96, 131..140}.
bool IsColourDrivenKind(ControlKindCode kind);
// Containers, bars, page controls, status bars and gauges, which never turn hot under the
// mouse: {19, 51..74, 110, 141..161}.
bool IsNeverHotKind(ControlKindCode kind);
// Whether the kind shows the shared hover glow; the buttons (92..94) show their own.
bool HasSharedGlow(ControlKindCode kind);

} // namespace korvane
