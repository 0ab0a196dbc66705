#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/options_text.h"

namespace korvane {

// PARENTCLASS inheritance over the sections of one options text, resolved once per load.
//
// Every section name stands for the first section of that name (later sections of the same name
// read its values). Each section's parent is looked up once; each key's inherited value is found
// for a section once and remembered, so that reading every key of every section costs time
// linear in their number however deep the chains are. A chain that comes back to a section it
// has passed (through itself, or through several sections) ends there, with no value.
class SectionInheritance {
public:
    explicit SectionInheritance(const OptionsText& options);

    // How a value counts as absent: a text written "?"; an integer that is -1 or unreadable.
    enum class Kind : uint8_t { Text, Integer };

    // Index of the section standing for `name` (compared without regard to case), or -1.
    int SectionOf(std::u16string_view name) const;

    // The section's own value of the key (upper-cased), or nullptr when absent.
    const std::u16string* Own(int section, std::u16string_view upperKey, Kind kind) const;
    // The first value of the key along the section's PARENTCLASS chain, the section itself
    // included, or nullptr. `own` tells whether it is the section's own value.
    const std::u16string* Inherited(int section, std::u16string_view upperKey, Kind kind, bool* own = nullptr);

private:
    struct Memo {
        // Per section: not yet known, being resolved, or resolved to Values[i].
        std::vector<uint8_t> State;
        std::vector<const std::u16string*> Values;
    };
    Memo& MemoOf(std::u16string_view upperKey, Kind kind);

    const OptionsText& m_options;
    // Parent section of each section, or -1 when the chain ends there.
    std::vector<int> m_parent;
    std::vector<Memo> m_memos;
    // Upper-cased key -> its memo, one map per kind.
    OptionsText::TextMap<std::size_t> m_memoIndex[2];
    std::vector<int> m_walk;
};

} // namespace korvane
