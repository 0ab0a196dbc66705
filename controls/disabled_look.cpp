#include "controls/disabled_look.h"

#include "controls/grey_pixel.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "gfx/piece_copy.h"

namespace korvane {

void ApplyDisabledLook(const BitmapView& face, TsDisabledKind kind, const ParentBackground& background,
                       std::uint32_t parentColor)
{
    if (face.IsEmpty()) {
        return;
    }
    if (kind.Grayed) {
        for (int y = 0; y < face.Height; ++y) {
            std::uint32_t* row = face.Row(y);
            for (int x = 0; x < face.Width; ++x) {
                row[x] = GreyPixel(row[x]);
            }
        }
    }
    if (!kind.Blended) {
        return;
    }
    if (background.IsBitmap) {
        const PixelRect behind{background.X, background.Y, background.X + face.Width, background.Y + face.Height};
        BlendKeyedPiece(face, 0, 0, background.Bitmap, behind, TransparentKey, 0.4);
        return;
    }
    const std::uint32_t color = background.Color == TransparentKey ? parentColor : background.Color;
    TintRect(face, {0, 0, face.Width, face.Height}, 50, color);
}

} // namespace korvane
