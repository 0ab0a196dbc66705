#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_records.h"

namespace korvane {

// Raised when a strict integer cannot be read; the message is "'<text>' is not a valid integer value".
class SkinConversionError : public std::runtime_error {
public:
    explicit SkinConversionError(std::u16string_view text);
};

// Decimal with optional sign, or hexadecimal with the prefix 0x, 0X or $. Anything else,
// including numbers outside 32 bits, gives nothing.
std::optional<int32_t> ParseLenientInt(std::u16string_view text);
// Lenient read with a default for unreadable text.
int32_t LenientIntOr(std::u16string_view text, int32_t fallback);
// Decimal with optional sign, or hexadecimal with the prefix $; anything else throws
// SkinConversionError.
int32_t ParseStrictInt(std::u16string_view text);
// A decimal number with "." as separator; unreadable text gives nothing.
std::optional<double> ParseVersion(std::u16string_view text);
// "1" or "TRUE" in any case.
bool ParseFlag(std::u16string_view text);
// Keeps the low 16 bits of a value stored in a 16-bit field.
inline int16_t Low16(int32_t value)
{
    return static_cast<int16_t>(static_cast<uint16_t>(static_cast<uint32_t>(value)));
}

// Splits into words: maximal runs of characters not in delimiters.
std::vector<std::u16string_view> SplitWords(std::u16string_view text, std::u16string_view delimiters);
// Word n (1-based) or empty text beyond the last.
std::u16string_view WordAt(const std::vector<std::u16string_view>& words, std::size_t n);

// Parses "c1;c2;percent;mode;x;..." into gradient steps (groups of five; an incomplete group is
// ignored). Numbers of complete groups are strict integers.
TsGradArray ParseGradientData(std::u16string_view text);

// Text of the version notices shown after GLOBALINFO has been read. TooNewVersionNotice is shown
// for versions above 7.99; OldVersionNotice for versions below 7, only when the command line
// holds "/actest".
std::u16string TooNewVersionNotice();
std::u16string OldVersionNotice(std::u16string_view skinName);
// The notice (if any) for the given version: acTest tells whether "/actest" is on the command line.
std::optional<std::u16string> VersionNotice(double version, std::u16string_view skinName, bool acTest);
// True when one of the arguments, lower-cased, equals "/actest".
bool HasAcTestArgument(const std::vector<std::u16string>& arguments);

} // namespace korvane
