#pragma once

#include <map>
#include <string>
#include <vector>

#include "gfx/bitmap32.h"
#include "render/skin_paint_source.h"
#include "support/test_bitmaps.h"

namespace korvane::testing {

// A skin of hand-made records over a 16 x 16 master bitmap of Code pixels.
class FakeSkin : public SkinPaintSource {
public:
    FakeSkin() : Master(16, 16)
    {
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < 16; ++x) {
                Master.SetPixel(x, y, Code(x, y));
            }
        }
    }

    const TsGeneralData* Section(int index) const override
    {
        return index >= 0 && index < static_cast<int>(Sections.size()) ? &Sections[index] : nullptr;
    }
    const TsMaskData* Mask(int index) const override
    {
        return index >= 0 && index < static_cast<int>(Masks.size()) ? &Masks[index] : nullptr;
    }
    int FindSection(const std::u16string&) const override { return Sections.empty() ? -1 : 0; }
    int FindMask(int, const std::u16string&, const std::u16string& key) const override
    {
        const auto found = MaskKeys.find(key);
        return found == MaskKeys.end() ? -1 : found->second;
    }
    BitmapView MasterBitmap() const override { return Master.ReadView(); }
    int FindTexture(int, const std::u16string&, const std::u16string& key) const override
    {
        const auto found = Textures.find(key);
        return found == Textures.end() ? -1 : found->second;
    }
    const Bitmap32* FindPatternImage(int, const std::u16string&, const std::u16string&) const override
    {
        return nullptr;
    }

    std::vector<TsGeneralData> Sections;
    std::vector<TsMaskData> Masks;
    std::map<std::u16string, int> Textures; // texture entries by key
    std::map<std::u16string, int> MaskKeys; // image entries by key
    Bitmap32 Master;
};

} // namespace korvane::testing
