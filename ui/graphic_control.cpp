#include "ui/graphic_control.h"

namespace korvane::ui {

GraphicControl::GraphicControl(Window& parent, const Bounds& bounds) : m_parent(parent), m_bounds(bounds)
{
    m_parent.AddGraphicControl(*this);
}

GraphicControl::~GraphicControl()
{
    m_parent.RemoveGraphicControl(*this);
}

RECT GraphicControl::ControlRect() const
{
    return {m_bounds.left, m_bounds.top, m_bounds.left + m_bounds.width, m_bounds.top + m_bounds.height};
}

void GraphicControl::SetEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    OnEnabledChanged(enabled);
    Invalidate();
}

void GraphicControl::SetVisible(bool visible)
{
    if (visible == m_visible)
        return;
    m_visible = visible;
    OnVisibilityChanged(visible);
    Invalidate();
}

void GraphicControl::Invalidate()
{
    if (m_parent.Handle()) {
        const RECT r = ControlRect();
        InvalidateRect(m_parent.Handle(), &r, TRUE);
    }
}

void GraphicControl::MouseEnter()
{
    m_mouseInside = true;
    OnMouseEnter();
}

void GraphicControl::MouseLeave()
{
    m_mouseInside = false;
    OnMouseLeave();
}

} // namespace korvane::ui
