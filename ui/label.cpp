#include "ui/label.h"

#include "win32/dc_guards.h"

#include <algorithm>

namespace korvane::ui {

Label::Label(Window& parent, int left, int top, std::wstring_view caption)
    : Control(parent, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, BoundsRect(left, top, 1, 1), caption)
{
    FitToText();
}

void Label::SetAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    FitToText();
}

void Label::SetWordWrap(bool wrap)
{
    // Static controls wrap the words of SS_LEFT, SS_CENTER and SS_RIGHT texts; only a
    // left-aligned text can keep to one line (SS_LEFTNOWORDWRAP).
    LONG style = GetWindowLongW(Handle(), GWL_STYLE);
    if (wrap && (style & SS_TYPEMASK) == SS_LEFTNOWORDWRAP)
        style = (style & ~SS_TYPEMASK) | SS_LEFT;
    else if (!wrap && (style & SS_TYPEMASK) == SS_LEFT)
        style = (style & ~SS_TYPEMASK) | SS_LEFTNOWORDWRAP;
    SetWindowLongW(Handle(), GWL_STYLE, style);
    Invalidate();
}

void Label::SetAlignment(TextAlignment alignment)
{
    const LONG type = alignment == TextAlignment::Center  ? SS_CENTER
                      : alignment == TextAlignment::Right ? SS_RIGHT
                                                          : SS_LEFT;
    SetWindowLongW(Handle(), GWL_STYLE, (GetWindowLongW(Handle(), GWL_STYLE) & ~SS_TYPEMASK) | type);
    Invalidate();
}

void Label::OnTextChanged()
{
    FitToText();
}

void Label::OnFontChanged()
{
    FitToText();
}

void Label::FitToText()
{
    if (!m_autoSize)
        return;
    const std::wstring text = Text();
    win32::WindowDC dc(Handle());
    win32::SelectObjectGuard font(dc.get(), Font() ? static_cast<HGDIOBJ>(Font()) : GetStockObject(DEFAULT_GUI_FONT));
    // Measured the way the static control draws it (DrawText). A scalable face that stands in
    // for the bitmap one (Wine maps "MS Sans Serif" with the Cyrillic set to Liberation Sans)
    // may draw the last glyph a little past its advance: two pixels of room keep it whole.
    RECT r{0, 0, 0, 0};
    DrawTextW(dc.get(), text.c_str(), static_cast<int>(text.size()), &r,
              DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc.get(), &metrics);
    SetWindowPos(Handle(), nullptr, 0, 0, r.right - r.left + 2, std::max<int>(r.bottom - r.top, metrics.tmHeight),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace korvane::ui
