#include "skin/skin_package_writer.h"

#include <zlib.h>

#include <limits>
#include <stdexcept>

namespace korvane {

namespace {

void PutInt32(std::vector<uint8_t>& out, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
    }
}

// The package's length fields are signed 32-bit integers.
uint32_t LengthField(std::size_t length, const std::string& what)
{
    if (length > static_cast<std::size_t>(std::numeric_limits<int32_t>::max())) {
        throw std::length_error(what + " is too large for a skin package");
    }
    return static_cast<uint32_t>(length);
}

} // namespace

std::vector<uint8_t> DeflateSkinMember(std::span<const uint8_t> data, int level)
{
    const uLong length = LengthField(data.size(), "a member");
    uLongf packedSize = compressBound(length);
    std::vector<uint8_t> packed(packedSize);
    // compress2 reads nothing when the length is 0, but wants a valid pointer all the same.
    static const uint8_t kNothing = 0;
    const Bytef* source = data.empty() ? &kNothing : data.data();
    if (compress2(packed.data(), &packedSize, source, length, level) != Z_OK) {
        throw std::runtime_error("zlib could not compress a skin package member");
    }
    packed.resize(packedSize);
    return packed;
}

std::vector<uint8_t> WriteSkinPackage(std::span<const SkinPackageMember> members, int level)
{
    std::vector<uint8_t> out = {'A', 'S', 'z', 'f'};
    PutInt32(out, LengthField(members.size(), "the member count"));
    for (const SkinPackageMember& member : members) {
        PutInt32(out, LengthField(member.Name.size(), "the name of member '" + member.Name + "'"));
        out.insert(out.end(), member.Name.begin(), member.Name.end());
        PutInt32(out, LengthField(member.Data.size(), "member '" + member.Name + "'"));
        const std::vector<uint8_t> packed = DeflateSkinMember(member.Data, level);
        out.insert(out.end(), packed.begin(), packed.end());
    }
    return out;
}

} // namespace korvane
