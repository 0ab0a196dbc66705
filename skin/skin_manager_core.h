#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "skin/index_cache.h"
#include "skin/skin_directory.h"
#include "skin/manager_settings.h"
#include "skin/options_text.h"
#include "skin/skin_convertor.h"
#include "skin/skin_platform.h"
#include "skin/skin_tables.h"

namespace korvane {

// Set while a manager loads a skin; buttons, fades and the border window consult it.
inline bool SkinLoadInProgress = false;

// A skin stored inside the program: its name and a complete skin package.
struct TsStoredSkin {
    std::u16string Name;
    std::vector<uint8_t> Data;
};

// The engine commands a manager sends to every window (SKM_COMMAND, command in the high word
// of WParam).
enum class SkinBroadcast { SetSkin = 1, RemoveSkin = 2, Refresh = 3, StopFade = 16 };

// What a live-preview message (WM_COPYDATA with WParam 7) carries.
struct SkinPreviewRequest {
    std::u16string SkinName;
    std::u16string SkinDirectory;
    std::string OptionsText; // single-byte text
};

// The portable part of the skin manager: the settings that decide which skin is loaded, the
// loading from a package file, a skin folder or a stored package (all through one path), the
// tables and lookups, the IndexCache, the colour change and the colour accessors.
//
// The Windows manager derives from it and overrides the virtual steps that touch windows: the
// broadcast of the engine command, the window-creation hook, repainting, glows and the error box.
class SkinManagerCore {
public:
    explicit SkinManagerCore(SkinPlatform& platform);
    virtual ~SkinManagerCore() = default;
    SkinManagerCore(const SkinManagerCore&) = delete;
    SkinManagerCore& operator=(const SkinManagerCore&) = delete;

    SkinPlatform& Platform() const { return m_platform; }

    // The manager every skinned control uses when it names none: the first one made (a later
    // one may take the place, see the Windows manager), or null.
    static SkinManagerCore* DefaultManager();
    // The skinned control under the mouse tells its manager its window (an HWND on Windows;
    // portable callers hold it as an opaque pointer).
    virtual void RecordHotWindow(void* /*window*/) {}
    // The mouse left that control: it stops being the hot one (if another took its place
    // meanwhile, that one stays).
    virtual void ForgetHotWindow(void* /*window*/) {}

    // The loaded skin's tables, skin information and lookups; replaced whole by each load.
    SkinTables& Tables() { return m_tables; }
    const SkinTables& Tables() const { return m_tables; }

    // --- Settings -------------------------------------------------------------------------
    std::vector<TsStoredSkin> InternalSkins;
    TacSkinEffects Effects;
    TacAnimEffects AnimEffects;
    TacMenuSupport MenuSupport;
    TacSkinningRules SkinningRules = kAllSkinningRules;
    ThirdPartyList ThirdParty;
    bool SkinnedPopups = true;

    bool Active() const { return m_active; }
    // Setting false removes the skin; setting true loads and applies SkinName again.
    void SetActive(bool active);
    const std::u16string& SkinName() const { return m_skinName; }
    // Loads the named skin (package file, skin folder or stored skin) and applies it. A load
    // error is caught: the previous name is put back and ShowLoadError gets the message. When
    // that leaves no skin loaded (at start-up, or after the skin was removed), the first stored
    // skin is then loaded from its stored package and its name becomes SkinName; when that fails
    // too, ShowLoadError gets its message as well and there is no skin.
    void SetSkinName(std::u16string name);
    const std::u16string& SkinDirectory() const { return m_skinDirectory; }
    // Stores the folder ("c:\Skins" when empty) and points SkinData.SkinPath at it; no reload.
    void SetSkinDirectory(std::u16string directory);
    // The folder of folder skins, resolved against the program's folder, with a trailing backslash.
    std::u16string ResolvedSkinDirectory() const;
    int HueOffset() const { return m_hueOffset; }
    void SetHueOffset(int degrees);
    int Saturation() const { return m_saturation; }
    void SetSaturation(int amount);
    const std::vector<std::u16string>& CommonSections() const { return m_commonSections; }
    // Stores the lines (blanks removed from every line that is not a comment) and reloads.
    void SetCommonSections(const std::vector<std::u16string>& lines);
    // While restoring stored settings no skin is applied (Loaded() then applies it).
    void BeginRestore() { m_restoring = true; }
    void EndRestore();
    // The names of the available skins, sorted: the stored skins, then (kind 0 or 2) the skin
    // folders and (kind 1 or 2) the package files of the resolved skin directory.
    SkinNameList GetSkinNames(int kind) const;
    // The loaded skin's Version with "." as separator, "N/A" when no skin is active.
    std::u16string SkinInfo() const;

    bool FromPackage() const { return m_fromPackage; }
    TsIndexCache IndexCache;

    // --- Loading (throwing; the same path SetSkinName uses) ---------------------------------
    // Loads a package file; false when it does not exist.
    bool LoadSkinFromPackageFile(std::u16string_view file);
    // Loads the skin folder `folder` (with or without trailing backslash) holding Options.dat;
    // throws when there is no Options.dat.
    void LoadSkinFromFolder(std::u16string_view folder, std::u16string_view skinName);
    // Loads a stored package (the bytes stay the caller's).
    void LoadSkinFromPackageData(std::span<const uint8_t> package, std::u16string_view skinName);

    // --- Applying --------------------------------------------------------------------------
    // Applies the loaded skin: IndexCache, SetSkin to every window, SkinData.Active true.
    void SendNewSkin(bool repaint);
    // Takes the skin off every window and empties the tables.
    void SendRemoveSkin();
    // SendNewSkin when Active.
    void UpdateSkin(bool repaint);
    // Rebuilds the IndexCache and every section's BorderIndex and corner indexes.
    void BuildIndexCache();

    // --- Colours ---------------------------------------------------------------------------
    TsColor GlobalColor() const;
    TsColor GlobalFontColor() const;
    TsColor GlobalHotColor() const;
    TsColor EditFontColor() const;
    TsColor SelectionColor(bool focused) const;
    TsColor SelectionFontColor(bool focused) const;

    // --- Live preview ----------------------------------------------------------------------
    // Checks a WM_COPYDATA block (WParam 7, at least 30,646 bytes, marker 0xA400).
    static std::optional<SkinPreviewRequest> ParsePreviewMessage(uintptr_t wParam, std::span<const uint8_t> data);
    // Loads the preview's skin with its options text and applies it.
    void ApplyPreview(const SkinPreviewRequest& request);
    bool PreviewMode() const { return m_previewFlag; }
    // Set while the manager is being destroyed: the SKC_REMOVESKIN it sends then is its last,
    // and controls that name it forget it.
    bool Destroying() const { return m_destroying; }

protected:
    static void SetDefaultManager(SkinManagerCore* manager);

    // Window-side steps; the portable defaults do nothing.
    virtual void Broadcast(SkinBroadcast) {}
    virtual void InstallHook() {}
    virtual void RemoveHook() {}
    virtual void ReleaseGlows() {}
    virtual void RepaintForms(bool /*lockForms*/) {}
    // Switches redrawing off on the forms this manager frames while their skin changes;
    // RepaintForms switches it on again.
    virtual void LockForms() {}
    virtual void OnBeforeChange() {}
    virtual void OnAfterChange() {}
    virtual void PrepareShadows() {}
    virtual void ShowLoadError(const std::u16string& /*message*/) {}
    // Keeps a picture of each form for the skin-change animation (before a new skin loads).
    virtual void CaptureFormsForAnimation() {}

    bool Updating() const { return m_updating; }
    bool Restoring() const { return m_restoring; }
    // The destructor of the concrete manager says it goes before it takes the skin off.
    void BeginDestroying() { m_destroying = true; }

private:
    // Steps 4 to 6 of a skin name change: finds the skin and loads it (throws on errors).
    void LoadNamedSkin(bool honourPreview);
    void LoadFromFolderOrStored();
    // Loads a stored skin from its stored package (never through the skin directory).
    void LoadStoredSkin(const TsStoredSkin& stored);
    // After a failed load that left no skin: the first stored skin, unless it was the one that
    // failed.
    void FallBackToStoredSkin();
    // The common path of every load: runs the passes into fresh tables and takes them over only
    // when all passes succeeded.
    void LoadFromOptions(const OptionsText* options, const TacSkinConvertor* package, std::u16string skinPath,
                         bool keepSections);
    void Reload();
    std::u16string PackageFileName() const;

    SkinPlatform& m_platform;
    SkinTables m_tables;
    bool m_active = true;
    bool m_restoring = false;
    bool m_updating = false;
    bool m_previewFlag = false;
    bool m_destroying = false;
    bool m_fromPackage = false;
    // A load succeeded and its tables have not been removed since.
    bool m_skinLoaded = false;
    // The stored skin the current skin name change reached, if any.
    const TsStoredSkin* m_storedSkinInLoad = nullptr;
    std::optional<std::string> m_previewText;
    std::u16string m_skinName;
    std::u16string m_skinDirectory = u"c:\\Skins";
    int m_hueOffset = 0;
    int m_saturation = 0;
    std::vector<std::u16string> m_commonSections;
};

} // namespace korvane
