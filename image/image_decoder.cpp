#include "image/image_decoder.h"

#include "image/bmp_reader.h"
#include "image/jpeg_reader.h"
#include "image/png_reader.h"

namespace korvane {

DecodedImage DecodeImage(std::span<const uint8_t> data, std::string_view name)
{
    if (LooksLikeBmp(data)) {
        return ReadBmp(data, name);
    }
    if (LooksLikePng(data)) {
        return ReadPng(data, name);
    }
    if (LooksLikeJpeg(data)) {
        return ReadJpeg(data, name);
    }
    ThrowDamagedImage(name, "not a BMP, PNG or JPEG image");
}

} // namespace korvane
