#pragma once

#include <cstdint>

#include "controls/control_kind.h"
#include "gfx/pixel_rect.h"
#include "skin/skin_records.h"

namespace korvane {

// The decisions of a control's skin data that depend only on facts about the control and its
// section: the Win32 side gathers the facts and acts on the answers.

// Bits of how a section's background varies.
inline constexpr int kShapeAlongWidth = 1;
inline constexpr int kShapeAlongHeight = 2;
inline constexpr int kShapeTextured = 4;

// 4 with a texture weight; with a gradient (and at least one step), by the first step's mode:
// vertical (0) varies along the height, horizontal (1) along the width, triangles (2) both.
int BackgroundShapeOf(const TsGeneralData& section);

// A percentage as used in painting: 0..100 whatever the file said.
int ClampPercent(int value);

// The drawing state limited to the section's states: min(state, States - 1), never below 0.
int LimitState(int state, int states);

// What decides whether a container's background is one flat colour.
struct PlainBackgroundFacts {
    bool IsContainer = false; // a frame, panel, scrolling container or page control
    // The borders mask's widths (0 without a mask).
    int BorderLeft = 0;
    int BorderTop = 0;
    int BorderRight = 0;
    int BorderBottom = 0;
    bool HasOwnerAndParent = false;
    bool ParentPlain = false; // the parent's own flag (SKC_PLAINBGSTATE)
};
bool IsPlainBackground(const TsGeneralData& section, const PlainBackgroundFacts& facts);

// The flat colour of a state block with transparency T over the parent colour P (0x00BBGGRR):
// C at T 0, P at T 100, per channel round(P * T / 100 + C * (100 - T) / 100) between.
std::uint32_t SeeThroughColour(std::uint32_t parent, std::uint32_t own, int transparency);

// What decides between the normal and the hot state.
struct ActiveFacts {
    bool HasOwnerControl = false;
    bool Destroying = false;
    bool Enabled = true;
    bool HasFocus = false;
    bool WindowHasKeyboardFocus = false; // a windowed owner whose window holds the focus
    bool IsPanel = false;
    bool MouseInside = false;
    ControlKindCode Kind = 0;
};
bool IsActive(const ActiveFacts& facts);

// What decides whether a control skips a paint.
struct SkipPaintFacts {
    bool HasSkinData = true;
    bool HasManager = true;
    bool UsesCache = true;
    bool Destroying = false;
    bool PaintSuspended = false;
    bool HasParent = false;
    bool ParentUpdating = false; // the parent's answer to SKC_ISUPDATING
};
bool MustSkipPaint(const SkipPaintFacts& facts);

// What decides whether moving the control changes what its background shows.
struct MoveFacts {
    bool HasSkinData = true;
    bool UrgentPainting = false;
    bool Skinned = true;
    bool IsTabSheet = false;
    bool HasOwnerControl = true;
    bool Enabled = true;
    int Transparency = 0; // the section's normal TRANSPARENCY
    bool ParentHasWindow = false;
    bool ParentComplex = false; // the parent's answer to SKC_HASCOMPLEXBG
};
bool BackgroundFollowsPosition(const MoveFacts& facts);

// How a control answers a child's question of what lies behind it (SKC_GETBACKGROUND).
enum class BackgroundAnswerKind {
    OwnerColour, // colour: the owner's colour property
    AskParent,   // pass the question on to the parent, adding the own position to a bitmap answer
    OwnCache,    // bitmap: the own cache already holds what lies behind
    KeyColour,   // colour TransparentKey: nothing to show yet
    StateColour, // colour: the state's flat colour
};
struct BackgroundAnswerPlan {
    BackgroundAnswerKind Kind = BackgroundAnswerKind::OwnerColour;
    // A bitmap or key answer of an opaque varying background carries GlobalColor as its colour.
    bool ColourIsGlobal = false;
};
struct BackgroundFacts {
    bool Skinned = false;
    bool CustomColor = false;
    int Transparency = 0;
    int GradientPercent = 0;
    int ImagePercent = 0;
    bool PlainBackground = false;
    bool HasCache = false;
    bool CacheStale = true;
};
BackgroundAnswerPlan PlanBackgroundAnswer(const BackgroundFacts& facts);

// Where a control's caption label stands.
enum class TsCaptionLayout { sclLeft, sclTopLeft, sclTopCenter, sclTopRight };

// The label's top-left corner for a control at `control` (parent coordinates) and a label of
// the given size: left of the control, vertically centred, or above it on the left, centre or right.
struct LabelPlace {
    int Left = 0;
    int Top = 0;
};
LabelPlace PlaceLabel(TsCaptionLayout layout, const PixelRect& control, int labelWidth, int labelHeight, int indent);

} // namespace korvane
