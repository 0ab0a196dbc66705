#include "ui/text.h"

#include "encoding/utf8.h"

namespace korvane::ui {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "UTF-16 wchar_t expected");

std::u16string ToU16(std::wstring_view text)
{
    return std::u16string(text.begin(), text.end());
}

std::wstring ToWide(std::u16string_view text)
{
    return std::wstring(text.begin(), text.end());
}

std::wstring WideFromUtf8(std::string_view text)
{
    return ToWide(Utf8Decode(text));
}

} // namespace korvane::ui
