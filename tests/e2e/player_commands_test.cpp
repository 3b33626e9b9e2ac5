// Compiled executables running scripts that act on the desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

#include "TargetProcess.h"
#include "player_driver.h"

using namespace ombrelt::e2e;

namespace {

std::string Main(const std::string& body) { return "Function(Main);\r\n" + body + "\r\nEndFunction();"; }

int VisibleMessageBoxes(DWORD processId) {
    int n = 0;
    for (HWND w : WindowsOf(processId)) {
        char cls[16] = {};
        GetClassNameA(w, cls, sizeof cls);
        n += std::string(cls) == "#32770" && IsWindowVisible(w);
    }
    return n;
}

}  // namespace

TEST(PlayerCommands, MovesThePointerAndShowsAMessageBox) {
    ScratchFolder folder;
    // The start position must have settled first: Wine may otherwise report
    // it after the player's move, as if the pointer had gone back.
    SetCursorPos(10, 10);
    ASSERT_TRUE(WaitForCursor(10, 10, 1000));
    Process player(Quoted(MakeCompiled(folder, "box.exe", '0',
                                       Main("MoveMouse(123, 234);\r\nMsgBox(\"Hello from the player\");"))));
    ASSERT_TRUE(player.Started());
    HWND box = WaitForMessageBox(player.Id(), kStartLimit);
    ASSERT_TRUE(box);
    EXPECT_TRUE(WaitForCursor(123, 234, 1000));
    EXPECT_EQ(MessageBoxText(box), "Hello from the player");
    char title[64] = "x";
    GetWindowTextA(box, title, sizeof title);
    EXPECT_STREQ(title, "");  // the application title, which the player sets empty
    EXPECT_TRUE(player.Running());  // the run waits for the box
    CloseMessageBox(box);
    EXPECT_EQ(player.WaitExit(3000), 0u);
}

TEST(PlayerCommands, StartsAProgramWithArguments) {
    ScratchFolder folder;
    ombrelt::testing::TargetProcess target("", false);  // the player starts it
    std::string log = target.LogArguments();  // --log "path": the quotes cannot go inside a script's text
    log.erase(std::remove(log.begin(), log.end(), '"'), log.end());
    Process player(Quoted(MakeCompiled(folder, "start.exe", '0',
                                       Main("StartEx(\"" + ombrelt::testing::TargetProcess::ExePath() + "\", \"" +
                                            log + " --life 5000 first Second\", \"minimized\");"))));
    ASSERT_TRUE(player.Started());
    EXPECT_EQ(player.WaitExit(kStartLimit), 0u);  // it does not wait for the program it started
    const auto line = target.WaitFor("CMDLINE ");
    ASSERT_TRUE(line);
    EXPECT_NE(line->find(" --life 5000 first Second"), std::string::npos) << *line;
    const auto show = target.WaitFor("SHOW ");
    ASSERT_TRUE(show);
    EXPECT_EQ(show->rfind("SHOW 2 ", 0), 0u) << *show;  // SW_SHOWMINIMIZED
    target.Window();  // lets the target end it by its id
}

// Two players wait for Ctrl+0 and this program polls the key too, as the
// editor does: the "pressed since the last query" bit goes to one of them,
// yet the one press ends both.
TEST(PlayerCommands, Ctrl0DuringALongPauseEndsItWithinASecond) {
    ScratchFolder folder;
    Process player(Quoted(MakeCompiled(folder, "pause.exe", '0', Main("Pause(9000);"))));
    Process other(Quoted(MakeCompiled(folder, "other.exe", '0', Main("Pause(9000);"))));
    ASSERT_TRUE(player.Started());
    ASSERT_TRUE(other.Started());
    EXPECT_FALSE(player.WaitExit(1000));  // started and inside the pause
    EXPECT_FALSE(HasVisibleWindow(player.Id()));
    std::atomic<bool> polling{true};
    std::thread poller([&] {
        while (polling) {
            GetAsyncKeyState('0');
            Sleep(1);
        }
    });
    const DWORD pressed = GetTickCount();
    EXPECT_TRUE(PressHotKey(player.Id(), '0', [&] { return !player.Running() && !other.Running(); }));
    EXPECT_EQ(player.WaitExit(2000), 0u);
    EXPECT_EQ(other.WaitExit(2000), 0u);
    EXPECT_LT(GetTickCount() - pressed, 1000u);
    polling = false;
    poller.join();
}

TEST(PlayerCommands, FlagOneRepeatsRunsOneAtATimeAndCtrl0EndsItDuringABox) {
    ScratchFolder folder;
    Process player(Quoted(MakeCompiled(folder, "again.exe", '1', Main("MsgBox(\"again\");"))));
    ASSERT_TRUE(player.Started());
    for (int run = 1; run <= 3; ++run) {
        HWND box = WaitForMessageBox(player.Id(), kStartLimit);
        ASSERT_TRUE(box) << "run " << run;
        Sleep(200);  // repeat ticks arrive while the box's run waits: none may start another run
        EXPECT_EQ(VisibleMessageBoxes(player.Id()), 1) << "run " << run;
        if (run < 3) {
            CloseMessageBox(box);
            for (int i = 0; i < 200 && IsWindow(box); ++i) Sleep(5);
        }
    }
    // The third box is still open.
    EXPECT_TRUE(PressHotKey(player.Id(), '0', [&] { return !player.Running(); }));
    EXPECT_EQ(player.WaitExit(2000), 0u);
}

TEST(PlayerCommands, EnableRepeatDoesNotMakeAFlagZeroPlayerRepeat) {
    ScratchFolder folder;
    Process player(Quoted(MakeCompiled(folder, "norepeat.exe", '0', Main("EnableRepeat();\r\nMsgBox(\"once\");"))));
    ASSERT_TRUE(player.Started());
    HWND box = WaitForMessageBox(player.Id(), kStartLimit);
    ASSERT_TRUE(box);
    CloseMessageBox(box);
    EXPECT_EQ(player.WaitExit(3000), 0u);
}
