#include "controls/bound_label_win32.h"

#include "controls/common_data_win32.h"
#include "controls/skinned_label_win32.h"

#include <algorithm>

namespace korvane {

TsBoundLabel::TsBoundLabel(ui::Control& control, TsCommonData& skinData) : m_control(control), m_skinData(skinData)
{
}

TsBoundLabel::~TsBoundLabel()
{
    if (m_label)
        m_label->ForgetBoundLabel();
}

void TsBoundLabel::LabelDestroyed(const TsEditLabel& label)
{
    if (m_label.get() == &label)
        static_cast<void>(m_label.release());
}

void TsBoundLabel::SetActive(bool active)
{
    if (!active) {
        // The label is let go first: its destructor reports back to a bound label without it.
        std::unique_ptr<TsEditLabel> label = std::move(m_label);
        label.reset();
        return;
    }
    if (m_label)
        return;
    // The control's name stands in for an empty caption; controls here have none but their class.
    const std::wstring caption = m_caption.empty() ? std::wstring(m_control.ClassName()) : m_caption;
    m_label = std::make_unique<TsEditLabel>(m_control.Parent(), *this, caption);
    m_label->SetVisible(false);
    m_label->UseSkinColor = m_useSkinColor;
    if (m_font)
        m_label->SetFont(m_font);
    ApplyAlignment();
    m_label->SetEnabled(m_control.Enabled());
    m_label->SetVisible(m_control.Visible());
    PlaceLabel();
}

void TsBoundLabel::SetCaption(std::wstring caption)
{
    m_caption = std::move(caption);
    if (m_label) {
        m_label->SetCaption(m_caption.empty() ? std::wstring(m_control.ClassName()) : m_caption);
        PlaceLabel();
    }
}

void TsBoundLabel::SetIndent(int indent)
{
    m_indent = indent;
    PlaceLabel();
}

void TsBoundLabel::SetFont(HFONT font)
{
    m_font = font;
    if (m_label) {
        m_label->SetFont(font);
        PlaceLabel();
    }
}

void TsBoundLabel::SetLayout(TsCaptionLayout layout)
{
    m_layout = layout;
    ApplyAlignment();
    PlaceLabel();
}

void TsBoundLabel::SetUseSkinColor(bool use)
{
    m_useSkinColor = use;
    if (m_label) {
        m_label->UseSkinColor = use;
        m_label->Invalidate();
    }
}

void TsBoundLabel::SetMaxWidth(int width)
{
    m_maxWidth = width;
    PlaceLabel();
}

void TsBoundLabel::ApplyAlignment()
{
    if (!m_label)
        return;
    switch (m_layout) {
    case TsCaptionLayout::sclTopLeft:
        m_label->SetAlignment(ui::TextAlignment::Left);
        break;
    case TsCaptionLayout::sclTopCenter:
        m_label->SetAlignment(ui::TextAlignment::Center);
        break;
    case TsCaptionLayout::sclLeft:
    case TsCaptionLayout::sclTopRight:
        m_label->SetAlignment(ui::TextAlignment::Right);
        break;
    }
}

void TsBoundLabel::PlaceLabel()
{
    if (!m_label || !m_label->Visible())
        return;
    m_label->SetAutoSize(true);
    const PixelRect control = m_control.WindowBounds();
    const PixelRect label = m_label->ControlBounds();
    const LabelPlace place = korvane::PlaceLabel(m_layout, control, label.Width(), label.Height(), m_indent);
    if (m_maxWidth != 0) {
        m_label->SetAutoSize(false);
        m_label->SetWordWrap(true);
        m_label->SetBounds(BoundsRect(place.Left, place.Top, m_maxWidth, std::max(label.Height(), control.Height())));
        return;
    }
    m_label->SetBounds(BoundsRect(place.Left, place.Top, label.Width(), label.Height()));
}

void TsBoundLabel::ControlChanged(UINT message, WPARAM wParam, bool blendedDisabled)
{
    if (!m_label)
        return;
    switch (message) {
    case WM_SIZE:
    case WM_WINDOWPOSCHANGED:
        break;
    case ui::CM_VISIBLECHANGED:
        m_label->SetVisible(wParam != 0);
        break;
    case ui::CM_ENABLEDCHANGED:
        m_label->SetEnabled(wParam != 0 || !blendedDisabled);
        break;
    default:
        return;
    }
    PlaceLabel();
}

} // namespace korvane
