#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "skin/skin_package_writer.h"

namespace korvane {

// The members of a skin folder: its Options.dat first, then its BMP, PNG and JPEG files in
// name order. Throws std::runtime_error when the folder has no Options.dat.
std::vector<SkinPackageMember> CollectSkinFolder(const std::filesystem::path& folder);

// korvane-cli skin-pack FOLDER -o FILE.asz (args start after the command name).
int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// korvane-cli skin-info PATH: loads a package file or skin folder and prints one JSON object.
int RunSkinInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvane
