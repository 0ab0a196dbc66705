#include "windows/system_menu_items.h"

#include <gtest/gtest.h>

namespace korvane {
namespace {

SystemMenuItemState At(const std::array<SystemMenuItemState, kSystemMenuItemCount>& states, SystemMenuItem item)
{
    return states[static_cast<std::size_t>(item)];
}

TEST(SystemMenuItems, NamesCommandsAndCaptionsInMenuOrder)
{
    EXPECT_EQ(std::u16string(SystemMenuItemOf(SystemMenuItem::Restore).Name), u"acIR");
    EXPECT_EQ(SystemMenuItemOf(SystemMenuItem::Restore).Command, 0xF120u);
    EXPECT_EQ(SystemMenuItemOf(SystemMenuItem::Move).Command, 0xF010u);
    EXPECT_EQ(SystemMenuItemOf(SystemMenuItem::Size).Command, 0xF000u);
    EXPECT_EQ(SystemMenuItemOf(SystemMenuItem::Minimize).Command, 0xF020u);
    EXPECT_EQ(SystemMenuItemOf(SystemMenuItem::Maximize).Command, 0xF030u);
    EXPECT_EQ(std::u16string(SystemMenuItemOf(SystemMenuItem::Close).Name), u"acIC");
    EXPECT_EQ(std::u16string(SystemMenuItemOf(SystemMenuItem::Close).DefaultCaption), u"Close");
}

// The program's forms: single border, the system menu and its close box only.
TEST(SystemMenuItems, ASingleFormWithTheCloseBoxOnly)
{
    SystemMenuFacts facts;
    facts.HadSystemMenu = true;
    const auto states = SystemMenuItemStates(facts);
    EXPECT_TRUE(At(states, SystemMenuItem::Restore).Visible);
    EXPECT_FALSE(At(states, SystemMenuItem::Restore).Enabled);
    EXPECT_TRUE(At(states, SystemMenuItem::Move).Enabled);
    EXPECT_TRUE(At(states, SystemMenuItem::Size).Visible);
    EXPECT_FALSE(At(states, SystemMenuItem::Size).Enabled); // a single border does not size
    EXPECT_FALSE(At(states, SystemMenuItem::Minimize).Visible);
    EXPECT_FALSE(At(states, SystemMenuItem::Maximize).Visible);
    EXPECT_TRUE(At(states, SystemMenuItem::Close).Visible);
    EXPECT_TRUE(At(states, SystemMenuItem::Close).Enabled);
}

TEST(SystemMenuItems, AMaximisedSizeableForm)
{
    SystemMenuFacts facts;
    facts.BorderStyle = FrameBorderStyle::Sizeable;
    facts.HadSystemMenu = true;
    facts.MinimizeIcon = facts.MaximizeIcon = true;
    facts.Maximized = true;
    const auto states = SystemMenuItemStates(facts);
    EXPECT_TRUE(At(states, SystemMenuItem::Restore).Enabled);
    EXPECT_FALSE(At(states, SystemMenuItem::Move).Enabled);
    EXPECT_TRUE(At(states, SystemMenuItem::Size).Enabled);
    EXPECT_TRUE(At(states, SystemMenuItem::Minimize).Visible);
    EXPECT_TRUE(At(states, SystemMenuItem::Minimize).Enabled);
    EXPECT_TRUE(At(states, SystemMenuItem::Maximize).Visible);
    EXPECT_FALSE(At(states, SystemMenuItem::Maximize).Enabled);
}

TEST(SystemMenuItems, AMinimisedFormAndAWindowWithoutItsSystemMenu)
{
    SystemMenuFacts facts;
    facts.BorderStyle = FrameBorderStyle::Dialog;
    facts.HadSystemMenu = true;
    facts.Minimized = true;
    auto states = SystemMenuItemStates(facts);
    EXPECT_FALSE(At(states, SystemMenuItem::Restore).Visible); // a dialog border
    EXPECT_TRUE(At(states, SystemMenuItem::Restore).Enabled);
    EXPECT_TRUE(At(states, SystemMenuItem::Minimize).Visible);
    EXPECT_FALSE(At(states, SystemMenuItem::Minimize).Enabled);
    EXPECT_FALSE(At(states, SystemMenuItem::Size).Visible);

    facts.HadSystemMenu = false;
    states = SystemMenuItemStates(facts);
    EXPECT_FALSE(At(states, SystemMenuItem::Close).Visible);
    EXPECT_FALSE(At(states, SystemMenuItem::Minimize).Visible);
    EXPECT_TRUE(At(states, SystemMenuItem::Move).Visible);
}

TEST(SystemMenuItems, SizeableToolWindowsSize)
{
    SystemMenuFacts facts;
    facts.BorderStyle = FrameBorderStyle::SizeToolWin;
    EXPECT_TRUE(At(SystemMenuItemStates(facts), SystemMenuItem::Size).Visible);
    EXPECT_TRUE(At(SystemMenuItemStates(facts), SystemMenuItem::Size).Enabled);
    facts.BorderStyle = FrameBorderStyle::ToolWindow;
    EXPECT_FALSE(At(SystemMenuItemStates(facts), SystemMenuItem::Size).Visible);
}

} // namespace
} // namespace korvane
