#include "skin/options_text.h"
#include "encoding/utf8.h"
#include "encoding/windows1251.h"

#include "skin/skin_text.h"

namespace korvane {

namespace {

std::string Quoted(std::string_view source)
{
    return "'" + std::string(source) + "'";
}

// A section name for a message: at most 64 characters.
std::string Shortened(std::u16string_view name)
{
    constexpr std::size_t kMost = 64;
    return name.size() <= kMost ? Utf8Encode(name) : Utf8Encode(name.substr(0, kMost)) + "...";
}

void CheckTextSize(std::size_t size, std::string_view source, const SkinBudgets& budgets)
{
    if (size > budgets.OptionsTextBytes) {
        ThrowOverBudget(Quoted(source) + " has", size, budgets.OptionsTextBytes, "an options text");
    }
}

} // namespace

OptionsText OptionsText::FromAnsi(std::string_view bytes, std::string_view source, const SkinBudgets& budgets)
{
    CheckTextSize(bytes.size(), source, budgets);
    return FromText(Windows1251ToUtf16(bytes), source, budgets);
}

OptionsText OptionsText::FromText(std::u16string_view text, std::string_view source, const SkinBudgets& budgets)
{
    CheckTextSize(text.size(), source, budgets);
    OptionsText result;
    std::size_t lines = 0;
    const std::size_t nul = text.find(u'\0');
    if (nul != std::u16string_view::npos) {
        text = text.substr(0, nul);
    }
    Section* current = nullptr;
    std::u16string upper;
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = pos;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n') {
            ++end;
        }
        const std::u16string_view line = text.substr(pos, end - pos);
        pos = end;
        if (pos < text.size() && text[pos] == u'\r') {
            ++pos;
            if (pos < text.size() && text[pos] == u'\n') {
                ++pos;
            }
        } else if (pos < text.size()) {
            ++pos; // LF
        }
        if (line.empty() || line.front() == u';') {
            continue;
        }
        if (line.front() == u'[' && line.back() == u']' && line.size() >= 2) {
            if (result.m_sections.size() == budgets.Sections) {
                throw SkinBudgetError(Quoted(source) + " has more than the " + std::to_string(budgets.Sections) +
                                      " sections an options text may have");
            }
            result.m_sections.push_back(Section{std::u16string(line.substr(1, line.size() - 2)), {}, {}});
            result.m_sectionIndex.emplace(UpperAnsi(result.m_sections.back().Name),
                                          static_cast<int>(result.m_sections.size() - 1));
            current = &result.m_sections.back();
            continue;
        }
        if (current == nullptr) {
            continue;
        }
        if (current->Entries.size() == budgets.SectionLines) {
            throw SkinBudgetError("Section [" + Shortened(current->Name) + "] of " + Quoted(source) +
                                  " has more than the " + std::to_string(budgets.SectionLines) +
                                  " lines a section may have");
        }
        if (lines == budgets.Lines) {
            throw SkinBudgetError(Quoted(source) + " has more than the " + std::to_string(budgets.Lines) +
                                  " lines an options text may have in its sections");
        }
        ++lines;
        Entry entry;
        const std::size_t eq = line.find(u'=');
        if (eq == std::u16string_view::npos) {
            entry.Value = std::u16string(line);
        } else {
            entry.HasKey = true;
            entry.Key = std::u16string(line.substr(0, eq));
            entry.Value = std::u16string(line.substr(eq + 1));
            // Upper-cased into one buffer: the index copies a key only when it is new.
            upper.assign(entry.Key);
            for (char16_t& c : upper) {
                c = UpperAnsiChar(c);
            }
            auto it = current->KeyIndex.find(std::u16string_view(upper));
            if (it == current->KeyIndex.end()) {
                it = current->KeyIndex.emplace(upper, current->Entries.size()).first;
            }
            entry.First = it->second;
        }
        current->Entries.push_back(std::move(entry));
    }
    return result;
}

int OptionsText::FindSection(std::u16string_view name) const
{
    return FindSectionUpper(UpperAnsi(name));
}

int OptionsText::FindSectionUpper(std::u16string_view upperName) const
{
    const auto it = m_sectionIndex.find(upperName);
    return it == m_sectionIndex.end() ? -1 : it->second;
}

const std::u16string* OptionsText::Find(std::u16string_view section, std::u16string_view key) const
{
    const int index = FindSection(section);
    if (index < 0) {
        return nullptr;
    }
    const Section& found = m_sections[static_cast<std::size_t>(index)];
    const auto it = found.KeyIndex.find(UpperAnsi(key));
    return it == found.KeyIndex.end() ? nullptr : &found.Entries[it->second].Value;
}

std::u16string OptionsText::Read(std::u16string_view section, std::u16string_view key,
                                 std::u16string_view fallback) const
{
    const std::u16string* value = Find(section, key);
    return value != nullptr ? *value : std::u16string(fallback);
}

std::vector<std::u16string> OptionsText::Keys(std::u16string_view section) const
{
    std::vector<std::u16string> keys;
    const int index = FindSection(section);
    if (index < 0) {
        return keys;
    }
    for (const Entry& entry : m_sections[static_cast<std::size_t>(index)].Entries) {
        if (entry.HasKey) {
            keys.push_back(entry.Key);
        }
    }
    return keys;
}

} // namespace korvane
