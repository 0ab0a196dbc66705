#include "ui/speed_button.h"

#include "win32/dc_guards.h"

namespace korvane::ui {

namespace {

constexpr COLORREF kGlyphTransparentColor = RGB(255, 255, 255);

} // namespace

SpeedButton::SpeedButton(Window& parent, const PixelRect& bounds) : GraphicControl(parent, bounds)
{
}

void SpeedButton::SetGlyph(win32::OwnedBitmap glyph)
{
    m_glyph = std::move(glyph);
    Invalidate();
}

void SpeedButton::SetCaption(std::wstring caption)
{
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

void SpeedButton::Click()
{
    if (on_click)
        on_click();
}

void SpeedButton::Paint(HDC dc)
{
    RECT r = ControlRect();
    UINT state = DFCS_BUTTONPUSH | DFCS_ADJUSTRECT;
    if (m_down)
        state |= DFCS_PUSHED;
    if (!Enabled())
        state |= DFCS_INACTIVE;
    DrawFrameControl(dc, &r, DFC_BUTTON, state);
    if (!m_glyph)
        return;
    BITMAP info{};
    GetObjectW(m_glyph.get(), sizeof info, &info);
    const RECT outer = ControlRect();
    const int offset = m_down ? 1 : 0;
    const int x = outer.left + (outer.right - outer.left - info.bmWidth) / 2 + offset;
    const int y = outer.top + (outer.bottom - outer.top - info.bmHeight) / 2 + offset;
    win32::MemoryDC memory(dc);
    win32::SelectObjectGuard select(memory.get(), m_glyph.get());
    TransparentBlt(dc, x, y, info.bmWidth, info.bmHeight, memory.get(), 0, 0, info.bmWidth, info.bmHeight,
                   kGlyphTransparentColor);
}

void SpeedButton::MouseDown(POINT)
{
    m_pressing = true;
    m_down = true;
    Invalidate();
}

void SpeedButton::MouseMove(POINT point)
{
    if (!m_pressing)
        return;
    const RECT r = ControlRect();
    const bool inside = PtInRect(&r, point) != FALSE;
    if (inside != m_down) {
        m_down = inside;
        Invalidate();
    }
}

void SpeedButton::MouseUp(POINT point)
{
    if (!m_pressing)
        return;
    m_pressing = false;
    m_down = false;
    Invalidate();
    const RECT r = ControlRect();
    if (PtInRect(&r, point) && Enabled())
        Click();
}

} // namespace korvane::ui
