// Mouse and key commands against real windows: the target window program
// in another process, and an edit control of this one.
#include <gtest/gtest.h>

#include "TestWindow.h"
#include "automation/mdlControls.h"
#include "automation/win32/Win32Desktop.h"
#include "e2e/TargetProcess.h"

namespace ombrelt::win32 {
namespace {

using ombrelt::testing::PumpUntil;
using ombrelt::testing::TargetProcess;

POINT CursorNow() {
    POINT p{};
    ::GetCursorPos(&p);
    return p;
}

TEST(Input, SetCursorPosMovesTheRealPointer) {
    Win32Desktop desktop;
    desktop.SetCursorPos(123, 234);
    EXPECT_EQ(CursorNow().x, 123);
    EXPECT_EQ(CursorNow().y, 234);
    EXPECT_EQ(desktop.GetCursorPos(), (Point{123, 234}));
}

// The target window program in another process, its client area's origin known.
struct TargetInput : ::testing::Test {
    void SetUp() override {
        ASSERT_NE(target.Window(), nullptr);
        origin = target.ClientOrigin();
    }
    // Real input reaches the window under the pointer only once Wine shows
    // the other process's window there; waiting for it keeps the test steady.
    bool TargetUnder(int x, int y) {
        return PumpUntil([&] { return ::WindowFromPoint(POINT{x, y}) == target.Window(); });
    }
    Win32Desktop desktop;
    AutomationState state;
    TargetProcess target{"--rect 200 150 320 240"};
    POINT origin{};
};

TEST_F(TargetInput, AClickAtThePointerReachesTheWindowUnderIt) {
    ASSERT_TRUE(TargetUnder(origin.x + 30, origin.y + 40));
    desktop.SetCursorPos(origin.x + 30, origin.y + 40);
    ASSERT_TRUE(PumpUntil([&] { return CursorNow().x == origin.x + 30 && CursorNow().y == origin.y + 40; }));
    state.SelectedWindow = reinterpret_cast<WindowHandle>(target.Window());  // ignored at the cursor
    mdlControls::LeftClick(desktop, state);
    EXPECT_TRUE(target.WaitFor("MOUSE 0201 1 30 40"));
    EXPECT_TRUE(target.WaitFor("MOUSE 0202 0 30 40"));
    EXPECT_EQ(state.LastFoundX, origin.x + 30);
    EXPECT_EQ(state.LastFoundY, origin.y + 40);
}

TEST_F(TargetInput, PositionedPressesGoToTheSelectedWindowInClientCoordinatesOrAsRealInput) {
    desktop.SetCursorPos(5, 5);
    // Wine can report the pointer's earlier place for a moment after a move.
    ASSERT_TRUE(PumpUntil([] { return CursorNow().x == 5 && CursorNow().y == 5; }));

    // Selected: a message with wParam 0 and the client point; nothing moves.
    state.SelectedWindow = reinterpret_cast<WindowHandle>(target.Window());
    state.LastFoundX = 1;
    std::string x = std::to_string(origin.x + 50), y = std::to_string(origin.y + 20);
    mdlControls::LeftDownEx(desktop, state, x, y);
    mdlControls::RightUpEx(desktop, state, x, y);
    auto lines = target.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "MOUSE 0201 0 50 20");
    EXPECT_EQ(lines.back(), "MOUSE 0205 0 50 20");
    EXPECT_EQ(CursorNow().x, 5);
    EXPECT_EQ(state.LastFoundX, 1);

    // None selected: the pointer moves there and the real button acts.
    ASSERT_TRUE(TargetUnder(origin.x + 60, origin.y + 25));
    state.SelectedWindow = 0;
    x = std::to_string(origin.x + 60);
    y = std::to_string(origin.y + 25);
    mdlControls::LeftDownEx(desktop, state, x, y);
    mdlControls::LeftUpEx(desktop, state, x, y);
    EXPECT_TRUE(target.WaitFor("MOUSE 0201 1 60 25"));
    EXPECT_TRUE(target.WaitFor("MOUSE 0202 0 60 25"));
    EXPECT_EQ(CursorNow().x, origin.x + 60);
    EXPECT_EQ(CursorNow().y, origin.y + 25);
    EXPECT_EQ(state.LastFoundX, origin.x + 60);
    EXPECT_EQ(state.LastFoundY, origin.y + 25);
}

TEST_F(TargetInput, KeyMessagesToTheSelectedWindowCarryRepeatAndScanBits) {
    state.SelectedWindow = reinterpret_cast<WindowHandle>(target.Window());
    mdlControls::KeyDown(desktop, state, 65);
    mdlControls::KeyUp(desktop, state, 65);
    auto lines = target.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "KEY 0100 65 00010001");
    EXPECT_EQ(lines.back(), "KEY 0101 65 00010001");
}

class EditControl {
public:
    EditControl() {
        hwnd = CreateWindowExA(WS_EX_TOPMOST, "EDIT", "", WS_POPUP | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, 300,
                               300, 400, 30, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
        SetForegroundWindow(hwnd);
        SetFocus(hwnd);
    }
    ~EditControl() { DestroyWindow(hwnd); }
    std::string Text() const {
        char text[512] = {};
        GetWindowTextA(hwnd, text, sizeof text);
        return text;
    }
    bool WaitForText(const std::string& expected) const {
        return PumpUntil([&] { return Text() == expected; });
    }
    HWND hwnd;
};

TEST(Input, SendKeysTypesTextIntoTheFocusedEditControl) {
    Win32Desktop desktop;
    EditControl edit;
    ASSERT_TRUE(PumpUntil([&] { return GetFocus() == edit.hwnd; }));

    EXPECT_TRUE(desktop.SendKeys("Ab+c{+}{^}{%}{~}{(}{)}{{}{}}{a 3}x{BS}[]\xE9"));
    EXPECT_TRUE(edit.WaitForText("AbC+^%~(){}aaa[]\xE9")) << edit.Text();
    EXPECT_TRUE(desktop.SendKeys("{HOME}Z{END}{LEFT 2}-"));
    EXPECT_TRUE(edit.WaitForText("ZAbC+^%~(){}aaa[-]\xE9")) << edit.Text();

    // Broken syntax types nothing, not even the part before the fault.
    EXPECT_FALSE(desktop.SendKeys("abc{NOSUCHKEY}"));
    EXPECT_FALSE(desktop.SendKeys("abc{TAB"));

    // Real key events when no window is selected.
    AutomationState state;
    mdlControls::KeyDown(desktop, state, 'Q');
    mdlControls::KeyUp(desktop, state, 'Q');
    EXPECT_TRUE(edit.WaitForText("ZAbC+^%~(){}aaa[-q]\xE9")) << edit.Text();  // at the caret
    EXPECT_EQ(GetKeyState(VK_SHIFT) & 0x8000, 0);  // every modifier came back up
}

TEST(Input, StartExStartsAProgramMinimizedWithItsArguments) {
    Win32Desktop desktop;
    TargetProcess target("", false);
    std::int32_t result = mdlControls::StartEx(desktop, TargetProcess::ExePath(), "",
                                               target.LogArguments() + " first \"second arg\"", 2);
    EXPECT_GT(result, 32);
    auto show = target.WaitFor("SHOW ");
    ASSERT_TRUE(show);
    EXPECT_EQ(*show, "SHOW 2 ICONIC 1 ZOOMED 0");
    auto command = target.WaitFor("CMDLINE ");
    ASSERT_TRUE(command);
    EXPECT_NE(command->find(" first \"second arg\""), std::string::npos) << *command;
    EXPECT_NE(target.Window(), nullptr);  // so that the target ends with the test

    EXPECT_LE(mdlControls::Start(desktop, "Z:\\no\\such\\program.exe", "", ""), 32);
}

}  // namespace
}  // namespace ombrelt::win32
