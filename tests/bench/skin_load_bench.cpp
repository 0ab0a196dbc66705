// Skin loading beside its floor: the same package inflated and its images decoded, with nothing
// else. The load benchmark reports its time as a multiple of that baseline.
#include <benchmark/benchmark.h>
#include <png.h>
#include <zlib.h>

#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "image/image_decoder.h"
#include "skin/skin_convertor.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"

namespace {

using namespace korvane;

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

std::vector<uint8_t> Bmp24(int width, int height)
{
    const uint32_t rowBytes = ((static_cast<uint32_t>(width) * 24 + 31) / 32) * 4;
    std::vector<uint8_t> out = {'B', 'M'};
    Put32(out, 54 + rowBytes * static_cast<uint32_t>(height));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    out.insert(out.end(), {1, 0, 24, 0});
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    for (int y = 0; y < height; ++y) {
        for (uint32_t x = 0; x < rowBytes; ++x) {
            out.push_back(static_cast<uint8_t>((x * 7 + static_cast<uint32_t>(y) * 3) % 256));
        }
    }
    return out;
}

std::vector<uint8_t> Png(int width, int height)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(width);
    image.height = static_cast<png_uint_32>(height);
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> raw(static_cast<std::size_t>(width * height * 4));
    for (std::size_t i = 0; i < raw.size(); ++i) {
        raw[i] = static_cast<uint8_t>((i * 13) % 256);
    }
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, raw.data(), 0, nullptr);
    std::vector<uint8_t> out(size);
    png_image_write_to_memory(&image, out.data(), &size, 0, raw.data(), 0, nullptr);
    out.resize(size);
    return out;
}

std::string Options()
{
    std::string text =
        "[GLOBALINFO]\nVERSION=7.3\nMASTERBITMAP=MASTER.BMP\nCOLOR=15790320\n"
        "BICONCLOSE=@0000@0000@0060@0020@3@0\nBICONCLOSEGLOW0=!GLOWCLOSE.PNG!1!0!4\n";
    for (int i = 0; i < 60; ++i) {
        const std::string name = "SECTION" + std::to_string(i);
        // Shallow inheritance as real skins use it: every section names the first as its parent.
        text += "[" + name + "]\nPARENTCLASS=" + (i > 0 ? std::string("SECTION0") : std::string()) +
                "\nCOLOR=" + std::to_string(i * 1000) + "\nGRADIENTDATA=15853795;13944507;97;1;0\n"
                "GRADIENTPERCENT=50\nBORDERSMASK=^0000^0040^0060^0070^0000^0000^0000^0000^3^1^1^0\n"
                "PATTERN=~0100~0000~0110~0010~01~0\nGLYPHMASK=@0200@0000@0230@0010@3@0\n"
                "GLOW0=!GLOW.PNG!1!0!3!0008!0008!0008!0008\nSTATES=3\nHOTCOLOR=255\n";
    }
    return text;
}

std::vector<uint8_t> Package()
{
    const std::string options = Options();
    const std::vector<std::pair<std::string, std::vector<uint8_t>>> members = {
        {"Options.dat", std::vector<uint8_t>(options.begin(), options.end())},
        {"Master.bmp", Bmp24(400, 250)},
        {"Glow.png", Png(48, 48)},
        {"GlowClose.PNG", Png(60, 40)},
    };
    std::vector<uint8_t> out = {'A', 'S', 'z', 'f'};
    Put32(out, static_cast<uint32_t>(members.size()));
    for (const auto& [name, data] : members) {
        Put32(out, static_cast<uint32_t>(name.size()));
        out.insert(out.end(), name.begin(), name.end());
        Put32(out, static_cast<uint32_t>(data.size()));
        uLongf size = compressBound(static_cast<uLong>(data.size()));
        std::vector<uint8_t> packed(size);
        compress2(packed.data(), &size, data.data(), static_cast<uLong>(data.size()), 9);
        out.insert(out.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(size));
    }
    return out;
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
    benchmark::DoNotOptimize(manager.Sections.data());
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

}  // namespace
