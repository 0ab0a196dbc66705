#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

// What the generated-source window reads from the editors, as plain values. The windows fill these
// from their controls; the command-line tool fills them from a JSON file.

// MenuKind codes, recorded by the chooser and read by the generated-source window.
enum class MenuKind : unsigned { NewStyle = 0, OldStyle = 1, SourceMod = 2 };

struct NewStyleMenu {
    std::u16string title;
    std::u16string command;
    std::u16string flag;
    std::vector<std::u16string> items;
};

struct SourceModMenu {
    std::u16string command;
    std::u16string flag;
    std::u16string title;
    std::vector<std::u16string> items;
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
};

} // namespace korvane
