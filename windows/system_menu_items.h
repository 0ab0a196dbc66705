#pragma once

#include "windows/title_buttons.h"

#include <array>

namespace korvane {

// System commands, as the platform numbers them.
inline constexpr unsigned kScSize = 0xF000;
inline constexpr unsigned kScMove = 0xF010;
inline constexpr unsigned kScMinimize = 0xF020;
inline constexpr unsigned kScMaximize = 0xF030;
inline constexpr unsigned kScClose = 0xF060;
inline constexpr unsigned kScRestore = 0xF120;
inline constexpr unsigned kScContextHelp = 0xF180;
// The move command started from the caption: what a drag on a minimised form sends.
inline constexpr unsigned kScDragMove = 0xF012;

// The fixed items of the frame's system menu, in menu order.
enum class SystemMenuItem { Restore, Move, Size, Minimize, Maximize, Close };
inline constexpr int kSystemMenuItemCount = 6;

struct SystemMenuItemInfo {
    const char16_t* Name; // "acIR" ...
    unsigned Command;
    const char16_t* DefaultCaption;
};
// Name, command and default caption of an item.
const SystemMenuItemInfo& SystemMenuItemOf(SystemMenuItem item);

// What decides the items' visibility and enabled state.
struct SystemMenuFacts {
    FrameBorderStyle BorderStyle = FrameBorderStyle::Single;
    bool MinimizeIcon = false;
    bool MaximizeIcon = false;
    bool Minimized = false;
    bool Maximized = false;
    bool MdiChild = false;
    // The frame removed the window's system-menu style (the form had a system menu).
    bool HadSystemMenu = false;
};

struct SystemMenuItemState {
    bool Visible = false;
    bool Enabled = false;
};

// The refresh of the fixed items: each one's visibility and enabled state.
std::array<SystemMenuItemState, kSystemMenuItemCount> SystemMenuItemStates(const SystemMenuFacts& facts);

} // namespace korvane
