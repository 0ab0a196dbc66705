#pragma once

#include <windows.h>

namespace korvane::ui {

// One message on its way along a component's message path: a window message, one of the class
// library's notifications, or a message reflected from the parent. Whoever answers it sets
// Result and Handled.
struct Message {
    UINT Id = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
    bool Handled = false;
    // The path has run to its end (a hook ran the rest of it through CallNext).
    bool Completed = false;
};

// The class library's notifications. They travel a component's message path like window
// messages (Component::Perform), never through the Win32 queue, so a hook attached to a control
// sees them exactly as it sees WM_PAINT.
inline constexpr UINT CM_BASE = 0xB000;
// Sent to the application window when the program becomes active.
inline constexpr UINT CM_ACTIVATE = CM_BASE + 0;
// The mouse came over the component; LParam is the Component it came from, or 0.
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 1;
// The mouse left the component.
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 2;
// The component was enabled (WParam 1) or disabled (WParam 0).
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 3;
// The component was shown (WParam 1) or hidden (WParam 0).
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 4;
// Whether the component can be seen changed because it or an ancestor was shown (WParam 1) or
// hidden (WParam 0).
inline constexpr UINT CM_SHOWINGCHANGED = CM_BASE + 5;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 6;
inline constexpr UINT CM_COLORCHANGED = CM_BASE + 7;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 8;

// A message that a parent window received on behalf of a child (WM_COMMAND, WM_NOTIFY,
// WM_DRAWITEM, WM_MEASUREITEM, WM_CTLCOLOR*, WM_HSCROLL, WM_VSCROLL) reaches the child's message
// path as CN_BASE plus the message, with the parent's WParam and LParam.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;
inline constexpr UINT CN_HSCROLL = CN_BASE + WM_HSCROLL;
inline constexpr UINT CN_VSCROLL = CN_BASE + WM_VSCROLL;
inline constexpr UINT CN_CTLCOLORMSGBOX = CN_BASE + WM_CTLCOLORMSGBOX;
inline constexpr UINT CN_CTLCOLORSTATIC = CN_BASE + WM_CTLCOLORSTATIC;

inline constexpr bool IsReflected(UINT id)
{
    return id >= CN_BASE && id < CN_BASE + 0x400;
}
inline constexpr bool IsNotification(UINT id)
{
    return id >= CM_BASE && id <= CM_TEXTCHANGED;
}

} // namespace korvane::ui
