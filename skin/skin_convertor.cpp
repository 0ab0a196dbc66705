#include "skin/skin_convertor.h"
#include "encoding/utf8.h"
#include "encoding/windows1251.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>

#include "skin/skin_files.h"
#include "skin/skin_text.h"

namespace korvane {

namespace {

constexpr char kMagic[4] = {'A', 'S', 'z', 'f'};
// Deflate cannot expand data by more than about 1032:1, so a member claiming more than this
// many bytes per remaining packed byte cannot be genuine and is refused without inflating.
constexpr uint64_t kMaxInflateRatio = 1032;
// The smallest member record: name length, size and an empty zlib stream (8 bytes).
constexpr std::size_t kMinMemberBytes = 4 + 4 + 8;
// The output buffer of a member starts at this size (or the member's, when smaller) and doubles;
// a stream that is only checked runs through a scratch buffer of this size; of a member beyond a
// budget no more than this is inflated.
constexpr std::size_t kInflateChunk = 64 * 1024;

std::string Quoted(std::u16string_view name)
{
    return "'" + Utf8Encode(name) + "'";
}

class ByteCursor {
public:
    explicit ByteCursor(std::span<const uint8_t> data) : m_data(data) {}

    std::size_t Left() const { return m_data.size() - m_pos; }
    std::span<const uint8_t> Rest() const { return m_data.subspan(m_pos); }
    void Skip(std::size_t n) { m_pos += n; }

    int32_t ReadInt32(const std::string& what)
    {
        if (Left() < 4) {
            throw SkinPackageError("Skin package is cut off: " + what + " is missing at offset " +
                                   std::to_string(m_pos));
        }
        const uint8_t* p = m_data.data() + m_pos;
        m_pos += 4;
        const uint32_t v = static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
                           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
        return static_cast<int32_t>(v);
    }

private:
    std::span<const uint8_t> m_data;
    std::size_t m_pos = 0;
};

std::string ZlibText(int code, const z_stream& stream)
{
    std::string text = zError(code);
    if (stream.msg != nullptr && text != stream.msg) {
        text += " (";
        text += stream.msg;
        text += ")";
    }
    return text;
}

// One zlib inflater and scratch buffer, reset for each member of a package.
class MemberInflater {
public:
    MemberInflater()
    {
        std::memset(&m_stream, 0, sizeof(m_stream));
        m_ready = inflateInit(&m_stream) == Z_OK;
    }
    ~MemberInflater()
    {
        if (m_ready) {
            inflateEnd(&m_stream);
        }
    }
    MemberInflater(const MemberInflater&) = delete;
    MemberInflater& operator=(const MemberInflater&) = delete;

    // Runs the zlib stream at the start of `source`, which must inflate to exactly `size` bytes.
    // The bytes go into `out` when `keep` is set, else through the scratch buffer (the stream is
    // only checked). With `stopAfter` below `size` it stops, returning false, once that many
    // bytes are out and the stream goes on; otherwise it returns true with `consumed` set to the
    // stream's length. Throws SkinPackageError naming `member` on a damaged or cut-off stream or
    // a stream whose length differs from `size`.
    bool Run(std::span<const uint8_t> source, std::size_t size, std::u16string_view member, bool keep,
             std::size_t stopAfter, std::vector<uint8_t>& out, std::size_t& consumed);

private:
    z_stream m_stream;
    bool m_ready = false;
    bool m_used = false;
    std::vector<uint8_t> m_scratch;
};

bool MemberInflater::Run(std::span<const uint8_t> source, std::size_t size, std::u16string_view member, bool keep,
                         std::size_t stopAfter, std::vector<uint8_t>& out, std::size_t& consumed)
{
    if (!m_ready) {
        throw SkinPackageError("Skin package member " + Quoted(member) + ": zlib could not be initialised");
    }
    z_stream& z = m_stream;
    if (m_used) {
        inflateReset(&z);
    }
    m_used = true;
    z.next_out = nullptr;
    z.avail_out = 0;
    if (keep) {
        out.clear();
    }
    // zlib counts in uInt; packages never come near 4 GiB, and larger inputs are clamped.
    z.next_in = const_cast<Bytef*>(source.data());
    z.avail_in = static_cast<uInt>(std::min<std::size_t>(source.size(), std::numeric_limits<uInt>::max()));
    // Once all `size` bytes are out, the stream may still have to reach its end; one more byte
    // of room tells a longer stream apart.
    uint8_t beyond = 0;
    int rc = Z_OK;
    while (rc == Z_OK) {
        if (z.avail_out == 0) {
            const std::size_t produced = static_cast<std::size_t>(z.total_out);
            if (produced > size) {
                throw SkinPackageError("Skin package member " + Quoted(member) + " inflates to more than its size of " +
                                       std::to_string(size) + " bytes");
            }
            if (produced >= stopAfter && produced < size) {
                return false;
            }
            if (produced == size) {
                z.next_out = &beyond;
                z.avail_out = 1;
            } else if (keep) {
                // The output grows with what the stream really produces, never beyond the declared
                // size, so a member that lies about its size costs only the memory of its true
                // contents.
                const std::size_t grown = std::min(size, std::max(kInflateChunk, out.size() * 2));
                out.reserve(grown);
                out.resize(grown);
                z.next_out = out.data() + produced;
                z.avail_out =
                    static_cast<uInt>(std::min<std::size_t>(grown - produced, std::numeric_limits<uInt>::max()));
            } else {
                // zlib keeps the history it needs itself: the scratch bytes may be overwritten.
                m_scratch.resize(kInflateChunk);
                z.next_out = m_scratch.data();
                z.avail_out = static_cast<uInt>(std::min(kInflateChunk, size - produced));
            }
        }
        rc = inflate(&z, Z_NO_FLUSH);
    }
    if (rc == Z_STREAM_END) {
        if (z.total_out > size) {
            throw SkinPackageError("Skin package member " + Quoted(member) + " inflates to more than its size of " +
                                   std::to_string(size) + " bytes");
        }
        if (z.total_out != size) {
            throw SkinPackageError("Skin package member " + Quoted(member) + " inflates to " +
                                   std::to_string(z.total_out) + " bytes instead of " + std::to_string(size));
        }
        consumed = static_cast<std::size_t>(z.total_in);
        return true;
    }
    if (rc == Z_BUF_ERROR && z.avail_in == 0) {
        throw SkinPackageError("Skin package is cut off: the data of member " + Quoted(member) + " ends after " +
                               std::to_string(z.total_out) + " of " + std::to_string(size) + " bytes");
    }
    throw SkinPackageError("Skin package member " + Quoted(member) + ": " + ZlibText(rc, z));
}

// Refuses a member that declares `size` bytes when that is more than `budget`: an options member
// beyond the options text budget, any member that would bring the package beyond its total.
// Only the start of its stream is inflated first, through a scratch buffer, so that damaged data
// or data shorter than declared is reported as what it is.
void CheckMemberBudget(MemberInflater& inflater, std::span<const uint8_t> stream, std::size_t size,
                       std::u16string_view member, bool isOptions, std::size_t declaredBefore,
                       const SkinBudgets& budgets)
{
    const bool overOptions = isOptions && size > budgets.OptionsTextBytes;
    const bool overTotal = size > budgets.PackageBytes || declaredBefore > budgets.PackageBytes - size;
    if (!overOptions && !overTotal) {
        return;
    }
    std::vector<uint8_t> none;
    std::size_t consumed = 0;
    inflater.Run(stream, size, member, false, kInflateChunk, none, consumed);
    const std::string subject = "Skin package member " + Quoted(member) + " declares";
    if (overOptions) {
        ThrowOverBudget(subject, size, budgets.OptionsTextBytes, "an options text");
    }
    ThrowOverBudget(subject + " " + std::to_string(size) + " bytes, which would bring the package to",
                    static_cast<uint64_t>(declaredBefore) + size, budgets.PackageBytes, "a skin package");
}

} // namespace

std::vector<uint8_t> InflateMember(std::span<const uint8_t> source, std::size_t size, std::u16string_view member,
                                   std::size_t& consumed)
{
    MemberInflater inflater;
    std::vector<uint8_t> out;
    inflater.Run(source, size, member, true, size, out, consumed);
    return out;
}

void TacSkinConvertor::Parse(std::span<const uint8_t> packed, const SkinBudgets& budgets, MemberUnpacking unpacking)
{
    Clear();
    try {
        if (packed.size() < 4 || std::memcmp(packed.data(), kMagic, 4) != 0) {
            throw SkinPackageError("Loaded data is not a packed skin file");
        }
        ByteCursor cursor(packed);
        cursor.Skip(4);
        const int32_t count = cursor.ReadInt32("the member count");
        if (count < 0 || static_cast<uint64_t>(count) * kMinMemberBytes > cursor.Left()) {
            throw SkinPackageError("Skin package is damaged: member count " + std::to_string(count) +
                                   " does not fit in the remaining " + std::to_string(cursor.Left()) + " bytes");
        }
        if (static_cast<std::size_t>(count) > budgets.PackageMembers) {
            throw SkinBudgetError("Skin package member count " + std::to_string(count) + " is more than the " +
                                  std::to_string(budgets.PackageMembers) + " members a skin package may have");
        }
        ImageMemberCount = count - 1;
        MemberInflater inflater;
        std::size_t declared = 0;
        for (int32_t i = 0; i < count; ++i) {
            const std::string which = "member " + std::to_string(i + 1) + " of " + std::to_string(count);
            const int32_t nameLength = cursor.ReadInt32("the name length of " + which);
            if (nameLength < 0 || static_cast<std::size_t>(nameLength) > cursor.Left()) {
                throw SkinPackageError("Skin package is damaged: the name length " + std::to_string(nameLength) +
                                       " of " + which + " does not fit in the remaining " +
                                       std::to_string(cursor.Left()) + " bytes");
            }
            const auto nameBytes = cursor.Rest().first(static_cast<std::size_t>(nameLength));
            const std::u16string name =
                Windows1251ToUtf16(std::string_view(reinterpret_cast<const char*>(nameBytes.data()), nameBytes.size()));
            cursor.Skip(nameBytes.size());
            const int32_t size = cursor.ReadInt32("the size of member " + Quoted(name));
            if (size < 0 || static_cast<uint64_t>(size) > cursor.Left() * kMaxInflateRatio + 64) {
                throw SkinPackageError("Skin package is damaged: member " + Quoted(name) + " claims " +
                                       std::to_string(size) + " bytes, more than the remaining " +
                                       std::to_string(cursor.Left()) + " packed bytes can hold");
            }
            const auto unpackedSize = static_cast<std::size_t>(size);
            const std::u16string upperName = UpperAscii(name);
            const bool isOptions = upperName == u"OPTIONS.DAT";
            CheckMemberBudget(inflater, cursor.Rest(), unpackedSize, name, isOptions, declared, budgets);
            declared += unpackedSize;
            std::size_t consumed = 0;
            if (isOptions) {
                Options = std::make_unique<std::vector<uint8_t>>();
                inflater.Run(cursor.Rest(), unpackedSize, name, true, unpackedSize, *Options, consumed);
                cursor.Skip(consumed);
                continue;
            }
            TacImageItem item;
            item.Name = name;
            const std::size_t dot = upperName.rfind(u'.');
            item.IsBitmap = dot != std::u16string::npos && std::u16string_view(upperName).substr(dot) == u".BMP";
            if (unpacking == MemberUnpacking::All) {
                inflater.Run(cursor.Rest(), unpackedSize, name, true, unpackedSize, item.Data, consumed);
            } else {
                std::vector<uint8_t> none;
                inflater.Run(cursor.Rest(), unpackedSize, name, false, unpackedSize, none, consumed);
                const auto stream = cursor.Rest().first(consumed);
                item.KeptPacked = true;
                item.Packed.assign(stream.begin(), stream.end());
                item.Size = unpackedSize;
            }
            cursor.Skip(consumed);
            m_index.emplace(upperName, ImageItems.size());
            ImageItems.push_back(std::move(item));
        }
        m_indexedItems = ImageItems.data();
        m_indexedCount = ImageItems.size();
    } catch (...) {
        Clear();
        throw;
    }
}

bool TacSkinConvertor::LoadFromFile(const std::filesystem::path& file, const SkinBudgets& budgets,
                                    MemberUnpacking unpacking)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) {
        return false;
    }
    Parse(ReadFileWithin(file, "the skin package " + Quoted(file.u16string()), budgets.PackageBytes, "a skin package"),
          budgets, unpacking);
    return true;
}

void TacSkinConvertor::Clear()
{
    ImageItems.clear();
    Options.reset();
    ImageMemberCount = 0;
    m_index.clear();
    m_indexedItems = nullptr;
    m_indexedCount = 0;
}

const TacImageItem* TacSkinConvertor::FindImage(std::u16string_view upperName) const
{
    if (ImageItems.data() == m_indexedItems && ImageItems.size() == m_indexedCount) {
        const auto it = m_index.find(upperName);
        return it == m_index.end() ? nullptr : &ImageItems[it->second];
    }
    // Items changed since Parse: the plain search.
    for (const TacImageItem& item : ImageItems) {
        if (UpperAscii(item.Name) == upperName) {
            return &item;
        }
    }
    return nullptr;
}

std::span<const uint8_t> TacSkinConvertor::Unpacked(const TacImageItem& item, std::vector<uint8_t>& storage)
{
    if (!item.KeptPacked) {
        return item.Data;
    }
    std::size_t consumed = 0;
    storage = InflateMember(item.Packed, item.Size, item.Name, consumed);
    return storage;
}

std::span<const uint8_t> TacSkinConvertor::OptionsBytes() const
{
    if (!Options) {
        throw SkinPackageError("Options.dat not found in the skin package");
    }
    return *Options;
}

} // namespace korvane
