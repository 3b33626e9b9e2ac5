#pragma once
// Millisecond timing for the whole program, and the clock the waits and the
// pump throttle read.
#include <cstdint>

namespace ombrelt::win32 {

// Asks for 1 ms timer resolution for the program's life and opts out of the
// power throttling that would take it away from a process whose windows are
// all hidden or minimised (where the system has that). Hosts call it once at
// start-up; Win32Desktop calls it too, and calling it again does no harm.
void SetupProcessTiming();

// The performance counter and its ticks per second.
std::int64_t PerfCounter();
std::int64_t PerfFrequency();

}  // namespace ombrelt::win32
