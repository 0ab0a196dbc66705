// libFuzzer target: the input's first three bytes choose the painted size (0 x 0 and 1 x 1
// included) and the background colour, the rest is an Options.dat packed with a fixed set of
// pictures. The package is loaded as the skin manager loads one and every section is painted
// through every painter. Load errors are the skin's to report; a crash, a read outside a bitmap,
// an overflow, a hang or an allocation without bound is a finding.
#include <cstddef>
#include <cstdint>
#include <stdexcept>

#include "fuzz_pictures.h"
#include "render/section_samples.h"
#include "render/skin_tables_source.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 3) {
        return 0;
    }
    korvane::SampleRequest request;
    // Sizes 0..40: the small ones and the edge cases matter, large ones only cost time.
    request.Width = data[0] % 41;
    request.Height = data[1] % 41;
    request.BackgroundColor = data[2] & 1 ? 0x00FF00FFu : 0x00F0F0F0u; // the key colour too
    request.EveryPainter = true;
    const std::vector<uint8_t> package = korvane::fuzz::PackageWithOptions(data + 3, size - 3);
    korvane::PortableSkinPlatform platform;
    korvane::SkinManagerCore manager(platform);
    try {
        manager.LoadSkinFromPackageData(package, u"Fuzz");
    } catch (const std::runtime_error&) {
        return 0;
    }
    const korvane::SkinTablesPaintSource source(manager.Tables());
    std::size_t pixels = 0;
    korvane::PaintEverySection(source, request, [&](korvane::SectionSample&& sample) {
        pixels += static_cast<std::size_t>(sample.Picture.Width()) * sample.Picture.Height();
    });
    return pixels == static_cast<std::size_t>(-1) ? 1 : 0;
}
