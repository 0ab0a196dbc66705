// Skin loading beside its floor: the same package inflated and its pictures decoded, with
// nothing else, measured side by side in one run. Measured are the internal skin Graphite (drawn
// and packed by the native build) and a generated skin of 60 sections with a larger master
// bitmap; generated skins of 1,000 and 4,000 sections, each inheriting from the one before, show
// that loading grows linearly with the sections.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "image/image_decoder.h"
#include "skin/skin_convertor.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_package_writer.h"
#include "skin/skin_platform.h"
#include "support/skin_test_data.h"

namespace {

using namespace korvane;

const std::vector<uint8_t>& GraphitePackage()
{
    static const std::vector<uint8_t> package = [] {
#ifdef KORVANE_GRAPHITE_PACKAGE
        std::ifstream in(KORVANE_GRAPHITE_PACKAGE, std::ios::binary);
        return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
#else
        return std::vector<uint8_t>();
#endif
    }();
    return package;
}

// A picture whose bytes vary, so that compression and decoding do real work.
std::vector<uint32_t> Noise(int width, int height)
{
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<uint32_t>((i * 0x9E3779B1u) >> 8) | 0x80000000u;
    }
    return pixels;
}

const std::vector<uint8_t>& GeneratedPackage()
{
    static const std::vector<uint8_t> package = [] {
        std::string text = "[GLOBALINFO]\nVERSION=7.3\nMASTERBITMAP=MASTER.BMP\nCOLOR=15790320\n"
                           "BICONCLOSE=@0000@0000@0060@0020@3@0\nBICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\n";
        for (int i = 0; i < 60; ++i) {
            // Shallow inheritance as real skins use it: every section names the first as its parent.
            text += "[SECTION" + std::to_string(i) + "]\nPARENTCLASS=" + (i > 0 ? "SECTION0" : "") +
                    "\nCOLOR=" + std::to_string(i * 1000) +
                    "\nGRADIENTDATA=15853795;13944507;97;1;0\n"
                    "GRADIENTPERCENT=50\nBORDERSMASK=^0000^0040^0060^0070^0000^0000^0000^0000^3^1^1^0\n"
                    "PATTERN=~0100~0000~0110~0010~01~0\nGLYPHMASK=@0200@0000@0230@0010@3@0\n"
                    "GLOW0=!GLOW.PNG!1!0!3!0008!0008!0008!0008\nSTATES=3\nHOTCOLOR=255\n";
        }
        return WriteSkinPackage(std::vector<SkinPackageMember>{
            {"Options.dat", std::vector<uint8_t>(text.begin(), text.end())},
            {"Master.bmp", test::MakeBmp24(400, 250, Noise(400, 250))},
            {"Glow.png", test::MakePng(48, 48, Noise(48, 48), true)},
            {"GlowClose.PNG", test::MakePng(60, 40, Noise(60, 40), true)},
        });
    }();
    return package;
}

// Inflates every member and decodes every picture: the least any load has to do.
void InflateAndDecode(const std::vector<uint8_t>& package)
{
    TacSkinConvertor reader;
    reader.Parse(package);
    for (const TacImageItem& item : reader.ImageItems) {
        DecodedImage image = DecodeImage(item.Data, "member");
        benchmark::DoNotOptimize(image.Bitmap.Bits());
    }
}

void LoadSkin(const std::vector<uint8_t>& package)
{
    PortableSkinPlatform platform;
    SkinManagerCore manager(platform);
    manager.LoadSkinFromPackageData(package, u"Bench");
    benchmark::DoNotOptimize(manager.Tables().Sections.data());
}

// Processor time of the process (one thread), so that other work on the machine does not count.
template <typename Fn>
double Seconds(Fn&& run)
{
    const std::clock_t start = std::clock();
    run();
    return static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC;
}

#ifdef __GLIBC__
// The allocator keeps the memory it is given back, as it does in a program that has run a while:
// otherwise every decoded picture of either side comes from fresh pages of the system, and both
// are measured mostly by their page faults.
const bool kWarmHeap = [] {
    mallopt(M_MMAP_THRESHOLD, 256 * 1024 * 1024);
    mallopt(M_TRIM_THRESHOLD, 1024 * 1024 * 1024);
    return true;
}();
#endif

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

const std::vector<uint8_t>& Measured(int which)
{
    return which == 0 ? GraphitePackage() : GeneratedPackage();
}

// Argument 0: Graphite; 1: the generated skin of 60 sections.
void BM_SkinInflateAndDecodeBaseline(benchmark::State& state)
{
    const auto& package = Measured(static_cast<int>(state.range(0)));
    if (package.empty()) {
        state.SkipWithError("no Graphite package: build the graphite_skin target");
        return;
    }
    for (auto _ : state) {
        InflateAndDecode(package);
    }
    state.counters["package_bytes"] = static_cast<double>(package.size());
}
BENCHMARK(BM_SkinInflateAndDecodeBaseline)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The full load; load_vs_baseline is the median of loads over the median of inflations and
// decodings, the two run alternately so that both see the same machine.
void BM_SkinLoadFromPackage(benchmark::State& state)
{
    const auto& package = Measured(static_cast<int>(state.range(0)));
    if (package.empty()) {
        state.SkipWithError("no Graphite package: build the graphite_skin target");
        return;
    }
    std::vector<double> baseline;
    std::vector<double> load;
    for (int i = 0; i < 51; ++i) {
        baseline.push_back(Seconds([&] { InflateAndDecode(package); }));
        load.push_back(Seconds([&] { LoadSkin(package); }));
    }
    for (auto _ : state) {
        LoadSkin(package);
    }
    state.counters["load_vs_baseline"] = Median(load) / Median(baseline);
}
BENCHMARK(BM_SkinLoadFromPackage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// A skin of `count` sections, each inheriting from the one before and writing a few keys of its
// own, with a borders mask, a texture and a glyph at the root of the chain.
std::vector<uint8_t> ChainPackage(int count)
{
    std::string text = "[GLOBALINFO]\nVERSION=7.3\nCOLOR=15790320\n";
    for (int i = 0; i < count; ++i) {
        text += "[S" + std::to_string(i) + "]\n";
        if (i == 0) {
            text += "COLOR=5719359\nGRADIENTDATA=15853795;13944507;97;1;0\nSTATES=3\n"
                    "BORDERSMASK=^0000^0040^0060^0070^0000^0000^0000^0000^3^1^1^0\n"
                    "PATTERN=~0100~0000~0110~0010~01~0\nGLYPHMASK=@0200@0000@0230@0010@3@0\n";
        } else {
            text += "PARENTCLASS=S" + std::to_string(i - 1) + "\nTRANSPARENCY=" + std::to_string(i % 100) + "\n";
        }
    }
    return WriteSkinPackage(
        std::vector<SkinPackageMember>{{"Options.dat", std::vector<uint8_t>(text.begin(), text.end())}});
}

void BM_SkinLoadSectionChain(benchmark::State& state)
{
    const int count = static_cast<int>(state.range(0));
    const std::vector<uint8_t> package = ChainPackage(count);
    for (auto _ : state) {
        LoadSkin(package);
    }
    // Time per section (the counter is inverted: seconds per section).
    state.counters["per_section"] =
        benchmark::Counter(count, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SkinLoadSectionChain)->Arg(1000)->Arg(4000)->Unit(benchmark::kMillisecond);

} // namespace
