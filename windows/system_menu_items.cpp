#include "windows/system_menu_items.h"

namespace korvane {

const SystemMenuItemInfo& SystemMenuItemOf(SystemMenuItem item)
{
    static const std::array<SystemMenuItemInfo, kSystemMenuItemCount> items{{
        {u"acIR", kScRestore, u"Restore"},
        {u"acIM", kScMove, u"Move"},
        {u"acIS", kScSize, u"Size"},
        {u"acIN", kScMinimize, u"Minimize"},
        {u"acIX", kScMaximize, u"Maximize"},
        {u"acIC", kScClose, u"Close"},
    }};
    return items[static_cast<std::size_t>(item)];
}

std::array<SystemMenuItemState, kSystemMenuItemCount> SystemMenuItemStates(const SystemMenuFacts& f)
{
    const bool singleOrSizeable =
        f.BorderStyle == FrameBorderStyle::Single || f.BorderStyle == FrameBorderStyle::Sizeable;
    const bool normal = !f.Minimized && !f.Maximized;
    std::array<SystemMenuItemState, kSystemMenuItemCount> states{};
    auto& restore = states[static_cast<std::size_t>(SystemMenuItem::Restore)];
    restore.Visible = f.HadSystemMenu && (f.MdiChild || singleOrSizeable);
    restore.Enabled = (f.MaximizeIcon && !normal) || f.Minimized;

    auto& move = states[static_cast<std::size_t>(SystemMenuItem::Move)];
    move.Visible = true;
    move.Enabled = !f.Maximized;

    auto& size = states[static_cast<std::size_t>(SystemMenuItem::Size)];
    size.Visible = f.MdiChild || singleOrSizeable || f.BorderStyle == FrameBorderStyle::SizeToolWin;
    size.Enabled = f.BorderStyle != FrameBorderStyle::Single && !f.Minimized;

    auto& minimize = states[static_cast<std::size_t>(SystemMenuItem::Minimize)];
    minimize.Visible = f.HadSystemMenu && (f.Minimized || f.MdiChild || (singleOrSizeable && f.MinimizeIcon));
    minimize.Enabled = f.MinimizeIcon && !f.Minimized;

    auto& maximize = states[static_cast<std::size_t>(SystemMenuItem::Maximize)];
    maximize.Visible = f.HadSystemMenu && (f.Minimized || f.MdiChild || (singleOrSizeable && f.MaximizeIcon));
    maximize.Enabled = f.MaximizeIcon && (f.MdiChild || (!f.Maximized && singleOrSizeable));

    auto& close = states[static_cast<std::size_t>(SystemMenuItem::Close)];
    close.Visible = f.HadSystemMenu;
    close.Enabled = true;
    return states;
}

} // namespace korvane
