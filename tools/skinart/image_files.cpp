#include "tools/skinart/image_files.h"

#include <png.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <stdexcept>
#include <vector>

namespace korvane {

namespace {

void PutU16(std::vector<uint8_t>& out, uint32_t value)
{
    out.push_back(static_cast<uint8_t>(value));
    out.push_back(static_cast<uint8_t>(value >> 8));
}

void PutU32(std::vector<uint8_t>& out, uint32_t value)
{
    PutU16(out, value & 0xFFFF);
    PutU16(out, value >> 16);
}

} // namespace

void WriteBmp24(const std::string& path, const Raster& picture)
{
    const uint32_t rowBytes = (static_cast<uint32_t>(picture.width) * 3 + 3) & ~3u;
    const uint32_t imageBytes = rowBytes * static_cast<uint32_t>(picture.height);
    const uint32_t headerBytes = 14 + 40;
    std::vector<uint8_t> out;
    out.reserve(headerBytes + imageBytes);
    out.push_back('B');
    out.push_back('M');
    PutU32(out, headerBytes + imageBytes);
    PutU32(out, 0);
    PutU32(out, headerBytes);
    PutU32(out, 40); // BITMAPINFOHEADER
    PutU32(out, static_cast<uint32_t>(picture.width));
    PutU32(out, static_cast<uint32_t>(picture.height)); // positive: bottom-up rows
    PutU16(out, 1);                                     // planes
    PutU16(out, 24);                                    // bits per pixel
    PutU32(out, 0);                                     // BI_RGB
    PutU32(out, imageBytes);
    PutU32(out, 2835); // 72 dpi
    PutU32(out, 2835);
    PutU32(out, 0);
    PutU32(out, 0);
    for (int y = picture.height - 1; y >= 0; --y) {
        for (int x = 0; x < picture.width; ++x) {
            const uint8_t* p = picture.At(x, y);
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (uint32_t pad = static_cast<uint32_t>(picture.width) * 3; pad < rowBytes; ++pad) {
            out.push_back(0);
        }
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

namespace {

// The libpng calls, kept apart from every C++ object because libpng reports errors by longjmp.
bool WritePngRows(FILE* file, png_uint_32 width, png_uint_32 height, png_bytep* rows)
{
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    if (!png) {
        return false;
    }
    png_infop info = png_create_info_struct(png);
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, info ? &info : nullptr);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, width, height, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return true;
}

} // namespace

void WritePngRgba(const std::string& path, const Raster& picture)
{
    std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "wb"), &std::fclose);
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    std::vector<png_bytep> rows(static_cast<size_t>(picture.height));
    for (int y = 0; y < picture.height; ++y) {
        rows[static_cast<size_t>(y)] = const_cast<png_bytep>(picture.At(0, y));
    }
    if (!WritePngRows(file.get(), static_cast<png_uint_32>(picture.width), static_cast<png_uint_32>(picture.height),
                      rows.data())) {
        throw std::runtime_error("libpng failed writing " + path);
    }
}

} // namespace korvane
