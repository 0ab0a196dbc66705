#pragma once

#include <string>
#include <string_view>

namespace korvane {

// What a text typed by the user becomes between the double quotes of a string literal, so that
// the literal always compiles and shows what was typed. Escapes the user typed on purpose ("^n"
// for a line break in AMX Mod X, "\n" in SourceMod) are kept.

// AMX Mod X (escape character "^"): a "^" that begins one of the compiler's escape sequences
// (^a ^b ^e ^f ^n ^r ^t ^v ^^ ^' ^" ^%, "^" and decimal digits, "^x" and hex digits) is kept with
// the character after it; any other "^" becomes "^^"; any other '"' becomes '^"'. Backslashes,
// which are the menu colour codes there, stay as typed.
std::u16string EscapeAmxxString(std::u16string_view typed);

// SourceMod (escape character "\"): the same rule with "\" and the same sequences (\a ... \%,
// "\" and decimal digits, "\x" and hex digits).
std::u16string EscapeSourceModString(std::u16string_view typed);

// The same for a text that becomes (part of) the format string of a formatting native
// (client_cmd, server_cmd, client_print; FakeClientCommand, ServerCommand, PrintToChat), so that
// the native prints what was typed: every "%" is doubled ("%%" prints one), a typed "^%" ("\%")
// becomes "^%%" ("\%%"), and the one-letter escapes above are kept; an escape character before
// digits or "x" stands for itself ("^^", "\\"), since a numeric escape could make a "%" the
// native would read as a format.
std::u16string EscapeAmxxFormat(std::u16string_view typed);
std::u16string EscapeSourceModFormat(std::u16string_view typed);

// Appends one typed character of the old-style menu text to the literal's text: there every "^"
// becomes "^^" and every '"' becomes '^"', since the line breaks of that text are its rows and
// its "^n" and colour codes are added by the generator, never typed.
void AppendAmxxMenuTextChar(std::u16string& literal, char16_t typed);

} // namespace korvane
