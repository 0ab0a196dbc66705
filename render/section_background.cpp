#include "render/section_background.h"

#include <algorithm>

#include "gfx/bitmap32.h"
#include "gfx/blend_bitmap.h"
#include "gfx/color_ops.h"
#include "render/gradient.h"
#include "gfx/piece_copy.h"
#include "render/state_image.h"
#include "render/texture_fill.h"

namespace korvane {
namespace {

const SkinPaintSource* g_defaultSource = nullptr;

// The properties of one state that the background is composed from.
struct BackgroundLook {
    std::uint32_t Color = 0;
    int Transparency = 0;
    int ImagePercent = 0;
    int GradientPercent = 0;
    const TsMaskData* Texture = nullptr; // a texture entry, or
    const Bitmap32* Pattern = nullptr;   // a texture file, tiled
    const TsGradArray* Gradient = nullptr;

    bool HasTexture() const { return Texture != nullptr || (Pattern != nullptr && !Pattern->Empty()); }
};

const TsGenState& StateBlock(const TsGeneralData& section, int state)
{
    return (section.States < 2 || state == 0) ? section.Props[0] : section.Props[1];
}

int ClampPercent(int value)
{
    return std::clamp(value, 0, 100);
}

int ClampSectionState(const TsGeneralData& section, int state)
{
    return std::max(0, std::min(state, section.States - 1));
}

// Fills the rectangle with what lies behind it: the parent's colour, or the matching part of
// its bitmap (nothing when that bitmap is the destination itself).
void PaintParent(const BitmapView& destination, PixelRect rect, const ParentBackground& background, int offsetX,
                 int offsetY)
{
    if (background.IsBitmap) {
        if (!background.Bitmap.SameAs(destination)) {
            CopyRect(destination, rect.Left, rect.Top, background.Bitmap,
                     {rect.Left + background.X + offsetX, rect.Top + background.Y + offsetY,
                      rect.Right + background.X + offsetX, rect.Bottom + background.Y + offsetY});
        }
    } else {
        FillRectColor(destination, rect, background.Color);
    }
}

void PaintGradientOrColor(const BitmapView& target, PixelRect rect, const BackgroundLook& look)
{
    if (look.Gradient != nullptr && !look.Gradient->empty()) {
        PaintGradient(target, rect, *look.Gradient);
    } else {
        FillRectColor(target, rect, look.Color);
    }
}

void ComposeOpaque(const BitmapView& target, PixelRect rect, const BackgroundLook& look, const SkinPaintSource& skin,
                   const ParentBackground& background)
{
    const int ip = look.ImagePercent;
    const int gp = look.GradientPercent;
    const BitmapView master = skin.MasterBitmap();
    if (ip + gp == 100 && gp >= 1 && gp <= 99 && look.Texture != nullptr && look.Texture->DrawMode == kFillTile &&
        look.Texture->MaskType == 0 && look.Gradient != nullptr && !look.Gradient->empty() &&
        (look.Gradient->front().Mode == 0 || look.Gradient->front().Mode == 1)) {
        const TsMaskData& t = *look.Texture;
        PaintTexturedGradient(target, rect, *look.Gradient, ip * 255 / 100, t.FirstRowRect(), EntrySource(t, master));
        return;
    }
    bool texturePainted = false;
    if (ip > 0) {
        PixelRect left = rect;
        if (look.Texture != nullptr) {
            FillTexture(target, left, EntrySource(*look.Texture, master), look.Texture->DrawMode, *look.Texture,
                        background);
            texturePainted = true;
        } else if (look.Pattern != nullptr && !look.Pattern->Empty()) {
            TileRect(target, rect, look.Pattern->ReadView(), {0, 0, look.Pattern->Width(), look.Pattern->Height()});
            left = kNothingLeft;
            texturePainted = true;
        }
        if (left != kNothingLeft) {
            FillRectColor(target, left, look.Color);
        }
    }
    if (gp > 0) {
        if (texturePainted) {
            Bitmap32 gradient(rect.Width(), rect.Height());
            PaintGradientOrColor(gradient.View(), {0, 0, rect.Width(), rect.Height()}, look);
            BlendBitmap(target, rect.Left, rect.Top, gradient.ReadView(), {0, 0, rect.Width(), rect.Height()},
                        std::clamp(ip * 255 / 100, 0, 255));
        } else {
            PaintGradientOrColor(target, rect, look);
        }
    }
    if (gp == 0 && ip == 0) {
        FillRectColor(target, rect, look.Color);
    }
    if (gp + ip >= 1 && gp + ip <= 99) {
        TintRect(target, rect, gp + ip, look.Color);
    }
}

const TsMaskData* MaskedTiledTexture(const SkinPaintSource& skin, int index)
{
    const TsMaskData* entry = skin.Mask(index);
    if (entry != nullptr && entry->MaskType > 0 && entry->DrawMode == kFillWholeTiles) {
        return entry;
    }
    return nullptr;
}

// Steps 1 to 4 of a face; returns false when the face ends there (no mask painted over a
// translucent background).
bool PaintFace(int sectionIndex, const std::u16string& sectionName, const ParentBackground& background,
               std::uint32_t customColor, int hotTextureIndex, int textureIndex, const SkinPaintSource* skin,
               const BitmapView& destination, int offsetX, int offsetY, PixelRect rect, int state, bool fillCorners)
{
    if (skin == nullptr) {
        skin = DefaultSkinPaintSource();
    }
    if (destination.IsEmpty() || skin == nullptr) {
        return false;
    }
    const TsGeneralData* section = skin->Section(sectionIndex);
    if (section == nullptr || rect.Left < 0 || rect.Top < 0 || rect.Right > destination.Width ||
        rect.Bottom > destination.Height) {
        return false;
    }
    state = ClampSectionState(*section, state);
    PaintSectionBackground(sectionIndex, sectionName, background, customColor, hotTextureIndex, textureIndex, skin,
                           destination, offsetX, offsetY, rect, state);
    const ParentBackground moved = background.Moved(offsetX, offsetY);
    const BitmapView master = skin->MasterBitmap();
    const ParentBackground self = SelfBackground(destination);
    if (const TsMaskData* corner = skin->Mask(section->ImgTopLeft)) {
        PaintStateImage(destination, rect.Left, rect.Top, state, self, *corner, 1, master);
    }
    if (const TsMaskData* corner = skin->Mask(section->ImgTopRight)) {
        PaintStateImage(destination, rect.Right - FrameWidth(*corner), rect.Top, state, self, *corner, 1, master);
    }
    if (const TsMaskData* corner = skin->Mask(section->ImgBottomLeft)) {
        PaintStateImage(destination, rect.Left, rect.Bottom - FrameHeight(*corner), state, self, *corner, 1, master);
    }
    if (const TsMaskData* corner = skin->Mask(section->ImgBottomRight)) {
        PaintStateImage(destination, rect.Right - FrameWidth(*corner), rect.Bottom - FrameHeight(*corner), state, self,
                        *corner, 1, master);
    }
    const TsMaskData* mask = skin->Mask(section->BorderIndex);
    const bool maskPainted = mask != nullptr && !(state == 0 && (mask->DrawMode & 2) != 0);
    if (maskPainted) {
        PaintBordersMask(destination, rect, moved, *mask, state, fillCorners, master);
    }
    return maskPainted || StateBlock(*section, state).Transparency == 0;
}

} // namespace

void SetDefaultSkinPaintSource(const SkinPaintSource* source)
{
    g_defaultSource = source;
}

const SkinPaintSource* DefaultSkinPaintSource()
{
    return g_defaultSource;
}

void PaintSectionBackground(int sectionIndex, const std::u16string& sectionName, const ParentBackground& background,
                            std::uint32_t customColor, int hotTextureIndex, int textureIndex,
                            const SkinPaintSource* manager, const BitmapView& destination, int offsetX, int offsetY,
                            PixelRect rect, int state)
{
    if (manager == nullptr) {
        manager = DefaultSkinPaintSource();
    }
    if (manager == nullptr || destination.IsEmpty()) {
        return;
    }
    const TsGeneralData* section = manager->Section(sectionIndex);
    if (section == nullptr) {
        return;
    }
    state = ClampSectionState(*section, state);
    const TsGenState& block = StateBlock(*section, state);

    BackgroundLook look;
    if (customColor != TransparentKey) {
        look.Color = customColor;
    } else {
        // The shares are percentages: whatever the file holds (the tables keep it as read), they
        // are painted as 0..100.
        look.Color = static_cast<std::uint32_t>(block.Color);
        look.Transparency = ClampPercent(block.Transparency);
        if (look.Transparency != 100) {
            look.ImagePercent = ClampPercent(block.ImagePercent);
            look.GradientPercent = ClampPercent(block.GradientPercent);
            if (look.ImagePercent > 0) {
                const std::u16string key = state > 0 ? u"HOTPATTERN" : u"PATTERN";
                const int given = state > 0 ? hotTextureIndex : textureIndex;
                if (given == -1) {
                    look.Texture = manager->Mask(manager->FindTexture(sectionIndex, sectionName, key));
                } else if (const TsMaskData* own = manager->Mask(given); own != nullptr && own->MaskType == 0) {
                    look.Texture = own;
                }
                if (look.Texture == nullptr) {
                    look.Pattern = manager->FindPatternImage(sectionIndex, sectionName, key);
                }
            }
            if (look.GradientPercent > 0) {
                look.Gradient = block.GradientArray.get();
            }
        }
    }

    rect = ClipToBitmap(destination, rect);
    if (rect.IsEmpty()) {
        return;
    }
    const ParentBackground moved = background.Moved(offsetX, offsetY);
    const int t = look.Transparency;
    if (!background.IsKnown() || t == 0) {
        ComposeOpaque(destination, rect, look, *manager, moved);
    } else if (t == 100) {
        PaintParent(destination, rect, background, offsetX, offsetY);
    } else if (background.IsBitmap || look.GradientPercent > 0 || look.ImagePercent > 0) {
        Bitmap32 section32(rect.Width(), rect.Height());
        ComposeOpaque(section32.View(), {0, 0, rect.Width(), rect.Height()}, look, *manager,
                      moved.Moved(rect.Left, rect.Top));
        PaintParent(destination, rect, background, offsetX, offsetY);
        BlendBitmap(destination, rect.Left, rect.Top, section32.ReadView(), {0, 0, rect.Width(), rect.Height()},
                    std::clamp(t * 255 / 100, 0, 255));
    } else {
        FillRectColor(destination, rect, MixColors(background.Color, look.Color, t / 100.0));
    }

    if (state == 0) {
        const int index = textureIndex != -1 ? textureIndex : hotTextureIndex;
        if (const TsMaskData* masked = MaskedTiledTexture(*manager, index)) {
            PixelRect area = rect;
            FillTexture(destination, area, EntrySource(*masked, manager->MasterBitmap()), kFillWholeTiles, *masked,
                        moved);
        }
    }
}

void PaintAdapterBackground(int sectionIndex, const std::u16string& sectionName, const ParentBackground& background,
                            int hotTextureIndex, int textureIndex, const SkinPaintSource* manager,
                            const BitmapView& destination, int offsetX, int offsetY, PixelRect rect, int state)
{
    PaintSectionBackground(sectionIndex, sectionName, background.IsBitmap ? background : EmptyBackground,
                           TransparentKey, hotTextureIndex, textureIndex, manager, destination, offsetX, offsetY, rect,
                           state);
}

void PaintControlFace(const ControlFaceData& data, const ParentBackground& background, bool fillCorners,
                      const BitmapView& destination, int offsetX, int offsetY, PixelRect rect, int state)
{
    if (!PaintFace(data.SectionIndex, data.SectionName, background, data.CustomColor, data.HotTextureIndex,
                   data.TextureIndex, data.Manager, destination, offsetX, offsetY, rect, state, fillCorners)) {
        return;
    }
    if (data.HueOffset != 0) {
        ShiftHue(destination, data.HueOffset);
    }
    if (data.Saturation != 0) {
        ShiftSaturation(destination, data.Saturation);
    }
}

void PaintSectionFace(const SectionFace& section, const ParentBackground& background, const SkinPaintSource* source,
                      const BitmapView& destination, const PixelRect& rect, int state)
{
    PaintFace(section.Index, section.Name, background, TransparentKey, section.HotTexture, section.Texture, source,
              destination, 0, 0, rect, state, true);
}

} // namespace korvane
