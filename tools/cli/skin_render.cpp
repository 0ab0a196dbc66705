#include "tools/cli/skin_render.h"

#include <png.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <optional>
#include <stdexcept>

#include "encoding/utf8.h"
#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "gfx/piece_copy.h"
#include "render/section_samples.h"
#include "render/skin_tables_source.h"
#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"
#include "tools/cli/pixel_font.h"
#include "tools/cli/skin_commands.h"

namespace korvane {
namespace {

constexpr int kMaxSide = 4096;
constexpr int kPad = 6;

struct RenderArgs {
    std::string Path;
    std::string Section;
    int Width = 64;
    int Height = 24;
    int State = -1;
    std::string Output;
};

std::optional<int> ParseCount(const std::string& text)
{
    if (text.empty() || text.size() > 6 || text.find_first_not_of("0123456789") != std::string::npos) {
        return std::nullopt;
    }
    return std::stoi(text);
}

// Throws std::invalid_argument naming the problem.
RenderArgs ParseArgs(const std::vector<std::string>& args)
{
    RenderArgs parsed;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        if (arg == "-o" && hasValue) {
            parsed.Output = args[++i];
        } else if (arg == "--section" && hasValue) {
            parsed.Section = args[++i];
        } else if (arg == "--size" && hasValue) {
            const std::string size = args[++i];
            const std::size_t x = size.find('x');
            const auto w = x == std::string::npos ? std::nullopt : ParseCount(size.substr(0, x));
            const auto h = x == std::string::npos ? std::nullopt : ParseCount(size.substr(x + 1));
            if (!w || !h || *w < 1 || *h < 1 || *w > kMaxSide || *h > kMaxSide) {
                throw std::invalid_argument("--size takes WxH, each from 1 to 4096: \"" + size + "\"");
            }
            parsed.Width = *w;
            parsed.Height = *h;
        } else if (arg == "--state" && hasValue) {
            const auto state = ParseCount(args[++i]);
            if (!state || *state >= kMaxSampledStates) {
                throw std::invalid_argument("--state takes a state from 0 to " + std::to_string(kMaxSampledStates - 1));
            }
            parsed.State = *state;
        } else if (parsed.Path.empty() && !arg.starts_with("-")) {
            parsed.Path = arg;
        } else {
            throw std::invalid_argument("unexpected argument \"" + arg + "\"");
        }
    }
    if (parsed.Path.empty() || parsed.Output.empty()) {
        throw std::invalid_argument(
            "usage: korvane-cli skin-render PATH [--section NAME] [--size WxH] [--state N] -o FILE.png");
    }
    return parsed;
}

std::string UpperAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'a' && c <= 'z') {
            c = static_cast<char>(c - 32);
        }
    }
    return text;
}

void WritePng(const Bitmap32& picture, const std::string& path)
{
    std::ofstream file(PathFromUtf8(path), std::ios::binary | std::ios::trunc);
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (png == nullptr || info == nullptr || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("cannot encode " + path);
    }
    png_set_write_fn(
        png, &file,
        [](png_structp p, png_bytep data, png_size_t length) {
            static_cast<std::ofstream*>(png_get_io_ptr(p))
                ->write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(length));
        },
        [](png_structp p) { static_cast<std::ofstream*>(png_get_io_ptr(p))->flush(); });
    png_set_IHDR(png, info, static_cast<png_uint_32>(picture.Width()), static_cast<png_uint_32>(picture.Height()), 8,
                 PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<png_byte> row(static_cast<std::size_t>(picture.Width()) * 3);
    for (int y = 0; y < picture.Height(); ++y) {
        const std::uint32_t* pixels = picture.Row(y);
        for (int x = 0; x < picture.Width(); ++x) {
            row[static_cast<std::size_t>(x) * 3] = static_cast<png_byte>(pixels[x] >> 16);
            row[static_cast<std::size_t>(x) * 3 + 1] = static_cast<png_byte>(pixels[x] >> 8);
            row[static_cast<std::size_t>(x) * 3 + 2] = static_cast<png_byte>(pixels[x]);
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    file.close();
    if (!file) {
        throw std::runtime_error("cannot write " + path);
    }
}

struct SheetRow {
    std::string Name;
    std::vector<SectionSample> Cells;
};

// One row per section: its name, then each picture with its label above it.
Bitmap32 ContactSheet(const std::vector<SheetRow>& rows, std::uint32_t background)
{
    std::size_t nameLength = 0;
    for (const SheetRow& row : rows) {
        nameLength = std::max(nameLength, row.Name.size());
    }
    const int nameWidth = static_cast<int>(nameLength) * kGlyphAdvance + kPad;
    int width = 0;
    int height = kPad;
    std::vector<int> rowHeights;
    for (const SheetRow& row : rows) {
        int x = kPad + nameWidth;
        int tallest = kGlyphHeight;
        for (const SectionSample& cell : row.Cells) {
            const int labelWidth = static_cast<int>(cell.Label.size()) * kGlyphAdvance;
            x += std::max(cell.Picture.Width(), labelWidth) + kPad;
            tallest = std::max(tallest, kGlyphHeight + 2 + cell.Picture.Height());
        }
        width = std::max(width, x);
        rowHeights.push_back(tallest);
        height += tallest + kPad;
    }
    Bitmap32 sheet(std::max(width, 1), std::max(height, 1));
    sheet.Fill(ColorToPixel(background, 255));
    // Labels in black, or in white on a dark background.
    const int luminance =
        static_cast<int>((background & 0xFF) * 3 + ((background >> 8) & 0xFF) * 6 + ((background >> 16) & 0xFF)) / 10;
    const std::uint32_t ink = luminance < 110 ? 0xFFFFFFFFu : 0xFF000000u;
    int y = kPad;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        DrawPixelText(sheet.View(), kPad, y + kGlyphHeight + 2, rows[r].Name, ink);
        int x = kPad + nameWidth;
        for (const SectionSample& cell : rows[r].Cells) {
            DrawPixelText(sheet.View(), x, y, cell.Label, ink);
            CopyRect(sheet.View(), x, y + kGlyphHeight + 2, cell.Picture.ReadView(),
                     {0, 0, cell.Picture.Width(), cell.Picture.Height()});
            const int labelWidth = static_cast<int>(cell.Label.size()) * kGlyphAdvance;
            x += std::max(cell.Picture.Width(), labelWidth) + kPad;
        }
        y += rowHeights[r] + kPad;
    }
    return sheet;
}

} // namespace

int RunSkinRender(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    RenderArgs request;
    try {
        request = ParseArgs(args);
    } catch (const std::invalid_argument& error) {
        err << "korvane-cli skin-render: " << error.what() << "\n";
        return 2;
    }
    PortableSkinPlatform platform;
    SkinManagerCore skin(platform);
    try {
        LoadSkinAt(request.Path, skin);
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 2;
    }
    const SkinTablesPaintSource source(skin.Tables());
    SampleRequest samples;
    samples.Width = request.Width;
    samples.Height = request.Height;
    const TsColor global = skin.GlobalColor();
    samples.BackgroundColor = global >= 0 ? static_cast<std::uint32_t>(global) & 0x00FFFFFFu : 0x00F0F0F0u;
    samples.State = request.State;
    if (!request.Section.empty()) {
        const std::u16string name = Utf8Decode(UpperAscii(request.Section));
        samples.Section = source.FindSection(name);
        if (samples.Section < 0) {
            err << "korvane-cli skin-render: the skin has no section \"" << request.Section << "\"\n";
            return 2;
        }
    }
    std::vector<SheetRow> rows;
    Bitmap32 single;
    PaintEverySection(source, samples, [&](SectionSample&& sample) {
        if (rows.empty() || rows.back().Cells.front().SectionIndex != sample.SectionIndex) {
            rows.push_back({Utf8Encode(source.Section(sample.SectionIndex)->SectionName), {}});
        }
        if (single.Empty() && sample.Label.starts_with("state ")) {
            single = sample.Picture;
        }
        rows.back().Cells.push_back(std::move(sample));
    });
    try {
        // One section in one state: the face alone, at the requested size.
        const bool alone = samples.Section >= 0 && samples.State >= 0;
        if (alone && single.Empty()) {
            single = Bitmap32(request.Width, request.Height);
            single.Fill(ColorToPixel(samples.BackgroundColor, 255));
        }
        const Bitmap32 picture = alone ? single : ContactSheet(rows, samples.BackgroundColor);
        WritePng(picture, request.Output);
        out << "rendered " << rows.size() << (rows.size() == 1 ? " section" : " sections") << " into " << request.Output
            << " (" << picture.Width() << "x" << picture.Height() << ")\n";
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace korvane
