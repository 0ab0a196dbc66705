#include "generator/plugin_text.h"

namespace korvane {

void PluginText::AppendLine(std::u16string_view line)
{
    m_text.append(line);
    m_text.append(u"\r\n");
    ++m_lines;
}

std::u16string DecimalText(long long value)
{
    const std::string digits = std::to_string(value);
    return std::u16string(digits.begin(), digits.end());
}

} // namespace korvane
