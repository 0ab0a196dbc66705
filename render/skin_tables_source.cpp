#include "render/skin_tables_source.h"

namespace korvane {

const TsGeneralData* SkinTablesPaintSource::Section(int index) const
{
    return m_tables.IsValidSection(index) ? &m_tables.Sections[index] : nullptr;
}

const TsMaskData* SkinTablesPaintSource::Mask(int index) const
{
    return m_tables.IsValidMask(index) ? &m_tables.Masks[index] : nullptr;
}

int SkinTablesPaintSource::FindSection(const std::u16string& name) const
{
    return m_tables.FindSection(name);
}

int SkinTablesPaintSource::FindMask(int sectionIndex, const std::u16string& sectionName,
                                    const std::u16string& key) const
{
    return m_tables.FindMask(sectionIndex, sectionName, key);
}

BitmapView SkinTablesPaintSource::MasterBitmap() const
{
    return m_tables.MasterBitmap ? m_tables.MasterBitmap->ReadView() : BitmapView{};
}

int SkinTablesPaintSource::FindTexture(int sectionIndex, const std::u16string& sectionName,
                                       const std::u16string& key) const
{
    return m_tables.FindTexture(sectionIndex, sectionName, key);
}

const Bitmap32* SkinTablesPaintSource::FindPatternImage(int sectionIndex, const std::u16string& sectionName,
                                                        const std::u16string& key) const
{
    const int index = m_tables.FindPattern(sectionIndex, sectionName, key);
    return m_tables.IsValidPattern(index) ? m_tables.Patterns[index].Image.get() : nullptr;
}

} // namespace korvane
