// The message pump, the tick count and the waits of the Win32 desktop.
#include "automation/win32/ProcessTiming.h"
#include "automation/win32/Win32Desktop.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {

Win32Desktop::Win32Desktop() : Win32Desktop(ExecutableName() + "Timer") {}

Win32Desktop::Win32Desktop(std::string waitTimerName)
    : waits_(std::move(waitTimerName)), pumpInterval_(PerfFrequency() / 1000) {
    SetupProcessTiming();
}

std::uint32_t Win32Desktop::TickCount() { return GetTickCount(); }

void Win32Desktop::PumpMessages() {
    lastPump_ = PerfCounter();
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // The host's own loop ends the program on it: leave it there.
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

void Win32Desktop::PumpIfDue() {
    // An empty pump is a round trip to the window system (tens of
    // microseconds under Wine): once a millisecond keeps hot keys and Stop
    // immediate for a person without slowing a tight statement loop.
    if (PerfCounter() - lastPump_ >= pumpInterval_) PumpMessages();
}

void Win32Desktop::Wait(std::int32_t ms, const WaitStop& stop) {
    waits_.Wait(ms, [this] { PumpMessages(); }, stop);
}

}  // namespace ombrelt::win32
