// Playback, hot keys and time correction in process, where the end-to-end
// tests cannot look: inside a run, while its pause is under way. The real
// windows, engine and desktop; message boxes answered by a thread of the test.
#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <utility>

#include "HeldKey.h"
#include "e2e/TargetProcess.h"
#include "editor/Program.h"
#include "editor/frmBasic.h"
#include "editor/frmFind.h"
#include "editor/frmMain.h"
#include "editor/frmWhite.h"
#include "editor_play_support.h"
#include "forms/Timer.h"
#include "support/DialogAnswerer.h"

using namespace ombrelt;
using ombrelt::testing::DialogAnswerer;
using ombrelt::testing::HeldKey;
using ombrelt::testing::PressUntilTaken;
using ombrelt::testing::play::Above;
using ombrelt::testing::play::PumpFor;
using ombrelt::testing::play::PumpUntil;
using ombrelt::testing::play::Settled;
using ombrelt::testing::play::ShownDialogOf;

namespace {

// Runs once, after a delay, wherever this thread processes messages: also
// inside the pump of a run that a timer tick is executing.
class Once {
public:
    Once(int ms, std::function<void()> action) : action_(std::move(action)), timer_([this] { Fire(); }, ms, true) {}
    bool Fired() const { return fired_; }

private:
    void Fire() {
        timer_.SetEnabled(false);
        fired_ = true;
        action_();
    }
    std::function<void()> action_;
    bool fired_ = false;
    forms::Timer timer_;
};

class EditorPlay : public ::testing::Test {
protected:
    EditorPlay() {
        program.OnEnd = [] {};
        automation.RepeatEnabled = false;
        main.Show();
    }
    ~EditorPlay() override { main.mnuScriptStop_Click(); }

    // Ctrl and a digit for the hot-key polls, held until taken; pressed once
    // when holds, or at once. The polls' record of the digit read down keeps
    // a press that Wine took back after a poll had read it from being made
    // twice.
    HeldKey::Press CtrlAnd(char digit, std::function<bool()> taken, std::function<bool()> when = {}) {
        return {.Key = static_cast<WORD>(digit),
                .Modifier = VK_CONTROL,
                .Taken = std::move(taken),
                .Read = [this, digit] { return ReadDown(digit); },
                .When = std::move(when)};
    }
    bool ReadDown(char digit) { return program.HotKeyPresses().SawDown(digit); }
    static POINT Cursor() {
        POINT p{};
        GetCursorPos(&p);
        return p;
    }
    bool Idle() { return !main.tmrPlay.Enabled() && main.Visible(); }
    // The window in front, asked for until it is and has stayed there for
    // the settle time (Wine hands the foreground back when X reports the
    // focus of the window that had it), and raised: Wine raises the window
    // it activated when X reports it exposed.
    bool BringToFront(HWND window) {
        DWORD inFrontSince = 0;
        return PumpUntil([&] {
            forms::DoEvents();
            if (GetForegroundWindow() != window) {
                inFrontSince = 0;
                SetForegroundWindow(window);
                return false;
            }
            if (!inFrontSince) inFrontSince = GetTickCount();
            return GetTickCount() - inFrontSince >= ombrelt::testing::play::kSettleMs;
        });
    }

    editor::Program program;
    editor::frmMain& main = program.Main();
    editor::EditorState& state = program.State();
    AutomationState& automation = program.Automation();
};

TEST_F(EditorPlay, PlaySelectionRunsFromTheCaretAndABrokenRunEndsQuietly) {
    const std::string script = "Function(Main);MoveMouse(33,44);EndFunction();";
    main.txtLog.SetText("junk" + script);
    main.txtLog.SetSelStart(4);  // nothing selected: from the caret to the end
    main.mnuScriptPlaySelection_Click();
    EXPECT_FALSE(main.Visible());
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Cursor().x, 33);

    main.txtLog.SetText("a(Function(Main);MoveMouse(55,66);EndFunction();)b");
    main.txtLog.SetSelStart(2);
    main.txtLog.SetSelLength(static_cast<int>(script.size()));
    main.mnuScriptPlaySelection_Click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Cursor().y, 66);

    // A flow error ends the run like its end: the window comes back.
    main.txtLog.SetText("Function(Main);If(1<99999999999);EndIf();MoveMouse(7,7);EndFunction();");
    main.mnuScriptPlay_Click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_NE(Cursor().x, 7);
}

// Ctrl+9 during a run starts the run anew from the editor text, also with
// repeat off: the end of the interrupted run does not stop the new one.
TEST_F(EditorPlay, CtrlNineDuringARunStartsItAnew) {
    main.txtLog.SetText("Function(Main);MoveMouse(1,1);Pause(800);MoveMouse(55,66);EndFunction();");
    main.mnuScriptPlay_Click();
    const auto started = state.Starts;
    Once edit(100, [&] { main.txtLog.SetText("Function(Main);MoveMouse(77,88);EndFunction();"); });
    HeldKey ctrlNine(CtrlAnd('9', [&] { return state.Starts == started + 1; }, [&] { return edit.Fired(); }));
    ASSERT_TRUE(PumpUntil([&] { return ctrlNine.Taken() && Idle(); }));
    EXPECT_EQ(Cursor().x, 77);
    EXPECT_EQ(Cursor().y, 88);
}

// Stop ends the run, not just its flag: the tick that was inside a long
// pause returns at once, and nothing after the pause runs.
TEST_F(EditorPlay, StopDuringALongPauseEndsTheRun) {
    main.txtLog.SetText("Function(Main);MoveMouse(2,2);Pause(20000);MoveMouse(5,5);EndFunction();");
    main.mnuScriptPlay_Click();
    DWORD stoppedAt = 0;
    Once stop(300, [&] {
        stoppedAt = GetTickCount();
        main.mnuScriptStop_Click();
    });
    ASSERT_TRUE(PumpUntil([&] { return stop.Fired() && Idle() && !state.RunTickActive; }, 3000));
    EXPECT_LT(GetTickCount() - stoppedAt, 500u);
    EXPECT_FALSE(program.ScriptEngine().IsRunning);
    PumpFor(200);
    EXPECT_EQ(Cursor().x, 2);
}

// Play right after Stop, while a timed run is still inside its pause: the new
// script runs once, on its own, after the stopped run's tick has returned
// (not inside a handler that goes on pumping, as a message box does); the
// stopped run neither resumes, nor reports, nor rewrites the text.
TEST_F(EditorPlay, PlayRightAfterStopRunsTheNewScriptOnce) {
    main.txtLog.SetText("Function(Main);\r\nOrigionalPlayTime(1);\r\nSetPausePercent(100);\r\nMoveMouse(2,2);\r\n"
                        "Pause(20000);\r\nEndFunction();\r\nFunction(After);\r\nMoveMouse(99,99);\r\nEndFunction();");
    const std::string next = "Function(Main);add(n,1);MoveMouse(n,9);EndFunction();Function(After);"
                             "MoveMouse(99,99);EndFunction();SetPausePercent(100);";
    DialogAnswerer answers;
    answers.Press(IDNO);  // the hidden timed run
    main.mnuScriptCorrectTime_Click();
    bool ranInside = false;
    Once stopAndPlay(300, [&] {
        main.mnuScriptStop_Click();
        main.txtLog.SetText(next);
        main.mnuScriptPlay_Click();
        PumpFor(100);
        ranInside = Cursor().y == 9;
    });
    ASSERT_TRUE(PumpUntil([&] { return stopAndPlay.Fired() && Idle() && !state.RunTickActive; }, 3000));
    PumpFor(300);
    EXPECT_FALSE(ranInside);
    EXPECT_EQ(Cursor().x, 1);
    EXPECT_EQ(Cursor().y, 9);
    EXPECT_EQ(answers.Dialogs().size(), 1u);  // the question only
    EXPECT_EQ(main.txtLog.Text(), next);
}

// Stop shows its window only when a run or a recording hid it. Ctrl+0 is
// pressed in other programs for their own reasons: the foreground stays
// theirs, a minimised window stays minimised, and a question stays above
// the window that owns it.
TEST_F(EditorPlay, StopLeavesAShownWindowWhereItIs) {
    ombrelt::testing::TargetProcess target;
    ASSERT_TRUE(target.Window());
    editor::frmBasic& basic = program.Basic();
    basic.Show();
    const std::vector<std::pair<forms::Form*, std::function<void()>>> stops = {
        {&main, [&] { main.mnuScriptStop_Click(); }}, {&basic, [&] { basic.StopAll(); }}};
    for (const auto& [window, stop] : stops) {
        ASSERT_TRUE(BringToFront(target.Window()));
        stop();
        EXPECT_EQ(Settled([] { return GetForegroundWindow(); }), target.Window()) << window->Caption();
        ShowWindow(window->Handle(), SW_MINIMIZE);
        stop();
        EXPECT_TRUE(Settled([&] { return window->Minimized(); })) << window->Caption();
        ShowWindow(window->Handle(), SW_RESTORE);
    }

    ASSERT_TRUE(BringToFront(main.Handle()));
    main.txtLog.SetText("LeftClick();");
    // Ctrl+0 under New's question, once it is shown: the hot-key poll is a
    // timer, which ticks inside the question's loop.
    std::atomic<bool> stopped{false};
    forms::Timer ctrlZero(
        [&] {
            if (stopped || !ShownDialogOf(main.Handle())) return;
            main.mnuScriptStop_Click();
            stopped = true;
        },
        10, true);
    bool questionInFront = false, questionAbove = false;
    DialogAnswerer answers;
    answers.Press(IDNO, [&](HWND question) {
        for (int i = 0; i < 300 && !stopped; ++i) Sleep(10);
        // The window thread goes on in the question's loop meanwhile.
        const auto place = Settled(
            [&] { return std::pair(GetForegroundWindow() == question, Above(question, main.Handle())); }, false);
        questionInFront = place.first;
        questionAbove = place.second;
    });
    main.mnuNew_Click();
    EXPECT_TRUE(stopped);
    EXPECT_TRUE(questionInFront);
    EXPECT_TRUE(questionAbove);
}

// The keys of a run that Ctrl+9 started in another program go to that
// program, not to a window of the editor left open (Find), whether the
// editor was idle or a run was under way.
TEST_F(EditorPlay, AHotKeyRunTypesIntoTheProgramInFront) {
    ombrelt::testing::TargetProcess target;
    ASSERT_TRUE(target.Window());
    program.Find().Show();
    main.txtLog.SetText("Function(Main);Pause(300);KeyDown(65);KeyUp(65);Pause(20000);EndFunction();");
    ASSERT_TRUE(BringToFront(target.Window()));
    const auto started = state.Starts;
    HeldKey first(CtrlAnd('9', [&] { return state.Starts == started + 1; }));
    // Inside the first run's long pause, once it has typed: Ctrl+9 again.
    std::optional<HeldKey> again;
    forms::Timer restart(
        [&] {
            if (again || !first.Done() || !target.WaitFor("EDIT a", 0)) return;
            main.txtLog.SetText("Function(Main);Pause(300);KeyDown(66);KeyUp(66);EndFunction();");
            again.emplace(CtrlAnd('9', [&] { return state.Starts == started + 2; }));
        },
        10, true);
    ASSERT_TRUE(PumpUntil([&] { return again && again->Taken() && Idle(); }));
    EXPECT_TRUE(target.WaitFor("EDIT ab", 1000));
}

// The recorder brings the key state up to date itself: with another program
// in the foreground and no hot-key poll beside it, a key typed as real input
// is still recorded.
TEST_F(EditorPlay, RecorderSeesKeysWithoutTheHotKeyPoll) {
    ombrelt::testing::TargetProcess target;
    ASSERT_TRUE(target.Window());
    main.tmrInputs.SetEnabled(false);
    main.txtLog.SetText("");
    main.StartRecording();
    ASSERT_TRUE(BringToFront(target.Window()));
    HeldKey q({.Key = 'Q', .Taken = [&] { return state.ScriptText.find("KeyDown(81);") != std::string::npos; }});
    ASSERT_TRUE(PumpUntil([&] { return q.Done(); }));
    main.mnuScriptStop_Click();
    EXPECT_NE(main.txtLog.Text().find("KeyDown(81);"), std::string::npos) << main.txtLog.Text();
}

TEST_F(EditorPlay, CtrlOnePausesATimedRunAndPlayResumesIt) {
    const std::string script =
        "Function(Main);\r\nOrigionalPlayTime(1);\r\nSetPausePercent(100);\r\nPause(1000);\r\nMoveMouse(3,3);\r\n"
        "EndFunction();";
    main.txtLog.SetText(script);
    // Outside a timed run: nothing, once the poll has read it.
    ASSERT_TRUE(PressUntilTaken(CtrlAnd('1', [&] { return ReadDown('1'); })));
    EXPECT_FALSE(state.IsPaused);
    {
        DialogAnswerer answers;
        answers.Press(IDCANCEL);
        main.mnuScriptCorrectTime_Click();
        EXPECT_TRUE(Idle());
        EXPECT_FALSE(main.tmrCorrectTime.Enabled());
    }

    DialogAnswerer answers;
    answers.Press(IDNO);
    answers.Press(IDOK);
    main.mnuScriptCorrectTime_Click();
    // Inside the timed run's pause.
    HeldKey ctrlOne(CtrlAnd('1', [&] { return state.IsPaused; },
                            [&] { return state.RunTickActive && main.tmrCorrectTime.Enabled(); }));
    ASSERT_TRUE(PumpUntil([&] { return answers.AllAnswered() && main.Visible(); }, 3000));
    EXPECT_TRUE(state.IsPaused);
    EXPECT_NE(Cursor().x, 3);  // ended before the statement after the pause
    EXPECT_NE(answers.Dialogs()[1].Text.find("Origional Play Time: 1 seconds"), std::string::npos);

    // Stop keeps the pause; the next Play only resumes, with the text it had.
    main.mnuScriptStop_Click();
    EXPECT_TRUE(state.IsPaused);
    main.mnuScriptPlay_Click();
    EXPECT_FALSE(state.IsPaused);
    EXPECT_TRUE(main.tmrPlay.Enabled());
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(program.ScriptEngine().ExecuteType, 1);
}

TEST_F(EditorPlay, CtrlZeroLeavesTheWhiteDebugRunWithoutAMessage) {
    main.txtLog.SetText(
        "Function(Main);\r\nOrigionalPlayTime(1);\r\nSetPausePercent(100);\r\nPause(1500);\r\nEndFunction();");
    DialogAnswerer answers;
    answers.Press(IDYES);
    main.mnuScriptCorrectTime_Click();
    editor::frmWhite& white = program.White();
    EXPECT_FALSE(main.tmrInputs.Enabled());
    std::string pointer, line;
    Once move(300, [] { SetCursorPos(300, 200); });
    Once look(700, [&] {
        pointer = white.lblMouse.Caption();
        line = white.lblLine.Caption();
    });
    HeldKey ctrlZero(
        CtrlAnd('0', [&] { return main.Visible() && !white.tmrPlay.Enabled(); }, [&] { return look.Fired(); }));
    ASSERT_TRUE(PumpUntil([&] { return ctrlZero.Taken() && !state.RunTickActive; }));
    EXPECT_EQ(pointer, "(300, 200)");
    EXPECT_EQ(line, "5");  // four statements and the SetPausePercent handed over
    EXPECT_TRUE(main.Visible() && !white.Visible() && main.tmrInputs.Enabled());
    PumpFor(100);
    EXPECT_EQ(answers.Dialogs().size(), 1u);  // the question only
    EXPECT_EQ(main.tmrPlay.Interval(), 0);    // until a Play sets it
    // Still rewritten from the time up to the stop: under 100 percent.
    EXPECT_EQ(main.txtLog.Text().find("SetPausePercent(100);"), std::string::npos) << main.txtLog.Text();
}

}  // namespace
