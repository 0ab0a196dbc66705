#include "controls/combo_button_face.h"

#include "controls/combo_layout.h"
#include "controls/skin_data_rules.h"
#include "render/section_background.h"
#include "render/skin_tables_source.h"
#include "render/state_image.h"

namespace korvane {

void PaintComboButtonFace(const SkinTables& tables, const TsIndexCache::ComboButton& indexes, const BitmapView& face,
                          const PixelRect& button, int state)
{
    if (face.IsEmpty() || button.IsEmpty())
        return;
    const SkinTablesPaintSource source(tables);
    if (tables.IsValidSection(indexes.Section)) {
        const TsGeneralData& section = tables.Sections[static_cast<std::size_t>(indexes.Section)];
        PaintSectionFace({indexes.Section, section.SectionName, indexes.HotPattern, indexes.Pattern},
                         SelfBackground(face), &source, face, button, state);
    }
    if (tables.IsValidMask(indexes.GlyphMask)) {
        const TsMaskData& arrow = tables.Masks[static_cast<std::size_t>(indexes.GlyphMask)];
        const ComboArrowPlace at = ComboArrowPosition(button, FrameWidth(arrow), FrameHeight(arrow), face.Height);
        PaintStateImage(face, at.X, at.Y, LimitState(state, arrow.ImageCount), SelfBackground(face), arrow, 1,
                        source.MasterBitmap());
    }
}

} // namespace korvane
