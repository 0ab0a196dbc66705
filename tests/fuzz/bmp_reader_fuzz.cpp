// libFuzzer target: arbitrary bytes as a BMP picture of a skin. The reader either gives a
// picture of the declared size or throws ImageError; it never reads past the input or allocates
// beyond the picture budget.
#include <cstddef>
#include <cstdint>
#include <span>

#include "image/decoded_image.h"
#include "image/bmp_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::span<const uint8_t> bytes(data, size);
    (void)korvane::LooksLikeBmp(bytes);
    try {
        const korvane::DecodedImage image = korvane::ReadBmp(bytes, "fuzz.bmp");
        (void)image;
    } catch (const korvane::ImageError&) {
    }
    return 0;
}
