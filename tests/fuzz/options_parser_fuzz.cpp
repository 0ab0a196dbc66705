// libFuzzer target: arbitrary bytes as Options.dat, loaded through all passes against a small
// package of images (a master bitmap and a glow PNG), then the colour change. Conversion errors
// and damaged-image errors are expected; anything else is a finding.
#include <png.h>
#include <zlib.h>

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

namespace {

void Put32(std::vector<uint8_t>& out, uint32_t v)
{
    for (int i = 0; i < 4; ++i) {
        out.push_back(static_cast<uint8_t>(v >> (8 * i)));
    }
}

std::vector<uint8_t> Bmp(int w, int h)
{
    const uint32_t row = ((static_cast<uint32_t>(w) * 24 + 31) / 32) * 4;
    std::vector<uint8_t> out = {'B', 'M'};
    Put32(out, 54 + row * static_cast<uint32_t>(h));
    Put32(out, 0);
    Put32(out, 54);
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(w));
    Put32(out, static_cast<uint32_t>(h));
    out.insert(out.end(), {1, 0, 24, 0});
    for (int i = 0; i < 6; ++i) {
        Put32(out, 0);
    }
    for (uint32_t i = 0; i < row * static_cast<uint32_t>(h); ++i) {
        out.push_back(static_cast<uint8_t>(i % 7 == 0 ? 0xFF : i));
    }
    return out;
}

std::vector<uint8_t> Png(int w, int h)
{
    png_image image;
    std::memset(&image, 0, sizeof(image));
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(w);
    image.height = static_cast<png_uint_32>(h);
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint8_t> raw(static_cast<std::size_t>(w * h * 4), 0x80);
    png_alloc_size_t size = 0;
    png_image_write_to_memory(&image, nullptr, &size, 0, raw.data(), 0, nullptr);
    std::vector<uint8_t> out(size);
    png_image_write_to_memory(&image, out.data(), &size, 0, raw.data(), 0, nullptr);
    out.resize(size);
    return out;
}

const korvane::TacSkinConvertor& Images()
{
    static const korvane::TacSkinConvertor reader = [] {
        const std::vector<std::pair<std::string, std::vector<uint8_t>>> members = {
            {"Master.bmp", Bmp(64, 32)}, {"Glow.png", Png(12, 12)}, {"Frame.bmp", Bmp(9, 6)}};
        std::vector<uint8_t> package = {'A', 'S', 'z', 'f'};
        Put32(package, static_cast<uint32_t>(members.size()));
        for (const auto& [name, bytes] : members) {
            Put32(package, static_cast<uint32_t>(name.size()));
            package.insert(package.end(), name.begin(), name.end());
            Put32(package, static_cast<uint32_t>(bytes.size()));
            uLongf packedSize = compressBound(static_cast<uLong>(bytes.size()));
            std::vector<uint8_t> packed(packedSize);
            compress2(packed.data(), &packedSize, bytes.data(), static_cast<uLong>(bytes.size()), 6);
            package.insert(package.end(), packed.begin(), packed.begin() + static_cast<std::ptrdiff_t>(packedSize));
        }
        korvane::TacSkinConvertor parsed;
        parsed.Parse(package);
        return parsed;
    }();
    return reader;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first line may carry application-supplied sections after a form feed.
    const std::size_t split = bytes.find('\f');
    const korvane::OptionsText options = korvane::OptionsText::FromAnsi(bytes.substr(0, split));
    const korvane::OptionsText common = split == std::string_view::npos
                                            ? korvane::OptionsText()
                                            : korvane::OptionsText::FromAnsi(bytes.substr(split + 1));
    korvane::PortableSkinPlatform platform;
    korvane::SkinTables tables;
    korvane::SkinLoader loader(tables, platform, options, common, korvane::SkinImageSource{&Images(), u""}, nullptr,
                               u"Fuzz");
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
