#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace korvane {

// One member to be packed: its stored name (single-byte text, written as it is) and its
// unpacked bytes.
struct SkinPackageMember {
    std::string Name;
    std::vector<uint8_t> Data;
};

// zlib's best compression: what skin-pack writes.
inline constexpr int kSkinPackageBestCompression = 9;

// Writes an "ASzf" skin package: the magic, the member count, then per member, in the given
// order, the name length, the name, the unpacked size and one zlib stream of the bytes
// (compressed at `level`, 0..9). A member of size 0 gets the empty stream. Throws
// std::length_error for a name or member too large for the 32-bit fields.
std::vector<uint8_t> WriteSkinPackage(std::span<const SkinPackageMember> members,
                                      int level = kSkinPackageBestCompression);

// One complete zlib stream (RFC 1950) of the bytes, as a member's data is stored.
std::vector<uint8_t> DeflateSkinMember(std::span<const uint8_t> data, int level = kSkinPackageBestCompression);

} // namespace korvane
