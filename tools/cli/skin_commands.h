#pragma once

#include <cstdint>
#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

#include "skin/skin_manager_core.h"
#include "skin/skin_package_writer.h"

namespace korvane {

std::filesystem::path PathFromUtf8(const std::string& text);

// Loads the skin package file or skin folder at the path (UTF-8) into the manager, through the
// manager's own loading. Throws the load error, or std::runtime_error when nothing is there.
void LoadSkinAt(const std::string& utf8Path, SkinManagerCore& skin);

// The members of a skin folder: its Options.dat first, then its BMP, PNG and JPEG files in
// name order. Throws std::runtime_error when the folder has no Options.dat.
std::vector<SkinPackageMember> CollectSkinFolder(const std::filesystem::path& folder);

// korvane-cli skin-pack FOLDER -o FILE.asz (args start after the command name).
int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);
// korvane-cli skin-info PATH: loads a package file or skin folder and prints one JSON object.
int RunSkinInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace korvane
