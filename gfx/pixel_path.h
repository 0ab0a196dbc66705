#pragma once

#include <string_view>

namespace korvane {

// Which implementation of a pixel loop runs. Every path gives the same bytes, and the tests
// compare them on every path the machine runs. Sse2 is the baseline of every 64-bit x86
// processor; Avx2 and Avx512 (AVX-512 BW with VBMI) are taken only where the processor and the
// system run them. Fastest is the best of them here.
enum class PixelPath { Scalar, Sse2, Avx2, Avx512, Fastest };

// The fastest path this processor and system run, found once.
PixelPath FastestPixelPath();

// Whether `path` can run here: Scalar and Fastest always can.
bool PixelPathRuns(PixelPath path);

// The path a loop takes when asked for `path`: Fastest resolved, and a path this machine cannot
// run stepped down to the best one it can, so no caller ever reaches an unknown instruction.
PixelPath EffectivePixelPath(PixelPath path);

// "scalar", "sse2", "avx2", "avx512" or "fastest", for benchmark labels and test messages.
std::string_view PixelPathName(PixelPath path);

} // namespace korvane
