#include "windows/button_wnd_win32.h"

#include "controls/focus_frame.h"
#include "render/glow.h"
#include "render/skin_tables_source.h"
#include "windows/adapted_control_layout.h"
#include "windows/adapter_face_win32.h"
#include "windows/skin_manager_win32.h"

namespace korvane {

TacBtnWnd::TacBtnWnd(HWND window, std::u16string_view section, TsSkinManager* manager)
    : TacFaceWnd(window, section, manager)
{
}

TacBtnWnd::~TacBtnWnd()
{
    HideGlow();
}

void TacBtnWnd::HideGlow()
{
    if (m_glow >= 0)
        korvane::HideGlow(m_glow);
    m_glow = -1;
}

FaceState TacBtnWnd::ButtonState() const
{
    return StateOf(static_cast<UINT>(SendMessageW(Window(), BM_GETSTATE, 0, 0)));
}

FaceState TacBtnWnd::StateOf(UINT buttonState) const
{
    PushButtonFacts facts;
    facts.Pushed = (buttonState & BST_PUSHED) != 0;
    facts.Enabled = IsWindowEnabled(Window()) != FALSE;
    facts.Focused = HasFocus || GetFocus() == Window();
    facts.Hot = Hot();
    facts.Default = (GetWindowLongW(Window(), GWL_STYLE) & BS_TYPEMASK) == BS_DEFPUSHBUTTON;
    return PushButtonState(facts);
}

UINT TacBtnWnd::CaptionFlags() const
{
    const auto style = static_cast<DWORD>(GetWindowLongW(Window(), GWL_STYLE));
    UINT flags = DT_CENTER | DT_EXPANDTABS;
    if ((style & BS_MULTILINE) == 0)
        flags |= DT_WORDBREAK;
    if (GetWindowLongW(Window(), GWL_EXSTYLE) & WS_EX_RTLREADING)
        flags |= DT_RTLREADING;
    return flags;
}

PixelRect TacBtnWnd::CaptionRect()
{
    return CaptionRect((SendMessageW(Window(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0);
}

PixelRect TacBtnWnd::CaptionRect(bool pushed)
{
    const PixelSize size = WindowSizeOf(Window());
    const UINT flags = (CaptionFlags() & ~DT_RTLREADING) | DT_NOPREFIX;
    const int limit = PushCaptionWidthLimit(size.Width, !WindowCaption().empty(), 0);
    const PixelSize text = MeasureText(Cache().Dc(), WindowCaption(), flags, limit);
    return PushCaptionRect(size.Width, size.Height, text, pushed);
}

void TacBtnWnd::BuildFace(const TsSkinManager& manager)
{
    // The button is asked for its state once per face.
    const auto buttonState = static_cast<UINT>(SendMessageW(Window(), BM_GETSTATE, 0, 0));
    const int state = StateOf(buttonState);
    const ParentBackground background = PaintSection(manager, state);
    if (Cache().Empty())
        return;
    {
        const WindowFontSelection font(Cache().Dc(), Window());
        const PixelRect caption = CaptionRect((buttonState & BST_PUSHED) != 0);
        DrawCaption(manager, WindowCaption(), CaptionFlags(), caption, state != 0);
        const bool focused = (buttonState & BST_FOCUS) != 0;
        const SkinTables& tables = manager.Tables();
        if (IsWindowEnabled(Window()) && focused && !WindowCaption().empty() && tables.IsValidSection(SectionIndex()) &&
            tables.Sections[static_cast<std::size_t>(SectionIndex())].ShowFocus) {
            DrawFocusFrame(Cache().View(), {caption.Left - 1, caption.Top - 1, caption.Right + 1, caption.Bottom + 1},
                           GetSysColor(COLOR_BTNFACE), 0);
        }
    }
    FadeWhenDisabled(background);
}

void TacBtnWnd::ShowHover()
{
    const TsSkinManager* manager = Manager();
    if (Hot() && manager) {
        const SkinTablesPaintSource source(manager->Tables());
        m_glow = UpdateWindowGlow(Window(), m_glow, false, SectionIndex(), &source);
    } else {
        HideGlow();
    }
}

std::optional<LRESULT> TacBtnWnd::FaceMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_MOVE: {
        // A face that shows what lies behind the button follows it.
        const LRESULT result = CallPrevious(message, wParam, lParam);
        const SkinTables& tables = Manager()->Tables();
        if (tables.IsValidSection(SectionIndex())) {
            const TsGeneralData& section = tables.Sections[static_cast<std::size_t>(SectionIndex())];
            if (section.Props[0].Transparency > 0 || (section.Props[1].Transparency > 0 && ButtonState() != 0))
                RedrawFace();
        }
        return result;
    }
    case WM_DESTROY:
        HideGlow();
        break;
    default:
        break;
    }
    return std::nullopt;
}

} // namespace korvane
