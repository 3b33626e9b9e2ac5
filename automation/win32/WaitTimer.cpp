#include "automation/win32/WaitTimer.h"

#include <algorithm>

#include "automation/win32/Handles.h"
#include "automation/win32/ProcessTiming.h"
#include "automation/win32/WinApi.h"

namespace ombrelt::win32 {
namespace {

// Key, mouse-move, mouse-button, posted-message, timer, paint, sent-message
// and hot-key events wake a wait.
constexpr DWORD WakeMask = 0xFF;

// Performance-counter ticks as 100-ns units, without overflow for any wait.
std::int64_t HundredNs(std::int64_t ticks, std::int64_t frequency) {
    return ticks / frequency * 10'000'000 + ticks % frequency * 10'000'000 / frequency;
}

// A time-out that ends the blocking call shortly after the due time even if
// the timer is not signalled then: the timer object is shared by name, so
// another program of the same name may have set it later.
DWORD BackstopMs(std::int64_t ticksLeft, std::int64_t frequency) {
    std::int64_t ms = HundredNs(std::max<std::int64_t>(ticksLeft, 0), frequency) / 10'000 + 2;
    return static_cast<DWORD>(std::min<std::int64_t>(ms, 0x7FFFFFFF));
}

}  // namespace

WaitTimer::WaitTimer(std::string timerName) : name_(std::move(timerName)), frequency_(PerfFrequency()) {}

void WaitTimer::Wait(std::int32_t ms, const std::function<void()>& pump, const std::function<bool()>& stop) {
    ++started_;
    if (ms <= 0) {
        pump();
        return;
    }
    bool stopped = false;
    const Pump pumpAndAsk = [&] {
        pump();
        stopped = stop && stop();
        return !stopped;
    };
    const std::int64_t now = PerfCounter();
    std::int64_t start = now;
    if (lastDue_ != 0 && now >= lastDue_ && now - lastDue_ <= frequency_ * ChainWindowMs / 1000)
        start = lastDue_;
    const std::int64_t due = start + ms / 1000 * frequency_ + ms % 1000 * frequency_ / 1000;
    if (!WaitOnTimer(due, pumpAndAsk) && !stopped) PumpUntil(due, pumpAndAsk);
    // A wait cut short leaves nothing for the next one to count from.
    lastDue_ = stopped ? 0 : due;
}

bool WaitTimer::WaitOnTimer(std::int64_t due, const Pump& pump) {
    // Each wait holds its own handle to the named timer. A wait started by a
    // handler during this one opens the same object and sets it for itself,
    // so this wait ends by its own due time alone and sets the timer again
    // when it was woken early.
    KernelHandle timer(CreateWaitableTimerA(nullptr, TRUE, name_.c_str()));
    if (!timer) return false;
    HANDLE handle = timer.Get();
    // The timer is set a little early and the rest is spun off: a timer wakes
    // up to a millisecond late (more under Wine), a spin to the due time does not.
    const std::int64_t wake = due - frequency_ * FinishSpinUs / 1'000'000;
    auto arm = [&] {
        LARGE_INTEGER relative;
        relative.QuadPart = -std::max<std::int64_t>(HundredNs(wake - PerfCounter(), frequency_), 1);
        return SetWaitableTimer(handle, &relative, 0, nullptr, nullptr, FALSE) != 0;
    };
    if (!arm()) return false;
    for (;;) {
        const std::uint32_t seen = started_;
        DWORD woke = MsgWaitForMultipleObjects(1, &handle, FALSE, BackstopMs(wake - PerfCounter(), frequency_),
                                               WakeMask);
        if (woke == WAIT_FAILED) return false;
        if (!pump()) return true;
        if (PerfCounter() >= wake) break;
        if (woke != WAIT_OBJECT_0 + 1 || started_ != seen) {
            if (!arm()) return false;
        }
    }
    while (PerfCounter() < due) SwitchToThread();
    return true;
}

void WaitTimer::PumpUntil(std::int64_t due, const Pump& pump) {
    // The timer could not be made or waited on: keep the program alive by
    // pumping until the due time, sleeping between messages.
    for (;;) {
        std::int64_t left = due - PerfCounter();
        if (left > 0 &&
            MsgWaitForMultipleObjects(0, nullptr, FALSE, BackstopMs(left, frequency_) - 2, WakeMask) == WAIT_FAILED)
            Sleep(1);
        if (!pump() || PerfCounter() >= due) return;
    }
}

std::string ExecutableName() {
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string name(path, std::min<DWORD>(length, MAX_PATH));
    auto slash = name.find_last_of("\\/");
    if (slash != std::string::npos) name.erase(0, slash + 1);
    auto dot = name.rfind('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

}  // namespace ombrelt::win32
