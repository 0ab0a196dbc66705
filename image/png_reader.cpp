#include "image/png_reader.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <string>

namespace korvane {

namespace {

// Frees the simplified-API state on every path, including errors.
class PngImage {
public:
    PngImage()
    {
        std::memset(&m_image, 0, sizeof(m_image));
        m_image.version = PNG_IMAGE_VERSION;
    }
    ~PngImage() { png_image_free(&m_image); }
    PngImage(const PngImage&) = delete;
    PngImage& operator=(const PngImage&) = delete;

    png_image& Get() { return m_image; }

private:
    png_image m_image;
};

// Walks the chunks up to IEND and refuses one that claims more bytes than the file has left:
// libpng allocates a chunk's declared length before reading it, so a few bytes declaring a text
// chunk of 1.8 GB would cost that much memory before the read fails.
void CheckChunkLengths(std::span<const uint8_t> data, std::string_view name)
{
    std::size_t position = 8;
    while (position + 8 <= data.size()) {
        const uint8_t* chunk = data.data() + position;
        const std::uint64_t length = (std::uint64_t{chunk[0]} << 24) | (std::uint64_t{chunk[1]} << 16) |
                                     (std::uint64_t{chunk[2]} << 8) | std::uint64_t{chunk[3]};
        const std::string type(reinterpret_cast<const char*>(chunk + 4), 4);
        if (length > data.size() - position - 8) {
            ThrowDamagedImage(name,
                              "chunk " + type + " of " + std::to_string(length) + " bytes is longer than the file");
        }
        if (type == "IEND") {
            return;
        }
        position += 12 + static_cast<std::size_t>(length);
    }
}

} // namespace

bool LooksLikePng(std::span<const uint8_t> data)
{
    static const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    return data.size() >= 8 && std::memcmp(data.data(), kSignature, 8) == 0;
}

DecodedImage ReadPng(std::span<const uint8_t> data, std::string_view name)
{
    if (!LooksLikePng(data)) {
        ThrowDamagedImage(name, "not a PNG image");
    }
    CheckChunkLengths(data, name);
    PngImage holder;
    png_image& image = holder.Get();
    if (!png_image_begin_read_from_memory(&image, data.data(), data.size())) {
        ThrowDamagedImage(name, image.message);
    }
    CheckImageSize(name, image.width, image.height);
    const bool hasAlpha = (image.format & PNG_FORMAT_FLAG_ALPHA) != 0;
    image.format = PNG_FORMAT_BGRA;
    DecodedImage result;
    result.Bitmap = Bitmap32(static_cast<int>(image.width), static_cast<int>(image.height));
    if (!png_image_finish_read(&image, nullptr, result.Bitmap.Bits(), result.Bitmap.Stride(), nullptr)) {
        ThrowDamagedImage(name, image.message);
    }
    result.BitsPerPixel = hasAlpha ? 32 : 24;
    result.Format = ImageFormat::Png;
    if (!hasAlpha) {
        for (int y = 0; y < result.Bitmap.Height(); ++y) {
            uint32_t* row = result.Bitmap.Row(y);
            for (int x = 0; x < result.Bitmap.Width(); ++x) {
                row[x] &= 0x00FFFFFFu;
            }
        }
    }
    return result;
}

} // namespace korvane
