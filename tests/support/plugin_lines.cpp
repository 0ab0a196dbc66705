#include "support/plugin_lines.h"

#include "encoding/utf8.h"

namespace korvane::test {

std::vector<std::u16string> PluginLines(const std::u16string& text)
{
    std::vector<std::u16string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find(u"\r\n", start);
        if (end == std::u16string::npos) {
            lines.push_back(u"<BAD LINE END>");
            break;
        }
        std::u16string line = text.substr(start, end - start);
        if (line.find_first_of(u"\r\n") != std::u16string::npos)
            line = u"<BAD LINE END>";
        lines.push_back(std::move(line));
        start = end + 2;
    }
    return lines;
}

std::string Narrow(const std::u16string& text)
{
    return Utf8Encode(text);
}

} // namespace korvane::test
