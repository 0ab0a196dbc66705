// The text glow of a 75 x 25 caption (blur of the work image and composite onto the face) beside
// a memcpy of the face's bytes in the same run.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/against_memcpy.h"
#include "controls/text_glow.h"
#include "gfx/bitmap32.h"

namespace korvane {
namespace {

void BM_TextGlow(benchmark::State& state)
{
    const int glowSize = static_cast<int>(state.range(0));
    const PixelRect caption{0, 0, 75, 25};
    Bitmap32 face(caption.Width(), caption.Height());
    face.Fill(0xFF2B2D31);
    const PixelRect area = GlowWorkArea(caption, glowSize);
    GlowWorkImage work;
    const GreyView view = work.Prepare(area);
    // Text stand-in: black strokes over the caption's middle rows, as DrawText leaves them.
    std::mt19937 random(11);
    for (int y = 8; y < 18; ++y) {
        for (int x = 6; x < 69; ++x) {
            if (random() % 3 == 0) {
                view.Row(y - area.Top)[x - area.Left] = 0;
            }
        }
    }
    std::vector<std::uint8_t> text(static_cast<std::size_t>(view.Width) * view.Height);
    for (int y = 0; y < view.Height; ++y) {
        std::memcpy(text.data() + static_cast<std::size_t>(y) * view.Width, view.Row(y), view.Width);
    }
    state.SetLabel("75x25 caption, GlowSize " + std::to_string(glowSize) + ", memcpy of the face's 7500 bytes");
    bench::MeasureAgainstMemcpy(state, static_cast<std::size_t>(face.Width()) * face.Height() * 4, [&] {
        for (int y = 0; y < view.Height; ++y) {
            std::memcpy(view.Row(y), text.data() + static_cast<std::size_t>(y) * view.Width, view.Width);
        }
        PaintTextGlowPixels(face.View(), area.Left, area.Top, view, glowSize, 0x00FFD080);
        benchmark::DoNotOptimize(face.Bits());
    });
}
BENCHMARK(BM_TextGlow)->Arg(1)->Arg(3)->Arg(6)->Arg(12);

} // namespace
} // namespace korvane
