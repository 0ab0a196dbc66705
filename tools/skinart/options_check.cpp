#include "tools/skinart/options_check.h"

#include <algorithm>
#include <set>
#include <sstream>

namespace korvane {

std::vector<std::string> CheckOptionsAgainstArt(const std::string& optionsText,
                                                const std::vector<SkinPicture>& pictures,
                                                const std::vector<std::string>& imageFiles)
{
    std::vector<std::string> problems;
    std::set<std::string> used;
    std::istringstream lines(optionsText);
    std::string line;
    std::string section;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        if (line.empty() || line[0] == ';') {
            continue;
        }
        if (line[0] == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const size_t eq = line.find('=');
        if (eq == std::string::npos) {
            continue;
        }
        const std::string key = line.substr(0, eq);
        const std::string value = line.substr(eq + 1);
        const std::string where = "[" + section + "] " + key;
        if (value.empty()) {
            continue;
        }
        if (value[0] == '@' || value[0] == '^' || value[0] == '~') {
            const auto found = std::find_if(pictures.begin(), pictures.end(),
                                            [&](const SkinPicture& p) { return p.OptionValue() == value; });
            if (found == pictures.end()) {
                problems.push_back(where + ": " + value + " matches no picture of the master bitmap");
            } else {
                used.insert(found->name);
            }
        } else if (value[0] == '!') {
            const size_t end = value.find('!', 1);
            const std::string file = value.substr(1, end == std::string::npos ? std::string::npos : end - 1);
            if (std::find(imageFiles.begin(), imageFiles.end(), file) == imageFiles.end()) {
                problems.push_back(where + ": " + file + " is not an image the tool writes");
            }
        }
    }
    for (const SkinPicture& p : pictures) {
        if (!used.count(p.name)) {
            problems.push_back(p.name + " (" + p.OptionValue() + ") is drawn but named by no key");
        }
    }
    return problems;
}

} // namespace korvane
