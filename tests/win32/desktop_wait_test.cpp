// The program's waits: they pump while they block, nest, chain and survive a
// timer that cannot be made.
#include "automation/win32/WinApi.h"  // first: the forms headers include windows.h

#include <gtest/gtest.h>

#include <algorithm>

#include "TestWindow.h"
#include "automation/win32/ProcessTiming.h"
#include "automation/win32/Win32Desktop.h"
#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/Timer.h"

namespace ombrelt::win32 {
namespace {

using ombrelt::testing::MsSince;
using ombrelt::testing::Now;
using ombrelt::testing::TestWindow;

// Counts the pumps, which shows whether a wait blocks or spins.
struct CountingDesktop : Win32Desktop {
    int Pumps = 0;
    void PumpMessages() override {
        ++Pumps;
        Win32Desktop::PumpMessages();
    }
};

TEST(Wait, PumpsTimerHandlersDuringALongPause) {
    Win32Desktop desktop;
    TestWindow window(0, 0, 10, 10);
    int ticks = 0;
    window.OnMessage = [&](const TestWindow::Message& m) { ticks += m.Id == WM_TIMER; };
    SetTimer(window.hwnd, 1, 10, nullptr);
    auto start = Now();
    desktop.Wait(300);
    double elapsed = MsSince(start);
    EXPECT_GE(elapsed, 299.9);
    EXPECT_LT(elapsed, 1000);
    EXPECT_GE(ticks, 5);

    // Zero or less: no blocking, but pending messages are still handled.
    for (int ms : {0, -5}) {
        window.Received.clear();
        PostMessageA(window.hwnd, WM_USER + 1, 0, 0);
        start = Now();
        desktop.Wait(ms);
        EXPECT_LT(MsSince(start), 50);
        int posted = 0;
        for (auto& m : window.Received) posted += m.Id == WM_USER + 1u;
        EXPECT_EQ(posted, 1) << ms;
    }
}

TEST(Wait, NestedWaitsEachEndAtTheirOwnDueTime) {
    CountingDesktop desktop;
    TestWindow window(0, 0, 10, 10);
    struct Case {
        int outer, inner;
    };
    // The named timer is shared: a shorter inner wait must not end the outer
    // one early, and a longer one keeps the outer one until it returns.
    for (Case c : {Case{250, 40}, Case{60, 150}}) {
        Sleep(20);  // no chaining to the previous case
        double innerElapsed = -1;
        window.OnMessage = [&](const TestWindow::Message& m) {
            if (m.Id != WM_TIMER) return;
            KillTimer(window.hwnd, 1);
            auto start = Now();
            desktop.Wait(c.inner);
            innerElapsed = MsSince(start);
        };
        SetTimer(window.hwnd, 1, 10, nullptr);
        desktop.Pumps = 0;
        auto start = Now();
        desktop.Wait(c.outer);
        double outerElapsed = MsSince(start);
        EXPECT_GE(innerElapsed, c.inner - 0.1) << c.outer;
        EXPECT_GE(outerElapsed, c.outer - 0.1) << c.outer;
        EXPECT_GT(outerElapsed, innerElapsed) << c.outer;
        EXPECT_LT(outerElapsed, std::max(c.outer, c.inner + 10) + 150) << c.outer;
        EXPECT_LT(desktop.Pumps, 40) << c.outer;  // woken by messages and timers, not spinning
    }
}

// A host's 1 ms timer whose handler pauses, as a play timer's run of a script does.
struct WaitingForm : forms::Form {
    WaitingForm(forms::Application& app, Win32Desktop& desktop) : forms::Form(app), desktop_(desktop) {}
    int longTicks = 0, depth = 0, maxDepth = 0, fastDuringLong = 0;
    forms::Timer tmrLong{*this, [this] { LongTick(); }, 1, true};
    forms::Timer tmrFast{*this, [this] { fastDuringLong += depth > 0; }, 1, true};

    void LongTick() {
        ++longTicks;
        maxDepth = std::max(maxDepth, ++depth);
        desktop_.Wait(100);
        --depth;
    }

private:
    Win32Desktop& desktop_;
};

TEST(Wait, ATimerWhoseHandlerWaitsIsNotEnteredAgainByTheWaitsPump) {
    forms::Application app;
    Win32Desktop desktop;
    WaitingForm form(app, desktop);
    ASSERT_TRUE(form.Load({}));
    desktop.Wait(350);
    EXPECT_GE(form.longTicks, 2);
    EXPECT_EQ(form.maxDepth, 1);
    EXPECT_GT(form.fastDuringLong, 3);  // other timers tick inside the handler's wait
}

TEST(Wait, PumpsUntilTheDueTimeWhenTheTimerCannotBeMade) {
    // Another kind of object holds the timer's name, so it cannot be created.
    const char* name = "OmbreltBlockedWaitTimer";
    HANDLE blocker = CreateMutexA(nullptr, FALSE, name);
    ASSERT_NE(blocker, nullptr);
    EXPECT_EQ(CreateWaitableTimerA(nullptr, TRUE, name), nullptr);

    WaitTimer waits(name);
    TestWindow window(0, 0, 10, 10);
    int ticks = 0;
    window.OnMessage = [&](const TestWindow::Message& m) { ticks += m.Id == WM_TIMER; };
    SetTimer(window.hwnd, 1, 10, nullptr);
    auto pump = [] {
        MSG m;
        while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
    };
    auto start = Now();
    waits.Wait(120, pump);
    double elapsed = MsSince(start);
    EXPECT_GE(elapsed, 119.9);
    EXPECT_LT(elapsed, 1000);
    EXPECT_GE(ticks, 3);
    CloseHandle(blocker);
}

TEST(Wait, AWaitRightAfterAnotherCountsFromItsDueTime) {
    WaitTimer waits("OmbreltChainedWaitTimer");
    const std::int64_t ms = PerfFrequency() / 1000;
    auto pump = [] {};
    waits.Wait(20, pump);
    const std::int64_t first = waits.LastDue();
    waits.Wait(0, pump);  // no time of its own: the chain goes on
    const std::int64_t begun = PerfCounter();
    waits.Wait(20, pump);
    // A busy machine may start this wait after the chain's window: it then
    // counts from when it began.
    if (begun - first <= WaitTimer::ChainWindowMs * ms)
        EXPECT_EQ(waits.LastDue() - first, 20 * ms);
    else
        EXPECT_GE(waits.LastDue() - begun, 20 * ms);
    const std::int64_t second = waits.LastDue();
    Sleep(40);  // a longer gap, as after a message box: counted from now
    waits.Wait(20, pump);
    EXPECT_GE(waits.LastDue() - second, 55 * ms);
}

TEST(Wait, PumpIfDuePumpsOnceAMillisecondHasPassed) {
    Win32Desktop desktop;
    TestWindow window(0, 0, 10, 10);
    desktop.PumpMessages();
    PostMessageA(window.hwnd, WM_USER + 2, 0, 0);
    Sleep(2);
    desktop.PumpIfDue();
    // Only the posted message counts: the pointer may rest over the window.
    int posted = 0;
    for (auto& m : window.Received) posted += m.Id == WM_USER + 2u;
    EXPECT_EQ(posted, 1);
}

}  // namespace
}  // namespace ombrelt::win32
