#pragma once

#include "controls/skinned_text_win32.h"
#include "controls/caption_layout.h"
#include "gfx/parent_background.h"
#include "win32/dib_section.h"
#include "windows/main_wnd_win32.h"

#include <windows.h>

#include <optional>
#include <string_view>

namespace korvane {

// The base of the adapters that paint their whole window from one face (push buttons, check
// boxes, statics, group boxes). The face is built in a cache of the window's size at every paint
// and copied out. Paint, print, erase, text, enable, focus and hover are handled here once; an
// adapter builds its face for the window's state and handles what is its own.
class TacFaceWnd : public TacMainWnd {
public:
    TacFaceWnd(HWND window, std::u16string_view section, TsSkinManager* manager);
    ~TacFaceWnd() override;

    // Builds the face and copies it to the context (the window's own when null). Nothing is
    // painted while the parent holds its children's painting back.
    void PaintFace(HDC dc);
    // The face for the window's present state into the cache.
    void BuildCache();
    const win32::DibSection& Cache() const { return m_cache; }
    bool HasFocus = false;

protected:
    LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) final;
    void HoverChanged() override;

    // The face for the window's state, built into Cache(); the manager is active.
    virtual void BuildFace(const TsSkinManager& manager) = 0;
    // An adapter's own messages, seen first while the skin paints the window; nullopt passes a
    // message on to the common handling.
    virtual std::optional<LRESULT> FaceMessage(UINT, WPARAM, LPARAM) { return std::nullopt; }
    // The window is one the adapter paints; when not, every message goes the base's way.
    virtual bool PaintsWindow() const { return true; }
    // The window's owner paints its content (owner-drawn): the face is only the background.
    virtual bool OwnerPaints() const { return false; }
    // The face covers the whole window rectangle, the non-client part included.
    virtual bool PaintsNonClient() const { return false; }
    // A message after which the face is built again, beyond text, enable and focus changes.
    virtual bool RedrawsAfter(UINT) const { return false; }
    // Copies the face to the window's context.
    virtual void CopyFace(HDC dc);
    // The mouse came or went: the glow follows.
    virtual void ShowHover() {}

    // The section's face for the state over `rect` of the cache (all of it when empty), on what
    // lies behind the window; that background is returned for the disabled fade.
    ParentBackground PaintSection(const TsSkinManager& manager, int state, PixelRect rect = {});
    // A caption into the cache in the section's colours.
    void DrawCaption(const TsSkinManager& manager, std::wstring_view text, UINT flags, const PixelRect& rect,
                     bool active, ControlKindCode kind = 0, bool enabled = true);
    // A disabled window's face mixed with what lies behind it.
    void FadeWhenDisabled(const ParentBackground& background);
    // The face is built again and shown now (a visible window's).
    void RedrawFace();
    // The face is built again at the next paint.
    void InvalidateFace();

private:
    win32::DibSection m_cache;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
