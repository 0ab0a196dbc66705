#include "skin/skin_values.h"
#include "encoding/utf8.h"

#include <algorithm>
#include <charconv>
#include <string>

#include "skin/skin_text.h"

namespace korvane {

SkinConversionError::SkinConversionError(std::u16string_view text)
    : std::runtime_error("'" + Utf8Encode(text) + "' is not a valid integer value")
{
}

namespace {

int HexDigit(char16_t c)
{
    if (c >= u'0' && c <= u'9') {
        return c - u'0';
    }
    if (c >= u'a' && c <= u'f') {
        return c - u'a' + 10;
    }
    if (c >= u'A' && c <= u'F') {
        return c - u'A' + 10;
    }
    return -1;
}

std::optional<int32_t> ParseInt(std::u16string_view text, bool allowZeroX)
{
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < text.size() && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (allowZeroX && i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= text.size()) {
        return std::nullopt;
    }
    uint64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = hex ? HexDigit(text[i]) : (text[i] >= u'0' && text[i] <= u'9' ? text[i] - u'0' : -1);
        if (d < 0) {
            return std::nullopt;
        }
        value = value * (hex ? 16 : 10) + static_cast<uint64_t>(d);
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    if (hex) {
        // Hexadecimal numbers give the 32-bit pattern as written ($FFFFFFFF is -1).
        const auto bits = static_cast<uint32_t>(value);
        return negative ? static_cast<int32_t>(0u - bits) : static_cast<int32_t>(bits);
    }
    if (negative) {
        if (value > 0x80000000ull) {
            return std::nullopt;
        }
        return static_cast<int32_t>(-static_cast<int64_t>(value));
    }
    if (value > 0x7FFFFFFFull) {
        return std::nullopt;
    }
    return static_cast<int32_t>(value);
}

} // namespace

std::optional<int32_t> ParseLenientInt(std::u16string_view text)
{
    return ParseInt(text, true);
}

int32_t LenientIntOr(std::u16string_view text, int32_t fallback)
{
    return ParseLenientInt(text).value_or(fallback);
}

int32_t ParseStrictInt(std::u16string_view text)
{
    const auto value = ParseInt(text, false);
    if (!value) {
        throw SkinConversionError(text);
    }
    return *value;
}

std::optional<double> ParseVersion(std::u16string_view text)
{
    std::string ascii;
    for (char16_t c : text) {
        if (c > 0x7F) {
            return std::nullopt;
        }
        ascii.push_back(static_cast<char>(c));
    }
    if (ascii.empty()) {
        return std::nullopt;
    }
    const char* first = ascii.data();
    const char* last = first + ascii.size();
    if (*first == '+') {
        ++first;
    }
    double value = 0;
    const auto result = std::from_chars(first, last, value, std::chars_format::fixed);
    if (result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    return value;
}

bool ParseFlag(std::u16string_view text)
{
    const std::u16string upper = UpperAnsi(text);
    return upper == u"1" || upper == u"TRUE";
}

std::vector<std::u16string_view> SplitWords(std::u16string_view text, std::u16string_view delimiters)
{
    std::vector<std::u16string_view> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && delimiters.find(text[i]) != std::u16string_view::npos) {
            ++i;
        }
        const std::size_t start = i;
        while (i < text.size() && delimiters.find(text[i]) == std::u16string_view::npos) {
            ++i;
        }
        if (i > start) {
            words.push_back(text.substr(start, i - start));
        }
    }
    return words;
}

std::u16string_view WordAt(const std::vector<std::u16string_view>& words, std::size_t n)
{
    if (n == 0 || n > words.size()) {
        return {};
    }
    return words[n - 1];
}

TsGradArray ParseGradientData(std::u16string_view text)
{
    // Split at every ";": an empty part is a part too, and must hold a number when it falls
    // inside a complete group.
    std::vector<std::u16string_view> numbers;
    for (std::size_t from = 0;;) {
        const std::size_t at = text.find(u';', from);
        numbers.push_back(text.substr(from, at == std::u16string_view::npos ? std::u16string_view::npos : at - from));
        if (at == std::u16string_view::npos) {
            break;
        }
        from = at + 1;
    }
    TsGradArray steps;
    const std::size_t count = numbers.size() / 5;
    steps.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        GradientStep step;
        step.Color1 = std::max(ParseStrictInt(numbers[i * 5]), 0);
        step.Color2 = std::max(ParseStrictInt(numbers[i * 5 + 1]), 0);
        step.Percent = static_cast<uint8_t>(std::clamp(ParseStrictInt(numbers[i * 5 + 2]), 0, 100));
        step.Mode = ParseStrictInt(numbers[i * 5 + 3]);
        ParseStrictInt(numbers[i * 5 + 4]);
        steps.push_back(step);
    }
    return steps;
}

std::u16string TooNewVersionNotice()
{
    return u"This version of the skin have not complete support by used skin engine release.\r\n"
           u"Components must be updated up to latest version for using this skin.";
}

std::u16string OldVersionNotice(std::u16string_view skinName)
{
    return u"You are using an old version of the \"" + std::u16string(skinName) +
           u"\" skin. Please, update a skins to latest or contact the skin engine support for upgrading of "
           u"existing skin.\r\n\r\nThis notification occurs in design-time only for your information and will "
           u"not occur in real-time.";
}

std::optional<std::u16string> VersionNotice(double version, std::u16string_view skinName, bool acTest)
{
    if (version > 7.99) {
        return TooNewVersionNotice();
    }
    if (version < 7 && acTest) {
        return OldVersionNotice(skinName);
    }
    return std::nullopt;
}

bool HasAcTestArgument(const std::vector<std::u16string>& arguments)
{
    for (const auto& argument : arguments) {
        std::u16string lower(argument);
        for (char16_t& c : lower) {
            if (c >= u'A' && c <= u'Z') {
                c = static_cast<char16_t>(c + 32);
            }
        }
        if (lower == u"/actest") {
            return true;
        }
    }
    return false;
}

} // namespace korvane
