#include "image/jpeg_reader.h"

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>

namespace korvane {

namespace {

struct JpegErrorManager {
    jpeg_error_mgr Base;
    std::jmp_buf Jump;
    char Message[JMSG_LENGTH_MAX];
};

void OnJpegError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->Message);
    std::longjmp(manager->Jump, 1);
}

void OnJpegMessage(j_common_ptr, int)
{
    // Warnings about recoverable damage are not printed; the picture is used as decoded.
}

// Runs the decoder; returns false with the library's message on failure. No C++ object with a
// destructor is created between setjmp and a possible longjmp in this function.
bool DecodeJpeg(std::span<const uint8_t> data, Bitmap32& out, int& width, int& height, std::vector<uint8_t>& row,
                char* message)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.Base);
    errors.Base.error_exit = OnJpegError;
    errors.Base.emit_message = OnJpegMessage;
    errors.Message[0] = '\0';
    jpeg_create_decompress(&info);
    if (setjmp(errors.Jump) != 0) {
        std::strncpy(message, errors.Message, JMSG_LENGTH_MAX - 1);
        message[JMSG_LENGTH_MAX - 1] = '\0';
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_mem_src(&info, const_cast<unsigned char*>(data.data()), static_cast<unsigned long>(data.size()));
    jpeg_read_header(&info, TRUE);
    width = static_cast<int>(info.image_width);
    height = static_cast<int>(info.image_height);
    if (info.image_width == 0 || info.image_height == 0 || info.image_width > static_cast<unsigned>(kMaxImageSide) ||
        info.image_height > static_cast<unsigned>(kMaxImageSide) ||
        static_cast<int64_t>(info.image_width) * info.image_height > kMaxImagePixels) {
        std::snprintf(message, JMSG_LENGTH_MAX, "the picture size %u x %u is not accepted", info.image_width,
                      info.image_height);
        jpeg_destroy_decompress(&info);
        return false;
    }
    info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        std::snprintf(message, JMSG_LENGTH_MAX, "colour space with %d components is not supported",
                      info.output_components);
        jpeg_destroy_decompress(&info);
        return false;
    }
    out.Resize(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    row.resize(static_cast<std::size_t>(info.output_width) * 3);
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW rows[1] = {row.data()};
        jpeg_read_scanlines(&info, rows, 1);
        uint32_t* dst = out.Row(y);
        for (unsigned x = 0; x < info.output_width; ++x) {
            const uint8_t* p = row.data() + x * 3;
            dst[x] = (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2];
        }
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

} // namespace

bool LooksLikeJpeg(std::span<const uint8_t> data)
{
    return data.size() >= 3 && data[0] == 0xFF && data[1] == 0xD8 && data[2] == 0xFF;
}

DecodedImage ReadJpeg(std::span<const uint8_t> data, std::string_view name)
{
    if (!LooksLikeJpeg(data)) {
        ThrowDamagedImage(name, "not a JPEG image");
    }
    DecodedImage result;
    std::vector<uint8_t> row;
    char message[JMSG_LENGTH_MAX] = {};
    int width = 0;
    int height = 0;
    if (!DecodeJpeg(data, result.Bitmap, width, height, row, message)) {
        ThrowDamagedImage(name, message);
    }
    result.BitsPerPixel = 24;
    result.Format = ImageFormat::Jpeg;
    return result;
}

} // namespace korvane
