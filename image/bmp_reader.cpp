#include "image/bmp_reader.h"

#include <array>
#include <bit>
#include <string>
#include <vector>

namespace korvane {

namespace {

constexpr uint32_t kBiRgb = 0;
constexpr uint32_t kBiBitfields = 3;

uint32_t Read16(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8);
}

uint32_t Read32(const uint8_t* p)
{
    return Read16(p) | (Read16(p + 2) << 16);
}

// Extracts the channel selected by mask from a pixel value and scales it to 8 bits.
uint32_t Channel(uint32_t value, uint32_t mask)
{
    if (mask == 0) {
        return 0;
    }
    const int shift = std::countr_zero(mask);
    const int bits = std::popcount(mask);
    uint32_t v = (value & mask) >> shift;
    if (bits >= 8) {
        return v >> (bits - 8);
    }
    return (v * 255 + ((1u << bits) - 1) / 2) / ((1u << bits) - 1);
}

} // namespace

bool LooksLikeBmp(std::span<const uint8_t> data)
{
    return data.size() >= 2 && data[0] == 'B' && data[1] == 'M';
}

DecodedImage ReadBmp(std::span<const uint8_t> data, std::string_view name)
{
    if (!LooksLikeBmp(data) || data.size() < 14 + 12) {
        ThrowDamagedImage(name, "not a bitmap file");
    }
    const uint32_t pixelOffset = Read32(&data[10]);
    const uint32_t headerSize = Read32(&data[14]);
    if (headerSize < 12 || headerSize > data.size() - 14) {
        ThrowDamagedImage(name, "the bitmap header is cut off");
    }
    int64_t width = 0;
    int64_t height = 0;
    uint32_t bitCount = 0;
    uint32_t compression = kBiRgb;
    uint32_t colorsUsed = 0;
    std::size_t paletteEntrySize = 4;
    const uint8_t* h = &data[14];
    if (headerSize == 12) {
        // BITMAPCOREHEADER: 16-bit sizes, 3-byte palette entries.
        width = static_cast<int16_t>(Read16(h + 4));
        height = static_cast<int16_t>(Read16(h + 6));
        bitCount = Read16(h + 10);
        paletteEntrySize = 3;
    } else {
        if (headerSize < 40) {
            ThrowDamagedImage(name, "the bitmap header is cut off");
        }
        width = static_cast<int32_t>(Read32(h + 4));
        height = static_cast<int32_t>(Read32(h + 8));
        bitCount = Read16(h + 14);
        compression = Read32(h + 16);
        colorsUsed = Read32(h + 32);
    }
    const bool topDown = height < 0;
    if (topDown) {
        height = -height;
    }
    CheckImageSize(name, width, height);
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 24 && bitCount != 32) {
        ThrowDamagedImage(name, std::to_string(bitCount) + " bits per pixel are not supported");
    }
    uint32_t masks[4] = {0x00FF0000u, 0x0000FF00u, 0x000000FFu, 0xFF000000u};
    bool useMasks = false;
    if (compression == kBiBitfields && bitCount == 32) {
        // The three masks follow a 40-byte header, or lie inside a V2..V5 header.
        const std::size_t maskPos = 14 + 40;
        if (data.size() < maskPos + 12) {
            ThrowDamagedImage(name, "the colour masks are cut off");
        }
        masks[0] = Read32(&data[maskPos]);
        masks[1] = Read32(&data[maskPos + 4]);
        masks[2] = Read32(&data[maskPos + 8]);
        masks[3] = headerSize >= 56 && data.size() >= maskPos + 16 ? Read32(&data[maskPos + 12]) : 0;
        useMasks = true;
    } else if (compression != kBiRgb) {
        ThrowDamagedImage(name, "compressed bitmaps are not supported");
    }

    std::vector<uint32_t> palette;
    if (bitCount <= 8) {
        const uint32_t maxColors = 1u << bitCount;
        const uint32_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
        std::size_t paletteStart = 14 + headerSize;
        if (compression == kBiBitfields) {
            paletteStart += 12;
        }
        palette.assign(maxColors, 0);
        for (uint32_t i = 0; i < count; ++i) {
            const std::size_t at = paletteStart + i * paletteEntrySize;
            if (at + 3 > data.size()) {
                ThrowDamagedImage(name, "the palette is cut off");
            }
            palette[i] = static_cast<uint32_t>(data[at]) | (static_cast<uint32_t>(data[at + 1]) << 8) |
                         (static_cast<uint32_t>(data[at + 2]) << 16);
        }
    }

    const uint64_t rowBytes = ((static_cast<uint64_t>(width) * bitCount + 31) / 32) * 4;
    const uint64_t needed = rowBytes * static_cast<uint64_t>(height);
    if (pixelOffset > data.size() || needed > data.size() - pixelOffset) {
        ThrowDamagedImage(name, "the pixel data is cut off");
    }

    DecodedImage result;
    result.BitsPerPixel = static_cast<int>(bitCount);
    result.Bitmap = Bitmap32(static_cast<int>(width), static_cast<int>(height));
    const int w = static_cast<int>(width);
    for (int y = 0; y < static_cast<int>(height); ++y) {
        const int fileRow = topDown ? y : static_cast<int>(height) - 1 - y;
        const uint8_t* src = data.data() + pixelOffset + rowBytes * static_cast<uint64_t>(fileRow);
        uint32_t* dst = result.Bitmap.Row(y);
        switch (bitCount) {
        case 1:
            for (int x = 0; x < w; ++x) {
                dst[x] = palette[(src[x >> 3] >> (7 - (x & 7))) & 1];
            }
            break;
        case 4:
            for (int x = 0; x < w; ++x) {
                dst[x] = palette[(src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F];
            }
            break;
        case 8:
            for (int x = 0; x < w; ++x) {
                dst[x] = palette[src[x]];
            }
            break;
        case 24:
            for (int x = 0; x < w; ++x) {
                const uint8_t* p = src + x * 3;
                dst[x] = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                         (static_cast<uint32_t>(p[2]) << 16);
            }
            break;
        default:
            for (int x = 0; x < w; ++x) {
                const uint32_t v = Read32(src + x * 4);
                if (!useMasks) {
                    dst[x] = v;
                } else {
                    dst[x] = Channel(v, masks[2]) | (Channel(v, masks[1]) << 8) | (Channel(v, masks[0]) << 16) |
                             (Channel(v, masks[3]) << 24);
                }
            }
            break;
        }
    }
    return result;
}

} // namespace korvane
