#include "generator/new_style_plugin.h"

#include "generator/menu_actions.h"
#include "generator/string_escapes.h"

namespace korvane {

void ComposeNewStylePlugin(const NewStyleMenu& menu, PluginText& out)
{
    ThrowIfRefused(CheckNewStyleActions(menu));
    const std::u16string_view indent = u"       ";
    out.AppendLine(u"#include <amxmodx>");
    out.AppendLine(u"#include <amxmisc>");
    out.AppendLine(u"");
    out.AppendLine(u"#define PLUGIN \"New Plug-In\"");
    out.AppendLine(u"#define VERSION \"1.0\"");
    out.AppendLine(u"#define AUTHOR \"author\"");
    out.AppendLine(u"");
    out.AppendLine(u"public plugin_init() {");
    out.AppendLine(u"");
    out.AppendJoined(indent, u"register_clcmd(\"", EscapeAmxxString(menu.command), u"\", \"cmdMenu\", ", menu.flag,
                     u");");
    out.AppendJoined(indent, u"register_plugin(PLUGIN, VERSION, AUTHOR);");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    // AMX Mod X calls a command's function for every player and only passes the registered flag
    // on; cmd_access refuses the player who lacks it.
    out.AppendLine(u"public cmdMenu(id, level, cid) {");
    out.AppendJoined(indent, u"if (!cmd_access(id, level, cid, 1)) return PLUGIN_HANDLED;");
    out.AppendJoined(indent, u"new i_Menu = menu_create(\"", EscapeAmxxString(menu.title), u"\", \"menu_handler\");");
    for (std::size_t k = 1; k <= menu.items.size(); ++k)
        out.AppendJoined(indent, u"menu_additem(i_Menu, \"", EscapeAmxxString(menu.items[k - 1]), u"\", \"",
                         DecimalText(static_cast<long long>(k)), u"\", 0);");
    out.AppendJoined(indent, u"menu_setprop(i_Menu, MPROP_NEXTNAME, \"Далее\");");
    out.AppendJoined(indent, u"menu_setprop(i_Menu, MPROP_BACKNAME, \"Назад\");");
    out.AppendJoined(indent, u"menu_setprop(i_Menu, MPROP_EXITNAME, \"Выход\");");
    out.AppendLine(u"");
    out.AppendJoined(indent, u"menu_display(id, i_Menu, 0)");
    // Handled here, so the command does not go on to the game as well.
    out.AppendJoined(indent, u"return PLUGIN_HANDLED;");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    out.AppendLine(u"public menu_handler(id, menu, item) {");
    // AMX Mod X calls the handler for a selection and for exit or timeout (paging goes
    // elsewhere); either way the menu is done with, so both paths destroy it.
    out.AppendJoined(indent, u"if( item < 0 ) { menu_destroy(menu); return PLUGIN_CONTINUE; }");
    // Room for five digits and the end of string: two digits read item 100 back as "10".
    out.AppendJoined(indent, u"new cmd[6], access, callback;");
    out.AppendJoined(indent, u"menu_item_getinfo(menu, item, access, cmd,5,_,_, callback);");
    out.AppendJoined(indent, u"new Choise = str_to_num(cmd)");
    out.AppendJoined(indent, u"switch (Choise) {");
    for (std::size_t k = 1; k <= menu.items.size(); ++k) {
        out.AppendJoined(indent, u"case ", DecimalText(static_cast<long long>(k)), u": {");
        if (k <= menu.actions.size()) {
            for (const std::u16string& statement :
                 AmxxActionStatements(menu.actions[k - 1], ItemOwnerName(k, menu.items[k - 1])))
                out.AppendJoined(kAmxxCaseBodyIndent, statement);
        }
        out.AppendJoined(indent, u"}");
    }
    out.AppendJoined(indent, u"}");
    out.AppendJoined(indent, u"menu_destroy(menu);");
    out.AppendJoined(indent, u"return PLUGIN_HANDLED;");
    out.AppendLine(u"}");
}

} // namespace korvane
