#include "skin/skin_loader.h"
#include "encoding/utf8.h"

#include <algorithm>
#include <utility>

#include "skin/section_keys.h"
#include "skin/skin_files.h"
#include "skin/skin_text.h"
#include "skin/skin_values.h"

namespace korvane {

namespace {

constexpr std::u16string_view kGlobalInfo = u"GLOBALINFO";
constexpr std::u16string_view kAbsent = u"?";

// Characters from 1-based position `pos`, `length` long, cut at the end of the text.
std::u16string_view Copy(std::u16string_view text, std::size_t pos, std::size_t length)
{
    if (pos == 0 || pos > text.size()) {
        return {};
    }
    return text.substr(pos - 1, length);
}

int32_t StrictAt(std::u16string_view text, std::size_t pos, std::size_t length)
{
    return ParseStrictInt(Copy(text, pos, length));
}

// Integer division that treats a zero divisor as 1, so a frame count of 0 cannot crash.
int32_t SafeDiv(int32_t value, int32_t divisor)
{
    return divisor == 0 ? value : value / divisor;
}

// Widths of a borders mask whose four side widths are 0: UniformWidth for all four when set,
// else a third of a frame's width and height.
void ComputeWidths(TsMaskData& mask, int32_t width, int32_t height)
{
    if (mask.LeftWidth != 0 || mask.TopWidth != 0 || mask.RightWidth != 0 || mask.BottomWidth != 0) {
        return;
    }
    if (mask.UniformWidth != 0) {
        mask.LeftWidth = mask.TopWidth = mask.RightWidth = mask.BottomWidth = mask.UniformWidth;
        return;
    }
    mask.LeftWidth = Low16(SafeDiv(width, mask.ImageCount * 3));
    mask.TopWidth = Low16(SafeDiv(height, (mask.MaskType + 1) * 3));
    mask.RightWidth = mask.LeftWidth;
    mask.BottomWidth = mask.TopWidth;
}

PixelRect FixedRect(std::u16string_view value)
{
    PixelRect rect;
    rect.Left = StrictAt(value, 2, 4);
    rect.Top = StrictAt(value, 7, 4);
    rect.Right = StrictAt(value, 12, 4);
    rect.Bottom = StrictAt(value, 17, 4);
    return rect;
}

} // namespace

SkinLoader::SkinLoader(SkinTables& tables, SkinPlatform& platform, const OptionsText& options,
                       const OptionsText& common, SkinImageSource source, std::u16string skinName,
                       std::size_t pictureBudget)
    : m_tables(tables)
    , m_platform(platform)
    , m_options(options)
    , m_common(common)
    , m_source(std::move(source))
    , m_skinName(std::move(skinName))
    , m_inheritance(options, SectionKeyNames())
    , m_pictures(m_source.Package, m_source.SkinPath, pictureBudget)
{
}

// ---------------------------------------------------------------------------------------------
// Image pass

void SkinLoader::ClearImages()
{
    m_tables.Masks.clear();
    // Room for an entry per key, so that filling the table moves no entry.
    std::size_t keys = 0;
    for (const OptionsText* text : {&m_options, &m_common}) {
        for (const OptionsText::Section& section : text->Sections()) {
            keys += section.Entries.size();
        }
    }
    m_tables.Masks.reserve(keys);
    m_tables.MasterBitmap = std::make_shared<Bitmap32>();
}

void SkinLoader::LoadImages()
{
    ClearImages();
    const std::u16string master = m_options.Read(kGlobalInfo, u"MASTERBITMAP", u"");
    if (!master.empty()) {
        // Package members are matched against the value as written, so it must be in capitals.
        if (auto bitmap = m_pictures.Get(master, master, false, SkinPictures::Use::Master)) {
            m_tables.MasterBitmap = std::move(bitmap);
        }
    }
    for (const OptionsText::Section& section : m_options.Sections()) {
        const bool isGlobal = SameTextAnsi(section.Name, kGlobalInfo);
        // A later section of a name already seen reads the keys of the first.
        const OptionsText::Section& keys = *m_options.SectionNamed(section.Name);
        for (const OptionsText::Entry& entry : keys.Entries) {
            if (!entry.HasKey || (isGlobal && SameTextAnsi(entry.Key, u"MASTERBITMAP"))) {
                continue;
            }
            const std::u16string& value = keys.ValueOf(entry);
            if (!value.empty()) {
                AddImageEntry(section.Name, entry.Key, value);
            }
        }
    }
    AddCommonImages();
}

void SkinLoader::AddImageEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    switch (value.front()) {
    case u'@':
        AddGlyphEntry(section, key, value);
        return;
    case u'^':
        AddBordersEntry(section, key, value);
        return;
    case u'~':
        AddTextureEntry(section, key, value);
        return;
    case u'!':
        AddFileEntry(section, key, value);
        return;
    default:
        break;
    }
    if (Contains(value, u"#") && value != u"#") {
        AddLegacyEntry(section, key, value);
    } else if (ContainsUpperAscii(value, u".BMP")) {
        AddPlainBitmapEntry(section, key, value);
    }
}

void SkinLoader::AddGlyphEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    TsMaskData mask;
    mask.SectionName = section;
    mask.PropertyName = key;
    mask.Rect = FixedRect(value);
    mask.ImageCount = Low16(StrictAt(value, 22, 1));
    mask.MaskType = Low16(StrictAt(value, 24, 1));
    mask.ImgType = kImgGlyph;
    m_tables.Masks.push_back(std::move(mask));
}

void SkinLoader::AddBordersEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    TsMaskData mask;
    mask.SectionName = section;
    mask.PropertyName = key;
    mask.Rect = FixedRect(value);
    mask.LeftWidth = Low16(StrictAt(value, 22, 4));
    mask.TopWidth = Low16(StrictAt(value, 27, 4));
    mask.RightWidth = Low16(StrictAt(value, 32, 4));
    mask.BottomWidth = Low16(StrictAt(value, 37, 4));
    mask.ImageCount = Low16(StrictAt(value, 42, 1));
    mask.MaskType = Low16(StrictAt(value, 44, 1));
    mask.DrawMode = Low16(StrictAt(value, 46, 1));
    mask.UniformWidth = Low16(StrictAt(value, 48, 1));
    mask.ImgType = kImgBordersMask;
    ComputeWidths(mask, mask.Rect.Width(), mask.Rect.Height());
    m_tables.Masks.push_back(std::move(mask));
}

void SkinLoader::AddTextureEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    TsMaskData mask;
    mask.SectionName = section;
    mask.PropertyName = key;
    mask.Rect = FixedRect(value);
    mask.DrawMode = Low16(StrictAt(value, 22, 2));
    mask.MaskType = value.size() > 24 ? Low16(StrictAt(value, 25, 1)) : 0;
    mask.ImageCount = 1;
    mask.ImgType = kImgTexture;
    m_tables.Masks.push_back(std::move(mask));
}

void SkinLoader::AddFileEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    const auto words = SplitWords(value, u"!");
    const std::u16string_view file = WordAt(words, 1);
    if (!Contains(file, u".BMP") && !Contains(file, u".PNG")) {
        return;
    }
    TsMaskData mask;
    mask.SectionName = section;
    mask.PropertyName = key;
    mask.ImageCount = Low16(ParseStrictInt(WordAt(words, 2)));
    mask.MaskType = Low16(ParseStrictInt(WordAt(words, 3)));
    mask.ImgType = static_cast<uint8_t>(std::clamp(ParseStrictInt(WordAt(words, 4)), 0, 4));
    const bool ownWidths = words.size() > 4;
    if (ownWidths) {
        mask.LeftWidth = Low16(ParseStrictInt(WordAt(words, 5)));
        mask.TopWidth = Low16(ParseStrictInt(WordAt(words, 6)));
        mask.RightWidth = Low16(ParseStrictInt(WordAt(words, 7)));
        mask.BottomWidth = Low16(ParseStrictInt(WordAt(words, 8)));
    }
    mask.DrawMode = words.size() > 8 ? Low16(ParseStrictInt(WordAt(words, 9))) : 1;
    mask.UniformWidth = 0;

    auto image = m_pictures.Get(file, file, false, SkinPictures::Use::Glow);
    if (!image || image->Width() <= 0) {
        return;
    }
    const int32_t width = image->Width();
    const int32_t height = image->Height();
    mask.Rect = PixelRect{0, 0, width, height};
    if (!ownWidths) {
        mask.LeftWidth = Low16(SafeDiv(width, mask.ImageCount * 3));
        mask.TopWidth = Low16(SafeDiv(height, (mask.MaskType + 1) * 3));
        mask.RightWidth = mask.LeftWidth;
        mask.BottomWidth = mask.TopWidth;
    }
    mask.Image = std::move(image);
    m_tables.Masks.push_back(std::move(mask));
}

void SkinLoader::AddLegacyEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    const auto words = SplitWords(value, u" ()");
    const auto rectWords = SplitWords(WordAt(words, 2), u", ");
    const auto countWords = SplitWords(WordAt(words, 3), u", ");
    TsMaskData mask;
    mask.SectionName = UpperAnsi(section);
    mask.PropertyName = UpperAnsi(key);
    mask.Rect.Left = ParseStrictInt(WordAt(rectWords, 1));
    mask.Rect.Top = ParseStrictInt(WordAt(rectWords, 2));
    mask.Rect.Right = ParseStrictInt(WordAt(rectWords, 3));
    mask.Rect.Bottom = ParseStrictInt(WordAt(rectWords, 4));
    mask.ImageCount = Low16(std::max(ParseStrictInt(WordAt(countWords, 1)), 1));
    mask.MaskType = Low16(std::max(ParseStrictInt(WordAt(countWords, 2)), 0));
    mask.UniformWidth = countWords.size() >= 3 ? Low16(std::max(ParseStrictInt(WordAt(countWords, 3)), 0)) : 0;
    mask.DrawMode = countWords.size() >= 4 ? Low16(ParseStrictInt(WordAt(countWords, 4))) : 1;
    mask.ImgType = kImgBordersMask;
    ComputeWidths(mask, mask.Rect.Width(), mask.Rect.Height());
    m_tables.Masks.push_back(std::move(mask));
}

void SkinLoader::AddPlainBitmapEntry(std::u16string_view section, std::u16string_view key, std::u16string_view value)
{
    auto image = m_pictures.Get(UpperAnsi(value), value, false, SkinPictures::Use::Entry);
    if (!image || image->Width() <= 0) {
        return;
    }
    TsMaskData mask;
    mask.SectionName = UpperAnsi(section);
    mask.PropertyName = UpperAnsi(key);
    const int32_t width = image->Width();
    const int32_t height = image->Height();
    mask.Rect = PixelRect{0, 0, width, height};
    mask.ImageCount = 3;
    mask.MaskType = 1;
    mask.LeftWidth = mask.RightWidth = Low16(width / 9);
    mask.TopWidth = mask.BottomWidth = Low16(height / 6);
    mask.ImgType = kImgBordersMask;
    mask.Image = std::move(image);
    m_tables.Masks.push_back(std::move(mask));
}

void SkinLoader::AddCommonImages()
{
    for (const OptionsText::Section& section : m_common.Sections()) {
        if (UpperAnsi(section.Name) == kGlobalInfo) {
            continue;
        }
        const OptionsText::Section& keys = *m_common.SectionNamed(section.Name);
        for (const OptionsText::Entry& entry : keys.Entries) {
            if (!entry.HasKey) {
                continue;
            }
            const std::u16string& key = entry.Key;
            const std::u16string& value = keys.ValueOf(entry);
            if (!m_tables.MasterBitmap->Empty() && Contains(value, u"#") && value != u"#") {
                AddLegacyEntry(section.Name, key, value);
                continue;
            }
            if (!ContainsUpperAscii(value, u".BMP")) {
                continue;
            }
            auto image = m_pictures.Get(value, value, true, SkinPictures::Use::Entry);
            if (!image || image->Width() < 1) {
                continue;
            }
            TsMaskData mask;
            mask.SectionName = UpperAnsi(section.Name);
            mask.PropertyName = UpperAnsi(key);
            mask.Rect = PixelRect{0, 0, image->Width(), image->Height()};
            mask.ImageCount = 0;
            mask.MaskType = 0;
            mask.Image = std::move(image);
            m_tables.Masks.push_back(std::move(mask));
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Pattern pass

void SkinLoader::LoadPatterns()
{
    m_tables.Patterns.clear();
    const auto addFrom = [this](const OptionsText& options, bool filesOnly) {
        for (const OptionsText::Section& section : options.Sections()) {
            const OptionsText::Section& keys = *options.SectionNamed(section.Name);
            for (const OptionsText::Entry& entry : keys.Entries) {
                const std::u16string& value = keys.ValueOf(entry);
                if (entry.HasKey && (ContainsUpperAscii(value, u".JPG") || ContainsUpperAscii(value, u".JPEG"))) {
                    AddPattern(section.Name, entry.Key, UpperAnsi(value), filesOnly);
                }
            }
        }
    };
    addFrom(m_options, false);
    addFrom(m_common, true);
}

void SkinLoader::AddPattern(std::u16string_view section, std::u16string_view key, std::u16string_view upperValue,
                            bool filesOnly)
{
    const auto size = m_pictures.SizeOf(upperValue, upperValue, filesOnly);
    if (!size || (*size)[0] == 0) {
        return;
    }
    const int64_t pixels = static_cast<int64_t>((*size)[0]) * (*size)[1];
    if (filesOnly || pixels >= kPatternMinPixels) {
        TsPatternData pattern;
        pattern.Image = m_pictures.Get(upperValue, upperValue, filesOnly, SkinPictures::Use::Pattern);
        pattern.SectionName = UpperAnsi(section);
        pattern.PropertyName = UpperAnsi(key);
        m_tables.Patterns.push_back(std::move(pattern));
        return;
    }
    TsMaskData mask;
    mask.Image = m_pictures.Get(upperValue, upperValue, filesOnly, SkinPictures::Use::Entry);
    mask.SectionName = UpperAnsi(section);
    mask.PropertyName = UpperAnsi(key);
    mask.ImgType = kImgTexture;
    mask.ImageCount = 1;
    mask.MaskType = 0;
    mask.Rect = PixelRect{0, 0, 0, 0};
    m_tables.Masks.push_back(std::move(mask));
}

// ---------------------------------------------------------------------------------------------
// Section pass

int32_t SkinLoader::InheritedStates(std::u16string_view section)
{
    bool own = false;
    const std::u16string* value = m_inheritance.Inherited(
        m_inheritance.SectionOf(section), m_inheritance.KeyOf(kStatesKey), SectionInheritance::Kind::Integer, &own);
    if (value == nullptr) {
        return kDefaultStates;
    }
    const int32_t number = LenientIntOr(*value, -1);
    return own ? number : m_platform.ConvertColor(number);
}

void SkinLoader::ReadSkinInfo()
{
    TsSkinData& info = m_tables.SkinData;
    const auto text = [&](std::u16string_view key, std::u16string_view fallback) {
        return m_options.Read(kGlobalInfo, key, fallback);
    };
    const auto lenient = [&](std::u16string_view key, int32_t fallback) {
        const std::u16string* value = m_options.Find(kGlobalInfo, key);
        return value != nullptr ? LenientIntOr(*value, fallback) : fallback;
    };
    const auto strict = [&](std::u16string_view key, std::u16string_view fallback) {
        return ParseStrictInt(text(key, fallback));
    };
    info.Version = ParseVersion(text(u"VERSION", u"")).value_or(0.0);
    info.Author = text(u"AUTHOR", u"");
    info.Description = text(u"DESCRIPTION", u"");
    info.Shadow1Color = lenient(u"SHADOW1COLOR", 0);
    info.Shadow1Offset = Low16(strict(u"SHADOW1OFFSET", u"0"));
    info.Shadow1Blur = Low16(strict(u"SHADOW1BLUR", u"-1"));
    info.Shadow1Transparency = Low16(strict(u"SHADOW1TRANSPARENCY", u"0"));
    info.BorderWidth = Low16(lenient(u"BORDERWIDTH", 4));
    info.TitleHeight = Low16(lenient(u"TITLEHEIGHT", 30));
    info.MaxHeight = Low16(lenient(u"MAXHEIGHT", 0));
    if (info.MaxHeight == 0) {
        info.MaxHeight = info.TitleHeight;
    }
    info.FormOffset = Low16(lenient(u"FORMOFFSET", m_platform.SizingFrameWidth()));
    info.AlignOffset = Low16(lenient(u"ALIGNOFFSET", 0));
    info.CenterOffset = Low16(lenient(u"CENTEROFFSET", 0));
    info.BorderMode = Low16(lenient(u"BORDERMODE", 0));
    info.BorderColor = lenient(u"BORDERCOLOR", 0);
    info.BISpace = Low16(lenient(u"BISPACE", 0));
    info.BIVAlign = Low16(lenient(u"BIVALIGN", 0));
    info.BIRight = Low16(lenient(u"BIRIGHT", 0));
    info.BILeft = Low16(lenient(u"BILEFT", 0));
    info.BITop = Low16(lenient(u"BITOP", 0));
    info.BIKeepHue = Low16(lenient(u"BIKEEPHUE", 0));
    info.BIconCloseGlow = Low16(strict(u"BICONCLOSEGLOW", u"0"));
    info.BIconCloseGlowMargin = Low16(strict(u"BICONCLOSEGLOWMARGIN", u"0"));
    info.BIconMaxGlow = Low16(strict(u"BICONMAXGLOW", u"0"));
    info.BIconMaxGlowMargin = Low16(strict(u"BICONMAXGLOWMARGIN", u"0"));
    info.BIconMinGlow = Low16(strict(u"BICONMINGLOW", u"0"));
    info.BIconMinGlowMargin = Low16(strict(u"BICONMINGLOWMARGIN", u"0"));
}

namespace {

std::u16string_view NameOf(const SectionKey& key, bool hot)
{
    return hot ? key.HotKey : key.Key;
}

const SectionField& FieldOf(const SectionKey& key, bool hot)
{
    return hot ? key.HotMember : key.Member;
}

std::u16string_view TextDefaultOf(const SectionKey& key, bool hot)
{
    return hot ? key.HotTextDefault : key.TextDefault;
}

// Values of a skin section: the section's own, else its ancestors' along PARENTCLASS, else the
// defaults of the key table. An integer is used as written when it is the section's own and
// converted (a system colour) when it comes from an ancestor.
class SkinSectionValues {
public:
    SkinSectionValues(SectionInheritance& inheritance, const SkinPlatform& platform, std::u16string_view section)
        : m_inheritance(inheritance)
        , m_platform(platform)
        , m_section(inheritance.SectionOf(section))
    {
    }
    // A gradient text shorter than 2 characters sets the state's percent to 0.
    static constexpr bool kShortGradientResetsPercent = true;

    int32_t Number(const SectionKey& key, bool hot) const
    {
        bool own = false;
        const std::u16string* value =
            m_inheritance.Inherited(m_section, KeyId(key, hot), SectionInheritance::Kind::Integer, &own);
        if (value == nullptr) {
            return key.Default;
        }
        const int32_t number = LenientIntOr(*value, -1);
        return own ? number : m_platform.ConvertColor(number);
    }
    bool Flag(const SectionKey& key, bool hot) const
    {
        const std::u16string* value = InheritedText(key, hot);
        return ParseFlag(value != nullptr ? std::u16string_view(*value) : u"0");
    }
    std::u16string Text(const SectionKey& key, bool hot) const
    {
        const std::u16string* value = InheritedText(key, hot);
        return std::u16string(value != nullptr ? std::u16string_view(*value) : TextDefaultOf(key, hot));
    }

private:
    const std::u16string* InheritedText(const SectionKey& key, bool hot) const
    {
        return m_inheritance.Inherited(m_section, KeyId(key, hot), SectionInheritance::Kind::Text);
    }
    // The inheritance's index of a key: the table's keys were named to it in order, each normal
    // key followed by its hot key.
    static int KeyId(const SectionKey& key, bool hot)
    {
        return static_cast<int>(&key - SectionKeys().data()) * 2 + (hot ? 1 : 0);
    }

    SectionInheritance& m_inheritance;
    const SkinPlatform& m_platform;
    int m_section;
};

// Values of an application-supplied section: its own ("-1" or "?" meaning absent), else the
// values of its parent's record, else the defaults of the key table.
class CommonSectionValues {
public:
    CommonSectionValues(const OptionsText& common, std::u16string_view section, const TsGeneralData* parent)
        : m_common(common)
        , m_section(section)
        , m_parent(parent)
    {
    }
    static constexpr bool kShortGradientResetsPercent = false;

    int32_t Number(const SectionKey& key, bool hot) const
    {
        const int32_t own = LenientIntOr(m_common.Read(m_section, NameOf(key, hot), u"-1"), -1);
        if (own != -1) {
            return own;
        }
        return m_parent != nullptr ? FieldOf(key, hot).Get(*m_parent) : key.Default;
    }
    bool Flag(const SectionKey& key, bool hot) const
    {
        const std::u16string own = m_common.Read(m_section, NameOf(key, hot), kAbsent);
        if (own != kAbsent) {
            return ParseFlag(own);
        }
        return m_parent != nullptr && FieldOf(key, hot).Get(*m_parent) != 0;
    }
    std::u16string Text(const SectionKey& key, bool hot) const
    {
        std::u16string own = m_common.Read(m_section, NameOf(key, hot), kAbsent);
        if (own != kAbsent) {
            return own;
        }
        if (m_parent == nullptr) {
            return std::u16string(TextDefaultOf(key, hot));
        }
        return hot ? m_parent->HotGradientData : m_parent->GradientData;
    }

private:
    const OptionsText& m_common;
    std::u16string_view m_section;
    const TsGeneralData* m_parent;
};

// Reads every key of one state (normal, or hot) of the table into the record.
template <typename Values>
void ReadState(TsGeneralData& data, bool hot, const Values& values, const SkinPlatform& platform)
{
    for (const SectionKey& key : SectionKeys()) {
        if (hot && !key.HasHotState()) {
            continue;
        }
        switch (key.Kind) {
        case SectionKeyKind::Number: {
            const int32_t value = values.Number(key, hot);
            FieldOf(key, hot).Set(data, key.Converts(hot) ? platform.ConvertColor(value) : value);
            break;
        }
        case SectionKeyKind::Flag:
            FieldOf(key, hot).Set(data, values.Flag(key, hot) ? 1 : 0);
            break;
        case SectionKeyKind::Gradient: {
            const GradientFields gradient = GradientOf(data, hot);
            gradient.Text = values.Text(key, hot);
            gradient.Array = std::make_shared<TsGradArray>();
            if (gradient.Text.size() >= 2) {
                *gradient.Array = ParseGradientData(gradient.Text);
            }
            break;
        }
        }
    }
    if (Values::kShortGradientResetsPercent) {
        const GradientFields gradient = GradientOf(data, hot);
        if (gradient.Text.size() < 2) {
            gradient.Percent = 0;
        }
    }
}

// Both states of a record: the normal keys into Props[0]; with `states` of 2 or more the hot
// keys into Props[1], else Props[1] copies Props[0].
template <typename Values>
void ReadStates(TsGeneralData& data, const Values& values, const SkinPlatform& platform, int32_t states)
{
    ReadState(data, false, values, platform);
    data.Props[0] = NormalState(data);
    data.States = states;
    if (data.States < 2) {
        data.Props[1] = data.Props[0];
        return;
    }
    ReadState(data, true, values, platform);
    data.Props[1] = HotState(data);
}

} // namespace

void SkinLoader::ReadSection(TsGeneralData& data)
{
    const std::u16string& name = data.SectionName;
    data.ParentClass = m_options.Read(name, u"PARENTCLASS", u"");
    data.BorderIndex = data.ImgTopLeft = data.ImgTopRight = data.ImgBottomLeft = data.ImgBottomRight = -1;
    const SkinSectionValues values(m_inheritance, m_platform, name);
    ReadStates(data, values, m_platform, InheritedStates(name));
}

void SkinLoader::AddCommonSections()
{
    if (m_common.Empty()) {
        return;
    }
    // The skin's sections by exact name (every name taken, supplied ones too) and by upper-cased
    // name (the first of each, for the parents), looked up once per section.
    OptionsText::TextMap<int> taken;
    OptionsText::TextMap<int> byUpperName;
    for (std::size_t i = 0; i < m_tables.Sections.size(); ++i) {
        taken.emplace(m_tables.Sections[i].SectionName, static_cast<int>(i));
        byUpperName.emplace(UpperAnsi(m_tables.Sections[i].SectionName), static_cast<int>(i));
    }
    for (const OptionsText::Section& section : m_common.Sections()) {
        const std::u16string& name = section.Name;
        if (!taken.emplace(name, static_cast<int>(m_tables.Sections.size())).second) {
            continue;
        }
        TsGeneralData data;
        data.SectionName = name;
        data.ParentClass = UpperAnsi(m_common.Read(name, u"PARENTCLASS", u"-1"));
        const auto parentAt = byUpperName.find(data.ParentClass);
        const TsGeneralData* parent =
            parentAt == byUpperName.end() ? nullptr : &m_tables.Sections[static_cast<std::size_t>(parentAt->second)];
        // STATES comes from the skin's own options for the supplied name.
        const CommonSectionValues values(m_common, name, parent);
        ReadStates(data, values, m_platform, InheritedStates(name));
        m_tables.Sections.push_back(std::move(data));
    }
}

void SkinLoader::LoadSections()
{
    ReadSkinInfo();
    if (auto notice = VersionNotice(m_tables.SkinData.Version, m_skinName, m_platform.HasAcTestArgument())) {
        m_platform.ShowNotice(*notice);
    }
    m_tables.Sections.clear();
    m_tables.Sections.reserve(m_options.Sections().size() + m_common.Sections().size());
    for (const OptionsText::Section& section : m_options.Sections()) {
        TsGeneralData data;
        data.SectionName = section.Name;
        ReadSection(data);
        m_tables.Sections.push_back(std::move(data));
    }
    AddCommonSections();
    m_tables.ResolveSectionImages();
}

} // namespace korvane
