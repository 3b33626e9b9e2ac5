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

// Where a window stands (foreground, z-order, minimised, focus) is Wine's
// answer to X. The X events that an action causes are handled when the
// window's thread next processes messages, and they can move a window after
// the call that asked has returned: an exposure handled late raised a window
// here some 120 ms after the raise that caused it, with the machine busy. So
// a test that expects something not to happen reads it once it has settled:
// unchanged for kSettleMs while the window's thread went on processing
// messages (this thread's, with pump), or the last reading after the limit.
inline constexpr DWORD kSettleMs = 300;

template <class Read>
auto Settled(const Read& read, bool pump = true, DWORD limitMs = 5000) {
    auto value = read();
    const DWORD start = GetTickCount();
    DWORD since = start;
    while (GetTickCount() - since < kSettleMs && GetTickCount() - start < limitMs) {
        if (pump) forms::DoEvents();
        Sleep(1);
        if (auto now = read(); now != value) {
            value = now;
            since = GetTickCount();
        }
    }
    return value;
}

// The upper window stands above the lower one in the z-order.
inline bool Above(HWND upper, HWND lower) {
    for (HWND w = GetWindow(upper, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT))
        if (w == lower) return true;
    return false;
}

// A shown window of this thread that the owner owns: its open dialog.
inline HWND ShownDialogOf(HWND owner) {
    struct Search {
        HWND owner, found;
        static BOOL CALLBACK Test(HWND window, LPARAM param) {
            auto& search = *reinterpret_cast<Search*>(param);
            if (GetWindow(window, GW_OWNER) != search.owner || !IsWindowVisible(window)) return TRUE;
            search.found = window;
            return FALSE;
        }
    } search{owner, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), Search::Test, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline void PumpFor(DWORD ms) {
    const DWORD start = GetTickCount();
    PumpUntil([&] { return GetTickCount() - start >= ms; }, ms + 1000);
}

}  // namespace ombrelt::testing::play
