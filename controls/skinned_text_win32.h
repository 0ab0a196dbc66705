#pragma once

#include "controls/caption_layout.h"
#include "controls/control_kind.h"
#include "controls/radio_button_geometry.h"
#include "controls/text_glow.h"
#include "gfx/bitmap_view.h"
#include "gfx/pixel_rect.h"

#include <windows.h>

#include <string_view>

namespace korvane {

class SkinManagerCore;
class TsCommonData;

// The 8-bit work image of text glows kept in a DIB section with a grey palette, selected into a
// memory device context of its own, so GDI draws the text into it.
class GdiGlowWorkImage : public GlowWorkImage {
public:
    GdiGlowWorkImage() = default;
    ~GdiGlowWorkImage() override;
    HDC Dc() const { return m_dc; }

protected:
    GreyView Allocate(int width, int height) override;

private:
    void Release();

    HDC m_dc = nullptr;
    HBITMAP m_bitmap = nullptr;
    HGDIOBJ m_previous = nullptr;
};

// A caption in the skin's look on a control's face: the section's font colours (the hot ones
// when `active`), its contours and glow, the disabled colour mix, or the platform's look for an
// unskinned control. `canvas` is usually the control's cache DC; the glow is painted into the
// cache bitmap, through `work` (kept by the caller between calls; none: a temporary one).
void DrawSkinnedText(HDC canvas, std::wstring_view text, bool enabled, bool active, const TsCommonData& data,
                     UINT drawTextFlags, const PixelRect& rect, GdiGlowWorkImage* work = nullptr);

// What a caption painted by section index needs beyond the section: the adapted window's parent
// (check boxes and group boxes may take an ancestor's font colours), the bitmap the canvas paints
// into (for the section's text glow; empty: no glow) and the glow's work image.
struct SectionTextContext {
    HWND ParentWindow = nullptr;
    ControlKindCode Kind = 0;
    BitmapView GlowFace;
    GdiGlowWorkImage* Work = nullptr;
};

// The same for windows without skin data of their own (the adapters of platform windows): the
// colours of the manager's section by index, no hue or saturation shift; an invalid index or no
// manager gives the platform's look.
void DrawSkinnedText(HDC canvas, std::wstring_view text, bool enabled, bool active, const SkinManagerCore* manager,
                     int sectionIndex, UINT drawTextFlags, const PixelRect& rect,
                     const SectionTextContext& context = {});

// A glow behind the text in `face` (the bitmap selected into `faceDc`): the text is drawn black
// with the face DC's font at its place and moved one pixel in each direction of `directions`
// (1 left, 2 up, 4 right, 8 down) into the work image, blurred and laid over the face.
void PaintTextGlow(HDC faceDc, const BitmapView& face, std::wstring_view text, const PixelRect& rect,
                   GdiGlowWorkImage& work, std::uint32_t color, int size, unsigned directions, UINT drawTextFlags);

// The text's size as DrawText lays it out with the context's font in a rectangle `width` wide
// (0: one line as long as it takes, unless the flags break it); nothing for no text.
PixelSize MeasureText(HDC dc, std::wstring_view text, UINT drawTextFlags, int width);

// A radio button's or check box's caption beside its picture: measured with the context's font
// in the width the picture leaves, its rectangle, and the DrawText flags it is drawn with.
struct PlacedCaption {
    PixelRect Rect;
    UINT Flags = 0;
};
PlacedCaption PlaceRadioCaption(HDC dc, std::wstring_view caption, const RadioCaptionFacts& facts);

} // namespace korvane
