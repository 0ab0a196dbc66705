#pragma once

#include "win32/unique_handle.h"
#include "ui/push_button.h"

namespace korvane::ui {

// A push button that may carry a glyph beside its caption (BM_SETIMAGE); without a glyph it
// looks like a push button. The skinned button of the skin engine derives from it.
class BitmapButton : public PushButton {
public:
    std::wstring_view ClassName() const override { return L"TBitBtn"; }
    BitmapButton(Window& parent, const PixelRect& bounds, std::wstring_view caption);
    // Takes the glyph; null removes it.
    void SetGlyph(win32::OwnedBitmap glyph);
    HBITMAP Glyph() const { return m_glyph.get(); }

private:
    win32::OwnedBitmap m_glyph;
};

} // namespace korvane::ui
