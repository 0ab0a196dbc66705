#pragma once

#include <windows.h>

#include <unordered_map>

namespace korvane::win32 {

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

} // namespace korvane::win32
