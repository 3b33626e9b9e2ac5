#include "automation/win32/ProcessTiming.h"

#include "automation/win32/WinApi.h"

#include <mmsystem.h>

namespace ombrelt::win32 {

void SetupProcessTiming() {
    // Never ended: the resolution is the program's for its whole life, and
    // the system drops the request when the process ends.
    timeBeginPeriod(1);

    // SetProcessInformation is missing before Windows 8, so it is looked up
    // rather than imported; systems before Windows 11 ignore this class.
    using SetInfo = BOOL(WINAPI*)(HANDLE, PROCESS_INFORMATION_CLASS, LPVOID, DWORD);
    HMODULE kernel = GetModuleHandleA("kernel32.dll");
    auto set = kernel ? reinterpret_cast<SetInfo>(
                            reinterpret_cast<void*>(GetProcAddress(kernel, "SetProcessInformation")))
                      : nullptr;
    if (!set) return;
    PROCESS_POWER_THROTTLING_STATE state{};
    state.Version = PROCESS_POWER_THROTTLING_CURRENT_VERSION;
    state.ControlMask = PROCESS_POWER_THROTTLING_IGNORE_TIMER_RESOLUTION;
    state.StateMask = 0;  // controlled and off: keep the requested resolution
    set(GetCurrentProcess(), ProcessPowerThrottling, &state, sizeof state);
}

std::int64_t PerfCounter() {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return now.QuadPart;
}

std::int64_t PerfFrequency() {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return frequency.QuadPart;
}

}  // namespace ombrelt::win32
