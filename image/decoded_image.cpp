#include "image/decoded_image.h"

namespace korvane {

void ThrowDamagedImage(std::string_view name, std::string_view detail)
{
    throw ImageError("Damaged image '" + std::string(name) + "': " + std::string(detail));
}

void CheckImageSize(std::string_view name, int64_t width, int64_t height)
{
    if (width <= 0 || height <= 0) {
        ThrowDamagedImage(name, "the picture size " + std::to_string(width) + " x " + std::to_string(height) +
                                    " is not valid");
    }
    if (width > kMaxImageSide || height > kMaxImageSide || width * height > kMaxImagePixels) {
        ThrowDamagedImage(name, "the picture size " + std::to_string(width) + " x " + std::to_string(height) +
                                    " is too large");
    }
}

void MakeOpaqueExceptKey(Bitmap32& bitmap)
{
    // The width in a local and the pixel test as a select, so that the compiler can do several
    // pixels at a time.
    const int width = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = row[x];
            row[x] = pixel == 0x00FF00FFu ? pixel : pixel | 0xFF000000u;
        }
    }
}

void ClearTransparentWhite(Bitmap32& bitmap)
{
    const int width = bitmap.Width();
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = row[x];
            row[x] = pixel == 0x00FFFFFFu ? 0 : pixel;
        }
    }
}

} // namespace korvane
