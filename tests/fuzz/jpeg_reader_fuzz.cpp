// libFuzzer target: arbitrary bytes as a JPEG picture of a skin. The reader either gives a
// picture of the declared size or throws ImageError; it never reads past the input or allocates
// beyond the picture budget.
#include <cstddef>
#include <cstdint>
#include <span>

#include "fuzzed_picture_size.h"
#include "image/decoded_image.h"
#include "image/image_dimensions.h"
#include "image/jpeg_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    (void)korvane::LooksLikeJpeg(bytes);
    if (korvane::fuzz::TooLargeToFuzz(bytes)) {
        return 0;
    }
    try {
        const korvane::DecodedImage image = korvane::ReadJpeg(bytes, "fuzz.jpeg");
        (void)image;
    } catch (const korvane::ImageError&) {
    }
    return 0;
}
