// Scripts that drive a real window: positioned presses and keys go to the
// selected window as messages, without a selection they are real input, and
// a pause keeps the program's timers running.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "automation/win32/Win32Desktop.h"
#include "engine/SC.h"

namespace ombrelt::win32 {
namespace {

using ombrelt::testing::PumpUntil;
using ombrelt::testing::TestWindow;

struct ScriptHost {
    AutomationState State;
    Win32Desktop Desk;
    SC Engine{State, Desk};
    ScriptHost() { State.SizeTables(); }
    void Run(std::string body) {
        std::string script = "function(main);" + body + "endfunction();";
        Engine.Initialize(script);
        Engine.Execute();
    }
};

bool Has(const TestWindow& w, UINT id, WPARAM wParam, LPARAM lParam) {
    for (auto& m : w.Received)
        if (m.Id == id && m.WParam == wParam && m.LParam == lParam) return true;
    return false;
}

TEST(ScriptInput, SelectedWindowGetsMessagesInClientCoordinates) {
    TestWindow window(200, 150, 100, 80);
    ScriptHost h;
    h.Run("selectwindow(\"OmbreltTestWindow\",\"Ombrelt test window\");"
          "leftdownex(210,165);rightupex(220,170);keydown(65);keyup(65);");
    EXPECT_EQ(h.State.SelectedWindow, reinterpret_cast<WindowHandle>(window.hwnd));
    // Sent messages are handled before SendMessage returns: no pumping needed.
    using M = TestWindow::Message;
    std::vector<M> expected = {{WM_LBUTTONDOWN, 0, MAKELPARAM(10, 15)},
                               {WM_RBUTTONUP, 0, MAKELPARAM(20, 20)},
                               {WM_KEYDOWN, 65, 0x00010001},
                               {WM_KEYUP, 65, 0x00010001}};
    std::vector<M> got;
    for (auto& m : window.Received)
        if (m.Id != WM_TIMER && m.Id != WM_MOUSEMOVE) got.push_back(m);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(got[i].Id, expected[i].Id) << "message " << i;
        EXPECT_EQ(got[i].WParam, expected[i].WParam) << "message " << i;
        EXPECT_EQ(got[i].LParam, expected[i].LParam) << "message " << i;
    }
}

TEST(ScriptInput, WithoutASelectionPressesAreRealInputAtThePointer) {
    TestWindow window(200, 150, 100, 80);
    ScriptHost h;
    h.Run("selectwindow(\"NoSuchClass\",);movemouse(250,190);leftclick();");
    EXPECT_EQ(h.State.SelectedWindow, 0u);
    // Wine can report the pointer's earlier place for a moment after a move.
    POINT p{};
    EXPECT_TRUE(PumpUntil([&] { return GetCursorPos(&p) && p.x == 250 && p.y == 190; })) << p.x << "," << p.y;
    EXPECT_EQ(h.State.LastFoundX, 250);
    EXPECT_EQ(h.State.LastFoundY, 190);
    EXPECT_TRUE(PumpUntil([&] { return Has(window, WM_LBUTTONUP, 0, MAKELPARAM(50, 40)); }));
}

TEST(ScriptInput, APauseKeepsTheProgramsTimersRunning) {
    TestWindow window(10, 10, 20, 20);
    SetTimer(window.hwnd, 1, 10, nullptr);
    ScriptHost h;
    h.Run("pause(300);");
    KillTimer(window.hwnd, 1);
    int ticks = 0;
    for (auto& m : window.Received) ticks += m.Id == WM_TIMER;
    EXPECT_GE(ticks, 5);
}

}  // namespace
}  // namespace ombrelt::win32
