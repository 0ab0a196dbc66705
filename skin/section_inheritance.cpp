#include "skin/section_inheritance.h"

#include "skin/skin_values.h"

namespace korvane {

namespace {

constexpr std::u16string_view kAbsent = u"?";

bool Present(const std::u16string* value, SectionInheritance::Kind kind)
{
    if (value == nullptr) {
        return false;
    }
    if (kind == SectionInheritance::Kind::Text) {
        return *value != kAbsent;
    }
    return LenientIntOr(*value, -1) != -1;
}

} // namespace

SectionInheritance::SectionInheritance(const OptionsText& options, std::span<const std::u16string_view> upperKeys)
    : m_options(options)
{
    for (const std::u16string_view key : upperKeys) {
        m_keys.emplace(std::u16string(key), static_cast<int>(m_keys.size()));
    }
    const std::size_t keyCount = m_keys.size();
    const auto& sections = options.Sections();
    m_values.assign(sections.size() * keyCount, nullptr);
    m_parent.assign(sections.size(), -1);
    m_memos.resize(keyCount * 2);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const OptionsText::Section& section = sections[i];
        for (const auto& [key, entry] : section.KeyIndex) {
            if (const auto it = m_keys.find(key); it != m_keys.end()) {
                m_values[i * keyCount + static_cast<std::size_t>(it->second)] = &section.Entries[entry].Value;
            }
        }
        const std::u16string* parent = section.FindUpper(u"PARENTCLASS");
        if (parent == nullptr || parent->empty() || *parent == kAbsent) {
            continue;
        }
        // A section naming itself ends its chain; so does any later return to a section passed.
        const int found = options.FindSection(*parent);
        m_parent[i] = found == static_cast<int>(i) ? -1 : found;
    }
}

int SectionInheritance::SectionOf(std::u16string_view name) const
{
    return m_options.FindSection(name);
}

int SectionInheritance::KeyOf(std::u16string_view upperKey) const
{
    const auto it = m_keys.find(upperKey);
    return it == m_keys.end() ? -1 : it->second;
}

const std::u16string* SectionInheritance::Own(int section, int key, Kind kind) const
{
    const std::u16string* value =
        m_values[static_cast<std::size_t>(section) * m_keys.size() + static_cast<std::size_t>(key)];
    return Present(value, kind) ? value : nullptr;
}

const std::u16string* SectionInheritance::Inherited(int section, int key, Kind kind, bool* own)
{
    if (own != nullptr) {
        *own = false;
    }
    if (section < 0 || key < 0) {
        return nullptr;
    }
    if (const std::u16string* value = Own(section, key, kind)) {
        if (own != nullptr) {
            *own = true;
        }
        return value;
    }
    std::optional<ChainAnswers<const std::u16string*>>& memo =
        m_memos[static_cast<std::size_t>(key) * 2 + (kind == Kind::Text ? 0 : 1)];
    if (!memo) {
        memo.emplace(m_parent.size(), nullptr);
    }
    return memo->Find(
        section,
        [&](int current) -> std::optional<const std::u16string*> {
            const std::u16string* value = Own(current, key, kind);
            return value != nullptr ? std::optional<const std::u16string*>(value) : std::nullopt;
        },
        [&](int current) { return m_parent[static_cast<std::size_t>(current)]; });
}

} // namespace korvane
