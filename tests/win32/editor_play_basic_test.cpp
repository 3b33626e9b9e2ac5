// The basic-mode window in process: the switch to and from the advanced
// window, Open and Save, and a White Debug run started from it.
#include <gtest/gtest.h>

#include "HeldKey.h"
#include "automation/FileAccess.h"
#include "editor/EditCommands.h"
#include "editor/Program.h"
#include "editor/frmBasic.h"
#include "editor/frmMain.h"
#include "editor/frmWhite.h"
#include "editor_play_support.h"
#include "support/DialogAnswerer.h"

using namespace ombrelt;
using ombrelt::testing::DialogAnswerer;
using ombrelt::testing::HeldKey;

namespace {

class EditorBasic : public ::testing::Test {
protected:
    EditorBasic() {
        program.OnEnd = [] {};
        program.ShowBasicWindow();
    }
    ~EditorBasic() override { DeleteFileA(file.c_str()); }

    editor::Program program;
    editor::EditorState& state = program.State();
    editor::frmBasic& basic = program.Basic();
    const std::string file = [] {
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        return std::string(temp) + "ombrelt_basic_" + std::to_string(GetCurrentProcessId()) + ".ox";
    }();
};

TEST_F(EditorBasic, SwitchesToTheAdvancedWindowAndBack) {
    EXPECT_EQ(basic.txtLog.Text(), editor::EmptyScript);
    EXPECT_FALSE(basic.optRepeat.Value());  // repeat was off at load: no option selected
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

    main.SetCaption("Ombrelt - other.ox");
    main.mnuFileBasicMode_Click();
    EXPECT_EQ(basic.Caption(), "Ombrelt Basic Mode - other.ox");
    EXPECT_TRUE(basic.Visible());
    EXPECT_EQ(basic.tmrInputs.Interval(), 1);
    EXPECT_TRUE(state.BasicModeInUse);  // the advanced window's hot keys stay quiet
}

TEST_F(EditorBasic, SaveAsksOnlyOnceThereIsAScriptAndOpenReadsItBack) {
    {
        DialogAnswerer answers;
        basic.cmdSave_Click();  // untitled: nothing to save, nothing asked
        EXPECT_TRUE(answers.Dialogs().empty());
    }
    const std::string script = "Function(Main);\r\nMoveMouse(1,2);\r\nEndFunction();";
    basic.SetCaption("Ombrelt Basic Mode - Untitled");
    basic.txtLog.SetText(script);
    {
        DialogAnswerer answers;
        answers.Choose(file);
        basic.cmdSave_Click();
    }
    std::string bytes;
    ASSERT_TRUE(FileAccess::ReadWholeFile(file, bytes));
    EXPECT_EQ(bytes, script);
    const std::string caption = "Ombrelt Basic Mode - " + file.substr(file.find_last_of('\\') + 1);
    EXPECT_EQ(basic.Caption(), caption);
    EXPECT_EQ(state.CurrentFilePath, file);

    // Open asks first, even over the template.
    basic.txtLog.SetText(std::string(editor::EmptyScript));
    basic.SetCaption("Ombrelt Basic Mode");
    {
        DialogAnswerer answers;
        answers.Press(IDYES);
        answers.Choose(file);
        basic.cmdOpen_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Confirm Recording");
    }
    EXPECT_EQ(basic.txtLog.Text(), script);
    EXPECT_EQ(state.ScriptText, script);
    EXPECT_EQ(basic.Caption(), caption);

    // A recording is no file's text: after it, and a switch of mode, Save
    // asks for a name instead of writing over the file opened before.
    DialogAnswerer answers;
    answers.Press(IDYES);  // Record's question
    answers.Press(IDCANCEL);
    basic.cmdRecord_Click();
    basic.StopAll();
    basic.cmdAdvanced_Click();
    program.Main().mnuFileSave_Click();
    ASSERT_EQ(answers.Dialogs().size(), 2u);
    EXPECT_EQ(answers.Dialogs()[1].Title, "Save Ombrelt script file");
    ASSERT_TRUE(FileAccess::ReadWholeFile(file, bytes));
    EXPECT_EQ(bytes, script);
}

// A question or file dialog belongs to the window that asked: the window
// takes no clicks while it is open, Ctrl+8 starts nothing (no second question
// stacks on it), and an answer that comes after a switch of mode changes
// nothing, so Save still names the file the advanced window shows.
TEST_F(EditorBasic, ADialogHoldsItsWindowAndAnswersOnlyWhileTheWindowIsInUse) {
    basic.txtLog.SetText("LeftClick();");
    bool enabledDuring = true;
    {
        // Under the question, held until the hot-key poll has read it.
        HeldKey ctrlEight({.Key = '8',
                           .Modifier = VK_CONTROL,
                           .Taken = [&] { return program.HotKeyPresses().SawDown('8'); },
                           .When = [&] { return state.DialogOpen; }});
        DialogAnswerer answers;
        answers.Press(IDNO, [&](HWND) {
            enabledDuring = IsWindowEnabled(basic.Handle()) != 0;
            for (int i = 0; i < 600 && !ctrlEight.Done(); ++i) Sleep(10);
        });
        answers.Press(IDNO);  // for a question that would stack
        basic.cmdRecord_Click();
        EXPECT_TRUE(ctrlEight.Taken());
        EXPECT_EQ(answers.Dialogs().size(), 1u);
    }
    EXPECT_FALSE(enabledDuring);
    EXPECT_FALSE(state.IsRecording);

    const std::string other = file.substr(0, file.size() - 3) + "_b.ox";
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(file, "script a"));
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(other, "script b"));
    {
        DialogAnswerer answers;
        answers.Press(IDYES);
        answers.Choose(file);
        basic.cmdOpen_Click();
    }
    {
        // A click on Advanced Mode that reaches the window while Open's
        // dialog is still up.
        DialogAnswerer answers;
        answers.Press(IDYES);
        answers.Choose(other, [&](HWND) {
            enabledDuring = IsWindowEnabled(basic.Handle()) != 0;
            PostMessageA(basic.Handle(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(basic.cmdAdvanced.Handle()), BN_CLICKED),
                         reinterpret_cast<LPARAM>(basic.cmdAdvanced.Handle()));
            for (int i = 0; i < 200 && IsWindowVisible(basic.Handle()); ++i) Sleep(10);
        });
        basic.cmdOpen_Click();
    }
    DeleteFileA(other.c_str());
    EXPECT_FALSE(enabledDuring);
    editor::frmMain& main = program.Main();
    EXPECT_TRUE(main.Visible());
    EXPECT_EQ(main.txtLog.Text(), "script a");
    EXPECT_EQ(main.Caption(), "Ombrelt - " + file.substr(file.find_last_of('\\') + 1));
    EXPECT_EQ(state.CurrentFilePath, file);
}

TEST_F(EditorBasic, NoKeepsTheScriptAFileThatIsNoScriptIsRefusedAndAFailedSaveRenamesNothing) {
    const std::string binary("MZ\x90\0\3\0", 6);
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(file, binary));
    basic.SetCaption("Ombrelt Basic Mode - Untitled");
    basic.txtLog.SetText("LeftClick();");
    {
        DialogAnswerer answers;
        answers.Press(IDNO);  // Open's question: No ends it
        answers.Press(IDCANCEL);
        basic.cmdOpen_Click();
        EXPECT_EQ(answers.Dialogs().size(), 1u);
    }
    {
        DialogAnswerer answers;
        answers.Press(IDYES);
        answers.Choose(file);
        answers.Press(IDOK);
        basic.cmdOpen_Click();
        ASSERT_EQ(answers.Dialogs().size(), 3u);
        EXPECT_EQ(answers.Dialogs()[2].Text, "The file is not an Ombrelt script.");
    }
    EXPECT_EQ(basic.txtLog.Text(), "LeftClick();");
    {
        DialogAnswerer answers;  // a device keeps nothing: no save
        answers.Choose(file.substr(0, file.find_last_of('\\') + 1) + "NUL.ox");
        answers.Press(IDOK);
        basic.cmdSave_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[1].Text, "The script could not be saved.");
    }
    EXPECT_EQ(basic.Caption(), "Ombrelt Basic Mode - Untitled");
    EXPECT_EQ(state.CurrentFilePath, "");
    std::string bytes;
    ASSERT_TRUE(FileAccess::ReadWholeFile(file, bytes));
    EXPECT_EQ(bytes, binary);
}

TEST_F(EditorBasic, WhiteDebugRunRewritesTheBasicScriptAndReturnsToIt) {
    editor::frmMain& main = program.Main();  // loaded, as a capture would load it
    main.txtLog.SetText("untouched");
    basic.txtLog.SetText("Function(Main);\r\nOrigionalPlayTime(0.050);\r\nSetPausePercent(100);\r\nPause(100);\r\n"
                         "EndFunction();");
    DialogAnswerer answers;
    answers.Press(IDYES);
    answers.Press(IDOK);
    const DWORD start = GetTickCount();
    basic.cmdCorrectTime_Click();
    EXPECT_FALSE(basic.tmrInputs.Enabled());
    ASSERT_TRUE(ombrelt::testing::play::PumpUntil([&] { return answers.AllAnswered() && basic.Visible(); }));
    const DWORD elapsed = GetTickCount() - start;
    EXPECT_FALSE(program.White().Visible());
    EXPECT_EQ(basic.tmrInputs.Interval(), 1);
    // About 100 ms against 50 ms; the tick count may read a little short.
    // A busy machine takes longer, but the run lies within what this test
    // saw pass on the same clock; each whole second is counted by a timer
    // that may fire up to a clock tick early, hence 2 % and 20 ms more.
    const std::string text = basic.txtLog.Text();
    const std::size_t at = text.find("SetPausePercent(");
    ASSERT_NE(at, std::string::npos) << text;
    const double percent = std::stod(text.substr(at + 16));
    EXPECT_GE(percent, 190.0) << text;
    EXPECT_LE(percent, 100.0 * (elapsed * 1.02 + 20) / 50) << text << " after " << elapsed << " ms";
    EXPECT_EQ(main.txtLog.Text(), "untouched");
    EXPECT_FALSE(main.Visible());
}

}  // namespace
