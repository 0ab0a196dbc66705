#pragma once

#include <windows.h>

#include <functional>
#include <utility>

namespace korvane::test {

// Runs `body` once, 300 ms from now, from whatever message loop is running then: the loop of the
// next message box, dialog or menu the test opens.
inline void InModalLoop(std::function<void()> body)
{
    static std::function<void()> pending;
    pending = std::move(body);
    SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
        KillTimer(nullptr, id);
        if (pending)
            std::exchange(pending, nullptr)();
    });
}

} // namespace korvane::test
