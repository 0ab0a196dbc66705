#include "ui/graphic_control.h"

#include <windowsx.h>

namespace korvane::ui {

GraphicControl::GraphicControl(Window& parent, const PixelRect& bounds) : m_parent(parent), m_bounds(bounds)
{
    m_parent.AddGraphicControl(*this);
}

GraphicControl::~GraphicControl()
{
    ForgetMouseComponent(this);
    ReleaseHooks();
    m_parent.RemoveGraphicControl(*this);
}

RECT GraphicControl::ControlRect() const
{
    return {m_bounds.Left, m_bounds.Top, m_bounds.Right, m_bounds.Bottom};
}

void GraphicControl::SetBounds(const PixelRect& bounds)
{
    if (bounds == m_bounds)
        return;
    Invalidate();
    m_bounds = bounds;
    // The control hears of its new size as a window does.
    Perform(WM_SIZE, SIZE_RESTORED, MAKELPARAM(bounds.Width(), bounds.Height()));
    Invalidate();
}

void GraphicControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    Perform(CM_ENABLEDCHANGED, enabled ? 1 : 0);
    Invalidate();
}

void GraphicControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    Perform(CM_VISIBLECHANGED, visible ? 1 : 0);
    if (IsWindowVisible(m_parent.Handle()))
        Perform(CM_SHOWINGCHANGED, visible ? 1 : 0);
    Invalidate();
}

void GraphicControl::Invalidate()
{
    if (m_parent.Handle()) {
        const RECT r = ControlRect();
        InvalidateRect(m_parent.Handle(), &r, TRUE);
    }
}

void GraphicControl::HandleMessage(Message& message)
{
    const POINT point{GET_X_LPARAM(message.LParam), GET_Y_LPARAM(message.LParam)};
    message.Handled = true;
    switch (message.Id) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        MouseDown(point);
        break;
    case WM_LBUTTONUP:
        MouseUp(point);
        break;
    case WM_MOUSEMOVE:
        MouseMove(point);
        break;
    case CM_MOUSEENTER:
        m_mouseInside = true;
        OnMouseEnter();
        break;
    case CM_MOUSELEAVE:
        m_mouseInside = false;
        OnMouseLeave();
        break;
    case CM_ENABLEDCHANGED:
        OnEnabledChanged(message.WParam != 0);
        break;
    case CM_VISIBLECHANGED:
        OnVisibilityChanged(message.WParam != 0);
        break;
    case CM_SHOWINGCHANGED:
        OnShowingChanged(message.WParam != 0);
        break;
    default:
        // A message the control does not know (an engine command nobody answered) answers 0.
        message.Handled = false;
        message.Result = 0;
        break;
    }
}

} // namespace korvane::ui
