#include "controls/text_glow.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "gfx/colors.h"

namespace korvane {
namespace {

constexpr int kKernelHalfTaps = 100;       // 201 taps: offsets -100 .. 100
constexpr double kTailLimit = 1.0 / 510;   // half a grey level of 255
constexpr std::uint32_t kFixedOne = 65536; // 16-bit fixed point
constexpr std::uint32_t kFixedHalf = kFixedOne / 2;

// The loops of one blur pass. They run over whole blocks of kBlock pixels, the arrays padded
// to match, and never overlap, so that the compiler can vectorise them at any optimisation level.
constexpr int kBlock = 16;

int BlockedLength(int n)
{
    return (n + kBlock - 1) / kBlock * kBlock;
}

// sums = weight * centre
void StartSums(std::uint32_t* __restrict sums, const std::uint8_t* __restrict centre, std::uint32_t weight, int n)
{
    for (int x = 0; x < n; x += kBlock) {
        for (int i = 0; i < kBlock; ++i) {
            sums[x + i] = weight * centre[x + i];
        }
    }
}

// sums += weight * (before + after)
void AddPairs(std::uint32_t* __restrict sums, const std::uint8_t* __restrict before,
              const std::uint8_t* __restrict after, std::uint32_t weight, int n)
{
    for (int x = 0; x < n; x += kBlock) {
        for (int i = 0; i < kBlock; ++i) {
            sums[x + i] += weight * (static_cast<std::uint32_t>(before[x + i]) + after[x + i]);
        }
    }
}

// v = (sum + 1/2) >> 16
void RoundSums(std::uint8_t* __restrict out, const std::uint32_t* __restrict sums, int n)
{
    for (int x = 0; x < n; x += kBlock) {
        for (int i = 0; i < kBlock; ++i) {
            out[x + i] = static_cast<std::uint8_t>((sums[x + i] + kFixedHalf) >> 16);
        }
    }
}

} // namespace

PixelRect GlowWorkArea(PixelRect textRect, int glowSize)
{
    const int grow = glowSize + 4;
    return {textRect.Left - grow, textRect.Top - grow, textRect.Right + grow, textRect.Bottom + grow};
}

GreyView GlowWorkImage::Prepare(PixelRect area)
{
    const int width = area.Width();
    const int height = area.Height();
    if (width <= 0 || height <= 0) {
        return {};
    }
    if (m_storage.IsEmpty() || m_storage.Width < width || m_storage.Height < height) {
        m_storage = Allocate(std::max(width, m_storage.Width), std::max(height, m_storage.Height));
    }
    const GreyView part{m_storage.Data, width, height, m_storage.Stride};
    for (int y = 0; y < height; ++y) {
        std::memset(part.Row(y), 255, static_cast<std::size_t>(width));
    }
    return part;
}

GreyView GlowWorkImage::Allocate(int width, int height)
{
    m_pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 255);
    return GreyView{m_pixels.data(), width, height, width};
}

GlowKernel MakeGlowKernel(int sigma)
{
    GlowKernel kernel;
    if (sigma < 1) {
        kernel.Weights = {kFixedOne};
        return kernel;
    }
    // One side of the symmetric kernel, offsets 0 .. 100, normalised over all 201 taps.
    std::array<double, kKernelHalfTaps + 1> side{};
    const double twoSigmaSquared = 2.0 * sigma * sigma;
    double total = 0;
    for (int k = 0; k <= kKernelHalfTaps; ++k) {
        side[k] = std::exp(-(static_cast<double>(k) * k) / twoSigmaSquared);
        total += k == 0 ? side[k] : 2 * side[k];
        // The taps further out weigh less than the rounding of the total: leave them 0.
        if (side[k] < 1e-20) {
            break;
        }
    }
    for (double& weight : side) {
        weight /= total;
    }
    // The smallest radius whose outer tail (one side) weighs less than the limit.
    int radius = kKernelHalfTaps;
    double tail = 0;
    for (int r = kKernelHalfTaps; r >= 0; --r) {
        if (tail >= kTailLimit) {
            break;
        }
        radius = r;
        tail += side[r];
    }
    // The taps kept are normalised to 1 again: cut off, the tails would darken white by up to a
    // grey level, and every white work pixel would tint the face.
    double kept = side[0];
    for (int k = 1; k <= radius; ++k) {
        kept += 2 * side[k];
    }
    kernel.Radius = radius;
    kernel.Weights.assign(static_cast<std::size_t>(radius) + 1, 0);
    std::uint32_t outer = 0;
    for (int k = 1; k <= radius; ++k) {
        kernel.Weights[k] = static_cast<std::uint32_t>(std::lround(side[k] / kept * kFixedOne));
        outer += 2 * kernel.Weights[k];
    }
    // The centre takes what rounding left over, so the taps sum to exactly one.
    kernel.Weights[0] = kFixedOne - outer;
    return kernel;
}

void BlurGrey(const GreyView& image, const GlowKernel& kernel)
{
    const int radius = kernel.Radius;
    if (image.IsEmpty() || radius <= 0) {
        return;
    }
    const int width = image.Width;
    const int height = image.Height;
    const int blocked = BlockedLength(width);
    const std::size_t stride = static_cast<std::size_t>(blocked);
    const std::uint32_t* weights = kernel.Weights.data();
    std::vector<std::uint32_t> sums(stride);
    std::vector<std::uint8_t> out(stride);

    // Rows: each row padded with white on both sides, the horizontal pass kept in `rows`.
    std::vector<std::uint8_t> line(stride + 2 * static_cast<std::size_t>(radius), 255);
    std::vector<std::uint8_t> rows(stride * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::memcpy(line.data() + radius, image.Row(y), static_cast<std::size_t>(width));
        const std::uint8_t* centre = line.data() + radius;
        StartSums(sums.data(), centre, weights[0], blocked);
        for (int k = 1; k <= radius; ++k) {
            AddPairs(sums.data(), centre - k, centre + k, weights[k], blocked);
        }
        RoundSums(rows.data() + stride * y, sums.data(), blocked);
    }

    // Columns: rows above and below the image are white.
    const std::vector<std::uint8_t> white(stride, 255);
    auto rowAt = [&](int y) { return y < 0 || y >= height ? white.data() : rows.data() + stride * y; };
    for (int y = 0; y < height; ++y) {
        StartSums(sums.data(), rowAt(y), weights[0], blocked);
        for (int k = 1; k <= radius; ++k) {
            AddPairs(sums.data(), rowAt(y - k), rowAt(y + k), weights[k], blocked);
        }
        RoundSums(out.data(), sums.data(), blocked);
        std::memcpy(image.Row(y), out.data(), static_cast<std::size_t>(width));
    }
}

void CompositeGlow(const BitmapView& face, int x, int y, const GreyView& work, std::uint32_t glowColor)
{
    if (face.IsEmpty() || work.IsEmpty()) {
        return;
    }
    const int left = std::max(0, -x);
    const int top = std::max(0, -y);
    const int right = std::min(work.Width, face.Width - x);
    const int bottom = std::min(work.Height, face.Height - y);
    if (left >= right || top >= bottom) {
        return;
    }
    const int gb = static_cast<int>(BlueOf(glowColor));
    const int gg = static_cast<int>(GreenOf(glowColor));
    const int gr = static_cast<int>(RedOf(glowColor));
    for (int row = top; row < bottom; ++row) {
        const std::uint8_t* mask = work.Row(row);
        std::uint32_t* pixels = face.Row(y + row) + x;
        for (int col = left; col < right; ++col) {
            const int m = mask[col];
            if (m == 255) {
                continue;
            }
            const std::uint32_t d = pixels[col];
            const int db = static_cast<int>(d & 0xFF);
            const int dg = static_cast<int>((d >> 8) & 0xFF);
            const int dr = static_cast<int>((d >> 16) & 0xFF);
            const int da = static_cast<int>(d >> 24);
            // c = g + (d - g) * m / 255
            const int b = gb + (db - gb) * m / 255;
            const int g = gg + (dg - gg) * m / 255;
            const int r = gr + (dr - gr) * m / 255;
            // alpha = a + (255 - m) * (255 - a) / 255
            const int a = da + (255 - m) * (255 - da) / 255;
            pixels[col] = static_cast<std::uint32_t>(b) | (static_cast<std::uint32_t>(g) << 8) |
                          (static_cast<std::uint32_t>(r) << 16) | (static_cast<std::uint32_t>(a) << 24);
        }
    }
}

void PaintTextGlowPixels(const BitmapView& face, int x, int y, const GreyView& work, int glowSize,
                         std::uint32_t glowColor)
{
    if (glowSize <= 0 || face.IsEmpty() || work.IsEmpty()) {
        return;
    }
    BlurGrey(work, MakeGlowKernel(glowSize));
    CompositeGlow(face, x, y, work, glowColor);
}

} // namespace korvane
