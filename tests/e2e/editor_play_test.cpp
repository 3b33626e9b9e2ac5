// Playback end to end: Ombrelt.exe in a scratch copy of its folder, driven
// with the hot keys, the basic-mode window's buttons and the Script menu as
// a person would, the pointer and the editor text read back.
#include <gtest/gtest.h>

#include <functional>

#include "../support/DialogAnswerer.h"
#include "TargetProcess.h"
#include "editor_driver.h"

namespace ombrelt::e2e {
namespace {

constexpr DWORD kLimit = 8000;
const std::string kAdvanced = "1,1,1,0,0,";
const std::string kBasic = "1,1,1,0,1,";

POINT Cursor() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

bool CursorAt(int x, int y) {
    const POINT p = Cursor();
    return p.x == x && p.y == y;
}

void SetText(HWND edit, const std::string& text) {
    SendMessageA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

struct Advanced {
    EditorFolder folder{&kAdvanced};
    std::unique_ptr<Process> process = folder.Start();
    HWND main = WaitForWindow(process->Id(), IsMainWindow, kLimit);
    HWND log = main ? FindWindowExA(main, nullptr, "Edit", nullptr) : nullptr;

    bool Shown() const { return IsWindowVisible(main) != 0; }
    // Ctrl and the digit, held until the editor shows it took them.
    bool Press(char digit, const std::function<bool()>& done) const {
        return PressHotKey(process->Id(), digit, done);
    }
};

TEST(EditorPlayE2E, HotKeysPlayRepeatAndStopALongPause) {
    Advanced editor;
    ASSERT_NE(editor.log, nullptr);
    SetCursorPos(1, 1);

    // Once: the script clears the repeat flag itself.
    SetText(editor.log, "Function(Main);\r\nDisableRepeat();\r\nMoveMouse(123,45);\r\nEndFunction();");
    ASSERT_TRUE(editor.Press('9', [&] { return CursorAt(123, 45) || !editor.Shown(); }));
    EXPECT_TRUE(WaitUntil([] { return CursorAt(123, 45); }, kLimit));
    EXPECT_TRUE(WaitUntil([&] { return editor.Shown(); }, kLimit));

    // Repeatedly. Variables live from run to run: x becomes 1, 11, 111, then
    // 1111, which the screen's edge holds, so from the third run on the
    // pointer stays at x 111 or beyond.
    SetText(editor.log, "Function(Main);\r\nEnableRepeat();\r\nadd(n,1);\r\nMoveMouse(n,5);\r\nPause(40);\r\n"
                        "EndFunction();");
    ASSERT_TRUE(editor.Press('9', [&] { return !editor.Shown(); }));
    ASSERT_TRUE(WaitUntil(
        [] {
            const POINT p = Cursor();
            return p.y == 5 && p.x >= 111;
        },
        kLimit));
    EXPECT_FALSE(editor.Shown());
    ASSERT_TRUE(editor.Press('0', [&] { return editor.Shown(); }));

    // Ctrl+0 in a long pause: the window is back at once, and the rest of the
    // script never runs.
    SetText(editor.log, "Function(Main);\r\nMoveMouse(200,210);\r\nPause(1500);\r\nMoveMouse(5,5);\r\n"
                        "EndFunction();");
    ASSERT_TRUE(editor.Press('9', [&] { return !editor.Shown(); }));
    ASSERT_TRUE(WaitUntil([&] { return CursorAt(200, 210); }, kLimit));
    const DWORD start = GetTickCount();
    ASSERT_TRUE(editor.Press('0', [&] { return editor.Shown(); }));
    EXPECT_LT(GetTickCount() - start, 1000u);
    Sleep(1700);
    EXPECT_TRUE(CursorAt(200, 210));
}

// The window comes back at the end of the run, while the keys the run typed
// may still wait in the target's queue: they reach the target all the same.
TEST(EditorPlayE2E, KeysAtTheEndOfARunReachTheirWindow) {
    ombrelt::testing::TargetProcess target("--rect 100 100 320 240");
    ASSERT_TRUE(target.Window());
    RECT area{};
    GetClientRect(target.Window(), &area);
    const POINT client = target.ClientOrigin();
    const std::string at = std::to_string(client.x + 100) + "," + std::to_string(client.y + area.bottom * 3 / 4);
    Advanced editor;
    ASSERT_NE(editor.log, nullptr);
    SetText(editor.log, "Function(Main);\r\nDisableRepeat();\r\nMoveMouse(" + at + ");\r\nLeftClick();\r\nPause(300);\r\n"
                        "SendKeys(\"Hello World+abc\");\r\nEndFunction();");
    ASSERT_TRUE(editor.Press('9', [&] { return !editor.Shown(); }));
    ASSERT_TRUE(WaitUntil([&] { return editor.Shown(); }, kLimit));
    EXPECT_TRUE(target.WaitFor("EDIT Hello WorldAbc", 2000));
}

TEST(EditorPlayE2E, CorrectTimeRewritesSetPausePercentHiddenOrOnTheWhiteWindow) {
    Advanced editor;
    ASSERT_NE(editor.log, nullptr);
    const std::string head = "Function(Main);\r\nOrigionalPlayTime(0.100);\r\n";
    const auto script = [&](const char* percent) {
        return head + "SetPausePercent(" + percent + ");\r\n\r\nPause(300);\r\n\r\nEndFunction();";
    };
    // The rewritten figure: 0.3 s measured against 0.1 s, with room for Wine.
    const auto expectRewritten = [&] {
        const std::string text = WindowText(editor.log);
        ASSERT_EQ(text.rfind(head + "SetPausePercent(", 0), 0u) << text;
        const double percent = std::stod(text.substr(head.size() + 16));
        EXPECT_GE(percent, 295.0) << text;
        EXPECT_LT(percent, 450.0) << text;
    };
    SetText(editor.log, script("100"));
    {
        testing::DialogAnswerer answers(editor.process->Id());
        answers.Press(IDNO);  // no White Debug mode: the hidden timed run
        answers.Press(IDOK);
        ASSERT_TRUE(ChooseMenu(editor.main, 'S', 'C'));
        ASSERT_TRUE(WaitUntil([&] { return answers.AllAnswered() && editor.Shown(); }, kLimit));
        EXPECT_EQ(answers.Dialogs()[0].Text, "Do you wish to use the White Debug mode?");
        const std::string message = answers.Dialogs()[1].Text;
        EXPECT_EQ(message.rfind("Time took: 0.3", 0), 0u) << message;
        EXPECT_NE(message.find(" seconds out of Origional Play Time: 0.1 seconds"), std::string::npos) << message;
    }
    expectRewritten();

    // Again on the White Debug window, from a figure the run must replace
    // (handed to the editor, not applied, so the pause stays 0.3 s).
    SetText(editor.log, script("777"));
    testing::DialogAnswerer answers(editor.process->Id());
    answers.Press(IDYES);
    answers.Press(IDOK);
    ASSERT_TRUE(ChooseMenu(editor.main, 'S', 'C'));
    HWND white = WaitForWindow(
        editor.process->Id(),
        [](HWND w) {
            RECT r{};
            GetWindowRect(w, &r);
            return r.left == 0 && r.top == 0 && r.right == GetSystemMetrics(SM_CXSCREEN) &&
                   r.bottom == GetSystemMetrics(SM_CYSCREEN) && !(GetWindowLongA(w, GWL_STYLE) & WS_CAPTION);
        },
        kLimit);
    ASSERT_NE(white, nullptr);
    EXPECT_FALSE(editor.Shown());
    ASSERT_TRUE(WaitUntil([&] { return answers.AllAnswered() && editor.Shown(); }, kLimit));
    EXPECT_FALSE(IsWindowVisible(white));
    EXPECT_NE(FindChild(white, "Static", "5"), nullptr);    // the statements counted
    EXPECT_NE(FindChild(white, "Static", "0.1"), nullptr);  // the original play time
    expectRewritten();
}

TEST(EditorPlayE2E, BasicWindowPlaysXTimes) {
    EditorFolder folder(&kBasic);
    auto process = folder.Start();
    HWND basic = WaitForWindow(process->Id(), IsBasicWindow, kLimit);
    ASSERT_NE(basic, nullptr);
    // The script box is the hidden multi-line edit; the count box the other.
    HWND log = nullptr, count = nullptr;
    for (HWND e = FindWindowExA(basic, nullptr, "Edit", nullptr); e; e = FindWindowExA(basic, e, "Edit", nullptr))
        (GetWindowLongA(e, GWL_STYLE) & ES_MULTILINE ? log : count) = e;
    ASSERT_NE(log, nullptr);
    ASSERT_NE(count, nullptr);
    EXPECT_FALSE(IsWindowVisible(log));
    SetText(log, "Function(Main);\r\nadd(n,1);\r\nMoveMouse(n,7);\r\nEndFunction();");
    SendMessageA(FindChild(basic, "Button", "Play X amount of times:"), BM_CLICK, 0, 0);
    SetText(count, "3");
    SetCursorPos(1, 1);
    SendMessageA(FindChild(basic, "Button", "Play"), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return CursorAt(111, 7); }, kLimit));
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(basic) != 0; }, kLimit));
    Sleep(200);
    EXPECT_TRUE(CursorAt(111, 7));  // three runs, no fourth

    testing::DialogAnswerer answers(process->Id());
    answers.Press(IDOK);
    SetText(count, "three");
    PostMessageA(FindChild(basic, "Button", "Play"), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return answers.AllAnswered(); }, kLimit));
    EXPECT_EQ(answers.Dialogs()[0].Text, "The Play X times must be numeric!");
}

}  // namespace
}  // namespace ombrelt::e2e
