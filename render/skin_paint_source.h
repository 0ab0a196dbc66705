#pragma once

#include <string>

#include "gfx/bitmap_view.h"
#include "skin/skin_records.h"

namespace korvane {

// What the painters need of a skin manager: its tables, its master bitmap and its lookups.
// The skin manager implements it.
class SkinPaintSource {
public:
    virtual ~SkinPaintSource() = default;

    // The section or image entry at an index, or null when the index is not valid.
    virtual const TsGeneralData* Section(int index) const = 0;
    virtual const TsMaskData* Mask(int index) const = 0;
    // Index of the first section named exactly `name`, else -1.
    virtual int FindSection(const std::u16string& name) const = 0;
    // Index of the section's image entry named by the key, following the section's parents; -1
    // when none.
    virtual int FindMask(int sectionIndex, const std::u16string& sectionName, const std::u16string& key) const = 0;
    // The skin's master bitmap (empty when there is none).
    virtual BitmapView MasterBitmap() const = 0;
    // Index of the section's texture entry (image kind 1) named by the key, following the
    // section's parents; -1 when none.
    virtual int FindTexture(int sectionIndex, const std::u16string& sectionName, const std::u16string& key) const = 0;
    // The image of the section's texture file (pattern entry) named by the key, or null.
    virtual const Bitmap32* FindPatternImage(int sectionIndex, const std::u16string& sectionName,
                                             const std::u16string& key) const = 0;
};

// The default skin manager's painting source, used when a painter is given none.
void SetDefaultSkinPaintSource(const SkinPaintSource* source);
const SkinPaintSource* DefaultSkinPaintSource();

} // namespace korvane
