#include "skin/skin_directory.h"

#include <algorithm>

#include "skin/skin_files.h"
#include "skin/skin_text.h"

namespace korvane {

std::u16string EnsureTrailingBackslash(std::u16string_view path)
{
    if (path.empty()) {
        return {};
    }
    std::u16string result(path);
    if (result.back() == u'/') {
        result.back() = u'\\';
        return result;
    }
    if (result.size() == 1) {
        return result + u":\\";
    }
    if (result.back() != u'\\') {
        result.push_back(u'\\');
    }
    return result;
}

std::u16string ResolveSkinDirectory(std::u16string_view skinDirectory, std::u16string_view programFolder)
{
    std::u16string resolved;
    if (skinDirectory.substr(0, 2) == u"..") {
        // The program folder without its last folder.
        std::u16string parent(programFolder);
        while (!parent.empty() && (parent.back() == u'\\' || parent.back() == u'/')) {
            parent.pop_back();
        }
        const std::size_t slash = parent.find_last_of(u"\\/");
        parent.resize(slash == std::u16string::npos ? 0 : slash + 1);
        resolved = parent + std::u16string(skinDirectory.substr(std::min<std::size_t>(3, skinDirectory.size())));
    } else if (skinDirectory.size() >= 2 && skinDirectory[0] == u'.' &&
               (skinDirectory[1] == u'\\' || skinDirectory[1] == u'/')) {
        resolved = std::u16string(programFolder) + std::u16string(skinDirectory.substr(2));
    } else if (!Contains(skinDirectory, u":") && !Contains(skinDirectory, u"\\\\")) {
        resolved = std::u16string(programFolder) + std::u16string(skinDirectory);
    } else {
        resolved = std::u16string(skinDirectory);
    }
    return EnsureTrailingBackslash(resolved);
}

SkinNameList GetSkinNames(const std::vector<std::u16string>& storedNames, std::u16string_view resolvedDirectory,
                          int kind)
{
    SkinNameList list;
    for (const std::u16string& name : storedNames) {
        if (list.Names.empty()) {
            list.First = name;
        }
        list.Names.push_back(name);
    }
    if (!resolvedDirectory.empty() && SkinFolderExists(resolvedDirectory)) {
        const std::u16string folder = EnsureTrailingBackslash(resolvedDirectory);
        for (const SkinFolderEntry& entry : ListSkinFolder(folder)) {
            if (entry.Name.empty() || entry.Name.front() == u'.') {
                continue;
            }
            std::u16string name;
            if (entry.IsFolder) {
                if ((kind == 0 || kind == 2) && SkinFileExists(folder + entry.Name + u"\\Options.dat")) {
                    name = entry.Name;
                }
            } else if (kind == 1 || kind == 2) {
                const std::size_t lastDot = entry.Name.rfind(u'.');
                if (lastDot != std::u16string::npos && entry.Name.substr(lastDot) == u".asz") {
                    name = entry.Name.substr(0, entry.Name.find(u'.'));
                }
            }
            if (name.empty()) {
                continue;
            }
            if (list.Names.empty()) {
                list.First = name;
            }
            list.Names.push_back(name);
        }
    }
    std::sort(list.Names.begin(), list.Names.end(),
              [](const std::u16string& a, const std::u16string& b) { return UpperAnsi(a) < UpperAnsi(b); });
    return list;
}

} // namespace korvane
