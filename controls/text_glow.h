#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "gfx/bitmap_view.h"

namespace korvane {

// A view of an 8-bit grey image: one byte per pixel, rows Stride bytes apart (negative for the
// bottom-up rows of a DIB section).
struct GreyView {
    std::uint8_t* Data = nullptr;
    int Width = 0;
    int Height = 0;
    std::ptrdiff_t Stride = 0;

    bool IsEmpty() const { return Data == nullptr || Width <= 0 || Height <= 0; }
    std::uint8_t* Row(int y) const { return Data + Stride * y; }
};

// The part of the face a text glow works on: the text rectangle grown by glowSize + 4 on every
// side. Its size is the size of the work image.
PixelRect GlowWorkArea(PixelRect textRect, int glowSize);

// The 8-bit work image a control keeps between its text glows. The base keeps its pixels in
// memory of its own; a derived class may keep them in an 8-bit DIB section with a grey palette,
// so that GDI can draw the text into it.
class GlowWorkImage {
public:
    GlowWorkImage() = default;
    GlowWorkImage(const GlowWorkImage&) = delete;
    GlowWorkImage& operator=(const GlowWorkImage&) = delete;
    virtual ~GlowWorkImage() = default;

    // Readies the image for a glow over `area` (a GlowWorkArea): the storage is kept while it is
    // at least as wide and as high as the area, else grown to fit it; the area-sized part at the
    // storage's top-left is filled white and returned. Its pixel (0, 0) lies at the area's
    // top-left. An empty area gives an empty view.
    GreyView Prepare(PixelRect area);
    // The whole storage.
    const GreyView& Storage() const { return m_storage; }

protected:
    // New storage of width x height pixels in place of the old; the base allocates memory.
    virtual GreyView Allocate(int width, int height);

private:
    GreyView m_storage;
    std::vector<std::uint8_t> m_pixels;
};

// A Gaussian blur kernel in 16-bit fixed point: Weights[k] is the weight of the offsets -k and +k,
// k = 0 .. Radius; the 2 * Radius + 1 taps sum to exactly 65536, so white stays white.
struct GlowKernel {
    int Radius = 0;
    std::vector<std::uint32_t> Weights;
};

// The kernel of a text glow of the given sigma: 201 taps of exp(-k^2 / (2 sigma^2)) normalised to
// 1, cut on both sides beyond the first offset whose outer tail weighs less than 1/510, and the
// taps kept normalised to 1 again. A sigma below 1 gives the single tap of no blur.
GlowKernel MakeGlowKernel(int sigma);

// Blurs the image in place with the kernel, rows first, then columns, each pass rounded to 8 bits
// (half up). Pixels beyond the image count as white (255), the colour the work image is filled with.
void BlurGrey(const GreyView& image, const GlowKernel& kernel);

// Changes the face under every work pixel m below 255 toward the glow colour (0x00BBGGRR); work
// pixel (0, 0) lies over face pixel (x, y), and work pixels off the face are skipped.
void CompositeGlow(const BitmapView& face, int x, int y, const GreyView& work, std::uint32_t glowColor);

// The pixel part of a text glow: blurs the work image (its text drawn black on white) with sigma
// glowSize and composites it over the face with its pixel (0, 0) at face pixel (x, y). A glow
// size of 0 draws no halo and leaves face and work image alone.
void PaintTextGlowPixels(const BitmapView& face, int x, int y, const GreyView& work, int glowSize,
                         std::uint32_t glowColor);

} // namespace korvane
