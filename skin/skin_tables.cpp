#include "skin/skin_tables.h"

#include <algorithm>
#include <vector>

namespace korvane {

void SkinTables::IndexLookups()
{
    m_lookups = std::make_shared<const TableLookupIndex>(Sections, Masks, Patterns);
}

const TableLookupIndex* SkinTables::Lookups() const
{
    return m_lookups && m_lookups->Describes(Sections, Masks, Patterns) ? m_lookups.get() : nullptr;
}

int SkinTables::FindSection(std::u16string_view name) const
{
    if (const TableLookupIndex* lookups = Lookups()) {
        return lookups->FindSection(name);
    }
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        if (Sections[i].SectionName == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int SkinTables::FindInTable(Table table, std::u16string_view sectionName, std::u16string_view key) const
{
    if (const TableLookupIndex* lookups = Lookups()) {
        return lookups->FindEntry(table, sectionName, key);
    }
    if (table == Table::Patterns) {
        for (std::size_t i = 0; i < Patterns.size(); ++i) {
            if (Patterns[i].SectionName == sectionName && Patterns[i].PropertyName == key) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }
    for (std::size_t i = 0; i < Masks.size(); ++i) {
        const TsMaskData& mask = Masks[i];
        if (table == Table::Textures && mask.ImgType != kImgTexture) {
            continue;
        }
        if (mask.SectionName == sectionName && mask.PropertyName == key) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

// The parent rule of the searches: the ParentClass of the section, when not empty and not the
// name being searched for, looked up with FindSection.
int SkinTables::ParentOf(int sectionIndex, std::u16string_view sectionName) const
{
    const TsGeneralData& section = Sections[static_cast<std::size_t>(sectionIndex)];
    if (section.ParentClass.empty() || section.ParentClass == sectionName) {
        return -1;
    }
    if (const TableLookupIndex* lookups = Lookups(); lookups != nullptr && sectionName == section.SectionName) {
        return lookups->Parent(sectionIndex);
    }
    return FindSection(section.ParentClass);
}

int SkinTables::FindWithParents(Table table, int sectionIndex, std::u16string_view sectionName,
                                std::u16string_view key) const
{
    // The usual question, a section by its own name, has its answers remembered by the index.
    if (const TableLookupIndex* lookups = Lookups();
        lookups != nullptr && IsValidSection(sectionIndex) &&
        sectionName == Sections[static_cast<std::size_t>(sectionIndex)].SectionName) {
        return lookups->FindEntryAlongParents(table, sectionIndex, key);
    }
    // Each step moves to a parent section; a chain of PARENTCLASS that loops through several
    // sections is cut after as many steps as there are sections.
    for (std::size_t step = 0; step <= Sections.size(); ++step) {
        if (sectionIndex < 0 || sectionName.empty()) {
            return -1;
        }
        const int found = FindInTable(table, sectionName, key);
        if (found >= 0) {
            return found;
        }
        if (!IsValidSection(sectionIndex)) {
            return -1;
        }
        const int parentIndex = ParentOf(sectionIndex, sectionName);
        if (parentIndex < 0) {
            return -1;
        }
        sectionIndex = parentIndex;
        sectionName = Sections[static_cast<std::size_t>(parentIndex)].SectionName;
    }
    return -1;
}

int SkinTables::FindMask(int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const
{
    return FindWithParents(Table::Masks, sectionIndex, sectionName, key);
}

int SkinTables::FindMaskExact(std::u16string_view sectionName, std::u16string_view key) const
{
    if (sectionName.empty()) {
        return -1;
    }
    return FindInTable(Table::Masks, sectionName, key);
}

int SkinTables::FindTexture(int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const
{
    if (Masks.empty()) {
        return -1;
    }
    return FindWithParents(Table::Textures, sectionIndex, sectionName, key);
}

int SkinTables::FindPattern(int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const
{
    if (Patterns.empty()) {
        return -1;
    }
    return FindWithParents(Table::Patterns, sectionIndex, sectionName, key);
}

int SkinTables::MaskLeftWidth(int index)
{
    if (!IsValidMask(index)) {
        return 0;
    }
    TsMaskData& mask = Masks[static_cast<std::size_t>(index)];
    if (mask.ImageCount == 0) {
        mask.ImageCount = 1;
    }
    if (mask.LeftWidth > 0) {
        return mask.LeftWidth;
    }
    return mask.UniformWidth > 0 ? mask.UniformWidth : mask.FrameWidth();
}

int SkinTables::MaskRightWidth(int index) const
{
    if (!IsValidMask(index)) {
        return 0;
    }
    const TsMaskData& mask = Masks[static_cast<std::size_t>(index)];
    if (mask.RightWidth > 0) {
        return mask.RightWidth;
    }
    return mask.UniformWidth > 0 ? mask.UniformWidth : mask.FrameWidth();
}

int SkinTables::MaskTopWidth(int index) const
{
    if (!IsValidMask(index)) {
        return 0;
    }
    const TsMaskData& mask = Masks[static_cast<std::size_t>(index)];
    if (mask.TopWidth > 0) {
        return mask.TopWidth;
    }
    return mask.UniformWidth > 0 ? mask.UniformWidth : mask.FrameHeight();
}

int SkinTables::MaskBottomWidth(int index) const
{
    if (!IsValidMask(index)) {
        return 0;
    }
    const TsMaskData& mask = Masks[static_cast<std::size_t>(index)];
    if (mask.BottomWidth > 0) {
        return mask.BottomWidth;
    }
    return mask.UniformWidth > 0 ? mask.UniformWidth : mask.FrameHeight();
}

void SkinTables::ResolveSectionImages()
{
    if (Lookups() == nullptr) {
        IndexLookups();
    } else if (m_resolvedWith == m_lookups) {
        return;
    }
    m_resolvedWith = m_lookups;
    // Each section's answer is found once per key (TableLookupIndex::FindEntryAlongParents):
    // linear in the number of sections however deep the chains go.
    const auto apply = [&](std::u16string_view key, int32_t TsGeneralData::*field) {
        for (std::size_t i = 0; i < Sections.size(); ++i) {
            Sections[i].*field = m_lookups->FindEntryAlongParents(Table::Masks, static_cast<int>(i), key);
        }
    };
    apply(u"BORDERSMASK", &TsGeneralData::BorderIndex);
    apply(u"IMGTOPLEFT", &TsGeneralData::ImgTopLeft);
    apply(u"IMGTOPRIGHT", &TsGeneralData::ImgTopRight);
    apply(u"IMGBTMLEFT", &TsGeneralData::ImgBottomLeft);
    apply(u"IMGBTMRIGHT", &TsGeneralData::ImgBottomRight);
    for (TsGeneralData& data : Sections) {
        if (data.SectionName == u"GLOBALINFO") {
            data.BorderIndex = data.ImgTopLeft = data.ImgTopRight = data.ImgBottomLeft = data.ImgBottomRight = -1;
        }
    }
}

void SkinTables::ClearTables()
{
    Masks.clear();
    Patterns.clear();
    Sections.clear();
    MasterBitmap = std::make_shared<Bitmap32>();
}

} // namespace korvane
