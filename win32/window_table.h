#pragma once

#include <windows.h>

#include <unordered_map>

namespace korvane::win32 {

// What the thread keeps of a window it subclassed: the object that serves it (none once that let
// go) and the procedure the subclassing replaced (kept while the subclassing stays in the chain,
// so that it still passes every message on when another subclasser came after it).
template <typename Object>
struct SubclassSlot {
    Object* Served = nullptr;
    WNDPROC Previous = nullptr;
};

// Puts `thunk` at the head of the window's chain, unless a thunk of the slot's still sits in the
// chain under another subclasser: that one then serves again rather than entering the chain twice.
// Returns the procedure the thunk passes messages on to.
template <typename Object>
WNDPROC SubclassWith(SubclassSlot<Object>& slot, HWND window, WNDPROC thunk)
{
    if (!slot.Previous)
        slot.Previous =
            reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(thunk)));
    return slot.Previous;
}

// What the user-interface thread keeps about windows it serves, found by the window's handle in
// the process itself: under Wine a window property lookup is a round trip to the server, and
// these are made for every message. One thread uses it; there is no locking.
template <typename Slot>
class WindowTable {
public:
    // The window's slot, or null when it has none.
    Slot* Find(HWND window)
    {
        const auto found = m_slots.find(window);
        return found == m_slots.end() ? nullptr : &found->second;
    }
    // The window's slot, made empty when it has none.
    Slot& At(HWND window) { return m_slots[window]; }
    void Erase(HWND window) { m_slots.erase(window); }

private:
    std::unordered_map<HWND, Slot> m_slots;
};

// What a thunk does with a message its object does not take (it went, or the thunk was left in
// the chain under another subclasser): passes it on to the procedure it replaced; with the window
// the slot goes.
template <typename Object>
LRESULT PassOn(WindowTable<SubclassSlot<Object>>& table, HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    const SubclassSlot<Object>* slot = table.Find(window);
    const WNDPROC previous = slot ? slot->Previous : nullptr;
    if (!previous)
        return DefWindowProcW(window, message, wParam, lParam);
    if (message == WM_NCDESTROY)
        table.Erase(window);
    return CallWindowProcW(previous, window, message, wParam, lParam);
}

} // namespace korvane::win32
