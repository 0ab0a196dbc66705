#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <vector>

namespace korvane::bench {

// Runs `work` and a memcpy of `bytes` in alternating batches of the same run and reports their
// time ratio as "vs_memcpy": memcpy's time divided by the work's (1 as fast as memcpy, 0.5 half
// as fast).
template <typename Work>
void MeasureAgainstMemcpy(benchmark::State& state, std::size_t bytes, Work&& work)
{
    std::vector<std::uint8_t> from(bytes, 1);
    std::vector<std::uint8_t> to(bytes, 2);
    using Clock = std::chrono::steady_clock;
    const int batch = static_cast<int>(std::max<std::size_t>(1, (1u << 20) / std::max<std::size_t>(bytes, 1)));
    double workSeconds = 0;
    double copySeconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        for (int i = 0; i < batch; ++i) {
            work();
        }
        const auto middle = Clock::now();
        for (int i = 0; i < batch; ++i) {
            std::memcpy(to.data(), from.data(), bytes);
            benchmark::ClobberMemory();
        }
        const auto end = Clock::now();
        workSeconds += std::chrono::duration<double>(middle - start).count();
        copySeconds += std::chrono::duration<double>(end - middle).count();
    }
    state.counters["vs_memcpy"] = workSeconds > 0 ? copySeconds / workSeconds : 0;
    state.counters["MB/s"] =
        benchmark::Counter(static_cast<double>(bytes) * batch * static_cast<double>(state.iterations()) / 1e6 /
                           std::max(workSeconds, 1e-12));
    state.counters["us_per_call"] =
        workSeconds * 1e6 / std::max<double>(1, static_cast<double>(batch) * state.iterations());
}

} // namespace korvane::bench
