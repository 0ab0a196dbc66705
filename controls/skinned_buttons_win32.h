#pragma once

#include "controls/button_glyph.h"
#include "controls/caption_layout.h"
#include "controls/common_data_win32.h"
#include "controls/glyph_bitmap_win32.h"
#include "controls/skinned_text_win32.h"
#include "controls/control_fader_win32.h"
#include "controls/windowed_button_win32.h"
#include "ui/bitmap_button.h"
#include "ui/push_button.h"
#include "ui/speed_button.h"

namespace korvane {

// Caption settings shared by the skinned buttons.
struct ButtonCaptionLook {
    bool ShowFocus = true;
    int FocusMargin = 1;
    bool WordWrap = true;
};

// A push button painted from the skin's "BUTTON" section: background, borders mask, centred
// caption (moved by one pixel while pressed) and the focus frame; its window's corners are cut
// where the mask is transparent.
class TsButton : public ui::PushButton, private WindowedButtonContent {
public:
    TsButton(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption);
    std::wstring_view ClassName() const override { return L"TsButton"; }

    TsCtrlSkinData SkinData;
    ButtonCaptionLook CaptionLook;
    WindowedButtonSkin& Skin() { return m_skin; }

private:
    void PaintContent(HDC dc, const BitmapView& face, int state) override;

    WindowedButtonSkin m_skin;
    GdiGlowWorkImage m_glowWork;
};

// A bitmap button painted from the skin's "BUTTON" section: glyph and caption laid out as a
// block, the glyph keyed by its bottom-left pixel, the disabled look over the whole face.
class TsBitBtn : public ui::BitmapButton, private WindowedButtonContent {
public:
    TsBitBtn(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption);
    std::wstring_view ClassName() const override { return L"TsBitBtn"; }

    TsCtrlSkinData SkinData;
    ButtonCaptionLook CaptionLook;
    int Margin = -1;
    int Spacing = 4;
    int NumGlyphs = 1;
    int Blend = 0;
    GlyphLayout Layout = GlyphLayout::GlyphLeft;
    CaptionAlignment Alignment = CaptionAlignment::Center;
    TsDisabledGlyphKind DisabledGlyphKind;
    WindowedButtonSkin& Skin() { return m_skin; }

private:
    void PaintContent(HDC dc, const BitmapView& face, int state) override;
    const GlyphBitmap& GlyphPixels();

    WindowedButtonSkin m_skin;
    GdiGlowWorkImage m_glowWork;
    HBITMAP m_readGlyph = nullptr;
    GlyphBitmap m_glyphPixels;
};

// A windowless flat button painted from the skin's "SPEEDBUTTON" section: its face is rebuilt
// only when its state, size or what lies behind it changed, otherwise a paint is one block copy.
class TsSpeedButton : public ui::SpeedButton, public SkinTarget {
public:
    TsSpeedButton(ui::Window& parent, const PixelRect& bounds);
    std::wstring_view ClassName() const override { return L"TsSpeedButton"; }

    TsCtrlSkinData SkinData;
    TsDisabledKind DisabledKind;
    TsDisabledGlyphKind DisabledGlyphKind;
    int Blend = 0;
    int NumGlyphs = 1;
    int Spacing = 4;
    bool ShowCaption = true;

    int DrawingState() const;
    void BuildCache();
    void Paint(HDC dc) override;
    // Rebuilds a stale face and copies it to the parent at once, without waiting for its paint.
    void RepaintNow();
    // The button's cross-fades between its looks.
    ControlFader& Fader() { return m_fader; }
    // Any change rebuilds the face.
    void SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest) override;

protected:
    void MouseDown(POINT point) override;
    void MouseUp(POINT point) override;
    void MouseMove(POINT point) override;
    void OnMouseEnter() override;
    void OnMouseLeave() override;
    void OnEnabledChanged(bool enabled) override;
    void HandleMessage(ui::Message& message) override;

private:
    void ShowChange(TacAnimatEvent event);
    // Copies the running fade's working picture, or else the cache, to `dc` at the bounds.
    void CopyFace(HDC dc, const PixelRect& bounds);
    const GlyphBitmap& GlyphPixels();

    bool m_lastDown = false;
    // What the face was last built with: a change of any rebuilds it.
    HBITMAP m_paintedGlyph = nullptr;
    int m_paintedNumGlyphs = 1;
    int m_paintedSpacing = 4;
    HBITMAP m_readGlyph = nullptr;
    GlyphBitmap m_glyphPixels;
    ControlFader m_fader;
    GdiGlowWorkImage m_glowWork;
};

} // namespace korvane
