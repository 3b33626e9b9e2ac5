// The editor's File, Find and Replace commands end to end: Ombrelt.exe in a
// scratch copy of its folder, its menus chosen and its dialogs answered as a
// person would, the compiled executable run.
#include <gtest/gtest.h>

#include <functional>

#include "../support/DialogAnswerer.h"
#include "Compiler/ScriptPayload.h"
#include "editor_driver.h"

namespace ombrelt::e2e {
namespace {

constexpr DWORD kLimit = 8000;
const std::string kAdvanced = "1,1,1,0,0,";

struct Editor {
    EditorFolder folder{&kAdvanced};
    std::unique_ptr<Process> process = folder.Start();
    HWND main = WaitForWindow(process->Id(), IsMainWindow, kLimit);
    HWND log = main ? FindWindowExA(main, nullptr, "Edit", nullptr) : nullptr;

    void SetText(const std::string& text) { SendMessageA(log, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str())); }
    std::string Text() const { return WindowText(log); }
    std::pair<DWORD, DWORD> Selection() const {
        DWORD start = 0, end = 0;
        const auto packed = static_cast<DWORD>(SendMessageA(log, EM_GETSEL, 0, 0));
        start = LOWORD(packed);
        end = HIWORD(packed);
        return {start, end - start};
    }
};

}  // namespace

TEST(EditorFiles, CompileMakesAnExecutableThatRunsAndOpensBack) {
    Editor editor;
    ASSERT_NE(editor.log, nullptr);
    const std::string script = "Function(Main);\r\n  MsgBox(\"Hello World\");\r\nEndFunction();";
    editor.SetText(script);
    const std::string exe = editor.folder.File("hello.exe");
    ASSERT_TRUE(WriteFileBytes(exe, "old"));  // replaced without a question

    {
        testing::DialogAnswerer answers(editor.process->Id());
        answers.Choose(editor.folder.File("hello"));  // the dialog adds ".exe"
        answers.Press(IDNO);                          // run once
        answers.Press(IDOK);
        ASSERT_TRUE(ChooseMenu(editor.main, 'F', 'C'));
        ASSERT_TRUE(answers.WaitAllAnswered(kLimit));
        const auto seen = answers.Dialogs();
        ASSERT_EQ(seen.size(), 3u);
        EXPECT_EQ(seen[0].Title, "Save Executable");
        EXPECT_EQ(seen[1].Title, "Repeat?");
        EXPECT_EQ(seen[2].Title, "Compiled");
        EXPECT_EQ(seen[2].Text, "Ombrelt executable was compiled.");
    }
    const std::string player = ReadFileBytes(editor.folder.File("Compiler.dll"));
    const std::string bytes = ReadFileBytes(exe);
    ASSERT_GT(bytes.size(), player.size());
    EXPECT_EQ(bytes.substr(0, player.size() - 1), player.substr(0, player.size() - 1));
    const auto payload = ReadScriptPayload(bytes);
    ASSERT_TRUE(payload);
    EXPECT_FALSE(payload->Repeats());
    EXPECT_EQ(payload->Script, "function(main);msgbox(\"Hello World\");endfunction();");

    {
        Process run(Quoted(exe));
        HWND box = WaitForMessageBox(run.Id(), kStartLimit);
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), "Hello World");
        CloseMessageBox(box);
        EXPECT_EQ(run.WaitExit(kLimit), std::optional<DWORD>(0));
    }

    // A read-only executable is never replaced.
    ASSERT_TRUE(SetFileAttributesA(exe.c_str(), FILE_ATTRIBUTE_READONLY));
    {
        testing::DialogAnswerer answers(editor.process->Id());
        answers.Choose(exe);
        answers.Press(IDYES);  // a new flag: the bytes would differ
        answers.Press(IDOK);
        ASSERT_TRUE(ChooseMenu(editor.main, 'F', 'C'));
        ASSERT_TRUE(answers.WaitAllAnswered(kLimit));
        ASSERT_EQ(answers.Dialogs().size(), 3u);
        EXPECT_EQ(answers.Dialogs()[2].Text, "Could not create exectuable!");
    }
    EXPECT_EQ(ReadFileBytes(exe), bytes);
    EXPECT_EQ(GetFileAttributesA(exe.c_str()) & FILE_ATTRIBUTE_READONLY, DWORD{FILE_ATTRIBUTE_READONLY});
    SetFileAttributesA(exe.c_str(), FILE_ATTRIBUTE_NORMAL);

    // Open reads the script back out of the executable, a line after each ";".
    {
        testing::DialogAnswerer answers(editor.process->Id());
        answers.Press(IDYES);  // New's question: the editor holds a script
        answers.Choose(exe);
        ASSERT_TRUE(ChooseMenu(editor.main, 'F', 'O'));
        ASSERT_TRUE(answers.WaitAllAnswered(kLimit));
    }
    EXPECT_EQ(editor.Text(), "function(main);\r\nmsgbox(\"Hello World\");\r\nendfunction();\r\n");
    EXPECT_EQ(WindowText(editor.main), "Ombrelt");

    // Save As writes it byte for byte; the caption names the file.
    {
        testing::DialogAnswerer answers(editor.process->Id());
        answers.Choose(editor.folder.File("hello.ox"));
        ASSERT_TRUE(ChooseMenu(editor.main, 'F', 'A'));
        ASSERT_TRUE(answers.WaitAllAnswered(kLimit));
    }
    const DWORD start = GetTickCount();
    while (WindowText(editor.main) == "Ombrelt" && GetTickCount() - start < kLimit) Sleep(10);
    EXPECT_EQ(WindowText(editor.main), "Ombrelt - hello.ox");
    EXPECT_EQ(ReadFileBytes(editor.folder.File("hello.ox")), editor.Text());
}

TEST(EditorFiles, FindAndReplaceWorkThroughTheirDialogs) {
    Editor editor;
    ASSERT_NE(editor.log, nullptr);
    editor.SetText("Pause(1);\r\npause(2);\r\nPAUSE(3);");
    SendMessageA(editor.log, EM_SETSEL, 0, 0);

    ASSERT_TRUE(ChooseMenu(editor.main, 'E', 'F'));
    HWND find = WaitForWindow(editor.process->Id(), [](HWND w) { return WindowText(w) == "Find"; }, kLimit);
    ASSERT_NE(find, nullptr);
    SendMessageA(FindWindowExA(find, nullptr, "Edit", nullptr), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pause"));
    SendMessageA(FindChild(find, "Button", "Find Next"), BM_CLICK, 0, 0);
    EXPECT_FALSE(IsWindow(find));  // the dialog unloads itself
    EXPECT_EQ(editor.Selection(), std::make_pair(DWORD{0}, DWORD{5}));
    ASSERT_TRUE(ChooseMenu(editor.main, 'E', 'N'));
    const DWORD start = GetTickCount();
    while (editor.Selection().first == 0 && GetTickCount() - start < kLimit) Sleep(10);
    EXPECT_EQ(editor.Selection(), std::make_pair(DWORD{11}, DWORD{5}));

    ASSERT_TRUE(ChooseMenu(editor.main, 'E', 'R'));
    HWND replace = WaitForWindow(editor.process->Id(), [](HWND w) { return WindowText(w) == "Replace"; }, kLimit);
    ASSERT_NE(replace, nullptr);
    HWND findBox = FindWindowExA(replace, nullptr, "Edit", nullptr);
    SendMessageA(findBox, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("pause"));
    SendMessageA(FindWindowExA(replace, findBox, "Edit", nullptr), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("Wait"));
    SendMessageA(FindChild(replace, "Button", "Replace All"), BM_CLICK, 0, 0);
    EXPECT_EQ(editor.Text(), "Pause(1);\r\nWait(2);\r\nPAUSE(3);");
}

}  // namespace ombrelt::e2e
