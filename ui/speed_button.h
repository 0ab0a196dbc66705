#pragma once

#include "ui/graphic_control.h"
#include "win32/unique_handle.h"

#include <functional>
#include <string>

namespace korvane::ui {

// A windowless button drawn by its parent, showing a 16 x 16 glyph whose white pixels are
// transparent. It clicks when the left button goes down and comes up inside it.
class SpeedButton : public GraphicControl {
public:
    std::wstring_view ClassName() const override { return L"TSpeedButton"; }
    SpeedButton(Window& parent, const PixelRect& bounds);

    void SetGlyph(win32::OwnedBitmap glyph);
    HBITMAP Glyph() const { return m_glyph.get(); }
    bool Down() const { return m_down; }
    // The text shown beside the glyph (none by default).
    const std::wstring& Caption() const { return m_caption; }
    void SetCaption(std::wstring caption);
    // Presses the button from code.
    void Click();

    void Paint(HDC dc) override;

    std::function<void()> on_click;

protected:
    void MouseDown(POINT point) override;
    void MouseUp(POINT point) override;
    void MouseMove(POINT point) override;
    void OnMouseEnter() override { Invalidate(); }
    void OnMouseLeave() override { Invalidate(); }

private:
    win32::OwnedBitmap m_glyph;
    std::wstring m_caption;
    bool m_pressing = false;
    bool m_down = false;
};

} // namespace korvane::ui
