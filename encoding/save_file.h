#pragma once

#include <filesystem>
#include <string_view>

namespace korvane {

// Writes the UTF-8 form of text into the named file, with no byte-order mark. An existing file is
// replaced. Throws std::runtime_error "Cannot create file <name>" when the file cannot be created
// (nothing is written) and "Cannot write file <name>" when not every byte could be written.
void SaveFileInUTF8(const std::filesystem::path& fileName, std::u16string_view text);

} // namespace korvane
