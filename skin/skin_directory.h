#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The folder that holds folder skins and ".asz" packages, resolved against the program's folder
// (with trailing backslash): "..\x" from the program folder's parent, ".\x" or "./x" and any
// other relative text from the program folder; a text with ":" or "\\" is used as it is. The
// result always ends in a backslash (an empty text stays empty).
std::u16string ResolveSkinDirectory(std::u16string_view skinDirectory, std::u16string_view programFolder);

// Ensures a trailing backslash: empty stays empty, a final "/" becomes "\", a single character
// (a drive letter) gets ":\".
std::u16string EnsureTrailingBackslash(std::u16string_view path);

// The skins found for GetSkinNames: stored skins first, then the folders (kind 0 or 2) holding an
// "Options.dat" and the ".asz" files (kind 1 or 2, named by the part before the first ".") of
// the resolved folder; sorted without regard to case. First is the stored skin's name, or
// else the first name found.
struct SkinNameList {
    std::vector<std::u16string> Names;
    std::u16string First;
};
SkinNameList GetSkinNames(const std::vector<std::u16string>& storedNames, std::u16string_view resolvedDirectory,
                          int kind);

} // namespace korvane
