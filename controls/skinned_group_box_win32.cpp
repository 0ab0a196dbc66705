#include "controls/skinned_group_box_win32.h"

#include "controls/control_kind.h"
#include "controls/windowless_children_win32.h"
#include "gfx/color_ops.h"
#include "gfx/piece_copy.h"
#include "render/fade_timer.h"
#include "render/section_background.h"
#include "render/skin_paint_source.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/font.h"
#include "ui/graphic_control.h"
#include "win32/dc_guards.h"

#include <optional>

namespace korvane {

namespace {

constexpr wchar_t kGroupBoxClass[] = L"TsGroupBox";

} // namespace

TsGroupBox::CommandFront::CommandFront(TsGroupBox& box) : m_box(box)
{
    Attach(box);
}

std::optional<bool> TsGroupBox::CommandFront::UpdatingAnswer()
{
    return m_box.SkinData.CacheStale || m_box.SkinData.MustSkipPaint();
}

bool TsGroupBox::CommandFront::BackgroundAnswer(BackgroundRequest& request)
{
    if (m_box.m_captionSkin.empty() || !m_box.SkinnedNow() || m_box.SkinData.CacheBitmap.Empty())
        return false;
    request.AnswerKind = kAnswerBitmap;
    request.Bitmap = m_box.SkinData.CacheBitmap.View();
    request.OffsetX = 0;
    request.OffsetY = 0;
    return true;
}

bool TsGroupBox::CommandFront::OnMessage(ui::Message& message)
{
    if (message.Id != SKM_COMMAND)
        return false;
    if (const std::optional<LRESULT> answered =
            AnswerEngineCommand(*this, message.WParam, message.LParam, [&] { return CallNext(message); })) {
        message.Result = *answered;
        return true;
    }
    return false;
}

void TsGroupBox::CommandFront::SkinChanged(SkinChange change, const SkinManagerCore* sender,
                                           const std::function<void()>& rest)
{
    // The children take a new skin first; the box's skin data then resolves its own.
    if (change == SkinChange::Set)
        TellChildrenSkinChanged(m_box.Handle(), change, sender);
    rest();
}

TsGroupBox::TsGroupBox(ui::Window& parent, const PixelRect& bounds, std::wstring_view caption)
    : SkinData(*this, true, kKindGroupBox)
    , m_parent(parent)
{
    RegisterOwnClass(kGroupBoxClass, 0, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateOwnWindow(kGroupBoxClass, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN,
                    bounds, parent.Handle(), nullptr, caption);
    SetFont(ui::DefaultFont());
    SkinData.AfterLoad();
}

TsGroupBox::~TsGroupBox()
{
    SkinData.Destroying = true;
}

bool TsGroupBox::SkinnedNow() const
{
    return SkinData.IsSkinned(true) && Handle() && !SkinData.Destroying;
}

void TsGroupBox::SetCaptionLayout(TsGroupCaptionLayout layout)
{
    if (layout == m_captionLayout)
        return;
    m_captionLayout = layout;
    if (!Text().empty())
        SkinData.Invalidate();
}

void TsGroupBox::SetCaptionYOffset(int offset)
{
    if (offset == m_captionYOffset)
        return;
    m_captionYOffset = offset;
    SkinData.Invalidate();
}

void TsGroupBox::SetCaptionSkin(std::u16string_view section)
{
    if (section == m_captionSkin)
        return;
    m_captionSkin = std::u16string(section);
    SkinData.Invalidate();
}

HGDIOBJ TsGroupBox::FontObject() const
{
    return Font() ? static_cast<HGDIOBJ>(Font()) : ui::DefaultFont();
}

PixelSize TsGroupBox::TextExtent(const std::wstring& text) const
{
    // Measured in the cache's context when there is one (a paint measures twice), else in the
    // screen's; the font is selected only for the measuring, never left where it could outlive it.
    const auto measure = [&](HDC dc) {
        win32::SelectObjectGuard font(dc, FontObject());
        return MeasureText(dc, text, DT_SINGLELINE | DT_NOPREFIX, 0);
    };
    if (const HDC cache = SkinData.CacheBitmap.Dc())
        return measure(cache);
    const win32::WindowDC screen(nullptr);
    return measure(screen.get());
}

int TsGroupBox::CaptionHeight() const
{
    return GroupCaptionHeight(TextExtent(L"W").Height);
}

int TsGroupBox::CaptionTextWidth() const
{
    const std::wstring caption = Text();
    return caption.empty() ? 0 : TextExtent(caption).Width;
}

PixelRect TsGroupBox::CaptionRect() const
{
    GroupCaptionFacts facts;
    facts.Width = WindowBounds().Width();
    facts.TextWidth = CaptionTextWidth();
    facts.CaptionHeight = CaptionHeight();
    facts.CaptionYOffset = m_captionYOffset;
    facts.Skinned = SkinData.IsSkinned();
    facts.RightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0;
    facts.Layout = m_captionLayout;
    return GroupCaptionRect(facts);
}

void TsGroupBox::BuildCache()
{
    SkinData.PrepareCache();
    const BitmapView face = SkinData.CacheBitmap.View();
    if (face.IsEmpty() || !SkinData.IsSkinned())
        return;
    const ParentBackground background = SkinData.GetParentBackground();
    const PixelRect caption = CaptionRect();
    // The strip above the frame shows what lies behind the box.
    if (background.IsBitmap && !background.Bitmap.IsEmpty())
        CopyRect(face, 0, 0, background.Bitmap, BoundsRect(background.X, background.Y, face.Width, caption.Height()));
    else if (m_parent.Handle())
        FillRectColor(face, {0, 0, face.Width, caption.Bottom}, background.Color);
    const int frameTop = GroupFrameTop(caption, m_captionYOffset);
    SkinData.PaintFaceTo(face, background, {0, frameTop, face.Width, face.Height}, 0);
    if (!Text().empty())
        PaintCaption(caption, background);
    SkinData.CacheStale = false;
}

void TsGroupBox::PaintCaption(const PixelRect& caption, const ParentBackground& background)
{
    const BitmapView face = SkinData.CacheBitmap.View();
    SkinManagerCore* manager = SkinData.Manager();
    if (face.IsEmpty() || !manager)
        return;
    const SkinPaintSource* source = manager == SkinManagerCore::DefaultManager() ? DefaultSkinPaintSource() : nullptr;
    if (!m_captionSkin.empty()) {
        // A caption section that the skin lacks paints nothing under the caption.
        const int index = manager->Tables().FindSection(m_captionSkin);
        if (index >= 0) {
            const bool focused = GetFocus() == Handle();
            PaintSectionFace({index, m_captionSkin}, SelfBackground(face), source, face, caption, focused ? 1 : 0);
        }
    } else if (background.IsBitmap) {
        const std::u16string checkBox = u"CHECKBOX";
        const int index = manager->Tables().FindSection(checkBox);
        if (index >= 0)
            PaintSectionFace({index, checkBox}, background, source, face, caption, 0);
    } else {
        FillRectColor(face, caption, background.Color);
    }
    GdiFlush();
    const std::wstring text = Text();
    const bool rightToLeft = (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING) != 0;
    {
        const HDC dc = SkinData.CacheBitmap.Dc();
        win32::SelectObjectGuard font(dc, FontObject());
        DrawSkinnedText(dc, text, true, false, SkinData,
                        DT_CENTER | DT_VCENTER | DT_SINGLELINE | (rightToLeft ? DT_RTLREADING : 0), caption,
                        &m_glowWork);
        GdiFlush();
    }
}

void TsGroupBox::PaintGroupBox(HDC dc)
{
    if (!SkinnedNow() || !IsWindowVisible(Handle()))
        return;
    if (Animation().CaptureMode && dc != SkinData.PrintTarget)
        return;
    if (SkinData.MustSkipPaint())
        return;
    const PixelRect bounds = WindowBounds();
    if (SkinData.BackgroundFollowsPosition()) {
        RECT client{};
        GetClientRect(m_parent.Handle(), &client);
        const POINT topLeft{bounds.Left + 1, bounds.Top + 1};
        const POINT bottomRight{bounds.Right - 1, bounds.Bottom - 1};
        SkinData.Clipped = !PtInRect(&client, topLeft) || !PtInRect(&client, bottomRight);
    } else {
        SkinData.Clipped = false;
    }
    if (!SkinData.UrgentPainting)
        BuildCache();
    SkinData.PaintOwnBackgroundTo(dc, {0, 0, bounds.Width(), bounds.Height()}, {0, 0}, false);
    PaintWindowlessChildren(dc, *this, {0, 0});
    NotifyParentReady(*this);
}

void TsGroupBox::PaintUnskinned(HDC dc)
{
    // The caller's context (a print, a paint) is left as it was found.
    const int saved = SaveDC(dc);
    PaintPlatformLook(dc);
    RestoreDC(dc, saved);
}

void TsGroupBox::PaintPlatformLook(HDC dc)
{
    RECT r{};
    GetClientRect(Handle(), &r);
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    win32::SelectObjectGuard font(dc, FontObject());
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    RECT frame = r;
    frame.top += metrics.tmHeight / 2 - 1;
    DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
    const std::wstring caption = Text();
    if (!caption.empty()) {
        const PixelRect strip = CaptionRect();
        RECT text{strip.Left, strip.Top, strip.Right, strip.Bottom};
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        SetBkMode(dc, OPAQUE);
        SetTextColor(dc, GetSysColor(IsWindowEnabled(Handle()) ? COLOR_BTNTEXT : COLOR_GRAYTEXT));
        DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    PaintGraphicControls(dc, {r.left, r.top, r.right, r.bottom});
}

bool TsGroupBox::ParentReady()
{
    if (SkinData.PaintSuspended) {
        SkinData.PaintSuspended = false;
        if (!SkinData.MustSkipPaint() && IsWindowVisible(Handle()))
            RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    }
    return true;
}

void TsGroupBox::Repaint()
{
    SkinData.CacheStale = true;
    if (Handle())
        RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_ALLCHILDREN | RDW_ERASE | RDW_INVALIDATE);
}

void TsGroupBox::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>&)
{
    // A new skin reached the children before the box's skin data (the front hook).
    if (change == SkinChange::Set)
        return;
    TellChildrenSkinChanged(Handle(), change, sender);
    if (sender == SkinData.Manager())
        Repaint();
}

LRESULT TsGroupBox::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SKM_COMMAND) {
        return AnswerOrPassOn(*this, wParam, lParam, [&]() -> LRESULT {
            if (EngineCommandOf(wParam) != SKC_SETURGENT)
                return Window::WindowProc(message, wParam, lParam);
            if (SkinData.UrgentPainting)
                BuildCache();
            return 0;
        });
    }
    const bool skinned = SkinnedNow();
    switch (message) {
    case WM_PAINT: {
        win32::PaintDC paint(Handle());
        if (skinned)
            PaintGroupBox(paint.get());
        else
            PaintUnskinned(paint.get());
        return 0;
    }
    case WM_PRINT:
    case WM_PRINTCLIENT:
        SkinData.PaintSuspended = false;
        if (skinned)
            PaintGroupBox(reinterpret_cast<HDC>(wParam));
        else
            PaintUnskinned(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_ERASEBKGND:
        return 1;
    case WM_MOVE:
        SkinData.CacheStale = SkinData.CacheStale || SkinData.BackgroundFollowsPosition();
        break;
    case WM_WINDOWPOSCHANGED:
    case ui::CM_VISIBLECHANGED:
        SkinData.CacheStale = true;
        break;
    case ui::CM_TEXTCHANGED:
        SkinData.Invalidate();
        break;
    case ui::CM_FONTCHANGED:
        if (!Text().empty())
            SkinData.Invalidate();
        break;
    case ui::CM_ENABLEDCHANGED:
        SkinData.Invalidate();
        break;
    default:
        break;
    }
    return Window::WindowProc(message, wParam, lParam);
}

} // namespace korvane
