#include "generator/input_rules.h"

namespace korvane {

std::u16string_view TrimControlAndSpace(std::u16string_view text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && text[begin] <= u' ')
        ++begin;
    while (end > begin && text[end - 1] <= u' ')
        --end;
    return text.substr(begin, end - begin);
}

bool IsBlank(std::u16string_view text)
{
    return TrimControlAndSpace(text).empty();
}

bool PassesCommandFilter(char16_t typed)
{
    return typed == 8 || typed == u' ' || typed == u'_' || (typed >= u'0' && typed <= u'9') ||
           (typed >= u'A' && typed <= u'Z') || (typed >= u'a' && typed <= u'z');
}

bool PassesKeysFilter(char16_t typed)
{
    return typed == 8 || (typed >= u'0' && typed <= u'9');
}

void AppendKeysFromRows(const std::vector<std::u16string>& rows, std::u16string& keys)
{
    for (const std::u16string& row : rows) {
        const std::u16string_view trimmed = TrimControlAndSpace(row);
        if (!trimmed.empty() && trimmed.front() >= u'0' && trimmed.front() <= u'9')
            keys.push_back(trimmed.front());
    }
}

std::optional<std::u16string_view> CheckNewStyleMenu(const NewStyleMenu& menu)
{
    if (IsBlank(menu.title))
        return kTitleEmptyMessage;
    if (menu.items.empty())
        return kNoItemsMessage;
    return std::nullopt;
}

std::optional<std::u16string_view> CheckOldStyleOptions(const OldStyleMenu& menu)
{
    if (menu.keys.empty())
        return kNoKeysMessage;
    return std::nullopt;
}

std::optional<std::u16string_view> CheckSourceModMenu(const SourceModMenu& menu)
{
    if (IsBlank(menu.command))
        return kNoCommandMessage;
    return std::nullopt;
}

} // namespace korvane
