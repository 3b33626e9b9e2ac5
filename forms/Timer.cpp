#include "forms/Timer.h"

#include <windows.h>

#include "forms/Form.h"

namespace ombrelt::forms {

Timer::Timer(Form& owner, std::function<void()> onTick, int interval, bool enabled)
    : owner_(owner), onTick_(std::move(onTick)), id_(owner.AddTimer(*this)), interval_(interval),
      enabled_(enabled) {
    Apply();
}

Timer::~Timer() {
    enabled_ = false;
    Apply();
    owner_.RemoveTimer(*this);
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    Apply();  // a new interval restarts the count
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;  // enabling a running timer does not restart its count
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    HWND window = owner_.Handle();
    const bool wanted = window && enabled_ && interval_ > 0;
    if (wanted) {
        // SetTimer with an id in use replaces that timer: the interval starts anew.
        running_ = SetTimer(window, id_, static_cast<UINT>(interval_), nullptr) != 0;
    } else if (running_) {
        if (window) KillTimer(window, id_);
        running_ = false;
    }
}

void Timer::Tick() {
    if (inTick_ || !enabled_ || !onTick_) return;
    inTick_ = true;
    struct Reset {
        bool& flag;
        ~Reset() { flag = false; }
    } reset{inTick_};
    onTick_();
}

}  // namespace ombrelt::forms
