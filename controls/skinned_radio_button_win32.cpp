#include "controls/skinned_radio_button_win32.h"

#include "controls/control_kind.h"
#include "controls/focus_frame.h"
#include "render/fade_timer.h"
#include "render/section_background.h"
#include "render/state_image.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/font.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"
#include "win32/redraw_suspension.h"
#include "win32/scope_guard.h"

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

// An own glyph frame onto the face with its alpha; a picture without any alpha counts as opaque.
void DrawGlyphFrame(const BitmapView& face, const Bitmap32& glyph, int frame, PixelSize size, int x, int y)
{
    bool anyAlpha = false;
    for (int row = 0; row < glyph.Height() && !anyAlpha; ++row)
        for (int column = 0; column < glyph.Width(); ++column)
            if ((glyph.Pixel(column, row) >> 24) != 0) {
                anyAlpha = true;
                break;
            }
    for (int row = 0; row < size.Height; ++row) {
        const int dy = y + row;
        if (dy < 0 || dy >= face.Height || row >= glyph.Height())
            continue;
        for (int column = 0; column < size.Width; ++column) {
            const int dx = x + column;
            const int sx = frame * size.Width + column;
            if (dx < 0 || dx >= face.Width || sx >= glyph.Width())
                continue;
            const std::uint32_t source = glyph.Pixel(sx, row);
            const std::uint32_t alpha = anyAlpha ? source >> 24 : 255;
            std::uint32_t& target = face.At(dx, dy);
            if (alpha == 255) {
                target = source | 0xFF000000u;
                continue;
            }
            std::uint32_t mixed = 0xFF000000u;
            for (int shift = 0; shift < 24; shift += 8) {
                const std::uint32_t s = (source >> shift) & 0xFF;
                const std::uint32_t d = (target >> shift) & 0xFF;
                mixed |= ((s * alpha + d * (255 - alpha) + 127) / 255) << shift;
            }
            target = mixed;
        }
    }
}

} // namespace

TsRadioButton::TsRadioButton(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption, bool firstOfGroup)
    : RadioButton(parent, bounds, caption, firstOfGroup)
    , SkinData(*this, false, kKindRadioButton)
    , m_fader(SkinData, FadeHooks{
                            .PrepareCache = [this] { BuildCache(); },
                            .Repaint = [this] { RepaintNow(); },
                            .ShowFrame =
                                [this](const Bitmap32& frame) {
                                    win32::WindowDC dc(Handle());
                                    win32::DrawBitmapView(dc.get(), 0, 0, frame.ReadView());
                                },
                            .FadeFrame = nullptr,
                        })
{
    // The button never checks itself: the skin checks it when a press comes up, and unskinned
    // its click report does, so a refused change leaves the check where it was.
    Send(BM_SETSTYLE, BS_RADIOBUTTON, FALSE);
    SkinData.AfterLoad();
    AdjustSize();
}

TsRadioButton::~TsRadioButton()
{
    SkinData.Destroying = true;
}

bool TsRadioButton::SkinnedNow() const
{
    return Handle() && !SkinData.Destroying && SkinData.IsSkinned(true);
}

bool TsRadioButton::Checked() const
{
    if (m_checkedForFace)
        return *m_checkedForFace;
    return Send(BM_GETCHECK) == BST_CHECKED;
}

void TsRadioButton::SetChecked(bool checked)
{
    if (checked == Checked())
        return;
    Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
    if (!checked)
        return;
    TurnSiblingsOff();
    Click();
}

void TsRadioButton::TurnSiblingsOff()
{
    const HWND parent = GetParent(Handle());
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (child == Handle())
            continue;
        if (auto* sibling = dynamic_cast<TsRadioButton*>(ui::Window::FromHandle(child)))
            sibling->SetChecked(false);
    }
}

void TsRadioButton::Click()
{
    if (on_click)
        on_click();
}

int TsRadioButton::DrawingState() const
{
    return RadioDrawingState(m_pressing, SkinData.IsActive(), ReadOnly);
}

bool TsRadioButton::CaptionRight() const
{
    const bool rightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    return (Alignment == TsRadioAlignment::RightJustify) != rightToLeft;
}

const Bitmap32& TsRadioButton::CurrentGlyph() const
{
    return Checked() ? GlyphChecked : GlyphUnChecked;
}

const TsMaskData* TsRadioButton::SkinCheckEntry() const
{
    const SkinManagerCore* manager = SkinData.Manager();
    if (!manager || !SkinData.IsSkinned())
        return nullptr;
    const int index =
        Checked() ? manager->IndexCache.CheckImages.RadioChecked : manager->IndexCache.CheckImages.RadioUnchecked;
    return manager->Tables().IsValidMask(index) ? &manager->Tables().Masks[static_cast<std::size_t>(index)] : nullptr;
}

PixelSize TsRadioButton::GlyphSize() const
{
    const Bitmap32& own = CurrentGlyph();
    if (!own.Empty())
        return OwnGlyphFrameSize(own.Width(), own.Height());
    if (const TsMaskData* entry = SkinCheckEntry())
        return SkinCheckFrameSize(*entry);
    return {16, 16};
}

PixelRect TsRadioButton::GlyphRect() const
{
    const PixelRect bounds = WindowBounds();
    const PixelSize glyph = GlyphSize();
    if (CurrentGlyph().Empty() && !SkinCheckEntry())
        return {0, 0, 16, 16};
    return RadioGlyphRect(glyph, bounds.Width(), bounds.Height(), Margin, CaptionRight());
}

void TsRadioButton::PaintCaption(HDC dc, const BitmapView& face)
{
    const std::wstring caption = Text();
    if (caption.empty())
        return;
    RadioCaptionFacts facts;
    facts.Width = face.Width;
    facts.Height = face.Height;
    facts.GlyphWidth = GlyphSize().Width;
    facts.Margin = Margin;
    facts.TextIndent = TextIndent;
    facts.CaptionRight = CaptionRight();
    facts.RightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    facts.WordWrap = WordWrap;
    const PlacedCaption placed = PlaceRadioCaption(dc, caption, facts);
    DrawSkinnedText(dc, caption, true, SkinData.IsActive() && !ReadOnly, SkinData, placed.Flags, placed.Rect,
                    &m_glowWork);
    GdiFlush();
    if (ShowFocus && GetFocus() == Handle())
        DrawFocusFrame(face, RadioFocusRect(placed.Rect, WordWrap), GetSysColor(COLOR_BTNFACE) & 0xFFFFFF, 0x000000);
}

void TsRadioButton::PaintCheck(const BitmapView& face)
{
    const PixelRect place = GlyphRect();
    const int state = DrawingState();
    const Bitmap32& own = CurrentGlyph();
    if (!own.Empty()) {
        const int frame = RadioGlyphFrame(OwnGlyphFrameCount(own.Width(), own.Height()), state);
        DrawGlyphFrame(face, own, frame, OwnGlyphFrameSize(own.Width(), own.Height()), place.Left, place.Top);
        return;
    }
    // Without the skin's picture the place stays reserved and empty.
    if (const TsMaskData* entry = SkinCheckEntry())
        PaintStateImage(face, place.Left, place.Top, state, SelfBackground(face), *entry, 1,
                        SkinData.Manager()->Tables().MasterBitmap->ReadView());
}

void TsRadioButton::BuildCache()
{
    SkinData.PrepareCache();
    const BitmapView face = SkinData.CacheBitmap.View();
    if (face.IsEmpty() || !SkinData.IsSkinned()) {
        SkinData.CacheStale = false;
        return;
    }
    HDC dc = SkinData.CacheBitmap.Dc();
    const HFONT font = Font();
    // Selected for this face only: the cache's context never holds a font that may go.
    win32::SelectObjectGuard selected(dc, font ? static_cast<HGDIOBJ>(font) : ui::DefaultFont());
    m_checkedForFace = Checked();
    struct Forget {
        std::optional<bool>& checked;
        ~Forget() { checked.reset(); }
    } forget{m_checkedForFace};
    ParentBackground background = SkinData.GetParentBackground();
    // Nobody behind: the cache as it stands is the background.
    if (!background.IsKnown())
        background = SelfBackground(face);
    SkinData.PaintFaceTo(face, background, {0, 0, face.Width, face.Height}, SkinData.IsActive() && !ReadOnly ? 1 : 0);
    PaintCaption(dc, face);
    PaintCheck(face);
    if (!Enabled())
        ApplyDisabledLook(face, DisabledKind, background, SkinData.StateColour(0));
    SkinData.CacheStale = false;
}

template <typename Handling>
LRESULT TsRadioButton::WithoutRedraw(Handling handling)
{
    // The button control paints its own look straight to the screen on focus and check changes.
    const win32::RedrawSuspension suspension(Handle());
    return handling();
}

void TsRadioButton::PaintRadio(HDC dc)
{
    if (!dc || (Animation().CaptureMode && dc != SkinData.PrintTarget))
        return;
    if (SkinData.MustSkipPaint())
        return;
    // A running fade puts its own frames on the window; its cache already holds the new face.
    if (m_fader.Running() && dc != SkinData.PrintTarget)
        return;
    const PixelRect bounds = WindowBounds();
    RECT client{};
    GetClientRect(GetParent(Handle()), &client);
    SkinData.Clipped =
        bounds.Left < 0 || bounds.Top < 0 || bounds.Right > client.right || bounds.Bottom > client.bottom;
    BuildCache();
    if (SkinData.CacheBitmap.Empty())
        return;
    BitBlt(dc, 0, 0, SkinData.CacheBitmap.Width(), SkinData.CacheBitmap.Height(), SkinData.CacheBitmap.Dc(), 0, 0,
           SRCCOPY);
}

void TsRadioButton::RepaintNow()
{
    SkinData.CacheStale = true;
    if (Handle() && IsWindowVisible(Handle()))
        RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TsRadioButton::ShowChange(TacAnimatEvent event)
{
    // Every paint rebuilds the cache, so it holds the face being left.
    m_fader.AnimatEvents = AnimatEvents;
    m_fader.ShowChange(event);
}

void TsRadioButton::AdjustSize()
{
    if (!AutoSize || !SkinnedNow())
        return;
    const std::wstring caption = Text();
    PixelSize text;
    if (!caption.empty()) {
        win32::WindowDC dc(Handle());
        win32::SelectObjectGuard font(dc.get(), Font() ? static_cast<HGDIOBJ>(Font()) : ui::DefaultFont());
        text = MeasureText(dc.get(), caption, DT_SINGLELINE, 0);
    }
    const PixelSize size = RadioAutoSize(GlyphSize(), text, Margin, TextIndent);
    SetWindowPos(Handle(), nullptr, 0, 0, size.Width, size.Height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

bool TsRadioButton::AskCanModify()
{
    // Whatever the answer makes happen meanwhile (a message box moving the focus, say) is no
    // click of its own.
    const win32::FlagScope asking(m_asking);
    return CanModify();
}

bool TsRadioButton::OnReflectedCommand(WORD code)
{
    if (code != BN_CLICKED && code != BN_DOUBLECLICKED)
        return false;
    // The platform reports a radio button that takes the focus unchecked as clicked: while the
    // button takes the focus itself, the press decides.
    if (m_focusing || m_inClickCommand || m_asking)
        return true;
    m_inClickCommand = true;
    struct Leave {
        bool& flag;
        ~Leave() { flag = false; }
    } leave{m_inClickCommand};
    try {
        if (!ReadOnly && AskCanModify())
            SetChecked(true);
    } catch (const std::exception& error) {
        ui::ReportUncaughtError(error);
    }
    return true;
}

void TsRadioButton::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>&)
{
    if (sender != SkinData.Manager())
        return;
    m_fader.Stop();
    if (change == SkinChange::Remove) {
        Invalidate(true);
    } else if (change == SkinChange::Refresh) {
        AdjustSize();
        RepaintNow();
    }
}

void TsRadioButton::MoveToSibling(bool forward)
{
    // The radio buttons beside this one, in their parent's order, the hidden and disabled ones
    // left out; the move wraps round at either end.
    std::vector<TsRadioButton*> buttons;
    const HWND parent = GetParent(Handle());
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (auto* button = dynamic_cast<TsRadioButton*>(ui::Window::FromHandle(child));
            button && (button == this || (IsWindowVisible(child) && IsWindowEnabled(child))))
            buttons.push_back(button);
    const auto self = std::find(buttons.begin(), buttons.end(), this);
    if (buttons.size() < 2 || self == buttons.end())
        return;
    const std::size_t at = static_cast<std::size_t>(self - buttons.begin());
    TsRadioButton& next = *buttons[(at + (forward ? 1 : buttons.size() - 1)) % buttons.size()];
    {
        const win32::FlagScope focusing(next.m_focusing);
        SetFocus(next.Handle());
    }
    if (!next.ReadOnly && !next.Checked() && next.AskCanModify())
        next.SetChecked(true);
}

bool TsRadioButton::ParentReady()
{
    if (SkinData.MustSkipPaint() || SkinData.Clipped) {
        SkinData.PaintSuspended = false;
        win32::WindowDC dc(Handle());
        PaintRadio(dc.get());
    }
    return true;
}

LRESULT TsRadioButton::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // The arrow keys move the selection among the radio buttons of the same parent, wherever
    // the controls around them begin their groups.
    if (message == WM_GETDLGCODE)
        return Window::WindowProc(message, wParam, lParam) | DLGC_WANTARROWS;
    if (message == WM_KEYDOWN && (wParam == VK_UP || wParam == VK_DOWN || wParam == VK_LEFT || wParam == VK_RIGHT)) {
        MoveToSibling(wParam == VK_DOWN || wParam == VK_RIGHT);
        return 0;
    }
    if (message == SKM_COMMAND) {
        return AnswerOrPassOn(*this, wParam, lParam, [&]() -> LRESULT {
            switch (EngineCommandOf(wParam)) {
            case SKC_PREPARECACHE:
                BuildCache();
                return 0;
            case SKC_STOPFADE:
                m_fader.StopFadeCommand();
                return 0;
            default:
                return Window::WindowProc(message, wParam, lParam);
            }
        });
    }
    if (!SkinnedNow())
        return Window::WindowProc(message, wParam, lParam);
    const bool enabled = Enabled();
    switch (message) {
    case WM_PAINT: {
        win32::PaintDC paint(Handle());
        const int saved = SaveDC(paint.get());
        PaintRadio(paint.get());
        RestoreDC(paint.get(), saved);
        return 0;
    }
    case WM_PRINTCLIENT:
    case WM_PRINT:
        SkinData.PaintSuspended = false;
        PaintRadio(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_NCPAINT:
    case BM_SETSTATE:
        return 0;
    case WM_SHOWWINDOW:
        if (wParam == 0)
            m_fader.Stop();
        return Window::WindowProc(message, wParam, lParam);
    case WM_ENABLE:
        // The button control would paint its own disabled look.
        m_fader.Stop();
        m_pressing = false;
        Perform(ui::CM_ENABLEDCHANGED, wParam != 0 ? 1 : 0);
        return 0;
    case WM_SETFOCUS: {
        if (!enabled)
            break;
        const LRESULT result = WithoutRedraw([&] { return Window::WindowProc(message, wParam, lParam); });
        ShowChange(aeMouseEnter);
        return result;
    }
    case WM_KILLFOCUS: {
        if (!enabled)
            break;
        const LRESULT result = WithoutRedraw([&] { return Window::WindowProc(message, wParam, lParam); });
        SkinData.HasFocus = false;
        SkinData.MouseInside = false;
        m_pressing = false;
        ShowChange(aeMouseLeave);
        return result;
    }
    case BM_SETCHECK: {
        const LRESULT result = WithoutRedraw([&] { return DefaultProc(message, wParam, lParam); });
        ShowChange(aeMouseUp);
        return result;
    }
    case WM_KEYDOWN:
        if (wParam != VK_SPACE || !enabled)
            break;
        if (ReadOnly || !AskCanModify())
            return 0;
        if (!m_pressing) {
            m_pressing = true;
            m_focusing = true;
            SetFocus(Handle());
            m_focusing = false;
            ShowChange(aeMouseDown);
        }
        return 0;
    case WM_CHAR:
        if (wParam == L' ')
            return 0;
        break;
    case WM_KEYUP:
        if (!enabled || ReadOnly)
            break;
        if (m_pressing) {
            m_pressing = false;
            SetChecked(true);
            ShowChange(aeMouseUp);
            return 0;
        }
        break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!enabled || ReadOnly)
            return 0;
        m_pressing = true;
        ShowChange(aeMouseDown);
        m_focusing = true;
        SetFocus(Handle());
        m_focusing = false;
        return 0;
    case WM_LBUTTONUP:
        if (!enabled)
            return 0;
        if (!ReadOnly && m_pressing && AskCanModify())
            SetChecked(true);
        m_pressing = false;
        ShowChange(aeMouseUp);
        return 0;
    case ui::CM_MOUSEENTER:
        Window::WindowProc(message, wParam, lParam);
        if (enabled)
            ShowChange(aeMouseEnter);
        return 0;
    case ui::CM_MOUSELEAVE:
        Window::WindowProc(message, wParam, lParam);
        if (enabled) {
            m_pressing = false;
            ShowChange(aeMouseLeave);
        }
        return 0;
    case ui::CM_ENABLEDCHANGED:
        Window::WindowProc(message, wParam, lParam);
        RepaintNow();
        return 0;
    case ui::CM_TEXTCHANGED:
        Window::WindowProc(message, wParam, lParam);
        if (AutoSize)
            WordWrap = false;
        AdjustSize();
        RepaintNow();
        return 0;
    default:
        break;
    }
    return Window::WindowProc(message, wParam, lParam);
}

} // namespace korvane
