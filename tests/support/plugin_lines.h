#pragma once

#include <string>
#include <vector>

namespace korvane::test {

// Splits a generated plug-in into its lines. Every line must end with CR LF; a text that does not
// end with one, or a line holding a lone CR or LF, is reported by an extra line "<BAD LINE END>".
std::vector<std::u16string> PluginLines(const std::u16string& text);

// UTF-8 for readable assertion messages.
std::string Narrow(const std::u16string& text);

} // namespace korvane::test
