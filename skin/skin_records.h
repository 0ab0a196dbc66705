#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "gfx/bitmap32.h"
#include "gfx/colors.h"
#include "gfx/pixel_rect.h"

namespace korvane {

// A colour reference 0x00BBGGRR; -1 means "not set"; other negative values are system-colour
// references (low byte = system colour index) until they are converted.
using TsColor = int32_t;

inline constexpr TsColor kColorNone = -1;

// Kinds of image entry (TsMaskData::ImgType).
inline constexpr uint8_t kImgBordersMask = 0;
inline constexpr uint8_t kImgTexture = 1;
inline constexpr uint8_t kImgGlyph = 2;
inline constexpr uint8_t kImgGlow = 3;
inline constexpr uint8_t kImgTitleGlow = 4;

// One step of a section gradient.
struct GradientStep {
    TsColor Color1 = 0;  // start colour, never negative
    TsColor Color2 = 0;  // end colour, never negative
    uint8_t Percent = 0; // share of the painted extent, 0..100
    int32_t Mode = 0;    // direction/kind number as written (0, 1, 2 ...)
};

using TsGradArray = std::vector<GradientStep>;
// Gradient arrays are shared between a section's flat fields and its Props, so a change of a
// step is seen through both.
using TsGradArrayRef = std::shared_ptr<TsGradArray>;

// The look of a section in one state (normal or hot).
struct TsGenState {
    TsColor Color = 0;
    // Text colours. Indexes 1..5 are used: [1] the text colour, [2..5] the further colours for
    // the left, top, right and bottom sides (-1 not set). Index 0 is unused so that indexes read
    // the same as the option names number them.
    std::array<TsColor, 6> FontColor{};
    int32_t GradientPercent = 0;
    std::u16string GradientData;
    TsGradArrayRef GradientArray = std::make_shared<TsGradArray>();
    int32_t ImagePercent = 0;
    TsColor GlowColor = 0;
    uint8_t GlowSize = 0;
    int32_t Transparency = 0;
};

using TsProps = std::array<TsGenState, 2>;

// One section of the options file.
struct TsGeneralData {
    std::u16string ParentClass; // PARENTCLASS as written, empty when absent
    std::u16string SectionName; // as written in the file
    int32_t States = 0;
    TsProps Props; // [0] normal, [1] hot (a copy of [0] when States < 2)
    bool GiveOwnFont = false;
    bool ReservedBoolean = false;
    bool ShowFocus = false;
    int32_t GlowCount = 0;
    int32_t GlowMargin = 0;
    int32_t BorderIndex = -1;
    int32_t ImgTopLeft = -1;
    int32_t ImgTopRight = -1;
    int32_t ImgBottomLeft = -1;
    int32_t ImgBottomRight = -1;
    bool FadingEnabled = false;
    int32_t FadingIterations = 0;

    // Normal-state values as read (the same as Props[0]).
    TsColor Color = 0;
    int32_t Transparency = 0;
    int32_t GradientPercent = 0;
    std::u16string GradientData;
    TsGradArrayRef GradientArray = std::make_shared<TsGradArray>();
    int32_t ImagePercent = 0;
    std::array<TsColor, 6> FontColor{}; // [1..5] as in TsGenState
    TsColor GlowColor = 0;
    uint8_t GlowSize = 0;

    // Hot-state values as read; filled only when States >= 2.
    TsColor HotColor = 0;
    int32_t HotTransparency = 0;
    int32_t HotGradientPercent = 0;
    std::u16string HotGradientData;
    TsGradArrayRef HotGradientArray = std::make_shared<TsGradArray>();
    int32_t HotImagePercent = 0;
    std::array<TsColor, 6> HotFontColor{}; // [1..5] as in TsGenState
    TsColor HotGlowColor = 0;
    uint8_t HotGlowSize = 0;
};

using TsGeneralDataArray = std::vector<TsGeneralData>;

// How far from a picture's origin an image entry's rectangle may reach to be painted.
inline constexpr int kPaintCoordinateLimit = 1 << 24;

// One image entry: a rectangle of the master bitmap, or an image of its own.
struct TsMaskData {
    std::shared_ptr<Bitmap32> Image; // own image, or null for a rectangle of the master bitmap
    std::u16string SectionName;
    std::u16string PropertyName;
    PixelRect Rect;
    int16_t ImageCount = 0;   // state frames side by side in Rect
    int16_t MaskType = 0;     // rows minus one: 0 keyed by TransparentKey, 1 a mask row below
    int16_t UniformWidth = 0; // border width of all sides when the four widths are 0
    int16_t DrawMode = 1;     // 0..13, see the painters
    uint8_t ImgType = 0;      // kImgBordersMask .. kImgTitleGlow
    int16_t LeftWidth = 0;
    int16_t TopWidth = 0;
    int16_t RightWidth = 0;
    int16_t BottomWidth = 0;

    // Width of one state frame: Rect's width for one frame, 0 for none, else width / ImageCount.
    int32_t FrameWidth() const
    {
        if (ImageCount == 1) {
            return Rect.Width();
        }
        if (ImageCount <= 0) {
            return 0;
        }
        return Rect.Width() / ImageCount;
    }
    // Height of one row: Rect's height / (MaskType + 1); 0 when MaskType is -1 or less.
    int32_t FrameHeight() const
    {
        if (MaskType < 0) {
            return 0;
        }
        return Rect.Height() / (MaskType + 1);
    }
    // True when every coordinate of Rect lies within kPaintCoordinateLimit of the origin. No
    // picture is that large, and the nine-piece painters add a few sizes to a coordinate, which
    // stays within int then; an entry beyond it (only a damaged file has one) paints nothing.
    bool RectInPaintRange() const
    {
        auto inRange = [](int value) { return value >= -kPaintCoordinateLimit && value <= kPaintCoordinateLimit; };
        return inRange(Rect.Left) && inRange(Rect.Top) && inRange(Rect.Right) && inRange(Rect.Bottom);
    }
    // The entry's first row: Rect cut to one FrameHeight (computed wide, so that an extreme
    // rectangle of a legacy file saturates instead of wrapping).
    PixelRect FirstRowRect() const
    {
        return {Rect.Left, Rect.Top, Rect.Right, SaturateToInt(static_cast<long long>(Rect.Top) + FrameHeight())};
    }
};

using TsMaskArray = std::vector<TsMaskData>;

// A large JPEG picture used as a pattern.
struct TsPatternData {
    std::shared_ptr<Bitmap32> Image;
    std::u16string SectionName;  // upper-cased
    std::u16string PropertyName; // upper-cased
};

using TsPatternArray = std::vector<TsPatternData>;

// The skin's global values (section GLOBALINFO) and two state fields.
struct TsSkinData {
    std::u16string SkinPath; // folder of the skin's files with trailing backslash; empty for packages
    bool Active = false;
    double Version = 0;
    std::u16string Author;
    std::u16string Description;
    TsColor Shadow1Color = 0;
    int16_t Shadow1Offset = 0;
    int16_t Shadow1Blur = -1;
    int16_t Shadow1Transparency = 0;
    int16_t BorderWidth = 4;
    int16_t TitleHeight = 30;
    int16_t MaxHeight = 0;
    int16_t FormOffset = 0;
    int16_t AlignOffset = 0;
    int16_t CenterOffset = 0;
    int16_t BorderMode = 0;
    TsColor BorderColor = 0;
    int16_t BISpace = 0;
    int16_t BIVAlign = 0;
    int16_t BIRight = 0;
    int16_t BILeft = 0;
    int16_t BITop = 0;
    int16_t BIKeepHue = 0;
    int16_t BIconCloseGlow = 0;
    int16_t BIconCloseGlowMargin = 0;
    int16_t BIconMaxGlow = 0;
    int16_t BIconMaxGlowMargin = 0;
    int16_t BIconMinGlow = 0;
    int16_t BIconMinGlowMargin = 0;
};

} // namespace korvane
