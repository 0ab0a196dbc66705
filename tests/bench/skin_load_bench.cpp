// Skin loading beside its floor: the same package inflated and its images decoded, with nothing
// else. The load benchmark reports its time as a multiple of that baseline.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "image/image_decoder.h"
#include "skin/skin_convertor.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"
#include "support/skin_test_data.h"

namespace {

using namespace korvane;

// A picture whose bytes vary, so that compression and decoding do real work.
std::vector<uint32_t> Pattern(int width, int height)
{
    std::vector<uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = static_cast<uint32_t>((i * 0x9E3779B1u) >> 8) | 0x80000000u;
    }
    return pixels;
}

std::string Options()
{
    std::string text = "[GLOBALINFO]\nVERSION=7.3\nMASTERBITMAP=MASTER.BMP\nCOLOR=15790320\n"
                       "BICONCLOSE=@0000@0000@0060@0020@3@0\nBICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\n";
    for (int i = 0; i < 60; ++i) {
        const std::string name = "SECTION" + std::to_string(i);
        // Shallow inheritance as real skins use it: every section names the first as its parent.
        text += "[" + name + "]\nPARENTCLASS=" + (i > 0 ? std::string("SECTION0") : std::string()) +
                "\nCOLOR=" + std::to_string(i * 1000) +
                "\nGRADIENTDATA=15853795;13944507;97;1;0\n"
                "GRADIENTPERCENT=50\nBORDERSMASK=^0000^0040^0060^0070^0000^0000^0000^0000^3^1^1^0\n"
                "PATTERN=~0100~0000~0110~0010~01~0\nGLYPHMASK=@0200@0000@0230@0010@3@0\n"
                "GLOW0=!GLOW.PNG!1!0!3!0008!0008!0008!0008\nSTATES=3\nHOTCOLOR=255\n";
    }
    return text;
}

std::vector<uint8_t> Package()
{
    return test::MakePackage({
        {"Options.dat", test::Bytes(Options())},
        {"Master.bmp", test::MakeBmp24(400, 250, Pattern(400, 250))},
        {"Glow.png", test::MakePng(48, 48, Pattern(48, 48), true)},
        {"GlowClose.PNG", test::MakePng(60, 40, Pattern(60, 40), true)},
    });
}

const std::vector<uint8_t>& TestPackage()
{
    static const std::vector<uint8_t> package = Package();
    return package;
}

// Inflates every member and decodes every image: the least any load has to do.
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

template <typename Fn>
double SecondsPerRun(Fn&& run, int runs)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < runs; ++i) {
        run();
    }
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() / runs;
}

void BM_SkinInflateAndDecodeBaseline(benchmark::State& state)
{
    const auto& package = TestPackage();
    for (auto _ : state) {
        InflateAndDecode(package);
    }
    state.counters["package_bytes"] = static_cast<double>(package.size());
}
BENCHMARK(BM_SkinInflateAndDecodeBaseline)->Unit(benchmark::kMicrosecond);

void BM_SkinLoadFromPackage(benchmark::State& state)
{
    const auto& package = TestPackage();
    const double baseline = SecondsPerRun([&] { InflateAndDecode(package); }, 20);
    const double load = SecondsPerRun([&] { LoadSkin(package); }, 20);
    for (auto _ : state) {
        LoadSkin(package);
    }
    state.counters["load_vs_baseline"] = load / baseline;
}
BENCHMARK(BM_SkinLoadFromPackage)->Unit(benchmark::kMicrosecond);

} // namespace
