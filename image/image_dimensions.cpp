#include "image/image_dimensions.h"

#include "image/bmp_reader.h"
#include "image/jpeg_reader.h"
#include "image/png_reader.h"

namespace korvane {

namespace {

uint32_t Little16(const uint8_t* p)
{
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8);
}

uint32_t Little32(const uint8_t* p)
{
    return Little16(p) | (Little16(p + 2) << 16);
}

uint32_t Big16(const uint8_t* p)
{
    return (static_cast<uint32_t>(p[0]) << 8) | p[1];
}

uint32_t Big32(const uint8_t* p)
{
    return (Big16(p) << 16) | Big16(p + 2);
}

std::optional<ImageDimensions> BmpDimensions(std::span<const uint8_t> data)
{
    if (data.size() < 14 + 12) {
        return std::nullopt;
    }
    const uint32_t headerSize = Little32(&data[14]);
    if (headerSize == 12) {
        // BITMAPCOREHEADER: 16-bit width and height.
        return ImageDimensions{Little16(&data[18]), Little16(&data[20])};
    }
    if (data.size() < 14 + 16) {
        return std::nullopt;
    }
    const auto height = static_cast<int32_t>(Little32(&data[22]));
    // A negative height marks a top-down bitmap.
    return ImageDimensions{static_cast<int32_t>(Little32(&data[18])), height < 0 ? -int64_t{height} : height};
}

std::optional<ImageDimensions> PngDimensions(std::span<const uint8_t> data)
{
    // Signature, then the IHDR chunk: length, type, width and height (big-endian).
    if (data.size() < 24 || data[12] != 'I' || data[13] != 'H' || data[14] != 'D' || data[15] != 'R') {
        return std::nullopt;
    }
    return ImageDimensions{Big32(&data[16]), Big32(&data[20])};
}

std::optional<ImageDimensions> JpegDimensions(std::span<const uint8_t> data)
{
    // Segments after the start-of-image marker, up to the first start-of-frame (SOF0..SOF15
    // but DHT, JPG and DAC), which holds the height and then the width.
    std::size_t at = 2;
    while (at + 4 <= data.size()) {
        if (data[at] != 0xFF) {
            return std::nullopt;
        }
        const uint8_t marker = data[at + 1];
        if (marker == 0xFF) {
            ++at; // fill byte
            continue;
        }
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            at += 2; // markers without a length
            continue;
        }
        const uint32_t length = Big16(&data[at + 2]);
        if (length < 2) {
            return std::nullopt;
        }
        const bool frame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (frame) {
            if (at + 9 > data.size()) {
                return std::nullopt;
            }
            return ImageDimensions{Big16(&data[at + 7]), Big16(&data[at + 5])};
        }
        at += 2 + length;
    }
    return std::nullopt;
}

} // namespace

std::optional<ImageDimensions> ReadImageDimensions(std::span<const uint8_t> data)
{
    if (LooksLikeBmp(data)) {
        return BmpDimensions(data);
    }
    if (LooksLikePng(data)) {
        return PngDimensions(data);
    }
    if (LooksLikeJpeg(data)) {
        return JpegDimensions(data);
    }
    return std::nullopt;
}

} // namespace korvane
