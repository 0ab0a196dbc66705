#pragma once

#include <array>
#include <string_view>

namespace korvane {

// Admin flags offered by the AMX Mod X editors, in the order of their drop-down lists.
inline constexpr std::array<std::u16string_view, 24> kAmxAccessFlags = {
    u"ADMIN_ALL",     u"ADMIN_IMMUNITY", u"ADMIN_RESERVATION", u"ADMIN_KICK",    u"ADMIN_BAN",     u"ADMIN_SLAY",
    u"ADMIN_MAP",     u"ADMIN_CVAR",     u"ADMIN_CFG",         u"ADMIN_CHAT",    u"ADMIN_VOTE",    u"ADMIN_PASSWORD",
    u"ADMIN_RCON",    u"ADMIN_LEVEL_A",  u"ADMIN_LEVEL_B",     u"ADMIN_LEVEL_C", u"ADMIN_LEVEL_D", u"ADMIN_LEVEL_E",
    u"ADMIN_LEVEL_F", u"ADMIN_LEVEL_G",  u"ADMIN_LEVEL_H",     u"ADMIN_MENU",    u"ADMIN_ADMIN",   u"ADMIN_USER",
};

// Admin flags offered by the SourceMod editor, in the order of its drop-down list.
inline constexpr std::array<std::u16string_view, 21> kSourceModAccessFlags = {
    u"ADMFLAG_RESERVATION", u"ADMFLAG_GENERIC",   u"ADMFLAG_KICK",    u"ADMFLAG_BAN",     u"ADMFLAG_UNBAN",
    u"ADMFLAG_SLAY",        u"ADMFLAG_CHANGEMAP", u"ADMFLAG_CONVARS", u"ADMFLAG_CONFIG",  u"ADMFLAG_CHAT",
    u"ADMFLAG_VOTE",        u"ADMFLAG_PASSWORD",  u"ADMFLAG_RCON",    u"ADMFLAG_CHEATS",  u"ADMFLAG_ROOT",
    u"ADMFLAG_CUSTOM1",     u"ADMFLAG_CUSTOM2",   u"ADMFLAG_CUSTOM3", u"ADMFLAG_CUSTOM4", u"ADMFLAG_CUSTOM5",
    u"ADMFLAG_CUSTOM6",
};

} // namespace korvane
