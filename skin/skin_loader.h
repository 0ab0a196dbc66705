#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "image/decoded_image.h"
#include "skin/options_text.h"
#include "skin/section_inheritance.h"
#include "skin/skin_convertor.h"
#include "skin/skin_pictures.h"
#include "skin/skin_platform.h"
#include "skin/skin_tables.h"

namespace korvane {

// Where a skin's separate image files come from: the members of a package, or files in the
// skin's folder (SkinData.SkinPath).
struct SkinImageSource {
    const TacSkinConvertor* Package = nullptr; // set for a package skin
    std::u16string SkinPath;                   // folder with trailing backslash, for folder skins
};

// The loading passes that turn an options text into the skin tables: images, patterns, then
// sections (with GLOBALINFO into SkinData and the version notice). CommonSections, when not
// empty, is read after the skin's own options in each pass. The pictures of one loader (one
// load) together may take `pictureBudget` bytes once decoded.
class SkinLoader {
public:
    SkinLoader(SkinTables& tables, SkinPlatform& platform, const OptionsText& options, const OptionsText& common,
               SkinImageSource source, std::u16string skinName,
               std::size_t pictureBudget = SkinPictures::kDefaultBudget);

    // Rebuilds the master bitmap and the image table.
    void LoadImages();
    // Rebuilds the pattern table (and adds image entries for small JPEG pictures).
    void LoadPatterns();
    // Reads GLOBALINFO into SkinData, shows the version notice, rebuilds the section table and
    // resolves each section's BorderIndex and corner indexes.
    void LoadSections();

    // Pictures of at least this many pixels stay patterns; smaller ones become textures.
    static constexpr int64_t kPatternMinPixels = 900000;

private:
    void ClearImages();
    void AddImageEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddGlyphEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddBordersEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddTextureEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddFileEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddLegacyEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddPlainBitmapEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value);
    void AddCommonImages();
    void AddPattern(std::u16string_view section, std::u16string_view key, std::u16string_view upperValue,
                    bool filesOnly);

    // STATES of the named section through the skin's own PARENTCLASS chains (4 when none).
    int32_t InheritedStates(std::u16string_view section);

    void ReadSkinInfo();
    void ReadSection(TsGeneralData& data);
    void AddCommonSections();

    SkinTables& m_tables;
    SkinPlatform& m_platform;
    const OptionsText& m_options;
    const OptionsText& m_common;
    SkinImageSource m_source;
    std::u16string m_skinName;
    SectionInheritance m_inheritance;
    // The pictures of this load, each decoded once.
    SkinPictures m_pictures;
};

} // namespace korvane
