#pragma once

#include "controls/control_kind.h"
#include "controls/skin_target_win32.h"
#include "gfx/parent_background.h"
#include "skin/skin_records.h"
#include "ui/component.h"
#include "win32/dib_section.h"

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace korvane {

class SkinManagerCore;
namespace ui {
class Window;
}

// Bits of TsCommonData::StateFlags.
inline constexpr std::uint16_t kPlainBackground = 0x0001; // one flat colour: no cache needed
inline constexpr std::uint16_t kPrinting = 0x0200;        // painting into a foreign device context
inline constexpr std::uint16_t kInUpdate = 0x0800;        // between BeginUpdate and EndUpdate

// What the owner of a skin data object is, where the rules differ.
enum class TsOwnerRole {
    Control,   // a windowed or windowless control
    Container, // a panel, frame or scroll box: may have a plain background
    TabSheet,
    FormLevel, // a form's frame provider: the form's client area
};

// The skin data of one skinned control or adapted window: its section by name and the indexes
// the manager resolved for it, the normal/hot decision, the cache bitmap with the flags that say
// when it must be rebuilt, the skin's colours for edit-like controls, the hover glow, and the
// answers to the engine's commands on the owner's behalf. It hooks the owner's message path, so
// it sees every message before the owner does (its pre-handler).
class TsCommonData : public ui::MessageHook, public SkinTarget {
public:
    // Attaches to the owner's message path; with `createCache` an empty cache bitmap is ready at
    // once (the others make it at their first paint).
    TsCommonData(ui::Component& owner, bool createCache, ControlKindCode kind = 0,
                 TsOwnerRole role = TsOwnerRole::Control);
    ~TsCommonData() override;

    // The skin data on a component's message path, or null.
    static TsCommonData* Of(const ui::Component& component) { return component.FindHook<TsCommonData>(); }

    // --- Properties ------------------------------------------------------------------------
    const std::u16string& SkinSection() const { return m_skinSection; }
    // Stored upper-cased, "UNKNOWN" for an empty name; resolves and refreshes the owner.
    void SetSkinSection(std::u16string_view name);
    bool CustomColor() const { return m_customColor; }
    void SetCustomColor(bool custom);
    bool CustomFont() const { return m_customFont; }
    void SetCustomFont(bool custom);
    // The manager named for this control; null means the default manager.
    SkinManagerCore* SkinManager() const { return m_skinManager; }
    void SetSkinManager(SkinManagerCore* manager);
    // The manager in use: the named one, else the default one (null when there is none).
    SkinManagerCore* Manager() const;

    // --- State, in the engine's order --------------------------------------------------------
    ui::Component* OwnerObject = nullptr;
    ui::Component* OwnerControl = nullptr; // the owner when it is a control
    std::int32_t SectionIndex = -1;
    std::int32_t BorderMaskIndex = -1;
    std::int32_t PatternIndex = -1;
    std::int32_t HotPatternIndex = -1;
    ControlKindCode ControlKind = 0;
    win32::DibSection CacheBitmap;
    bool HasCache = false; // the cache bitmap exists (it may be 0 x 0)
    bool CacheStale = true;
    bool Clipped = true;
    bool PaintSuspended = false;
    bool UrgentPainting = false;
    bool HasFocus = false;
    bool MouseInside = false;
    std::uint16_t StateFlags = 0;
    int BackgroundShape = 0;
    HDC PrintTarget = nullptr;
    std::int32_t GlowHandle = -1;
    // Set by an owner that is being destroyed: it is no longer asked anything.
    bool Destroying = false;

    // --- Operations --------------------------------------------------------------------------
    // The section is named, a manager with a loaded skin is found, the index is valid and the
    // owner is not going; with `requireActive` the manager's skin is also switched on.
    bool IsSkinned(bool requireActive = false) const;
    // The section record in use, or null while not skinned.
    const TsGeneralData* Section() const;
    void ResolveSection();
    void ChooseDefaultSection();
    // After construction: picks the default section, asks the parent form to adapt the new
    // window's children, applies the skin colours.
    void AfterLoad();
    void ApplySkinColours(bool repaint);
    // Marks the cache stale and repaints the owner (a window with its frame and children).
    void Invalidate();
    // StateHot over StateNormal.
    bool IsActive() const;
    int DrawingState() const;
    bool UsesCache() const;
    bool MustSkipPaint();
    // Makes the cache exist and match the owner's size.
    void PrepareCache();
    // Paints the section's face for the state over what lies behind into the cache (made to the
    // owner's size first) and marks it fresh: the background, corner images, borders mask and the
    // hue and saturation shifts. Nothing while the control is not skinned.
    void PaintFaceToCache(int state);
    // Paints the section's face for the state over `rect` of `target`, the pixel of the
    // background behind target pixel (x, y) being (x + X, y + Y). Nothing while not skinned.
    void PaintFaceTo(const BitmapView& target, const ParentBackground& background, const PixelRect& rect,
                     int state) const;
    // The flat colour (0x00BBGGRR) of the control in a state; `window` serves owners without a
    // control.
    std::uint32_t StateColour(int state, HWND window = nullptr) const;
    // Fills the request with what lies behind a child of this control.
    void AnswerBackground(BackgroundRequest& request, int state, HWND window = nullptr) const;
    // What lies behind this control, asked of its parent.
    ParentBackground GetParentBackground() const;
    // What lies behind a bare window, asked of its parent window (EmptyBackground without one).
    static ParentBackground GetParentBackground(HWND window);
    // Asks the parent window (by SendMessage) and makes a colour answer when nobody answered.
    static void AskParentBackground(BackgroundRequest& request, HWND parent);
    void BeginUpdate();
    void EndUpdate(bool repaint);
    void RecomputePlainBackground(bool alsoChildren);
    // Whether moving the control changes what its background shows.
    bool BackgroundFollowsPosition() const;
    // Copies the cache under `area` (taken from the cache at `origin`) into `dc`, leaving out the
    // visible windowless or opaque child controls.
    void PaintOwnBackgroundTo(HDC dc, const PixelRect& area, POINT origin, bool refreshCorners);
    // Shows or hides the hover glow.
    void UpdateGlow(bool hide);
    void HideGlow();
    // The engine's command (SKM_COMMAND); true when handled.
    bool HandleCommand(ui::Message& message);

    // A skin change: the section is looked up again, or the skin's colours given back.
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;
    // The questions of the skinned windows: updating while the cache is stale or painting is
    // held back; the background with StateNormal; the section's index.
    std::optional<bool> UpdatingAnswer() override { return CacheStale || PaintSuspended; }
    bool BackgroundAnswer(BackgroundRequest& request) override;
    std::optional<std::int32_t> SectionIndexAnswer() override { return SectionIndex; }
    std::optional<bool> SkinnedAnswer() override { return true; }
    std::optional<bool> ClippedAnswer() override { return Clipped; }
    std::optional<bool> ComplexBackgroundAnswer() override;
    std::optional<std::uint16_t> StateFlagsAnswer() override { return StateFlags; }
    // A control's children see its section's colour, mixed with its parent's by its transparency.
    std::uint32_t ChildrenColourAnswer(const std::function<std::uint32_t()>& rest) override;

    // The owner's window (its parent's for a windowless owner), or null.
    HWND OwnerWindow() const;
    // The window the owner asks about its background: its parent's.
    HWND ParentWindow() const;
    bool OwnerIsWindowed() const;
    PixelRect OwnerBounds() const;
    bool OwnerEnabled() const;
    bool OwnerVisible() const;
    // The owner's colour property (0x00BBGGRR, system defaults resolved).
    std::uint32_t OwnerColour() const;

    virtual int HueOffset() const { return 0; }
    virtual int Saturation() const { return 0; }
    // A colour of the skin shifted by this control's hue and saturation.
    std::uint32_t ShiftColour(TsColor color) const;

protected:
    bool OnMessage(ui::Message& message) override;
    void OnTargetDestroyed() override;

private:
    void SendToOwner(std::uint16_t command, std::uint16_t argument = 0, LPARAM lParam = 0);
    void SendToChildren(std::uint16_t command, std::uint16_t argument, LPARAM lParam);
    void MouseEntered(ui::Component* from);
    void MouseLeft();
    void RemoveSkin(const SkinManagerCore* manager);
    void RefreshSkin(const SkinManagerCore* manager);

    std::u16string m_skinSection;
    bool m_customColor = false;
    bool m_customFont = false;
    SkinManagerCore* m_skinManager = nullptr;
    TsOwnerRole m_role = TsOwnerRole::Control;
};

// The skin data of the program's skinned controls: adds the hue and saturation shifts of the
// colours the skin gives the control.
class TsCtrlSkinData : public TsCommonData {
public:
    using TsCommonData::TsCommonData;

    int HueOffset() const override { return m_hueOffset; }
    void SetHUEOffset(int degrees);
    int Saturation() const override { return m_saturation; }
    void SetSaturation(int amount);

private:
    int m_hueOffset = 0;
    int m_saturation = 0;
};

// Gives a component skin data of its own for the section (kept by the component) and runs its
// AfterLoad; with `customColor` the skin never changes the component's background colour.
TsCtrlSkinData& AttachSkinData(ui::Component& component, std::u16string_view section, ControlKindCode kind,
                               bool customColor = false);

// The colour a window of the class library gives its children: its answer to SKC_GETBGCOLOR when
// it handles the engine's commands, else its colour property, else the face colour.
std::uint32_t ColourForChildren(const ui::Window& parent);

} // namespace korvane
