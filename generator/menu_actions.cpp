#include "generator/menu_actions.h"

#include "encoding/utf8.h"
#include "generator/input_rules.h"
#include "generator/plugin_text.h"
#include "generator/string_escapes.h"

namespace korvane {

namespace {

constexpr std::u16string_view kPlaceholderHint =
    u" Подстановки: {userid}, {name}, {steamid}; фигурные скобки пишутся как {{ и }}.";

// A value filled in at run time for the player who chose the item.
enum class Placeholder { UserId, Name, SteamId };

// One piece of an action's text: a run of literal text (doubled braces already made single) or
// one placeholder.
struct ActionPiece {
    std::u16string literal;
    std::optional<Placeholder> placeholder;
};

bool IsCommand(ActionType type)
{
    return type == ActionType::PlayerCommand || type == ActionType::ServerCommand;
}

struct Parsed {
    std::vector<ActionPiece> pieces;
    std::optional<std::u16string> problem;
};

std::optional<Placeholder> PlaceholderNamed(std::u16string_view name)
{
    if (name == u"userid")
        return Placeholder::UserId;
    if (name == u"name")
        return Placeholder::Name;
    if (name == u"steamid")
        return Placeholder::SteamId;
    return std::nullopt;
}

// Appends a literal character, joining it to the run of literal text before it.
void AppendLiteral(std::vector<ActionPiece>& pieces, char16_t c)
{
    if (pieces.empty() || pieces.back().placeholder)
        pieces.emplace_back();
    pieces.back().literal.push_back(c);
}

// The one reading of an action's text, shared by the check and the writers.
Parsed Parse(const ItemAction& action, std::u16string_view owner)
{
    Parsed result;
    auto refuse = [&](std::u16string_view what) {
        result.problem = std::u16string(owner) + u": " + std::u16string(what);
        return result;
    };
    switch (action.type) {
    case ActionType::None:
        return result;
    case ActionType::PlayerCommand:
    case ActionType::ServerCommand:
    case ActionType::Chat:
        break;
    default:
        return refuse(u"неизвестный вид действия.");
    }
    const std::u16string_view text = action.text;
    if (IsBlank(text))
        return refuse(u"не задан текст действия.");
    if (text.size() > kMaxActionTextLength)
        return refuse(u"текст действия длиннее " + DecimalText(static_cast<long long>(kMaxActionTextLength)) +
                      u" знаков.");
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if ((c == u'{' || c == u'}') && i + 1 < text.size() && text[i + 1] == c) {
            AppendLiteral(result.pieces, c);
            ++i;
            continue;
        }
        if (c == u'}')
            return refuse(std::u16string(u"одиночная «}».") + std::u16string(kPlaceholderHint));
        if (c != u'{') {
            AppendLiteral(result.pieces, c);
            continue;
        }
        const std::size_t close = text.find(u'}', i + 1);
        if (close == std::u16string_view::npos)
            return refuse(std::u16string(u"одиночная «{».") + std::u16string(kPlaceholderHint));
        const std::u16string_view written = text.substr(i, close - i + 1);
        const std::optional<Placeholder> placeholder = PlaceholderNamed(text.substr(i + 1, close - i - 1));
        if (!placeholder)
            return refuse(u"неизвестная подстановка " + std::u16string(written) + u"." +
                          std::u16string(kPlaceholderHint));
        if (*placeholder != Placeholder::UserId && IsCommand(action.type))
            return refuse(std::u16string(written) +
                          u" можно подставить только в сообщение в чат: имя или Steam ID игрока в команде "
                          u"позволили бы ему выполнить на сервере свои команды. В команде можно {userid}.");
        result.pieces.push_back({u"", placeholder});
        i = close;
    }
    return result;
}

// How one platform writes the statements: the call that begins each kind, its literal escaping,
// and the expressions and declarations behind each placeholder.
struct Dialect {
    std::u16string_view playerCommand;
    std::u16string_view serverCommand;
    std::u16string_view chat;
    std::u16string (*escapeFormat)(std::u16string_view);
    std::u16string_view userId;
    std::u16string_view nameBuffer;
    std::vector<std::u16string_view> nameLines;
    std::u16string_view steamIdBuffer;
    std::vector<std::u16string_view> steamIdLines;
};

std::vector<std::u16string> Statements(const Dialect& dialect, const ItemAction& action, std::u16string_view owner)
{
    const Parsed parsed = Parse(action, owner);
    ThrowIfRefused(parsed.problem);
    if (action.type == ActionType::None)
        return {};
    std::u16string format;
    std::u16string arguments;
    bool name = false;
    bool steamId = false;
    for (const ActionPiece& piece : parsed.pieces) {
        if (!piece.placeholder) {
            format += dialect.escapeFormat(piece.literal);
            continue;
        }
        switch (*piece.placeholder) {
        case Placeholder::UserId:
            format += u"%d";
            arguments += u", " + std::u16string(dialect.userId);
            break;
        case Placeholder::Name:
            format += u"%s";
            arguments += u", " + std::u16string(dialect.nameBuffer);
            name = true;
            break;
        case Placeholder::SteamId:
            format += u"%s";
            arguments += u", " + std::u16string(dialect.steamIdBuffer);
            steamId = true;
            break;
        }
    }
    std::vector<std::u16string> lines;
    if (name)
        lines.insert(lines.end(), dialect.nameLines.begin(), dialect.nameLines.end());
    if (steamId)
        lines.insert(lines.end(), dialect.steamIdLines.begin(), dialect.steamIdLines.end());
    const std::u16string_view call = action.type == ActionType::PlayerCommand   ? dialect.playerCommand
                                     : action.type == ActionType::ServerCommand ? dialect.serverCommand
                                                                                : dialect.chat;
    lines.push_back(std::u16string(call) + u"\"" + format + u"\"" + arguments + u");");
    return lines;
}

const Dialect& Amxx()
{
    static const Dialect dialect{
        u"client_cmd(id, ",
        u"server_cmd(",
        u"client_print(id, print_chat, ",
        &EscapeAmxxFormat,
        u"get_user_userid(id)",
        u"name",
        {u"new name[32];", u"get_user_name(id, name, charsmax(name));"},
        u"authid",
        {u"new authid[64];", u"get_user_authid(id, authid, charsmax(authid));"},
    };
    return dialect;
}

const Dialect& SourceMod()
{
    static const Dialect dialect{
        u"FakeClientCommand(param1, ",
        u"ServerCommand(",
        u"PrintToChat(param1, ",
        &EscapeSourceModFormat,
        u"GetClientUserId(param1)",
        u"name",
        {u"new String:name[MAX_NAME_LENGTH];", u"GetClientName(param1, name, sizeof(name));"},
        u"auth",
        {u"new String:auth[64];", u"GetClientAuthId(param1, AuthId_Steam2, auth, sizeof(auth), false);"},
    };
    return dialect;
}

// The first problem among items and their actions, items numbered from 1.
std::optional<std::u16string> CheckListedActions(const std::vector<std::u16string>& items,
                                                 const std::vector<ItemAction>& actions)
{
    for (std::size_t k = 0; k < items.size() && k < actions.size(); ++k) {
        if (auto problem = CheckItemAction(actions[k], ItemOwnerName(k + 1, items[k])))
            return problem;
    }
    return std::nullopt;
}

} // namespace

std::u16string ItemOwnerName(std::size_t position, std::u16string_view itemText)
{
    return u"Пункт " + DecimalText(static_cast<long long>(position)) + u" «" + std::u16string(itemText) + u"»";
}

std::u16string KeyOwnerName(char16_t key)
{
    return u"Кнопка " + std::u16string(1, key);
}

std::optional<std::u16string> CheckItemAction(const ItemAction& action, std::u16string_view owner)
{
    return Parse(action, owner).problem;
}

std::optional<std::u16string> CheckNewStyleActions(const NewStyleMenu& menu)
{
    return CheckListedActions(menu.items, menu.actions);
}

std::optional<std::u16string> CheckSourceModActions(const SourceModMenu& menu)
{
    return CheckListedActions(menu.items, menu.actions);
}

std::optional<std::u16string> CheckOldStyleActions(const OldStyleMenu& menu)
{
    for (const auto& [key, action] : menu.keyActions) {
        if (action.type == ActionType::None)
            continue;
        if (menu.keys.find(key) == std::u16string::npos)
            return KeyOwnerName(key) + u": меню не отвечает на эту кнопку, а для неё задано действие. "
                                       u"Добавьте кнопку в «Кнопки» или уберите действие.";
        if (auto problem = CheckItemAction(action, KeyOwnerName(key)))
            return problem;
    }
    return std::nullopt;
}

void ThrowIfRefused(const std::optional<std::u16string>& problem)
{
    if (problem)
        throw ActionError(Utf8Encode(*problem));
}

std::vector<std::u16string> AmxxActionStatements(const ItemAction& action, std::u16string_view owner)
{
    return Statements(Amxx(), action, owner);
}

std::vector<std::u16string> SourceModActionStatements(const ItemAction& action, std::u16string_view owner)
{
    return Statements(SourceMod(), action, owner);
}

} // namespace korvane
