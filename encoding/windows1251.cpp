#include "encoding/windows1251.h"

#include <array>

namespace korvane {

namespace {

// Code points of the bytes 0x80 to 0xBF; 0x00-0x7F are ASCII and 0xC0-0xFF are U+0410-U+044F.
constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021, 0x20AC, 0x2030, 0x0409, 0x2039, 0x040A,
    0x040C, 0x040B, 0x040F, 0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x0098, 0x2122,
    0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F, 0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6,
    0x00A7, 0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407, 0x00B0, 0x00B1, 0x0406, 0x0456,
    0x0491, 0x00B5, 0x00B6, 0x00B7, 0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
};

} // namespace

std::u16string Windows1251ToUtf16(std::string_view text)
{
    std::u16string wide;
    wide.reserve(text.size());
    for (char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            wide.push_back(b);
        else if (b < 0xC0)
            wide.push_back(kUpperHalf[b - 0x80]);
        else
            wide.push_back(static_cast<char16_t>(0x0410 + (b - 0xC0)));
    }
    return wide;
}

std::string Utf16ToWindows1251(std::u16string_view text)
{
    std::string narrow;
    narrow.reserve(text.size());
    for (char16_t c : text) {
        if (c < 0x80) {
            narrow.push_back(static_cast<char>(c));
        } else if (c >= 0x0410 && c <= 0x044F) {
            narrow.push_back(static_cast<char>(0xC0 + (c - 0x0410)));
        } else {
            char found = '?';
            for (std::size_t i = 0; i < kUpperHalf.size(); ++i) {
                if (kUpperHalf[i] == c) {
                    found = static_cast<char>(0x80 + i);
                    break;
                }
            }
            narrow.push_back(found);
        }
    }
    return narrow;
}

} // namespace korvane
