#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "gfx/bitmap32.h"
#include "skin/skin_records.h"
#include "skin/table_lookup_index.h"

namespace korvane {

// The tables of a loaded skin and the lookups every painter uses. Indexes are 0-based; -1 means
// none. Names compare exactly (case-sensitive).
//
// Once the tables are complete, IndexLookups() indexes them by name (the loader does so at the
// end of every load); until the tables change size or storage the lookups then take constant
// time per step instead of scanning. Names are not changed in place after that: the tables of a
// skin are replaced whole by the next load.
class SkinTables {
public:
    TsSkinData SkinData;
    TsGeneralDataArray Sections;
    TsMaskArray Masks;
    TsPatternArray Patterns;
    // The master bitmap (0 x 0 when the skin has none).
    std::shared_ptr<Bitmap32> MasterBitmap = std::make_shared<Bitmap32>();

    // Index of the first section named exactly `name`, else -1.
    int FindSection(std::u16string_view name) const;
    // First image entry of (sectionName, key); when none, the same for the parent section along
    // PARENTCLASS. -1 when sectionIndex < 0 or the name is empty.
    int FindMask(int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const;
    // The same without parents; -1 when the name is empty.
    int FindMaskExact(std::u16string_view sectionName, std::u16string_view key) const;
    // As FindMask, counting only textures (ImgType 1).
    int FindTexture(int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const;
    // As FindMask, over the pattern table.
    int FindPattern(int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const;

    bool IsValidSection(int index) const { return index >= 0 && index < static_cast<int>(Sections.size()); }
    bool IsValidMask(int index) const { return index >= 0 && index < static_cast<int>(Masks.size()); }
    bool IsValidPattern(int index) const { return index >= 0 && index < static_cast<int>(Patterns.size()); }

    // Border widths of an entry: the side's own width when above 0, else UniformWidth when above
    // 0, else the frame width (left/right) or frame height (top/bottom). MaskLeftWidth first
    // turns an ImageCount of 0 into 1. An invalid index gives 0.
    int MaskLeftWidth(int index);
    int MaskRightWidth(int index) const;
    int MaskTopWidth(int index) const;
    int MaskBottomWidth(int index) const;

    // Sets every section's BorderIndex and corner indexes (BORDERSMASK, IMGTOPLEFT, IMGTOPRIGHT,
    // IMGBTMLEFT, IMGBTMRIGHT, through PARENTCLASS); GLOBALINFO keeps -1 in all five. Indexes the
    // tables first unless they are indexed as they stand.
    void ResolveSectionImages();

    // Empties the three tables and the master bitmap.
    void ClearTables();

    // Indexes the tables as they stand for the lookups above.
    void IndexLookups();

private:
    using Table = TableLookupIndex::Table;
    // The index when it still describes the tables, else null.
    const TableLookupIndex* Lookups() const;
    int ParentOf(int sectionIndex, std::u16string_view sectionName) const;
    int FindWithParents(Table table, int sectionIndex, std::u16string_view sectionName, std::u16string_view key) const;
    int FindInTable(Table table, std::u16string_view sectionName, std::u16string_view key) const;

    std::shared_ptr<const TableLookupIndex> m_lookups;
    // The index the section images were last resolved with: while it still describes the tables,
    // resolving again would give the same indexes.
    std::shared_ptr<const TableLookupIndex> m_resolvedWith;
};

} // namespace korvane
