#pragma once

#include "generator/menu_inputs.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

// The text without its leading and trailing characters of code 32 or below.
std::u16string_view TrimControlAndSpace(std::u16string_view text);

// True when nothing remains of the text after trimming characters of code 32 or below.
bool IsBlank(std::u16string_view text);

// The command fields take backspace, space, digits, ASCII letters and the underscore.
bool PassesCommandFilter(char16_t typed);

// The keys field takes backspace and digits.
bool PassesKeysFilter(char16_t typed);

// Appends to keys the first character of every row that, once trimmed, begins with a digit.
void AppendKeysFromRows(const std::vector<std::u16string>& rows, std::u16string& keys);

// The editors' checks before generating; each gives the message box text of the first problem.
std::optional<std::u16string_view> CheckNewStyleMenu(const NewStyleMenu& menu);
std::optional<std::u16string_view> CheckOldStyleOptions(const OldStyleMenu& menu);
std::optional<std::u16string_view> CheckSourceModMenu(const SourceModMenu& menu);

inline constexpr std::u16string_view kTitleEmptyMessage = u"Menu title is empty!\rPlease, enter menu title!";
inline constexpr std::u16string_view kNoItemsMessage = u"You don't have any items in menu!";
inline constexpr std::u16string_view kNoKeysMessage = u"Кол-во кнопок не может быть равным нулю!";
inline constexpr std::u16string_view kNoCommandMessage = u"Пожалуйста, заполните поле \"Команда для вызова\"";

} // namespace korvane
