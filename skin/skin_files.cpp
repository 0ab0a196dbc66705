#include "skin/skin_files.h"
#include "encoding/utf8.h"

#include <fstream>
#include <stdexcept>

#include "skin/skin_text.h"

namespace korvane {

std::filesystem::path SkinFsPath(std::u16string_view path)
{
    std::u16string text(path);
    if constexpr (std::filesystem::path::preferred_separator == '/') {
        for (char16_t& c : text) {
            if (c == u'\\') {
                c = u'/';
            }
        }
    }
    return std::filesystem::path(text);
}

// Windows finds files whatever the case of their names; on file systems that tell case apart
// the folder is searched for a name that differs only in ASCII case.
std::optional<std::filesystem::path> FindSkinFile(std::u16string_view path)
{
    return SkinFileFinder().Find(path);
}

std::optional<std::filesystem::path> SkinFileFinder::Find(std::u16string_view path)
{
    if (path.empty()) {
        return std::nullopt;
    }
    const std::filesystem::path exact = SkinFsPath(path);
    std::error_code ec;
    if (std::filesystem::is_regular_file(exact, ec)) {
        return exact;
    }
    if constexpr (std::filesystem::path::preferred_separator == '/') {
        const std::filesystem::path folder = exact.parent_path().empty() ? "." : exact.parent_path();
        auto listed = m_folders.find(folder);
        if (listed == m_folders.end()) {
            listed = m_folders.emplace(folder, TextMap<std::filesystem::path>()).first;
            std::filesystem::directory_iterator it(folder, ec);
            if (!ec) {
                for (const auto& entry : it) {
                    std::error_code typeError;
                    if (entry.is_regular_file(typeError)) {
                        listed->second.emplace(UpperAscii(entry.path().filename().u16string()), entry.path());
                    }
                }
            }
        }
        const auto found = listed->second.find(UpperAscii(exact.filename().u16string()));
        if (found != listed->second.end()) {
            return found->second;
        }
    }
    return std::nullopt;
}

bool SkinFileExists(std::u16string_view path)
{
    return FindSkinFile(path).has_value();
}

bool SkinFolderExists(std::u16string_view path)
{
    std::error_code ec;
    return !path.empty() && std::filesystem::is_directory(SkinFsPath(path), ec);
}

std::vector<uint8_t> ReadFileWithin(const std::filesystem::path& file, std::string_view what, std::size_t maxBytes,
                                    std::string_view kind)
{
    std::error_code ec;
    const uintmax_t length = std::filesystem::file_size(file, ec);
    if (ec) {
        throw std::runtime_error("Cannot read " + std::string(what));
    }
    if (length > maxBytes) {
        std::string subject(what);
        if (!subject.empty() && subject[0] >= 'a' && subject[0] <= 'z') {
            subject[0] = static_cast<char>(subject[0] - 'a' + 'A');
        }
        ThrowOverBudget(subject + " has", length, maxBytes, kind);
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        throw std::runtime_error("Cannot open " + std::string(what));
    }
    std::vector<uint8_t> bytes(static_cast<std::size_t>(length));
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size())) {
        throw std::runtime_error("Cannot read " + std::string(what));
    }
    return bytes;
}

std::optional<std::vector<uint8_t>> ReadSkinFile(std::u16string_view path, std::size_t maxBytes, std::string_view kind)
{
    const auto file = FindSkinFile(path);
    if (!file) {
        return std::nullopt;
    }
    return ReadFileWithin(*file, "the file '" + Utf8Encode(path) + "'", maxBytes, kind);
}

std::vector<SkinFolderEntry> ListSkinFolder(std::u16string_view path)
{
    std::vector<SkinFolderEntry> entries;
    std::error_code ec;
    std::filesystem::directory_iterator it(SkinFsPath(path), ec);
    if (ec) {
        return entries;
    }
    for (const auto& entry : it) {
        std::error_code typeError;
        entries.push_back({entry.path().filename().u16string(), entry.is_directory(typeError)});
    }
    return entries;
}

} // namespace korvane
