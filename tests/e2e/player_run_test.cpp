// Compiled executables run end to end: how the player starts, repeats and ends.
#include <gtest/gtest.h>

#include "Compiler/ScriptPayload.h"
#include "player_driver.h"

using namespace ombrelt::e2e;

TEST(PlayerRun, FlagZeroRunsOnceAndEnds) {
    ScratchFolder folder;
    for (const std::string script : {"", "function(main);endfunction();"}) {
        Process player(Quoted(MakeCompiled(folder, "once.exe", '0', script)));
        ASSERT_TRUE(player.Started());
        EXPECT_EQ(player.WaitExit(kStartLimit), 0u) << script;
    }
}

TEST(PlayerRun, FlagOneRepeatsUntilCtrl0) {
    ScratchFolder folder;
    Process player(Quoted(MakeCompiled(folder, "repeat.exe", '1', "function(main);endfunction();")));
    ASSERT_TRUE(player.Started());
    EXPECT_FALSE(player.WaitExit(1500));  // still running
    EXPECT_FALSE(HasVisibleWindow(player.Id()));
    EXPECT_TRUE(PressHotKey(player.Id(), '0', [&] { return !player.Running(); }));
    EXPECT_EQ(player.WaitExit(2000), 0u);
}

TEST(PlayerRun, Ctrl0AloneOrZeroAloneDoesNotEndIt) {
    ScratchFolder folder;
    Process player(Quoted(MakeCompiled(folder, "keys.exe", '1', "")));
    ASSERT_TRUE(player.Started());
    EXPECT_FALSE(player.WaitExit(1000));
    INPUT keys[2] = {};
    for (WORD vk : {WORD('0'), WORD(VK_CONTROL)}) {  // each alone, held like a real press
        keys[0].type = keys[1].type = INPUT_KEYBOARD;
        keys[0].ki.wVk = keys[1].ki.wVk = vk;
        keys[1].ki.dwFlags = KEYEVENTF_KEYUP;
        SendInput(1, &keys[0], sizeof(INPUT));
        Sleep(60);
        SendInput(1, &keys[1], sizeof(INPUT));
    }
    EXPECT_FALSE(player.WaitExit(300));
    EXPECT_TRUE(PressHotKey(player.Id(), '0', [&] { return !player.Running(); }));
    EXPECT_EQ(player.WaitExit(2000), 0u);
}

TEST(PlayerRun, DamagedOrMissingPayloadEndsQuietly) {
    ScratchFolder folder;
    const std::string player = ReadFileBytes(OwnFolder() + "\\Compiler.dll");
    ASSERT_GT(player.size(), 100u);
    const std::string good = *ombrelt::WriteScriptPayload(player, '1', "function(main);endfunction();");
    const std::string damaged[] = {
        player,                                        // the bare player: no payload at all
        good.substr(0, good.size() - 4) + "\xff\xff\xff\x7f",  // trailer far past the end
        good.substr(0, good.size() - 4) + "\x00\x00\x00\x80",  // negative trailer
    };
    for (const std::string& bytes : damaged) {
        const std::string path = folder.File("damaged.exe");
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        Process run(Quoted(path));
        ASSERT_TRUE(run.Started());
        EXPECT_EQ(run.WaitExit(kStartLimit), 1u);  // ends at once, a flag "1" notwithstanding
    }
}

TEST(PlayerRun, ARunEndingInAFlowErrorEndsTheProgram) {
    ScratchFolder folder;
    // A condition that cannot be evaluated ends the run; with flag "1" too,
    // the player ends instead of failing the same way for ever.
    Process player(Quoted(MakeCompiled(folder, "broken.exe", '1',
                                       "function(main);if(1<99999999999);endif();endfunction();")));
    ASSERT_TRUE(player.Started());
    EXPECT_EQ(player.WaitExit(kStartLimit), 2u);
}
