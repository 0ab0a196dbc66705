#include "support/skin_test_data.h"

#include <png.h>

#include <atomic>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <random>
#include <stdexcept>

#include <jpeglib.h>

namespace korvane::test {

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v)
{
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::vector<uint8_t> BmpHeaders(int width, int height, int bits, uint32_t paletteEntries, uint32_t imageSize,
                                bool topDown)
{
    std::vector<uint8_t> out;
    const uint32_t offset = 14 + 40 + paletteEntries * 4;
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + imageSize);
    Put32(out, 0);
    Put32(out, offset);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(topDown ? -height : height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);
    Put32(out, imageSize);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, paletteEntries);
    Put32(out, 0);
    return out;
}

std::vector<uint8_t> MakeBmpDirect(int width, int height, int bits, const std::vector<uint32_t>& pixels, bool topDown)
{
    const uint32_t rowBytes = ((static_cast<uint32_t>(width) * bits + 31) / 32) * 4;
    std::vector<uint8_t> out = BmpHeaders(width, height, bits, 0, rowBytes * height, topDown);
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        std::vector<uint8_t> line;
        for (int x = 0; x < width; ++x) {
            const uint32_t p = pixels[static_cast<std::size_t>(y * width + x)];
            line.push_back(static_cast<uint8_t>(p));
            line.push_back(static_cast<uint8_t>(p >> 8));
            line.push_back(static_cast<uint8_t>(p >> 16));
            if (bits == 32) {
                line.push_back(static_cast<uint8_t>(p >> 24));
            }
        }
        line.resize(rowBytes, 0);
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

} // namespace

std::vector<uint8_t> Deflate(const std::vector<uint8_t>& data, int level)
{
    return DeflateSkinMember(data, level);
}

std::vector<uint8_t> MakePackage(const std::vector<PackageMember>& members)
{
    return WriteSkinPackage(members, 6);
}

std::vector<uint8_t> Bytes(const std::string& text)
{
    return std::vector<uint8_t>(text.begin(), text.end());
}

std::vector<uint8_t> MakeBmp24(int width, int height, const std::vector<uint32_t>& pixels, bool topDown)
{
    return MakeBmpDirect(width, height, 24, pixels, topDown);
}

std::vector<uint8_t> MakeBmp32(int width, int height, const std::vector<uint32_t>& pixels, bool topDown)
{
    return MakeBmpDirect(width, height, 32, pixels, topDown);
}

std::vector<uint8_t> MakeBmpIndexed(int width, int height, int bits, const std::vector<uint32_t>& palette,
                                    const std::vector<uint8_t>& indexes, bool topDown)
{
    const uint32_t rowBytes = ((static_cast<uint32_t>(width) * bits + 31) / 32) * 4;
    std::vector<uint8_t> out =
        BmpHeaders(width, height, bits, static_cast<uint32_t>(palette.size()), rowBytes * height, topDown);
    for (uint32_t c : palette) {
        Put32(out, c & 0xFFFFFF);
    }
    for (int row = 0; row < height; ++row) {
        const int y = topDown ? row : height - 1 - row;
        std::vector<uint8_t> line(rowBytes, 0);
        for (int x = 0; x < width; ++x) {
            const uint8_t index = indexes[static_cast<std::size_t>(y * width + x)];
            const int bit = x * bits;
            line[static_cast<std::size_t>(bit / 8)] |= static_cast<uint8_t>(index << (8 - bits - bit % 8));
        }
        out.insert(out.end(), line.begin(), line.end());
    }
    return out;
}

std::vector<uint8_t> MakePng(int width, int height, const std::vector<uint32_t>& pixels, bool withAlpha)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = withAlpha ? PNG_FORMAT_BGRA : PNG_FORMAT_BGR;
    std::vector<uint8_t> raw;
    for (uint32_t p : pixels) {
        raw.push_back(static_cast<uint8_t>(p));
        raw.push_back(static_cast<uint8_t>(p >> 8));
        raw.push_back(static_cast<uint8_t>(p >> 16));
        if (withAlpha) {
            raw.push_back(static_cast<uint8_t>(p >> 24));
        }
    }
    png_alloc_size_t size = 0;
    if (!png_image_write_to_memory(&image, nullptr, &size, 0, raw.data(), 0, nullptr)) {
        throw std::runtime_error(image.message);
    }
    std::vector<uint8_t> out(size);
    if (!png_image_write_to_memory(&image, out.data(), &size, 0, raw.data(), 0, nullptr)) {
        throw std::runtime_error(image.message);
    }
    out.resize(size);
    return out;
}

std::vector<uint8_t> MakeJpeg(int width, int height, uint32_t rgb)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = static_cast<JDIMENSION>(width);
    info.image_height = static_cast<JDIMENSION>(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 100, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<std::size_t>(width) * 3);
    for (int x = 0; x < width; ++x) {
        row[static_cast<std::size_t>(x) * 3] = static_cast<uint8_t>(rgb >> 16);
        row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<uint8_t>(rgb >> 8);
        row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<uint8_t>(rgb);
    }
    while (info.next_scanline < info.image_height) {
        JSAMPROW rows[1] = {row.data()};
        jpeg_write_scanlines(&info, rows, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    jpeg_destroy_compress(&info);
    std::free(buffer);
    return out;
}

TempFolder::TempFolder()
{
    static std::atomic<int> counter{0};
    std::random_device seed;
    m_path = std::filesystem::temp_directory_path() /
             ("korvane-skin-test-" + std::to_string(seed()) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(m_path);
}

TempFolder::~TempFolder()
{
    std::error_code ec;
    std::filesystem::remove_all(m_path, ec);
}

std::filesystem::path TempFolder::Write(const std::string& relative, const std::vector<uint8_t>& bytes) const
{
    const std::filesystem::path file = m_path / relative;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return file;
}

std::filesystem::path TempFolder::Write(const std::string& relative, const std::string& text) const
{
    return Write(relative, Bytes(text));
}

std::u16string TempFolder::SkinPath() const
{
    std::u16string text = m_path.u16string();
    if (text.empty() || (text.back() != u'/' && text.back() != u'\\')) {
        text.push_back(u'\\');
    }
    return text;
}

} // namespace korvane::test
