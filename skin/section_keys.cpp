#include "skin/section_keys.h"

#include <array>
#include <string>
#include <vector>
#include <type_traits>

namespace korvane {

namespace {

template <typename T>
struct MemberType;
template <typename T>
struct MemberType<T TsGeneralData::*> {
    using Type = T;
};

// A field of the record: an integer, a colour, a byte (low 8 bits kept) or a flag.
template <auto Member>
constexpr SectionField Field()
{
    using T = typename MemberType<decltype(Member)>::Type;
    return SectionField{
        [](const TsGeneralData& data) { return static_cast<int32_t>(data.*Member); },
        [](TsGeneralData& data, int32_t value) {
            if constexpr (std::is_same_v<T, bool>) {
                data.*Member = value != 0;
            } else {
                data.*Member = static_cast<T>(value);
            }
        },
    };
}

// Element `Index` of a text-colour array of the record.
template <auto Member, std::size_t Index>
constexpr SectionField Element()
{
    return SectionField{
        [](const TsGeneralData& data) { return (data.*Member)[Index]; },
        [](TsGeneralData& data, int32_t value) { (data.*Member)[Index] = value; },
    };
}

using Kind = SectionKeyKind;
using G = TsGeneralData;

constexpr SectionKey Number(std::u16string_view key, std::u16string_view hotKey, int32_t fallback, SectionField member,
                            SectionField hotMember, ColorConversion conversion = ColorConversion::None)
{
    return SectionKey{key, hotKey, Kind::Number, fallback, conversion, member, hotMember, {}, {}};
}

constexpr SectionKey Flag(std::u16string_view key, SectionField member)
{
    return SectionKey{key, {}, Kind::Flag, 0, ColorConversion::None, member, {}, {}, {}};
}

const std::array kKeys = {
    Number(u"COLOR", u"HOTCOLOR", 0xFFFFFF, Field<&G::Color>(), Field<&G::HotColor>(), ColorConversion::NormalOnly),
    Flag(u"RESERVEDBOOLEAN", Field<&G::ReservedBoolean>()),
    Flag(u"GIVEOWNFONT", Field<&G::GiveOwnFont>()),
    Number(u"GLOW", {}, 0, Field<&G::GlowCount>(), {}),
    Number(u"GLOWMARGIN", {}, 0, Field<&G::GlowMargin>(), {}),
    Number(u"FONTCOLOR", u"HOTFONTCOLOR", 0, Element<&G::FontColor, 1>(), Element<&G::HotFontColor, 1>()),
    Number(u"TCLEFT", u"HOTTCLEFT", -1, Element<&G::FontColor, 2>(), Element<&G::HotFontColor, 2>()),
    Number(u"TCTOP", u"HOTTCTOP", -1, Element<&G::FontColor, 3>(), Element<&G::HotFontColor, 3>()),
    Number(u"TCRIGHT", u"HOTTCRIGHT", -1, Element<&G::FontColor, 4>(), Element<&G::HotFontColor, 4>()),
    Number(u"TCBOTTOM", u"HOTTCBOTTOM", -1, Element<&G::FontColor, 5>(), Element<&G::HotFontColor, 5>()),
    Number(u"TRANSPARENCY", u"HOTTRANSPARENCY", 0, Field<&G::Transparency>(), Field<&G::HotTransparency>()),
    Number(u"GRADIENTPERCENT", u"HOTGRADIENTPERCENT", 0, Field<&G::GradientPercent>(), Field<&G::HotGradientPercent>()),
    Number(u"IMAGEPERCENT", u"HOTIMAGEPERCENT", 0, Field<&G::ImagePercent>(), Field<&G::HotImagePercent>()),
    SectionKey{u"GRADIENTDATA", u"HOTGRADIENTDATA", Kind::Gradient, 0, ColorConversion::None, {}, {}, u" ", u""},
    Flag(u"SHOWFOCUS", Field<&G::ShowFocus>()),
    Flag(u"FADINGENABLED", Field<&G::FadingEnabled>()),
    Number(u"FADINGITERATIONS", {}, 5, Field<&G::FadingIterations>(), {}),
    Number(u"GCOL", u"HGCOL", 0xFFFFFF, Field<&G::GlowColor>(), Field<&G::HotGlowColor>(), ColorConversion::Both),
    Number(u"GSIZE", u"HGSIZE", 0, Field<&G::GlowSize>(), Field<&G::HotGlowSize>()),
};

} // namespace

std::span<const SectionKey> SectionKeys()
{
    return kKeys;
}

std::span<const std::u16string_view> SectionKeyNames()
{
    static const std::vector<std::u16string_view> names = [] {
        // Keys never hold a line break, so these placeholders match nothing.
        static const std::array<std::u16string, kKeys.size()> placeholders = [] {
            std::array<std::u16string, kKeys.size()> texts;
            for (std::size_t i = 0; i < texts.size(); ++i) {
                texts[i].assign(1, u'\n');
                texts[i].append(kKeys[i].Key);
            }
            return texts;
        }();
        std::vector<std::u16string_view> list;
        for (std::size_t i = 0; i < kKeys.size(); ++i) {
            list.push_back(kKeys[i].Key);
            list.push_back(kKeys[i].HasHotState() ? kKeys[i].HotKey : std::u16string_view(placeholders[i]));
        }
        list.push_back(kStatesKey);
        return list;
    }();
    return names;
}

GradientFields GradientOf(TsGeneralData& data, bool hot)
{
    if (hot) {
        return GradientFields{data.HotGradientData, data.HotGradientArray, data.HotGradientPercent};
    }
    return GradientFields{data.GradientData, data.GradientArray, data.GradientPercent};
}

TsGenState NormalState(const TsGeneralData& d)
{
    return TsGenState{d.Color,        d.FontColor, d.GradientPercent, d.GradientData, d.GradientArray,
                      d.ImagePercent, d.GlowColor, d.GlowSize,        d.Transparency};
}

TsGenState HotState(const TsGeneralData& d)
{
    return TsGenState{d.HotColor,        d.HotFontColor, d.HotGradientPercent, d.HotGradientData, d.HotGradientArray,
                      d.HotImagePercent, d.HotGlowColor, d.HotGlowSize,        d.HotTransparency};
}

} // namespace korvane
