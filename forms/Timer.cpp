#include "forms/Timer.h"

#include <algorithm>
#include <vector>

#include "automation/win32/WinApi.h"

namespace ombrelt::forms {

namespace {

// The thread's live timers. A thread timer's callback gets only the system's
// id, so this lookup is the one way back to the object; each timer adds and
// removes itself, so nothing outlives the timers it names.
thread_local std::vector<Timer*> liveTimers;

void CALLBACK TimerProc(HWND, UINT, UINT_PTR id, DWORD) {
    Timer::Dispatch(id);
}

}  // namespace

Timer::Timer(std::function<void()> onTick, int interval, bool enabled)
    : onTick_(std::move(onTick)), interval_(interval < 0 ? 0 : interval), enabled_(enabled) {
    liveTimers.push_back(this);
    Apply();
}

Timer::~Timer() {
    enabled_ = false;
    Apply();
    liveTimers.erase(std::remove(liveTimers.begin(), liveTimers.end(), this), liveTimers.end());
}

void Timer::SetInterval(int milliseconds) {
    interval_ = milliseconds < 0 ? 0 : milliseconds;
    Apply();
}

void Timer::SetEnabled(bool enabled) {
    if (enabled == enabled_) return;  // enabling a running timer does not restart its count
    enabled_ = enabled;
    Apply();
}

void Timer::Apply() {
    if (enabled_ && interval_ > 0) {
        // With the id of a running thread timer, SetTimer replaces it and
        // keeps the id: the interval starts anew.
        const UINT_PTR id = SetTimer(nullptr, systemId_, static_cast<UINT>(interval_), TimerProc);
        if (id != 0) systemId_ = id;
    } else if (systemId_ != 0) {
        KillTimer(nullptr, systemId_);
        systemId_ = 0;
    }
}

void Timer::Dispatch(std::uintptr_t systemId) {
    for (Timer* timer : liveTimers) {
        if (timer->systemId_ == systemId) {
            timer->Tick();
            return;
        }
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
