#include "ui/label.h"

#include "win32/dc_guards.h"

#include <algorithm>

namespace korvane::ui {

Label::Label(Window& parent, int left, int top, std::wstring_view caption)
    : Control(parent, L"STATIC", SS_LEFT | SS_NOPREFIX, 0, BoundsRect(left, top, 1, 1), caption)
{
    FitToText();
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
