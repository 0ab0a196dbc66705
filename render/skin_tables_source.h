#pragma once

#include "render/skin_paint_source.h"
#include "skin/skin_tables.h"

namespace korvane {

// The painting view of a loaded skin's tables (a skin manager's Tables()).
class SkinTablesPaintSource : public SkinPaintSource {
public:
    explicit SkinTablesPaintSource(const SkinTables& tables) : m_tables(tables) {}

    const TsGeneralData* Section(int index) const override;
    const TsMaskData* Mask(int index) const override;
    int FindSection(const std::u16string& name) const override;
    int FindMask(int sectionIndex, const std::u16string& sectionName, const std::u16string& key) const override;
    BitmapView MasterBitmap() const override;
    int FindTexture(int sectionIndex, const std::u16string& sectionName, const std::u16string& key) const override;
    const Bitmap32* FindPatternImage(int sectionIndex, const std::u16string& sectionName,
                                     const std::u16string& key) const override;

private:
    const SkinTables& m_tables;
};

} // namespace korvane
