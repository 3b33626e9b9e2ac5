// The recorder end to end: Ombrelt.exe records real input (SendInput) made
// by this driver over a target window, and Stop leaves the script in the
// editor.
#include <gtest/gtest.h>

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "../support/KeyInput.h"
#include "TargetProcess.h"
#include "editor_driver.h"

using namespace ombrelt::e2e;
using ombrelt::testing::TargetProcess;

namespace {

// Ombrelt.exe in a folder of its own, set to open in advanced mode.
class Editor {
public:
    Editor() : folder_(&kAdvanced), process_(folder_.Start()) {}
    DWORD Id() const { return process_->Id(); }
    HWND MainWindow() { return WaitForWindow(Id(), IsMainWindow, 8000); }

private:
    static inline const std::string kAdvanced = "1,1,1,0,0,";
    EditorFolder folder_;
    std::unique_ptr<Process> process_;
};

bool WaitVisible(HWND window, bool visible) {
    return WaitUntil([&] { return (IsWindowVisible(window) != 0) == visible; }, 3000);
}

// The script in the advanced-mode window's editor box.
std::string ScriptOf(HWND main) { return WindowText(FindWindowExA(main, nullptr, "Edit", nullptr)); }

// Real input, with time for the recorder's 1 ms timer (about 10 ms) to see
// each state.
constexpr DWORD kSettle = 80;

void Send(INPUT input) {
    SendInput(1, &input, sizeof input);
    Sleep(kSettle);
}

void MoveTo(int x, int y) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = (x * 65536 + w - 1) / w;
    in.mi.dy = (y * 65536 + h - 1) / h;
    in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(in);
}

void Mouse(DWORD flags) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = flags;
    Send(in);
}

void Key(WORD vk, bool up) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = vk;
    in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    Send(in);
}

void Tap(WORD vk) {
    Key(vk, false);
    Key(vk, true);
}

// Ctrl and a digit, each state held for the recorder to see; the digit goes
// down only while Ctrl is down.
void CtrlTap(WORD vk) {
    {
        const ombrelt::testing::KeysDown keys(VK_CONTROL, vk, 5000, kSettle);
        EXPECT_TRUE(keys.Down()) << "Ctrl+" << static_cast<char>(vk);
        Sleep(kSettle);
    }
    Sleep(kSettle);
}

// Answers the confirmation that Record asks over an existing script with a
// click on the button, as a person does, and waits until the box has gone.
// A click comes after every key the box has still to take (the release of
// the key that chose Record), so the recorder does not start while its
// window's view of the keyboard still holds that key down.
void AnswerConfirmation(DWORD processId, int answer) {
    HWND box = WaitForMessageBox(processId, 3000);
    ASSERT_TRUE(box);
    EXPECT_NE(MessageBoxText(box).find("If you record a new script Ombrelt will delete"), std::string::npos);
    RECT button{};
    ASSERT_TRUE(GetWindowRect(GetDlgItem(box, answer), &button));
    MoveTo((button.left + button.right) / 2, (button.top + button.bottom) / 2);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }, 3000));
}

// The script's lines, each "Pause(" and "OrigionalPlayTime(" with "*" for
// its number, and pauses in a row as one: the pause written for Ctrl's own
// key-down (its KeyDown line taken out again by the hot key) is there only
// when the recorder's tick saw Ctrl before the digit, which a busy machine
// does not promise; the native recorder tests pin it down. Pauses and play
// time in milliseconds.
struct Recorded {
    std::vector<std::string> Shapes;
    long long Pauses = 0, PlayTime = -1;
};

Recorded Read(const std::string& text) {
    static const std::regex pause(R"(Pause\((\d+)\);)"), playTime(R"(OrigionalPlayTime\((\d+)\.(\d{3})\);)");
    Recorded r;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        std::smatch m;
        if (std::regex_match(line, m, pause)) {
            r.Pauses += std::stoll(m[1]);
            if (r.Shapes.empty() || r.Shapes.back() != "Pause(*);") r.Shapes.push_back("Pause(*);");
        } else if (std::regex_match(line, m, playTime)) {
            r.PlayTime = std::stoll(m[1]) * 1000 + std::stoll(m[2]);
            r.Shapes.push_back("OrigionalPlayTime(*);");
        } else {
            r.Shapes.push_back(line);
        }
        if (end == std::string::npos) return r;
        start = end + 2;
    }
}

const std::vector<std::string> kHeader = {"Function(Main);", "OrigionalPlayTime(*);", "SetPausePercent(100);", ""};
const std::vector<std::string> kFooter = {"Pause(*);", "", "EndFunction();"};

std::vector<std::string> Script(std::vector<std::string> body) {
    std::vector<std::string> all = kHeader;
    all.insert(all.end(), body.begin(), body.end());
    all.insert(all.end(), kFooter.begin(), kFooter.end());
    return all;
}

TEST(EditorRecord, RealInputBecomesTheRecordedScript) {
    TargetProcess target("--rect 100 100 320 240 --color 3366CC");
    ASSERT_TRUE(target.Window());
    const POINT client = target.ClientOrigin();
    RECT area{};
    GetClientRect(target.Window(), &area);
    const POINT colour{client.x + 150, client.y + area.bottom / 4};     // the upper, coloured half
    const POINT edit{client.x + 100, client.y + area.bottom * 3 / 4};  // the edit control
    const POINT colour2{colour.x + 10, colour.y + 10};

    SetCursorPos(600, 500);
    Editor editor;
    HWND main = editor.MainWindow();
    ASSERT_TRUE(main);

    // The empty script is in the box, so Record asks first; No changes nothing.
    ASSERT_TRUE(ChooseMenu(main, 'S', 'R'));  // Script > Record
    AnswerConfirmation(editor.Id(), IDNO);
    EXPECT_TRUE(IsWindowVisible(main));
    EXPECT_EQ(ScriptOf(main), "Function(Main);\r\n\r\nEndFunction();");
    ASSERT_TRUE(ChooseMenu(main, 'S', 'R'));  // Script > Record
    AnswerConfirmation(editor.Id(), IDYES);
    ASSERT_TRUE(WaitVisible(main, false));
    Sleep(kSettle);

    MoveTo(colour.x, colour.y);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Tap('A');
    CtrlTap('7');  // positioned clicks off
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Mouse(MOUSEEVENTF_RIGHTUP);
    MoveTo(edit.x, edit.y);
    CtrlTap('4');  // the window under the pointer
    MoveTo(colour2.x, colour2.y);
    CtrlTap('5');  // the colour under the pointer
    CtrlTap('0');  // Stop
    ASSERT_TRUE(WaitVisible(main, true));
    EXPECT_EQ(WindowText(main), "Ombrelt - Untitled");

    const std::string text = ScriptOf(main);
    const Recorded recorded = Read(text);
    auto xy = [](POINT p) { return std::to_string(p.x) + "," + std::to_string(p.y); };
    EXPECT_EQ(recorded.Shapes,
              Script({"Pause(*);", "MoveMouse(" + xy(colour) + ");",
                      "Pause(*);", "LeftDownEx(" + xy(colour) + ");",
                      "Pause(*);", "LeftUpEx(" + xy(colour) + ");",
                      "Pause(*);", "KeyDown(65);",
                      "Pause(*);", "KeyUp(65);",
                      "Pause(*);", "RightDown();",  // Ctrl+7 leaves only time
                      "Pause(*);", "RightUp();",
                      "Pause(*);", "MoveMouse(" + xy(edit) + ");",
                      "Pause(*);", "SelectWindow(\"OmbreltTarget\", \"Ombrelt Target\");",
                      "SelectSubWindow(\"Edit\");", "",
                      "Pause(*);", "MoveMouse(" + xy(colour2) + ");",
                      "Pause(*);", "CaptureScreen(imagesave0);",
                      "Pause(*);", "CreateColorRange(colorrange0, 51, 204, 102, 51, 204, 102);",
                      "Pause(*);", "MoveMouseToColorRange(imagesave0, colorrange0);"}))
        << text;
    // The pauses add up to the recording's length, as does the play time
    // (whose seconds come from a one-second timer that may tick late).
    EXPECT_GT(recorded.Pauses, static_cast<long long>(kSettle) * 20);
    EXPECT_NEAR(static_cast<double>(recorded.PlayTime), static_cast<double>(recorded.Pauses),
                50 + recorded.Pauses * 0.03)
        << text;
}

TEST(EditorRecord, HotKeysStartAndStopWithoutATrace) {
    SetCursorPos(600, 500);
    Editor editor;
    HWND main = editor.MainWindow();
    ASSERT_TRUE(main);

    // Record; Ctrl and 8 are up again by the time it is confirmed.
    ASSERT_TRUE(PressHotKey(editor.Id(), '8', [&] { return WaitForMessageBox(editor.Id(), 0) != nullptr; }));
    AnswerConfirmation(editor.Id(), IDYES);
    ASSERT_TRUE(WaitVisible(main, false));
    Sleep(kSettle);
    CtrlTap('9');  // no Play while recording: only its keys are recorded
    Tap('B');
    CtrlTap('6');  // mouse moves off
    MoveTo(300, 300);
    CtrlTap('0');
    ASSERT_TRUE(WaitVisible(main, true));

    const std::string text = ScriptOf(main);
    EXPECT_EQ(Read(text).Shapes, Script({"Pause(*);", "KeyDown(162);", "Pause(*);", "KeyDown(57);",
                                         "Pause(*);", "KeyUp(57);", "Pause(*);", "KeyUp(162);",
                                         "Pause(*);", "KeyDown(66);", "Pause(*);", "KeyUp(66);"}))
        << text;
}

}  // namespace
