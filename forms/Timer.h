#pragma once
// A timer: it ticks every Interval milliseconds while Enabled and Interval > 0,
// whenever the thread processes messages (its loop, a wait's pump, a modal
// message box). Its handler is never entered again while it runs: a tick that
// arrives meanwhile is dropped, so one tick may run a whole script while the
// timer stays enabled.
//
// A thread timer, bound to no window: a program that needs no window (the
// player) creates none, which under Wine saves the display driver's start-up.
// Registered by address, so neither copyable nor movable; forms hold their
// timers as members. Destroying the timer stops it.
#include <cstdint>
#include <functional>

namespace ombrelt::forms {

class Form;

class Timer {
public:
    explicit Timer(std::function<void()> onTick, int interval = 0, bool enabled = false);
    // A form's timer, declared as a member the way forms declare controls; it
    // needs nothing of the form.
    Timer(Form&, std::function<void()> onTick, int interval = 0, bool enabled = false)
        : Timer(std::move(onTick), interval, enabled) {}
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);  // restarts the count
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // True while the tick handler runs.
    bool InTick() const { return inTick_; }

    // Runs the handler of the timer with this system id (the thread-timer
    // callback; public for it only).
    static void Dispatch(std::uintptr_t systemId);

private:
    void Apply();  // starts or stops the system timer to match the settings
    void Tick();

    std::function<void()> onTick_;
    int interval_;
    bool enabled_;
    std::uintptr_t systemId_ = 0;  // 0: not running
    bool inTick_ = false;
};

}  // namespace ombrelt::forms
