#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace korvane {

// An INI-style options text (Options.dat, or the application's CommonSections).
//
// Lines end at CR, LF or CR LF; a NUL byte ends the text. Lines starting with ";" are comments,
// empty lines are skipped, "[name]" starts a section (name not trimmed), lines before the first
// section are dropped. In a section line the key is the text before the first "=" and the value
// the rest, nothing trimmed. Section names and keys compare without regard to letter case; the
// first section (and the first key in a section) of a name wins.
class OptionsText {
public:
    struct Entry {
        std::u16string Key;
        std::u16string Value;
        bool HasKey = false; // the line held a "="
    };
    struct Section {
        std::u16string Name;
        std::vector<Entry> Entries;
        // Upper-cased key -> index of its first entry.
        std::unordered_map<std::u16string, std::size_t> KeyIndex;
    };

    OptionsText() = default;
    // Parses single-byte (Windows-1251) text.
    static OptionsText FromAnsi(std::string_view bytes);
    // Parses text already in UTF-16 (the same line rules).
    static OptionsText FromText(std::u16string_view text);

    bool Empty() const { return m_sections.empty(); }
    const std::vector<Section>& Sections() const { return m_sections; }
    // Index of the first section of that name, or -1.
    int FindSection(std::u16string_view name) const;
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
    std::unordered_map<std::u16string, int> m_sectionIndex;
};

} // namespace korvane
