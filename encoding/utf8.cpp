#include "encoding/utf8.h"

#include "encoding/windows1251.h"

namespace korvane {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool IsHighSurrogate(char16_t c)
{
    return c >= 0xD800 && c <= 0xDBFF;
}
bool IsLowSurrogate(char16_t c)
{
    return c >= 0xDC00 && c <= 0xDFFF;
}

// Reads the code point at source[i], advancing i past one unit, or two for a surrogate pair.
char32_t NextCodePoint(const char16_t* source, std::size_t units, std::size_t& i)
{
    const char16_t c = source[i++];
    if (IsHighSurrogate(c) && i < units && IsLowSurrogate(source[i]))
        return 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(source[i++]) - 0xDC00);
    if (IsHighSurrogate(c) || IsLowSurrogate(c))
        return kReplacement;
    return c;
}

std::size_t EncodedLength(char32_t cp)
{
    return cp <= 0x7F ? 1 : cp <= 0x7FF ? 2 : cp <= 0xFFFF ? 3 : 4;
}

} // namespace

std::size_t UnicodeToUtf8(char* dest, std::size_t capacity, const char16_t* source, std::size_t sourceUnits)
{
    if (!source)
        return 0;
    std::size_t count = 0;
    std::size_t i = 0;
    if (!dest) {
        while (i < sourceUnits)
            count += EncodedLength(NextCodePoint(source, sourceUnits, i));
        return count + 1;
    }
    if (capacity == 0)
        return 0;
    // The last byte of the buffer is kept for the terminating zero, so a text that does not fit is
    // cut before a whole character, never inside one.
    const std::size_t room = capacity - 1;
    while (i < sourceUnits && count < room) {
        // Runs of ASCII, most of a plug-in's text, go byte for byte.
        while (i < sourceUnits && count < room && source[i] < 0x80)
            dest[count++] = static_cast<char>(source[i++]);
        if (i >= sourceUnits || count >= room)
            break;
        const char32_t cp = NextCodePoint(source, sourceUnits, i);
        const std::size_t length = EncodedLength(cp);
        if (count + length > room)
            break;
        auto* out = reinterpret_cast<unsigned char*>(dest + count);
        switch (length) {
        case 1:
            out[0] = static_cast<unsigned char>(cp);
            break;
        case 2:
            out[0] = static_cast<unsigned char>(0xC0 | (cp >> 6));
            out[1] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
            break;
        case 3:
            out[0] = static_cast<unsigned char>(0xE0 | (cp >> 12));
            out[1] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            out[2] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
            break;
        default:
            out[0] = static_cast<unsigned char>(0xF0 | (cp >> 18));
            out[1] = static_cast<unsigned char>(0x80 | ((cp >> 12) & 0x3F));
            out[2] = static_cast<unsigned char>(0x80 | ((cp >> 6) & 0x3F));
            out[3] = static_cast<unsigned char>(0x80 | (cp & 0x3F));
            break;
        }
        count += length;
    }
    dest[count] = '\0';
    return count + 1;
}

std::string Utf8Encode(std::u16string_view text)
{
    if (text.empty())
        return {};
    std::string buffer(text.size() * 3 + 1, '\0');
    const std::size_t length = UnicodeToUtf8(buffer.data(), buffer.size(), text.data(), text.size());
    buffer.resize(length >= 1 ? length - 1 : 0);
    return buffer;
}

std::string AnsiToUtf8(std::string_view text)
{
    return Utf8Encode(Windows1251ToUtf16(text));
}

std::u16string Utf8Decode(std::string_view text)
{
    std::u16string result;
    result.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        const auto lead = static_cast<unsigned char>(text[i]);
        char32_t cp = kReplacement;
        std::size_t length = 1;
        if (lead < 0x80) {
            cp = lead;
        } else if (lead >= 0xC2 && lead <= 0xF4) {
            const std::size_t expected = lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
            char32_t value = lead & (0x7F >> expected);
            std::size_t k = 1;
            for (; k < expected && i + k < text.size(); ++k) {
                const auto next = static_cast<unsigned char>(text[i + k]);
                if ((next & 0xC0) != 0x80)
                    break;
                value = (value << 6) | (next & 0x3F);
            }
            if (k == expected) {
                const bool overlong = (expected == 3 && value < 0x800) || (expected == 4 && value < 0x10000);
                const bool surrogate = value >= 0xD800 && value <= 0xDFFF;
                if (!overlong && !surrogate && value <= 0x10FFFF)
                    cp = value;
                length = expected;
            } else {
                length = k; // skip the broken sequence's valid prefix, replace it once
            }
        }
        i += length;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            result.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
            result.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
        } else {
            result.push_back(static_cast<char16_t>(cp));
        }
    }
    return result;
}

} // namespace korvane
