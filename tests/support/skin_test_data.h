#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "gfx/bitmap32.h"
#include "skin/skin_package_writer.h"

namespace korvane::test {

// A member of a test package: name and unpacked bytes.
using PackageMember = SkinPackageMember;

// zlib stream (RFC 1950) of the bytes.
std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data, int level = 6);
// An "ASzf" package of the members in order (the program's own package writer, at zlib's
// default level so that tests stay quick).
std::vector<uint8_t> MakePackage(const std::vector<PackageMember>& members);
std::vector<uint8_t> Bytes(const std::string& text);

// Uncompressed Windows bitmap files built byte by byte.
// 24 bits, bottom-up unless topDown; pixels given as 0x00RRGGBB row by row from the top.
std::vector<uint8_t> MakeBmp24(int width, int height, const std::vector<uint32_t>& pixels, bool topDown = false);
// 32 bits (BI_RGB), pixels 0xAARRGGBB from the top.
std::vector<uint8_t> MakeBmp32(int width, int height, const std::vector<uint32_t>& pixels, bool topDown = false);
// 1, 4 or 8 bits with the palette (0x00RRGGBB entries); indexes from the top.
std::vector<uint8_t> MakeBmpIndexed(int width, int height, int bits, const std::vector<uint32_t>& palette,
                                    const std::vector<uint8_t>& indexes, bool topDown = false);

// PNG through libpng: RGBA (pixels 0xAARRGGBB) or RGB without alpha (alpha ignored).
std::vector<uint8_t> MakePng(int width, int height, const std::vector<uint32_t>& pixels, bool withAlpha);
// Baseline JPEG through libjpeg of one flat colour (0x00RRGGBB), quality 100.
std::vector<uint8_t> MakeJpeg(int width, int height, uint32_t rgb);

// A fresh, empty temporary folder removed at destruction.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& Path() const { return m_path; }
    // Writes a file below the folder (creating subfolders) and returns its path.
    std::filesystem::path Write(const std::string& relative, const std::vector<uint8_t>& bytes) const;
    std::filesystem::path Write(const std::string& relative, const std::string& text) const;
    // The folder as a skin path with forward slashes and trailing separator.
    std::u16string SkinPath() const;

private:
    std::filesystem::path m_path;
};

} // namespace korvane::test
