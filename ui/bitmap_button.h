#pragma once

#include "ui/handle.h"
#include "ui/push_button.h"

namespace korvane::ui {

// A push button that may carry a glyph beside its caption (BM_SETIMAGE); without a glyph it
// looks like a push button. The skinned button of the skin engine derives from it.
class BitmapButton : public PushButton {
public:
    BitmapButton(Window& parent, const Bounds& bounds, std::wstring_view caption);
    // Takes the glyph; null removes it.
    void SetGlyph(OwnedBitmap glyph);
    HBITMAP Glyph() const { return m_glyph.get(); }

private:
    OwnedBitmap m_glyph;
};

} // namespace korvane::ui
