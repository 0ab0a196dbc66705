#pragma once

#include "generator/menu_inputs.h"
#include "generator/plugin_text.h"

#include <string_view>

namespace korvane {

// The author's web address written into the plug-in's information block.
inline constexpr std::u16string_view kAuthorWebAddress = u"korvane.example";

// Appends the SourceMod menu plug-in (CreateMenu) for the menu: 40 + 3n lines for n items,
// indented with tabs, and the statements of each item's action inside its block
// (SourceModActionStatements, three tabs in). Items are numbered from 0. Title, command and items
// are escaped by EscapeSourceModString. Throws ActionError, before appending anything, when
// CheckSourceModActions refuses an action.
void ComposeSourceModPlugin(const SourceModMenu& menu, PluginText& out);

} // namespace korvane
