#include "skin/skin_manager_core.h"
#include "encoding/utf8.h"
#include "encoding/windows1251.h"

#include <cstring>
#include <stdexcept>
#include <utility>

#include "skin/color_change.h"
#include "skin/skin_directory.h"
#include "skin/skin_files.h"
#include "skin/skin_loader.h"
#include "skin/skin_text.h"

namespace korvane {

namespace {

constexpr std::u16string_view kDefaultSkinDirectory = u"c:\\Skins";

// Sets SkinLoadInProgress for the lifetime of a load, whatever way it ends.
class LoadInProgress {
public:
    LoadInProgress() : m_previous(SkinLoadInProgress) { SkinLoadInProgress = true; }
    ~LoadInProgress() { SkinLoadInProgress = m_previous; }
    LoadInProgress(const LoadInProgress&) = delete;
    LoadInProgress& operator=(const LoadInProgress&) = delete;

private:
    bool m_previous;
};

// Text up to the first NUL of a fixed-size field.
std::string FixedText(std::span<const uint8_t> field)
{
    std::size_t length = 0;
    while (length < field.size() && field[length] != 0) {
        ++length;
    }
    return std::string(reinterpret_cast<const char*>(field.data()), length);
}

bool IsUnsetColor(TsColor color)
{
    return color == kColorNone || color == static_cast<TsColor>(TransparentKey);
}

std::string_view Chars(std::span<const uint8_t> bytes)
{
    return std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size());
}

// The options text of a parsed package (SkinPackageError when it has none).
OptionsText PackageOptions(const TacSkinConvertor& reader)
{
    return OptionsText::FromAnsi(Chars(reader.OptionsBytes()), "Options.dat");
}

// The options text of the skin folder `skinPath` (with trailing backslash), or nothing when it
// holds no Options.dat; a file beyond the options text budget is refused before it is read.
std::optional<OptionsText> ReadFolderOptions(const std::u16string& skinPath)
{
    const std::u16string file = skinPath + u"Options.dat";
    const auto bytes = ReadSkinFile(file, SkinBudgets().OptionsTextBytes, "an options text");
    if (!bytes) {
        return std::nullopt;
    }
    return OptionsText::FromAnsi(Chars(*bytes), Utf8Encode(file));
}

} // namespace

namespace {

SkinManagerCore* g_defaultManager = nullptr;

} // namespace

SkinManagerCore* SkinManagerCore::DefaultManager()
{
    return g_defaultManager;
}

void SkinManagerCore::SetDefaultManager(SkinManagerCore* manager)
{
    g_defaultManager = manager;
}

SkinManagerCore::SkinManagerCore(SkinPlatform& platform) : m_platform(platform)
{
    m_tables.SkinData.SkinPath = ResolvedSkinDirectory();
}

void SkinManagerCore::SetActive(bool active)
{
    if (active == m_active) {
        return;
    }
    if (!active) {
        m_active = false;
        if (!m_restoring) {
            SendRemoveSkin();
        }
        IndexCache.Build(m_tables);
        return;
    }
    m_active = true;
    SetSkinName(m_skinName);
}

void SkinManagerCore::SetSkinDirectory(std::u16string directory)
{
    if (directory.empty()) {
        directory = kDefaultSkinDirectory;
    }
    if (directory == m_skinDirectory) {
        return;
    }
    m_skinDirectory = std::move(directory);
    m_tables.SkinData.SkinPath = ResolvedSkinDirectory();
}

std::u16string SkinManagerCore::ResolvedSkinDirectory() const
{
    return ResolveSkinDirectory(m_skinDirectory, m_platform.ProgramFolder());
}

std::u16string SkinManagerCore::PackageFileName() const
{
    return EnsureTrailingBackslash(m_skinDirectory) + m_skinName + u".asz";
}

void SkinManagerCore::EndRestore()
{
    m_restoring = false;
    if (m_skinDirectory.empty()) {
        m_skinDirectory = kDefaultSkinDirectory;
    }
    if (MenuSupport.IcoLineSkin.empty()) {
        MenuSupport.IcoLineSkin = u"ICOLINE";
    }
    ThirdParty.Rebuild();
    if (m_active && !m_skinName.empty()) {
        SendNewSkin(false);
    }
}

SkinNameList SkinManagerCore::GetSkinNames(int kind) const
{
    std::vector<std::u16string> stored;
    for (const TsStoredSkin& skin : InternalSkins) {
        stored.push_back(skin.Name);
    }
    return korvane::GetSkinNames(stored, ResolvedSkinDirectory(), kind);
}

std::u16string SkinManagerCore::SkinInfo() const
{
    if (!m_tables.SkinData.Active) {
        return u"N/A";
    }
    std::string text = std::to_string(m_tables.SkinData.Version);
    // std::to_string always writes "." and six decimals; drop the zeros after the point.
    while (!text.empty() && text.back() == '0') {
        text.pop_back();
    }
    if (!text.empty() && text.back() == '.') {
        text.pop_back();
    }
    return Utf8Decode(text);
}

void SkinManagerCore::SetSkinName(std::u16string name)
{
    const std::u16string previous = m_skinName;
    m_skinName = std::move(name);
    if (!m_active) {
        return;
    }
    OnBeforeChange();
    if (!m_updating) {
        CaptureFormsForAnimation();
    }
    {
        LoadInProgress guard;
        m_tables.SkinData.Active = false;
        m_storedSkinInLoad = nullptr;
        try {
            LoadNamedSkin(true);
        } catch (const std::exception& error) {
            m_skinName = previous;
            ShowLoadError(Utf8Decode(error.what()));
            FallBackToStoredSkin();
        }
        if (!m_active) {
            SendRemoveSkin();
        } else if (!m_updating) {
            SendNewSkin(true);
        }
    }
    OnAfterChange();
}

void SkinManagerCore::FallBackToStoredSkin()
{
    // A skin loaded before stays; so does no skin when the first stored skin is the one that
    // failed.
    if (m_skinLoaded || InternalSkins.empty() || m_storedSkinInLoad == &InternalSkins.front()) {
        return;
    }
    const TsStoredSkin& stored = InternalSkins.front();
    try {
        LoadStoredSkin(stored);
        m_skinName = stored.Name;
    } catch (const std::exception& error) {
        ShowLoadError(Utf8Decode(error.what()));
    }
}

void SkinManagerCore::LoadNamedSkin(bool honourPreview)
{
    const std::u16string packageFile = PackageFileName();
    m_fromPackage = SkinFileExists(packageFile);
    if (honourPreview && m_previewFlag && SkinFolderExists(EnsureTrailingBackslash(m_skinDirectory) + m_skinName)) {
        m_fromPackage = false;
    }
    if (m_fromPackage) {
        LoadSkinFromPackageFile(packageFile);
    } else {
        LoadFromFolderOrStored();
    }
}

void SkinManagerCore::LoadFromFolderOrStored()
{
    if (!m_active) {
        return;
    }
    LoadInProgress guard;
    const std::u16string skinPath = ResolvedSkinDirectory() + m_skinName + u"\\";
    if (m_previewText) {
        const OptionsText options = OptionsText::FromAnsi(*m_previewText, "the live preview's options text");
        LoadFromOptions(&options, nullptr, skinPath, false);
        return;
    }
    if (const auto options = ReadFolderOptions(skinPath)) {
        m_fromPackage = false;
        LoadFromOptions(&*options, nullptr, skinPath, false);
        return;
    }
    const TsStoredSkin* stored = nullptr;
    for (const TsStoredSkin& skin : InternalSkins) {
        if (skin.Name == m_skinName) {
            stored = &skin;
            break;
        }
    }
    if (stored == nullptr) {
        if (InternalSkins.empty()) {
            m_active = false;
            return;
        }
        stored = &InternalSkins.front();
        m_skinName = stored->Name;
    }
    LoadStoredSkin(*stored);
}

void SkinManagerCore::LoadStoredSkin(const TsStoredSkin& stored)
{
    m_storedSkinInLoad = &stored;
    if (stored.Data.empty()) {
        m_fromPackage = false;
        LoadFromOptions(nullptr, nullptr, u"", true);
        return;
    }
    m_fromPackage = true;
    TacSkinConvertor reader;
    reader.Parse(stored.Data, SkinBudgets(), TacSkinConvertor::MemberUnpacking::OnDemand);
    const OptionsText options = PackageOptions(reader);
    LoadFromOptions(&options, &reader, u"", false);
}

bool SkinManagerCore::LoadSkinFromPackageFile(std::u16string_view file)
{
    LoadInProgress guard;
    // Found by the same rule as the existence check of a skin name change.
    const auto found = FindSkinFile(file);
    TacSkinConvertor reader;
    if (!found || !reader.LoadFromFile(*found, SkinBudgets(), TacSkinConvertor::MemberUnpacking::OnDemand)) {
        return false;
    }
    m_fromPackage = true;
    const OptionsText options = PackageOptions(reader);
    LoadFromOptions(&options, &reader, ResolvedSkinDirectory() + u"\\", false);
    return true;
}

void SkinManagerCore::LoadSkinFromFolder(std::u16string_view folder, std::u16string_view skinName)
{
    LoadInProgress guard;
    const std::u16string skinPath = EnsureTrailingBackslash(folder);
    const auto options = ReadFolderOptions(skinPath);
    if (!options) {
        throw std::runtime_error("Options.dat not found in the skin folder " + Utf8Encode(folder));
    }
    m_skinName = skinName;
    m_fromPackage = false;
    LoadFromOptions(&*options, nullptr, skinPath, false);
}

void SkinManagerCore::LoadSkinFromPackageData(std::span<const uint8_t> package, std::u16string_view skinName)
{
    LoadInProgress guard;
    TacSkinConvertor reader;
    reader.Parse(package, SkinBudgets(), TacSkinConvertor::MemberUnpacking::OnDemand);
    const OptionsText options = PackageOptions(reader);
    m_skinName = skinName;
    m_fromPackage = true;
    LoadFromOptions(&options, &reader, u"", false);
}

void SkinManagerCore::LoadFromOptions(const OptionsText* options, const TacSkinConvertor* package,
                                      std::u16string skinPath, bool keepSections)
{
    // The passes fill fresh tables; the current skin is replaced only when all of them succeed,
    // so a failed load never leaves image indexes of one skin in the sections of another.
    SkinTables fresh;
    fresh.SkinData = m_tables.SkinData;
    fresh.SkinData.Active = false;
    fresh.SkinData.SkinPath = skinPath;
    const OptionsText empty;
    std::u16string commonText;
    for (const std::u16string& line : m_commonSections) {
        commonText += line;
        commonText += u"\n";
    }
    const OptionsText common = OptionsText::FromText(commonText, "CommonSections");
    SkinImageSource source{package, skinPath};
    SkinLoader loader(fresh, m_platform, options != nullptr ? *options : empty, common, source, m_skinName);
    loader.LoadImages();
    loader.LoadPatterns();
    if (keepSections || options == nullptr) {
        fresh.Sections = m_tables.Sections;
        fresh.IndexLookups();
    } else {
        loader.LoadSections();
        ApplySkinColorChange(fresh, m_hueOffset, m_saturation);
    }
    m_tables = std::move(fresh);
    m_skinLoaded = true;
    BuildIndexCache();
}

void SkinManagerCore::BuildIndexCache()
{
    IndexCache.Build(m_tables);
    m_tables.ResolveSectionImages();
    PrepareShadows();
}

void SkinManagerCore::SendNewSkin(bool repaint)
{
    if (m_restoring) {
        return;
    }
    ReleaseGlows();
    if (repaint) {
        LockForms();
    }
    m_tables.SkinData.Active = false;
    BuildIndexCache();
    Broadcast(SkinBroadcast::SetSkin);
    m_tables.SkinData.Active = true;
    InstallHook();
    if (repaint) {
        RepaintForms(false);
    }
}

void SkinManagerCore::SendRemoveSkin()
{
    ReleaseGlows();
    m_tables.SkinData.Active = false;
    // Every window hears that the skin went while the adapters the hook made still serve it; the
    // hook goes after.
    Broadcast(SkinBroadcast::RemoveSkin);
    RemoveHook();
    m_tables.ClearTables();
    m_skinLoaded = false;
}

void SkinManagerCore::UpdateSkin(bool repaint)
{
    if (m_active) {
        SendNewSkin(repaint);
    }
}

void SkinManagerCore::Reload()
{
    LoadInProgress guard;
    LoadNamedSkin(false);
    // Each load leaves SkinData inactive; the reloaded skin is applied again, as setting the
    // name does, so that SkinInfo and the window side see a skin (while updating, applying waits
    // for UpdateSkin).
    if (!m_active) {
        SendRemoveSkin();
        return;
    }
    if (!m_updating) {
        m_tables.SkinData.Active = true;
        RepaintForms(true);
    }
}

void SkinManagerCore::SetHueOffset(int degrees)
{
    if (degrees == m_hueOffset) {
        return;
    }
    m_hueOffset = degrees;
    if (m_active && !m_restoring) {
        Reload();
    }
}

void SkinManagerCore::SetSaturation(int amount)
{
    if (amount == m_saturation) {
        return;
    }
    m_saturation = amount;
    if (m_active && !m_restoring) {
        Reload();
    }
}

void SkinManagerCore::SetCommonSections(const std::vector<std::u16string>& lines)
{
    m_commonSections.clear();
    for (const std::u16string& line : lines) {
        if (line.empty() || line.front() == u';') {
            m_commonSections.push_back(line);
            continue;
        }
        std::u16string compact;
        for (char16_t c : line) {
            if (c != u' ') {
                compact.push_back(c);
            }
        }
        m_commonSections.push_back(compact);
    }
    SetSkinName(m_skinName);
}

// ---------------------------------------------------------------------------------------------
// Colours

TsColor SkinManagerCore::GlobalColor() const
{
    const int index = IndexCache.GlobalInfoSection;
    if (!m_tables.IsValidSection(index)) {
        return m_platform.SystemColor(kColorBtnFace);
    }
    return m_platform.ConvertColor(m_tables.Sections[static_cast<std::size_t>(index)].Color);
}

TsColor SkinManagerCore::GlobalFontColor() const
{
    const int index = IndexCache.GlobalInfoSection;
    if (!m_tables.IsValidSection(index)) {
        return static_cast<TsColor>(TransparentKey);
    }
    return m_platform.ConvertColor(m_tables.Sections[static_cast<std::size_t>(index)].FontColor[1]);
}

TsColor SkinManagerCore::GlobalHotColor() const
{
    const int index = IndexCache.GlobalInfoSection;
    if (!m_tables.IsValidSection(index)) {
        return m_platform.SystemColor(kColorWindow);
    }
    return m_platform.ConvertColor(m_tables.Sections[static_cast<std::size_t>(index)].HotColor);
}

TsColor SkinManagerCore::EditFontColor() const
{
    const int index = m_tables.FindSection(u"EDIT");
    if (!m_tables.IsValidSection(index)) {
        return SysColorRef(kColorWindowText);
    }
    return m_platform.ConvertColor(m_tables.Sections[static_cast<std::size_t>(index)].Props[0].FontColor[1]);
}

TsColor SkinManagerCore::SelectionColor(bool focused) const
{
    const int selection = m_tables.FindSection(u"SELECTION");
    TsColor color = kColorNone;
    if (m_tables.IsValidSection(selection)) {
        const TsGeneralData& data = m_tables.Sections[static_cast<std::size_t>(selection)];
        color = (focused && data.States > 1) ? data.Props[1].Color : data.Props[0].Color;
    }
    if (IsUnsetColor(color)) {
        const int menuItem = m_tables.FindSection(u"MENUITEM");
        color = m_tables.IsValidSection(menuItem) ? m_tables.Sections[static_cast<std::size_t>(menuItem)].HotColor
                                                  : kColorNone;
        if (IsUnsetColor(color) || color == 0xFFFFFF) {
            return SysColorRef(kColorHighlight);
        }
    }
    return m_platform.ConvertColor(color);
}

TsColor SkinManagerCore::SelectionFontColor(bool focused) const
{
    const int selection = m_tables.FindSection(u"SELECTION");
    if (m_tables.IsValidSection(selection)) {
        const TsGeneralData& data = m_tables.Sections[static_cast<std::size_t>(selection)];
        const TsColor color = (focused && data.States > 1) ? data.Props[1].FontColor[1] : data.Props[0].FontColor[1];
        if (!IsUnsetColor(color)) {
            return color;
        }
    }
    const int menuItem = m_tables.FindSection(u"MENUITEM");
    if (m_tables.IsValidSection(menuItem)) {
        const TsColor color = m_tables.Sections[static_cast<std::size_t>(menuItem)].HotFontColor[1];
        if (!IsUnsetColor(color)) {
            return m_platform.ConvertColor(color);
        }
    }
    return SysColorRef(kColorHighlightText);
}

// ---------------------------------------------------------------------------------------------
// Live preview

std::optional<SkinPreviewRequest> SkinManagerCore::ParsePreviewMessage(uintptr_t wParam, std::span<const uint8_t> data)
{
    constexpr std::size_t kBlockSize = 30646;
    if (wParam != 7 || data.size() < kBlockSize) {
        return std::nullopt;
    }
    const uint32_t marker = static_cast<uint32_t>(data[0]) | (static_cast<uint32_t>(data[1]) << 8) |
                            (static_cast<uint32_t>(data[2]) << 16) | (static_cast<uint32_t>(data[3]) << 24);
    if (marker != 0xA400) {
        return std::nullopt;
    }
    SkinPreviewRequest request;
    request.SkinName = Windows1251ToUtf16(FixedText(data.subspan(4, 128)));
    request.SkinDirectory = Windows1251ToUtf16(FixedText(data.subspan(132, 513)));
    request.OptionsText = FixedText(data.subspan(645, 30001));
    return request;
}

void SkinManagerCore::ApplyPreview(const SkinPreviewRequest& request)
{
    m_previewFlag = true;
    m_updating = true;
    m_previewText = request.OptionsText;
    try {
        SetSkinDirectory(request.SkinDirectory);
        SetSkinName(request.SkinName);
    } catch (...) {
        m_previewText.reset();
        m_updating = false;
        throw;
    }
    m_previewText.reset();
    m_updating = false;
    UpdateSkin(true);
}

} // namespace korvane
