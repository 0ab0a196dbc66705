#include "skin/skin_tables.h"

namespace korvane {

int SkinTables::FindSection(std::u16string_view name) const
{
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        if (Sections[i].SectionName == name) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int SkinTables::FindInTable(Table table, std::u16string_view sectionName, std::u16string_view key) const
{
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

int SkinTables::FindWithParents(Table table, int sectionIndex, std::u16string_view sectionName,
                                std::u16string_view key) const
{
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
        const std::u16string& parent = Sections[static_cast<std::size_t>(sectionIndex)].ParentClass;
        if (parent.empty() || parent == sectionName) {
            return -1;
        }
        const int parentIndex = FindSection(parent);
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
    for (std::size_t i = 0; i < Sections.size(); ++i) {
        TsGeneralData& data = Sections[i];
        if (data.SectionName == u"GLOBALINFO") {
            data.BorderIndex = data.ImgTopLeft = data.ImgTopRight = data.ImgBottomLeft = data.ImgBottomRight = -1;
            continue;
        }
        const int index = static_cast<int>(i);
        data.BorderIndex = FindMask(index, data.SectionName, u"BORDERSMASK");
        data.ImgTopLeft = FindMask(index, data.SectionName, u"IMGTOPLEFT");
        data.ImgTopRight = FindMask(index, data.SectionName, u"IMGTOPRIGHT");
        data.ImgBottomLeft = FindMask(index, data.SectionName, u"IMGBTMLEFT");
        data.ImgBottomRight = FindMask(index, data.SectionName, u"IMGBTMRIGHT");
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
