#include "controls/skinned_buttons_win32.h"

#include "controls/button_state.h"
#include "controls/control_kind.h"
#include "controls/disabled_look.h"
#include "controls/focus_frame.h"
#include "controls/skin_data_rules.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/text.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"

#include <algorithm>

namespace korvane {

namespace {

UINT AlignmentFlag(CaptionAlignment alignment)
{
    switch (alignment) {
    case CaptionAlignment::Left:
        return DT_LEFT;
    case CaptionAlignment::Right:
        return DT_RIGHT;
    case CaptionAlignment::Center:
        return DT_CENTER;
    }
    return DT_CENTER;
}

// The focus frame of a focused, enabled button with a caption, where the section shows focus.
void PaintFocusFrame(const TsCommonData& data, const ui::Window& button, const ButtonCaptionLook& look,
                     const BitmapView& face, PixelRect caption)
{
    const TsGeneralData* section = data.Section();
    if (!section || !section->ShowFocus || !look.ShowFocus || !button.Enabled() || caption.IsEmpty() ||
        GetFocus() != button.Handle())
        return;
    const int m = look.FocusMargin;
    DrawFocusFrame(face, {caption.Left - m, caption.Top - m, caption.Right + m, caption.Bottom + m},
                   GetSysColor(COLOR_BTNFACE) & 0xFFFFFF, 0x000000);
}

// Reads a glyph bitmap once for as long as the button keeps the same one.
const GlyphBitmap& ReadOnce(HBITMAP glyph, HBITMAP& read, GlyphBitmap& pixels)
{
    if (glyph != read) {
        pixels = ReadGlyphBitmap(glyph);
        read = glyph;
    }
    return pixels;
}

// What a bitmap or speed button shows on its face besides the section's background.
struct GlyphAndCaption {
    std::wstring Caption;
    HFONT Font = nullptr;
    const GlyphBitmap* Glyph = nullptr;
    int NumGlyphs = 1;
    int Spacing = 4;
    int Margin = -1;
    GlyphLayout Layout = GlyphLayout::GlyphLeft;
    CaptionAlignment Alignment = CaptionAlignment::Center;
    bool WordWrap = true;
    bool RightToLeft = false;
    GlyphLook Look;
};

// Lays the glyph and the caption out as one block and draws them on the face (the caption moved
// by one pixel while pressed); answers the caption's rectangle, for the focus frame.
PixelRect PaintGlyphAndCaption(HDC dc, const BitmapView& face, const TsCommonData& data, const GlyphAndCaption& content,
                               GdiGlowWorkImage* glowWork)
{
    win32::SelectObjectGuard font(dc,
                                  content.Font ? static_cast<HGDIOBJ>(content.Font) : GetStockObject(DEFAULT_GUI_FONT));
    const GlyphBitmap empty;
    const GlyphBitmap& glyph = content.Glyph ? *content.Glyph : empty;
    const PixelSize glyphSize =
        ButtonGlyphSize({}, false, {glyph.Pixels.Width(), glyph.Pixels.Height()}, content.NumGlyphs);
    const UINT flags = AlignmentFlag(content.Alignment) | DT_VCENTER | DT_EXPANDTABS |
                       (content.WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    const int measureWidth = CaptionMeasureWidth(face.Width, content.Margin, content.Spacing, glyphSize, content.Layout,
                                                 !content.Caption.empty());
    const PixelSize captionSize =
        measureWidth > 0 ? MeasureText(dc, content.Caption, flags, measureWidth) : PixelSize{};
    const GlyphCaptionPlacement place =
        LayoutGlyphAndCaption({0, 0, face.Width, face.Height}, glyphSize, captionSize, content.RightToLeft,
                              content.Spacing, content.Margin, content.Alignment, content.Layout);
    PixelRect captionRect = place.Caption;
    if (content.Look.State == StatePressed)
        captionRect = captionRect.Offset(1, 1);
    if (!content.Caption.empty())
        DrawSkinnedText(dc, content.Caption, content.Look.Enabled, content.Look.State != StateNormal, data,
                        flags | DT_END_ELLIPSIS | (content.RightToLeft ? DT_RTLREADING : 0), captionRect, glowWork);
    GdiFlush();
    if (!glyph.Pixels.Empty())
        PaintButtonGlyph(face, place.GlyphX, place.GlyphY,
                         ButtonGlyph{glyph.Pixels.ReadView(), content.NumGlyphs, glyph.BitsPerPixel}, content.Look);
    return captionRect;
}

} // namespace

TsButton::TsButton(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption)
    : PushButton(parent, bounds, caption)
    , SkinData(*this, true, kKindButton)
    , m_skin(*this, SkinData, *this)
{
    SkinData.AfterLoad();
}

void TsButton::PaintContent(HDC dc, const BitmapView& face, int state)
{
    const std::wstring caption = Text();
    win32::SelectObjectGuard font(dc, Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
    const UINT flags = DT_CENTER | DT_VCENTER | DT_EXPANDTABS | (CaptionLook.WordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    const PixelSize size = face.Width > 2 ? MeasureText(dc, caption, flags, face.Width - 2) : PixelSize{};
    PixelRect rect =
        BoundsRect((face.Width - size.Width) / 2, (face.Height - size.Height) / 2, size.Width, size.Height);
    if (state == StatePressed)
        rect = rect.Offset(1, 1);
    DrawSkinnedText(dc, caption, Enabled(), state != StateNormal, SkinData, flags, rect, &m_glowWork);
    GdiFlush();
    PaintFocusFrame(SkinData, *this, CaptionLook, face, rect);
}

TsBitBtn::TsBitBtn(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption)
    : BitmapButton(parent, bounds, caption)
    , SkinData(*this, true, kKindBitBtn)
    , m_skin(*this, SkinData, *this)
{
    SkinData.AfterLoad();
}

const GlyphBitmap& TsBitBtn::GlyphPixels()
{
    return ReadOnce(Glyph(), m_readGlyph, m_glyphPixels);
}

void TsBitBtn::PaintContent(HDC dc, const BitmapView& face, int state)
{
    GlyphAndCaption content;
    content.Caption = Text();
    content.Font = Font();
    content.Glyph = &GlyphPixels();
    content.NumGlyphs = NumGlyphs;
    content.Spacing = Spacing;
    content.Margin = Margin;
    content.Layout = Layout;
    content.Alignment = Alignment;
    content.WordWrap = CaptionLook.WordWrap;
    content.RightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    content.Look.State = state;
    content.Look.Enabled = Enabled();
    content.Look.Down = m_skin.Down;
    content.Look.Blend = Blend;
    content.Look.DisabledGlyphKind = DisabledGlyphKind;
    const PixelRect captionRect = PaintGlyphAndCaption(dc, face, SkinData, content, &m_glowWork);
    PaintFocusFrame(SkinData, *this, CaptionLook, face, captionRect);
}

TsSpeedButton::TsSpeedButton(ui::Window& parent, const PixelRect& bounds)
    : SpeedButton(parent, bounds)
    , SkinData(*this, true, kKindSpeedButton)
    , m_fader(SkinData, FadeHooks{
                            .PrepareCache = [this] { BuildCache(); },
                            .Repaint = [this] { RepaintNow(); },
                            .ShowFrame = [this](const Bitmap32&) { RepaintNow(); },
                            .FadeFrame = nullptr,
                        })
{
    SkinData.AfterLoad();
}

const GlyphBitmap& TsSpeedButton::GlyphPixels()
{
    return ReadOnce(Glyph(), m_readGlyph, m_glyphPixels);
}

int TsSpeedButton::DrawingState() const
{
    const TsGeneralData* section = SkinData.Section();
    if (!section)
        return StateNormal;
    return LimitState(SpeedButtonState(Down(), SkinData.IsActive()), section->States);
}

void TsSpeedButton::BuildCache()
{
    SkinData.PrepareCache();
    const ParentBackground background = SkinData.GetParentBackground();
    // A parent that has not painted yet leaves the previous face.
    if (background.IsBitmap && background.Bitmap.Width == 0)
        return;
    const int state = DrawingState();
    SkinData.PaintFaceToCache(state);
    const BitmapView face = SkinData.CacheBitmap.View();
    if (!face.IsEmpty()) {
        GlyphAndCaption content;
        if (ShowCaption)
            content.Caption = Caption();
        content.Font = Parent().Font();
        content.Glyph = &GlyphPixels();
        content.NumGlyphs = NumGlyphs;
        content.Spacing = Spacing;
        content.Look.State = state;
        content.Look.Enabled = Enabled();
        content.Look.Down = Down();
        content.Look.Blend = Blend;
        content.Look.DisabledGlyphKind = DisabledGlyphKind;
        PaintGlyphAndCaption(SkinData.CacheBitmap.Dc(), face, SkinData, content, &m_glowWork);
    }
    m_paintedGlyph = Glyph();
    m_paintedNumGlyphs = NumGlyphs;
    m_paintedSpacing = Spacing;
    if (!Enabled() && !face.IsEmpty())
        ApplyDisabledLook(face, DisabledKind, background, SkinData.StateColour(0));
    SkinData.CacheStale = false;
}

void TsSpeedButton::Paint(HDC dc)
{
    const SkinManagerCore* manager = SkinData.Manager();
    if (manager && manager->Active() && SkinData.SectionIndex <= 0)
        SkinData.ResolveSection();
    if (!SkinData.IsSkinned(true)) {
        SpeedButton::Paint(dc);
        return;
    }
    const PixelRect bounds = ControlBounds();
    if (bounds.Width() <= 0 || bounds.Height() <= 0)
        return;
    SkinData.CacheStale = SkinData.CacheStale || Down() != m_lastDown || SkinData.Clipped ||
                          Glyph() != m_paintedGlyph || NumGlyphs != m_paintedNumGlyphs || Spacing != m_paintedSpacing;
    m_lastDown = Down();
    SkinData.Clipped = SkinData.BackgroundFollowsPosition();
    if (!m_fader.WorkingPicture() && (SkinData.CacheStale || SkinData.CacheBitmap.Empty()))
        BuildCache();
    CopyFace(dc, bounds);
}

void TsSpeedButton::CopyFace(HDC dc, const PixelRect& bounds)
{
    // A running fade shows its working picture while it has the button's size; the cache holds
    // the face it fades to.
    if (const Bitmap32* working = m_fader.WorkingPicture(); working && working->Width() == bounds.Width()) {
        win32::DrawBitmapView(dc, bounds.Left, bounds.Top, working->ReadView());
        return;
    }
    if (!SkinData.CacheBitmap.Empty())
        BitBlt(dc, bounds.Left, bounds.Top, bounds.Width(), bounds.Height(), SkinData.CacheBitmap.Dc(), 0, 0, SRCCOPY);
}

void TsSpeedButton::RepaintNow()
{
    if (!Visible() || !Parent().Handle() || !IsWindowVisible(Parent().Handle()))
        return;
    if (!SkinData.IsSkinned(true)) {
        Invalidate();
        return;
    }
    if (SkinData.CacheStale && !m_fader.WorkingPicture())
        BuildCache();
    m_lastDown = Down();
    win32::WindowDC dc(Parent().Handle());
    CopyFace(dc.get(), ControlBounds());
}

void TsSpeedButton::ShowChange(TacAnimatEvent event)
{
    // The cache still holds the old face: a fade leaves it for the new one, otherwise the button
    // repaints at once.
    m_lastDown = Down();
    m_fader.ShowChange(event);
}

void TsSpeedButton::MouseDown(POINT point)
{
    SpeedButton::MouseDown(point);
    if (SkinData.IsSkinned(true))
        ShowChange(aeMouseDown);
}

void TsSpeedButton::MouseUp(POINT point)
{
    SpeedButton::MouseUp(point);
    if (SkinData.IsSkinned(true))
        ShowChange(aeMouseUp);
}

void TsSpeedButton::MouseMove(POINT point)
{
    const bool wasDown = Down();
    SpeedButton::MouseMove(point);
    if (wasDown != Down() && SkinData.IsSkinned(true))
        ShowChange(Down() ? aeMouseDown : aeMouseUp);
}

void TsSpeedButton::OnMouseEnter()
{
    if (!SkinData.IsSkinned(true)) {
        SpeedButton::OnMouseEnter();
        return;
    }
    if (Enabled())
        ShowChange(aeMouseEnter);
}

void TsSpeedButton::OnMouseLeave()
{
    if (!SkinData.IsSkinned(true)) {
        SpeedButton::OnMouseLeave();
        return;
    }
    if (Enabled())
        ShowChange(aeMouseLeave);
}

void TsSpeedButton::OnEnabledChanged(bool /*enabled*/)
{
    m_fader.Stop();
    SkinData.CacheStale = true;
    Invalidate();
}

void TsSpeedButton::SkinChanged(SkinChange, const SkinManagerCore*, const std::function<void()>& rest)
{
    m_fader.Stop();
    SkinData.CacheStale = true;
    Invalidate();
    rest();
}

void TsSpeedButton::HandleMessage(ui::Message& message)
{
    if (message.Id == SKM_COMMAND) {
        const auto rest = [&] {
            SpeedButton::HandleMessage(message);
            return message.Result;
        };
        if (const std::optional<LRESULT> answered = AnswerEngineCommand(*this, message.WParam, message.LParam, rest)) {
            message.Result = *answered;
            return;
        }
        switch (EngineCommandOf(message.WParam)) {
        case SKC_STOPFADE:
            m_fader.StopFadeCommand();
            break;
        case SKC_REPAINTNOW:
            SkinData.PaintSuspended = false;
            SkinData.CacheStale = true;
            RepaintNow();
            break;
        default:
            break;
        }
    } else if (message.Id == ui::CM_VISIBLECHANGED) {
        // Shown or hidden, the button is not under the mouse until the mouse moves again.
        SkinData.MouseInside = false;
        if (!Visible())
            m_fader.Stop();
    } else if (message.Id == WM_SIZE && Visible()) {
        SkinData.CacheStale = true;
    } else if (message.Id == ui::CM_TEXTCHANGED && ShowCaption) {
        SkinData.CacheStale = true;
        Invalidate();
    }
    SpeedButton::HandleMessage(message);
}

} // namespace korvane
