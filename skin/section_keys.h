#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "skin/skin_records.h"

namespace korvane {

// How the value of a section key is read.
enum class SectionKeyKind : uint8_t {
    Number,   // lenient integer; -1 (or unreadable text) counts as absent
    Flag,     // true for "1" or "TRUE"; "?" counts as absent
    Gradient, // gradient text, parsed into the state's gradient array when 2 characters or longer
};

// Which states turn a system-colour reference into a colour after reading.
enum class ColorConversion : uint8_t { None, NormalOnly, Both };

// Where a value lives in the section record (a field of its own, or an element of a text-colour
// array), read and written as a 32-bit integer.
struct SectionField {
    int32_t (*Get)(const TsGeneralData&) = nullptr;
    void (*Set)(TsGeneralData&, int32_t) = nullptr;
};

// One key of an options section: its name, the name of its hot-state twin (empty for keys that
// only the section has), how it is read, its default and the fields it fills. Gradient keys fill
// the text, the array and (when the text is short) the percent of their state; their defaults
// are texts.
struct SectionKey {
    std::u16string_view Key;
    std::u16string_view HotKey;
    SectionKeyKind Kind = SectionKeyKind::Number;
    int32_t Default = 0;
    ColorConversion Conversion = ColorConversion::None;
    SectionField Member;
    SectionField HotMember;
    std::u16string_view TextDefault;
    std::u16string_view HotTextDefault;

    bool HasHotState() const { return !HotKey.empty(); }
    bool Converts(bool hot) const
    {
        return Conversion == ColorConversion::Both || (Conversion == ColorConversion::NormalOnly && !hot);
    }
};

// Every key of the section pass but STATES and PARENTCLASS, in reading order.
std::span<const SectionKey> SectionKeys();

// The names of the table's keys for SectionInheritance: per row its key and its hot key (a
// placeholder that no options line can hold for keys without one), then STATES.
std::span<const std::u16string_view> SectionKeyNames();

// The key that decides whether the hot keys are read (below 2: Props[1] copies Props[0]).
inline constexpr std::u16string_view kStatesKey = u"STATES";
inline constexpr int32_t kDefaultStates = 4;

// The gradient fields of one state of a section record.
struct GradientFields {
    std::u16string& Text;
    TsGradArrayRef& Array;
    int32_t& Percent;
};
GradientFields GradientOf(TsGeneralData& data, bool hot);

// The record's flat normal (hot) values as one state, sharing the gradient array.
TsGenState NormalState(const TsGeneralData& data);
TsGenState HotState(const TsGeneralData& data);

} // namespace korvane
