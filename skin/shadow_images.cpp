#include "skin/shadow_images.h"

#include "image/decoded_image.h"
#include "image/image_decoder.h"
#include "skin/skin_tables.h"

namespace korvane {

ShadowImages PrepareShadowImages(const SkinTables& tables, int exBorderMask, bool extendedBorders,
                                 const Bitmap32& builtinActive, const Bitmap32& builtinInactive, bool composition)
{
    ShadowImages shadows;
    if (!extendedBorders) {
        return shadows;
    }
    shadows.Made = true;
    const TsMaskData* mask =
        tables.IsValidMask(exBorderMask) ? &tables.Masks[static_cast<std::size_t>(exBorderMask)] : nullptr;
    if (mask != nullptr && mask->Image) {
        const int offset = tables.SkinData.FormOffset;
        if (tables.SkinData.BorderMode != 0) {
            shadows.Margins = {offset, offset, offset, offset};
        } else {
            shadows.Margins = {mask->LeftWidth - offset, mask->TopWidth - offset, mask->RightWidth - offset,
                               mask->BottomWidth - offset};
        }
        const int width = mask->FrameWidth();
        const int height = mask->FrameHeight();
        shadows.Inactive = mask->Image->Copy(0, 0, width, height);
        shadows.Active = mask->ImageCount == 1 ? shadows.Inactive : mask->Image->Copy(width, 0, width, height);
    } else {
        shadows.Active = builtinActive;
        shadows.Inactive = builtinInactive;
        shadows.Margins = kBuiltinShadowMargins;
        if (composition) {
            for (int& margin : shadows.Margins) {
                ++margin;
            }
        }
    }
    ClearTransparentWhite(shadows.Active);
    ClearTransparentWhite(shadows.Inactive);
    return shadows;
}

Bitmap32 DecodeBuiltinShadow(std::span<const std::uint8_t> encoded, std::string_view name)
{
    try {
        return DecodeImage(encoded, name).Bitmap;
    } catch (const ImageError&) {
        return Bitmap32();
    }
}

} // namespace korvane
