#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

namespace korvane {

// One member to be packed: its stored name (single-byte text) and its unpacked bytes.
struct SkinPackMember {
    std::string Name;
    std::vector<uint8_t> Data;
};

// Builds an "ASzf" skin package from members, in the given order, each compressed with zlib.
std::vector<uint8_t> BuildSkinPackage(const std::vector<SkinPackMember>& members);
// The members of a skin folder: its Options.dat first, then its BMP, PNG and JPEG files in
// name order. Throws std::runtime_error when the folder has no Options.dat.
std::vector<SkinPackMember> CollectSkinFolder(const std::filesystem::path& folder);

// korvane-cli skin-pack FOLDER -o FILE.asz (args start after the command name).
int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// korvane-cli skin-info PATH: loads a package file or skin folder and prints one JSON object.
int RunSkinInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvane
