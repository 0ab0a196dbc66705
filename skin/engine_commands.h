#pragma once

#include <cstdint>
#include <optional>

namespace korvane {

// The skin engine's private window message, the one constant for it in the program. The command
// travels in the high 16 bits of WParam, a small argument in the low 16 bits, and, unless a
// command says otherwise, the sending manager in LParam.
inline constexpr unsigned SKM_COMMAND = 0xA100;

enum SkinCommand : std::uint16_t {
    SKC_SETSKIN = 1,
    SKC_REMOVESKIN = 2,
    SKC_REFRESH = 3,
    SKC_GETPROVIDER = 4,
    SKC_PARENTREADY = 6,
    SKC_ISSKINNED = 7,
    SKC_SETUPDATING = 8,
    SKC_SETURGENT = 9,
    SKC_ISUPDATING = 10,
    SKC_ISCLIPPED = 11,
    SKC_SECTIONCHANGED = 13,
    SKC_ISDROPPEDDOWN = 14,
    SKC_SETSECTION = 15,
    SKC_STOPFADE = 16,
    SKC_INVALIDATECACHE = 17,
    SKC_REPAINTNOW = 18,
    SKC_HASCOMPLEXBG = 19,
    SKC_BGMOVED = 20,
    SKC_GETBGCOLOR = 21,
    SKC_SETCLIPPED = 22,
    SKC_PREPARECACHE = 23,
    SKC_FADEFRAME = 24,
    SKC_ADAPTCHILD = 25,
    SKC_GETSECTIONINDEX = 26,
    SKC_GETCAPTIONHEIGHT = 27,
    SKC_MOUSEENTER = 29,
    SKC_MOUSELEAVE = 30,
    SKC_BEGINUPDATE = 31,
    SKC_ENDUPDATE = 32,
    SKC_GETBACKGROUND = 34,
    SKC_GETDISABLEDKIND = 35,
    SKC_PLAINBGSTATE = 36,
    SKC_SETPRINTDC = 38,
    SKC_BEFORESCROLL = 51,
    SKC_AFTERSCROLL = 52,
    SKC_GETAPPLICATION = 60,
};

// What happened to a manager's skin, told to every skinned window: a skin was set, it was taken
// off, or the one on changed and is to be read again.
enum class SkinChange : std::uint8_t { Set, Remove, Refresh };

constexpr SkinCommand CommandOf(SkinChange change)
{
    switch (change) {
    case SkinChange::Set:
        return SKC_SETSKIN;
    case SkinChange::Remove:
        return SKC_REMOVESKIN;
    case SkinChange::Refresh:
        break;
    }
    return SKC_REFRESH;
}

// The change a command tells; none for any other command.
constexpr std::optional<SkinChange> SkinChangeOf(SkinCommand command)
{
    switch (command) {
    case SKC_SETSKIN:
        return SkinChange::Set;
    case SKC_REMOVESKIN:
        return SkinChange::Remove;
    case SKC_REFRESH:
        return SkinChange::Refresh;
    default:
        return std::nullopt;
    }
}

// An engine command as its WParam carries it: the command in the high 16 bits and a small
// argument in the low 16 bits (SKC_BGMOVED, SKC_SETURGENT and SKC_SETUPDATING use it).
struct EngineCommand {
    SkinCommand Code{};
    std::uint16_t Argument = 0;

    constexpr std::uintptr_t ToWParam() const { return (static_cast<std::uintptr_t>(Code) << 16) | Argument; }
    static constexpr EngineCommand FromWParam(std::uintptr_t wParam)
    {
        return {static_cast<SkinCommand>((wParam >> 16) & 0xFFFF), static_cast<std::uint16_t>(wParam & 0xFFFF)};
    }
};

// The WParam of an engine command with its argument.
constexpr std::uintptr_t EngineCommandWParam(SkinCommand command, std::uint16_t argument = 0)
{
    return EngineCommand{command, argument}.ToWParam();
}

// The command of an engine message's WParam.
constexpr SkinCommand EngineCommandOf(std::uintptr_t wParam)
{
    return EngineCommand::FromWParam(wParam).Code;
}

// The argument of an engine message's WParam.
constexpr std::uint16_t EngineCommandArgument(std::uintptr_t wParam)
{
    return EngineCommand::FromWParam(wParam).Argument;
}

} // namespace korvane
