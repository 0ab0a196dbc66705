// The source tree is layered: each folder may include only the folders below it, and the
// portable folders never include the Win32 headers. The build links each layer only to the
// layers below it; this test reads every include of the tree and names the file and line of
// any include that points the wrong way.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

// What each folder may include besides itself.
const std::map<std::string, std::set<std::string>>& AllowedIncludes()
{
    static const std::map<std::string, std::set<std::string>> allowed{
        {"gfx", {}},
        {"encoding", {}},
        {"generator", {"encoding"}},
        {"image", {"gfx"}},
        {"skin", {"gfx", "image", "encoding"}},
        {"render", {"skin", "gfx"}},
        {"win32", {"gfx"}},
        {"ui", {"win32", "gfx", "encoding"}},
        {"controls", {"ui", "render", "skin", "gfx", "win32"}},
        {"windows", {"controls", "ui", "render", "skin", "gfx", "win32"}},
        {"editors", {"ui", "controls", "generator", "encoding", "win32", "gfx"}},
        {"app", {"gfx", "encoding", "generator", "image", "skin", "render", "win32", "ui", "controls", "windows",
                 "editors"}},
    };
    return allowed;
}

// Of app/, the editors see only the headers that declare the windows they show or close.
const std::set<std::string> kAppHeadersForEditors{"app/form_generated.h", "app/choose_style_menu.h"};

// Folders whose code builds natively too: no Win32 outside the *_win32 back ends.
const std::set<std::string> kPortableFolders{"gfx", "encoding", "generator", "image", "skin", "render"};
// Folders of Win32 code with portable pieces beside it (the decisions and the layout arithmetic,
// which the native tests reach): their files named *_win32 are the Win32 side, the others portable.
const std::set<std::string> kMixedFolders{"controls", "windows"};

struct Include {
    std::string file;  // relative to the source folder
    int line = 0;
    std::string target;  // as written between the quotes or angle brackets
    bool angled = false;
};

std::string FolderOf(const std::string& path)
{
    const auto slash = path.find('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

bool IsWin32BackEnd(const std::string& path)
{
    const std::string stem = fs::path(path).stem().string();
    return stem.size() > 6 && stem.compare(stem.size() - 6, 6, "_win32") == 0;
}

std::vector<Include> ReadIncludes(const fs::path& root)
{
    static const std::regex includeLine(R"(^\s*#\s*include\s*([<"])([^>"]+)[>"])");
    std::vector<Include> result;
    for (const auto& [folder, unused] : AllowedIncludes()) {
        const fs::path dir = root / folder;
        if (!fs::exists(dir))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(dir)) {
            const std::string ext = entry.path().extension().string();
            if (!entry.is_regular_file() || (ext != ".h" && ext != ".cpp"))
                continue;
            std::ifstream in(entry.path());
            std::string text;
            int number = 0;
            while (std::getline(in, text)) {
                ++number;
                std::smatch match;
                if (std::regex_search(text, match, includeLine))
                    result.push_back({fs::relative(entry.path(), root).generic_string(), number, match[2].str(),
                                      match[1].str() == "<"});
            }
        }
    }
    return result;
}

// The reason an include breaks the layering, or empty when it is allowed.
std::string Violation(const Include& include)
{
    const std::string from = FolderOf(include.file);
    const bool backEnd = IsWin32BackEnd(include.file);
    const bool portable = (kPortableFolders.count(from) || kMixedFolders.count(from)) && !backEnd;
    if (include.angled) {
        const bool win32Header = include.target == "windows.h" || include.target == "windowsx.h" ||
                                 include.target == "commctrl.h" || include.target == "richedit.h";
        if (win32Header && portable)
            return "a portable file includes <" + include.target + ">";
        return {};
    }
    const std::string to = FolderOf(include.target);
    if (portable && kMixedFolders.count(from) && (to == "ui" || to == "win32" || IsWin32BackEnd(include.target)))
        return "a portable file includes the Win32 side";
    if (to.empty() || to == from || !AllowedIncludes().count(to))
        return {};
    if (to == "win32" && portable)
        return "a portable file includes the Win32 layer";
    if (to == "win32" && backEnd)
        return {};
    if (from == "editors" && to == "app")
        return kAppHeadersForEditors.count(include.target) ? std::string()
                                                           : "the editors include an app header beyond the windows' references";
    if (!AllowedIncludes().at(from).count(to))
        return from + "/ may not include " + to + "/";
    return {};
}

TEST(IncludeLayers, EveryIncludeOfTheTreePointsDownTheLayers)
{
    const std::vector<Include> includes = ReadIncludes(KORVANE_SOURCE_DIR);
    ASSERT_GT(includes.size(), 100u) << "the tree was not found at " << KORVANE_SOURCE_DIR;
    std::string report;
    for (const Include& include : includes) {
        const std::string reason = Violation(include);
        if (!reason.empty())
            report += include.file + ":" + std::to_string(include.line) + ": " + include.target + " (" + reason + ")\n";
    }
    EXPECT_TRUE(report.empty()) << report;
}

TEST(IncludeLayers, TheRulesCatchEachKindOfWrongInclude)
{
    EXPECT_NE(Violation({"skin/skin_tables.h", 3, "render/state_image.h", false}), "");
    EXPECT_NE(Violation({"render/gradient.cpp", 3, "windows.h", true}), "");
    EXPECT_NE(Violation({"render/gradient.cpp", 3, "win32/dib_section.h", false}), "");
    EXPECT_NE(Violation({"ui/window.cpp", 3, "skin/engine_commands.h", false}), "");
    EXPECT_NE(Violation({"editors/old_style_menu.cpp", 3, "app/internal_skin.h", false}), "");
    EXPECT_NE(Violation({"controls/skin_link.cpp", 3, "windows/skin_manager_win32.h", false}), "");
    EXPECT_EQ(Violation({"render/gradient_win32.cpp", 3, "windows.h", true}), "");
    EXPECT_EQ(Violation({"render/gradient_win32.cpp", 3, "win32/dib_section.h", false}), "");
    EXPECT_EQ(Violation({"editors/old_style_options.cpp", 3, "app/form_generated.h", false}), "");
    EXPECT_NE(Violation({"controls/control_kind.cpp", 3, "ui/window.h", false}), "");
    EXPECT_NE(Violation({"controls/control_kind.h", 3, "controls/common_data_win32.h", false}), "");
    EXPECT_NE(Violation({"windows/title_buttons.cpp", 3, "windows.h", true}), "");
    EXPECT_EQ(Violation({"windows/skin_manager_win32.cpp", 3, "controls/skin_link_win32.h", false}), "");
    EXPECT_EQ(Violation({"controls/common_data_win32.cpp", 3, "controls/control_kind.h", false}), "");
}

} // namespace
