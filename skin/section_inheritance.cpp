#include "skin/section_inheritance.h"

#include "skin/skin_text.h"
#include "skin/skin_values.h"

namespace korvane {

namespace {

constexpr std::u16string_view kAbsent = u"?";

enum : uint8_t { kUnknown, kResolving, kResolved };

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

SectionInheritance::SectionInheritance(const OptionsText& options) : m_options(options)
{
    const auto& sections = options.Sections();
    m_parent.assign(sections.size(), -1);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        const std::u16string* parent = sections[i].FindUpper(u"PARENTCLASS");
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

const std::u16string* SectionInheritance::Own(int section, std::u16string_view upperKey, Kind kind) const
{
    if (section < 0) {
        return nullptr;
    }
    const std::u16string* value = m_options.Sections()[static_cast<std::size_t>(section)].FindUpper(upperKey);
    return Present(value, kind) ? value : nullptr;
}

SectionInheritance::Memo& SectionInheritance::MemoOf(std::u16string_view upperKey, Kind kind)
{
    auto& index = m_memoIndex[kind == Kind::Text ? 0 : 1];
    if (const auto it = index.find(upperKey); it != index.end()) {
        return m_memos[it->second];
    }
    const std::size_t count = m_parent.size();
    index.emplace(std::u16string(upperKey), m_memos.size());
    m_memos.push_back(Memo{std::vector<uint8_t>(count, kUnknown), std::vector<const std::u16string*>(count, nullptr)});
    return m_memos.back();
}

const std::u16string* SectionInheritance::Inherited(int section, std::u16string_view upperKey, Kind kind, bool* own)
{
    if (own != nullptr) {
        *own = false;
    }
    if (section < 0) {
        return nullptr;
    }
    if (const std::u16string* value = Own(section, upperKey, kind)) {
        if (own != nullptr) {
            *own = true;
        }
        return value;
    }
    Memo& memo = MemoOf(upperKey, kind);
    // Walk up until a section with the value, one already resolved, the end of the chain or a
    // section of this walk (a loop); every section passed gets the same answer.
    m_walk.clear();
    const std::u16string* found = nullptr;
    int current = section;
    while (current >= 0) {
        const auto at = static_cast<std::size_t>(current);
        if (memo.State[at] == kResolved) {
            found = memo.Values[at];
            break;
        }
        if (memo.State[at] == kResolving) {
            break;
        }
        if (const std::u16string* value = Own(current, upperKey, kind)) {
            found = value;
            break;
        }
        memo.State[at] = kResolving;
        m_walk.push_back(current);
        current = m_parent[at];
    }
    for (const int passed : m_walk) {
        memo.State[static_cast<std::size_t>(passed)] = kResolved;
        memo.Values[static_cast<std::size_t>(passed)] = found;
    }
    return found;
}

} // namespace korvane
