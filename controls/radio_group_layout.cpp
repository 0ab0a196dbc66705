#include "controls/radio_group_layout.h"

#include <algorithm>

namespace korvane {

int ClampRadioColumns(int columns)
{
    return std::clamp(columns, 1, 16);
}

int ClampItemIndex(int index, int count)
{
    return std::clamp(index, -1, std::max(count - 1, -1));
}

RadioGroupGrid ArrangeRadioGrid(int count, int columns, int width, int height, int textHeight)
{
    RadioGroupGrid grid;
    if (count <= 0)
        return grid;
    columns = ClampRadioColumns(columns);
    grid.Rows = (count + columns - 1) / columns;
    grid.ColumnWidth = (width - 10) / columns;
    const int freeHeight = height - textHeight - 5;
    grid.RowHeight = freeHeight / grid.Rows;
    grid.TopMargin = (freeHeight % grid.Rows) / 2 + textHeight + 1;
    return grid;
}

PixelRect RadioItemBounds(const RadioGroupGrid& grid, int index, bool rightToLeft, int currentWidth)
{
    if (grid.Rows <= 0)
        return {};
    const int column = index / grid.Rows;
    const int row = index % grid.Rows;
    int x = column * grid.ColumnWidth + 8;
    if (rightToLeft)
        x += grid.ColumnWidth - currentWidth;
    return BoundsRect(x, row * grid.RowHeight + grid.TopMargin, grid.ColumnWidth, grid.RowHeight);
}

} // namespace korvane
