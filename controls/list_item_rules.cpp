#include "controls/list_item_rules.h"

namespace korvane {

std::uint32_t ListItemState(const ListItemFacts& facts)
{
    if (facts.MultiSelect) {
        std::uint32_t state = facts.Selected ? kItemSelected : 0;
        if (facts.IsItemIndex && facts.ControlFocused)
            state |= kItemFocus;
        return state;
    }
    if (!facts.IsItemIndex)
        return 0;
    return kItemSelected | (facts.ControlFocused ? kItemFocus : 0);
}

ListPaintPlan PlanListPaint(int topIndex, int count, const PixelRect& client,
                            const std::function<PixelRect(int)>& itemRect)
{
    ListPaintPlan plan;
    for (int index = topIndex < 0 ? 0 : topIndex; index < count; ++index) {
        const PixelRect rect = itemRect(index);
        const bool intersects = rect.Left < client.Right && rect.Right > client.Left && rect.Top < client.Bottom &&
                                rect.Bottom > client.Top && !rect.IsEmpty();
        if (!intersects)
            break;
        plan.Items.push_back(index);
        plan.Last = rect;
        if (rect.Bottom > plan.MaxBottom)
            plan.MaxBottom = rect.Bottom;
    }
    return plan;
}

std::vector<PixelRect> UncoveredListStrips(const PixelRect& last, int maxBottom, int width, int height)
{
    std::vector<PixelRect> strips;
    const auto add = [&](const PixelRect& strip) {
        if (!strip.IsEmpty())
            strips.push_back(strip);
    };
    if (last.Bottom < height - 4)
        add({last.Left, last.Bottom, width - 2, height - 2});
    if (last.Right < width - 4)
        add({last.Right, 0, width - 2, last.Bottom});
    if (last.Left >= 3)
        add({0, maxBottom, last.Left, height - 2});
    return strips;
}

ItemLook ListItemLook(std::uint32_t state, bool hasSelectionSection)
{
    ItemLook look;
    const bool selected = (state & kItemSelected) != 0;
    const bool focused = (state & kItemFocus) != 0;
    if (selected) {
        look.PaintSelection = hasSelectionSection;
        look.FillSelection = !hasSelectionSection;
        look.SelectionState = focused ? 1 : 0;
        look.SelectionColours = hasSelectionSection;
    }
    look.FocusRect = focused && !(selected && hasSelectionSection);
    return look;
}

} // namespace korvane
