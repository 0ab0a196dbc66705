#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_budgets.h"
#include "skin/skin_text.h"

namespace korvane {

// File access for skins. Skin paths are written Windows-style ("c:\Skins\Name\"); on systems
// whose separator is "/" backslashes are taken as separators and file names are matched without
// regard to ASCII case, as Windows does, so the same code runs natively.

std::filesystem::path SkinFsPath(std::u16string_view path);
// The one rule by which a skin file is found: the file itself, or (where the file system tells
// case apart) the file of its folder whose name differs only in ASCII case. Every existence
// check and every read of a skin file goes through it.
std::optional<std::filesystem::path> FindSkinFile(std::u16string_view path);
bool SkinFileExists(std::u16string_view path);

// Finds skin files by the rule of FindSkinFile, for the many names of one load: where names are
// matched without regard to case, each folder is listed once and then looked up by name, so that
// keys naming files that do not exist cost no search through the folder each.
class SkinFileFinder {
public:
    std::optional<std::filesystem::path> Find(std::u16string_view path);

private:
    // Folder -> its files by ASCII-upper-cased name (the first of each name).
    std::map<std::filesystem::path, TextMap<std::filesystem::path>> m_folders;
};
bool SkinFolderExists(std::u16string_view path);
// The whole file, or nothing when it does not exist; throws std::runtime_error when it exists
// but cannot be read, and SkinBudgetError, before reading it, when it has more than `maxBytes`
// (the message says what it may be: "an options text", "a picture file").
std::optional<std::vector<uint8_t>> ReadSkinFile(std::u16string_view path,
                                                 std::size_t maxBytes = SkinBudgets().PackageBytes,
                                                 std::string_view kind = "a skin file");

// The whole of a file that is there, read in one piece. `what` names it in messages ("the file
// 'c:\Skins\Blue\Options.dat'", "the skin package 'Blue.asz'"). Throws SkinBudgetError, before
// reading, when it has more than `maxBytes` ("<What> has N bytes, more than the <limit> <kind> may
// have"), and std::runtime_error when it cannot be read.
std::vector<uint8_t> ReadFileWithin(const std::filesystem::path& file, std::string_view what, std::size_t maxBytes,
                                    std::string_view kind);

struct SkinFolderEntry {
    std::u16string Name;
    bool IsFolder = false;
};
// Entries of a folder (not recursive); empty when it does not exist.
std::vector<SkinFolderEntry> ListSkinFolder(std::u16string_view path);

} // namespace korvane
