// Generation and UTF-8 conversion of large plug-ins, each beside a baseline that only copies the
// same number of bytes. The "x_copy" counter is how many times longer than the copy the work took.
#include "encoding/utf8.h"
#include "generator/new_style_plugin.h"
#include "generator/sourcemod_plugin.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstring>
#include <vector>

namespace korvane {
namespace {

constexpr int kItems = 10000;

std::vector<std::u16string> Items()
{
    std::vector<std::u16string> items;
    for (int i = 0; i < kItems; ++i)
        items.push_back(u"Пункт меню номер " + DecimalText(i));
    return items;
}

// Seconds per copy of `bytes` bytes, measured over enough repetitions to be stable.
double CopySeconds(std::size_t bytes)
{
    std::vector<char> from(bytes, 'x'), to(bytes);
    const int repetitions = 50;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < repetitions; ++i) {
        std::memcpy(to.data(), from.data(), bytes);
        benchmark::DoNotOptimize(to.data());
        benchmark::ClobberMemory();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / repetitions;
}

template <typename Work>
void RunBesideCopy(benchmark::State& state, Work work)
{
    std::size_t bytes = 0;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bytes = work();
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double perIteration = seconds / static_cast<double>(state.iterations());
    state.counters["bytes"] = static_cast<double>(bytes);
    state.counters["x_copy"] = perIteration / CopySeconds(bytes);
    state.SetBytesProcessed(static_cast<int64_t>(bytes) * state.iterations());
}

void NewStyleGeneration(benchmark::State& state)
{
    const NewStyleMenu menu{u"Большое меню", u"mymenu", u"ADMIN_ALL", Items()};
    RunBesideCopy(state, [&] {
        PluginText text;
        ComposeNewStylePlugin(menu, text);
        benchmark::DoNotOptimize(text.Text().data());
        return text.Text().size() * sizeof(char16_t);
    });
}
BENCHMARK(NewStyleGeneration)->Unit(benchmark::kMillisecond);

void SourceModGeneration(benchmark::State& state)
{
    const SourceModMenu menu{u"menu", u"ADMFLAG_GENERIC", u"Большое меню", Items()};
    RunBesideCopy(state, [&] {
        PluginText text;
        ComposeSourceModPlugin(menu, text);
        benchmark::DoNotOptimize(text.Text().data());
        return text.Text().size() * sizeof(char16_t);
    });
}
BENCHMARK(SourceModGeneration)->Unit(benchmark::kMillisecond);

void Utf8Conversion(benchmark::State& state)
{
    PluginText text;
    ComposeSourceModPlugin({u"menu", u"ADMFLAG_GENERIC", u"Большое меню", Items()}, text);
    RunBesideCopy(state, [&] {
        const std::string bytes = Utf8Encode(text.Text());
        benchmark::DoNotOptimize(bytes.data());
        return text.Text().size() * sizeof(char16_t);
    });
}
BENCHMARK(Utf8Conversion)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace korvane
