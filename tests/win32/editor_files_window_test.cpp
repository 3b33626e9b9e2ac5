// The advanced-mode window's File, Find, Replace and Debug commands in
// process, on a real editor control, with the real dialogs answered by a
// thread of the test.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "Compiler/ScriptPayload.h"
#include "automation/FileAccess.h"
#include "automation/win32/Handles.h"
#include "editor/EditCommands.h"
#include "editor/Program.h"
#include "editor/frmDebug.h"
#include "editor/frmFind.h"
#include "editor/frmMain.h"
#include "editor/frmReplace.h"
#include "support/DialogAnswerer.h"

using namespace ombrelt;
using ombrelt::testing::DialogAnswerer;

namespace {

class EditorFilesWindow : public ::testing::Test {
protected:
    EditorFilesWindow() {
        program.OnEnd = [] {};
        main.Show();  // the window in use, as when its menu is chosen
        char temp[MAX_PATH] = {};
        GetTempPathA(sizeof temp, temp);
        folder = std::string(temp) + "ombrelt_editor_files_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder.c_str(), nullptr);
    }
    ~EditorFilesWindow() override {
        for (const std::string& name : Names()) DeleteFileA(File(name).c_str());
        RemoveDirectoryA(folder.c_str());
    }

    std::string File(const std::string& name) const { return folder + "\\" + name; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        WIN32_FIND_DATAA found;
        HANDLE search = FindFirstFileA(File("*").c_str(), &found);
        if (search == INVALID_HANDLE_VALUE) return names;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
        return names;
    }
    std::string Read(const std::string& path) const {
        std::string bytes;
        FileAccess::ReadWholeFile(path, bytes);
        return bytes;
    }
    // Opens the file, which is refused: the one message that says why.
    std::string RefusedOpen(const std::string& name) {
        DialogAnswerer answers;
        answers.Choose(File(name));
        answers.Press(IDOK);
        main.mnuFileOpen_Click();
        const auto seen = answers.Dialogs();
        EXPECT_EQ(seen.size(), 2u);
        EXPECT_EQ(seen.back().Title, "Error");
        return seen.size() == 2 ? seen[1].Text : "";
    }
    void Select(int start, int length) {
        main.txtLog.SetSelStart(start);
        main.txtLog.SetSelLength(length);
    }
    std::pair<int, int> Selection() const { return {main.txtLog.SelStart(), main.txtLog.SelLength()}; }

    editor::Program program;
    editor::frmMain& main = program.Main();
    editor::EditorState& state = program.State();
    std::string folder;
};

using Sel = std::pair<int, int>;

}  // namespace

TEST_F(EditorFilesWindow, FindRunsTheStoredSearchAndFindNextMovesOn) {
    main.txtLog.SetText("Pause(1);\r\npause(2);\r\nPAUSE(3);");
    Select(0, 0);
    main.mnuEditFindNext_Click();  // nothing stored yet: nothing happens
    EXPECT_EQ(Selection(), Sel(0, 0));

    editor::frmFind& find = program.Find();
    find.Show();
    find.txtFind.SetText("pause");
    find.cmdFind_Click();  // down, ignoring case, from the caret itself
    EXPECT_FALSE(find.Loaded());
    EXPECT_EQ(Selection(), Sel(0, 5));
    main.mnuEditFindNext_Click();
    EXPECT_EQ(Selection(), Sel(11, 5));
    main.mnuEditFindNext_Click();
    EXPECT_EQ(Selection(), Sel(22, 5));

    {
        DialogAnswerer answers;
        answers.Press(IDOK);
        main.mnuEditFindNext_Click();  // no further match: the selection stays
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Text, "Cannot find \"pause\"");
        EXPECT_EQ(answers.Dialogs()[0].Title, "");
    }
    EXPECT_EQ(Selection(), Sel(22, 5));

    // The dialog starts with the selected text; up and match case.
    find.Show();
    EXPECT_EQ(find.txtFind.Text(), "PAUSE");
    EXPECT_EQ(find.txtFind.SelLength(), 5);  // typing replaces it
    find.txtFind.SetText("Pause");
    find.chkMatch.SetValue(1);
    find.optUp.SetValue(true);
    find.cmdFind_Click();
    EXPECT_EQ(Selection(), Sel(0, 5));
    DialogAnswerer answers;  // nothing before the start
    answers.Press(IDOK);
    main.mnuEditFindNext_Click();
    ASSERT_EQ(answers.Dialogs().size(), 1u);
    EXPECT_EQ(answers.Dialogs()[0].Text, "Cannot find \"Pause\"");

    // An empty search finds nothing to report.
    find.Show();
    find.txtFind.SetText("");
    find.cmdFind_Click();
    EXPECT_EQ(answers.Dialogs().size(), 1u);
}

TEST_F(EditorFilesWindow, ReplaceAllIsCaseSensitiveAndUnloadsTheDialog) {
    main.txtLog.SetText("Pause(1);pause(2);Pause(3);");
    editor::frmReplace& replace = program.Replace();
    replace.Show();
    replace.txtFind.SetText("Pause");
    replace.txtReplace.SetText("Wait");
    replace.cmdReplaceAll_Click();
    EXPECT_EQ(main.txtLog.Text(), "Wait(1);pause(2);Wait(3);");
    EXPECT_FALSE(replace.Loaded());
}

TEST_F(EditorFilesWindow, DebugAppendsTheListingAndClosingOnlyHides) {
    std::string script = "Function(Main);Long(n, 5);EndFunction();";
    program.ScriptEngine().Initialize(script);
    const std::string listing = program.ScriptEngine().GetDebug();
    ASSERT_FALSE(listing.empty());

    main.mnuScriptDebug_Click();
    editor::frmDebug& debug = program.Debug();
    EXPECT_TRUE(debug.Visible());
    EXPECT_EQ(debug.txtDebug.Text(), listing);
    debug.cmdGetDebug_Click();
    EXPECT_EQ(debug.txtDebug.Text(), listing + listing);

    SendMessageA(debug.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(debug.Loaded());
    EXPECT_FALSE(debug.Visible());
    main.mnuScriptDebug_Click();
    EXPECT_TRUE(debug.Visible());
    EXPECT_EQ(debug.txtDebug.Text(), listing + listing + listing);
}

TEST_F(EditorFilesWindow, NewAsksBeforeDiscardingAScript) {
    {
        DialogAnswerer answers;  // the untouched script: no question
        main.mnuNew_Click();
        EXPECT_TRUE(answers.Dialogs().empty());
    }
    main.txtLog.SetText("LeftClick();");
    main.SetCaption("Ombrelt - a.ox");
    state.CurrentFilePath = File("a.ox");
    {
        DialogAnswerer answers;
        answers.Press(IDNO);
        main.mnuNew_Click();
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Confirm Recording");
        EXPECT_EQ(main.txtLog.Text(), "LeftClick();");
        EXPECT_EQ(state.CurrentFilePath, File("a.ox"));
    }
    {
        DialogAnswerer answers;  // Open asks the same; No keeps the script and opens nothing
        answers.Press(IDNO);
        answers.Press(IDCANCEL);
        main.mnuFileOpen_Click();
        EXPECT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(main.txtLog.Text(), "LeftClick();");
        EXPECT_EQ(main.Caption(), "Ombrelt - a.ox");
    }
    {
        DialogAnswerer answers;
        answers.Press(IDYES);
        main.mnuNew_Click();
        EXPECT_EQ(main.txtLog.Text(), editor::EmptyScript);
        EXPECT_EQ(main.Caption(), "Ombrelt");
        EXPECT_EQ(state.CurrentFilePath, "");
    }
}

TEST_F(EditorFilesWindow, SaveAsSaveAndOpenKeepTheScriptByteForByte) {
    const std::string script = "Function(Main);\r\n  MsgBox(\"Caf\xE9\");\r\nEndFunction();";
    main.txtLog.SetText(script);
    {
        DialogAnswerer answers;
        answers.Choose(File("a"));  // the dialog adds the default extension
        main.mnuFileSaveAs_Click();
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Save Ombrelt script file");
    }
    EXPECT_EQ(Read(File("a.ox")), script);
    EXPECT_EQ(main.Caption(), "Ombrelt - a.ox");
    EXPECT_EQ(state.CurrentFilePath, File("a.ox"));
    EXPECT_EQ(program.Automation().ImageBaseFolder, folder + "\\");

    main.txtLog.SetText("LeftClick();");
    ASSERT_TRUE(SetFileAttributesA(File("a.ox").c_str(), FILE_ATTRIBUTE_HIDDEN));
    {
        DialogAnswerer answers;  // Save goes to the same file without asking
        main.mnuFileSave_Click();
        EXPECT_TRUE(answers.Dialogs().empty());
    }
    EXPECT_EQ(Read(File("a.ox")), "LeftClick();");
    EXPECT_TRUE(GetFileAttributesA(File("a.ox").c_str()) & FILE_ATTRIBUTE_HIDDEN);  // still hidden
    {
        // A recording is no file's text: Save after it asks for a name.
        DialogAnswerer answers;
        answers.Press(IDYES);  // Record's question
        answers.Press(IDCANCEL);
        main.StartRecording();
        main.mnuScriptStop_Click();
        main.mnuFileSave_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[1].Title, "Save Ombrelt script file");
    }
    EXPECT_EQ(Read(File("a.ox")), "LeftClick();");

    ASSERT_TRUE(FileAccess::ReplaceWholeFile(File("b.ox"), script));
    {
        DialogAnswerer answers;
        answers.Press(IDYES);  // New's question
        answers.Choose(File("b.ox"));
        main.mnuFileOpen_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[1].Title, "Open Ombrelt script file");
    }
    EXPECT_EQ(main.txtLog.Text(), script);
    EXPECT_EQ(state.ScriptText, script);
    EXPECT_EQ(main.Caption(), "Ombrelt - b.ox");
    EXPECT_EQ(state.CurrentFilePath, File("b.ox"));

    {
        DialogAnswerer answers;  // a cancelled dialog changes nothing more
        answers.Press(IDYES);
        answers.Press(IDCANCEL);
        main.mnuFileOpen_Click();
    }
    EXPECT_EQ(main.txtLog.Text(), editor::EmptyScript);  // New ran
    EXPECT_EQ(state.CurrentFilePath, "");
}

TEST_F(EditorFilesWindow, OpenShowsACompiledScriptOrSaysThereIsNone) {
    const std::string player = std::string("MZ\0\0player", 10);
    ASSERT_TRUE(
        FileAccess::ReplaceWholeFile(File("run.exe"), *WriteScriptPayload(player, '1', "pause(1);leftclick();")));
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(File("bad.exe"), player));
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(File("UPPER.EXE"), *WriteScriptPayload(player, '0', "pause(2);")));
    main.SetCaption("Ombrelt - b.ox");
    state.CurrentFilePath = File("b.ox");

    {
        DialogAnswerer answers;
        answers.Choose(File("run.exe"));
        main.mnuFileOpen_Click();
    }
    EXPECT_EQ(main.txtLog.Text(), "pause(1);\r\nleftclick();\r\n");
    EXPECT_EQ(state.ScriptText, main.txtLog.Text());
    EXPECT_EQ(main.Caption(), "Ombrelt");  // New cleared them; the executable is not the script's file
    EXPECT_EQ(state.CurrentFilePath, "");

    main.txtLog.SetText(std::string(editor::EmptyScript));
    EXPECT_EQ(RefusedOpen("bad.exe"), "The file holds no Ombrelt script.");
    EXPECT_EQ(main.txtLog.Text(), editor::EmptyScript);

    {
        DialogAnswerer answers;  // file names ignore case: "EXE" is compiled too
        answers.Choose(File("UPPER.EXE"));
        main.mnuFileOpen_Click();
    }
    EXPECT_EQ(main.txtLog.Text(), "pause(2);\r\n");
    EXPECT_EQ(main.Caption(), "Ombrelt");
}

TEST_F(EditorFilesWindow, OpenRefusesAFileThatIsNoScriptAndSaveLeavesItAlone) {
    const std::string binary("MZ\x90\0\3\0\0\0\4\0", 10);  // shown cut at its first NUL it would be "MZ\x90"
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(File("b.ox"), binary));
    EXPECT_EQ(RefusedOpen("b.ox"), "The file is not an Ombrelt script.");
    EXPECT_EQ(main.txtLog.Text(), editor::EmptyScript);
    EXPECT_EQ(main.Caption(), "Ombrelt");
    EXPECT_EQ(state.CurrentFilePath, "");
    {
        DialogAnswerer answers;  // Save has no file: it asks for one
        answers.Press(IDCANCEL);
        main.mnuFileSave_Click();
        ASSERT_EQ(answers.Dialogs().size(), 1u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Save Ombrelt script file");
    }
    EXPECT_EQ(Read(File("b.ox")), binary);
}

TEST_F(EditorFilesWindow, AFailedSaveKeepsTheFileTheCaptionAndThePath) {
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(File("b.ox"), "old script"));
    main.txtLog.SetText("LeftClick();");
    main.SetCaption("Ombrelt - a.ox");
    state.CurrentFilePath = File("a.ox");
    program.Automation().ImageBaseFolder = "C:\\images\\";
    {
        // Another program holds b.ox open: the new text cannot replace it.
        HANDLE h = CreateFileA(File("b.ox").c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        win32::KernelHandle held(h);
        DialogAnswerer answers;
        answers.Choose(File("b.ox"));
        answers.Press(IDOK);
        main.mnuFileSaveAs_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[1].Text, "The script could not be saved.");
    }
    EXPECT_EQ(Read(File("b.ox")), "old script");
    {
        // A read-only file is never replaced.
        ASSERT_TRUE(SetFileAttributesA(File("b.ox").c_str(), FILE_ATTRIBUTE_READONLY));
        DialogAnswerer answers;
        answers.Choose(File("b.ox"));
        answers.Press(IDOK);
        main.mnuFileSaveAs_Click();
        SetFileAttributesA(File("b.ox").c_str(), FILE_ATTRIBUTE_NORMAL);
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[1].Text, "The script could not be saved.");
    }
    EXPECT_EQ(Read(File("b.ox")), "old script");
    {
        DialogAnswerer answers;  // a device keeps nothing: no save
        answers.Choose(File("nul"));
        answers.Press(IDOK);
        main.mnuFileSaveAs_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[1].Text, "The script could not be saved.");
    }
    EXPECT_EQ(main.Caption(), "Ombrelt - a.ox");
    EXPECT_EQ(state.CurrentFilePath, File("a.ox"));
    EXPECT_EQ(program.Automation().ImageBaseFolder, "C:\\images\\");
    EXPECT_EQ(Names(), std::vector<std::string>{"b.ox"});  // nothing left behind
    // Nor is a folder or a device read as a script: reading says no, it
    // does not throw.
    std::string bytes;
    EXPECT_FALSE(FileAccess::ReadWholeFile(folder, bytes));
    EXPECT_FALSE(FileAccess::ReadWholeFile(File("nul"), bytes));
}

TEST_F(EditorFilesWindow, CompileRefusesACancelledDialogReportsAMissingPlayerAndStopsWhenItsWindowIsTaken) {
    {
        DialogAnswerer answers;
        answers.Press(IDCANCEL);
        answers.Press(IDOK);
        main.mnuFileCompile_Click();
        ASSERT_EQ(answers.Dialogs().size(), 2u);
        EXPECT_EQ(answers.Dialogs()[0].Title, "Save Executable");
        EXPECT_EQ(answers.Dialogs()[1].Text, "Invalid Filename!");
        EXPECT_EQ(answers.Dialogs()[1].Title, "Error");
    }
    // No Compiler.dll beside this test program: the executable already there
    // stays as it was.
    ASSERT_EQ(GetFileAttributesA((program.App().Path() + "\\Compiler.dll").c_str()), INVALID_FILE_ATTRIBUTES);
    ASSERT_TRUE(FileAccess::ReplaceWholeFile(File("x.exe"), "old"));
    {
        DialogAnswerer answers;
        answers.Choose(File("x"));
        answers.Press(IDNO);
        answers.Press(IDOK);
        main.mnuFileCompile_Click();
        ASSERT_EQ(answers.Dialogs().size(), 3u);
        EXPECT_EQ(answers.Dialogs()[1].Title, "Repeat?");
        EXPECT_EQ(answers.Dialogs()[1].Text, "Would you like the script to repeat infinitely until stopped?");
        EXPECT_EQ(answers.Dialogs()[2].Text, "Could not create exectuable!");
        EXPECT_EQ(Read(File("x.exe")), "old");
    }
    // Compile's wait after its dialog: a recording begun during it, or a
    // switch to basic mode, ends the command without a word.
    const auto dialogsWithDuringTheWait = [&](unsigned command) {
        DialogAnswerer answers;
        answers.Choose(File("y"));
        std::thread during([&answers, command, window = main.Handle()] {
            if (answers.WaitAllAnswered(5000)) PostMessageA(window, WM_COMMAND, command, 0);
        });
        main.mnuFileCompile_Click();
        during.join();
        return answers.Dialogs().size();
    };
    main.txtLog.SetText("");  // Record asks nothing
    EXPECT_EQ(dialogsWithDuringTheWait(main.mnuScriptRecord.CommandId()), 1u);
    EXPECT_TRUE(state.IsRecording);
    main.mnuScriptStop_Click();
    EXPECT_EQ(dialogsWithDuringTheWait(main.mnuFileBasicMode.CommandId()), 1u);
    EXPECT_TRUE(state.BasicModeInUse);
}
