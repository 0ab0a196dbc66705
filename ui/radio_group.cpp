#include "ui/radio_group.h"

#include "ui/dc_guards.h"
#include "ui/font.h"

namespace korvane::ui {

namespace {

constexpr wchar_t kRadioGroupClass[] = L"TRadioGroup";

} // namespace

RadioButton::RadioButton(Window& parent, const Bounds& bounds, std::wstring_view caption, bool firstOfGroup)
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

RadioGroup::RadioGroup(Window& parent, const Bounds& bounds, const std::vector<std::wstring>& items)
{
    RegisterOwnClass(kRadioGroupClass, CS_HREDRAW | CS_VREDRAW, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateOwnWindow(kRadioGroupClass, WS_EX_CONTROLPARENT, WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, bounds,
                    parent.Handle(), nullptr, {});
    SetFont(DefaultFont());

    // One column: the space under the caption line is shared evenly, the remainder split above.
    int textHeight = 13;
    {
        WindowDC dc(Handle());
        SelectObjectGuard font(dc.get(), DefaultFont());
        TEXTMETRICW metrics{};
        if (GetTextMetricsW(dc.get(), &metrics))
            textHeight = metrics.tmHeight;
    }
    const int count = static_cast<int>(items.size());
    if (count == 0)
        return;
    const int room = bounds.height - textHeight - 5;
    const int buttonHeight = room / count;
    const int topMargin = textHeight + 1 + (room % count) / 2;
    const int buttonWidth = bounds.width - 10;
    for (int i = 0; i < count; ++i)
        m_buttons.push_back(
            std::make_unique<RadioButton>(*this, Bounds{8, topMargin + i * buttonHeight, buttonWidth, buttonHeight},
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

LRESULT RadioGroup::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT || message == WM_PRINTCLIENT) {
        auto paint = [this](HDC dc) {
            RECT r{};
            GetClientRect(Handle(), &r);
            // The frame line runs through the middle of the (empty) caption line.
            TEXTMETRICW metrics{};
            {
                SelectObjectGuard font(dc, DefaultFont());
                GetTextMetricsW(dc, &metrics);
            }
            r.top += metrics.tmHeight / 2 - 1;
            DrawEdge(dc, &r, EDGE_ETCHED, BF_RECT);
        };
        if (message == WM_PRINTCLIENT) {
            paint(reinterpret_cast<HDC>(wParam));
        } else {
            PaintDC dc(Handle());
            paint(dc.get());
        }
        return 0;
    }
    return Window::WindowProc(message, wParam, lParam);
}

} // namespace korvane::ui
