#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_budgets.h"
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
    std::vector<uint8_t> Data; // unpacked bytes (empty while the member is kept packed)
    // A member read with MemberUnpacking::OnDemand keeps its zlib stream (already checked) and
    // its size until TacSkinConvertor::Unpacked inflates it.
    bool KeptPacked = false;
    std::vector<uint8_t> Packed;
    std::size_t Size = 0;
};

using TacImageItems = std::vector<TacImageItem>;

// Reader of "ASzf" skin packages: the magic, a member count, then per member a name length, the
// name, the unpacked size and one complete zlib stream. Members follow each other without a
// length field: each starts right after the previous zlib stream ends.
//
// A package is held to the budgets of a skin: the member count, the size an options member
// declares and the total all members declare. A member beyond them is refused by its declared
// size before it is unpacked (only the start of its stream is inflated, through a scratch buffer,
// so that a member whose data is damaged or shorter than declared is reported as such).
class TacSkinConvertor {
public:
    // Whether Parse unpacks every image member, or checks each stream (inflating it through a
    // scratch buffer, to find where it ends) and keeps it packed until its bytes are asked for:
    // the members no key of the skin names then cost no memory.
    enum class MemberUnpacking : uint8_t { All, OnDemand };

    // Member count minus one, as stored (the options member is counted).
    int32_t ImageMemberCount = 0;
    // Image members in package order, the options member excluded.
    TacImageItems ImageItems;
    // The unpacked options member, or null when the package has none (a later options member
    // replaces an earlier one).
    std::unique_ptr<std::vector<uint8_t>> Options;

    // Reads a package from bytes. On any error everything read so far is dropped and
    // SkinPackageError (SkinBudgetError beyond a budget) is thrown; the bytes are never read past
    // their end.
    void Parse(std::span<const uint8_t> packed, const SkinBudgets& budgets = SkinBudgets(),
               MemberUnpacking unpacking = MemberUnpacking::All);
    // Reads the whole file and parses it. Returns false, leaving the reader untouched, when the
    // file does not exist; a file larger than the package budget is refused before it is read.
    bool LoadFromFile(const std::filesystem::path& file, const SkinBudgets& budgets = SkinBudgets(),
                      MemberUnpacking unpacking = MemberUnpacking::All);
    // Drops every member.
    void Clear();

    // The first image member whose name, upper-cased in ASCII, equals upperName; or nullptr.
    // Looked up by name in constant time while ImageItems are as Parse left them.
    const TacImageItem* FindImage(std::u16string_view upperName) const;
    // The unpacked bytes of an image member: its Data, or, for a member kept packed, its stream
    // inflated into `storage`. Throws SkinPackageError as Parse would.
    static std::span<const uint8_t> Unpacked(const TacImageItem& item, std::vector<uint8_t>& storage);
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
