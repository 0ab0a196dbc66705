#include "render/section_samples.h"

#include <algorithm>

#include "gfx/blend_bitmap.h"
#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "gfx/parent_background.h"
#include "gfx/piece_copy.h"
#include "render/fade_math.h"
#include "render/glow_geometry.h"
#include "render/gradient.h"
#include "render/section_background.h"
#include "render/state_image.h"
#include "render/texture_fill.h"

namespace korvane {
namespace {

constexpr int kFillModes[] = {kFillTile,          kFillStretch,   kFillTopRow,      kFillLeftColumn, kFillTopStretched,
                              kFillLeftStretched, kFillBottomRow, kFillRightColumn, kFillWholeTiles};

int SampledStates(int count)
{
    return std::clamp(count, 1, kMaxSampledStates);
}

Bitmap32 Backdrop(int width, int height, std::uint32_t color)
{
    Bitmap32 picture(width, height);
    picture.Fill(ColorToPixel(color, 255));
    return picture;
}

// What a control in the state shows: its face over the background colour.
Bitmap32 PaintFaceSample(const SkinPaintSource& skin, int index, const TsGeneralData& section, int state,
                         const SampleRequest& request)
{
    Bitmap32 face = Backdrop(request.Width, request.Height, request.BackgroundColor);
    ControlFaceData data;
    data.SectionIndex = index;
    data.SectionName = section.SectionName;
    data.Manager = &skin;
    PaintControlFace(data, ColorBackground(request.BackgroundColor), true, face.View(), 0, 0,
                     {0, 0, face.Width(), face.Height()}, state);
    return face;
}

// The glow a control of the section shows around itself, laid over its face as the glow window
// lies over the control; an empty bitmap when the section has no glow picture.
Bitmap32 PaintGlowSample(const SkinPaintSource& skin, int index, const TsGeneralData& section, const Bitmap32& face,
                         const SampleRequest& request)
{
    const TsMaskData* entry = skin.Mask(skin.FindMask(index, section.SectionName, u"GLOW0"));
    if (entry == nullptr) {
        return Bitmap32();
    }
    const PixelRect control{0, 0, face.Width(), face.Height()};
    const GlowMargins margins = GlowMarginsOf(*entry);
    const GlowLayout layout = LayoutGlow(control, control, margins, section.GlowMargin);
    if (!GlowPictureFits(layout)) {
        return Bitmap32();
    }
    Bitmap32 glow(layout.ImageWidth, layout.ImageHeight);
    PaintBordersMask(glow.View(), {0, 0, glow.Width(), glow.Height()}, EmptyBackground, *entry, 0, false,
                     skin.MasterBitmap());
    Bitmap32 sample = Backdrop(glow.Width(), glow.Height(), request.BackgroundColor);
    // The control sits where the window's origin lies inside the glow picture.
    const long long faceX = static_cast<long long>(margins.Left) - section.GlowMargin;
    const long long faceY = static_cast<long long>(margins.Top) - section.GlowMargin;
    CopyRect(sample.View(), SaturateToInt(faceX), SaturateToInt(faceY), face.ReadView(), control);
    const PixelRect all{0, 0, glow.Width(), glow.Height()};
    DrawAlphaImage(sample.View(), 0, 0, glow.ReadView(), all, false, 0, TransparentKey, false, EmptyBackground);
    return sample;
}

// Every painter on one image entry by itself, each result handed on.
void PaintEntrySamples(const SkinPaintSource& skin, int maskIndex, const TsMaskData& entry,
                       const SampleRequest& request, const std::function<void(SectionSample&&)>& take)
{
    const BitmapView master = skin.MasterBitmap();
    const BitmapView source = EntrySource(entry, master);
    const ParentBackground colour = ColorBackground(request.BackgroundColor);
    auto hand = [&](int state, std::string label, Bitmap32 picture) {
        take(SectionSample{-1, maskIndex, state, std::move(label), std::move(picture)});
    };
    const int far = SaturateToInt(static_cast<long long>(request.Width) - entry.FrameWidth());
    const int low = SaturateToInt(static_cast<long long>(request.Height) - entry.FrameHeight());
    for (int state = 0; state < SampledStates(entry.ImageCount); ++state) {
        for (int mode : {1, 0}) {
            Bitmap32 picture = Backdrop(request.Width, request.Height, request.BackgroundColor);
            PaintStateImage(picture.View(), 0, 0, state, colour, entry, mode, master);
            PaintStateImage(picture.View(), far, low, state, SelfBackground(picture.View()), entry, mode, master);
            PaintStateImage(picture.View(), -1, -1, state, colour, entry, mode, master);
            hand(state, mode == 1 ? "image" : "image faded", std::move(picture));
        }
        for (bool fillCorners : {true, false}) {
            Bitmap32 picture = Backdrop(request.Width, request.Height, request.BackgroundColor);
            PaintBordersMask(picture.View(), {0, 0, picture.Width(), picture.Height()}, colour, entry, state,
                             fillCorners, master);
            hand(state, "borders", std::move(picture));
        }
    }
    for (int mode : kFillModes) {
        Bitmap32 picture = Backdrop(request.Width, request.Height, request.BackgroundColor);
        PixelRect rect{0, 0, picture.Width(), picture.Height()};
        FillTexture(picture.View(), rect, source, mode, entry, colour);
        hand(0, "tile mode " + std::to_string(mode), std::move(picture));
    }
    Bitmap32 alpha = Backdrop(request.Width, request.Height, request.BackgroundColor);
    DrawAlphaImage(alpha.View(), 0, 0, source, entry.FirstRowRect(), true, 30, 0x00FF0000, true,
                   SelfBackground(alpha.View()));
    hand(0, "alpha", std::move(alpha));
}

} // namespace

void PaintEverySection(const SkinPaintSource& skin, const SampleRequest& request,
                       const std::function<void(SectionSample&&)>& take)
{
    // A requested section is painted without passing the sections before it.
    for (int index = std::max(request.Section, 0); const TsGeneralData* section = skin.Section(index); ++index) {
        if (request.Section != -1 && request.Section != index) {
            break;
        }
        const int states = SampledStates(section->States);
        Bitmap32 first;
        Bitmap32 second;
        for (int state = 0; state < states; ++state) {
            if (request.State != -1 && request.State != state) {
                continue;
            }
            Bitmap32 face = PaintFaceSample(skin, index, *section, state, request);
            if (state == 0) {
                first = face;
            } else if (state == 1) {
                second = face;
            }
            take(SectionSample{index, -1, state, "state " + std::to_string(state), std::move(face)});
        }
        if (request.State == -1 && states >= 2) {
            // Halfway through a fade of the section's iterations from the normal to the hot look.
            const int steps = section->FadingIterations > 0 ? section->FadingIterations : 5;
            Bitmap32 frame(first.Width(), first.Height());
            PaintFadeFrame(frame.View(), first.ReadView(), second.ReadView(), FadeAlpha(steps / 2, steps));
            take(SectionSample{index, -1, 0, "fade 0-1", std::move(frame)});
        }
        if (request.State == -1 || request.State == 0) {
            Bitmap32 base = first.Empty() ? PaintFaceSample(skin, index, *section, 0, request) : first;
            Bitmap32 glow = PaintGlowSample(skin, index, *section, base, request);
            if (!glow.Empty()) {
                take(SectionSample{index, -1, 0, "glow", std::move(glow)});
            }
        }
        if (request.EveryPainter) {
            // A control carrying the section's own textures as its texture indexes: the path of
            // a masked texture of whole tiles in the normal state.
            ControlFaceData data;
            data.SectionIndex = index;
            data.SectionName = section->SectionName;
            data.Manager = &skin;
            data.TextureIndex = skin.FindTexture(index, section->SectionName, u"PATTERN");
            data.HotTextureIndex = skin.FindTexture(index, section->SectionName, u"HOTPATTERN");
            data.HueOffset = 40;
            data.Saturation = -30;
            for (int state = 0; state < states; ++state) {
                Bitmap32 face = Backdrop(request.Width, request.Height, request.BackgroundColor);
                PaintControlFace(data, SelfBackground(face.View()), false, face.View(), 0, 0,
                                 {0, 0, face.Width(), face.Height()}, state);
                take(SectionSample{index, -1, state, "own textures", std::move(face)});
            }
            for (const TsGenState& block : section->Props) {
                if (block.GradientArray) {
                    Bitmap32 picture = Backdrop(request.Width, request.Height, request.BackgroundColor);
                    PaintGradient(picture.View(), {0, 0, picture.Width(), picture.Height()}, *block.GradientArray);
                    take(SectionSample{index, -1, 0, "gradient", std::move(picture)});
                }
            }
        }
    }
    if (request.EveryPainter) {
        for (int index = 0; const TsMaskData* entry = skin.Mask(index); ++index) {
            PaintEntrySamples(skin, index, *entry, request, take);
        }
    }
}

} // namespace korvane
