#pragma once

// The data block of a live-preview message (WM_COPYDATA, WParam 7): the marker, the skin name,
// the skin folder and the options text at their offsets, NUL-padded to `size` bytes.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace korvane::test {

inline std::vector<std::uint8_t> PreviewBlock(const std::string& name, const std::string& folder,
                                              const std::string& options, std::size_t size = 30646,
                                              std::uint32_t marker = 0xA400)
{
    std::vector<std::uint8_t> block(size, 0);
    std::memcpy(block.data(), &marker, 4);
    std::memcpy(block.data() + 4, name.data(), name.size());
    std::memcpy(block.data() + 132, folder.data(), folder.size());
    std::memcpy(block.data() + 645, options.data(), options.size());
    return block;
}

} // namespace korvane::test
