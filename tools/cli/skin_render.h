#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace korvane {

// korvane-cli skin-render PATH [--section NAME] [--size WxH] [--state N] -o FILE.png (args start
// after the command name). Loads the skin package or folder as the skin manager does and paints
// one section, or every section in every state on one labelled contact sheet, into a PNG. With
// --section and --state the PNG is that one face alone, W x H. A contact sheet holds at most 16
// mebipixels: the sections beyond are left out, and a line at its foot and the report say how many
// it shows. A skin that does not load gives its load error and status 2.
int RunSkinRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvane
