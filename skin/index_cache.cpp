#include "skin/index_cache.h"

#include <string>

#include "skin/skin_tables.h"

namespace korvane {

void TsIndexCache::Build(const SkinTables& tables)
{
    *this = TsIndexCache();
    const auto mask = [&](int section, const char16_t* name, const char16_t* key) {
        return tables.FindMask(section, name, key);
    };

    GlobalInfoSection = tables.FindSection(u"GLOBALINFO");
    const int g = GlobalInfoSection;
    CheckImages.BoxChecked = mask(g, u"GLOBALINFO", u"BOXCHECKED");
    CheckImages.BoxUnchecked = mask(g, u"GLOBALINFO", u"BOXUNCHECKED");
    CheckImages.BoxGrayed = mask(g, u"GLOBALINFO", u"BOXGRAYED");
    CheckImages.RadioChecked = mask(g, u"GLOBALINFO", u"RADIOCHECKED");
    CheckImages.RadioUnchecked = mask(g, u"GLOBALINFO", u"RADIOUNCHECKED");
    CheckImages.RadioGrayed = mask(g, u"GLOBALINFO", u"RADIOGRAYED");
    CheckImages.SmallChecked = mask(g, u"GLOBALINFO", u"SMALLCHECKED");
    CheckImages.SmallUnchecked = mask(g, u"GLOBALINFO", u"SMALLUNCHECKED");
    CheckImages.SmallGrayed = mask(g, u"GLOBALINFO", u"SMALLGRAYED");
    ExBorderMask = mask(g, u"GLOBALINFO", u"EXBORDER");

    ComboBtn.Section = tables.FindSection(u"COMBOBTN");
    ComboBtn.BorderMask = tables.FindMaskExact(u"COMBOBTN", u"BORDERSMASK");
    ComboBtn.Pattern = tables.FindTexture(ComboBtn.Section, u"COMBOBTN", u"PATTERN");
    ComboBtn.HotPattern = tables.FindTexture(ComboBtn.Section, u"COMBOBTN", u"HOTPATTERN");
    ComboBtn.GlyphMask = tables.FindMaskExact(u"COMBOBOX", u"GLYPHMASK");

    const char16_t* tabNames[4] = {u"TABTOP", u"TABBOTTOM", u"TABLEFT", u"TABRIGHT"};
    for (std::size_t i = 0; i < 4; ++i) {
        TabSections[i].Section = tables.FindSection(tabNames[i]);
        TabSections[i].BorderMask = mask(TabSections[i].Section, tabNames[i], u"BORDERSMASK");
    }
    const char16_t* buttonNames[4] = {u"SCROLLBTNTOP", u"SCROLLBTNBOTTOM", u"SCROLLBTNLEFT", u"SCROLLBTNRIGHT"};
    for (std::size_t i = 0; i < 4; ++i) {
        ScrollButton& b = ScrollBtnSections[i];
        b.Section = tables.FindSection(buttonNames[i]);
        b.BorderMask = mask(b.Section, buttonNames[i], u"BORDERSMASK");
        b.Pattern = mask(b.Section, buttonNames[i], u"PATTERN");
        b.HotPattern = mask(b.Section, buttonNames[i], u"HOTPATTERN");
        b.GlyphMask = mask(b.Section, buttonNames[i], u"GLYPHMASK");
    }
    const char16_t* sliderNames[2] = {u"SCROLLSLIDERV", u"SCROLLSLIDERH"};
    for (std::size_t i = 0; i < 2; ++i) {
        ScrollSlider& s = ScrollSliderSections[i];
        s.Section = tables.FindSection(sliderNames[i]);
        s.BorderMask = mask(s.Section, sliderNames[i], u"BORDERSMASK");
        s.GlyphMask = mask(s.Section, sliderNames[i], u"GLYPHMASK");
        s.Pattern = mask(s.Section, sliderNames[i], u"PATTERN");
        s.HotPattern = mask(s.Section, sliderNames[i], u"HOTPATTERN");
    }
    const char16_t* barNames[4] = {u"SCROLLBAR1H", u"SCROLLBAR1V", u"SCROLLBAR2H", u"SCROLLBAR2V"};
    for (std::size_t i = 0; i < 4; ++i) {
        ScrollBar& b = ScrollBarSections[i];
        b.Section = tables.FindSection(barNames[i]);
        b.BorderMask = mask(b.Section, barNames[i], u"BORDERSMASK");
        b.Pattern = mask(b.Section, barNames[i], u"PATTERN");
        b.HotPattern = mask(b.Section, barNames[i], u"HOTPATTERN");
    }
}

} // namespace korvane
