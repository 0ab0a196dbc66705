#include "gfx/blend_bitmap.h"
#include "gfx/piece_copy.h"

#include <algorithm>
#include <cstring>

#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#define KORVANE_HAVE_SSE2 1
#endif

namespace korvane {
namespace {

void BlendRowInto_Scalar(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count,
                         int weight)
{
    const std::uint32_t a = static_cast<std::uint32_t>(weight);
    const std::uint32_t b = 255 - a;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t o = oldRow[i];
        const std::uint32_t n = newRow[i];
        std::uint32_t result = 0;
        for (int shift = 0; shift < 32; shift += 8) {
            // d = (o*a + n*(255-a) + 127) >> 8
            const std::uint32_t value = (((o >> shift) & 0xFF) * a + ((n >> shift) & 0xFF) * b + 127) >> 8;
            result |= value << shift;
        }
        out[i] = result;
    }
}

#ifdef KORVANE_HAVE_SSE2
// Same formula on 16-bit lanes: o*a + n*(255-a) + 127 <= 65152, so no lane overflows and the
// logical shift gives the scalar result exactly.
void BlendRowInto_Sse2(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count,
                       int weight)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i wa = _mm_set1_epi16(static_cast<short>(weight));
    const __m128i wb = _mm_set1_epi16(static_cast<short>(255 - weight));
    const __m128i bias = _mm_set1_epi16(127);
    auto blend4 = [&](const __m128i o, const __m128i n) {
        __m128i lo = _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(o, zero), wa),
                                   _mm_mullo_epi16(_mm_unpacklo_epi8(n, zero), wb));
        __m128i hi = _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(o, zero), wa),
                                   _mm_mullo_epi16(_mm_unpackhi_epi8(n, zero), wb));
        lo = _mm_srli_epi16(_mm_add_epi16(lo, bias), 8);
        hi = _mm_srli_epi16(_mm_add_epi16(hi, bias), 8);
        return _mm_packus_epi16(lo, hi);
    };
    if (count <= 0)
        return;
    if (count < 4) {
        // One to three pixels go through the same lanes from a padded copy.
        alignas(16) std::uint32_t o[4] = {};
        alignas(16) std::uint32_t n[4] = {};
        std::memcpy(o, oldRow, static_cast<std::size_t>(count) * 4);
        std::memcpy(n, newRow, static_cast<std::size_t>(count) * 4);
        alignas(16) std::uint32_t result[4];
        _mm_store_si128(reinterpret_cast<__m128i*>(result),
                        blend4(_mm_load_si128(reinterpret_cast<const __m128i*>(o)),
                               _mm_load_si128(reinterpret_cast<const __m128i*>(n))));
        std::memcpy(out, result, static_cast<std::size_t>(count) * 4);
        return;
    }
    // A row that is not a multiple of four ends with the last four pixels blended once more. They
    // are read before anything is written, so a row blended in place (out == oldRow) gets the
    // same bytes as the loop gives the pixels it shares with them.
    const int last = count - 4;
    const __m128i tail = blend4(_mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + last)),
                                _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + last)));
    int i = 0;
    // Two independent groups of four pixels per pass keep both multipliers busy.
    for (; i + 8 <= count; i += 8) {
        const __m128i o0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + i));
        const __m128i n0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + i));
        const __m128i o1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + i + 4));
        const __m128i n1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + i + 4));
        const __m128i r0 = blend4(o0, n0);
        const __m128i r1 = blend4(o1, n1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), r0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 4), r1);
    }
    for (; i + 4 <= count; i += 4) {
        const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + i));
        const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), blend4(o, n));
    }
    if (i < count)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + last), tail);
}

#endif

} // namespace

void BlendRowInto(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count, int weight,
                  PixelPath path)
{
    weight = std::clamp(weight, 0, 255);
#ifdef KORVANE_HAVE_SSE2
    if (path == PixelPath::Simd) {
        BlendRowInto_Sse2(out, oldRow, newRow, count, weight);
        return;
    }
#else
    (void)path;
#endif
    BlendRowInto_Scalar(out, oldRow, newRow, count, weight);
}

void BlendRow(std::uint32_t* destination, const std::uint32_t* source, int count, int weight, PixelPath path)
{
    BlendRowInto(destination, destination, source, count, weight, path);
}

void BlendBitmap(const BitmapView& destination, int dx, int dy, const BitmapView& source, const PixelRect& sourceRect,
                 int weight, PixelPath path)
{
    if (destination.Width < 2 || destination.Height < 2 || source.Width < 2 || source.Height < 2) {
        return;
    }
    const std::optional<ClippedCopy> clip = ClipPieceAt(destination, dx, dy, source, sourceRect);
    if (!clip) {
        return;
    }
    // Whole rows of pictures without gaps between rows are one long row.
    const auto rowBytes = static_cast<std::ptrdiff_t>(clip->Width) * 4;
    if (destination.Stride == rowBytes && source.Stride == rowBytes) {
        BlendRow(destination.Row(clip->DestinationTop) + clip->DestinationLeft,
                 source.Row(clip->SourceTop) + clip->SourceLeft, clip->Width * clip->Height, weight, path);
        return;
    }
    for (int y = 0; y < clip->Height; ++y) {
        BlendRow(destination.Row(clip->DestinationTop + y) + clip->DestinationLeft,
                 source.Row(clip->SourceTop + y) + clip->SourceLeft, clip->Width, weight, path);
    }
}

void PaintFadeFrame(const BitmapView& frame, const BitmapView& oldPicture, const BitmapView& newPicture, int alpha,
                    PixelPath path)
{
    const int width = std::min(frame.Width, oldPicture.Width);
    const int height = std::min(frame.Height, oldPicture.Height);
    if (frame.IsEmpty() || oldPicture.IsEmpty() || width <= 0 || height <= 0) {
        return;
    }
    const bool blend =
        !newPicture.IsEmpty() && newPicture.Width == oldPicture.Width && newPicture.Height == oldPicture.Height;
    // Pictures whose rows follow each other without a gap are one long row: the loop's set-up and
    // its last pixels are paid once instead of on every row.
    const auto rowBytes = static_cast<std::ptrdiff_t>(width) * 4;
    if (frame.Stride == rowBytes && oldPicture.Stride == rowBytes && (!blend || newPicture.Stride == rowBytes)) {
        if (blend)
            BlendRowInto(frame.Row(0), oldPicture.Row(0), newPicture.Row(0), width * height, alpha, path);
        else
            std::memcpy(frame.Row(0), oldPicture.Row(0), static_cast<std::size_t>(rowBytes) * height);
        return;
    }
    for (int y = 0; y < height; ++y) {
        if (blend) {
            BlendRowInto(frame.Row(y), oldPicture.Row(y), newPicture.Row(y), width, alpha, path);
        } else {
            std::memcpy(frame.Row(y), oldPicture.Row(y), static_cast<std::size_t>(width) * 4);
        }
    }
}

} // namespace korvane
