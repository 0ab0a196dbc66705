#include "controls/skin_data_rules.h"

#include <algorithm>

#include "gfx/color_ops.h"

namespace korvane {

int BackgroundShapeOf(const TsGeneralData& section)
{
    int shape = section.ImagePercent != 0 ? kShapeTextured : 0;
    if (section.GradientPercent != 0 && section.GradientArray && !section.GradientArray->empty()) {
        switch (section.GradientArray->front().Mode) {
        case 0:
            shape += kShapeAlongHeight;
            break;
        case 1:
            shape += kShapeAlongWidth;
            break;
        case 2:
            shape += kShapeAlongWidth + kShapeAlongHeight;
            break;
        default:
            break;
        }
    }
    return shape;
}

int ClampPercent(int value)
{
    return std::clamp(value, 0, 100);
}

int LimitState(int state, int states)
{
    return std::max(0, std::min(state, states - 1));
}

bool IsPlainBackground(const TsGeneralData& section, const PlainBackgroundFacts& facts)
{
    if (!facts.IsContainer)
        return false;
    if (facts.BorderLeft + facts.BorderRight > 20 || facts.BorderTop + facts.BorderBottom > 20)
        return false;
    const int transparency = ClampPercent(section.Transparency);
    if (transparency == 100)
        return facts.HasOwnerAndParent && facts.ParentPlain;
    if (transparency > 0)
        return false;
    return section.ImagePercent == 0 && section.GradientPercent == 0;
}

std::uint32_t SeeThroughColour(std::uint32_t parent, std::uint32_t own, int transparency)
{
    const int t = ClampPercent(transparency);
    if (t == 0)
        return own;
    if (t == 100)
        return parent;
    // Each channel: round(P * T / 100 + C * (100 - T) / 100).
    return MixColors(parent, own, t / 100.0) & 0xFFFFFF;
}

bool IsActive(const ActiveFacts& facts)
{
    if (!facts.HasOwnerControl || facts.Destroying || !facts.Enabled)
        return false;
    if (facts.HasFocus)
        return true;
    if (facts.WindowHasKeyboardFocus)
        return !facts.IsPanel;
    return facts.MouseInside && !IsNeverHotKind(facts.Kind);
}

bool MustSkipPaint(const SkipPaintFacts& facts)
{
    if (!facts.HasSkinData || !facts.HasManager)
        return false;
    if (!facts.UsesCache || facts.Destroying)
        return facts.PaintSuspended;
    if (facts.PaintSuspended)
        return true;
    // A parent whose cache is stale repaints itself and then its children: the child waits.
    return facts.HasParent && facts.ParentUpdating;
}

bool BackgroundFollowsPosition(const MoveFacts& facts)
{
    if (!facts.HasSkinData || facts.UrgentPainting || !facts.Skinned || facts.IsTabSheet || !facts.HasOwnerControl ||
        !facts.Enabled)
        return true;
    if (ClampPercent(facts.Transparency) == 0)
        return false;
    return facts.ParentHasWindow && facts.ParentComplex;
}

BackgroundAnswerPlan PlanBackgroundAnswer(const BackgroundFacts& facts)
{
    using Kind = BackgroundAnswerKind;
    if (!facts.Skinned || facts.CustomColor)
        return {Kind::OwnerColour};
    const int transparency = ClampPercent(facts.Transparency);
    if (transparency == 100) {
        if (facts.PlainBackground || !facts.HasCache || facts.CacheStale)
            return {Kind::AskParent};
        return {Kind::OwnCache};
    }
    if (transparency > 0)
        return {facts.HasCache ? Kind::OwnCache : Kind::KeyColour};
    if (facts.GradientPercent <= 0 && facts.ImagePercent <= 0)
        return {Kind::StateColour};
    return {facts.HasCache ? Kind::OwnCache : Kind::KeyColour, true};
}

LabelPlace PlaceLabel(TsCaptionLayout layout, const PixelRect& control, int labelWidth, int labelHeight, int indent)
{
    const int l = control.Left;
    const int t = control.Top;
    const int w = control.Width();
    const int h = control.Height();
    switch (layout) {
    case TsCaptionLayout::sclLeft:
        return {l - labelWidth - indent - 4, t + (h - labelHeight) / 2 - 1};
    case TsCaptionLayout::sclTopLeft:
        return {l, t - labelHeight - indent};
    case TsCaptionLayout::sclTopCenter:
        return {l + (w - labelWidth) / 2, t - labelHeight - indent};
    case TsCaptionLayout::sclTopRight:
        return {l + w - labelWidth, t - labelHeight - indent};
    }
    return {l, t};
}

} // namespace korvane
