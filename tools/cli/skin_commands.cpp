#include "tools/cli/skin_commands.h"
#include "encoding/utf8.h"
#include "encoding/windows1251.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>

#include "skin/skin_manager_core.h"
#include "skin/skin_platform.h"
#include "skin/skin_text.h"

namespace korvane {

namespace {

std::string LowerAscii(std::string text)
{
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') {
            c = static_cast<char>(c + 32);
        }
    }
    return text;
}

std::vector<uint8_t> ReadFileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

std::string Utf8Of(const std::filesystem::path& path)
{
    const std::u8string text = path.u8string();
    return std::string(text.begin(), text.end());
}

// JSON text written as nlohmann::json::dump writes it (compact; the caller gives the keys of an
// object in sorted order), without building a document: a skin of many entries never stands in
// memory as one.
class JsonWriter {
public:
    explicit JsonWriter(std::ostream& out) : m_out(out) {}

    // An object or array: its opening bracket, its members, its closing bracket.
    void Open(char bracket)
    {
        Separate();
        m_out << bracket;
        m_first = true;
    }
    void Close(char bracket)
    {
        m_out << bracket;
        m_first = false;
    }
    // The key of the next member of an object.
    void Key(std::string_view key)
    {
        Separate();
        String(key);
        m_out << ':';
        m_first = true;
    }
    void Field(std::string_view key, std::string_view text)
    {
        Key(key);
        Separate();
        String(text);
    }
    void Field(std::string_view key, std::int64_t number)
    {
        Key(key);
        Separate();
        m_out << number;
    }
    void Field(std::string_view key, bool flag)
    {
        Key(key);
        Separate();
        m_out << (flag ? "true" : "false");
    }
    void Field(std::string_view key, std::initializer_list<std::int64_t> numbers)
    {
        Key(key);
        Open('[');
        for (const std::int64_t number : numbers) {
            Separate();
            m_out << number;
        }
        Close(']');
    }

    // A member holding an array of objects, the members of each written by `write(json, item)`.
    template <typename Items, typename Write>
    void ObjectList(std::string_view key, const Items& items, const Write& write)
    {
        Key(key);
        Open('[');
        for (const auto& item : items) {
            Open('{');
            write(*this, item);
            Close('}');
        }
        Close(']');
    }

private:
    void Separate()
    {
        if (!m_first) {
            m_out << ',';
        }
        m_first = false;
    }
    // Quotation mark, backslash and control characters escaped as nlohmann::json escapes them.
    void String(std::string_view text)
    {
        static const char kHex[] = "0123456789abcdef";
        m_out << '"';
        for (const char c : text) {
            switch (c) {
            case '"':
                m_out << "\\\"";
                break;
            case '\\':
                m_out << "\\\\";
                break;
            case '\b':
                m_out << "\\b";
                break;
            case '\f':
                m_out << "\\f";
                break;
            case '\n':
                m_out << "\\n";
                break;
            case '\r':
                m_out << "\\r";
                break;
            case '\t':
                m_out << "\\t";
                break;
            default:
                if (static_cast<unsigned char>(c) < 0x20) {
                    m_out << "\\u00" << kHex[(c >> 4) & 0xF] << kHex[c & 0xF];
                } else {
                    m_out << c;
                }
            }
        }
        m_out << '"';
    }

    std::ostream& m_out;
    bool m_first = true;
};

// The report: the skin's sections and images and their counts, as one JSON object.
void WriteSkinInfo(const SkinTables& skin, std::ostream& out)
{
    JsonWriter json(out);
    json.Open('{');
    json.ObjectList("image_list", skin.Masks, [](JsonWriter& entry, const TsMaskData& m) {
        entry.Field("draw_mode", std::int64_t{m.DrawMode});
        entry.Field("image_count", std::int64_t{m.ImageCount});
        entry.Field("img_type", std::int64_t{m.ImgType});
        entry.Field("key", Utf8Encode(m.PropertyName));
        entry.Field("mask_type", std::int64_t{m.MaskType});
        entry.Field("own_image", static_cast<bool>(m.Image));
        entry.Field("rect", {m.Rect.Left, m.Rect.Top, m.Rect.Right, m.Rect.Bottom});
        entry.Field("section", Utf8Encode(m.SectionName));
        entry.Field("widths", {m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth});
    });
    json.Field("images", static_cast<std::int64_t>(skin.Masks.size()));
    json.Field("master", {skin.MasterBitmap->Width(), skin.MasterBitmap->Height()});
    json.Field("patterns", static_cast<std::int64_t>(skin.Patterns.size()));
    json.ObjectList("section_list", skin.Sections, [](JsonWriter& entry, const TsGeneralData& s) {
        entry.Field("border_index", std::int64_t{s.BorderIndex});
        entry.Field("color", std::int64_t{s.Color});
        entry.Field("fading", s.FadingEnabled);
        entry.Field("fontcolor", std::int64_t{s.FontColor[1]});
        entry.Field("glow", std::int64_t{s.GlowCount});
        entry.Field("gradient_percent", std::int64_t{s.GradientPercent});
        entry.Field("hotcolor", std::int64_t{s.HotColor});
        entry.Field("image_percent", std::int64_t{s.ImagePercent});
        entry.Field("name", Utf8Encode(s.SectionName));
        entry.Field("parent", Utf8Encode(s.ParentClass));
        entry.Field("states", std::int64_t{s.States});
        entry.Field("transparency", std::int64_t{s.Transparency});
    });
    json.Field("sections", static_cast<std::int64_t>(skin.Sections.size()));
    json.Close('}');
    out << '\n';
}

} // namespace

std::filesystem::path PathFromUtf8(const std::string& text)
{
    return std::filesystem::path(std::u8string(text.begin(), text.end()));
}

void LoadSkinAt(const std::string& utf8Path, SkinManagerCore& skin)
{
    const std::filesystem::path path = PathFromUtf8(utf8Path);
    const std::u16string text = path.u16string();
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        const std::filesystem::path name = path.has_filename() ? path.filename() : path.parent_path().filename();
        skin.LoadSkinFromFolder(text, name.u16string());
    } else if (!skin.LoadSkinFromPackageFile(text)) {
        throw std::runtime_error("No skin package or skin folder at " + utf8Path);
    }
}

std::vector<SkinPackageMember> CollectSkinFolder(const std::filesystem::path& folder)
{
    std::vector<SkinPackageMember> members;
    std::vector<std::filesystem::path> images;
    std::filesystem::path options;
    std::error_code ec;
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        throw std::runtime_error("cannot read the folder " + Utf8Of(folder));
    }
    for (const auto& entry : it) {
        if (!entry.is_regular_file(ec)) {
            continue;
        }
        const std::string name = Utf8Of(entry.path().filename());
        const std::string lower = LowerAscii(name);
        if (lower == "options.dat") {
            options = entry.path();
            continue;
        }
        const std::string ext = LowerAscii(Utf8Of(entry.path().extension()));
        if (ext == ".bmp" || ext == ".png" || ext == ".jpg" || ext == ".jpeg") {
            images.push_back(entry.path());
        }
    }
    if (options.empty()) {
        throw std::runtime_error("Options.dat not found in the skin folder " + Utf8Of(folder));
    }
    std::sort(images.begin(), images.end(),
              [](const auto& a, const auto& b) { return Utf8Of(a.filename()) < Utf8Of(b.filename()); });
    const auto memberName = [](const std::filesystem::path& path) {
        return Utf16ToWindows1251(path.filename().u16string());
    };
    members.push_back({memberName(options), ReadFileBytes(options)});
    for (const auto& image : images) {
        members.push_back({memberName(image), ReadFileBytes(image)});
    }
    return members;
}

int RunSkinPack(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::string folder;
    std::string output;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (args[i] == "-o" && i + 1 < args.size()) {
            output = args[++i];
        } else if (folder.empty()) {
            folder = args[i];
        } else {
            err << "korvane-cli skin-pack: unexpected argument \"" << args[i] << "\"\n";
            return 2;
        }
    }
    if (folder.empty() || output.empty()) {
        err << "korvane-cli skin-pack: usage: korvane-cli skin-pack FOLDER -o FILE.asz\n";
        return 2;
    }
    try {
        const std::vector<uint8_t> package = WriteSkinPackage(CollectSkinFolder(PathFromUtf8(folder)));
        std::ofstream file(PathFromUtf8(output), std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(package.data()), static_cast<std::streamsize>(package.size()));
        file.close();
        if (!file) {
            throw std::runtime_error("cannot write " + output);
        }
        out << "packed " << folder << " into " << output << " (" << package.size() << " bytes)\n";
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 2;
    }
    return 0;
}

int RunSkinInfo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 1) {
        err << "korvane-cli skin-info: usage: korvane-cli skin-info PATH (a .asz package or a skin folder)\n";
        return 2;
    }
    try {
        PortableSkinPlatform platform;
        SkinManagerCore skin(platform);
        LoadSkinAt(args[0], skin);
        WriteSkinInfo(skin.Tables(), out);
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace korvane
