// libFuzzer target: the text of a live-preview message. An input of a whole message's size is
// taken as the message block itself; a shorter one is the options text of a well-formed block
// naming a skin folder of a temporary skin directory. The preview is applied as the window side
// applies it; load errors are the skin's to report, anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <unistd.h>

#include "fuzz_pictures.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"

namespace {

constexpr std::size_t kBlockSize = 30646;

// A skin directory holding the folder "Preview" with an options file and the fixed pictures.
const std::string& SkinDirectory()
{
    static const std::string directory = [] {
        const std::filesystem::path root =
            std::filesystem::temp_directory_path() / ("korvane-preview-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(root / "Preview");
        std::ofstream(root / "Preview" / "Options.dat", std::ios::binary) << "[GLOBALINFO]\r\nVERSION=7.30\r\n";
        for (const korvane::test::PackageMember& member : korvane::fuzz::PictureMembers()) {
            std::ofstream file(root / "Preview" / member.Name, std::ios::binary);
            file.write(reinterpret_cast<const char*>(member.Data.data()),
                       static_cast<std::streamsize>(member.Data.size()));
        }
        return root.string();
    }();
    return directory;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    std::vector<uint8_t> block;
    if (size >= kBlockSize) {
        block.assign(data, data + size);
    } else {
        block.assign(kBlockSize, 0);
        const uint32_t marker = 0xA400;
        std::memcpy(block.data(), &marker, 4);
        std::memcpy(block.data() + 4, "Preview", 7);
        const std::string& directory = SkinDirectory();
        std::memcpy(block.data() + 132, directory.data(), std::min<std::size_t>(directory.size(), 512));
        std::memcpy(block.data() + 645, data, std::min<std::size_t>(size, 30000));
    }
    const auto request = korvane::SkinManagerCore::ParsePreviewMessage(7, block);
    if (!request) {
        return 0;
    }
    korvane::PortableSkinPlatform platform;
    korvane::SkinManagerCore manager(platform);
    try {
        manager.ApplyPreview(*request);
    } catch (const std::runtime_error&) {
    }
    (void)manager.SkinInfo();
    return 0;
}
