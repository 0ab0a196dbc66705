#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace korvane {

// What the generated-source window reads from the editors, as plain values. The windows fill these
// from their controls; the command-line tool fills them from a JSON file.

// MenuKind codes, recorded by the chooser and read by the generated-source window.
enum class MenuKind : unsigned { NewStyle = 0, OldStyle = 1, SourceMod = 2 };

// What choosing an item (or pressing a key) does in the generated plug-in.
enum class ActionType {
    None,          // the item's block stays empty
    PlayerCommand, // a console command run for the choosing player
    ServerCommand, // a command run on the server console
    Chat,          // a line printed to the choosing player's chat
};

// An item's action: its type and its text, which may hold the placeholders {userid}, {name} and
// {steamid} and the doubled braces {{ and }} (generator/menu_actions.h says which are accepted).
struct ItemAction {
    ActionType type = ActionType::None;
    std::u16string text;
};

struct NewStyleMenu {
    std::u16string title;
    std::u16string command;
    std::u16string flag;
    std::vector<std::u16string> items;
    // actions[k] belongs to items[k]; an item past the end of the list has none.
    std::vector<ItemAction> actions = {};
};

struct SourceModMenu {
    std::u16string command;
    std::u16string flag;
    std::u16string title;
    std::vector<std::u16string> items;
    // actions[k] belongs to items[k]; an item past the end of the list has none.
    std::vector<ItemAction> actions = {};
};

// One character of the old-style menu text with its colour (0x00BBGGRR).
struct ColoredChar {
    char16_t ch;
    std::uint32_t color;
};
// One row as the rich edit displays it; the line break is not part of it.
using ColoredRow = std::vector<ColoredChar>;

struct OldStyleMenu {
    std::u16string keys;
    std::u16string command;
    std::u16string menuName;
    std::u16string flag;
    std::u16string menuText; // the colour-coded, escaped text (ColorCodedMenuText)
    // The action of a key, by its digit ('0' to '9'); a key without an entry has none.
    std::map<char16_t, ItemAction> keyActions = {};
};

} // namespace korvane
