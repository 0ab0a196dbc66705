#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/chain_answers.h"
#include "skin/options_text.h"

namespace korvane {

// PARENTCLASS inheritance over the sections of one options text, resolved once per load.
//
// Every section name stands for the first section of that name (later sections of the same name
// read its values). The keys to be read are named up front; each section's values of them and
// its parent are looked up once, and each key's inherited value is found for a section once and
// remembered, so that reading every key of every section costs time linear in their number
// however deep the chains are. A chain that comes back to a section it has passed (through
// itself, or through several sections) ends there, with no value.
class SectionInheritance {
public:
    // `upperKeys`: the keys (upper-cased) that Inherited may be asked for.
    SectionInheritance(const OptionsText& options, std::span<const std::u16string_view> upperKeys);

    // How a value counts as absent: a text written "?"; an integer that is -1 or unreadable.
    enum class Kind : uint8_t { Text, Integer };

    // Index of the section standing for `name` (compared without regard to case), or -1.
    int SectionOf(std::u16string_view name) const;
    // Index of a key named to the constructor, or -1.
    int KeyOf(std::u16string_view upperKey) const;

    // The first value of the key along the section's PARENTCLASS chain, the section itself
    // included, or nullptr. `own` tells whether it is the section's own value.
    const std::u16string* Inherited(int section, int key, Kind kind, bool* own = nullptr);

private:
    const std::u16string* Own(int section, int key, Kind kind) const;

    const OptionsText& m_options;
    OptionsText::TextMap<int> m_keys;
    // Each section's value of each key (section * key count + key), or nullptr.
    std::vector<const std::u16string*> m_values;
    // Parent section of each section, or -1 when the chain ends there.
    std::vector<int> m_parent;
    // The inherited values of each key and kind (key * 2 + kind), made when first asked for.
    std::vector<std::optional<ChainAnswers<const std::u16string*>>> m_memos;
};

} // namespace korvane
