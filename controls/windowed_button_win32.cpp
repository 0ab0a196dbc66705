#include "controls/windowed_button_win32.h"

#include "controls/button_state.h"
#include "controls/mask_region.h"
#include "controls/skin_data_rules.h"
#include "controls/window_region_win32.h"
#include "gfx/color_ops.h"
#include "render/fade_timer.h"
#include "render/section_background.h"
#include "render/skin_paint_source.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "win32/dc_guards.h"
#include "win32/dib_section.h"
#include "win32/rect.h"

#include <algorithm>
#include <vector>

namespace korvane {

namespace {

// The focus is on a push button other than `button`: that one is the active one then.
bool OtherPushButtonFocused(HWND button)
{
    const HWND focused = GetFocus();
    if (!focused || focused == button)
        return false;
    wchar_t name[16] = {};
    GetClassNameW(focused, name, 16);
    const DWORD type = static_cast<DWORD>(GetWindowLongW(focused, GWL_STYLE)) & BS_TYPEMASK;
    return lstrcmpiW(name, L"Button") == 0 &&
           (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_OWNERDRAW);
}

} // namespace

WindowedButtonSkin::WindowedButtonSkin(ui::PushButton& button, TsCtrlSkinData& data, WindowedButtonContent& content)
    : m_button(button)
    , m_data(data)
    , m_content(content)
    , m_fader(data, FadeHooks{
                        .PrepareCache = [this] { BuildCache(); },
                        .Repaint = [this] { Repaint(); },
                        .ShowFrame = [this](const Bitmap32& frame) { ShowFadeFrame(frame); },
                        // A frame replaces the face, not the window's shape: the region that the
                        // new face cut waits for the paint that ends the fade.
                        .FadeFrame =
                            [this](const Bitmap32&) {
                                m_newRegion.reset();
                                return false;
                            },
                    })
{
    Attach(button);
}

WindowedButtonSkin::~WindowedButtonSkin() = default;

bool WindowedButtonSkin::Skinned() const
{
    return m_data.IsSkinned(true) && m_button.Handle();
}

void WindowedButtonSkin::SetOwnerDrawn(bool ownerDrawn)
{
    if (ownerDrawn == m_ownerDrawn || !m_button.Handle())
        return;
    // An owner-drawn button control asks its parent to draw every change (WM_DRAWITEM, answered
    // here) and never paints the platform's face over the skin's. Its own push-button type
    // (default or not) comes back with the platform's look.
    if (ownerDrawn)
        m_defaultStyle = (GetWindowLongW(m_button.Handle(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    m_ownerDrawn = ownerDrawn;
    m_button.Send(BM_SETSTYLE, ownerDrawn ? BS_OWNERDRAW : (m_defaultStyle ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), FALSE);
    if (!ownerDrawn) {
        SetWindowRgn(m_button.Handle(), nullptr, TRUE);
        m_regionApplied = false;
    }
    m_button.Invalidate(false);
}

void WindowedButtonSkin::TakeStyle(ui::Message& message)
{
    const auto type = static_cast<DWORD>(message.WParam) & BS_TYPEMASK;
    if (type == BS_DEFPUSHBUTTON || type == BS_PUSHBUTTON) {
        if (m_defaultStyle != (type == BS_DEFPUSHBUTTON)) {
            m_defaultStyle = type == BS_DEFPUSHBUTTON;
            StateChanged = true;
            m_button.Invalidate(false);
        }
        message.WParam = (message.WParam & ~static_cast<WPARAM>(BS_TYPEMASK)) | BS_OWNERDRAW;
    }
    message.Result = CallNext(message);
}

int WindowedButtonSkin::CurrentState() const
{
    WindowedButtonFacts facts;
    const HWND window = m_button.Handle();
    facts.Pushed = window && (m_button.Send(BM_GETSTATE) & BST_PUSHED) != 0;
    facts.PressedLookFlush = m_pressedLookFlush;
    facts.MouseInside = m_data.MouseInside;
    facts.LeftButtonHeld = (GetKeyState(VK_LBUTTON) & 0x8000) != 0 && GetCapture() == window;
    facts.Down = Down;
    // While owner-drawn the window's type is BS_OWNERDRAW: its default role is the one kept.
    facts.DefaultStyle =
        window &&
        (m_ownerDrawn ? m_defaultStyle : (GetWindowLongW(window, GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON);
    facts.ActiveDefault = window && m_button.IsDefault() && !OtherPushButtonFocused(window);
    facts.Active = m_data.IsActive();
    return WindowedButtonState(facts);
}

int WindowedButtonSkin::DrawingState() const
{
    const TsGeneralData* section = m_data.Section();
    return section ? LimitState(CurrentState(), section->States) : StateNormal;
}

void WindowedButtonSkin::BuildCache()
{
    const ParentBackground background = m_data.GetParentBackground();
    m_data.PrepareCache();
    const BitmapView face = m_data.CacheBitmap.View();
    SkinManagerCore* manager = m_data.Manager();
    if (face.IsEmpty() || !manager || !m_data.IsSkinned()) {
        m_data.CacheStale = false;
        return;
    }
    const int state = DrawingState();
    const PixelRect all{0, 0, face.Width, face.Height};
    const SkinPaintSource* source = manager == SkinManagerCore::DefaultManager() ? DefaultSkinPaintSource() : nullptr;
    PaintSectionBackground(m_data.SectionIndex, m_data.SkinSection(), background,
                           m_data.CustomColor() ? m_data.OwnerColour() : TransparentKey, m_data.HotPatternIndex,
                           m_data.PatternIndex, source, face, 0, 0, all, state);
    const bool makeRegion = StateChanged && !Animation().CaptureMode;
    if (makeRegion)
        m_newRegion.reset(CreateRectRgn(0, 0, face.Width, face.Height));
    // The borders mask over the background; the corners' transparent pixels leave the region.
    if (manager->Tables().IsValidMask(m_data.BorderMaskIndex)) {
        const TsMaskData& mask = manager->Tables().Masks[static_cast<std::size_t>(m_data.BorderMaskIndex)];
        if (state != StateNormal || (mask.DrawMode & 2) == 0) {
            // The cut corners show the parent in the cache too: what printing and animations
            // capture of the button has its true shape.
            const std::vector<PixelRect> runs =
                CutRegionFromMask(face, mask, manager->Tables().MasterBitmap->ReadView(), state, background, true);
            if (makeRegion && !runs.empty())
                m_newRegion = RegionWithout(face.Width, face.Height, runs);
        }
    }
    if (m_data.HueOffset() != 0)
        ShiftHue(face, m_data.HueOffset());
    if (m_data.Saturation() != 0)
        ShiftSaturation(face, m_data.Saturation());
    m_content.PaintContent(m_data.CacheBitmap.Dc(), face, state);
    if (!m_button.Enabled())
        ApplyDisabledLook(m_data.CacheBitmap.View(), DisabledKind, background, m_data.StateColour(0));
    m_data.CacheStale = false;
}

void WindowedButtonSkin::PaintButton(HDC given)
{
    if (Animation().CaptureMode && given != m_data.PrintTarget)
        return;
    std::optional<win32::PaintDC> paint;
    HDC dc = given;
    if (!dc) {
        paint.emplace(m_button.Handle());
        dc = paint->get();
    }
    if (m_data.MustSkipPaint())
        return;
    if (const Bitmap32* shown = m_fader.ShownFadePicture()) {
        // A fade shows its own frames: a paint meanwhile puts back what the fade shows now and
        // builds neither the new face nor a region (both come when the fade ends).
        win32::DrawBitmapView(dc, 0, 0, shown->ReadView());
        return;
    }
    const HWND parent = m_data.ParentWindow();
    const bool parentClipped = WindowIsClipped(parent);
    m_data.CacheStale = m_data.CacheStale || m_data.Clipped || parentClipped;
    const PixelRect bounds = m_button.WindowBounds();
    RECT client{};
    if (parent)
        GetClientRect(parent, &client);
    m_data.Clipped =
        !(bounds.Left >= 0 && bounds.Top >= 0 && bounds.Right <= client.right && bounds.Bottom <= client.bottom);
    const bool redrawWithRegion = !m_regionApplied || SkinLoadInProgress;
    m_newRegion.reset();
    if (StateChanged)
        m_data.CacheStale = true;
    if (m_data.CacheStale)
        BuildCache();
    if (m_data.CacheBitmap.Empty())
        return;
    if (StateChanged && dc != m_data.PrintTarget && m_newRegion)
        ApplyRegion(dc, redrawWithRegion, bounds);
    const int saved = SaveDC(dc);
    BitBlt(dc, 0, 0, m_data.CacheBitmap.Width(), m_data.CacheBitmap.Height(), m_data.CacheBitmap.Dc(), 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
}

void WindowedButtonSkin::ApplyRegion(HDC dc, bool redraw, const PixelRect& bounds)
{
    SkinManagerCore* manager = m_data.Manager();
    const TsMaskData* mask = manager && manager->Tables().IsValidMask(m_data.BorderMaskIndex)
                                 ? &manager->Tables().Masks[static_cast<std::size_t>(m_data.BorderMaskIndex)]
                                 : nullptr;
    if (mask) {
        const int width = m_data.CacheBitmap.Width();
        const int height = m_data.CacheBitmap.Height();
        const HDC face = m_data.CacheBitmap.Dc();
        const int left = mask->LeftWidth;
        const int top = mask->TopWidth;
        const int right = mask->RightWidth;
        const int bottom = mask->BottomWidth;
        BitBlt(dc, 0, 0, left, top, face, 0, 0, SRCCOPY);
        BitBlt(dc, width - right, 0, right, top, face, width - right, 0, SRCCOPY);
        BitBlt(dc, 0, height - bottom, left, bottom, face, 0, height - bottom, SRCCOPY);
        BitBlt(dc, width - right, height - bottom, right, bottom, face, width - right, height - bottom, SRCCOPY);
    }
    // The window owns a region it was given; one it refused is freed here.
    if (SetWindowRgn(m_button.Handle(), m_newRegion.get(), redraw ? TRUE : FALSE))
        m_newRegion.release();
    m_newRegion.reset();
    // Only a button that shrank asks its parent what lies behind it (a round trip per paint
    // otherwise, and every paint of a windowed button comes here).
    const HWND parent = m_data.ParentWindow();
    const std::vector<PixelRect> strips =
        mask && parent && m_regionApplied ? LeftCornerStrips(m_regionBounds, bounds, *mask) : std::vector<PixelRect>{};
    if (!strips.empty() && !m_data.GetParentBackground().IsBitmap) {
        for (const PixelRect& strip : strips) {
            const RECT rect = win32::ToRECT(strip);
            InvalidateRect(parent, &rect, TRUE);
        }
    }
    m_regionApplied = true;
    m_regionBounds = bounds;
}

void WindowedButtonSkin::CancelPress()
{
    m_data.HideGlow();
    if (!Pressing)
        return;
    Pressing = false;
    m_fader.Stop();
    StateChanged = true;
    m_data.CacheStale = true;
    m_button.Invalidate(false);
}

void WindowedButtonSkin::Repaint()
{
    if (m_button.Handle())
        RedrawWindow(m_button.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void WindowedButtonSkin::ShowChange(TacAnimatEvent event)
{
    // The cache still holds the old face: a fade leaves it for the new one, otherwise the button
    // repaints at once.
    m_fader.ShowChange(event);
}

void WindowedButtonSkin::ShowFadeFrame(const Bitmap32& frame)
{
    if (!m_button.Handle())
        return;
    win32::WindowDC dc(m_button.Handle());
    win32::DrawBitmapView(dc.get(), 0, 0, frame.ReadView());
}

bool WindowedButtonSkin::Release(ui::Message& message)
{
    if (!Pressing) {
        m_fader.Stop();
        return false;
    }
    Pressing = false;
    const ReleaseSteps steps = PlanRelease(true, m_fader.Running());
    if (steps.ShowPressedFace) {
        m_fader.Stop();
        m_data.CacheStale = true;
        m_pressedLookFlush = true;
        Repaint();
        m_pressedLookFlush = false;
        Sleep(static_cast<DWORD>(steps.PauseMs));
    }
    m_data.PaintSuspended = false;
    StateChanged = true;
    m_data.CacheStale = false;
    // The button control lifts its pushed state and then reports the click, which may open a
    // modal window: the released face is asked for first, so that window's message loop paints
    // it. When nothing painted it meanwhile, the change is shown here (a fade when animated).
    const HWND window = m_button.Handle();
    m_button.Invalidate(false);
    CallNext(message);
    if (window && IsWindow(window) && GetUpdateRect(window, nullptr, FALSE)) {
        ValidateRect(window, nullptr);
        ShowChange(aeMouseUp);
    }
    m_data.UpdateGlow(true);
    return true;
}

bool WindowedButtonSkin::ParentReady()
{
    if (m_data.MustSkipPaint()) {
        m_data.PaintSuspended = false;
        m_button.Invalidate(false);
    }
    return false;
}

void WindowedButtonSkin::SkinChanged(SkinChange change, const SkinManagerCore* /*sender*/,
                                     const std::function<void()>& rest)
{
    m_fader.Stop();
    if (change == SkinChange::Remove) {
        SetOwnerDrawn(false);
    } else {
        StateChanged = true;
        SetOwnerDrawn(Skinned());
        if (m_button.Handle() && (m_data.StateFlags & kPrinting) == 0)
            m_button.Invalidate(false);
    }
    rest();
}

bool WindowedButtonSkin::OnMessage(ui::Message& message)
{
    if (message.Id == SKM_COMMAND) {
        if (const std::optional<LRESULT> answered =
                AnswerEngineCommand(*this, message.WParam, message.LParam, [&] { return CallNext(message); })) {
            message.Result = *answered;
            return true;
        }
        switch (EngineCommandOf(message.WParam)) {
        case SKC_STOPFADE:
            m_fader.StopFadeCommand();
            message.Result = 0;
            return true;
        case SKC_PREPARECACHE:
            BuildCache();
            return false;
        case SKC_FADEFRAME:
            m_newRegion.reset();
            return false;
        default:
            return false;
        }
    }
    if (!Skinned()) {
        SetOwnerDrawn(false);
        return false;
    }
    SetOwnerDrawn(true);
    switch (message.Id) {
    case WM_PAINT:
        PaintButton(nullptr);
        message.Result = 0;
        return true;
    case WM_PRINTCLIENT:
        StateChanged = true;
        m_data.PaintSuspended = false;
        PaintButton(reinterpret_cast<HDC>(message.WParam));
        message.Result = 0;
        return true;
    case WM_ERASEBKGND:
    case WM_UPDATEUISTATE:
        message.Result = 0;
        return true;
    case ui::CN_DRAWITEM:
        // The control reports a change of its pushed or focus state: the skin paints the face
        // at the next paint. The cache keeps the face on the screen, which a fade starts from.
        StateChanged = true;
        m_button.Invalidate(false);
        message.Result = 1;
        return true;
    case BM_SETSTYLE:
        TakeStyle(message);
        return true;
    case WM_GETDLGCODE:
        // Answered as the push button of its remembered type, so the dialog manager moves the
        // default role to and from it as to any push button.
        message.Result = DLGC_BUTTON | (m_defaultStyle ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON);
        return true;
    case WM_CANCELMODE:
        CallNext(message);
        CancelPress();
        return true;
    case WM_ENABLE:
        // The button control would repaint itself; the skin data still hears of the change.
        m_fader.Stop();
        m_button.Perform(ui::CM_ENABLEDCHANGED, message.WParam);
        if (message.WParam == 0)
            m_data.PaintSuspended = false;
        m_data.Invalidate();
        message.Result = 0;
        return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        if (!m_button.Enabled())
            return false;
        m_data.PaintSuspended = false;
        Pressing = true;
        // The control takes the capture and its pushed state first, then the face shows it.
        CallNext(message);
        if (!Down) {
            StateChanged = true;
            m_data.PaintSuspended = m_data.MustSkipPaint();
            m_data.CacheStale = false;
            ShowChange(aeMouseDown);
        }
        m_data.UpdateGlow(true);
        return true;
    case WM_LBUTTONUP:
        return Release(message);
    case WM_KEYUP:
        if (message.WParam == VK_SPACE) {
            CallNext(message);
            StateChanged = true;
            m_data.CacheStale = true;
            m_button.Invalidate(false);
            m_data.HideGlow();
            return true;
        }
        return false;
    case ui::CM_MOUSEENTER:
    case ui::CM_MOUSELEAVE:
        if (!m_button.Enabled())
            return false;
        // The skin data before this hook has followed the mouse.
        m_data.CacheStale = false;
        ShowChange(message.Id == ui::CM_MOUSEENTER ? aeMouseEnter : aeMouseLeave);
        return false;
    case WM_SHOWWINDOW:
        if (message.WParam == 0)
            m_fader.Stop();
        return false;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (message.Id == WM_KILLFOCUS)
            m_fader.Stop();
        CallNext(message);
        StateChanged = true;
        m_data.Invalidate();
        if (message.Id == WM_KILLFOCUS)
            m_data.HideGlow();
        return true;
    case WM_SETTEXT:
    case WM_SETFONT:
        m_fader.Stop();
        CallNext(message);
        m_data.PaintSuspended = false;
        StateChanged = true;
        m_data.Invalidate();
        return true;
    case WM_MOVE:
        if (const TsGeneralData* section = m_data.Section();
            section && (section->Transparency > 0 || (m_data.IsActive() && section->HotTransparency > 0))) {
            m_data.CacheStale = true;
            m_button.Invalidate(false);
        }
        return false;
    case WM_SIZE:
    case WM_WINDOWPOSCHANGING:
        StateChanged = true;
        return false;
    case WM_WINDOWPOSCHANGED:
        StateChanged = true;
        m_data.CacheStale = true;
        return false;
    default:
        return false;
    }
}

} // namespace korvane
