#include "tools/cli/cli.h"

#include "encoding/save_file.h"
#include "encoding/utf8.h"
#include "tools/cli/plugin_request.h"
#include "tools/cli/skin_commands.h"
#include "tools/cli/skin_render.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>

namespace korvane {

namespace {

constexpr const char* kUsage =
    R"(korvane-cli: writes the plug-ins that Korvane writes, without its windows.

Usage:
  korvane-cli generate REQUEST.json [-o FILE]
      Writes the plug-in source the request describes to FILE as UTF-8 (no byte-order mark,
      CR LF after every line), or to standard output when -o is not given.
  korvane-cli skin-pack FOLDER -o FILE.asz
      Packs a skin folder (Options.dat, then its images in name order) into a skin package.
  korvane-cli skin-info PATH
      Loads a skin package or skin folder and prints its tables as one JSON object.
  korvane-cli skin-render PATH [--section NAME] [--size WxH] [--state N] -o FILE.png
      Loads a skin package or skin folder and paints every section in every state (default
      size 64x24) on one labelled contact sheet over the skin's GLOBALINFO colour, or one
      section's row; with --section and --state, that face alone. A skin that does not load
      prints its load error and exits with status 2.
  korvane-cli --help
      Shows this text.

The request is one UTF-8 JSON object:
  {"kind": "new-style", "title": "...", "command": "mymenu", "flag": "ADMIN_ALL", "items": ["..."]}
      AMX Mod X menu built with menu_create; title and at least one item are required.
  {"kind": "sourcemod", "title": "", "command": "menu", "flag": "ADMFLAG_RESERVATION", "items": []}
      SourceMod menu; the command must not be blank.
  {"kind": "old-style", "menu": [[{"text": "1. Kick", "color": "white"}], ...],
   "keys": "1", "name": "My Menu", "command": "mymenu", "flag": "ADMIN_ALL"}
      AMX Mod X menu shown with show_menu. "menu" holds the rows of the menu text, each a list
      of runs; a colour is "white", "yellow", "red", "grey" or "#RRGGBB". Without "keys", every
      row that begins with a digit (after leading blanks) adds that digit.
Fields other than "kind" and the lists may be left out; they take the values shown.

Actions: what choosing an item does. An item of "items" is a string (no action) or
  {"text": "Kick", "action": {"type": "server-command", "text": "amx_kick #{userid}"}}
with "action" left out or null for none. Old-style menus give the keys' actions apart:
  "actions": {"1": {"type": "chat", "text": "Hello, {name}!"}, "0": null}
keyed by the key's digit; a key the menu does not answer may not have one. The types:
  "player-command"  a console command run for the player (client_cmd, FakeClientCommand)
  "server-command"  a command run on the server console (server_cmd, ServerCommand)
  "chat"            a line in the player's chat (client_print print_chat, PrintToChat)
The text is written as typed (a "%" stays a "%"), with these placeholders filled in for the
player who chose the item: {userid} his user id (a number); {name} his name and {steamid} his
Steam ID, both in "chat" only, since a name in a command could run commands of his choosing;
{{ and }} are braces. At most 127 characters.
Bad input prints one line naming the problem and exits with status 2.
)";

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

int Generate(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::optional<std::string> requestPath;
    std::optional<std::string> outputPath;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "-o") {
            if (i + 1 >= args.size() || outputPath) {
                err << "korvane-cli: -o takes one file name\n";
                return 2;
            }
            outputPath = args[++i];
        } else if (!requestPath && !(args[i].size() > 1 && args[i][0] == '-')) {
            requestPath = args[i];
        } else {
            err << "korvane-cli: unexpected argument \"" << args[i] << "\" (see korvane-cli --help)\n";
            return 2;
        }
    }
    if (!requestPath) {
        err << "korvane-cli: generate needs a request file (see korvane-cli --help)\n";
        return 2;
    }
    const std::optional<std::string> request = ReadWholeFile(PathFromUtf8(*requestPath));
    if (!request) {
        err << "korvane-cli: cannot read " << *requestPath << "\n";
        return 2;
    }
    std::u16string plugin;
    try {
        plugin = GeneratePluginFromRequestText(*request);
    } catch (const RequestError& e) {
        err << "korvane-cli: " << *requestPath << ": " << e.what() << "\n";
        return 2;
    }
    if (outputPath) {
        try {
            SaveFileInUTF8(PathFromUtf8(*outputPath), plugin);
        } catch (const std::runtime_error& e) {
            err << "korvane-cli: " << e.what() << "\n";
            return 2;
        }
    } else {
        const std::string bytes = Utf8Encode(plugin);
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
    }
    return 0;
}

} // namespace

int RunCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        err << kUsage;
        return 2;
    }
    const std::string& command = args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return 0;
    }
    if (command == "generate")
        return Generate(args, out, err);
    if (command == "skin-pack")
        return RunSkinPack(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "skin-info")
        return RunSkinInfo(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    if (command == "skin-render")
        return RunSkinRender(std::vector<std::string>(args.begin() + 1, args.end()), out, err);
    err << "korvane-cli: unknown command \"" << command << "\" (see korvane-cli --help)\n";
    return 2;
}

} // namespace korvane
