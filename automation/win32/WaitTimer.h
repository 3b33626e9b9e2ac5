#pragma once
// The program's message-pumping waits (mdlTime.Wait): a wait blocks on a
// waitable timer but wakes for every message or input event and pumps, so
// windows, hot keys and timers stay alive during a pause.
#include <cstdint>
#include <functional>
#include <string>

namespace ombrelt::win32 {

class WaitTimer {
public:
    // timerName names the manual-reset timer object (the executable name
    // followed by "Timer").
    explicit WaitTimer(std::string timerName);

    // Blocks for ms milliseconds, running pump after every wake; 0 or less
    // returns after one pump. A wait that begins within ChainWindowMs of the
    // previous wait's due time counts from that due time, so a series of
    // pauses keeps its total. A handler may start another wait inside pump.
    // When stop is given, the wait ends after the first pump that leaves it
    // true.
    void Wait(std::int32_t ms, const std::function<void()>& pump, const std::function<bool()>& stop = {});

    // Due time of the last wait that finished, in performance-counter ticks;
    // 0 before the first.
    std::int64_t LastDue() const { return lastDue_; }
    const std::string& TimerName() const { return name_; }

    static constexpr std::int32_t ChainWindowMs = 5;
    // How long before its due time a wait stops blocking and spins.
    static constexpr std::int32_t FinishSpinUs = 1000;

private:
    // pump returns false when the wait is to end at once.
    using Pump = std::function<bool()>;
    bool WaitOnTimer(std::int64_t due, const Pump& pump);
    void PumpUntil(std::int64_t due, const Pump& pump);

    std::string name_;
    std::int64_t frequency_;
    std::int64_t lastDue_ = 0;
    std::uint32_t started_ = 0;  // waits begun, so an outer wait sees a nested one
};

// The program's executable name: its file name without folder or extension.
std::string ExecutableName();

}  // namespace ombrelt::win32
