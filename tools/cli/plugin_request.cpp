#include "tools/cli/plugin_request.h"

#include "encoding/utf8.h"
#include "generator/access_flags.h"
#include "generator/color_codes.h"
#include "generator/input_rules.h"
#include "generator/menu_actions.h"
#include "generator/new_style_plugin.h"
#include "generator/old_style_plugin.h"
#include "generator/sourcemod_plugin.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <map>
#include <optional>
#include <span>

namespace korvane {

namespace {

using nlohmann::json;

[[noreturn]] void Fail(const std::string& message)
{
    throw RequestError(message);
}

std::string Quoted(std::string_view text)
{
    return "\"" + std::string(text) + "\"";
}

// The name of the object's first field that is neither one of `known` nor `alsoKnown`, if any.
std::optional<std::string> UnknownField(const json& object, std::initializer_list<std::string_view> known,
                                        const char* alsoKnown = nullptr)
{
    for (const auto& [key, value] : object.items()) {
        if ((!alsoKnown || key != alsoKnown) && std::find(known.begin(), known.end(), key) == known.end())
            return key;
    }
    return std::nullopt;
}

// Rejects fields the kind does not know, so a misspelt field is not silently replaced by its default.
void RequireKnownFields(const json& request, std::string_view kind, std::initializer_list<std::string_view> known)
{
    if (const auto key = UnknownField(request, known, "kind"))
        Fail("unknown field " + Quoted(*key) + " for kind " + Quoted(kind));
}

// The windows' fields are single-line, and a line break inside a quoted string would split a line
// of the plug-in; a request may not hold one either.
std::u16string SingleLine(const std::string& utf8, const std::string& what)
{
    std::u16string text = Utf8Decode(utf8);
    if (text.find_first_of(u"\r\n") != std::u16string::npos)
        Fail(what + " may not hold a line break");
    return text;
}

std::u16string StringField(const json& object, const char* name, const char* fallback)
{
    const auto it = object.find(name);
    if (it == object.end()) {
        if (!fallback)
            Fail(std::string("missing field ") + Quoted(name));
        return Utf8Decode(fallback);
    }
    if (!it->is_string())
        Fail(std::string("field ") + Quoted(name) + " must be a string");
    return SingleLine(it->get_ref<const std::string&>(), std::string("field ") + Quoted(name));
}

// An action object {"type": ..., "text": ...}, or null for none; `owner` names it in messages.
ItemAction ActionField(const json& value, const std::string& owner)
{
    if (value.is_null())
        return {};
    if (!value.is_object())
        Fail(owner + ": an action must be an object with \"type\" and \"text\", or null");
    if (const auto key = UnknownField(value, {"type", "text"}))
        Fail(owner + ": unknown action field " + Quoted(*key));
    const auto type = value.find("type");
    if (type == value.end() || !type->is_string())
        Fail(owner + ": an action's \"type\" must be a string");
    const std::string& name = type->get_ref<const std::string&>();
    ItemAction action;
    if (name == "player-command")
        action.type = ActionType::PlayerCommand;
    else if (name == "server-command")
        action.type = ActionType::ServerCommand;
    else if (name == "chat")
        action.type = ActionType::Chat;
    else
        Fail(owner + ": unknown action type " + Quoted(name) +
             " (expected \"player-command\", \"server-command\" or \"chat\")");
    const auto text = value.find("text");
    if (text == value.end() || !text->is_string())
        Fail(owner + ": an action's \"text\" must be a string");
    action.text = SingleLine(text->get_ref<const std::string&>(), owner + ": an action's \"text\"");
    return action;
}

// The items, each a string or an object {"text": "...", "action": {...} | null}, and their actions
// (none for a string).
struct ListedItems {
    std::vector<std::u16string> texts;
    std::vector<ItemAction> actions;
};

ListedItems ItemsField(const json& object, bool required)
{
    const auto it = object.find("items");
    if (it == object.end()) {
        if (required)
            Fail("missing field \"items\"");
        return {};
    }
    if (!it->is_array())
        Fail("field \"items\" must be an array of strings");
    ListedItems items;
    for (const json& item : *it) {
        const std::string owner = "item " + std::to_string(items.texts.size() + 1);
        if (item.is_string()) {
            items.texts.push_back(SingleLine(item.get_ref<const std::string&>(), "an item"));
            items.actions.emplace_back();
            continue;
        }
        if (!item.is_object())
            Fail(owner + " must be a string or an object {\"text\": ..., \"action\": ...}");
        if (const auto key = UnknownField(item, {"text", "action"}))
            Fail(owner + ": unknown item field " + Quoted(*key));
        const auto text = item.find("text");
        if (text == item.end() || !text->is_string())
            Fail(owner + ": an item's \"text\" must be a string");
        items.texts.push_back(SingleLine(text->get_ref<const std::string&>(), "an item"));
        const auto action = item.find("action");
        items.actions.push_back(action == item.end() ? ItemAction{} : ActionField(*action, owner));
    }
    return items;
}

// Old-style "actions": {"1": {...}, "0": {...}}, keyed by the key's digit.
std::map<char16_t, ItemAction> KeyActionsField(const json& request)
{
    const auto it = request.find("actions");
    if (it == request.end())
        return {};
    if (!it->is_object())
        Fail("field \"actions\" must be an object keyed by the keys' digits");
    std::map<char16_t, ItemAction> actions;
    for (const auto& [key, value] : it->items()) {
        if (key.size() != 1 || key[0] < '0' || key[0] > '9')
            Fail("field \"actions\": " + Quoted(key) + " is not a key's digit");
        actions[static_cast<char16_t>(key[0])] = ActionField(value, "key " + key);
    }
    return actions;
}

template <std::size_t N>
std::u16string FlagField(const json& object, const std::array<std::u16string_view, N>& flags, const char* listName)
{
    const std::u16string flag = StringField(object, "flag", nullptr);
    if (std::find(flags.begin(), flags.end(), flag) == flags.end())
        Fail("flag " + Quoted(Utf8Encode(flag)) + " is not one of the " + std::to_string(N) + " " + listName +
             " flags");
    return flag;
}

template <std::size_t N>
std::u16string OptionalFlagField(const json& object, const std::array<std::u16string_view, N>& flags,
                                 const char* listName)
{
    if (object.find("flag") == object.end())
        return std::u16string(flags.front());
    return FlagField(object, flags, listName);
}

// The editors' message boxes put a line break into one message; on a terminal it stays one line.
[[noreturn]] void FailCheck(std::u16string_view message)
{
    std::string text = Utf8Encode(message);
    std::replace(text.begin(), text.end(), '\r', ' ');
    Fail(text);
}

std::uint32_t ParseColor(const json& value)
{
    if (!value.is_string())
        Fail("a run's \"color\" must be a string");
    const std::string& name = value.get_ref<const std::string&>();
    if (name == "white")
        return kMenuWhite;
    if (name == "yellow")
        return kMenuYellow;
    if (name == "red")
        return kMenuRed;
    if (name == "grey")
        return kMenuGrey;
    if (name.size() == 7 && name[0] == '#' && std::all_of(name.begin() + 1, name.end(), [](char c) {
            return std::isxdigit(static_cast<unsigned char>(c));
        })) {
        const unsigned long rgb = std::stoul(name.substr(1), nullptr, 16);
        const std::uint32_t r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
        return r | (g << 8) | (b << 16);
    }
    Fail("unknown colour " + Quoted(name) + " (expected white, yellow, red, grey or #RRGGBB)");
}

std::vector<ColoredRow> MenuRows(const json& request)
{
    const auto it = request.find("menu");
    if (it == request.end())
        Fail("missing field \"menu\"");
    if (!it->is_array())
        Fail("field \"menu\" must be an array of rows");
    std::vector<ColoredRow> rows;
    for (const json& row : *it) {
        if (!row.is_array())
            Fail("each row of \"menu\" must be an array of runs");
        ColoredRow& out = rows.emplace_back();
        for (const json& run : row) {
            if (!run.is_object() || !run.contains("text") || !run.contains("color"))
                Fail("each run must be an object with \"text\" and \"color\"");
            if (!run["text"].is_string())
                Fail("a run's \"text\" must be a string");
            const std::u16string text =
                SingleLine(run["text"].get_ref<const std::string&>(), "a run's \"text\" (start a new row instead)");
            const std::uint32_t color = ParseColor(run["color"]);
            for (char16_t c : text)
                out.push_back({c, color});
        }
    }
    return rows;
}

std::u16string NewStyle(const json& request)
{
    RequireKnownFields(request, "new-style", {"title", "command", "flag", "items"});
    NewStyleMenu menu;
    menu.title = StringField(request, "title", nullptr);
    menu.command = StringField(request, "command", "mymenu");
    menu.flag = OptionalFlagField(request, kAmxAccessFlags, "AMX Mod X");
    ListedItems items = ItemsField(request, true);
    menu.items = std::move(items.texts);
    menu.actions = std::move(items.actions);
    if (const auto problem = CheckNewStyleMenu(menu))
        FailCheck(*problem);
    if (const auto problem = CheckNewStyleActions(menu))
        FailCheck(*problem);
    PluginText text;
    ComposeNewStylePlugin(menu, text);
    return text.Text();
}

std::u16string SourceMod(const json& request)
{
    RequireKnownFields(request, "sourcemod", {"title", "command", "flag", "items"});
    SourceModMenu menu;
    menu.title = StringField(request, "title", "");
    menu.command = StringField(request, "command", "menu");
    menu.flag = OptionalFlagField(request, kSourceModAccessFlags, "SourceMod");
    ListedItems items = ItemsField(request, false);
    menu.items = std::move(items.texts);
    menu.actions = std::move(items.actions);
    if (const auto problem = CheckSourceModMenu(menu))
        FailCheck(*problem);
    if (const auto problem = CheckSourceModActions(menu))
        FailCheck(*problem);
    PluginText text;
    ComposeSourceModPlugin(menu, text);
    return text.Text();
}

std::u16string OldStyle(const json& request)
{
    RequireKnownFields(request, "old-style", {"menu", "keys", "name", "command", "flag", "actions"});
    const std::vector<ColoredRow> rows = MenuRows(request);
    OldStyleMenu menu;
    if (request.contains("keys")) {
        menu.keys = StringField(request, "keys", nullptr);
    } else {
        std::vector<std::u16string> plainRows;
        for (const ColoredRow& row : rows) {
            std::u16string& plain = plainRows.emplace_back();
            for (const ColoredChar& c : row)
                plain.push_back(c.ch);
        }
        AppendKeysFromRows(plainRows, menu.keys);
    }
    menu.menuName = StringField(request, "name", "My Menu");
    menu.command = StringField(request, "command", "mymenu");
    menu.flag = OptionalFlagField(request, kAmxAccessFlags, "AMX Mod X");
    menu.menuText = ColorCodedMenuText(rows);
    menu.keyActions = KeyActionsField(request);
    if (const auto problem = CheckOldStyleOptions(menu))
        FailCheck(*problem);
    if (const auto problem = CheckOldStyleActions(menu))
        FailCheck(*problem);
    PluginText text;
    try {
        ComposeOldStylePlugin(menu, text);
    } catch (const std::runtime_error& e) {
        Fail(std::string("keys: ") + e.what());
    }
    return text.Text();
}

} // namespace

std::u16string GeneratePluginFromRequest(const json& request)
{
    if (!request.is_object())
        Fail("the request must be a JSON object");
    const auto kind = request.find("kind");
    if (kind == request.end())
        Fail("missing field \"kind\"");
    if (!kind->is_string())
        Fail("field \"kind\" must be a string");
    const std::string& name = kind->get_ref<const std::string&>();
    if (name == "new-style")
        return NewStyle(request);
    if (name == "old-style")
        return OldStyle(request);
    if (name == "sourcemod")
        return SourceMod(request);
    Fail("unknown kind " + Quoted(name) + " (expected \"new-style\", \"old-style\" or \"sourcemod\")");
}

std::u16string GeneratePluginFromRequestText(std::string_view jsonText)
{
    json request;
    try {
        request = json::parse(jsonText);
    } catch (const json::parse_error& e) {
        Fail(std::string("invalid JSON: ") + e.what());
    }
    return GeneratePluginFromRequest(request);
}

} // namespace korvane
