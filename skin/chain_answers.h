#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace korvane {

// The answers to one question (one key) along the PARENTCLASS chains of a skin's sections,
// remembered per section as they are found: a section's answer is its own, when it has one, else
// its parent's answer. A chain that ends, or comes back to a section it has passed (through
// itself or through several sections), gives `none`. Asking for every section costs time linear
// in their number however deep the chains go.
template <typename Answer>
class ChainAnswers {
public:
    ChainAnswers(std::size_t sections, Answer none)
        : m_state(sections, kUnknown)
        , m_answers(sections, none)
        , m_none(none)
    {
    }

    // The answer for `section` (0 <= section < sections). `own(s)` gives section s's own answer
    // or nothing; `parent(s)` the next section of its chain, or -1.
    template <typename Own, typename Parent>
    Answer Find(int section, const Own& own, const Parent& parent)
    {
        // Walk up until a section with an answer of its own, one already known, the end of the
        // chain or a section of this walk (a loop); every section passed gets the same answer.
        m_walk.clear();
        Answer found = m_none;
        for (int current = section; current >= 0; current = parent(current)) {
            const auto at = static_cast<std::size_t>(current);
            if (m_state[at] == kKnown) {
                found = m_answers[at];
                break;
            }
            if (m_state[at] == kWalking) {
                break;
            }
            m_state[at] = kWalking;
            m_walk.push_back(current);
            if (const std::optional<Answer> value = own(current)) {
                found = *value;
                break;
            }
        }
        for (const int passed : m_walk) {
            m_state[static_cast<std::size_t>(passed)] = kKnown;
            m_answers[static_cast<std::size_t>(passed)] = found;
        }
        return found;
    }

private:
    enum : uint8_t { kUnknown, kWalking, kKnown };

    std::vector<uint8_t> m_state;
    std::vector<Answer> m_answers;
    Answer m_none;
    std::vector<int> m_walk;
};

} // namespace korvane
