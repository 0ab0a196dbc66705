#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "skin/skin_budgets.h"
#include "skin/skin_text.h"

namespace korvane {

// An INI-style options text (Options.dat, or the application's CommonSections).
//
// Lines end at CR, LF or CR LF; a NUL byte ends the text. Lines starting with ";" are comments,
// empty lines are skipped, "[name]" starts a section (name not trimmed), lines before the first
// section are dropped. In a section line the key is the text before the first "=" and the value
// the rest, nothing trimmed. Section names and keys compare without regard to letter case; the
// first section (and the first key in a section) of a name wins.
//
// A text is held to the budgets of a skin (its size, its sections, the lines kept for each
// section and for all of them): parsing stops at the first line beyond one with SkinBudgetError
// naming the text (`source`, a member or file name) and the limit.
class OptionsText {
public:
    template <typename T>
    using TextMap = korvane::TextMap<T>;

    struct Entry {
        std::u16string Key;
        std::u16string Value;
        bool HasKey = false; // the line held a "="
        // Index of the first entry of the section with the same key (this one when it is the
        // first): the entry whose value every read of the key gives.
        std::size_t First = 0;
    };
    struct Section {
        std::u16string Name;
        std::vector<Entry> Entries;
        // Upper-cased key -> index of its first entry.
        TextMap<std::size_t> KeyIndex;

        // The value every read of the entry's key gives (that of its first entry).
        const std::u16string& ValueOf(const Entry& entry) const { return Entries[entry.First].Value; }
        // The value of the key given upper-cased, or nullptr.
        const std::u16string* FindUpper(std::u16string_view upperKey) const
        {
            const auto it = KeyIndex.find(upperKey);
            return it == KeyIndex.end() ? nullptr : &Entries[it->second].Value;
        }
    };

    OptionsText() = default;
    // Parses single-byte (Windows-1251) text.
    static OptionsText FromAnsi(std::string_view bytes, std::string_view source = "Options.dat",
                                const SkinBudgets& budgets = SkinBudgets());
    // Parses text already in UTF-16 (the same line rules).
    static OptionsText FromText(std::u16string_view text, std::string_view source = "Options.dat",
                                const SkinBudgets& budgets = SkinBudgets());

    bool Empty() const { return m_sections.empty(); }
    const std::vector<Section>& Sections() const { return m_sections; }
    // Index of the first section of that name, or -1.
    int FindSection(std::u16string_view name) const;
    // The first section of that name (whose keys every read of the name sees), or nullptr.
    const Section* SectionNamed(std::u16string_view name) const
    {
        const int index = FindSection(name);
        return index < 0 ? nullptr : &m_sections[static_cast<std::size_t>(index)];
    }
    // The same for a name already upper-cased (ANSI rules).
    int FindSectionUpper(std::u16string_view upperName) const;
    bool HasSection(std::u16string_view name) const { return FindSection(name) >= 0; }
    // Value of the key in the first section of that name, or nullptr when either is absent.
    const std::u16string* Find(std::u16string_view section, std::u16string_view key) const;
    // Value or the default.
    std::u16string Read(std::u16string_view section, std::u16string_view key, std::u16string_view fallback) const;
    // Keys (lines with "=") of the first section of that name, in file order, duplicates included.
    std::vector<std::u16string> Keys(std::u16string_view section) const;

private:
    std::vector<Section> m_sections;
    // Upper-cased section name -> index of its first section.
    TextMap<int> m_sectionIndex;
};

} // namespace korvane
