#include "gfx/pixel_path.h"

namespace korvane {
namespace {

#if defined(__GNUC__) && (defined(__x86_64__) || defined(_M_X64))
// The compiler's processor model also checks that the system saves the wide registers (XGETBV),
// so a processor with AVX under a system that does not keep its state is not taken for one.
PixelPath DetectFastest()
{
    __builtin_cpu_init();
    if (__builtin_cpu_supports("avx512bw") && __builtin_cpu_supports("avx512vbmi"))
        return PixelPath::Avx512;
    if (__builtin_cpu_supports("avx2"))
        return PixelPath::Avx2;
    return PixelPath::Sse2;
}
#else
PixelPath DetectFastest()
{
    return PixelPath::Scalar;
}
#endif

int Rank(PixelPath path)
{
    return static_cast<int>(path);
}

} // namespace

PixelPath FastestPixelPath()
{
    static const PixelPath fastest = DetectFastest();
    return fastest;
}

bool PixelPathRuns(PixelPath path)
{
    return path == PixelPath::Fastest || Rank(path) <= Rank(FastestPixelPath());
}

PixelPath EffectivePixelPath(PixelPath path)
{
    const PixelPath fastest = FastestPixelPath();
    return path == PixelPath::Fastest || Rank(path) > Rank(fastest) ? fastest : path;
}

std::string_view PixelPathName(PixelPath path)
{
    switch (path) {
    case PixelPath::Scalar:
        return "scalar";
    case PixelPath::Sse2:
        return "sse2";
    case PixelPath::Avx2:
        return "avx2";
    case PixelPath::Avx512:
        return "avx512";
    case PixelPath::Fastest:
        break;
    }
    return "fastest";
}

} // namespace korvane
