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
// The most pixels a contact sheet may have (64 MiB as a 32-bit bitmap): the rows that would go
// beyond are left out, and a line at the sheet's foot says so.
constexpr int64_t kMaxSheetPixels = int64_t{16} * 1024 * 1024;

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
    // A contact sheet is mostly flat colour: zlib's quickest level without row filters keeps it
    // small, at a fraction of the time the default settings take on a large sheet.
    png_set_filter(png, 0, PNG_FILTER_NONE);
    png_set_compression_level(png, 1);
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

int LabelWidth(const std::string& label)
{
    return static_cast<int>(label.size()) * kGlyphAdvance;
}

int CellWidth(const SectionSample& cell)
{
    return std::max(cell.Picture.Width(), LabelWidth(cell.Label));
}

// Height of a row: its tallest picture under its label, at least a line of text.
int RowHeight(const SheetRow& row)
{
    int tallest = kGlyphHeight;
    for (const SectionSample& cell : row.Cells) {
        tallest = std::max(tallest, kGlyphHeight + 2 + cell.Picture.Height());
    }
    return tallest;
}

// Width of a row's pictures, each followed by the padding.
int64_t CellsWidth(const SheetRow& row)
{
    int64_t width = 0;
    for (const SectionSample& cell : row.Cells) {
        width += CellWidth(cell) + kPad;
    }
    return width;
}

// What a capped contact sheet says at its foot.
std::string CapNote(int shown, int sections)
{
    return "The sheet shows " + std::to_string(shown) + " of " + std::to_string(sections) +
           " sections: it holds at most " + std::to_string(kMaxSheetPixels) +
           " pixels. Use --section NAME for the others.";
}

// A contact sheet: one row per section, its name, then each picture with its label above it;
// under the rows, when there is one, a note in a line of its own.
class ContactSheet {
public:
    // `longestNote`: the longest note the sheet may get, for which room is kept.
    explicit ContactSheet(const std::string& longestNote) : m_noteWidth(kPad + LabelWidth(longestNote) + kPad) {}

    // Pixels the sheet would have with `row` added under its rows and a note at its foot.
    int64_t PixelsWith(const SheetRow& row) const
    {
        const std::size_t nameLength = std::max(m_nameLength, row.Name.size());
        const int64_t width =
            std::max<int64_t>(NameWidth(nameLength) + std::max(m_cellsWidth, CellsWidth(row)), m_noteWidth);
        return width * (m_height + RowHeight(row) + kPad + kNoteHeight);
    }
    void Add(SheetRow row)
    {
        m_nameLength = std::max(m_nameLength, row.Name.size());
        m_cellsWidth = std::max(m_cellsWidth, CellsWidth(row));
        m_height += RowHeight(row) + kPad;
        m_rows.push_back(std::move(row));
    }
    std::size_t Rows() const { return m_rows.size(); }

    Bitmap32 Paint(std::uint32_t background, const std::string& note) const
    {
        const int64_t noteHeight = note.empty() ? 0 : kNoteHeight;
        const int64_t width = std::max<int64_t>(NameWidth(m_nameLength) + m_cellsWidth, kPad + LabelWidth(note) + kPad);
        Bitmap32 sheet(static_cast<int>(std::max<int64_t>(width, 1)),
                       static_cast<int>(std::max<int64_t>(m_height + noteHeight, 1)));
        sheet.Fill(ColorToPixel(background, 255));
        // Labels in black, or in white on a dark background.
        const int luminance =
            static_cast<int>((background & 0xFF) * 3 + ((background >> 8) & 0xFF) * 6 + ((background >> 16) & 0xFF)) /
            10;
        const std::uint32_t ink = luminance < 110 ? 0xFFFFFFFFu : 0xFF000000u;
        const int nameWidth = static_cast<int>(NameWidth(m_nameLength)) - kPad;
        int y = kPad;
        for (const SheetRow& row : m_rows) {
            DrawPixelText(sheet.View(), kPad, y + kGlyphHeight + 2, row.Name, ink);
            int x = kPad + nameWidth;
            for (const SectionSample& cell : row.Cells) {
                DrawPixelText(sheet.View(), x, y, cell.Label, ink);
                CopyRect(sheet.View(), x, y + kGlyphHeight + 2, cell.Picture.ReadView(),
                         {0, 0, cell.Picture.Width(), cell.Picture.Height()});
                x += CellWidth(cell) + kPad;
            }
            y += RowHeight(row) + kPad;
        }
        if (!note.empty()) {
            DrawPixelText(sheet.View(), kPad, y, note, ink);
        }
        return sheet;
    }

private:
    // The padding before the names, the widest name and the padding after it.
    static int64_t NameWidth(std::size_t nameLength)
    {
        return kPad + static_cast<int64_t>(nameLength) * kGlyphAdvance + kPad;
    }

    static constexpr int64_t kNoteHeight = kGlyphHeight + kPad;

    int64_t m_noteWidth;
    std::vector<SheetRow> m_rows;
    std::size_t m_nameLength = 0;
    int64_t m_cellsWidth = 0;
    int64_t m_height = kPad;
};

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
    // One section in one state: the face alone, at the requested size.
    const bool alone = samples.Section >= 0 && samples.State >= 0;
    int sections = 0;
    for (int index = 0; source.Section(index) != nullptr; ++index) {
        sections += samples.Section < 0 || samples.Section == index ? 1 : 0;
    }
    ContactSheet sheet(CapNote(sections, sections));
    SheetRow row;
    Bitmap32 single;
    bool full = false;
    const auto take = [&](SectionSample&& sample) {
        if (alone) {
            if (single.Empty() && sample.Label.starts_with("state ")) {
                single = std::move(sample.Picture);
            }
            return;
        }
        if (full) {
            return;
        }
        row.Cells.push_back(std::move(sample));
        if (sheet.PixelsWith(row) > kMaxSheetPixels) {
            // The row that does not fit is dropped at once, and so is everything after it.
            full = true;
            row.Cells.clear();
        }
    };
    for (int index = 0; const TsGeneralData* section = source.Section(index); ++index) {
        if (full) {
            break;
        }
        if (samples.Section >= 0 && samples.Section != index) {
            continue;
        }
        row = SheetRow{Utf8Encode(section->SectionName), {}};
        SampleRequest one = samples;
        one.Section = index;
        PaintEverySection(source, one, take);
        if (!full && !row.Cells.empty()) {
            sheet.Add(std::move(row));
        }
    }
    try {
        const std::string note = full ? CapNote(static_cast<int>(sheet.Rows()), sections) : std::string();
        // The sections shown: the section of the face alone when it has the state, else the rows.
        const std::size_t shown = alone ? (single.Empty() ? 0 : 1) : sheet.Rows();
        if (alone && single.Empty()) {
            single = Bitmap32(request.Width, request.Height);
            single.Fill(ColorToPixel(samples.BackgroundColor, 255));
        }
        const Bitmap32 picture = alone ? std::move(single) : sheet.Paint(samples.BackgroundColor, note);
        WritePng(picture, request.Output);
        out << "rendered " << shown;
        if (full) {
            out << " of " << sections;
        }
        out << (shown == 1 && !full ? " section" : " sections") << " into " << request.Output << " (" << picture.Width()
            << "x" << picture.Height() << ")\n";
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace korvane
