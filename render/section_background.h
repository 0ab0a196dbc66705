#pragma once

#include <cstdint>
#include <string>

#include "gfx/bitmap_view.h"
#include "gfx/parent_background.h"
#include "render/skin_paint_source.h"

namespace korvane {

// What a control face needs of the control's skin data.
struct ControlFaceData {
    int SectionIndex = -1;
    std::u16string SectionName;
    const SkinPaintSource* Manager = nullptr; // null: the default manager
    // The owning control's colour when the skin data's custom-colour switch is on (for a window
    // frame owner, its form's colour); TransparentKey otherwise.
    std::uint32_t CustomColor = TransparentKey;
    int TextureIndex = -1; // the control's own texture entries; -1: the section's own
    int HotTextureIndex = -1;
    int HueOffset = 0; // HUEOffset
    int Saturation = 0;
};

// Paints the section's background over `rect` of the destination for the state. A custom
// colour other than TransparentKey makes it opaque and plain. (offsetX, offsetY) is the
// position of the destination's origin inside the background's bitmap.
void PaintSectionBackground(int sectionIndex, const std::u16string& sectionName, const ParentBackground& background,
                            std::uint32_t customColor, int hotTextureIndex, int textureIndex,
                            const SkinPaintSource* manager, const BitmapView& destination, int offsetX, int offsetY,
                            PixelRect rect, int state);

// The standard-window adapters' background: a parent given only as a colour counts as unknown,
// so the background is composed opaque unless the parent is a bitmap.
void PaintAdapterBackground(int sectionIndex, const std::u16string& sectionName, const ParentBackground& background,
                            int hotTextureIndex, int textureIndex, const SkinPaintSource* manager,
                            const BitmapView& destination, int offsetX, int offsetY, PixelRect rect, int state);

// The whole face of a skinned control: background, corner images, borders mask, then hue and
// saturation shift.
void PaintControlFace(const ControlFaceData& data, const ParentBackground& background, bool fillCorners,
                      const BitmapView& destination, int offsetX, int offsetY, PixelRect rect, int state);

// The section a face is painted from: its index and name, and the textures of its hot and normal
// looks (-1: none).
struct SectionFace {
    int Index = -1;
    const std::u16string& Name;
    int HotTexture = -1;
    int Texture = -1;
};

// The same composition for callers without control skin data: no custom colour, no shifts, the
// corners filled; `rect` of the destination is painted.
void PaintSectionFace(const SectionFace& section, const ParentBackground& background, const SkinPaintSource* source,
                      const BitmapView& destination, const PixelRect& rect, int state);

} // namespace korvane
