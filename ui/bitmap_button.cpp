#include "ui/bitmap_button.h"

namespace korvane::ui {

BitmapButton::BitmapButton(Window& parent, const PixelRect& bounds, std::wstring_view caption)
    : PushButton(parent, bounds, caption, 0)
{
}

void BitmapButton::SetGlyph(win32::OwnedBitmap glyph)
{
    m_glyph = std::move(glyph);
    Send(BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(m_glyph.get()));
    Invalidate();
}

} // namespace korvane::ui
