#pragma once

#include "generator/menu_inputs.h"
#include "generator/plugin_text.h"

#include <string>
#include <string_view>

namespace korvane {

// The key-mask line "#define KEYS (1 << s)|(1 << s)..." with one term per keys character, in
// order, repetitions kept. The shift is the key's index in the menu handler: key 1 is 0 ...
// key 9 is 8, key 0 is 9. Throws std::runtime_error "'%s' is not a valid integer value" for a
// character that is not a digit.
std::u16string KeyMaskLine(std::u16string_view keys);

// Appends the AMX Mod X old-style menu plug-in (show_menu): 25 + 2m lines, m the number of
// distinct keys; the switch has one case per distinct key, in order of first appearance. The
// command and the menu name are escaped by EscapeAmxxString; the menu text is placed as it comes
// (ColorCodedMenuText escapes it). A key's action (keyActions) fills its case block
// (AmxxActionStatements, indented by kAmxxCaseBodyIndent). When a key is not a digit, the error is
// thrown after the six lines before the key mask were appended; when CheckOldStyleActions refuses
// an action, ActionError is thrown before anything is appended.
void ComposeOldStylePlugin(const OldStyleMenu& menu, PluginText& out);

} // namespace korvane
