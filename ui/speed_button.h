#pragma once

#include "ui/graphic_control.h"
#include "ui/handle.h"

#include <functional>

namespace korvane::ui {

// A windowless button drawn by its parent, showing a 16 x 16 glyph whose white pixels are
// transparent. It clicks when the left button goes down and comes up inside it.
class SpeedButton : public GraphicControl {
public:
    SpeedButton(Window& parent, const Bounds& bounds);

    void SetGlyph(OwnedBitmap glyph);
    HBITMAP Glyph() const { return m_glyph.get(); }
    bool Down() const { return m_down; }
    // Presses the button from code.
    void Click();

    void Paint(HDC dc) override;
    void MouseDown(POINT point) override;
    void MouseUp(POINT point) override;
    void MouseMove(POINT point) override;

    std::function<void()> on_click;

protected:
    void OnMouseEnter() override { Invalidate(); }
    void OnMouseLeave() override { Invalidate(); }

private:
    OwnedBitmap m_glyph;
    bool m_pressing = false;
    bool m_down = false;
};

} // namespace korvane::ui
