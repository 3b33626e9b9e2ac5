#pragma once
// A form's timer: it ticks every Interval milliseconds while Enabled and
// Interval > 0, whenever messages are processed. Its handler is never entered
// again while it runs: a tick that arrives meanwhile (from a message pump or a
// wait inside the handler) is dropped, so one tick may run a whole script
// while the timer stays enabled.
//
// Bound to its form by address, so neither copyable nor movable; a form holds
// its timers as members. Destroying the timer stops it.
#include <functional>

namespace ombrelt::forms {

class Form;

class Timer {
public:
    Timer(Form& owner, std::function<void()> onTick, int interval = 0, bool enabled = false);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);

    // True while the tick handler runs.
    bool InTick() const { return inTick_; }

private:
    friend class Form;
    unsigned Id() const { return id_; }
    void Apply();  // starts or stops the system timer to match the settings
    void Tick();

    Form& owner_;
    std::function<void()> onTick_;
    unsigned id_;
    int interval_;
    bool enabled_;
    bool running_ = false;  // the system timer is set
    bool inTick_ = false;
};

}  // namespace ombrelt::forms
