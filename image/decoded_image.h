#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

#include "gfx/bitmap32.h"

namespace korvane {

// Raised for an image that cannot be decoded; the message names the image.
class ImageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A decoded picture: pixels in a 32-bit bitmap, and how many bits per pixel the source had.
// Pictures of fewer than 32 bits per pixel come out with alpha 0 in every pixel.
enum class ImageFormat { Bmp, Png, Jpeg };

struct DecodedImage {
    Bitmap32 Bitmap;
    int BitsPerPixel = 0;
    ImageFormat Format = ImageFormat::Bmp;
};

// Largest picture accepted, so that a damaged header cannot ask for gigabytes.
inline constexpr int64_t kMaxImagePixels = 64LL * 1024 * 1024;
inline constexpr int kMaxImageSide = 32768;

// Throws ImageError("Damaged image '<name>': <detail>").
[[noreturn]] void ThrowDamagedImage(std::string_view name, std::string_view detail);
// Checks the picture size against the limits above (throws for a bad size).
void CheckImageSize(std::string_view name, int64_t width, int64_t height);

// Turns a picture of fewer than 32 bits into a skin bitmap: every pixel becomes opaque
// (alpha 255) except those whose whole value is 0x00FF00FF, the transparent key, which keep
// alpha 0.
void MakeOpaqueExceptKey(Bitmap32& bitmap);
// Sets every fully transparent white pixel (alpha 0, red, green, blue 255) to 0: PNG editors
// store cleared pixels as white, which would otherwise bleed into stretched glows.
void ClearTransparentWhite(Bitmap32& bitmap);

} // namespace korvane
