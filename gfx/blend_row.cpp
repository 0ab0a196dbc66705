#include "gfx/blend_row.h"

#include <algorithm>
#include <cstring>

#if defined(__x86_64__) || defined(_M_X64)
#include <immintrin.h>
#define KORVANE_X86_64 1
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

#ifdef KORVANE_X86_64
// The scalar formula on 16-bit lanes: o*a + n*(255-a) + 127 <= 65152, so no lane overflows and
// the logical shift gives the scalar result exactly.
inline __m128i Blend4_Sse2(__m128i o, __m128i n, __m128i wa, __m128i wb)
{
    const __m128i zero = _mm_setzero_si128();
    const __m128i bias = _mm_set1_epi16(127);
    __m128i lo =
        _mm_add_epi16(_mm_mullo_epi16(_mm_unpacklo_epi8(o, zero), wa), _mm_mullo_epi16(_mm_unpacklo_epi8(n, zero), wb));
    __m128i hi =
        _mm_add_epi16(_mm_mullo_epi16(_mm_unpackhi_epi8(o, zero), wa), _mm_mullo_epi16(_mm_unpackhi_epi8(n, zero), wb));
    lo = _mm_srli_epi16(_mm_add_epi16(lo, bias), 8);
    hi = _mm_srli_epi16(_mm_add_epi16(hi, bias), 8);
    return _mm_packus_epi16(lo, hi);
}

void BlendRowInto_Sse2(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count,
                       int weight)
{
    const __m128i wa = _mm_set1_epi16(static_cast<short>(weight));
    const __m128i wb = _mm_set1_epi16(static_cast<short>(255 - weight));
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
                        Blend4_Sse2(_mm_load_si128(reinterpret_cast<const __m128i*>(o)),
                                    _mm_load_si128(reinterpret_cast<const __m128i*>(n)), wa, wb));
        std::memcpy(out, result, static_cast<std::size_t>(count) * 4);
        return;
    }
    // A row that is not a multiple of four ends with the last four pixels blended once more. They
    // are read before anything is written, so a row blended in place (out == oldRow) gets the
    // same bytes as the loop gives the pixels it shares with them.
    const int last = count - 4;
    const __m128i tail = Blend4_Sse2(_mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + last)),
                                     _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + last)), wa, wb);
    int i = 0;
    // Two independent groups of four pixels per pass keep both multipliers busy.
    for (; i + 8 <= count; i += 8) {
        const __m128i o0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + i));
        const __m128i n0 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + i));
        const __m128i o1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + i + 4));
        const __m128i n1 = _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + i + 4));
        const __m128i r0 = Blend4_Sse2(o0, n0, wa, wb);
        const __m128i r1 = Blend4_Sse2(o1, n1, wa, wb);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), r0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i + 4), r1);
    }
    for (; i + 4 <= count; i += 4) {
        const __m128i o = _mm_loadu_si128(reinterpret_cast<const __m128i*>(oldRow + i));
        const __m128i n = _mm_loadu_si128(reinterpret_cast<const __m128i*>(newRow + i));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), Blend4_Sse2(o, n, wa, wb));
    }
    if (i < count)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + last), tail);
}

// The wide paths multiply each old byte and its new byte in one step (VPMADDUBSW), which takes
// one operand unsigned and the other signed. The pixels become the signed operand by flipping
// their top bit (p - 128), the weights pair (a, 255 - a) stays unsigned:
//   r = a*(o - 128) + (255 - a)*(n - 128) = o*a + n*(255 - a) - 32640,
// which lies in -32640..32385, so the pair sum never saturates. r + 32767 is then
// o*a + n*(255 - a) + 127 in 127..65152 as an unsigned lane, and its high byte is the scalar
// result exactly.

// The pair of weights every 16-bit lane multiplies by: a for the old byte (even), 255 - a for the
// new byte (odd).
inline short WeightPair(int weight)
{
    return static_cast<short>(weight | ((255 - weight) << 8));
}

__attribute__((target("avx2"), always_inline)) inline __m256i Blend8_Avx2(__m256i o, __m256i n, __m256i weights)
{
    const __m256i flip = _mm256_set1_epi8(static_cast<char>(0x80));
    const __m256i bias = _mm256_set1_epi16(32767);
    o = _mm256_xor_si256(o, flip);
    n = _mm256_xor_si256(n, flip);
    // Unpacking and packing stay within each 128-bit half, so the bytes come back in order.
    __m256i lo = _mm256_maddubs_epi16(weights, _mm256_unpacklo_epi8(o, n));
    __m256i hi = _mm256_maddubs_epi16(weights, _mm256_unpackhi_epi8(o, n));
    lo = _mm256_srli_epi16(_mm256_add_epi16(lo, bias), 8);
    hi = _mm256_srli_epi16(_mm256_add_epi16(hi, bias), 8);
    return _mm256_packus_epi16(lo, hi);
}

__attribute__((target("avx2"), always_inline)) inline __m256i Load8(const std::uint32_t* pixels)
{
    return _mm256_loadu_si256(reinterpret_cast<const __m256i*>(pixels));
}

__attribute__((target("avx2"))) void BlendRowInto_Avx2(std::uint32_t* out, const std::uint32_t* oldRow,
                                                       const std::uint32_t* newRow, int count, int weight)
{
    if (count < 8) {
        BlendRowInto_Sse2(out, oldRow, newRow, count, weight);
        return;
    }
    const __m256i weights = _mm256_set1_epi16(WeightPair(weight));
    // The last eight pixels, blended before anything is written (see the SSE2 loop).
    const int last = count - 8;
    const __m256i tail = Blend8_Avx2(Load8(oldRow + last), Load8(newRow + last), weights);
    int i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m256i r0 = Blend8_Avx2(Load8(oldRow + i), Load8(newRow + i), weights);
        const __m256i r1 = Blend8_Avx2(Load8(oldRow + i + 8), Load8(newRow + i + 8), weights);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i), r0);
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i + 8), r1);
    }
    for (; i + 8 <= count; i += 8)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + i),
                            Blend8_Avx2(Load8(oldRow + i), Load8(newRow + i), weights));
    if (i < count)
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(out + last), tail);
}

// For every 128-bit quarter of the result, the high bytes of the eight lanes of `lo` and then
// the eight of `hi` in that quarter (indices 64 and up pick from `hi`): the order unpacking took
// the bytes apart in, restored in one permute.
alignas(64) constexpr std::uint8_t kHighBytesInOrder[64] = {
    1,  3,  5,  7,  9,  11, 13, 15, 65,  67,  69,  71,  73,  75,  77,  79,  //
    17, 19, 21, 23, 25, 27, 29, 31, 81,  83,  85,  87,  89,  91,  93,  95,  //
    33, 35, 37, 39, 41, 43, 45, 47, 97,  99,  101, 103, 105, 107, 109, 111, //
    49, 51, 53, 55, 57, 59, 61, 63, 113, 115, 117, 119, 121, 123, 125, 127,
};

__attribute__((target("avx512bw,avx512vbmi"), always_inline)) inline __m512i
Blend16_Avx512(__m512i o, __m512i n, __m512i weights, __m512i order)
{
    const __m512i flip = _mm512_set1_epi8(static_cast<char>(0x80));
    const __m512i bias = _mm512_set1_epi16(32767);
    o = _mm512_xor_si512(o, flip);
    n = _mm512_xor_si512(n, flip);
    const __m512i lo = _mm512_add_epi16(_mm512_maddubs_epi16(weights, _mm512_unpacklo_epi8(o, n)), bias);
    const __m512i hi = _mm512_add_epi16(_mm512_maddubs_epi16(weights, _mm512_unpackhi_epi8(o, n)), bias);
    return _mm512_permutex2var_epi8(lo, order, hi);
}

__attribute__((target("avx512bw,avx512vbmi"))) void
BlendRowInto_Avx512(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count, int weight)
{
    const __m512i weights = _mm512_set1_epi16(WeightPair(weight));
    const __m512i order = _mm512_loadu_si512(kHighBytesInOrder);
    int i = 0;
    for (; i + 32 <= count; i += 32) {
        const __m512i r0 =
            Blend16_Avx512(_mm512_loadu_si512(oldRow + i), _mm512_loadu_si512(newRow + i), weights, order);
        const __m512i r1 =
            Blend16_Avx512(_mm512_loadu_si512(oldRow + i + 16), _mm512_loadu_si512(newRow + i + 16), weights, order);
        _mm512_storeu_si512(out + i, r0);
        _mm512_storeu_si512(out + i + 16, r1);
    }
    for (; i + 16 <= count; i += 16)
        _mm512_storeu_si512(
            out + i, Blend16_Avx512(_mm512_loadu_si512(oldRow + i), _mm512_loadu_si512(newRow + i), weights, order));
    if (i < count) {
        // The last one to fifteen pixels through masks: lanes outside the row are neither read
        // nor written.
        const auto mask = static_cast<__mmask16>((1u << (count - i)) - 1);
        _mm512_mask_storeu_epi32(out + i, mask,
                                 Blend16_Avx512(_mm512_maskz_loadu_epi32(mask, oldRow + i),
                                                _mm512_maskz_loadu_epi32(mask, newRow + i), weights, order));
    }
}
#endif

} // namespace

void BlendRowInto(std::uint32_t* out, const std::uint32_t* oldRow, const std::uint32_t* newRow, int count, int weight,
                  PixelPath path)
{
    weight = std::clamp(weight, 0, 255);
    switch (EffectivePixelPath(path)) {
#ifdef KORVANE_X86_64
    case PixelPath::Avx512:
        BlendRowInto_Avx512(out, oldRow, newRow, count, weight);
        return;
    case PixelPath::Avx2:
        BlendRowInto_Avx2(out, oldRow, newRow, count, weight);
        return;
    case PixelPath::Sse2:
        BlendRowInto_Sse2(out, oldRow, newRow, count, weight);
        return;
#endif
    default:
        BlendRowInto_Scalar(out, oldRow, newRow, count, weight);
        return;
    }
}

void BlendRow(std::uint32_t* destination, const std::uint32_t* source, int count, int weight, PixelPath path)
{
    BlendRowInto(destination, destination, source, count, weight, path);
}

} // namespace korvane
