#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvane {

// Raised when a skin is larger than one of its budgets; the message names the member, file or
// section and the limit.
class SkinBudgetError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The most one skin load may take. A skin is untrusted input (a skin folder or package file in
// the skin directory, a live preview from another program), so every size that costs memory has
// a budget far above what a real skin needs, and what exceeds one is refused before the memory is
// spent: members and files by the size they declare or have, options texts line by line.
struct SkinBudgets {
    static constexpr std::size_t kMebibyte = std::size_t{1024} * 1024;

    // Bytes of one options text. The internal skin's has about 20,000; a live preview's at most
    // 30,001.
    std::size_t OptionsTextBytes = 4 * kMebibyte;
    // Sections of one options text. The internal skin has 64; a skin that builds its sections as
    // long PARENTCLASS chains has a few thousand.
    std::size_t Sections = 10000;
    // Lines kept for one section: its keys, and the lines without "=" that are kept as well. The
    // internal skin's longest section has about 40.
    std::size_t SectionLines = 10000;
    // Lines kept for all sections of one options text together.
    std::size_t Lines = 250000;
    // Members of one package. The internal skin has 10.
    std::size_t PackageMembers = 250000;
    // Unpacked bytes of all members of one package together, as the members declare them (and as
    // they must then inflate to): room for an options text and pictures that fill the picture
    // budget, and as much again for the pictures' own encoding. A package file may not be larger
    // either: deflate stores data in hardly more bytes than it has.
    std::size_t PackageBytes = 512 * kMebibyte;
    // Decoded pixels of all pictures of one load, 4 bytes each: 64 mebipixels.
    std::size_t PictureBytes = 256 * kMebibyte;
    // A picture file of a skin folder may have this much more than the picture budget: room for
    // headers, palettes and the overhead of its compression.
    static constexpr std::size_t kPictureFileSlack = kMebibyte;
};

// A number of bytes in MiB with at most two decimals ("256", "1.25").
std::string MebibytesText(double bytes);

// Throws SkinBudgetError "<subject> <bytes> bytes, more than the <limit> <what> may have", for
// example "Skin package member 'Options.dat' declares 5000000 bytes, more than the 4 MiB an
// options text may have" (a limit below 1 MiB in bytes).
[[noreturn]] void ThrowOverBudget(std::string_view subject, std::uint64_t bytes, std::size_t limit,
                                  std::string_view what);

} // namespace korvane
