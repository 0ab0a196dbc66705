#pragma once

// The fixed pictures the fuzzed options of a skin may name: a master bitmap of our skin's size
// with key-coloured pixels, glow PNGs with alpha, a small bitmap and a JPEG.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "support/skin_test_data.h"

namespace korvane::fuzz {

inline std::vector<uint8_t> PatternBmp(int w, int h)
{
    std::vector<uint32_t> pixels(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = i % 7 == 0 ? 0xFF00FFu : static_cast<uint32_t>(i * 0x010203u) & 0xFFFFFFu;
    }
    return test::MakeBmp24(w, h, pixels);
}

inline std::vector<uint8_t> GlowPng(int size)
{
    std::vector<uint32_t> pixels(static_cast<std::size_t>(size) * size);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = (static_cast<uint32_t>(i * 37 % 256) << 24) | 0x00FFD080u;
    }
    return test::MakePng(size, size, pixels, true);
}

// The members besides Options.dat, under the names our skin and the seeds use.
inline const std::vector<test::PackageMember>& PictureMembers()
{
    static const std::vector<test::PackageMember> members = {
        {"MASTER.BMP", PatternBmp(256, 285)}, {"GLOW.PNG", GlowPng(17)},
        {"GLOWCLOSE.PNG", GlowPng(21)},       {"GLOWTITLE.PNG", GlowPng(21)},
        {"Frame.bmp", PatternBmp(9, 6)},      {"Back.jpg", test::MakeJpeg(8, 8, 0x406080)},
    };
    return members;
}

// A package of the options text and the fixed pictures. The pictures' members are packed once:
// a package is the marker, the member count and the members one after the other, so the options
// member is packed alone and the pictures' bytes are appended.
inline std::vector<uint8_t> PackageWithOptions(const uint8_t* options, std::size_t size)
{
    static const std::vector<uint8_t> pictures = [] {
        const std::vector<uint8_t> whole = test::MakePackage(PictureMembers());
        return std::vector<uint8_t>(whole.begin() + 8, whole.end());
    }();
    std::vector<uint8_t> package = test::MakePackage({{"Options.dat", std::vector<uint8_t>(options, options + size)}});
    const uint32_t count = static_cast<uint32_t>(PictureMembers().size()) + 1;
    for (int i = 0; i < 4; ++i) {
        package[static_cast<std::size_t>(4 + i)] = static_cast<uint8_t>(count >> (8 * i));
    }
    package.insert(package.end(), pictures.begin(), pictures.end());
    return package;
}

} // namespace korvane::fuzz
