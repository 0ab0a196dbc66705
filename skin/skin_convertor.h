#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_text.h"

namespace korvane {

// Raised for a package that cannot be read: wrong magic, cut-off fields, damaged zlib data.
class SkinPackageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One image member of a skin package.
struct TacImageItem {
    std::u16string Name;       // as stored
    bool IsBitmap = false;     // extension, upper-cased in ASCII, is ".BMP"
    std::vector<uint8_t> Data; // unpacked bytes
};

using TacImageItems = std::vector<TacImageItem>;

// Reader of "ASzf" skin packages: the magic, a member count, then per member a name length, the
// name, the unpacked size and one complete zlib stream. Members follow each other without a
// length field: each starts right after the previous zlib stream ends.
class TacSkinConvertor {
public:
    // Member count minus one, as stored (the options member is counted).
    int32_t ImageMemberCount = 0;
    // Image members in package order, the options member excluded.
    TacImageItems ImageItems;
    // The unpacked options member, or null when the package has none (a later options member
    // replaces an earlier one).
    std::unique_ptr<std::vector<uint8_t>> Options;

    // Reads a package from bytes. On any error everything read so far is dropped and
    // SkinPackageError is thrown; the bytes are never read past their end.
    void Parse(std::span<const uint8_t> packed);
    // Reads the whole file and parses it. Returns false, leaving the reader untouched, when the
    // file does not exist.
    bool LoadFromFile(const std::filesystem::path& file);
    // Drops every member.
    void Clear();

    // The first image member whose name, upper-cased in ASCII, equals upperName; or nullptr.
    // Looked up by name in constant time while ImageItems are as Parse left them.
    const TacImageItem* FindImage(std::u16string_view upperName) const;
    // The options text, or throws SkinPackageError("Options.dat not found in the skin package").
    std::span<const uint8_t> OptionsBytes() const;

private:
    // Upper-cased member name -> index of its first item, for the items as Parse left them.
    TextMap<std::size_t> m_index;
    const TacImageItem* m_indexedItems = nullptr;
    std::size_t m_indexedCount = 0;
};

// The zlib inflation of one member, exposed for the benchmark and tests: inflates exactly
// `size` bytes from the zlib stream at the start of `source` and reports how many source bytes
// the stream took. Throws SkinPackageError naming `member` on a damaged or cut-off stream or a
// stream whose length differs from `size`.
std::vector<uint8_t> InflateMember(std::span<const uint8_t> source, std::size_t size, std::u16string_view member,
                                   std::size_t& consumed);

} // namespace korvane
