#pragma once

#include "ui/window.h"

#include <string_view>

namespace korvane::ui {

// A child window of a system class, adopted by subclassing, with the program's font.
class Control : public Window {
public:
    Window& Parent() const { return m_parent; }
    int Id() const { return m_id; }
    // Gives the control the keyboard focus; a hidden form focuses it when it is shown.
    void Focus();

protected:
    Control(Window& parent, const wchar_t* className, DWORD style, DWORD exStyle, const PixelRect& bounds,
            std::wstring_view text = {});

private:
    Window& m_parent;
    int m_id;
};

} // namespace korvane::ui
