#pragma once

#include "ui/window.h"

#include <windows.h>

namespace korvane::ui {

// A control without a window of its own: its parent paints it (WM_PAINT, WM_PRINTCLIENT) and
// runs the mouse messages that fall inside its bounds along its message path (coordinates as
// the parent received them, in the parent's client area). Engine commands and notifications
// reach it through Perform, as they reach a window through its window procedure.
class GraphicControl : public Component {
public:
    GraphicControl(Window& parent, const PixelRect& bounds);
    ~GraphicControl() override;

    std::wstring_view ClassName() const override { return L"TGraphicControl"; }
    Window& Parent() const { return m_parent; }
    // In the parent's client coordinates.
    const PixelRect& ControlBounds() const { return m_bounds; }
    // Moves or resizes the control, repainting the parent where it was and where it is.
    void SetBounds(const PixelRect& bounds);
    RECT ControlRect() const;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool MouseInside() const { return m_mouseInside; }
    // Repaints the control's part of the parent.
    void Invalidate();

    virtual void Paint(HDC dc) = 0;

protected:
    void HandleMessage(Message& message) override;
    // Mouse input in the parent's client coordinates.
    virtual void MouseDown(POINT /*point*/) {}
    virtual void MouseUp(POINT /*point*/) {}
    virtual void MouseMove(POINT /*point*/) {}
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}
    virtual void OnEnabledChanged(bool /*enabled*/) {}
    virtual void OnVisibilityChanged(bool /*visible*/) {}
    virtual void OnShowingChanged(bool /*showing*/) {}

private:
    Window& m_parent;
    PixelRect m_bounds;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_mouseInside = false;
};

} // namespace korvane::ui
