#include "generator/sourcemod_plugin.h"

#include "generator/menu_actions.h"
#include "generator/string_escapes.h"

namespace korvane {

void ComposeSourceModPlugin(const SourceModMenu& menu, PluginText& out)
{
    ThrowIfRefused(CheckSourceModActions(menu));
    const std::u16string_view tab = u"\t";
    const std::u16string_view tabs2 = u"\t\t";
    out.AppendLine(u"#include <sourcemod>");
    out.AppendLine(u"");
    out.AppendLine(u"public Plugin:myinfo =");
    out.AppendLine(u"{");
    out.AppendJoined(tab, u"name = \"New Plugin\",");
    out.AppendJoined(tab, u"author = \"Unknown\",");
    out.AppendJoined(tab, u"description = \"<- Description ->\",");
    out.AppendJoined(tab, u"version = \"1.0\",");
    out.AppendJoined(tab, u"url = \"", kAuthorWebAddress, u"\"");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    out.AppendLine(u"public OnPluginStart()");
    out.AppendLine(u"{");
    const std::u16string command = EscapeSourceModString(menu.command);
    out.AppendJoined(tab, u"RegConsoleCmd(\"", command, u"\", cmdMenu);");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    out.AppendLine(u"public Action:cmdMenu(client, args)");
    out.AppendLine(u"{");
    // CheckCommandAccess lets root admins in, which a test of the flag bits does not; the server
    // console (client 0) cannot be shown a menu and gets the reply instead.
    out.AppendJoined(tab, u"if (client == 0 || !CheckCommandAccess(client, \"", command, u"\", ", menu.flag, u")) {");
    out.AppendJoined(tabs2, u"ReplyToCommand(client, \"You know, you don't allow to be here...\");");
    out.AppendJoined(tabs2, u"return Plugin_Handled;");
    out.AppendJoined(tab, u"}");
    out.AppendJoined(tab, u"new Handle:menu = CreateMenu(MenuHandler);");
    // SetMenuTitle formats its text; the title goes in as the argument of "%s", so a percent sign
    // shows as typed.
    out.AppendJoined(tab, u"SetMenuTitle(menu, \"%s\", \"", EscapeSourceModString(menu.title), u"\");");
    for (std::size_t k = 0; k < menu.items.size(); ++k)
        out.AppendJoined(tab, u"AddMenuItem(menu, \"", DecimalText(static_cast<long long>(k)), u"\", \"",
                         EscapeSourceModString(menu.items[k]), u"\");");
    out.AppendJoined(tab, u"DisplayMenu(menu, client, MENU_TIME_FOREVER);");
    out.AppendJoined(tab, u"return Plugin_Handled;");
    out.AppendLine(u"}");
    out.AppendLine(u"");
    out.AppendLine(u"public MenuHandler(Handle:menu, MenuAction:action, param1, param2)");
    out.AppendLine(u"{");
    out.AppendJoined(tab, u"if (action == MenuAction_Select)");
    out.AppendJoined(tab, u"{");
    out.AppendJoined(tabs2, u"decl String:info[32];");
    out.AppendJoined(tabs2, u"GetMenuItem(menu, param2, info, sizeof(info));");
    for (std::size_t k = 0; k < menu.items.size(); ++k) {
        out.AppendJoined(tabs2, u"if (strcmp(info, \"", DecimalText(static_cast<long long>(k)), u"\") == 0) {");
        if (k < menu.actions.size()) {
            for (const std::u16string& statement :
                 SourceModActionStatements(menu.actions[k], ItemOwnerName(k + 1, menu.items[k])))
                out.AppendJoined(u"\t\t\t", statement);
        }
        out.AppendJoined(tabs2, u"}");
    }
    out.AppendJoined(tab, u"}");
    out.AppendJoined(tab, u"if (action == MenuAction_End)");
    out.AppendJoined(tab, u"{");
    out.AppendJoined(tabs2, u"CloseHandle(menu);");
    out.AppendJoined(tab, u"}");
    out.AppendLine(u"}");
}

} // namespace korvane
