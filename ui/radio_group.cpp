#include "ui/radio_group.h"

#include "win32/dc_guards.h"
#include "ui/font.h"

namespace korvane::ui {

namespace {

constexpr wchar_t kRadioGroupClass[] = L"TRadioGroup";

} // namespace

RadioButton::RadioButton(Window& parent, const PixelRect& bounds, std::wstring_view caption, bool firstOfGroup)
    : Control(parent, L"BUTTON", BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP | WS_TABSTOP : 0), 0, bounds, caption)
{
}

bool RadioButton::Checked() const
{
    return Send(BM_GETCHECK) == BST_CHECKED;
}

void RadioButton::SetChecked(bool checked)
{
    Send(BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED);
}

RadioGroup::RadioGroup(Window& parent, const PixelRect& bounds, const std::vector<std::wstring>& items)
{
    RegisterOwnClass(kRadioGroupClass, CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateOwnWindow(kRadioGroupClass, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds,
                    parent.Handle(), nullptr, {});
    SetFont(DefaultFont());

    // One column: the space under the caption line is shared evenly, the remainder split above.
    int textHeight = 13;
    {
        win32::WindowDC dc(Handle());
        win32::SelectObjectGuard font(dc.get(), DefaultFont());
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc.get(), &metrics))
            textHeight = metrics.tmHeight;
    }
    const int count = static_cast<int>(items.size());
    if (count == 0)
        return;
    const int room = bounds.Height() - textHeight - 5;
    const int buttonHeight = room / count;
    const int topMargin = textHeight + 1 + (room % count) / 2;
    const int buttonWidth = bounds.Width() - 10;
    for (int i = 0; i < count; ++i)
        m_buttons.push_back(
            std::make_unique<RadioButton>(*this, BoundsRect(8, topMargin + i * buttonHeight, buttonWidth, buttonHeight),
                                          items[static_cast<std::size_t>(i)], i == 0));
}

int RadioGroup::ItemIndex() const
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->Checked())
            return static_cast<int>(i);
    return -1;
}

void RadioGroup::SetItemIndex(int index)
{
    for (std::size_t i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->SetChecked(static_cast<int>(i) == index);
}

void RadioGroup::OnPaint(PaintContext& paint)
{
    RECT r{};
    GetClientRect(Handle(), &r);
    // The frame line runs through the middle of the (empty) caption line.
    TEXTMETRICW metrics{};
    {
        win32::SelectObjectGuard font(paint.Dc, DefaultFont());
        GetTextMetricsW(paint.Dc, &metrics);
    }
    r.top += metrics.tmHeight / 2 - 1;
    DrawEdge(paint.Dc, &r, EDGE_ETCHED, BF_RECT);
}

} // namespace korvane::ui
