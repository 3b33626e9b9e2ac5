#pragma once
// Two millisecond stopwatches on the system tick count: the pause stopwatch
// times the gap before each recorded line, the millisecond stopwatch the part
// of a second since the last whole-second tick (recordings and timed runs).
//
// Readings are unsigned 32-bit differences, so they stay right across every
// wrap of the tick count (it wraps to 0 after about 49.7 days).
#include <cstdint>

#include "automation/Desktop.h"

namespace ombrelt::mdlTime {

struct Stopwatches {
    std::uint32_t PauseTimerStart = 0;
    std::uint32_t MillisecondTimerStart = 0;
};

// Milliseconds from start to now, modulo 2^32.
constexpr std::uint32_t Elapsed(std::uint32_t start, std::uint32_t now) { return now - start; }

inline void StartPauseTimer(Stopwatches& watches, Desktop& desktop) {
    watches.PauseTimerStart = desktop.TickCount();
}
// Reading does not restart the stopwatch.
inline std::uint32_t GetPauseTime(const Stopwatches& watches, Desktop& desktop) {
    return Elapsed(watches.PauseTimerStart, desktop.TickCount());
}

inline void StartMillisecondTimer(Stopwatches& watches, Desktop& desktop) {
    watches.MillisecondTimerStart = desktop.TickCount();
}
inline std::uint32_t GetMilliseconds(const Stopwatches& watches, Desktop& desktop) {
    return Elapsed(watches.MillisecondTimerStart, desktop.TickCount());
}

}  // namespace ombrelt::mdlTime
