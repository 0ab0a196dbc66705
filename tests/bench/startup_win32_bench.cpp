// Start-up: from nothing to the chooser fully painted — the eight windows created, the internal
// skin loaded and applied, the chooser shown and every part of it painted — beside the same start
// with skinning switched off, in alternating runs of one benchmark, reported as their ratio.
#include "bench/bench_world_win32.h"

#include "app/choose_style_menu.h"
#include "app/korvane_windows.h"
#include "ui/application.h"

#include <benchmark/benchmark.h>

#include <windows.h>

#include <chrono>
#include <memory>

namespace korvane {
namespace {

void StartAndPaintChooser(bool skinned)
{
    TChooseStyleMenu::SkinningAtStart = skinned;
    auto application = std::make_unique<ui::Application>();
    CreateKorvaneWindows(*application);
    ChooseStyleMenu->Show();
    RedrawWindow(ChooseStyleMenu->Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    ChooseStyleMenu->Hide();
    application.reset();
    TChooseStyleMenu::SkinningAtStart = true;
}

void BM_StartUpToPaintedChooser(benchmark::State& state)
{
    // The program makes its own application object: the benchmarks' shared one goes first.
    bench::BenchWorld::Release();
    using Clock = std::chrono::steady_clock;
    double skinnedSeconds = 0;
    double plainSeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        StartAndPaintChooser(true);
        const auto middle = Clock::now();
        StartAndPaintChooser(false);
        const auto end = Clock::now();
        skinnedSeconds += std::chrono::duration<double>(middle - start).count();
        plainSeconds += std::chrono::duration<double>(end - middle).count();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["skinned_ms"] = skinnedSeconds * 1e3 / runs;
    state.counters["unskinned_ms"] = plainSeconds * 1e3 / runs;
    state.counters["skinned_vs_unskinned"] = plainSeconds > 0 ? skinnedSeconds / plainSeconds : 0;
}
BENCHMARK(BM_StartUpToPaintedChooser)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
} // namespace korvane
