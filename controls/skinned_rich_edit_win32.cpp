#include "controls/skinned_rich_edit_win32.h"

#include "controls/control_answers_win32.h"
#include "controls/control_kind.h"
#include "controls/rich_edit_colours.h"
#include "skin/engine_commands.h"
#include "skin/skin_manager_core.h"
#include "ui/application.h"

#include <richedit.h>

namespace korvane {

namespace {

constexpr LPARAM kTextLimit = 0x7FFFFFF0;

} // namespace

TsRichEdit::TsRichEdit(ui::Window& parent, const PixelRect& bounds)
    : RichEdit(parent, bounds)
    , SkinData(*this, true, kKindRichEdit)
    , BoundLabel(*this, SkinData)
{
    Send(EM_EXLIMITTEXT, 0, kTextLimit);
    SkinData.AfterLoad();
}

TsRichEdit::~TsRichEdit()
{
    SkinData.Destroying = true;
    m_editAdapter.reset();
}

void TsRichEdit::SetDisabledKind(TsDisabledKind kind)
{
    ChangeDisabledKind(m_disabledKind, kind, SkinData);
}

void TsRichEdit::AttachEditAdapter()
{
    korvane::AttachEditAdapter(SkinData, Handle(), m_editAdapter);
}

bool TsRichEdit::Ready() const
{
    return ControlWindowReady(Handle(), SkinData);
}

bool TsRichEdit::Skinned() const
{
    return SkinData.IsSkinned(true);
}

void TsRichEdit::ApplyEnabledColours(bool enabled)
{
    const TsGeneralData* section = SkinData.Section();
    if (section && !SkinData.CustomColor()) {
        const auto background = static_cast<COLORREF>(section->Color) & 0xFFFFFF;
        const auto text = static_cast<COLORREF>(section->FontColor[1]) & 0xFFFFFF;
        SetBackgroundColor(background);
        SetDefaultTextColor(enabled ? text : DisabledRichTextColour(text, background));
    }
    Invalidate();
}

LRESULT TsRichEdit::PrintTo(HDC dc)
{
    const int border = m_editAdapter ? m_editAdapter->BorderWidth() : 2;
    RECT window{};
    GetWindowRect(Handle(), &window);
    const int width = window.right - window.left - 2 * border - (m_editAdapter ? m_editAdapter->VertBarWidth() : 0);
    const int height = window.bottom - window.top - 2 * border - (m_editAdapter ? m_editAdapter->HorzBarHeight() : 0);
    const int saved = SaveDC(dc);
    POINT origin{};
    OffsetViewportOrgEx(dc, border, border, &origin);
    IntersectClipRect(dc, 0, 0, width, height);
    Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    // The rich edit's own printing of its client renders the text (its page rendering draws
    // nothing into a foreign context on every platform).
    DefaultProc(WM_PRINT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    RestoreDC(dc, saved);
    SkinData.PaintSuspended = false;
    if (m_editAdapter && (GetWindowLongW(Handle(), GWL_EXSTYLE) & WS_EX_CLIENTEDGE))
        m_editAdapter->PrintFrame(dc);
    return 2;
}

void TsRichEdit::SkinChanged(SkinChange change, const SkinManagerCore* sender, const std::function<void()>& rest)
{
    const bool own = sender == SkinData.Manager();
    if (change == SkinChange::Remove && own && !SkinData.Destroying) {
        // Freeing the adapter gives the window its platform border back.
        m_editAdapter.reset();
        if (!SkinData.CustomFont() && FontColor() != CLR_INVALID)
            SetDefaultTextColor(FontColor());
    } else if (change == SkinChange::Refresh && own && Handle() && IsWindowVisible(Handle())) {
        if (const TsGeneralData* section = SkinData.Section(); section && !SkinData.CustomFont()) {
            const auto text = static_cast<COLORREF>(section->FontColor[1]) & 0xFFFFFF;
            if (text != DefaultTextColor())
                SetDefaultTextColor(text);
        }
        AttachEditAdapter();
        Send(WM_NCPAINT, 1);
    }
    rest();
}

bool TsRichEdit::ParentReady()
{
    if (SkinData.MustSkipPaint()) {
        SkinData.PaintSuspended = false;
        Send(WM_NCPAINT, 1);
    }
    return true;
}

LRESULT TsRichEdit::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == SKM_COMMAND)
        return AnswerOrPassOn(*this, wParam, lParam, [&] { return RichEdit::WindowProc(message, wParam, lParam); });
    const bool skinned = Ready() && Skinned();
    switch (message) {
    case WM_PRINT:
        if (skinned && wParam)
            return PrintTo(reinterpret_cast<HDC>(wParam));
        break;
    case WM_SIZE:
    case EM_STREAMIN: {
        const LRESULT result = RichEdit::WindowProc(message, wParam, lParam);
        if (skinned)
            Send(WM_NCPAINT, 1);
        if (message == WM_SIZE)
            BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    }
    case ui::CM_ENABLEDCHANGED: {
        const LRESULT result = RichEdit::WindowProc(message, wParam, lParam);
        if (skinned)
            ApplyEnabledColours(wParam != 0);
        BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    }
    case ui::CM_SHOWINGCHANGED: {
        const LRESULT result = RichEdit::WindowProc(message, wParam, lParam);
        AttachEditAdapter();
        return result;
    }
    case ui::CM_COLORCHANGED: {
        // The rich edit paints its background itself: a new colour of the control is passed on.
        const COLORREF colour = Color();
        if (colour != CLR_INVALID && colour != m_shownBackground && Handle()) {
            m_shownBackground = colour;
            Send(EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(colour));
        }
        break;
    }
    case WM_WINDOWPOSCHANGED:
    case ui::CM_VISIBLECHANGED: {
        const LRESULT result = RichEdit::WindowProc(message, wParam, lParam);
        BoundLabel.ControlChanged(message, wParam, m_disabledKind.Blended);
        return result;
    }
    default:
        break;
    }
    return RichEdit::WindowProc(message, wParam, lParam);
}

} // namespace korvane
