#include "tools/cli/skin_commands.h"
#include "encoding/utf8.h"
#include "encoding/windows1251.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <nlohmann/json.hpp>
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

nlohmann::json SkinInfoJson(const SkinTables& skin)
{
    nlohmann::json sections = nlohmann::json::array();
    for (const TsGeneralData& s : skin.Sections) {
        sections.push_back({
            {"name", Utf8Encode(s.SectionName)},
            {"parent", Utf8Encode(s.ParentClass)},
            {"states", s.States},
            {"color", s.Color},
            {"hotcolor", s.HotColor},
            {"transparency", s.Transparency},
            {"gradient_percent", s.GradientPercent},
            {"image_percent", s.ImagePercent},
            {"fontcolor", s.FontColor[1]},
            {"border_index", s.BorderIndex},
            {"glow", s.GlowCount},
            {"fading", s.FadingEnabled},
        });
    }
    nlohmann::json images = nlohmann::json::array();
    for (const TsMaskData& m : skin.Masks) {
        images.push_back({
            {"section", Utf8Encode(m.SectionName)},
            {"key", Utf8Encode(m.PropertyName)},
            {"img_type", m.ImgType},
            {"rect", {m.Rect.Left, m.Rect.Top, m.Rect.Right, m.Rect.Bottom}},
            {"image_count", m.ImageCount},
            {"mask_type", m.MaskType},
            {"draw_mode", m.DrawMode},
            {"widths", {m.LeftWidth, m.TopWidth, m.RightWidth, m.BottomWidth}},
            {"own_image", static_cast<bool>(m.Image)},
        });
    }
    return {
        {"sections", skin.Sections.size()}, {"images", skin.Masks.size()},
        {"patterns", skin.Patterns.size()}, {"master", {skin.MasterBitmap->Width(), skin.MasterBitmap->Height()}},
        {"section_list", sections},         {"image_list", images},
    };
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
        out << SkinInfoJson(skin.Tables()).dump() << "\n";
    } catch (const std::exception& error) {
        err << error.what() << "\n";
        return 2;
    }
    return 0;
}

} // namespace korvane
