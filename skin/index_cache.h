#pragma once

#include <array>

namespace korvane {

class SkinTables;

// Indexes the painters need again and again, looked up once after every load; -1 when absent.
struct TsIndexCache {
    int GlobalInfoSection = -1;

    // GLOBALINFO images of check boxes and radio buttons.
    struct CheckImageIndexes {
        int BoxChecked = -1;
        int BoxUnchecked = -1;
        int BoxGrayed = -1;
        int RadioChecked = -1;
        int RadioUnchecked = -1;
        int RadioGrayed = -1;
        int SmallChecked = -1;
        int SmallUnchecked = -1;
        int SmallGrayed = -1;
    } CheckImages;

    int ExBorderMask = -1; // EXBORDER of GLOBALINFO

    struct ComboButton {
        int Section = -1;    // COMBOBTN
        int BorderMask = -1; // its BORDERSMASK (own section only)
        int Pattern = -1;    // its PATTERN texture
        int HotPattern = -1; // its HOTPATTERN texture
        int GlyphMask = -1;  // GLYPHMASK of COMBOBOX (own section only)
    } ComboBtn;

    struct Tab {
        int Section = -1;
        int BorderMask = -1;
    };
    // TABTOP, TABBOTTOM, TABLEFT, TABRIGHT.
    std::array<Tab, 4> TabSections;

    struct ScrollButton {
        int Section = -1;
        int BorderMask = -1;
        int Pattern = -1;
        int HotPattern = -1;
        int GlyphMask = -1;
    };
    // SCROLLBTNTOP, SCROLLBTNBOTTOM, SCROLLBTNLEFT, SCROLLBTNRIGHT.
    std::array<ScrollButton, 4> ScrollBtnSections;

    struct ScrollSlider {
        int Section = -1;
        int BorderMask = -1;
        int GlyphMask = -1;
        int Pattern = -1;
        int HotPattern = -1;
    };
    // SCROLLSLIDERV, SCROLLSLIDERH.
    std::array<ScrollSlider, 2> ScrollSliderSections;

    struct ScrollBar {
        int Section = -1;
        int BorderMask = -1;
        int Pattern = -1;
        int HotPattern = -1;
    };
    // SCROLLBAR1H, SCROLLBAR1V, SCROLLBAR2H, SCROLLBAR2V.
    std::array<ScrollBar, 4> ScrollBarSections;

    // Refills every entry from the tables.
    void Build(const SkinTables& tables);
};

} // namespace korvane
