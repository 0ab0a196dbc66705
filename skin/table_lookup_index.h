#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "skin/chain_answers.h"
#include "skin/skin_records.h"
#include "skin/skin_text.h"

namespace korvane {

// The name lookups of a skin's tables, built in one pass over them: the first section of each
// name, each section's parent along PARENTCLASS, and the first image entry, texture and pattern
// of each (section, key). It describes the tables as they stood when it was built and knows
// whether they still have the same storage and sizes (tables are replaced whole by a load, never
// renamed in place). The answers of the searches along PARENTCLASS are remembered per key as they
// are found.
class TableLookupIndex {
public:
    enum class Table { Masks, Textures, Patterns };

    TableLookupIndex(const TsGeneralDataArray& sections, const TsMaskArray& masks, const TsPatternArray& patterns);

    bool Describes(const TsGeneralDataArray& sections, const TsMaskArray& masks, const TsPatternArray& patterns) const;

    // First section named exactly `name`, or -1.
    int FindSection(std::u16string_view name) const;
    // First entry of (section, key) in the table, or -1.
    int FindEntry(Table table, std::u16string_view section, std::u16string_view key) const;
    // The parent of section `index` (its ParentClass when not empty and not its own name), or -1.
    int Parent(int index) const { return m_parents[static_cast<std::size_t>(index)]; }
    // First entry of (the name of section `index`, key) in the table, else of its parent's name
    // and key, and so on along PARENTCLASS; -1 when the chain ends, meets a section without a name
    // or comes back to a section it passed. Each section's answer is its own entry or its
    // parent's answer, found once per key and remembered: asking for every section costs time
    // linear in their number however deep the chains go.
    int FindEntryAlongParents(Table table, int index, std::u16string_view key) const;

private:
    using TextMap = korvane::TextMap<int>;

    // Section and key joined by a NUL, which no name read from an options text holds.
    std::u16string_view JoinedKey(std::u16string_view section, std::u16string_view key) const;

    const TsGeneralData* m_sectionsData;
    const TsMaskData* m_masksData;
    const TsPatternData* m_patternsData;
    std::size_t m_sectionCount;
    std::size_t m_maskCount;
    std::size_t m_patternCount;

    TextMap m_sections;
    std::vector<int> m_parents;
    TextMap m_entries[3];
    mutable std::u16string m_joined;

    // The answers of FindEntryAlongParents, per table and key.
    mutable korvane::TextMap<ChainAnswers<int>> m_chainAnswers[3];
};

} // namespace korvane
