#include "support/screenshot.h"
#include "support/pump_messages.h"

#include <windows.h>

#include <png.h>

#include <cstdio>
#include <filesystem>
#include <vector>

namespace korvane::test {

namespace {

// Writes top-down 32-bit BGRX rows as an RGB PNG.
bool WritePng(const std::filesystem::path& path, int width, int height, const std::vector<unsigned char>& bgrx)
{
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (!file)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    bool ok = false;
    if (png && info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                     PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<unsigned char> row(static_cast<std::size_t>(width) * 3);
        for (int y = 0; y < height; ++y) {
            const unsigned char* src = bgrx.data() + static_cast<std::size_t>(y) * width * 4;
            for (int x = 0; x < width; ++x) {
                row[x * 3 + 0] = src[x * 4 + 2];
                row[x * 3 + 1] = src[x * 4 + 1];
                row[x * 3 + 2] = src[x * 4 + 0];
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        ok = true;
    }
    png_destroy_write_struct(png ? &png : nullptr, info ? &info : nullptr);
    std::fclose(file);
    return ok;
}

} // namespace

std::string SaveScreenshot(const std::string& name)
{
    // Let pending paints reach the screen first.
    PumpMessages(20, 10);
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height; // top-down
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HBITMAP dib = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    std::vector<unsigned char> pixels;
    if (dib) {
        HGDIOBJ old = SelectObject(memory, dib);
        BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
        GdiFlush();
        const auto* begin = static_cast<const unsigned char*>(bits);
        pixels.assign(begin, begin + static_cast<std::size_t>(width) * height * 4);
        SelectObject(memory, old);
        DeleteObject(dib);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    if (pixels.empty())
        return {};

    const std::filesystem::path folder = KORVANE_SCREENSHOT_DIR;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    const std::filesystem::path file = folder / (name + ".png");
    return WritePng(file, width, height, pixels) ? file.string() : std::string();
}

} // namespace korvane::test
