#include "skin/manager_settings.h"

#include <algorithm>

namespace korvane {

bool ThirdPartyList::Contains(Kind kind, std::u16string_view className) const
{
    const auto& names = m_lists[kind];
    return std::find(names.begin(), names.end(), className) != names.end();
}

void ThirdPartyList::Rebuild()
{
    for (int kind = 0; kind < kCount; ++kind) {
        std::u16string& text = m_texts[kind];
        if (text.empty())
            text = kind == ThirdButtons ? u"TButton" : u" ";
        std::vector<std::u16string>& names = m_lists[kind];
        names.clear();
        std::size_t start = 0;
        while (start <= text.size()) {
            std::size_t end = text.find_first_of(u"\r\n", start);
            if (end == std::u16string::npos)
                end = text.size();
            names.push_back(text.substr(start, end - start));
            // A CR LF pair ends one line.
            if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
                ++end;
            start = end + 1;
        }
        // A final line break leaves no empty last name.
        if (names.size() > 1 && names.back().empty())
            names.pop_back();
    }
}

} // namespace korvane
