#include "skin/table_lookup_index.h"

namespace korvane {

TableLookupIndex::TableLookupIndex(const TsGeneralDataArray& sections, const TsMaskArray& masks,
                                   const TsPatternArray& patterns)
    : m_sectionsData(sections.data())
    , m_masksData(masks.data())
    , m_patternsData(patterns.data())
    , m_sectionCount(sections.size())
    , m_maskCount(masks.size())
    , m_patternCount(patterns.size())
{
    for (std::size_t i = 0; i < sections.size(); ++i) {
        m_sections.emplace(sections[i].SectionName, static_cast<int>(i));
    }
    m_parents.assign(sections.size(), -1);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const TsGeneralData& section = sections[i];
        if (!section.ParentClass.empty() && section.ParentClass != section.SectionName) {
            m_parents[i] = FindSection(section.ParentClass);
        }
    }
    const auto add = [this](Table table, const std::u16string& section, const std::u16string& key, std::size_t at) {
        // emplace keeps the first entry of a name.
        m_entries[static_cast<int>(table)].emplace(std::u16string(JoinedKey(section, key)), static_cast<int>(at));
    };
    for (std::size_t i = 0; i < masks.size(); ++i) {
        add(Table::Masks, masks[i].SectionName, masks[i].PropertyName, i);
        if (masks[i].ImgType == kImgTexture) {
            add(Table::Textures, masks[i].SectionName, masks[i].PropertyName, i);
        }
    }
    for (std::size_t i = 0; i < patterns.size(); ++i) {
        add(Table::Patterns, patterns[i].SectionName, patterns[i].PropertyName, i);
    }
}

bool TableLookupIndex::Describes(const TsGeneralDataArray& sections, const TsMaskArray& masks,
                                 const TsPatternArray& patterns) const
{
    return sections.data() == m_sectionsData && sections.size() == m_sectionCount && masks.data() == m_masksData &&
           masks.size() == m_maskCount && patterns.data() == m_patternsData && patterns.size() == m_patternCount;
}

int TableLookupIndex::FindSection(std::u16string_view name) const
{
    const auto it = m_sections.find(name);
    return it == m_sections.end() ? -1 : it->second;
}

int TableLookupIndex::FindEntry(Table table, std::u16string_view section, std::u16string_view key) const
{
    const TextMap& entries = m_entries[static_cast<int>(table)];
    const auto it = entries.find(JoinedKey(section, key));
    return it == entries.end() ? -1 : it->second;
}

int TableLookupIndex::FindEntryAlongParents(Table table, int index, std::u16string_view key) const
{
    if (index < 0 || static_cast<std::size_t>(index) >= m_sectionCount) {
        return -1;
    }
    korvane::TextMap<ChainAnswers<int>>& answers = m_chainAnswers[static_cast<int>(table)];
    auto it = answers.find(key);
    if (it == answers.end()) {
        it = answers.emplace(std::u16string(key), ChainAnswers<int>(m_sectionCount, -1)).first;
    }
    // A section without a name has no entry and ends its chain.
    const auto name = [this](int section) -> const std::u16string& {
        return m_sectionsData[static_cast<std::size_t>(section)].SectionName;
    };
    return it->second.Find(
        index,
        [&](int section) -> std::optional<int> {
            const int found = name(section).empty() ? -1 : FindEntry(table, name(section), key);
            return found >= 0 ? std::optional<int>(found) : std::nullopt;
        },
        [&](int section) { return name(section).empty() ? -1 : Parent(section); });
}

std::u16string_view TableLookupIndex::JoinedKey(std::u16string_view section, std::u16string_view key) const
{
    m_joined.assign(section);
    m_joined.push_back(u'\0');
    m_joined.append(key);
    return m_joined;
}

} // namespace korvane
