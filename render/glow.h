#pragma once

#include <string>

#include "gfx/bitmap_view.h"
#include "render/skin_paint_source.h"

namespace korvane {

// The tag of glow windows, so that the window adapters leave them alone.
inline constexpr int kGlowWindowTag = -98;

#ifdef _WIN32
// Window handles are passed as void* so that portable callers need no <windows.h>.

// Shows a glow around a control: `controlRect` in screen coordinates, `visible` the part of the
// control that can be seen (control coordinates). The glow image is the entry `glowKey` + "0" of
// the section; the glow lives in a click-through layered window placed in z-order by the owner
// window. Returns the glow's index, or -1 when no glow could be made (layered windows
// unavailable, effects suppressed, or no such entry). No manager means the default one.
int ShowGlow(PixelRect controlRect, PixelRect visible, const std::u16string& sectionName,
             const SkinPaintSource* manager, void* ownerWindow, int alpha, int margin, const std::u16string& glowKey);

// Frees the glow of the index; an index of no glow shown now (-1, or one freed already) does
// nothing. Indexes are not given twice.
void HideGlow(int index);

// Frees every glow.
void ClearGlows();

// The glow window of a glow index (null when none), and whether a window is a glow window.
void* GlowWindow(int index);
bool IsGlowWindow(void* window);

// Whether glows can be shown at all (layered windows with per-pixel alpha).
bool GlowsAvailable();

// The window-only path of a control glow: with `hide`, frees `currentGlow` and returns -1;
// otherwise replaces it with a glow around the window (its rectangle, the clip box of its window
// device context, its top-level window as owner) when the section has GLOW of 1 or more.
// Returns the index the caller keeps.
int UpdateWindowGlow(void* window, int currentGlow, bool hide, int sectionIndex, const SkinPaintSource* manager);
#endif

} // namespace korvane
