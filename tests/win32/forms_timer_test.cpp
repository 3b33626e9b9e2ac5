// The forms layer's timers: the no-re-entry rule, Interval and Enabled.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "forms/Application.h"
#include "forms/Form.h"
#include "forms/MessageLoop.h"
#include "forms/Timer.h"

using namespace ombrelt::forms;

namespace {

// Pumps until done() or the time limit; true when done() came first.
bool PumpUntil(const std::function<bool()>& done, DWORD limitMs = 2000) {
    const DWORD start = GetTickCount();
    while (!done()) {
        if (GetTickCount() - start > limitMs) return false;
        DoEvents();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return true;
}

struct TwoTimers {
    int longTicks = 0, depth = 0, maxDepth = 0, fastTicks = 0, fastDuringLong = 0;
    // Its handler pumps for 100 ms, as a script run does.
    Timer tmrLong{[this] { LongTick(); }, 1, true};
    Timer tmrFast{[this] {
                      ++fastTicks;
                      if (depth > 0) ++fastDuringLong;
                  },
                  1, true};

    void LongTick() {
        ++longTicks;
        maxDepth = std::max(maxDepth, ++depth);
        const DWORD start = GetTickCount();
        PumpUntil([&] { return GetTickCount() - start >= 100; });
        --depth;
    }
};

}  // namespace

TEST(FormsTimer, HandlerIsNeverReenteredWhileOtherTimersTick) {
    TwoTimers timers;
    ASSERT_TRUE(PumpUntil([&] { return timers.longTicks >= 2; }));
    EXPECT_EQ(timers.maxDepth, 1);         // 1 ms ticks arrived during each 100 ms handler, none ran
    EXPECT_TRUE(timers.tmrLong.Enabled());  // the timer stayed on throughout
    EXPECT_GT(timers.fastDuringLong, 3);   // another timer does tick inside the handler
}

TEST(FormsTimer, TicksInsideAModalMessageBox) {
    int ticks = 0;
    Timer closer{[&] {
                     if (++ticks == 5) PostMessageA(FindWindowA("#32770", "forms timer test"), WM_CLOSE, 0, 0);
                 },
                 1, true};
    MessageBoxA(nullptr, "closes itself", "forms timer test", MB_OK);
    EXPECT_GE(ticks, 5);
}

TEST(FormsTimer, TicksOnlyWhileEnabledWithAnInterval) {
    struct {
        int ticks = 0;
        Timer tmr{[this] {
            if (++ticks == 2) tmr.SetEnabled(false);  // a handler may stop its own timer
        }};
    } form;

    EXPECT_FALSE(PumpUntil([&] { return form.ticks > 0; }, 60));  // disabled, interval 0
    form.tmr.SetEnabled(true);
    EXPECT_FALSE(PumpUntil([&] { return form.ticks > 0; }, 60));  // enabled, interval still 0
    form.tmr.SetInterval(1);
    EXPECT_TRUE(PumpUntil([&] { return form.ticks == 2; }));
    EXPECT_FALSE(form.tmr.Enabled());
    EXPECT_FALSE(PumpUntil([&] { return form.ticks > 2; }, 60));
    form.tmr.SetEnabled(true);
    form.tmr.SetInterval(0);  // interval 0 stops it too
    EXPECT_FALSE(PumpUntil([&] { return form.ticks > 2; }, 60));
}

TEST(FormsForm, LoadBindsAHiddenWindowAndDestroysItAtTheEnd) {
    Application app;
    HWND seen = nullptr;
    HWND window = nullptr;
    {
        struct F : Form {
            F(Application& a, HWND& s) : Form(a), seen(s) {}
            HWND& seen;
            void Form_Load() override { seen = Handle(); }
        } form(app, seen);
        app.SetTaskVisible(false);
        ASSERT_TRUE(form.Load({"caption", WS_OVERLAPPEDWINDOW | WS_VISIBLE}));
        window = form.Handle();
        EXPECT_EQ(seen, window);  // Form_Load runs with the window already bound
        EXPECT_FALSE(IsWindowVisible(window));
        EXPECT_TRUE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        app.SetTaskVisible(true);
        EXPECT_FALSE(GetWindowLongPtrA(window, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);
        EXPECT_FALSE(form.Load({}));  // one window per form
    }
    EXPECT_FALSE(IsWindow(window));
}

TEST(FormsApplication, PathAndNameLocateTheProgramsOwnFile) {
    Application app;
    ASSERT_FALSE(app.Path().empty());
    EXPECT_NE(app.Path().back(), '\\');
    EXPECT_EQ(app.EXEName(), "win32_tests");
    const std::string self = app.Path() + "\\" + app.EXEName() + ".exe";
    EXPECT_NE(GetFileAttributesA(self.c_str()), INVALID_FILE_ATTRIBUTES) << self;
}
