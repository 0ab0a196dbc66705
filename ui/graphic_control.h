#pragma once

#include "ui/window.h"

#include <windows.h>

namespace korvane::ui {

// A control without a window of its own: its parent paints it (WM_PAINT, WM_PRINTCLIENT) and
// passes it the mouse messages that fall inside its bounds. Engine commands reach it directly
// through HandleEngineCommand.
class GraphicControl {
public:
    GraphicControl(Window& parent, const Bounds& bounds);
    GraphicControl(const GraphicControl&) = delete;
    GraphicControl& operator=(const GraphicControl&) = delete;
    virtual ~GraphicControl();

    Window& Parent() const { return m_parent; }
    const Bounds& ControlBounds() const { return m_bounds; }
    RECT ControlRect() const;
    bool Enabled() const { return m_enabled; }
    void SetEnabled(bool enabled);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    bool MouseInside() const { return m_mouseInside; }
    // Repaints the control's part of the parent.
    void Invalidate();

    virtual void Paint(HDC dc) = 0;
    // SKM_COMMAND dispatched directly to the control; true when answered. A control with a skin
    // section answers through its SkinLink first.
    virtual bool HandleEngineCommand(WPARAM wParam, LPARAM lParam, LRESULT& result)
    {
        return m_skin.HandleCommand(wParam, lParam, result);
    }
    SkinLink& Skin() { return m_skin; }
    const SkinLink& Skin() const { return m_skin; }

    // Mouse input in the parent's client coordinates, routed by the parent.
    virtual void MouseDown(POINT /*point*/) {}
    virtual void MouseUp(POINT /*point*/) {}
    virtual void MouseMove(POINT /*point*/) {}
    void MouseEnter();
    void MouseLeave();

protected:
    virtual void OnMouseEnter() {}
    virtual void OnMouseLeave() {}
    virtual void OnEnabledChanged(bool /*enabled*/) {}
    virtual void OnVisibilityChanged(bool /*visible*/) {}

private:
    Window& m_parent;
    Bounds m_bounds;
    bool m_enabled = true;
    bool m_visible = true;
    bool m_mouseInside = false;
    SkinLink m_skin;
};

} // namespace korvane::ui
