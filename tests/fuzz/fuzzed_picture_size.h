#pragma once

// The picture readers' fuzz targets decode pictures of up to 1 Mpx: larger ones, up to the
// reader's budget of 64 Mpx, decode in well under a second but not under the sanitizers, and
// their limits are the unit tests' business.
#include <cstdint>
#include <span>

#include "image/image_dimensions.h"

namespace korvane::fuzz {

inline constexpr std::int64_t kMaxFuzzedPixels = std::int64_t{1} << 20;

// The picture declares more pixels than the fuzzer decodes. Each side is checked first, so the
// product of two 32-bit sides is never formed.
inline bool TooLargeToFuzz(std::span<const std::uint8_t> bytes)
{
    const auto size = ReadImageDimensions(bytes);
    return size && (size->Width > kMaxFuzzedPixels || size->Height > kMaxFuzzedPixels ||
                    size->Width * size->Height > kMaxFuzzedPixels);
}

} // namespace korvane::fuzz
