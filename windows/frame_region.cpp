#include "windows/frame_region.h"

#include "gfx/colors.h"
#include "render/state_image.h"

#include <algorithm>

namespace korvane {

namespace {

bool IsKeyPixel(std::uint32_t pixel)
{
    return (pixel & 0x00FFFFFFu) == TransparentKey;
}

// The runs of key pixels of one picture row between columns [from, to), placed at window row `y`
// with the picture column `from` at window column `windowLeft`.
void AddRuns(const BitmapView& source, int sourceX, int sourceY, int from, int to, int windowLeft, int y,
             std::vector<PixelRect>& runs)
{
    const std::uint32_t* row = source.Row(sourceY);
    int x = from;
    while (x < to) {
        if (!IsKeyPixel(row[sourceX + x])) {
            ++x;
            continue;
        }
        const int start = x;
        while (x < to && IsKeyPixel(row[sourceX + x]))
            ++x;
        runs.push_back({windowLeft + start - from, y, windowLeft + x - from, y + 1});
    }
}

} // namespace

std::vector<PixelRect> FrameRegionRuns(const TsMaskData& entry, const BitmapView& masterBitmap, int windowWidth,
                                       int windowHeight, bool bottomRows)
{
    std::vector<PixelRect> runs;
    const BitmapView source = EntrySource(entry, masterBitmap);
    const int width = FrameWidth(entry);
    const int height = FrameHeight(entry);
    if (source.IsEmpty() || width <= 0 || height <= 0 || windowWidth <= 0 || windowHeight <= 0)
        return runs;
    const int sourceX = entry.Rect.Left;
    const int sourceY = entry.Rect.Top;
    if (sourceX < 0 || sourceY < 0 || sourceX + width > source.Width || sourceY + height > source.Height)
        return runs;
    const int left = std::clamp<int>(entry.LeftWidth, 0, std::min(width, windowWidth));
    const int right = std::clamp<int>(entry.RightWidth, 0, std::min(width, windowWidth));
    const auto rowRuns = [&](int pictureRow, int windowRow) {
        AddRuns(source, sourceX, sourceY + pictureRow, 0, left, 0, windowRow, runs);
        AddRuns(source, sourceX, sourceY + pictureRow, width - right, width, windowWidth - right, windowRow, runs);
    };
    const int top = std::clamp<int>(entry.TopWidth, 0, std::min(height, windowHeight));
    for (int y = 0; y < top; ++y)
        rowRuns(y, y);
    if (bottomRows) {
        const int bottom = std::clamp<int>(entry.BottomWidth, 0, std::min(height, windowHeight));
        for (int y = 0; y < bottom; ++y)
            rowRuns(height - bottom + y, windowHeight - bottom + y);
    }
    return runs;
}

} // namespace korvane
