#pragma once

#include <cstdint>

namespace korvane {

// The skin engine's private window message. The command travels in the high 16 bits of WParam
// (the low 16 bits are 0) and, unless a command says otherwise, the sending manager in LParam.
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

// The WParam of an engine command.
constexpr std::uintptr_t EngineCommandWParam(SkinCommand command)
{
    return static_cast<std::uintptr_t>(command) << 16;
}

// The command of an engine message's WParam.
constexpr SkinCommand EngineCommandOf(std::uintptr_t wParam)
{
    return static_cast<SkinCommand>((wParam >> 16) & 0xFFFF);
}

} // namespace korvane
