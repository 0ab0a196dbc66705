// libFuzzer target: arbitrary bytes as Options.dat, loaded through all passes against a small
// package of images (a master bitmap and a glow PNG), then the colour change. Conversion errors
// and damaged-image errors are expected, and budget errors; anything else is a finding.
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "image/decoded_image.h"
#include "skin/color_change.h"
#include "skin/options_text.h"
#include "skin/skin_convertor.h"
#include "skin/skin_loader.h"
#include "skin/skin_platform.h"
#include "skin/skin_values.h"
#include "support/skin_test_data.h"

namespace {

// The pictures the options may name: bitmaps with some key-coloured bytes and a glow PNG.
std::vector<uint8_t> Bmp(int w, int h)
{
    std::vector<uint32_t> pixels(static_cast<std::size_t>(w) * h);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        pixels[i] = i % 7 == 0 ? 0xFF00FFu : static_cast<uint32_t>(i * 0x010203u);
    }
    return korvane::test::MakeBmp24(w, h, pixels);
}

const korvane::TacSkinConvertor& Images()
{
    static const korvane::TacSkinConvertor reader = [] {
        korvane::TacSkinConvertor parsed;
        parsed.Parse(korvane::test::MakePackage(
            {{"Master.bmp", Bmp(64, 32)},
             {"Glow.png", korvane::test::MakePng(12, 12, std::vector<uint32_t>(144, 0x80808080u), true)},
             {"Frame.bmp", Bmp(9, 6)}}));
        return parsed;
    }();
    return reader;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first line may carry application-supplied sections after a form feed.
    const std::size_t split = bytes.find('\f');
    korvane::OptionsText options;
    korvane::OptionsText common;
    try {
        options = korvane::OptionsText::FromAnsi(bytes.substr(0, split));
        if (split != std::string_view::npos) {
            common = korvane::OptionsText::FromAnsi(bytes.substr(split + 1), "CommonSections");
        }
    } catch (const korvane::SkinBudgetError&) {
        return 0;
    }
    korvane::PortableSkinPlatform platform;
    korvane::SkinTables tables;
    korvane::SkinLoader loader(tables, platform, options, common, korvane::SkinImageSource{&Images(), u""}, u"Fuzz");
    try {
        loader.LoadImages();
        loader.LoadPatterns();
        loader.LoadSections();
        korvane::ApplySkinColorChange(tables, 77, 33);
        for (std::size_t i = 0; i < tables.Sections.size(); ++i) {
            const auto& section = tables.Sections[i];
            (void)tables.FindMask(static_cast<int>(i), section.SectionName, u"BORDERSMASK");
            (void)tables.FindTexture(static_cast<int>(i), section.SectionName, u"PATTERN");
        }
        for (std::size_t i = 0; i < tables.Masks.size(); ++i) {
            (void)tables.MaskLeftWidth(static_cast<int>(i));
            (void)tables.MaskBottomWidth(static_cast<int>(i));
        }
    } catch (const korvane::SkinConversionError&) {
    } catch (const korvane::ImageError&) {
    }
    return 0;
}
