// Playback, hot keys, time correction and the White Debug window in process:
// the real windows, the real engine and desktop, the message boxes answered
// by a thread of the test.
#include <gtest/gtest.h>

#include "editor/Program.h"
#include "editor/frmMain.h"
#include "editor/frmWhite.h"
#include "support/DialogAnswerer.h"
#include "editor_play_support.h"
#include "forms/Timer.h"

#include <thread>

using namespace ombrelt;
using ombrelt::testing::DialogAnswerer;
using ombrelt::testing::play::PumpFor;
using ombrelt::testing::play::PumpUntil;

namespace {

void Key(BYTE vk, bool up) {
    keybd_event(vk, 0, up ? KEYEVENTF_KEYUP : 0, 0);
}

// Runs once, after a delay, wherever this thread processes messages: also
// inside the pump of a run that a timer tick is executing.
class Once {
public:
    Once(int ms, std::function<void()> action)
        : action_(std::move(action)), timer_([this] { Fire(); }, ms, true) {}
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
        main.Show();
        SetCursorPos(1, 1);
        // Keys typed while a freshly shown window is still being activated
        // may not reach the thread's key state.
        PumpFor(300);
    }
    ~EditorPlay() override {
        for (std::thread& t : typists_) t.join();
        Key(VK_CONTROL, true);
        main.mnuScriptStop_Click();
    }

    // Ctrl and a digit as real input after a delay, typed by another thread
    // (this one may be inside a run). The digit is held as a person holds it:
    // Wine answers the key-state queries of a process from a cache for up to
    // 50 ms, and a press already released when the cache is refreshed is lost.
    void PressCtrlLater(int delayMs, char digit) {
        typists_.emplace_back([delayMs, digit] {
            Sleep(delayMs);
            Key(VK_CONTROL, false);
            Key(digit, false);
            Sleep(150);
            Key(digit, true);
            Key(VK_CONTROL, true);
        });
    }
    static POINT Cursor() {
        POINT p{};
        GetCursorPos(&p);
        return p;
    }
    bool Idle() { return !main.tmrPlay.Enabled() && main.Visible(); }
    // The script's counter: "add(n,1);" on a new name makes the text "1" and
    // appends a "1" on every later run, so its length counts the runs.
    std::size_t Runs() { return program.ScriptEngine().GetVariableAsString("n").size(); }

    editor::Program program;
    editor::frmMain& main = program.Main();
    editor::EditorState& state = program.State();
    AutomationState& automation = program.Automation();
    std::vector<std::thread> typists_;
};

TEST_F(EditorPlay, PlayRunsTheTextOnceHiddenThenShowsTheWindow) {
    automation.RepeatEnabled = false;
    automation.SelectedWindow = 1234;
    main.txtLog.SetText("Function(Main);\r\nMoveMouse(101,102);\r\nEndFunction();");
    main.mnuScriptPlay_Click();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(main.tmrPlay.Enabled());
    EXPECT_EQ(automation.SelectedWindow, 0u);
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Cursor().x, 101);
    EXPECT_EQ(Cursor().y, 102);
    EXPECT_EQ(state.ScriptText.find("movemouse(101,102);"), 15u);  // handed to the engine, cleaned

    // A broken script ends its run without harm and the window comes back.
    main.txtLog.SetText("Function(Main);\r\nIf(1<99999999999);\r\nEndIf();\r\nEndFunction();");
    main.mnuScriptPlay_Click();
    EXPECT_TRUE(PumpUntil([&] { return Idle(); }));
}

TEST_F(EditorPlay, RepeatRunsAgainFromTheStartUntilStop) {
    ASSERT_TRUE(automation.RepeatEnabled);  // the window's start value
    EXPECT_TRUE(main.mnuScriptRepeat.Checked());
    main.txtLog.SetText("Function(Main);add(n,1);Pause(2);EndFunction();");
    main.mnuScriptPlay_Click();
    ASSERT_TRUE(PumpUntil([&] { return Runs() >= 3; }));
    EXPECT_FALSE(main.Visible());
    main.mnuScriptStop_Click();
    EXPECT_TRUE(Idle());
    const std::size_t runs = Runs();
    PumpFor(50);
    EXPECT_EQ(Runs(), runs);

    main.mnuScriptRepeat_Click();
    EXPECT_FALSE(automation.RepeatEnabled);
    EXPECT_FALSE(main.mnuScriptRepeat.Checked());
    main.mnuScriptRepeat_Click();
    EXPECT_TRUE(automation.RepeatEnabled);
    EXPECT_TRUE(main.mnuScriptRepeat.Checked());
}

TEST_F(EditorPlay, PlaySelectionRunsTheSelectionOrFromTheCaret) {
    automation.RepeatEnabled = false;
    const std::string script = "Function(Main);MoveMouse(33,44);EndFunction();";
    main.txtLog.SetText("junk" + script);
    main.txtLog.SetSelStart(4);  // nothing selected: from the caret to the end
    automation.SelectedWindow = 0;
    main.mnuScriptPlaySelection_Click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Cursor().x, 33);
    EXPECT_EQ(state.ScriptText.find("function(main);"), 0u);

    main.txtLog.SetText("a(" + script + ")b");
    main.txtLog.SetSelStart(2);
    main.txtLog.SetSelLength(static_cast<int>(script.size()));
    main.mnuScriptPlaySelection_Click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Cursor().y, 44);
}

// A stop takes effect when the pause under way returns; the window is back
// at once.
TEST_F(EditorPlay, HotKeysPlayAndStopWhileTheWindowIsHidden) {
    automation.RepeatEnabled = false;
    main.txtLog.SetText("Function(Main);MoveMouse(20,21);Pause(1500);MoveMouse(22,23);EndFunction();");
    POINT during{};
    bool hidden = false, shownAfterStop = false;
    Once look(400, [&] {
        during = Cursor();
        hidden = !main.Visible();
    });
    Once lookAgain(900, [&] { shownAfterStop = Idle(); });
    PressCtrlLater(0, '9');
    PressCtrlLater(500, '0');
    ASSERT_TRUE(PumpUntil([&] { return lookAgain.Fired() && Idle(); }));
    EXPECT_EQ(during.x, 20);
    EXPECT_TRUE(hidden);
    EXPECT_TRUE(shownAfterStop);
    EXPECT_EQ(Cursor().x, 20);  // the statement after the pause never ran

    // Ctrl+1 pauses only a timed correction run.
    PressCtrlLater(0, '1');
    PumpFor(300);
    EXPECT_FALSE(state.IsPaused);
}

// Ctrl+9 during a run starts the run anew from the editor text, also with
// repeat off: the end of the interrupted run does not stop the new one.
TEST_F(EditorPlay, CtrlNineDuringARunStartsItAnew) {
    automation.RepeatEnabled = false;
    main.txtLog.SetText("Function(Main);MoveMouse(1,1);Pause(800);MoveMouse(55,66);EndFunction();");
    main.mnuScriptPlay_Click();
    Once edit(100, [&] { main.txtLog.SetText("Function(Main);MoveMouse(77,88);EndFunction();"); });
    PressCtrlLater(200, '9');
    ASSERT_TRUE(PumpUntil([&] { return edit.Fired() && Idle(); }));
    EXPECT_EQ(Cursor().x, 77);
    EXPECT_EQ(Cursor().y, 88);
}

TEST_F(EditorPlay, CorrectTimeRewritesThePausePercentFromTheTimedRun) {
    const std::string script =
        "Function(Main);\r\nOrigionalPlayTime(0.100);\r\nSetPausePercent(100);\r\n\r\nPause(250);\r\n\r\n"
        "EndFunction();";
    main.txtLog.SetText(script);
    automation.PauseFactor = 1.0;
    automation.SelectedWindow = 99;
    {
        DialogAnswerer answers;
        answers.Press(IDCANCEL);
        main.mnuScriptCorrectTime_Click();
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "White Debug mode?");
        EXPECT_EQ(answers.Dialogs()[0].Text, "Do you wish to use the White Debug mode?");
    }
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(main.tmrCorrectTime.Enabled());
    EXPECT_EQ(main.txtLog.Text(), script);
    EXPECT_EQ(automation.SelectedWindow, 0u);

    DialogAnswerer answers;
    answers.Press(IDNO);
    answers.Press(IDOK);
    main.mnuScriptCorrectTime_Click();
    EXPECT_FALSE(main.Visible());
    EXPECT_TRUE(main.tmrCorrectTime.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return answers.AllAnswered() && main.Visible(); }));
    EXPECT_FALSE(main.tmrCorrectTime.Enabled());
    EXPECT_DOUBLE_EQ(automation.PauseFactor, 1.0);  // the timed run keeps the factor
    EXPECT_EQ(state.PausePercentText, "100");

    // About 250 ms against 100 ms: about 250 percent.
    const std::string text = main.txtLog.Text();
    const auto at = text.find("SetPausePercent(");
    ASSERT_NE(at, std::string::npos);
    const double percent = std::stod(text.substr(at + 16));
    EXPECT_GE(percent, 245.0);
    EXPECT_LT(percent, 400.0);
    EXPECT_EQ(text.substr(0, at), script.substr(0, at));
    ASSERT_EQ(answers.Dialogs().size(), 2u);
    const std::string message = answers.Dialogs()[1].Text;
    EXPECT_EQ(message.rfind("Time took: 0.", 0), 0u) << message;
    EXPECT_NE(message.find(" seconds out of Origional Play Time: 0.1 seconds"), std::string::npos) << message;
}

TEST_F(EditorPlay, WhiteDebugCountsStatementsRewritesAndReturns) {
    const std::string script =
        "Function(Main);\r\nOrigionalPlayTime(0.050);\r\nSetPausePercent(100);\r\nPause(100);\r\nEndFunction();";
    main.txtLog.SetText(script);
    DialogAnswerer answers;
    answers.Press(IDYES);
    answers.Press(IDOK);
    main.mnuScriptCorrectTime_Click();
    editor::frmWhite& white = program.White();
    EXPECT_FALSE(main.Visible());
    EXPECT_FALSE(main.tmrInputs.Enabled());
    EXPECT_EQ(main.tmrInputs.Interval(), 0);
    EXPECT_TRUE(white.Visible());
    EXPECT_FALSE(state.WhiteFromBasic);

    ASSERT_TRUE(PumpUntil([&] { return answers.AllAnswered() && main.Visible(); }));
    EXPECT_FALSE(white.Visible());
    EXPECT_FALSE(white.tmrPlay.Enabled());
    EXPECT_FALSE(white.tmrMouse.Enabled());
    EXPECT_TRUE(main.tmrInputs.Enabled());
    EXPECT_EQ(main.tmrInputs.Interval(), 1);
    EXPECT_EQ(main.tmrPlay.Interval(), 0);  // until a Play sets it
    // Four statements from the main function's own, plus one for the
    // SetPausePercent handed to the editor.
    EXPECT_EQ(white.lblLine.Caption(), "5");
    EXPECT_EQ(white.lblTotalTime.Caption(), "0.05");
    EXPECT_EQ(white.lblCurrTime.Caption().rfind("0.", 0), 0u);
    EXPECT_NE(main.txtLog.Text().find("SetPausePercent(2"), std::string::npos) << main.txtLog.Text();
    ASSERT_EQ(answers.Dialogs().size(), 2u);
    EXPECT_EQ(answers.Dialogs()[1].Text.rfind("Time took: ", 0), 0u);

    // The window covers the screen; the pointer line sits at its bottom.
    EXPECT_EQ(white.Width(), GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(white.Height(), GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(white.lblMouse.Top(), white.Height() - 17);

    // Play Selection afterwards sets the play timer going again.
    automation.RepeatEnabled = false;
    main.txtLog.SetText("Function(Main);MoveMouse(12,13);EndFunction();");
    main.txtLog.SetSelStart(0);
    main.mnuScriptPlaySelection_Click();
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Cursor().x, 12);
}

TEST_F(EditorPlay, CtrlZeroLeavesTheWhiteDebugRunWithoutAMessage) {
    main.txtLog.SetText(
        "Function(Main);\r\nOrigionalPlayTime(1);\r\nSetPausePercent(100);\r\nPause(1500);\r\nEndFunction();");
    DialogAnswerer answers;
    answers.Press(IDYES);
    main.mnuScriptCorrectTime_Click();
    editor::frmWhite& white = program.White();
    std::string pointer, line;
    bool shown = false, back = false;
    Once move(300, [] { SetCursorPos(300, 200); });
    Once look(700, [&] {
        pointer = white.lblMouse.Caption();
        line = white.lblLine.Caption();
        shown = white.Visible();
    });
    PressCtrlLater(800, '0');
    Once lookAgain(1200, [&] { back = main.Visible() && !white.Visible() && main.tmrInputs.Enabled(); });
    ASSERT_TRUE(PumpUntil([&] { return lookAgain.Fired() && main.Visible() && !white.tmrPlay.Enabled(); }));
    EXPECT_TRUE(back);
    EXPECT_EQ(pointer, "(300, 200)");
    EXPECT_EQ(line, "5");  // the run waits in its pause
    EXPECT_TRUE(shown);
    PumpFor(100);
    EXPECT_FALSE(white.Visible());
    EXPECT_EQ(white.tmrInputs.Interval(), 0);
    EXPECT_EQ(white.tmrPlay.Interval(), 0);
    EXPECT_TRUE(main.tmrInputs.Enabled());
    EXPECT_EQ(answers.Dialogs().size(), 1u);  // the question only
    // Still rewritten from the time up to the stop: well under 100 percent.
    const std::string text = main.txtLog.Text();
    EXPECT_EQ(text.find("SetPausePercent(100);"), std::string::npos) << text;
    EXPECT_NE(text.find("SetPausePercent("), std::string::npos);
}

TEST_F(EditorPlay, CtrlOnePausesATimedRunAndPlayResumesIt) {
    main.txtLog.SetText("Function(Main);\r\nOrigionalPlayTime(1);\r\nSetPausePercent(100);\r\nPause(1000);\r\n"
                        "MoveMouse(3,3);\r\nEndFunction();");
    DialogAnswerer answers;
    answers.Press(IDNO);
    answers.Press(IDOK);
    main.mnuScriptCorrectTime_Click();
    PressCtrlLater(300, '1');
    ASSERT_TRUE(PumpUntil([&] { return answers.AllAnswered() && main.Visible(); }, 3000));
    EXPECT_TRUE(state.IsPaused);
    EXPECT_NE(Cursor().x, 3);  // ended before the statement after the pause
    EXPECT_FALSE(main.tmrCorrectTime.Enabled());
    ASSERT_EQ(answers.Dialogs().size(), 2u);
    EXPECT_NE(answers.Dialogs()[1].Text.find("Origional Play Time: 1 seconds"), std::string::npos);

    // Stop keeps the pause; the next Play only resumes, with the text it had.
    main.mnuScriptStop_Click();
    EXPECT_TRUE(state.IsPaused);
    main.txtLog.SetText("Function(Main);MoveMouse(4,4);EndFunction();");
    main.mnuScriptPlay_Click();
    EXPECT_FALSE(state.IsPaused);
    EXPECT_TRUE(main.tmrPlay.Enabled());
    EXPECT_TRUE(main.Visible());  // the resume does not hide the window
    EXPECT_EQ(program.ScriptEngine().ExecuteType, 1);
    main.mnuScriptStop_Click();
}

}  // namespace
