#include "generator/old_style_plugin.h"

#include "encoding/utf8.h"
#include "generator/menu_actions.h"
#include "generator/string_escapes.h"

#include <stdexcept>

namespace korvane {

namespace {

// The handler's key index of a key digit: key 1 is 0 ... key 9 is 8, key 0 is 9.
int KeyIndex(char16_t key)
{
    if (key < u'0' || key > u'9')
        throw std::runtime_error("'" + Utf8Encode(std::u16string_view(&key, 1)) + "' is not a valid integer value");
    return (key - u'0' + 9) % 10;
}

} // namespace

std::u16string KeyMaskLine(std::u16string_view keys)
{
    std::u16string line = u"#define KEYS (";
    for (std::size_t j = 0; j < keys.size(); ++j) {
        line += u"1 << ";
        line += DecimalText(KeyIndex(keys[j]));
        line += j + 1 < keys.size() ? u")|(" : u")";
    }
    return line;
}

void ComposeOldStylePlugin(const OldStyleMenu& menu, PluginText& out)
{
    ThrowIfRefused(CheckOldStyleActions(menu));
    const std::u16string_view indent = u"       ";
    out.AppendLine(u"#include <amxmodx>");
    out.AppendLine(u"#include <amxmisc>");
    out.AppendLine(u"");
    out.AppendLine(u"#define PLUGIN \"New Plug-In\"");
    out.AppendLine(u"#define VERSION \"1.0\"");
    out.AppendLine(u"#define AUTHOR \"author\"");
    out.AppendLine(KeyMaskLine(menu.keys));
    out.AppendLine(u"");
    out.AppendLine(u"public plugin_init() {");
    out.AppendLine(u"");
    out.AppendJoined(indent, u"register_plugin(PLUGIN, VERSION, AUTHOR);");
    out.AppendJoined(indent, u"register_clcmd(\"", EscapeAmxxString(menu.command), u"\", \"cmdMenu\", ", menu.flag,
                     u");");
    // The name is escaped alike here and in show_menu, so both literals compile to one text.
    const std::u16string menuName = EscapeAmxxString(menu.menuName);
    out.AppendJoined(indent, u"register_menucmd(register_menuid(\"", menuName, u"\"), KEYS, \"MenuPressed\");");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    // AMX Mod X calls a command's function for every player and only passes the registered flag
    // on; cmd_access refuses the player who lacks it.
    out.AppendLine(u"public cmdMenu(id, level, cid) {");
    out.AppendJoined(indent, u"if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;");
    // AMX Mod X routes a key press to the handler whose menu name occurs in show_menu's title.
    out.AppendJoined(indent, u"show_menu(id, KEYS, \"", menu.menuText, u"\", -1, \"", menuName, u"\");");
    // Handled here, so the command does not go on to the game as well.
    out.AppendJoined(indent, u"return PLUGIN_HANDLED;");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    out.AppendLine(u"public MenuPressed(id, key) {");
    out.AppendJoined(indent, u"switch (key) {");
    // One case per distinct key: a repeated key would give a duplicate case label, which the
    // compiler rejects.
    bool seen[10] = {};
    for (char16_t key : menu.keys) {
        const int index = KeyIndex(key);
        if (seen[index])
            continue;
        seen[index] = true;
        out.AppendJoined(indent, u"case ", DecimalText(index), u": {");
        if (const auto action = menu.keyActions.find(key); action != menu.keyActions.end()) {
            for (const std::u16string& statement : AmxxActionStatements(action->second, KeyOwnerName(key)))
                out.AppendJoined(kAmxxCaseBodyIndent, statement);
        }
        out.AppendJoined(indent, u"}");
    }
    out.AppendJoined(indent, u"}");
    out.AppendLine(u"}");
}

} // namespace korvane
