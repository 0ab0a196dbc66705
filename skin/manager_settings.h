#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace korvane {

// Settings the skin manager carries for the other parts of the engine: effects, animations, the
// skinned menus, which foreign window classes are skinned and how. Stored with the window that
// owns the manager; the defaults are what a new manager has.

// Glows: read together with whether layered windows exist (the Windows manager does that).
struct TacSkinEffects {
    bool AllowGlowing = true;
};

enum class TacAnimType { atFading, atAero };

// One animation: whether it runs, how long (milliseconds) and how.
struct TacFormAnimation {
    bool Active = true;
    uint16_t Time = 0;
    TacAnimType Mode = TacAnimType::atAero;
};

enum TacBtnEvent : uint8_t { beMouseEnter = 1, beMouseLeave = 2, beMouseDown = 4, beMouseUp = 8 };

struct TacBtnEffects {
    uint8_t Events = beMouseEnter | beMouseLeave | beMouseDown | beMouseUp;
    bool Has(TacBtnEvent event) const { return (Events & event) != 0; }
};

struct TacBlendOnMoving {
    bool Active = false;
    uint8_t BlendValue = 170;
    uint16_t Time = 1000;
};

struct TacAnimEffects {
    TacBtnEffects Buttons;
    TacFormAnimation DialogShow;
    TacFormAnimation FormShow;
    TacFormAnimation FormHide;
    TacFormAnimation DialogHide;
    TacFormAnimation Minimizing{true, 200, TacAnimType::atAero};
    TacFormAnimation PageChange{true, 0, TacAnimType::atAero};
    TacFormAnimation SkinChanging{true, 100, TacAnimType::atFading};
    TacBlendOnMoving BlendOnMoving;
};

// The skinned menus' settings.
struct TacMenuSupport {
    std::u16string IcoLineSkin = u"ICOLINE";
    bool UseExtraLine = false;
    int ExtraLineWidth = 32;
};

// Which kinds of windows the adapters of standard windows skin.
enum TacSkinningRule : uint8_t { srStdForms = 1, srStdDialogs = 2, srThirdParty = 4 };
using TacSkinningRules = uint8_t;
inline constexpr TacSkinningRules kAllSkinningRules = srStdForms | srStdDialogs | srThirdParty;

// The 18 lists of window class names the adapters consult to decide how a window of a class is
// skinned, each kept as a text of one name per line and as the list split from it.
class ThirdPartyList {
public:
    enum Kind {
        ThirdEdits,
        ThirdButtons,
        ThirdBitBtns,
        ThirdCheckBoxes,
        ThirdComboBoxes,
        ThirdGrids,
        ThirdGroupBoxes,
        ThirdListViews,
        ThirdPanels,
        ThirdTreeViews,
        ThirdWWEdits,
        ThirdGridEh,
        ThirdVirtualTrees,
        ThirdPageControl,
        ThirdTabControl,
        ThirdToolBar,
        ThirdStatusBar,
        ThirdSpeedButton,
        kCount
    };

    ThirdPartyList() { Rebuild(); }

    const std::u16string& Text(Kind kind) const { return m_texts[kind]; }
    void SetText(Kind kind, std::u16string text) { m_texts[kind] = std::move(text); }
    // The names of one list, as last rebuilt.
    const std::vector<std::u16string>& Names(Kind kind) const { return m_lists[kind]; }
    // True when the class name stands in the list.
    bool Contains(Kind kind, std::u16string_view className) const;

    // Every empty text takes its default ("TButton" for ThirdButtons, a single blank for the
    // others), and every list is split again from its text, one name per line.
    void Rebuild();

private:
    std::array<std::u16string, kCount> m_texts;
    std::array<std::vector<std::u16string>, kCount> m_lists;
};

} // namespace korvane
