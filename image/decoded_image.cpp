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
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (row[x] != 0x00FF00FFu) {
                row[x] |= 0xFF000000u;
            }
        }
    }
}

void ClearTransparentWhite(Bitmap32& bitmap)
{
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (row[x] == 0x00FFFFFFu) {
                row[x] = 0;
            }
        }
    }
}

} // namespace korvane
