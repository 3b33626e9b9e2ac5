#pragma once
// What the in-process playback tests share: processing this thread's
// messages (timers included, so runs go on) until something has happened.
// In a namespace of their own: the socket tests' pump has the same names.
#include "automation/win32/WinApi.h"

#include <functional>

#include "forms/MessageLoop.h"

namespace ombrelt::testing::play {

// Processes messages until the condition holds; false after the limit. A run
// started meanwhile executes inside this pump.
inline bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 5000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs) return false;
        forms::DoEvents();
        Sleep(1);
    }
    return true;
}

inline void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

}  // namespace ombrelt::testing::play
