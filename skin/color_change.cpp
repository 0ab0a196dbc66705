#include "skin/color_change.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "gfx/color_ops.h"
#include "gfx/colors.h"
#include "skin/skin_tables.h"

namespace korvane {

namespace {

BitmapView ViewOf(Bitmap32& bitmap)
{
    return BitmapView{bitmap.Bits(), bitmap.Width(), bitmap.Height(), bitmap.Stride()};
}

uint32_t SaturatePixel(uint32_t pixel, int amount)
{
    const int b = static_cast<int>(pixel & 0xFF);
    const int g = static_cast<int>((pixel >> 8) & 0xFF);
    const int r = static_cast<int>((pixel >> 16) & 0xFF);
    if (r == g && g == b) {
        return pixel;
    }
    const double avg = (r + g + b) / 3.0;
    const auto channel = [&](int c) {
        // c' = c - (avg - c) * amount / 100, ties to even (the default rounding mode)
        const double v = std::nearbyint(c - (avg - c) * amount / 100.0);
        return static_cast<uint32_t>(std::clamp(v, 0.0, 255.0));
    };
    return (pixel & 0xFF000000u) | channel(b) | (channel(g) << 8) | (channel(r) << 16);
}

template <typename Fn>
void ForEachColor(SkinTables& tables, Fn&& change)
{
    std::set<TsGradArray*> gradients;
    for (TsGeneralData& section : tables.Sections) {
        change(section.Color);
        change(section.HotColor);
        change(section.GlowColor);
        change(section.HotGlowColor);
        for (int i = 1; i <= 5; ++i) {
            change(section.FontColor[i]);
            change(section.HotFontColor[i]);
        }
        for (TsGenState& state : section.Props) {
            change(state.Color);
            change(state.GlowColor);
            for (int i = 1; i <= 5; ++i) {
                change(state.FontColor[i]);
            }
            gradients.insert(state.GradientArray.get());
        }
        gradients.insert(section.GradientArray.get());
        gradients.insert(section.HotGradientArray.get());
    }
    // Gradient arrays are shared between a section and its Props: each is changed once.
    for (TsGradArray* steps : gradients) {
        if (steps == nullptr) {
            continue;
        }
        for (GradientStep& step : *steps) {
            change(step.Color1);
            change(step.Color2);
        }
    }
    change(tables.SkinData.Shadow1Color);
    change(tables.SkinData.BorderColor);
}

} // namespace

TsColor ShiftColorHue(TsColor color, int degrees)
{
    if (color < 0) {
        return color;
    }
    const uint32_t pixel = ColorToPixel(static_cast<uint32_t>(color), 0);
    return static_cast<TsColor>(PixelToColor(ShiftPixelHue(pixel, degrees)));
}

TsColor ShiftColorSaturation(TsColor color, int amount)
{
    if (color < 0) {
        return color;
    }
    return static_cast<TsColor>(PixelToColor(SaturatePixel(ColorToPixel(static_cast<uint32_t>(color), 0), amount)));
}

void ShiftBitmapHue(Bitmap32& bitmap, int degrees)
{
    if (!bitmap.Empty() && degrees != 0) {
        ShiftHue(ViewOf(bitmap), degrees);
    }
}

void ShiftBitmapSaturation(Bitmap32& bitmap, int amount)
{
    if (bitmap.Empty() || amount == 0) {
        return;
    }
    for (int y = 0; y < bitmap.Height(); ++y) {
        uint32_t* row = bitmap.Row(y);
        for (int x = 0; x < bitmap.Width(); ++x) {
            if (row[x] != 0x00FF00FFu) {
                row[x] = SaturatePixel(row[x], amount);
            }
        }
    }
}

void ApplySkinColorChange(SkinTables& tables, int hueOffset, int saturation)
{
    saturation %= 101;
    if (hueOffset != 0) {
        // Title-bar icons that keep their colours: rectangles of the master bitmap are saved and
        // put back; entries with their own image (and their GLOW0 images) are skipped.
        std::vector<std::u16string> keepKeys;
        const int keepHue = tables.SkinData.BIKeepHue;
        if (keepHue != 0) {
            keepKeys = {u"BICONCLOSE", u"SICONCLOSE"};
            if (keepHue == 1) {
                for (const char16_t* key :
                     {u"BICONMAX", u"BICONMIN", u"BICONNORM", u"BICONHELP", u"SICONMAX", u"SICONMIN", u"SICONNORM"}) {
                    keepKeys.emplace_back(key);
                }
            }
        }
        struct SavedRect {
            PixelRect Rect;
            Bitmap32 Pixels;
        };
        std::vector<SavedRect> saved;
        std::set<int> keptImages;
        for (const std::u16string& key : keepKeys) {
            const int index = tables.FindMaskExact(u"GLOBALINFO", key);
            if (index >= 0) {
                const TsMaskData& mask = tables.Masks[static_cast<std::size_t>(index)];
                if (mask.Image) {
                    keptImages.insert(index);
                } else {
                    saved.push_back({mask.Rect, tables.MasterBitmap->Copy(mask.Rect.Left, mask.Rect.Top,
                                                                          mask.Rect.Width(), mask.Rect.Height())});
                }
            }
            const int glow = tables.FindMaskExact(u"GLOBALINFO", key + u"GLOW0");
            if (glow >= 0 && tables.Masks[static_cast<std::size_t>(glow)].Image) {
                keptImages.insert(glow);
            }
        }
        ShiftBitmapHue(*tables.MasterBitmap, hueOffset);
        for (const SavedRect& rect : saved) {
            const int left = std::max(rect.Rect.Left, 0);
            const int top = std::max(rect.Rect.Top, 0);
            for (int y = 0; y < rect.Pixels.Height(); ++y) {
                std::copy_n(rect.Pixels.Row(y), rect.Pixels.Width(), tables.MasterBitmap->Row(top + y) + left);
            }
        }
        // Entries share the pictures they name: each picture is turned once, and a kept icon that
        // shares its picture with an entry being turned gets a copy of its own first.
        std::set<Bitmap32*> turned;
        for (std::size_t i = 0; i < tables.Masks.size(); ++i) {
            if (tables.Masks[i].Image && keptImages.count(static_cast<int>(i)) == 0) {
                turned.insert(tables.Masks[i].Image.get());
            }
        }
        for (const int index : keptImages) {
            auto& image = tables.Masks[static_cast<std::size_t>(index)].Image;
            if (turned.count(image.get()) != 0) {
                image = std::make_shared<Bitmap32>(*image);
            }
        }
        for (Bitmap32* image : turned) {
            if (image != tables.MasterBitmap.get()) {
                ShiftBitmapHue(*image, hueOffset);
            }
        }
        ForEachColor(tables, [&](TsColor& color) { color = ShiftColorHue(color, hueOffset); });
    }
    if (saturation != 0) {
        ShiftBitmapSaturation(*tables.MasterBitmap, saturation);
        std::set<Bitmap32*> saturated = {tables.MasterBitmap.get()};
        for (TsMaskData& mask : tables.Masks) {
            if (mask.Image && saturated.insert(mask.Image.get()).second) {
                ShiftBitmapSaturation(*mask.Image, saturation);
            }
        }
        ForEachColor(tables, [&](TsColor& color) { color = ShiftColorSaturation(color, saturation); });
    }
}

} // namespace korvane
