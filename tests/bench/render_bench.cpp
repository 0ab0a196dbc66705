// Painting routines beside a memcpy of the same number of bytes in the same run. The counter
// "vs_memcpy" is memcpy's time divided by the routine's time: 1 means as fast as memcpy, 0.5
// half as fast.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <memory>
#include <random>
#include <string>

#include "bench/against_memcpy.h"
#include "gfx/bitmap32.h"
#include "gfx/blend_bitmap.h"
#include "render/gradient.h"
#include "render/state_image.h"

namespace korvane {
namespace {

// A button's face, the chooser's radio group and a large window.
const int kSizes[3][2] = {{75, 25}, {353, 137}, {821, 532}};

Bitmap32 RandomBitmap(int w, int h, unsigned seed)
{
    std::mt19937 random(seed);
    Bitmap32 bitmap(w, h);
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            bitmap.SetPixel(x, y, static_cast<std::uint32_t>(random()) | 0xFF000000u);
        }
    }
    return bitmap;
}

// Benchmark argument 0..3: the scalar loop, SSE2, AVX2, AVX-512.
PixelPath PathOf(std::int64_t argument)
{
    const PixelPath paths[] = {PixelPath::Scalar, PixelPath::Sse2, PixelPath::Avx2, PixelPath::Avx512};
    return paths[argument];
}

std::string PathLabel(PixelPath path)
{
    return " " + std::string(PixelPathName(path));
}

// False, with the benchmark skipped, when this processor cannot run the path.
bool PathRunsHere(benchmark::State& state, PixelPath path)
{
    if (PixelPathRuns(path))
        return true;
    state.SkipWithError(("this processor has no " + std::string(PixelPathName(path))).c_str());
    return false;
}

void BM_BlendBitmap(benchmark::State& state)
{
    const int w = kSizes[state.range(0)][0];
    const int h = kSizes[state.range(0)][1];
    const PixelPath path = PathOf(state.range(1));
    if (!PathRunsHere(state, path))
        return;
    Bitmap32 destination = RandomBitmap(w, h, 1);
    const Bitmap32 source = RandomBitmap(w, h, 2);
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h) + PathLabel(path));
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(w) * h * 4, [&] {
        BlendBitmap(destination.View(), 0, 0, source.ReadView(), {0, 0, w, h}, 127, path);
        benchmark::DoNotOptimize(destination.Bits());
    });
}
BENCHMARK(BM_BlendBitmap)->ArgsProduct({{0, 1, 2}, {3, 2, 1, 0}});

void BM_FadeFrame(benchmark::State& state)
{
    const int w = kSizes[state.range(0)][0];
    const int h = kSizes[state.range(0)][1];
    const PixelPath path = PathOf(state.range(1));
    if (!PathRunsHere(state, path))
        return;
    const Bitmap32 oldPicture = RandomBitmap(w, h, 3);
    const Bitmap32 newPicture = RandomBitmap(w, h, 4);
    Bitmap32 frame(w, h);
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h) + PathLabel(path));
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(w) * h * 4, [&] {
        PaintFadeFrame(frame.View(), oldPicture.ReadView(), newPicture.ReadView(), 242, path);
        benchmark::DoNotOptimize(frame.Bits());
    });
}
BENCHMARK(BM_FadeFrame)->ArgsProduct({{0, 1, 2}, {3, 2, 1, 0}});

// A button: three 24 x 22 pictures with 4-pixel borders, keyed rounded corners, tiled centre.
// A window frame: one 60 x 60 picture with 8-pixel sides and a 30-pixel top, edges stretched.
void BM_PaintBordersMask(benchmark::State& state)
{
    const bool window = state.range(0) != 0;
    const int w = window ? 821 : 75;
    const int h = window ? 532 : 25;
    Bitmap32 master = RandomBitmap(128, 64, 5);
    for (int i = 0; i < 3; ++i) {
        master.SetPixel(i * 24, 0, 0x00FF00FF); // key pixels in the corners
        master.SetPixel(i * 24 + 23, 21, 0x00FF00FF);
    }
    TsMaskData entry;
    if (window) {
        entry.Rect = {0, 0, 60, 60};
        entry.ImageCount = 1;
        entry.DrawMode = 1;
        entry.LeftWidth = entry.RightWidth = entry.BottomWidth = 8;
        entry.TopWidth = 30;
    } else {
        entry.Rect = {0, 0, 72, 22};
        entry.ImageCount = 3;
        entry.DrawMode = 4;
        entry.LeftWidth = entry.RightWidth = entry.TopWidth = entry.BottomWidth = 4;
    }
    Bitmap32 destination(w, h);
    const Bitmap32 parent = RandomBitmap(w + 10, h + 10, 6);
    const ParentBackground background = BitmapBackground(parent.ReadView(), 3, 3);
    state.SetLabel(window ? "window frame 821x532" : "button 75x25");
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(w) * h * 4, [&] {
        PaintBordersMask(destination.View(), {0, 0, w, h}, background, entry, 1, true, master.ReadView());
        benchmark::DoNotOptimize(destination.Bits());
    });
}
BENCHMARK(BM_PaintBordersMask)->Arg(0)->Arg(1);

GradientStep Step(std::int32_t c1, std::int32_t c2, int percent, int mode)
{
    GradientStep step;
    step.Color1 = c1;
    step.Color2 = c2;
    step.Percent = static_cast<std::uint8_t>(percent);
    step.Mode = mode;
    return step;
}

void BM_PaintGradient(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    const int w = 353;
    const int h = 241;
    const TsGradArray steps{Step(0xF0E0D0, 0x605040, 52, mode), Step(0x605040, 0x102030, 48, mode)};
    Bitmap32 destination(w, h);
    state.SetLabel(mode == 0 ? "vertical 353x241" : "horizontal 353x241");
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(w) * h * 4, [&] {
        PaintGradient(destination.View(), {0, 0, w, h}, steps);
        benchmark::DoNotOptimize(destination.Bits());
    });
}
BENCHMARK(BM_PaintGradient)->Arg(0)->Arg(1);

void BM_PaintTexturedGradient(benchmark::State& state)
{
    const int mode = static_cast<int>(state.range(0));
    const int w = 353;
    const int h = 241;
    const TsGradArray steps{Step(0xF0E0D0, 0x605040, 52, mode), Step(0x605040, 0x102030, 48, mode)};
    const Bitmap32 tile = RandomBitmap(32, 32, 7);
    Bitmap32 destination(w, h);
    state.SetLabel(mode == 0 ? "vertical 353x241" : "horizontal 353x241");
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(w) * h * 4, [&] {
        PaintTexturedGradient(destination.View(), {0, 0, w, h}, steps, 25, {0, 0, 32, 32}, tile.ReadView());
        benchmark::DoNotOptimize(destination.Bits());
    });
}
BENCHMARK(BM_PaintTexturedGradient)->Arg(0)->Arg(1);

} // namespace
} // namespace korvane
