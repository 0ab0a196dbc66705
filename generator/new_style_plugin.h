#pragma once

#include "generator/menu_inputs.h"
#include "generator/plugin_text.h"

namespace korvane {

// Appends the AMX Mod X new-style menu plug-in (menu_create) for the menu: 34 + 3n lines for n
// items, and the statements of each item's action inside its case block (AmxxActionStatements,
// indented by kAmxxCaseBodyIndent). Items are numbered from 1. Title, command and items are
// escaped by EscapeAmxxString. Throws ActionError, before appending anything, when
// CheckNewStyleActions refuses an action.
void ComposeNewStylePlugin(const NewStyleMenu& menu, PluginText& out);

} // namespace korvane
