#pragma once

#include <string>
#include <string_view>

namespace korvane {

// The text of a generated plug-in as it grows: lines appended one by one, each ended by CR LF
// (the last one too), exactly as they stand in the generated-source window's text box.
class PluginText {
public:
    // Appends one line and its CR LF.
    void AppendLine(std::u16string_view line);
    // Appends a line made of several pieces joined without separators.
    template <typename... Pieces>
    void AppendJoined(const Pieces&... pieces)
    {
        (m_text.append(std::u16string_view(pieces)), ...);
        m_text.append(u"\r\n");
        ++m_lines;
    }

    const std::u16string& Text() const { return m_text; }
    // Number of lines appended so far.
    std::size_t LineCount() const { return m_lines; }

private:
    std::u16string m_text;
    std::size_t m_lines = 0;
};

// The indentation of the statements inside a case block of the AMX Mod X templates, whose lines
// stand seven spaces in: one level further.
inline constexpr std::u16string_view kAmxxCaseBodyIndent = u"              ";

// Decimal digits of a number, with a minus sign when negative.
std::u16string DecimalText(long long value);

} // namespace korvane
