#pragma once

#include "generator/menu_inputs.h"

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// An action that cannot be written; the message names the item or key and the problem.
class ActionError : public std::invalid_argument {
public:
    using std::invalid_argument::invalid_argument;
};

// The longest action text accepted, in characters. The natives cut long texts anyway (a chat line
// holds less than 192 bytes, a Cyrillic letter takes two); the limit also keeps every generated
// line far below the Pawn compilers' line length, whatever the text escapes to.
inline constexpr std::size_t kMaxActionTextLength = 127;

// How messages name what an action belongs to: "Пункт 2 «Kick»" (position counted from 1, as the
// list shows it) and "Кнопка 1".
std::u16string ItemOwnerName(std::size_t position, std::u16string_view itemText);
std::u16string KeyOwnerName(char16_t key);

// The problem with an action, as a message that begins with `owner`, or none. Refused: a blank
// text (for any type but None), a text longer than kMaxActionTextLength, a placeholder other than
// {userid}, {name} and {steamid}, a single "{" or "}" that is not part of one ("{{" and "}}" stand
// for braces), {name} or {steamid} in a command (a player's name in a console command would let
// him run commands of his own choosing; a command takes only the number {userid}), and a type
// outside the enumeration. An action of type None is never refused; its text is ignored.
std::optional<std::u16string> CheckItemAction(const ItemAction& action, std::u16string_view owner);

// Each menu's actions, items in list order, keys in digit order: the message of the first refused
// one. For old-style menus a key that the keys text does not hold may not have an action.
std::optional<std::u16string> CheckNewStyleActions(const NewStyleMenu& menu);
std::optional<std::u16string> CheckSourceModActions(const SourceModMenu& menu);
std::optional<std::u16string> CheckOldStyleActions(const OldStyleMenu& menu);

// Throws ActionError with the message when there is one.
void ThrowIfRefused(const std::optional<std::u16string>& problem);

// The statements that carry an action out inside an AMX Mod X menu handler whose player index is
// `id`, without indentation; none for None. Throws ActionError for a refused action.
//   player command: client_cmd(id, "fmt", args...);
//   server command: server_cmd("fmt", args...);
//   chat message:   client_print(id, print_chat, "fmt", args...);
// The text becomes the format (EscapeAmxxFormat), {userid} "%d" with get_user_userid(id),
// {name} "%s" with a name[32] filled by get_user_name, {steamid} "%s" with an authid[64] filled
// by get_user_authid; both buffers are declared inside the case's own block.
std::vector<std::u16string> AmxxActionStatements(const ItemAction& action, std::u16string_view owner);

// The same inside a SourceMod menu handler whose client is `param1`, in the template's old
// syntax:
//   player command: FakeClientCommand(param1, "fmt", args...);
//   server command: ServerCommand("fmt", args...);
//   chat message:   PrintToChat(param1, "fmt", args...);
// {userid} is "%d" with GetClientUserId(param1), {name} "%s" with a String:name[MAX_NAME_LENGTH]
// filled by GetClientName, {steamid} "%s" with a String:auth[64] filled by GetClientAuthId with
// AuthId_Steam2 (not waiting for validation, as AMX Mod X shows the ID the engine has).
std::vector<std::u16string> SourceModActionStatements(const ItemAction& action, std::u16string_view owner);

} // namespace korvane
