#pragma once

#include "controls/caption_layout.h"
#include "controls/skinned_text_win32.h"
#include "gfx/parent_background.h"
#include "win32/dib_section.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace korvane {

class TsSkinManager;

// What the adapters that paint their whole window (buttons, check boxes, statics, group boxes)
// share: the face in a cache of the window's size, the caption's font and measure.

// The window's size, from its window rectangle.
PixelSize WindowSizeOf(HWND window);

// Makes the cache the window's size and paints the section's face for the state over `rect` of
// it (the whole cache when empty) on what lies behind the window. Returns that background, for
// the disabled fade; EmptyBackground when nothing could be painted.
ParentBackground PaintAdapterFace(win32::DibSection& cache, HWND window, const TsSkinManager& manager, int sectionIndex,
                                  const std::u16string& section, int state, PixelRect rect = {});

// A disabled adapted window's face mixed 60 % with what lies behind it (40 % kept).
void FadeDisabledFace(const win32::DibSection& cache, const ParentBackground& background);

// A caption of an adapted window drawn into its cache in the colours of its section (with the
// section's glow when it has one).
void DrawAdapterCaption(const win32::DibSection& cache, HWND window, std::wstring_view text, bool enabled, bool active,
                        const TsSkinManager* manager, int sectionIndex, UINT flags, const PixelRect& rect,
                        GdiGlowWorkImage& work, ControlKindCode kind = 0);

// The parent holds its children's painting back (it is being updated).
bool ParentHoldsPainting(HWND window);

// The window's font (WM_GETFONT; the GUI font when it has none) selected into a context for the
// object's life.
class WindowFontSelection {
public:
    WindowFontSelection(HDC dc, HWND window);
    WindowFontSelection(const WindowFontSelection&) = delete;
    WindowFontSelection& operator=(const WindowFontSelection&) = delete;
    ~WindowFontSelection();

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// The context of a WM_PAINT: the one the message brings in its wParam, else BeginPaint's, ended
// with the object.
class AdapterPaint {
public:
    AdapterPaint(HWND window, WPARAM given);
    AdapterPaint(const AdapterPaint&) = delete;
    AdapterPaint& operator=(const AdapterPaint&) = delete;
    ~AdapterPaint();
    HDC Dc() const { return m_dc; }

private:
    HWND m_window;
    PAINTSTRUCT m_paint{};
    HDC m_dc;
    bool m_began;
};

// Copies the whole cache to (0, 0) of the context.
void CopyCacheTo(HDC dc, const win32::DibSection& cache);

} // namespace korvane
