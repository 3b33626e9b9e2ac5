// The basic-mode window in process: its start values, Play once, repeatedly
// and X times, the switch to and from the advanced window, its Open and
// Save, and a White Debug run started from it.
#include <gtest/gtest.h>

#include "editor/EditCommands.h"
#include "editor/FileAccess.h"
#include "editor/Program.h"
#include "editor/frmBasic.h"
#include "editor/frmMain.h"
#include "editor/frmWhite.h"
#include "support/DialogAnswerer.h"
#include "editor_play_support.h"

using namespace ombrelt;
using ombrelt::testing::DialogAnswerer;
using ombrelt::testing::play::PumpUntil;

namespace {

class EditorBasic : public ::testing::Test {
protected:
    EditorBasic() {
        program.OnEnd = [] {};
        automation.RepeatEnabled = false;
        program.ShowBasicWindow();
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        file = std::string(temp) + "ombrelt_basic_" + std::to_string(GetCurrentProcessId()) + ".ox";
    }
    ~EditorBasic() override {
        basic.StopAll();
        DeleteFileA(file.c_str());
    }

    bool Idle() { return !basic.tmrPlay.Enabled() && basic.Visible(); }
    // "add(n,1);" appends a "1" to n on every run (see the playback tests).
    std::size_t Runs() { return program.ScriptEngine().GetVariableAsString("n").size(); }
    std::size_t PlayX(const std::string& count) {
        basic.txtLog.SetText("Function(Main);add(n,1);EndFunction();");
        basic.optPlayX.SetValue(true);
        basic.optPlayX_Click();
        basic.txtPlayX.SetText(count);
        std::string none;
        program.ScriptEngine().Initialize(none);  // n starts afresh
        basic.cmdPlay_Click();
        EXPECT_TRUE(PumpUntil([&] { return Idle(); }));
        return Runs();
    }

    editor::Program program;
    AutomationState& automation = program.Automation();
    editor::EditorState& state = program.State();
    editor::frmBasic& basic = program.Basic();
    std::string file;
};

TEST_F(EditorBasic, StartsWithTheTemplateAndTheStoredOptions) {
    EXPECT_EQ(basic.Caption(), "Ombrelt Basic Mode");
    EXPECT_EQ(basic.txtLog.Text(), editor::EmptyScript);
    EXPECT_FALSE(basic.txtLog.Visible());
    // Repeat was off at load: no play option is selected.
    EXPECT_FALSE(basic.optRepeat.Value());
    EXPECT_FALSE(basic.optPlayOnce.Value());
    EXPECT_FALSE(basic.optPlayX.Value());
    EXPECT_EQ(basic.txtPlayX.Text(), "1");
    EXPECT_TRUE(basic.tmrInputs.Enabled());
    EXPECT_EQ(basic.tmrInputs.Interval(), 1);

    basic.chkMM.SetValue(0);
    basic.chkMM_Click();
    EXPECT_FALSE(state.RecordMouseMoves);
    basic.optRepeat.SetValue(true);
    basic.optRepeat_Click();
    EXPECT_TRUE(automation.RepeatEnabled);
    basic.optPlayOnce_Click();
    EXPECT_FALSE(automation.RepeatEnabled);
    EXPECT_TRUE(basic.optPlayOnce.Value());
    EXPECT_FALSE(basic.optRepeat.Value());
}

TEST_F(EditorBasic, PlayXRunsTheCountedNumberOfTimes) {
    EXPECT_EQ(PlayX("3"), 3u);
    EXPECT_TRUE(automation.RepeatEnabled);  // stays on after the series
    EXPECT_EQ(PlayX("2.5"), 2u);
    EXPECT_EQ(PlayX("0"), 1u);
    EXPECT_EQ(PlayX("-2"), 1u);

    DialogAnswerer answers;
    answers.Press(IDOK);
    basic.txtPlayX.SetText("three");
    basic.cmdPlay_Click();
    ASSERT_EQ(answers.Dialogs().size(), 1u);
    EXPECT_EQ(answers.Dialogs()[0].Text, "The Play X times must be numeric!");
    EXPECT_EQ(answers.Dialogs()[0].Title, "Error");
    EXPECT_FALSE(basic.tmrPlay.Enabled());
    EXPECT_TRUE(basic.Visible());
}

TEST_F(EditorBasic, PlayOnceAndRepeatedly) {
    basic.txtLog.SetText("Function(Main);add(n,1);Pause(2);EndFunction();");
    basic.optPlayOnce.SetValue(true);
    basic.optPlayOnce_Click();
    basic.cmdPlay_Click();
    EXPECT_FALSE(basic.Visible());
    ASSERT_TRUE(PumpUntil([&] { return Idle(); }));
    EXPECT_EQ(Runs(), 1u);

    basic.optRepeat.SetValue(true);
    basic.optRepeat_Click();
    basic.cmdPlay_Click();
    ASSERT_TRUE(PumpUntil([&] { return Runs() >= 4; }));
    EXPECT_FALSE(basic.Visible());
    basic.StopAll();
    EXPECT_TRUE(Idle());
}

TEST_F(EditorBasic, SwitchesToTheAdvancedWindowAndBack) {
    basic.SetCaption("Ombrelt Basic Mode - test.ox");
    basic.txtLog.SetText("Function(Main);\r\nPause(1);\r\nEndFunction();");
    basic.cmdAdvanced_Click();
    editor::frmMain& main = program.Main();
    EXPECT_EQ(main.Caption(), "Ombrelt - test.ox");
    EXPECT_EQ(main.txtLog.Text(), "Function(Main);\r\nPause(1);\r\nEndFunction();");
    EXPECT_TRUE(main.Visible());
    EXPECT_FALSE(basic.Visible());
    EXPECT_FALSE(basic.tmrInputs.Enabled());
    EXPECT_TRUE(main.tmrInputs.Enabled());
    EXPECT_FALSE(state.StartInBasicMode);
    EXPECT_FALSE(state.BasicModeInUse);

    main.txtLog.SetText("Function(Main);EndFunction();");
    main.SetCaption("Ombrelt - other.ox");
    main.mnuFileBasicMode_Click();
    EXPECT_EQ(basic.Caption(), "Ombrelt Basic Mode - other.ox");
    EXPECT_EQ(basic.txtLog.Text(), "Function(Main);EndFunction();");
    EXPECT_TRUE(basic.Visible());
    EXPECT_TRUE(basic.tmrInputs.Enabled());
    EXPECT_EQ(basic.tmrInputs.Interval(), 1);
    EXPECT_FALSE(main.tmrInputs.Enabled());
    EXPECT_TRUE(state.BasicModeInUse);

    // Untitled windows leave the other's caption as it is.
    basic.SetCaption("Ombrelt Basic Mode");
    basic.cmdAdvanced_Click();
    EXPECT_EQ(main.Caption(), "Ombrelt - other.ox");
}

TEST_F(EditorBasic, SaveAsksOnlyOnceThereIsAScriptAndOpenReadsItBack) {
    {
        DialogAnswerer answers;
        basic.cmdSave_Click();  // untitled: nothing to save, nothing asked
        EXPECT_TRUE(answers.Dialogs().empty());
    }
    basic.SetCaption("Ombrelt Basic Mode - Untitled");
    basic.txtLog.SetText("Function(Main);\r\nMoveMouse(1,2);\r\nEndFunction();");
    {
        DialogAnswerer answers;
        answers.Choose(file);
        basic.cmdSave_Click();
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Save Ombrelt script file");
    }
    std::string bytes;
    ASSERT_TRUE(editor::ReadWholeFile(file, bytes));
    EXPECT_EQ(bytes, "Function(Main);\r\nMoveMouse(1,2);\r\nEndFunction();");
    const std::string name = file.substr(file.find_last_of('\\') + 1);
    EXPECT_EQ(basic.Caption(), "Ombrelt Basic Mode - " + name);
    EXPECT_EQ(state.CurrentFilePath, file);
    EXPECT_EQ(automation.ImageBaseFolder, file.substr(0, file.find_last_of('\\') + 1));

    // Open asks first, even over the template.
    basic.txtLog.SetText(std::string(editor::EmptyScript));
    basic.SetCaption("Ombrelt Basic Mode");
    {
        DialogAnswerer answers;
        answers.Press(IDNO);
        basic.cmdOpen_Click();
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Confirm Recording");
        EXPECT_EQ(basic.txtLog.Text(), editor::EmptyScript);
    }
    DialogAnswerer answers;
    answers.Press(IDYES);
    answers.Choose(file);
    basic.cmdOpen_Click();
    ASSERT_EQ(answers.Dialogs().size(), 2u);
    EXPECT_EQ(answers.Dialogs()[1].Title, "Open Ombrelt script file");
    EXPECT_EQ(basic.txtLog.Text(), bytes);
    EXPECT_EQ(state.ScriptText, bytes);
    EXPECT_EQ(basic.Caption(), "Ombrelt Basic Mode - " + name);
}

TEST_F(EditorBasic, WhiteDebugRunRewritesTheBasicScriptAndReturnsToIt) {
    editor::frmMain& main = program.Main();  // loaded, as a capture would load it
    main.txtLog.SetText("untouched");
    basic.txtLog.SetText("Function(Main);\r\nOrigionalPlayTime(0.050);\r\nSetPausePercent(100);\r\nPause(100);\r\n"
                         "EndFunction();");
    DialogAnswerer answers;
    answers.Press(IDYES);
    answers.Press(IDOK);
    basic.cmdCorrectTime_Click();
    EXPECT_TRUE(state.WhiteFromBasic);
    EXPECT_FALSE(basic.Visible());
    EXPECT_FALSE(basic.tmrInputs.Enabled());
    ASSERT_TRUE(PumpUntil([&] { return answers.AllAnswered() && basic.Visible(); }));
    EXPECT_FALSE(program.White().Visible());
    EXPECT_TRUE(basic.tmrInputs.Enabled());
    EXPECT_EQ(basic.tmrInputs.Interval(), 1);
    EXPECT_NE(basic.txtLog.Text().find("SetPausePercent(2"), std::string::npos) << basic.txtLog.Text();
    EXPECT_EQ(main.txtLog.Text(), "untouched");
    EXPECT_FALSE(main.Visible());
}

}  // namespace
