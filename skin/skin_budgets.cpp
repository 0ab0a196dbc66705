#include "skin/skin_budgets.h"

#include <cstdio>

namespace korvane {

std::string MebibytesText(double bytes)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%.2f", bytes / static_cast<double>(SkinBudgets::kMebibyte));
    std::string result = text;
    while (result.back() == '0') {
        result.pop_back();
    }
    if (result.back() == '.') {
        result.pop_back();
    }
    return result;
}

void ThrowOverBudget(std::string_view subject, std::uint64_t bytes, std::size_t limit, std::string_view what)
{
    const std::string limitText = limit < SkinBudgets::kMebibyte ? std::to_string(limit) + " bytes"
                                                                 : MebibytesText(static_cast<double>(limit)) + " MiB";
    throw SkinBudgetError(std::string(subject) + " " + std::to_string(bytes) + " bytes, more than the " + limitText +
                          " " + std::string(what) + " may have");
}

} // namespace korvane
