#pragma once

// Runs the calling thread's pending messages, as a message loop would between user actions:
// `rounds` times, pausing `pauseMs` after each round so timers and posted paints come due.
#include <windows.h>

namespace korvane::test {

inline void PumpMessages(int rounds = 1, DWORD pauseMs = 0)
{
    MSG message;
    for (int round = 0; round < rounds; ++round) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        if (pauseMs > 0)
            Sleep(pauseMs);
    }
}

} // namespace korvane::test
